// The main menu: captions and shortcuts, notes saved and read back, find,
// font size, editing the Latin, opening a text, the about box.
#include <QMenuBar>
#include <QTest>

#include "princ/dialogue_chercher.h"
#include "princ/tests/banc.h"

class TestCommandes : public QObject {
  Q_OBJECT
 private slots:
  void menus() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    const char* const attendus[][3] = {
        {"Nouveau1", "&Nouveau", "Ctrl+N"},
        {"Ouvrir1", "&Ouvrir", "Ctrl+O"},
        {"EnregistrerBlocNotes1", "&Enregistrer Bloc-Notes", "Ctrl+S"},
        {"Quitter2", "Quitter", "Alt+F4"},
        {"Modifierlelatin1", "&Modifier le latin", "Ctrl+L"},
        {"Chercher2", "&Chercher", "Ctrl+F"},
        {"plusgros1", "plus gros", "Ctrl+G"},
        {"pluspetit1", "plus petit", "Ctrl+P"},
        {"auteur1", "&auteur", "F1"}};
    for (const auto& [nom, legende, raccourci] : attendus) {
      QAction* action = banc.Commande(nom);
      QVERIFY2(action, nom);
      QCOMPARE(action->text(), QString::fromUtf8(legende));
      QCOMPARE(action->shortcut().toString(), QString::fromLatin1(raccourci));
    }
    QStringList titres;
    for (QAction* a : f.menuBar()->actions()) titres << a->text();
    QCOMPARE(titres, (QStringList{"&Fichier", "&Edition", "&auteur"}));
    banc.Commande("auteur1")->trigger();
    QCOMPARE(banc.Services.Apropos.size(), 1);
    QVERIFY(banc.Services.Apropos.first().contains(QStringLiteral("Lecturiel 4.01")));
    QVERIFY(banc.Services.Apropos.first().contains(QStringLiteral("janvier MMII")));
  }

  // Saving used to write the pane's wrapped display lines, breaking a long
  // paragraph at every save: one line per paragraph now.
  void notesEnregistreesPuisRelues() {
    TBanc banc;
    banc.Configure();
    const QString longue = QStringLiteral("uentus ").repeated(60).trimmed();
    banc.Ouvre();
    banc.MenuSur("uentus");
    banc.Fenetre().InsereEntree();
    banc.Memo1().appendPlainText(longue);
    banc.Ferme();  // modified notes are saved on closing, without a question
    QVERIFY(banc.Services.DossiersEnregistrer.isEmpty());
    QCOMPARE(banc.Lis("notes/Eleve-texte.txt"),
             "auxil.,1,0,0\r\n  vent\r\n" + longue.toStdString() + "\r\n");
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(f.TexteVolet(0), QStringLiteral("lexique : 1"));
    QCOMPARE(banc.Memo1().toPlainText(), "  vent\n" + longue);
  }

  // Free mode asks for a file, refusing one that exists and saying what
  // cannot be written.
  void modeLibreDialogue() {
    TBanc banc;
    banc.Ini("[Sauvegarde]\nrepertoire=" + banc.Chemin("notes") + "\n");
    banc.Ecris("pris.txt", "ancien");
    banc.Services.FichierEnregistre = banc.QChemin("absent/n.txt");
    TFPrinc& f = banc.Ouvre();
    banc.Memo1().setPlainText(QStringLiteral("premi\u00e8re note"));
    banc.Memo1().document()->setModified(true);
    f.EnregistrerBlocNotes1Click();
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    QVERIFY(banc.Services.Erreurs.first().startsWith(
        QStringLiteral("Impossible d'\u00e9crire le fichier")));
    QVERIFY(banc.Memo1().document()->isModified());
    banc.Services.FichierEnregistre = banc.QChemin("pris.txt");
    f.EnregistrerBlocNotes1Click();
    QCOMPARE(banc.Services.Messages,
             QStringList{QStringLiteral("Ce fichier existe d\u00e9j\u00e0. Trouve un autre nom")});
    QCOMPARE(banc.Lis("pris.txt"), std::string("ancien"));
    QVERIFY(f.Etat().FichierNotes.empty());
    banc.Services.FichierEnregistre = banc.QChemin("mes-notes.txt");
    f.EnregistrerBlocNotes1Click();
    QCOMPARE(banc.Services.TitreEnregistrer, QStringLiteral("Enregister le bloc-notes"));
    QCOMPARE(banc.Services.DossiersEnregistrer.last(), banc.QChemin("notes"));
    QCOMPARE(banc.Lis("mes-notes.txt"), std::string("premi\xE8re note\r\n"));
    QCOMPARE(f.Etat().FichierNotes, banc.Chemin("mes-notes.txt"));
    // Still counted as modified: closing rewrites it, counters line first.
    banc.Ferme();
    QCOMPARE(banc.Lis("mes-notes.txt"), std::string("auxil.,0,0,0\r\npremi\xE8re note\r\n"));
    QCOMPARE(banc.Services.DossiersEnregistrer.size(), 3);
  }

  // The first search from a freshly shown dialog used to start at the second
  // character, missing a match at the very start of the text.
  void chercher() {
    TBanc banc;
    banc.Configure();  // the syntax query must not undo the found selection
    TFPrinc& f = banc.Ouvre();
    auto* dialogue = f.findChild<TDialogueChercher*>(QStringLiteral("FindDialog"));
    const auto cherche = [&](const char* texte) {
      dialogue->ChangeTexteCherche(QString::fromLatin1(texte));
      dialogue->CliqueSuivant();
      return banc.RichE().textCursor();
    };
    f.chercher1Click();
    QCOMPARE(cherche("ignoranti").selectionStart(), 0);
    QCOMPARE(banc.RichE().textCursor().selectedText(), QStringLiteral("Ignoranti"));
    QCOMPARE(cherche("uentus").selectedText(), QStringLiteral("uentus"));
    QVERIFY(banc.Services.Erreurs.isEmpty());
    QCOMPARE(cherche("uentus").selectedText(), QStringLiteral("uentus"));
    QCOMPARE(banc.Services.Erreurs, QStringList{"Impossible de trouver \"uentus\""});
    // Showing the dialog again starts from the top.
    f.chercher1Click();
    QVERIFY(!banc.RichE().textCursor().hasSelection());
    QCOMPARE(banc.RichE().textCursor().position(), 0);
  }

  void taillesDeSixATrenteDeux() {
    TBanc banc;
    banc.Ouvre();
    QCOMPARE(banc.RichE().font().pointSize(), 10);
    const struct {
      const char* commande;
      int fois, taille;
    } pas[] = {
        {"plusgros1", 12, 32}, {"pluspetit1", 11, 10}, {"pluspetit1", 1, 8}, {"pluspetit1", 2, 6}};
    for (const auto& p : pas) {
      for (int i = 0; i < p.fois; ++i) banc.Commande(p.commande)->trigger();
      QCOMPARE(banc.RichE().font().pointSize(), p.taille);
      QCOMPARE(banc.Memo1().font().pointSize(), p.taille);
    }
  }

  void modifierNouveauOuvrir() {
    TBanc banc;
    banc.Ecris("lettre.txt", "nullus suus\n");
    banc.Services.FichierOuvert = banc.QChemin("lettre.txt");
    TFPrinc& f = banc.Ouvre();
    QAction* modifier = banc.Commande("Modifierlelatin1");
    QVERIFY(modifier->isCheckable());
    for (bool modifiable : {true, false}) {
      modifier->trigger();
      QCOMPARE(!banc.RichE().isReadOnly(), modifiable);
      QCOMPARE(f.Etat().LatinModifiable, modifiable);
      QCOMPARE(modifier->isChecked(), modifiable);
    }
    banc.Memo1().setPlainText(QStringLiteral("gard\u00e9"));
    banc.Commande("Nouveau1")->trigger();
    QVERIFY(banc.RichE().toPlainText().isEmpty());
    QVERIFY(modifier->isChecked() && !banc.RichE().isReadOnly());
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("gard\u00e9"));
    banc.Commande("Ouvrir1")->trigger();
    QCOMPARE(banc.Services.DossiersOuvrir, QStringList{QString()});
    QCOMPARE(banc.RichE().toPlainText(), QStringLiteral("nullus suus"));
    QVERIFY(banc.RichE().isReadOnly() && !modifier->isChecked());
    QVERIFY(f.Etat().FichierTexte.empty());
  }
};

LECTURIEL_TEST(TestCommandes)
#include "commandes_test.moc"
