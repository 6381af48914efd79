// Screenshots of the two study dialogs for the README: the vocabulary of the
// opening lines of the Aeneid (the 50 most frequent words hidden) and the
// inflection tables of a word. Runs offscreen or under Xvfb:
//   capture_outils DOSSIER [MOT]   writes DOSSIER/vocabulaire.png and DOSSIER/flexion.png
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>

#include "princ/dialogue_flexion.h"
#include "princ/dialogue_vocabulaire.h"
#include "princ/services_qt.h"
#include "princ/tfprinc.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) return 2;
  const QDir dossier(QString::fromLocal8Bit(argv[1]));
  const std::string mot = argc > 2 ? argv[2] : "cano";
  TServicesQt services;
  // The default layout, whatever the user's own settings keep.
  const QTemporaryDir reglages;
  TFenetreLecture fenetre(services, QCoreApplication::applicationFilePath().toStdString(),
                          reglages.filePath(QStringLiteral("fenetre.ini")).toStdString());
  fenetre.findChild<QTextEdit*>(QStringLiteral("RichE"))
      ->setPlainText(QStringLiteral("Arma uirumque cano, Troiae qui primus ab oris\n"
                                    "Italiam, fato profugus, Lauiniaque uenit\n"
                                    "litora, multum ille et terris iactatus et alto\n"
                                    "ui superum saeuae memorem Iunonis ob iram;\n"
                                    "multa quoque et bello passus, dum conderet urbem,\n"
                                    "inferretque deos Latio, genus unde Latinum,\n"
                                    "Albanique patres, atque altae moenia Romae."));
  fenetre.findChild<QAction*>(QStringLiteral("Vocabulairedutexte1"))->trigger();
  auto* vocabulaire = fenetre.findChild<TDialogueVocabulaire*>();
  if (!vocabulaire) return 1;
  vocabulaire->findChild<QSpinBox*>(QStringLiteral("Masquer"))->setValue(50);
  vocabulaire->resize(760, 420);
  const bool v = vocabulaire->grab().save(dossier.filePath(QStringLiteral("vocabulaire.png")));
  TDialogueFlexion flexion(mot, &fenetre);
  flexion.resize(640, 560);
  const bool f = flexion.grab().save(dossier.filePath(QStringLiteral("flexion.png")));
  return v && f ? 0 : 1;
}
