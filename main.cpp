// Lecturiel: starts the reading window, with Qt's own dialogs in French.
#include <QApplication>

#include "lexical/programme.h"
#include "princ/services_qt.h"
#include "princ/tfprinc.h"
#include "princ/traductions_qt.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ChargeTraductionsQt(application);
  TServicesQt services;
  TFenetreLecture fenetre(services, CheminProgramme());
  // A pupil who cancels the name prompt leaves the program.
  if (fenetre.Abandonnee()) return 0;
  fenetre.show();
  return application.exec();
}
