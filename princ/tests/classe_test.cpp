// The window as a class uses it, on the faults pupils and a teacher met:
// notes lost at close, a name that escaped the notes folder, one bad file
// that disabled every help, notes marked modified by opening a text, the
// wheel zoom; and what they expected: paths beside the configuration, the
// text opened at its start, keyboard selections, Qt's dialogs in French.
// Keys go through QTest, the close box through the window's close event,
// right clicks through the context-menu event.
#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <functional>

#include "lexical/stores.h"
#include "princ/services_qt.h"
#include "princ/tests/banc.h"
#include "princ/traductions_qt.h"

namespace {

const QString QuestionQuitter = QStringLiteral(
    "Les notes n'ont pas \u00e9t\u00e9 enregistr\u00e9es. Quitter quand m\u00eame ?");
const QString QuestionLiens = QStringLiteral("Afficher les liens possibles entre nullus et suus ?");

// The window's close box: the close event the window system sends. Returns
// whether the window closed.
bool FermeParLaCase(TFPrinc& f) {
  QCloseEvent fermeture;
  QApplication::sendEvent(f.windowHandle(), &fermeture);
  return !f.isVisible();
}

// Shortcuts reach only the active window.
void Active(TFPrinc& f) {
  f.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&f));
}

// A right click on `mot`: the pointer moves there, then the context-menu
// event the window system sends on the button.
void ClicDroit(TBanc& banc, const QString& mot) {
  banc.Survole(mot, 1);
  QWidget* vue = banc.RichE().viewport();
  const QPoint point = banc.PointDe(banc.PositionDe(mot, 1));
  QContextMenuEvent menu(QContextMenuEvent::Mouse, point, vue->mapToGlobal(point));
  QApplication::sendEvent(vue, &menu);
}

void Molette(QWidget* vue, int angle, Qt::KeyboardModifiers touches = Qt::ControlModifier) {
  const QPointF point(10, 10);
  QWheelEvent molette(point, vue->mapToGlobal(point), QPoint(), QPoint(0, angle), Qt::NoButton,
                      touches, Qt::NoScrollPhase, false);
  QApplication::sendEvent(vue, &molette);
}

}  // namespace

// A pupil's notes used to be lost at close whenever the save failed or the
// save dialog was cancelled: the window now asks, and Non keeps it open.
class TestFermeture : public QObject {
  Q_OBJECT
 private slots:
  void notesNonEnregistrees_data() {
    QTest::addColumn<bool>("configure");
    QTest::addColumn<QString>("choix");  // free mode's save dialog (empty: cancelled)
    QTest::addColumn<int>("erreurs");
    QTest::addColumn<int>("messages");
    QTest::newRow("dossier des notes absent") << true << "" << 1 << 0;
    QTest::newRow("dialogue annule") << false << "" << 0 << 0;
    QTest::newRow("nom deja pris") << false << "pris.txt" << 0 << 1;
  }
  void notesNonEnregistrees() {
    QFETCH(bool, configure);
    QFETCH(QString, choix);
    QFETCH(int, erreurs);
    QFETCH(int, messages);
    TBanc banc;
    if (configure) banc.Texte("[Sauvegarde]\nrepertoire=" + banc.Chemin("absent") + "\n");
    banc.Ecris("pris.txt", "ancien");
    if (!choix.isEmpty()) banc.Services.FichierEnregistre = banc.QChemin(choix.toStdString());
    TFPrinc& f = banc.Ouvre();
    Active(f);
    QTest::keyClicks(&banc.Memo1(), QStringLiteral("ma note"));
    banc.Services.Reponses = {false, true};
    QVERIFY(!FermeParLaCase(f));
    QCOMPARE(banc.Services.Questions, QStringList{QuestionQuitter});
    QCOMPARE(banc.Services.Erreurs.size(), erreurs);
    QCOMPARE(banc.Services.Messages.size(), messages);
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("ma note"));
    QVERIFY(banc.Memo1().document()->isModified());
    // Alt+F4 goes the same way; Oui lets the window close.
    QTest::keyClick(&f, Qt::Key_F4, Qt::AltModifier);
    QCOMPARE(banc.Services.Questions, (QStringList{QuestionQuitter, QuestionQuitter}));
    QVERIFY(!f.isVisible());
    QCOMPARE(banc.Lis("pris.txt"), std::string("ancien"));
  }
};

// The name "../../x" wrote the notes outside the notes folder, "Marie/Paul"
// failed at every save; the trace keeps the name as typed.
class TestNomEleve : public QObject {
  Q_OBJECT
 private slots:
  void nomDeFichierSur_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("fichier");
    QTest::newRow("remonte") << "../../x"
                             << "notes/----x-texte.txt";
    QTest::newRow("barre") << "Marie/Paul"
                           << "notes/Marie-Paul-texte.txt";
    QTest::newRow("cache") << ".Julie"
                           << "notes/Julie-texte.txt";
  }
  void nomDeFichierSur() {
    QFETCH(QString, nom);
    QFETCH(QString, fichier);
    TBanc banc;
    banc.Services.Nom = nom;
    banc.Configure();
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(QString::fromStdString(f.Etat().FichierNotes), banc.QChemin(fichier.toStdString()));
    ClicDroit(banc, QStringLiteral("uentus"));
    QVERIFY(banc.Menu().isVisible());
    QAction* lexique = banc.Insertion(QStringLiteral("&lexique"));
    QVERIFY(lexique);
    lexique->trigger();
    banc.Menu().hide();
    QVERIFY(FermeParLaCase(f));
    QVERIFY(banc.Services.Erreurs.isEmpty() && banc.Services.Questions.isEmpty());
    QCOMPARE(banc.Lis(fichier.toStdString()), std::string("auxil.,1,0,0\r\n  vent\r\n"));
    QVERIFY(!QFile::exists(banc.QChemin("../x-texte.txt")));
    QCOMPARE(banc.Lis("trace.txt"), nom.toStdString() + " lexique - uentus\r\n");
  }
};

// Any start-up error used to skip the rest of the start-up, lexicon
// included, for the whole lesson: each is now reported once and the other
// steps still run.
class TestDemarrageTenace : public QObject {
  Q_OBJECT
 private slots:
  void chaqueErreurUneFois_data() {
    QTest::addColumn<bool>("texte");
    QTest::addColumn<bool>("compteurs");  // a readable counters line
    QTest::addColumn<bool>("lexique");
    QTest::addColumn<QStringList>("erreurs");  // beginnings of the messages
    const QString lire = QStringLiteral("Impossible de lire le fichier");
    const QString ligne = QStringLiteral("Ligne des compteurs illisible");
    const QString ouvrir = QStringLiteral("Impossible d'ouvrir le fichier");
    QTest::newRow("texte absent") << false << true << true << QStringList{lire};
    QTest::newRow("compteurs illisibles") << true << false << true << QStringList{ligne};
    QTest::newRow("lexique absent") << true << true << false << QStringList{ouvrir};
    QTest::newRow("tout a la fois") << false << false << false << QStringList{lire, ligne, ouvrir};
  }
  void chaqueErreurUneFois() {
    QFETCH(bool, texte);
    QFETCH(bool, compteurs);
    QFETCH(bool, lexique);
    QFETCH(QStringList, erreurs);
    TBanc banc;
    banc.Configure("AutoLex=1\ninsereTr=0\n");
    if (!texte) QFile::remove(banc.QChemin("textes/texte.txt"));
    if (!lexique) QFile::remove(banc.QChemin("quirandole.lex"));
    const std::string notes =
        compteurs ? "auxil.,2,0,0\r\nma note\r\n" : "auxil.,deux,0,0\r\nma note\r\n";
    banc.Ecris("notes/Eleve-texte.txt", notes);
    LiberLexique();
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(banc.Services.Erreurs.size(), erreurs.size());
    for (int i = 0; i < erreurs.size(); ++i)
      QVERIFY2(banc.Services.Erreurs[i].startsWith(erreurs[i]),
               qPrintable(banc.Services.Erreurs[i]));
    // The steps after each error still ran.
    QCOMPARE(banc.Services.Invites.size(), 1);
    QCOMPARE(banc.Memo1().toPlainText(),
             compteurs ? QStringLiteral("ma note") : QStringLiteral("auxil.,deux,0,0\nma note"));
    QVERIFY(!banc.Memo1().document()->isModified());
    QCOMPARE(f.TexteVolet(0), QStringLiteral("lexique : %1").arg(compteurs ? 2 : 0));
    QCOMPARE(f.Etat().insereTr, 0);
    QVERIFY(f.statusBar()->isVisible());
    QCOMPARE(StoresPrets(), lexique);
    // The pupil types a text: the hints work whenever the lexicon is there.
    Active(f);
    QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClicks(&banc.RichE(), QStringLiteral("nullus uentus"));
    banc.Survole(QStringLiteral("uentus"), 1);
    QCOMPARE(f.TexteBulle().contains(QStringLiteral("vent")), lexique);
    QCOMPARE(banc.Services.Erreurs.size(), erreurs.size());
    // Nothing lost: the notes, a bad counters line included, are saved whole.
    QTest::keyClick(&banc.Memo1(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&banc.Memo1(), QStringLiteral(" !"));
    QVERIFY(FermeParLaCase(f));
    QCOMPARE(banc.Lis("notes/Eleve-texte.txt"),
             std::string(compteurs ? "auxil.,2,0,0\r\nma note !\r\n"
                                   : "auxil.,0,0,0\r\nauxil.,deux,0,0\r\nma note !\r\n"));
  }
};

// "Ouvrir" and "Nouveau" used to mark untouched notes modified, so that
// closing asked for a file (free mode) or rewrote the notes file.
class TestNotesIntactes : public QObject {
  Q_OBJECT
 private slots:
  void ouvrirNouveauNeModifientPasLesNotes() {
    for (const bool configure : {false, true}) {
      TBanc banc;
      if (configure) {
        banc.Configure();
        banc.Ecris("notes/Eleve-texte.txt",
                   "auxil.,1,0,0\nancienne note\n");  // LF: a rewrite would be CR LF
      }
      banc.Ecris("lettre.txt", "nullus suus\n");
      banc.Services.FichierOuvert = banc.QChemin("lettre.txt");
      TFPrinc& f = banc.Ouvre();
      Active(f);
      QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
      QVERIFY(banc.RichE().toPlainText().isEmpty());
      QVERIFY(!banc.Memo1().document()->isModified());
      QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
      QCOMPARE(banc.RichE().toPlainText(), QStringLiteral("nullus suus"));
      QVERIFY(!banc.Memo1().document()->isModified());
      QVERIFY(FermeParLaCase(f));
      QVERIFY(banc.Services.DossiersEnregistrer.isEmpty() && banc.Services.Questions.isEmpty());
      if (configure)
        QCOMPARE(banc.Lis("notes/Eleve-texte.txt"), std::string("auxil.,1,0,0\nancienne note\n"));
    }
  }
};

class TestAffichage : public QObject {
  Q_OBJECT
 private slots:
  // Ctrl + wheel used to zoom the reading pane alone, past 32 points, after
  // which "plus petit" no longer worked.
  void zoomALaMolette() {
    TBanc banc;
    banc.Ouvre();
    QWidget* lecture = banc.RichE().viewport();
    QWidget* notes = banc.Memo1().viewport();
    const auto tailles = [&] {
      return QList<int>{banc.RichE().font().pointSize(), banc.Memo1().font().pointSize()};
    };
    const struct {
      QWidget* vue;
      int crans, angle;  // `crans` turns of `angle` each
      int taille;
    } pas[] = {{lecture, 15, 120, 32},
               {lecture, 1, -120, 30},
               {notes, 2, -60, 28},
               {notes, 20, -120, 6},
               {notes, 1, 120, 8}};
    for (const auto& p : pas) {
      for (int i = 0; i < p.crans; ++i) Molette(p.vue, p.angle);
      QCOMPARE(tailles(), (QList<int>{p.taille, p.taille}));
    }
    banc.Commande("plusgros1")->trigger();
    QCOMPARE(tailles(), (QList<int>{10, 10}));
    // Without Ctrl the wheel scrolls and leaves the sizes alone.
    Molette(lecture, 120, Qt::NoModifier);
    QCOMPARE(tailles(), (QList<int>{10, 10}));
  }

  void bulleSuitLaTaille() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    Active(f);
    for (int taille : {14, 8}) {
      const int pas = taille > banc.RichE().font().pointSize() ? 1 : -1;
      while (banc.RichE().font().pointSize() != taille)
        QTest::keyClick(&f, pas > 0 ? Qt::Key_G : Qt::Key_P, Qt::ControlModifier);
      banc.Survole(QStringLiteral("uentus"), 1);
      QWidget* bulle = nullptr;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible()) bulle = w;
      QVERIFY(bulle);
      QCOMPARE(bulle->font().pointSize(), taille);
    }
  }

  // A configured text used to open scrolled to its end.
  void texteOuvertAuDebut() {
    TBanc banc;
    banc.Configure();
    std::string texte = "Gallia est omnis diuisa in partes tres\n";
    for (int i = 0; i < 300; ++i) texte += "nullus suus uentus est\n";
    banc.Ecris("textes/texte.txt", texte);
    banc.Ouvre();
    QApplication::processEvents();
    QScrollBar* barre = banc.RichE().verticalScrollBar();
    QVERIFY(barre->maximum() > 0);
    QCOMPARE(barre->value(), 0);
    QCOMPARE(banc.RichE().textCursor().position(), 0);
  }

  // With the hints off the pointer's word is still followed for the
  // context menu, but no longer analysed at every move.
  void sansBullesLeMenuSuitLeMot() {
    TBanc banc;
    banc.Configure("AutoLex=0\n");
    TFPrinc& f = banc.Ouvre();
    ClicDroit(banc, QStringLiteral("petat"));
    QCOMPARE(f.Etat().MotCourant, std::string("petat"));
    QVERIFY(f.TexteBulle().isEmpty() && !QToolTip::isVisible());
    QVERIFY(banc.Menu().isVisible());
    QVERIFY(banc.Insertion(QStringLiteral("&lexique")));
    banc.Menu().hide();
  }
};

// A teacher writes paths beside the program; errors name the full path.
class TestConfigurationRelative : public QObject {
  Q_OBJECT
 private slots:
  void cheminsRelatifsAuFichierDeConfiguration() {
    TBanc banc;
    QDir().mkpath(banc.QChemin("notes"));
    QFile::rename(banc.QChemin("quirandole.lex"), banc.QChemin("autre.lex"));
    banc.Ecris("textes/texte.txt", TFPrinc::PhraseExemple().toStdString() + "\n");
    banc.Ini(
        "[Fichier]\nNom=textes/texte.txt\nlexique=autre.lex\n"
        "[Sauvegarde]\nrepertoire=notes\nreptrace=trace.txt\n");
    LiberLexique();
    TFPrinc& f = banc.Ouvre();
    QVERIFY2(banc.Services.Erreurs.isEmpty(), qPrintable(banc.Services.Erreurs.join('\n')));
    QVERIFY(StoresPrets());
    QCOMPARE(f.Etat().FichierTexte, banc.Chemin("textes/texte.txt"));
    QCOMPARE(f.Etat().FichierNotes, banc.Chemin("notes/Eleve-texte.txt"));
    QCOMPARE(f.Etat().FichierTrace, banc.Chemin("trace.txt"));
    QVERIFY(banc.RichE().toPlainText().startsWith(QStringLiteral("Ignoranti")));
    // The open dialog starts in the notes folder and offers RTF texts too.
    Active(f);
    QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(banc.Services.DossiersOuvrir, QStringList{banc.QChemin("notes")});
    QCOMPARE(banc.Services.FiltresOuvrir, QStringList{QStringLiteral("Textes (*.txt *.rtf)")});
    banc.Ferme();
    // An error names the file with its full path.
    banc.Ini("[Fichier]\nNom=textes/absent.txt\nlexique=autre.lex\n");
    banc.Ouvre();
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    QVERIFY2(banc.Services.Erreurs.first().contains(banc.QChemin("textes/absent.txt")),
             qPrintable(banc.Services.Erreurs.first()));
  }
};

// A selection made with Shift and the arrows used to be cut short at its
// first letter; it is taken as made when Shift is released.
class TestSelectionClavier : public QObject {
  Q_OBJECT
 private slots:
  void shiftEtFleches() {
    TBanc banc;
    banc.Configure();
    banc.Ouvre();
    QTextEdit& riche = banc.RichE();
    riche.setFocus();
    QTextCursor curseur = riche.textCursor();
    curseur.setPosition(banc.PositionDe(QStringLiteral("nullus")));
    riche.setTextCursor(curseur);
    banc.Services.Reponses = {true};
    QTest::keyPress(&riche, Qt::Key_Shift);
    // Shift held: a word, then one letter of the next.
    QTest::keyPress(&riche, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyRelease(&riche, Qt::Key_Right);
    QTest::keyPress(&riche, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyRelease(&riche, Qt::Key_Right);
    QCOMPARE(riche.textCursor().selectedText(), QStringLiteral("nullus s"));
    QApplication::processEvents();
    QVERIFY(banc.Services.Questions.isEmpty());
    QTest::keyRelease(&riche, Qt::Key_Shift);
    QTRY_COMPARE(banc.Services.Questions, QStringList{QuestionLiens});
    QCOMPARE(banc.Services.Messages.size(), 1);
    QVERIFY(!riche.textCursor().hasSelection());
    QCOMPARE(banc.Lis("trace.txt"), std::string("Eleve syntaxe - nullus-suus\r\n"));
  }
};

// Qt's own dialogs speak French whatever the system's language (each is
// dismissed with Escape, as a pupil would), and a missing translation is
// no error.
class TestDialoguesFrancais : public QObject {
  Q_OBJECT
 private slots:
  void boutonsEnFrancais() {
    QVERIFY(!ChargeTraductionsQt(*qApp, QStringLiteral("/dossier/absent")));
    QVERIFY2(ChargeTraductionsQt(*qApp), "qt6-translations-l10n absent ?");
    TServicesQt services;
    QString nom;
    const QString txt = QStringLiteral("txt"), vide;
    const struct {
      std::function<bool()> appel;  // true: the user's answer came back
      QStringList attendus;
    } dialogues[] = {
        {[&] { return services.Confirme(nullptr, QuestionQuitter); }, {"&Oui", "&Non"}},
        {[&] { return services.DemandeTexte(nullptr, txt, txt, nom); }, {"OK", "Annuler"}},
        {[&] { return services.FichierAOuvrir(nullptr, vide, txt).has_value(); },
         {"&Ouvrir", "Annuler"}},
        {[&] { return services.FichierAEnregistrer(nullptr, txt, vide, txt, txt).has_value(); },
         {"&Enregistrer", "Annuler"}}};
    for (const auto& [appel, attendus] : dialogues) {
      QStringList boutons;
      QTimer minuterie;
      connect(&minuterie, &QTimer::timeout, [&] {
        QWidget* dialogue = QApplication::activeModalWidget();
        if (!dialogue) return;
        minuterie.stop();
        for (const QAbstractButton* b : dialogue->findChild<QDialogButtonBox*>()->buttons())
          boutons << b->text();
        QTest::keyClick(dialogue, Qt::Key_Escape);
      });
      minuterie.start(10);
      QVERIFY(!appel());
      for (const QString& bouton : attendus)
        QVERIFY2(boutons.contains(bouton), qPrintable(boutons.join('|')));
    }
  }
};

LECTURIEL_TEST(TestFermeture)
LECTURIEL_TEST(TestNomEleve)
LECTURIEL_TEST(TestDemarrageTenace)
LECTURIEL_TEST(TestNotesIntactes)
LECTURIEL_TEST(TestAffichage)
LECTURIEL_TEST(TestConfigurationRelative)
LECTURIEL_TEST(TestSelectionClavier)
LECTURIEL_TEST(TestDialoguesFrancais)
#include "classe_test.moc"
