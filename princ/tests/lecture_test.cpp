// The reading pane as the pupil uses it: pointer moves and the hint, the
// context menu and the insertions, the syntax query on a selection.
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolTip>

#include "banc.h"
#include "tests_fenetre.h"

namespace {

QStringList Textes(const QMenu& menu) {
  QStringList textes;
  for (const QAction* a : menu.actions()) textes << a->text();
  return textes;
}

QMenu* SousMenu(TFPrinc& f) {
  const auto* menu = f.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
  return menu->actions().isEmpty() ? nullptr : menu->actions().first()->menu();
}

QAction* Action(TFPrinc& f, const QString& texte) {
  if (QMenu* sous = SousMenu(f))
    for (QAction* a : sous->actions())
      if (a->text() == texte) return a;
  return nullptr;
}

}  // namespace

class TestSurvol : public QObject {
  Q_OBJECT
 private slots:
  void premiereLettreDePetat() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    banc.Survole("petat");
    QCOMPARE(f.Etat().MotCourant, std::string("petat"));
    QVERIFY(f.TexteBulle().contains(QStringLiteral("peto")));
    QVERIFY(f.TexteBulle().contains(QStringLiteral("subjonctif")));
    QVERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(QStringLiteral("peto")));
  }

  void leBulleSuitLePointeurDeMotEnMot() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    banc.Survole("petat", 2);
    const QString avant = f.TexteBulle();
    banc.Survole("nullus", 3);
    QCOMPARE(f.Etat().MotCourant, std::string("nullus"));
    QVERIFY(f.TexteBulle() != avant);
    QVERIFY(QToolTip::text().contains(QStringLiteral("aucun")));
  }

  void blancEntreDeuxMotsEtPointFinal() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    banc.Survole("petat");
    banc.Survole(" nullus");
    QVERIFY(f.Etat().MotCourant.empty());
    QVERIFY(f.TexteBulle().isEmpty());
    QTRY_VERIFY(!QToolTip::isVisible());
    banc.Survole("est.", 2);
    QCOMPARE(f.Etat().MotCourant, std::string("est"));
    QVERIFY(f.TexteBulle().contains(QStringLiteral("sum")));
    banc.Survole("est.", 3);
    QCOMPARE(f.Etat().MotCourant, std::string("."));
    // Far below the text there is no character at all.
    banc.SurvolePoint(QPoint(5, banc.RichE().viewport()->height() - 2));
    QVERIFY(f.Etat().MotCourant.empty());
  }

  void motInconnu() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    banc.Survole("Ignoranti", 4);
    QCOMPARE(f.Etat().MotCourant, std::string("Ignoranti"));
    QCOMPARE(f.TexteBulle(), QStringLiteral("Ignoranti : ?\n"));
  }

  void bullesCoupeesParAutoLexMaisMotCourantSuivi() {
    TBanc banc;
    banc.Configure();
    TFPrinc& f = banc.Ouvre();
    banc.Survole("petat");
    QCOMPARE(f.Etat().MotCourant, std::string("petat"));
    QVERIFY(!f.TexteBulle().isEmpty());
    QVERIFY(!QToolTip::isVisible());
  }

  void autoLexUnGardeLesBulles() {
    TBanc banc;
    banc.Configure("AutoLex=1\n");
    banc.Ouvre();
    banc.Survole("uentus");
    QVERIFY(QToolTip::isVisible());
  }

  void texteTapeAvecQuantitesEtLigatures() {
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
  void modeLibreLeMotSeul() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    banc.Survole("petat");
    f.PopupMenu1Popup();
    const auto* menu = f.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QCOMPARE(Textes(*menu), QStringList{"petat"});
    QVERIFY(!menu->actions().first()->menu());
  }

  void sansDroitsLesTroisInsertions() {
    TBanc banc;
    banc.Configure();
    TFPrinc& f = banc.Ouvre();
    banc.Survole("uentus");
    f.PopupMenu1Popup();
    QVERIFY(SousMenu(f));
    QCOMPARE(Textes(*SousMenu(f)),
             (QStringList{"&lexique", "lexique et &morphologie", "&traduction"}));
    // An adjective gives no French rendering.
    banc.Survole("suus");
    f.PopupMenu1Popup();
    QCOMPARE(Textes(*SousMenu(f)), (QStringList{"&lexique", "lexique et &morphologie"}));
    // Each opening replaces the previous submenu instead of piling them up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->findChildren<QMenu*>().size(), 1);
  }

  void droitsRetirentLesInsertions() {
    TBanc banc;
    banc.Configure("insereLex=0\ninsereTr=0\n");
    TFPrinc& f = banc.Ouvre();
    banc.Survole("uentus");
    f.PopupMenu1Popup();
    QCOMPARE(Textes(*SousMenu(f)), QStringList{"lexique et &morphologie"});
  }

  void blancOuMotInconnuPasDeMenu() {
    TBanc banc;
    banc.Configure();
    TFPrinc& f = banc.Ouvre();
    auto* menu = f.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    banc.Survole(" nullus");
    f.PopupMenu1Popup();
    QVERIFY(menu->isEmpty());
    banc.Survole("Ignoranti");
    f.PopupMenu1Popup();
    QVERIFY(menu->isEmpty());
  }

  void lexiqueTroisFoisCompteEtTrace() {
    TBanc banc;
    banc.Configure();
    TFPrinc& f = banc.Ouvre();
    banc.Survole("uentus");
    f.PopupMenu1Popup();
    for (int i = 0; i < 3; ++i) Action(f, "&lexique")->trigger();
    QCOMPARE(f.Etat().NbLexique, 3);
    QCOMPARE(f.TexteVolet(0), QStringLiteral("lexique : 3"));
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("  vent  vent  vent"));
    QVERIFY(banc.Memo1().document()->isModified());
    QCOMPARE(banc.Lis("trace.txt"),
             std::string("Eleve lexique - uentus\r\nEleve lexique - uentus\r\nEleve lexique - uentus\r\n"));
  }

  void morphologieEtTraduction() {
    TBanc banc;
    banc.Configure();
    banc.Ecris("textes/texte.txt", "uentos uentus petat\n");
    TFPrinc& f = banc.Ouvre();
    banc.Survole("uentos");
    f.PopupMenu1Popup();
    Action(f, "&traduction")->trigger();
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral(" vents"));
    banc.Survole("uentus");
    f.PopupMenu1Popup();
    Action(f, "&traduction")->trigger();
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral(" vents vent"));
    Action(f, "lexique et &morphologie")->trigger();
    QVERIFY(banc.Memo1().toPlainText().contains(QStringLiteral("nominatif")));
    QCOMPARE(f.TexteVolet(1), QStringLiteral("morphologie : 1"));
    QCOMPARE(f.TexteVolet(2), QStringLiteral("traduction : 2"));
    QCOMPARE(banc.Lis("trace.txt"),
             std::string("Eleve traduction - uentos\r\nEleve traduction - uentus\r\nEleve morpho - uentus\r\n"));
    banc.Survole("petat");
    f.PopupMenu1Popup();
    QVERIFY(Action(f, "&traduction"));
  }

  void traceImpossibleInsereSansCompter() {
    TBanc banc;
    banc.Configure();
    banc.Ini("[Fichier]\nNom=" + banc.Chemin("textes/texte.txt") + "\n[Sauvegarde]\nreptrace=" +
             banc.Chemin("absent/trace.txt") + "\n");
    TFPrinc& f = banc.Ouvre();
    banc.Survole("uentus");
    f.PopupMenu1Popup();
    Action(f, "&lexique")->trigger();
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("  vent"));
    QCOMPARE(f.Etat().NbLexique, 0);
    QCOMPARE(banc.Services.Erreurs.size(), 1);
  }

  void sansTraceRienEcrit() {
    TBanc banc;
    banc.Configure();
    banc.Ini("[Fichier]\nNom=" + banc.Chemin("textes/texte.txt") + "\n");
    TFPrinc& f = banc.Ouvre();
    banc.Survole("uentus");
    f.PopupMenu1Popup();
    Action(f, "&lexique")->trigger();
    QCOMPARE(f.Etat().NbLexique, 1);
    QVERIFY(!QFile::exists(QString::fromStdString(banc.Chemin("trace.txt"))));
  }
};

class TestSelection : public QObject {
  Q_OBJECT
 private slots:
  void modeLibreLaSelectionReste() {
    TBanc banc;
    banc.Ouvre();
    banc.Selectionne(banc.PositionDe("nullus"), banc.PositionDe("suus", 1));
    QVERIFY(banc.Services.Questions.isEmpty());
    QVERIFY(banc.RichE().textCursor().hasSelection());
  }

  void deNullusASuusOui() {
    TBanc banc;
    banc.Configure();
    banc.Ouvre();
    banc.Services.Reponses = {true};
    banc.Selectionne(banc.PositionDe("nullus"), banc.PositionDe("suus", 1));
    QCOMPARE(banc.Services.Questions, QStringList{"Afficher les liens possibles entre nullus et suus ?"});
    QCOMPARE(banc.Services.Messages.size(), 1);
    QCOMPARE(banc.Lis("trace.txt"), std::string("Eleve syntaxe - nullus-suus\r\n"));
    QVERIFY(!banc.RichE().textCursor().hasSelection());
    QCOMPARE(banc.RichE().textCursor().position(), banc.PositionDe("nullus"));
  }

  void reponseNon() {
    TBanc banc;
    banc.Configure();
    banc.Ouvre();
    banc.Services.Reponses = {false};
    banc.Selectionne(banc.PositionDe("nullus"), banc.PositionDe("suus", 1));
    QCOMPARE(banc.Services.Questions.size(), 1);
    QVERIFY(banc.Services.Messages.isEmpty());
    QVERIFY(!QFile::exists(QString::fromStdString(banc.Chemin("trace.txt"))));
    QVERIFY(!banc.RichE().textCursor().hasSelection());
  }

  void sansQuestionMaisRepliee() {
    TBanc banc;
    banc.Configure();
    banc.Ouvre();
    banc.Services.Reponses = {true, true, true};
    // Exactly "nullus suus": the first position after it is a blank.
    banc.Selectionne(banc.PositionDe("nullus"), banc.PositionDe(" uentus"));
    // One word, with its blanks.
    banc.Selectionne(banc.PositionDe(" suus"), banc.PositionDe(" uentus") + 1);
    // Ends on the full stop.
    banc.Selectionne(banc.PositionDe("uentus"), banc.PositionDe("."));
    QVERIFY(banc.Services.Questions.isEmpty());
    QVERIFY(!banc.RichE().textCursor().hasSelection());
  }

  void evalSyntaxeZero() {
    TBanc banc;
    banc.Configure("evalSyntaxe=0\n");
    banc.Ouvre();
    banc.Selectionne(banc.PositionDe("nullus"), banc.PositionDe("suus", 1));
    QVERIFY(banc.Services.Questions.isEmpty());
    QVERIFY(banc.RichE().textCursor().hasSelection());
  }

  void glisserALaSourisDemandeAuRelachement() {
    TBanc banc;
    banc.Configure();
    banc.Ouvre();
    banc.Services.Reponses = {false};
    QWidget* vue = banc.RichE().viewport();
    const QPoint debut = banc.PointDe(banc.PositionDe("nullus")) - QPoint(2, 0);
    const QPoint milieu = banc.PointDe(banc.PositionDe(" suus"));
    const QPoint fin = banc.PointDe(banc.PositionDe("suus", 1)) - QPoint(2, 0);
    QTest::mousePress(vue, Qt::LeftButton, Qt::NoModifier, debut);
    for (const QPoint& p : {milieu, fin}) {
      QMouseEvent glisse(QEvent::MouseMove, p, vue->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(vue, &glisse);
    }
    QVERIFY(banc.RichE().textCursor().hasSelection());
    QVERIFY(banc.Services.Questions.isEmpty());
    QTest::mouseRelease(vue, Qt::LeftButton, Qt::NoModifier, fin);
    QTRY_COMPARE(banc.Services.Questions, QStringList{"Afficher les liens possibles entre nullus et suus ?"});
    QVERIFY(!banc.RichE().textCursor().hasSelection());
  }
};

LECTURIEL_TEST(TestSurvol)
LECTURIEL_TEST(TestMenuContextuel)
LECTURIEL_TEST(TestSelection)
#include "lecture_test.moc"
