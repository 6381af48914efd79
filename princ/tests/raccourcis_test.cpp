// Regressions of the keyboard and the mouse as a pupil uses them, each
// event delivered the way the window system delivers it: F1 did nothing
// (a shortcut of an action in the menu bar works only once the window holds
// the action), Ctrl+S and Ctrl+F pressed from the panes a pupil types in,
// and the context menu opened by a right click rather than by calling its
// handler.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWindow>

#include "princ/dialogue_chercher.h"
#include "princ/tests/banc.h"

namespace {

// Shortcuts reach only the active window.
bool Active(TFPrinc& f) {
  f.activateWindow();
  return QTest::qWaitForWindowActive(&f);
}

// The middle of `mot` in the window's own coordinates, where the window
// system reports the pointer.
QPoint PointDansLaFenetre(TBanc& banc, const QString& mot) {
  const QPoint point = banc.PointDe(banc.PositionDe(mot, 1));
  return banc.RichE().viewport()->mapTo(&banc.Fenetre(), point);
}

}  // namespace

class TestRaccourcis : public QObject {
  Q_OBJECT
 private slots:
  // The about box, from the reading pane where the pointer and the focus are.
  void f1DonneLAuteur() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    QVERIFY(Active(f));
    QTest::keyClick(&banc.RichE(), Qt::Key_F1);
    QCOMPARE(banc.Services.Apropos.size(), 1);
    QVERIFY(banc.Services.Apropos.first().contains(QStringLiteral("Lecturiel 4.01")));
  }

  // A note typed in the notes pane and saved from there: the file holds it
  // and the pane is no longer marked modified.
  void ctrlSEnregistreLesNotes() {
    TBanc banc;
    banc.Configure();
    TFPrinc& f = banc.Ouvre();
    QVERIFY(Active(f));
    banc.Memo1().setFocus();
    QTest::keyClicks(&banc.Memo1(), QStringLiteral("ma note"));
    QVERIFY(banc.Memo1().document()->isModified());
    QTest::keyClick(&banc.Memo1(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!banc.Memo1().document()->isModified());
    QCOMPARE(banc.Lis("notes/Eleve-texte.txt"), std::string("auxil.,0,0,0\r\nma note\r\n"));
    QVERIFY(banc.Services.Erreurs.isEmpty() && banc.Services.DossiersEnregistrer.isEmpty());
  }

  // The find dialog comes up, and what it finds is selected in the text.
  void ctrlFOuvreLaRecherche() {
    TBanc banc;
    TFPrinc& f = banc.Ouvre();
    QVERIFY(Active(f));
    auto* dialogue = f.findChild<TDialogueChercher*>(QStringLiteral("FindDialog"));
    QVERIFY(dialogue && !dialogue->isVisible());
    QTest::keyClick(&banc.RichE(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(dialogue->isVisible());
    dialogue->ChangeTexteCherche(QStringLiteral("uentus"));
    dialogue->CliqueSuivant();
    QCOMPARE(banc.RichE().textCursor().selectedText(), QStringLiteral("uentus"));
    dialogue->hide();
  }
};

class TestClicDroit : public QObject {
  Q_OBJECT
 private slots:
  // The pointer moved onto a word and its right button pressed and
  // released in the window: the helps of that word come up, not the text
  // pane's own menu of editing commands.
  void clicDroitOuvreLesAidesDuMot() {
    TBanc banc;
    banc.Configure();
    TFPrinc& f = banc.Ouvre();
    QVERIFY(Active(f));
    QWindow* fenetre = f.windowHandle();
    const QPoint point = PointDansLaFenetre(banc, QStringLiteral("uentus"));
    QTest::mouseMove(fenetre, point);
    QTest::mouseClick(fenetre, Qt::RightButton, Qt::NoModifier, point);
    QTRY_VERIFY(banc.Menu().isVisible());
    QCOMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(&banc.Menu()));
    QCOMPARE(f.Etat().MotCourant, std::string("uentus"));
    QAction* lexique = banc.Insertion(QStringLiteral("&lexique"));
    QVERIFY(lexique);
    lexique->trigger();
    banc.Menu().hide();
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("  vent"));
  }
};

LECTURIEL_TEST(TestRaccourcis)
LECTURIEL_TEST(TestClicDroit)
#include "raccourcis_test.moc"
