// Qt's own texts in French (the buttons Oui/Non/Annuler, the open and save
// dialogs), whatever the language of the system, from the Qt translations
// Debian ships in qt6-translations-l10n. The translators belong to the
// application. Missing translations are no error: Qt then speaks English.
#pragma once

class QCoreApplication;
class QString;

// Installs the French catalogue of Qt found in `dossier`; true when found.
bool ChargeTraductionsQt(QCoreApplication& application, const QString& dossier);
// The same from Qt's own translations folder.
bool ChargeTraductionsQt(QCoreApplication& application);
