// The main menu: captions and shortcuts, notes saved and read back, find,
// font size, editing the Latin, opening a text, the about box.
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "banc.h"
#include "dialogue_chercher.h"
#include "tests_fenetre.h"

namespace {

QAction* Menu(TFPrinc& f, const char* nom) { return f.findChild<QAction*>(QString::fromLatin1(nom)); }

void Cherche(TFPrinc& f, const QString& texte) {
  auto* dialogue = f.findChild<TDialogueChercher*>(QStringLiteral("FindDialog"));
  dialogue->ChangeTexteCherche(texte);
  dialogue->CliqueSuivant();
}

}  // namespace

class TestCommandes : public QObject {
  Q_OBJECT
 private slots:
  void menusLegendesEtRaccourcis() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    const struct {
      const char* nom;
      const char* legende;
      const char* raccourci;
    } attendus[] = {{"Nouveau1", "&Nouveau", "Ctrl+N"},
                    {"Ouvrir1", "&Ouvrir", "Ctrl+O"},
                    {"EnregistrerBlocNotes1", "&Enregistrer Bloc-Notes", "Ctrl+S"},
                    {"Quitter2", "Quitter", "Alt+F4"},
                    {"Modifierlelatin1", "&Modifier le latin", "Ctrl+L"},
                    {"Chercher2", "&Chercher", "Ctrl+F"},
                    {"plusgros1", "plus gros", "Ctrl+G"},
                    {"pluspetit1", "plus petit", "Ctrl+P"},
                    {"auteur1", "&auteur", "F1"}};
    for (const auto& a : attendus) {
      QAction* action = Menu(f, a.nom);
      QVERIFY2(action, a.nom);
      QCOMPARE(action->text(), QString::fromUtf8(a.legende));
      QCOMPARE(action->shortcut().toString(), QString::fromLatin1(a.raccourci));
    }
    QVERIFY(Menu(f, "Modifierlelatin1")->isCheckable());
    QVERIFY(!Menu(f, "Modifierlelatin1")->isChecked());
    QVERIFY(f.findChild<QMenuBar*>(QStringLiteral("MainMenu1")));
    QStringList titres;
    for (QAction* a : f.menuBar()->actions()) titres << a->text();
    QCOMPARE(titres, (QStringList{"&Fichier", "&Edition", "&auteur"}));
  }

  // Saving used to write the pane's wrapped display lines, breaking a long
  // paragraph at every save: one line per paragraph now.
  void notesEnregistreesPuisRelues() {
    TBanc banc;
    banc.Configure();
    const QString longue = QStringLiteral("uentus ").repeated(60).trimmed();
    {
      TFPrinc& f = banc.Ouvre();
      banc.Survole("uentus");
      f.PopupMenu1Popup();
      f.InsereEntree();
      banc.Memo1().appendPlainText(longue);
      banc.Ferme();  // modified notes are saved on closing, without a question
    }
    QVERIFY(banc.Services.DossiersEnregistrer.isEmpty());
    QCOMPARE(banc.Lis("notes/Eleve-texte.txt"), "auxil.,1,0,0\r\n  vent\r\n" + longue.toStdString() + "\r\n");
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(f.Etat().NbLexique, 1);
    QCOMPARE(f.TexteVolet(0), QStringLiteral("lexique : 1"));
    QCOMPARE(banc.Memo1().toPlainText(), "  vent\n" + longue);
  }

  void modeLibreDialogueALaFermeture() {
    TBanc banc;
    banc.Ini("[Sauvegarde]\nrepertoire=" + banc.Chemin("notes") + "\n");
    banc.Services.FichierEnregistre = QString::fromStdString(banc.Chemin("mes-notes.txt"));
    TFPrinc& f = banc.Ouvre();
    banc.Memo1().setPlainText(QStringLiteral("premi\u00e8re note"));
    banc.Memo1().document()->setModified(true);
    f.EnregistrerBlocNotes1Click();
    QCOMPARE(banc.Services.TitreEnregistrer, QStringLiteral("Enregister le bloc-notes"));
    QCOMPARE(banc.Services.DossiersEnregistrer, QStringList{QString::fromStdString(banc.Chemin("notes"))});
    QCOMPARE(banc.Lis("mes-notes.txt"), std::string("premi\xE8re note\r\n"));
    QCOMPARE(f.Etat().FichierNotes, banc.Chemin("mes-notes.txt"));
    // Still counted as modified: closing rewrites it, counters line first.
    banc.Ferme();
    QCOMPARE(banc.Lis("mes-notes.txt"), std::string("auxil.,0,0,0\r\npremi\xE8re note\r\n"));
    QCOMPARE(banc.Services.DossiersEnregistrer.size(), 1);
  }

  void dialogueSurFichierExistantRefuse() {
    TBanc banc;
    banc.Ecris("pris.txt", "ancien");
    banc.Services.FichierEnregistre = QString::fromStdString(banc.Chemin("pris.txt"));
    TFPrinc& f = banc.Ouvre();
    banc.Memo1().setPlainText(QStringLiteral("note"));
    f.EnregistrerBlocNotes1Click();
    QCOMPARE(banc.Services.Messages, QStringList{QStringLiteral("Ce fichier existe d\u00e9j\u00e0. Trouve un autre nom")});
    QCOMPARE(banc.Lis("pris.txt"), std::string("ancien"));
    QVERIFY(f.Etat().FichierNotes.empty());
  }

  void enregistrementImpossibleSignale() {
    TBanc banc;
    banc.Configure();
    banc.Ini("[Fichier]\nNom=" + banc.Chemin("textes/texte.txt") + "\n[Sauvegarde]\nrepertoire=" +
             banc.Chemin("absent") + "\n");
    TFPrinc& f = banc.Ouvre();
    banc.Memo1().setPlainText(QStringLiteral("note"));
    banc.Memo1().document()->setModified(true);
    f.EnregistrerBlocNotes1Click();
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    QVERIFY(banc.Services.Erreurs.first().startsWith(QStringLiteral("Impossible d'\u00e9crire le fichier")));
    QVERIFY(banc.Memo1().document()->isModified());
  }

  // The first search from a freshly shown dialog used to start at the second
  // character, missing a match at the very start of the text.
  void chercheDepuisLePremierCaractere() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    f.chercher1Click();
    Cherche(f, QStringLiteral("ignoranti"));
    QCOMPARE(banc.RichE().textCursor().selectionStart(), 0);
    QCOMPARE(banc.RichE().textCursor().selectedText(), QStringLiteral("Ignoranti"));
    QVERIFY(banc.Services.Erreurs.isEmpty());
  }

  void chercheUentusPuisPlusRien() {
    TBanc banc;
    banc.Configure();  // the syntax query must not undo the found selection
    TFPrinc& f = banc.Ouvre();
    f.chercher1Click();
    Cherche(f, QStringLiteral("uentus"));
    QCOMPARE(banc.RichE().textCursor().selectedText(), QStringLiteral("uentus"));
    Cherche(f, QStringLiteral("uentus"));
    QCOMPARE(banc.Services.Erreurs, QStringList{"Impossible de trouver \"uentus\""});
    QCOMPARE(banc.RichE().textCursor().selectedText(), QStringLiteral("uentus"));
    // Showing the dialog again starts from the top.
    f.chercher1Click();
    QVERIFY(!banc.RichE().textCursor().hasSelection());
    QCOMPARE(banc.RichE().textCursor().position(), 0);
  }

  void taillesDeSixATrenteDeux() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(banc.RichE().font().pointSize(), 10);
    for (int i = 0; i < 12; ++i) Menu(f, "plusgros1")->trigger();
    QCOMPARE(banc.RichE().font().pointSize(), 32);
    QCOMPARE(banc.Memo1().font().pointSize(), 32);
    for (int i = 0; i < 11; ++i) Menu(f, "pluspetit1")->trigger();
    QCOMPARE(banc.RichE().font().pointSize(), 10);
    Menu(f, "pluspetit1")->trigger();
    QCOMPARE(banc.RichE().font().pointSize(), 8);
    Menu(f, "pluspetit1")->trigger();
    Menu(f, "pluspetit1")->trigger();
    QCOMPARE(banc.RichE().font().pointSize(), 6);
    QCOMPARE(banc.Memo1().font().pointSize(), 6);
  }

  void modifierLeLatinDeuxFois() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    Menu(f, "Modifierlelatin1")->trigger();
    QVERIFY(!banc.RichE().isReadOnly());
    QVERIFY(f.Etat().LatinModifiable);
    QVERIFY(Menu(f, "Modifierlelatin1")->isChecked());
    Menu(f, "Modifierlelatin1")->trigger();
    QVERIFY(banc.RichE().isReadOnly());
    QVERIFY(!f.Etat().LatinModifiable);
    QVERIFY(!Menu(f, "Modifierlelatin1")->isChecked());
  }

  void nouveauPuisOuvrir() {
    TBanc banc;
    banc.Ecris("lettre.txt", "nullus suus\n");
    banc.Services.FichierOuvert = QString::fromStdString(banc.Chemin("lettre.txt"));
    TFPrinc& f = banc.Ouvre();
    banc.Memo1().setPlainText(QStringLiteral("gard\u00e9"));
    Menu(f, "Nouveau1")->trigger();
    QVERIFY(banc.RichE().toPlainText().isEmpty());
    QVERIFY(Menu(f, "Modifierlelatin1")->isChecked());
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("gard\u00e9"));
    Menu(f, "Ouvrir1")->trigger();
    QCOMPARE(banc.Services.DossiersOuvrir, QStringList{QString()});
    QCOMPARE(banc.RichE().toPlainText(), QStringLiteral("nullus suus"));
    QVERIFY(banc.RichE().isReadOnly());
    QVERIFY(!Menu(f, "Modifierlelatin1")->isChecked());
    QVERIFY(f.Etat().FichierTexte.empty());
  }

  void aPropos() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    Menu(f, "auteur1")->trigger();
    QCOMPARE(banc.Services.Apropos.size(), 1);
    QVERIFY(banc.Services.Apropos.first().contains(QStringLiteral("Lecturiel 4.01")));
    QVERIFY(banc.Services.Apropos.first().contains(QStringLiteral("janvier MMII")));
  }
};

LECTURIEL_TEST(TestCommandes)
#include "commandes_test.moc"
