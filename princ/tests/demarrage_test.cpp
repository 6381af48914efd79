// Start-up: free and configured modes from INI fixtures, notes and counters,
// the lexicon missing, texts as pupils have them (the encodings themselves
// are tested with the files library).
#include <QStatusBar>
#include <QTest>

#include "lexical/stores.h"
#include "princ/tests/banc.h"

class TestDemarrage : public QObject {
  Q_OBJECT
 private slots:
  // Without a text in the INI the rights and the trace are ignored.
  void modeLibre() {
    TBanc banc;
    banc.Ini("[Droits]\nAutoLex=5\ninsereLex=5\nevalSyntaxe=5\n[Sauvegarde]\nreptrace=/tmp/x\n");
    TFPrinc& f = banc.Ouvre();
    QVERIFY(banc.RichE().toPlainText().startsWith(
        "Ignoranti quem portum petat nullus suus uentus est. \n("));
    QVERIFY(!f.statusBar()->isVisible());
    QVERIFY(banc.Services.Invites.isEmpty() && banc.Services.Erreurs.isEmpty());
    QVERIFY(StoresPrets());
    const auto& e = f.Etat();
    QCOMPARE(e.AutoLex + e.insereLex + e.insereMorpho + e.insereTr + e.evalSyntaxe, 0);
    QVERIFY(e.FichierTrace.empty());
    QCOMPARE(f.windowTitle(), QStringLiteral("Lecturiel"));
    QVERIFY(banc.RichE().isReadOnly());
  }

  void modeConfigure_data() {
    QTest::addColumn<QString>("droits");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("bloc");
    QTest::addColumn<QList<int>>("attendus");  // counters lex, tr; rights AutoLex..insereTr
    QTest::newRow("compteurs, droits par defaut")
        << ""
        << "auxil.,3,0,12\r\nuentus : vent\r\nsecond paragraphe\r\n"
        << "uentus : vent\nsecond paragraphe" << QList<int>{3, 12, 0, 1, 2, 3};
    // Keys without case, decimal or hexadecimal, a non-integer keeps the default.
    QTest::newRow("sans compteurs, droits lus")
        << "autolex=0x1\nINSERELEX=0\ninsereMorpho=abc\ninsereTr=-1\n"
        << "uentus : vent\nfin\n"
        << "uentus : vent\nfin" << QList<int>{0, 0, 1, 0, 2, -1};
  }
  void modeConfigure() {
    QFETCH(QString, droits);
    QFETCH(QString, notes);
    QFETCH(QString, bloc);
    QFETCH(QList<int>, attendus);
    TBanc banc;
    banc.Configure(droits.toStdString());
    banc.Ecris("notes/Eleve-texte.txt", notes.toStdString());
    TFPrinc& f = banc.Ouvre();
    const auto& e = f.Etat();
    QCOMPARE(banc.Services.Invites, QStringList{"Lecturiel|ton nom :"});
    QCOMPARE(e.FichierNotes, banc.Chemin("notes/Eleve-texte.txt"));
    QCOMPARE(f.TexteVolet(0), QStringLiteral("lexique : %1").arg(attendus[0]));
    QCOMPARE(f.TexteVolet(2), QStringLiteral("traduction : %1").arg(attendus[1]));
    QCOMPARE(banc.Memo1().toPlainText(), bloc);
    QVERIFY(!banc.Memo1().document()->isModified());
    QVERIFY(f.statusBar()->isVisible());
    QVERIFY(banc.RichE().isReadOnly() && !e.LatinModifiable);
    QCOMPARE((QList<int>{e.AutoLex, e.insereLex, e.insereMorpho, e.insereTr}), attendus.mid(2));
    QCOMPARE(e.evalSyntaxe, 3);
    QCOMPARE(e.FichierTrace, banc.Chemin("trace.txt"));
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
    QVERIFY(!f.Etat().FichierTrace.empty());
  }

  // An empty notes folder used to put the notes file at the root of the file
  // system: it is now the bare name, in the current folder.
  void repertoireVideDonneLeNomSeul() {
    TBanc banc;
    banc.Texte();
    QCOMPARE(banc.Ouvre().Etat().FichierNotes, std::string("Eleve-texte.txt"));
  }

  void lexique() {
    TBanc banc;
    QFile::rename(banc.QChemin("quirandole.lex"), banc.QChemin("autre.lex"));
    banc.Configure("AutoLex=1\n");
    LiberLexique();
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    QVERIFY(
        banc.Services.Erreurs.first().startsWith(QStringLiteral("Impossible d'ouvrir le fichier")));
    QVERIFY(f.isVisible() && !StoresPrets());
    // No analysis runs: no hint, no menu item, no question; nothing more said.
    banc.MenuSur("petat");
    QCOMPARE(f.Etat().MotCourant, std::string("petat"));
    QVERIFY(f.TexteBulle().isEmpty());
    QVERIFY(banc.Menu().isEmpty());
    banc.Services.Reponses = {true};
    banc.Selectionne(banc.PositionDe("nullus"), banc.PositionDe("suus", 1));
    QVERIFY(banc.Services.Questions.isEmpty());
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    banc.Ferme();
    // The INI may name another lexicon.
    banc.Services.Erreurs.clear();
    banc.Ini("[fichier]\nLEXIQUE=" + banc.Chemin("autre.lex") + "\n");
    banc.Ouvre();
    QVERIFY(banc.Services.Erreurs.isEmpty());
    QVERIFY(StoresPrets());
  }

  void textes_data() {
    QTest::addColumn<QByteArray>("octets");  // empty: no such file
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("gras");  // a bold character, then a plain one after it
    QTest::newRow("windows-1252") << QByteArray("S\xE9n\xE8que\r\nuentus")
                                  << "S\u00e9n\u00e8que\nuentus" << -1;
    QTest::newRow("rtf") << QByteArray("{\\rtf1 {\\b uentus} est\\par S\\'e9n\\'e8que}")
                         << "uentus est\nS\u00e9n\u00e8que" << 2;
    QTest::newRow("absent") << QByteArray() << "" << -1;
  }
  void textes() {
    QFETCH(QByteArray, octets);
    QFETCH(QString, texte);
    QFETCH(int, gras);
    TBanc banc;
    if (!octets.isEmpty()) banc.Ecris("t.txt", octets.toStdString());
    banc.Ini("[Fichier]\nNom=" + banc.Chemin("t.txt") + "\n");
    banc.Ouvre();
    if (octets.isEmpty()) {
      QCOMPARE(banc.Services.Erreurs.size(), 1);
      QVERIFY(
          banc.Services.Erreurs.first().contains(QStringLiteral("Impossible de lire le fichier")));
      return;
    }
    QCOMPARE(banc.RichE().toPlainText(), texte);
    if (gras < 0) return;
    QTextCursor curseur(banc.RichE().document());
    curseur.setPosition(gras);
    QVERIFY(curseur.charFormat().fontWeight() == QFont::Bold);
    curseur.setPosition(gras + 7);
    QVERIFY(curseur.charFormat().fontWeight() != QFont::Bold);
  }
};

LECTURIEL_TEST(TestDemarrage)
#include "demarrage_test.moc"
