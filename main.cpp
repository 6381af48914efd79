// Lecturiel: starts the reading window, Qt's own dialogs in French, and
// when it closes writes the lexicon back if it was changed.
#include <QApplication>
#include <iostream>

#include "lexical/erreur.h"
#include "lexical/programme.h"
#include "lexical/stores.h"
#include "princ/services_qt.h"
#include "princ/tfprinc.h"
#include "princ/traductions_qt.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ChargeTraductionsQt(application);
  TServicesQt services;
  int code = 0;
  {
    TFenetreLecture fenetre(services, CheminProgramme());
    // A pupil who cancels the name prompt leaves the program.
    if (fenetre.Abandonnee()) return 0;
    fenetre.show();
    code = application.exec();
  }
  try {
    if (Lexique && Lexique->Modifie) SauveLexique();
  } catch (const Erreur& erreur) {
    std::cerr << erreur.MessageUtf8() << '\n';
  }
  return code;
}
