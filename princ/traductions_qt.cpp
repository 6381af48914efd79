#include "princ/traductions_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

bool ChargeTraductionsQt(QCoreApplication& application, const QString& dossier) {
  // Dates and numbers of the dialogs in French too.
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  // "qt_fr" gathers the modules' catalogues; "qtbase_fr" alone is enough
  // for the widgets this program shows.
  for (const char* catalogue : {"qt_fr", "qtbase_fr"}) {
    auto traducteur = std::make_unique<QTranslator>(&application);
    if (traducteur->load(QString::fromLatin1(catalogue), dossier) && !traducteur->isEmpty()) {
      QCoreApplication::installTranslator(traducteur.release());
      return true;
    }
  }
  return false;
}

bool ChargeTraductionsQt(QCoreApplication& application) {
  return ChargeTraductionsQt(application, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
