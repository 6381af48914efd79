// The reading pane as the pupil uses it: pointer moves and the hint, the
// context menu and the insertions, the syntax query on a selection.
#include <QTest>
#include <QToolTip>

#include "princ/tests/banc.h"

namespace {

QStringList Textes(const QMenu* menu) {
  QStringList textes;
  if (menu)
    for (const QAction* a : menu->actions()) textes << a->text();
  return textes;
}

const QString Question = QStringLiteral("Afficher les liens possibles entre nullus et suus ?");

}  // namespace

// Where the pointer goes (nothing: far below the text), the word found and a
// part of the hint (nothing: no hint at all).
struct TCasSurvol {
  QString morceau;
  int decalage;
  QString mot, bulle;
};
// The [Droits] lines ("libre": no configuration), the selection from `debut`
// to the character `decalage` after `fin`, and the answer (-1: no question).
struct TCasSelection {
  QString ini, debut, fin;
  int decalage, reponse;
};
Q_DECLARE_METATYPE(TCasSurvol)
Q_DECLARE_METATYPE(TCasSelection)

class TestSurvol : public QObject {
  Q_OBJECT
 private slots:
  void survol_data() {
    QTest::addColumn<TCasSurvol>("cas");
    QTest::newRow("premiere lettre") << TCasSurvol{"petat", 0, "petat", "subjonctif"};
    QTest::newRow("milieu du mot") << TCasSurvol{"nullus", 3, "nullus", "aucun"};
    QTest::newRow("blanc") << TCasSurvol{" nullus", 0, "", ""};
    QTest::newRow("avant le point") << TCasSurvol{"est.", 2, "est", "sum"};
    QTest::newRow("point final") << TCasSurvol{"est.", 3, ".", "."};
    QTest::newRow("mot inconnu") << TCasSurvol{"Ignoranti", 4, "Ignoranti", "Ignoranti : ?"};
    QTest::newRow("sous le texte") << TCasSurvol{"", 0, "", ""};
  }
  // The hint follows the pointer from the word "uentus" to the next place.
  void survol() {
    QFETCH(TCasSurvol, cas);
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    banc.Survole("uentus");
    QVERIFY(QToolTip::text().contains(QStringLiteral("vent")));
    if (cas.morceau.isEmpty())
      banc.SurvolePoint(QPoint(5, banc.RichE().viewport()->height() - 2));
    else
      banc.Survole(cas.morceau, cas.decalage);
    QCOMPARE(QString::fromStdString(f.Etat().MotCourant), cas.mot);
    if (cas.bulle.isEmpty()) {
      QVERIFY(f.TexteBulle().isEmpty());
      QTRY_VERIFY(!QToolTip::isVisible());
    } else {
      QVERIFY(f.TexteBulle().contains(cas.bulle));
      QVERIFY(QToolTip::isVisible() && QToolTip::text().contains(cas.bulle));
    }
  }

  // Configured, the hints show only with AutoLex; without them the word is
  // followed for the context menu but no longer analysed at every move.
  void autoLex() {
    for (const bool bulles : {false, true}) {
      TBanc banc;
      banc.Configure(bulles ? "AutoLex=1\n" : "");
      TFPrinc& f = banc.Ouvre();
      banc.Survole("petat");
      QCOMPARE(f.Etat().MotCourant, std::string("petat"));
      QCOMPARE(!f.TexteBulle().isEmpty(), bulles);
      QCOMPARE(QToolTip::isVisible(), bulles);
    }
  }

  void texteTapeAvecQuantites() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    f.Effaceretcrire1Click();
    banc.RichE().insertPlainText(QString::fromUtf8("u\xC4\x93ntus p\xC4\x95t\xC4\x81t"));
    banc.Survole(QString::fromUtf8("u\xC4\x93ntus"), 1);
    QCOMPARE(f.Etat().MotCourant, std::string("uentus"));
    QVERIFY(f.TexteBulle().contains(QStringLiteral("vent")));
    banc.Survole(QString::fromUtf8("p\xC4\x95t"));
    QCOMPARE(f.Etat().MotCourant, std::string("petat"));
  }
};

class TestMenuContextuel : public QObject {
  Q_OBJECT
 private slots:
  void entrees_data() {
    QTest::addColumn<bool>("configure");
    QTest::addColumn<QString>("droits");
    QTest::addColumn<QString>("morceau");
    QTest::addColumn<QStringList>("entrees");  // of the submenu; the menu itself in free mode
    const QStringList trois{"&lexique", "lexique et &morphologie", "&traduction"};
    QTest::newRow("mode libre : le mot seul") << false << ""
                                              << "petat" << QStringList{"petat"};
    QTest::newRow("nom") << true << ""
                         << "uentus" << trois;
    QTest::newRow("adjectif sans traduction") << true << ""
                                              << "suus" << trois.mid(0, 2);
    QTest::newRow("droits retires") << true << "insereLex=0\ninsereTr=0\n"
                                    << "uentus" << trois.mid(1, 1);
    QTest::newRow("blanc") << true << ""
                           << " nullus" << QStringList{};
    QTest::newRow("mot inconnu") << true << ""
                                 << "Ignoranti" << QStringList{};
  }
  void entrees() {
    QFETCH(bool, configure);
    QFETCH(QString, droits);
    QFETCH(QString, morceau);
    QFETCH(QStringList, entrees);
    TBanc banc;
    if (configure) banc.Configure(droits.toStdString());
    banc.Ouvre();
    banc.MenuSur(morceau);
    QCOMPARE(configure ? Textes(banc.SousMenu()) : Textes(&banc.Menu()), entrees);
    if (!configure) QVERIFY(!banc.SousMenu());
  }

  void insertionsCompteesEtTracees() {
    TBanc banc;
    banc.Configure();
    banc.Ecris("textes/texte.txt", "uentos uentus petat\n");
    TFPrinc& f = banc.Ouvre();
    banc.MenuSur("uentos");
    banc.Insertion("&traduction")->trigger();
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral(" vents"));
    banc.MenuSur("uentus");
    banc.Insertion("&traduction")->trigger();
    for (int i = 0; i < 2; ++i) banc.Insertion("&lexique")->trigger();
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral(" vents vent  vent  vent"));
    banc.Insertion("lexique et &morphologie")->trigger();
    QVERIFY(banc.Memo1().toPlainText().contains(QStringLiteral("nominatif")));
    QVERIFY(banc.Memo1().document()->isModified());
    QCOMPARE(f.TexteVolet(0), QStringLiteral("lexique : 2"));
    QCOMPARE(f.TexteVolet(1), QStringLiteral("morphologie : 1"));
    QCOMPARE(f.TexteVolet(2), QStringLiteral("traduction : 2"));
    QCOMPARE(banc.Lis("trace.txt"),
             std::string("Eleve traduction - uentos\r\nEleve traduction - uentus\r\n"
                         "Eleve lexique - uentus\r\nEleve lexique - uentus\r\n"
                         "Eleve morpho - uentus\r\n"));
    banc.MenuSur("petat");
    QVERIFY(banc.Insertion("&traduction"));
    // Each opening replaces the previous submenu instead of piling them up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(banc.Menu().findChildren<QMenu*>().size(), 1);
  }

  // A trace that cannot be written is said once and the insertion not
  // counted; without a trace nothing is written.
  void trace() {
    for (const bool impossible : {true, false}) {
      TBanc banc;
      banc.Texte(impossible ? "[Sauvegarde]\nreptrace=" + banc.Chemin("absent/trace.txt") + "\n"
                            : "");
      TFPrinc& f = banc.Ouvre();
      banc.MenuSur("uentus");
      banc.Insertion("&lexique")->trigger();
      QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("  vent"));
      QCOMPARE(f.Etat().NbLexique, impossible ? 0 : 1);
      QCOMPARE(banc.Services.Erreurs.size(), impossible ? 1 : 0);
      QVERIFY(!QFile::exists(banc.QChemin("trace.txt")));
    }
  }
};

class TestSelection : public QObject {
  Q_OBJECT
 private slots:
  void selection_data() {
    QTest::addColumn<TCasSelection>("cas");
    QTest::newRow("mode libre") << TCasSelection{"libre", "nullus", "suus", 1, -1};
    QTest::newRow("evalSyntaxe=0") << TCasSelection{"evalSyntaxe=0\n", "nullus", "suus", 1, -1};
    QTest::newRow("oui") << TCasSelection{"", "nullus", "suus", 1, 1};
    QTest::newRow("non") << TCasSelection{"", "nullus", "suus", 1, 0};
    // The first position after the selection is a blank, so the last word is whole.
    QTest::newRow("nullus suus entiers") << TCasSelection{"", "nullus", " uentus", 0, -1};
    QTest::newRow("un mot et ses blancs") << TCasSelection{"", " suus", " uentus", 1, -1};
    QTest::newRow("jusqu'au point") << TCasSelection{"", "uentus", ".", 0, -1};
  }
  void selection() {
    QFETCH(TCasSelection, cas);
    const auto& [ini, debut, fin, decalage, reponse] = cas;
    TBanc banc;
    if (ini != "libre") banc.Configure(ini.toStdString());
    banc.Ouvre();
    banc.Services.Reponses = {reponse == 1};
    banc.Selectionne(banc.PositionDe(debut), banc.PositionDe(fin, decalage));
    QCOMPARE(banc.Services.Questions, reponse < 0 ? QStringList{} : QStringList{Question});
    QCOMPARE(banc.Services.Messages.size(), reponse == 1 ? 1 : 0);
    QCOMPARE(banc.Lis("trace.txt"),
             std::string(reponse == 1 ? "Eleve syntaxe - nullus-suus\r\n" : ""));
    // Configured, the selection folds back to its start.
    QCOMPARE(banc.RichE().textCursor().hasSelection(), ini == "libre" || ini.startsWith("eval"));
    if (ini.isEmpty()) QCOMPARE(banc.RichE().textCursor().position(), banc.PositionDe(debut));
  }

  void glisserALaSourisDemandeAuRelachement() {
    TBanc banc;
    banc.Configure();
    banc.Ouvre();
    QWidget* vue = banc.RichE().viewport();
    const QPoint debut = banc.PointDe(banc.PositionDe("nullus")) - QPoint(2, 0);
    const QPoint fin = banc.PointDe(banc.PositionDe("suus", 1)) - QPoint(2, 0);
    QTest::mousePress(vue, Qt::LeftButton, Qt::NoModifier, debut);
    for (const QPoint& p : {banc.PointDe(banc.PositionDe(" suus")), fin})
      banc.SurvolePoint(p, Qt::LeftButton);
    QVERIFY(banc.RichE().textCursor().hasSelection());
    QVERIFY(banc.Services.Questions.isEmpty());
    QTest::mouseRelease(vue, Qt::LeftButton, Qt::NoModifier, fin);
    QTRY_COMPARE(banc.Services.Questions, QStringList{Question});
    QVERIFY(!banc.RichE().textCursor().hasSelection());
  }
};

LECTURIEL_TEST(TestSurvol)
LECTURIEL_TEST(TestMenuContextuel)
LECTURIEL_TEST(TestSelection)
#include "lecture_test.moc"
