// Start-up: free and configured modes from INI fixtures, notes and counters,
// the lexicon missing, texts in the encodings pupils have.
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>

#include "banc.h"
#include "lexical/stores.h"
#include "tests_fenetre.h"

class TestDemarrage : public QObject {
  Q_OBJECT
 private slots:
  void sansConfigurationModeLibre() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    QVERIFY(banc.RichE().toPlainText().startsWith("Ignoranti quem portum petat nullus suus uentus est. \n("));
    QVERIFY(!f.statusBar()->isVisible());
    QVERIFY(banc.Services.Invites.isEmpty());
    QVERIFY(banc.Services.Erreurs.isEmpty());
    QVERIFY(StoresPrets());
    QCOMPARE(f.Etat().AutoLex + f.Etat().insereLex + f.Etat().insereMorpho + f.Etat().insereTr +
                 f.Etat().evalSyntaxe, 0);
    QCOMPARE(f.TexteVolet(1), QStringLiteral("morphologie : 0"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Lecturiel"));
    QVERIFY(banc.RichE().isReadOnly());
  }

  void droitsIgnoresSansTexte() {
    TBanc banc;
    banc.Ini("[Droits]\nAutoLex=5\ninsereLex=5\nevalSyntaxe=5\n[Sauvegarde]\nreptrace=/tmp/x\n");
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(f.Etat().AutoLex, 0);
    QCOMPARE(f.Etat().evalSyntaxe, 0);
    QVERIFY(f.Etat().FichierTrace.empty());
  }

  void modeConfigureRelitNotesEtCompteurs() {
    TBanc banc;
    banc.Configure();
    banc.Ecris("notes/Eleve-texte.txt", "auxil.,3,0,12\r\nuentus : vent\r\nsecond paragraphe\r\n");
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(banc.Services.Invites, QStringList{"Lecturiel|ton nom :"});
    QCOMPARE(f.Etat().NomUtilisateur, std::string("Eleve"));
    QCOMPARE(f.Etat().FichierNotes, banc.Chemin("notes/Eleve-texte.txt"));
    QCOMPARE(f.TexteVolet(0), QStringLiteral("lexique : 3"));
    QCOMPARE(f.TexteVolet(1), QStringLiteral("morphologie : 0"));
    QCOMPARE(f.TexteVolet(2), QStringLiteral("traduction : 12"));
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("uentus : vent\nsecond paragraphe"));
    QVERIFY(!banc.Memo1().document()->isModified());
    QVERIFY(f.statusBar()->isVisible());
    QVERIFY(banc.RichE().isReadOnly());
    QVERIFY(!f.Etat().LatinModifiable);
    // No [Droits] section: the defaults.
    QCOMPARE(f.Etat().AutoLex, 0);
    QCOMPARE(f.Etat().insereLex, 1);
    QCOMPARE(f.Etat().insereMorpho, 2);
    QCOMPARE(f.Etat().insereTr, 3);
    QCOMPARE(f.Etat().evalSyntaxe, 3);
    QCOMPARE(f.Etat().FichierTrace, banc.Chemin("trace.txt"));
  }

  void notesSansLigneDeCompteurs() {
    TBanc banc;
    banc.Configure();
    banc.Ecris("notes/Eleve-texte.txt", "uentus : vent\nfin\n");
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("uentus : vent\nfin"));
    QCOMPARE(f.Etat().NbLexique + f.Etat().NbMorpho + f.Etat().NbTraduction, 0);
  }

  void droitsLusSansCasseDecimalOuHexa() {
    TBanc banc;
    banc.Configure("autolex=0x1\nINSERELEX=0\ninsereMorpho=abc\ninsereTr=-1\n");
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(f.Etat().AutoLex, 1);
    QCOMPARE(f.Etat().insereLex, 0);
    QCOMPARE(f.Etat().insereMorpho, 2);  // not an integer: the default
    QCOMPARE(f.Etat().insereTr, -1);
  }

  void nomAnnule() {
    TBanc banc;
    banc.Configure();
    banc.Services.Nom.reset();
    banc.Ecris("notes/-texte.txt", "auxil.,1,1,1\n");
    TFPrinc& f = banc.Ouvre();
    QVERIFY(f.Etat().FichierNotes.empty());
    QCOMPARE(f.Etat().NbLexique, 0);
    QVERIFY(f.statusBar()->isVisible());
    QCOMPARE(f.Etat().evalSyntaxe, 3);
    QVERIFY(!f.Etat().FichierTrace.empty());
  }

  // An empty notes folder used to put the notes file at the root of the file
  // system: it is now the bare name, in the current folder.
  void repertoireVideDonneLeNomSeul() {
    TBanc banc;
    banc.Ecris("textes/texte.txt", "uentus\n");
    banc.Ini("[Fichier]\nNom=" + banc.Chemin("textes/texte.txt") + "\n");
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(f.Etat().FichierNotes, std::string("Eleve-texte.txt"));
  }

  void lexiqueAbsentSignaleUneFois() {
    TBanc banc;
    banc.Configure("AutoLex=1\n");
    banc.SansLexique();
    LiberLexique();
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    QVERIFY(banc.Services.Erreurs.first().startsWith(QStringLiteral("Impossible d'ouvrir le fichier")));
    QVERIFY(f.isVisible());
    QVERIFY(!StoresPrets());
    // No analysis runs: no hint, no menu item, no question.
    banc.Survole("petat");
    QCOMPARE(f.Etat().MotCourant, std::string("petat"));
    QVERIFY(f.TexteBulle().isEmpty());
    f.PopupMenu1Popup();
    QVERIFY(f.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->isEmpty());
    banc.Services.Reponses = {true};
    banc.Selectionne(banc.PositionDe("nullus"), banc.PositionDe("suus", 1));
    QVERIFY(banc.Services.Questions.isEmpty());
    QCOMPARE(banc.Services.Erreurs.size(), 1);
  }

  void lexiqueNommeParLaConfiguration() {
    TBanc banc;
    QFile::rename(QString::fromStdString(banc.Chemin("quirandole.lex")), QString::fromStdString(banc.Chemin("autre.lex")));
    banc.Ini("[fichier]\nLEXIQUE=" + banc.Chemin("autre.lex") + "\n");
    banc.Ouvre();
    QVERIFY(banc.Services.Erreurs.isEmpty());
    QVERIFY(StoresPrets());
  }

  void texteIllisibleSignale() {
    TBanc banc;
    banc.Ini("[Fichier]\nNom=" + banc.Chemin("absent.txt") + "\n");
    banc.Ouvre();
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    QVERIFY(banc.Services.Erreurs.first().contains(QStringLiteral("Impossible de lire le fichier")));
  }

  void textesUtf8Windows1252EtRtf() {
    TBanc banc;
    banc.Ecris("t.txt", "S\xE9n\xE8que\r\nuentus");
    banc.Ini("[Fichier]\nNom=" + banc.Chemin("t.txt") + "\n");
    banc.Ouvre();
    QCOMPARE(banc.RichE().toPlainText(), QString::fromUtf8("S\xC3\xA9n\xC3\xA8que\nuentus"));
    banc.Ferme();
    banc.Ecris("t.txt", "S\xC3\xA9n\xC3\xA8que");
    banc.Ouvre();
    QCOMPARE(banc.RichE().toPlainText(), QString::fromUtf8("S\xC3\xA9n\xC3\xA8que"));
    banc.Ferme();
    banc.Ecris("t.txt", "{\\rtf1 {\\b uentus} est\\par S\\'e9n\\'e8que}");
    banc.Ouvre();
    QCOMPARE(banc.RichE().toPlainText(), QString::fromUtf8("uentus est\nS\xC3\xA9n\xC3\xA8que"));
    QTextCursor curseur(banc.RichE().document());
    curseur.setPosition(2);
    QVERIFY(curseur.charFormat().fontWeight() == QFont::Bold);
    curseur.setPosition(9);
    QVERIFY(curseur.charFormat().fontWeight() != QFont::Bold);
  }
};

LECTURIEL_TEST(TestDemarrage)
#include "demarrage_test.moc"
