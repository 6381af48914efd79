// The two study tools driven as a user: the vocabulary of the text (offered
// by its "Droits" key, sorted by a click on a column, filtered, the most
// frequent words hidden, the unknown words, inserted into the notes, saved
// as OpenDocument and plain text, printed, traced) and the inflection
// tables of the word under the pointer (offered by its key, the form
// highlighted, traced).
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "princ/dialogue_flexion.h"
#include "princ/dialogue_vocabulaire.h"
#include "princ/tests/banc.h"

namespace {

QStringList Colonne(const QTableWidget& table, int colonne) {
  QStringList r;
  for (int i = 0; i < table.rowCount(); ++i) r << table.item(i, colonne)->text();
  return r;
}

// The text of the OpenDocument file's body, read back by unzipping it.
QString ContenuOdt(const QString& chemin) {
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"),
              {QStringLiteral("-p"), chemin, QStringLiteral("content.xml")});
  if (!unzip.waitForFinished(10000)) return {};
  return QString::fromUtf8(unzip.readAllStandardOutput());
}

}  // namespace

class TestVocabulaire : public QObject {
  Q_OBJECT
 private slots:
  void offertSelonLesDroits() {
    const struct {
      const char* droits;  // nullptr: free mode
      bool offert;
    } cas[] = {{nullptr, true}, {"", false}, {"vocabulaire=0\n", false}, {"vocabulaire=1\n", true}};
    for (const auto& c : cas) {
      TBanc banc;
      if (c.droits) banc.Configure(c.droits);
      banc.Ouvre();
      QAction* commande = banc.Commande("Vocabulairedutexte1");
      QVERIFY(commande);
      QCOMPARE(commande->text(), QStringLiteral("&Vocabulaire du texte"));
      QCOMPARE(commande->isVisible(), c.offert);
      commande->trigger();
      QCOMPARE(banc.Fenetre().findChild<TDialogueVocabulaire*>() != nullptr, c.offert);
    }
  }

  void trierFiltrerMasquerInsererTracer() {
    TBanc banc;
    banc.Configure("vocabulaire=1\n");
    banc.Ecris("rangs.txt", "1\tsum\tsum\n2\tsuus\tbonus\n3\tuentus\tamicus\n");
    banc.Ouvre();
    banc.Commande("Vocabulairedutexte1")->trigger();
    auto* dialogue = banc.Fenetre().findChild<TDialogueVocabulaire*>();
    QVERIFY(dialogue);
    QVERIFY(QTest::qWaitForWindowExposed(dialogue));
    auto* table = dialogue->findChild<QTableWidget*>(QStringLiteral("Table"));
    // Alphabetical at first.
    QCOMPARE(Colonne(*table, 0),
             (QStringList{"nullus, a, um : aucun",
                          "peto, is, ere, iui, itum : chercher \u00e0 atteindre",
                          "portus, us, m. : port", "sum, es, esse, fui : \u00eatre",
                          "suus, a, um : son, sa", "uentus, i, m. : vent"}));
    // A click on the rank column's heading sorts by rank, unranked first.
    QHeaderView* entetes = table->horizontalHeader();
    QTest::mouseClick(entetes->viewport(), Qt::LeftButton, {},
                      QPoint(entetes->sectionViewportPosition(3) + 5, entetes->height() / 2));
    QCOMPARE(Colonne(*table, 3).mid(3), (QStringList{"1", "2", "3"}));

    auto* filtre = dialogue->findChild<QLineEdit*>(QStringLiteral("Filtre"));
    QTest::keyClicks(filtre, QStringLiteral("VENT"));
    QCOMPARE(Colonne(*table, 0), QStringList{"uentus, i, m. : vent"});
    filtre->clear();
    // Forms are filtered too.
    QTest::keyClicks(filtre, QStringLiteral("petat"));
    QCOMPARE(table->rowCount(), 1);
    filtre->clear();

    auto* masquer = dialogue->findChild<QSpinBox*>(QStringLiteral("Masquer"));
    QVERIFY(masquer->isEnabled());
    masquer->setValue(2);
    QCOMPARE(table->rowCount(), 4);
    QVERIFY(!Colonne(*table, 0).join(u'|').contains(QStringLiteral("suus")));

    auto* inconnus = dialogue->findChild<QTableWidget*>(QStringLiteral("Inconnus"));
    QVERIFY(Colonne(*inconnus, 0).contains(QStringLiteral("Ignoranti")));
    QVERIFY(Colonne(*inconnus, 0).contains(QStringLiteral("S\u00e9n\u00e8que")));
    QVERIFY(!Colonne(*inconnus, 0).contains(QStringLiteral("71")));
    QCOMPARE(dialogue->findChild<QTabWidget*>()->tabText(1),
             QStringLiteral("Mots inconnus (%1)").arg(inconnus->rowCount()));

    QTest::mouseClick(dialogue->findChild<QPushButton*>(QStringLiteral("Inserer")), Qt::LeftButton);
    const QString notes = banc.Memo1().toPlainText();
    QVERIFY2(notes.contains(QStringLiteral("portus, us, m. : port (1)\n")), qPrintable(notes));
    QVERIFY(!notes.contains(QStringLiteral("suus")));
    QVERIFY(banc.Memo1().document()->isModified());
    QCOMPARE(banc.Lis("trace.txt"), std::string("Eleve vocabulaire - texte.txt\r\n"));
  }

  void enregistrerEtImprimer() {
    TBanc banc;
    banc.Ouvre();  // free mode, no rank file: nothing to hide
    banc.Commande("Vocabulairedutexte1")->trigger();
    auto* dialogue = banc.Fenetre().findChild<TDialogueVocabulaire*>();
    QVERIFY(!dialogue->findChild<QSpinBox*>(QStringLiteral("Masquer"))->isEnabled());
    auto* enregistrer = dialogue->findChild<QPushButton*>(QStringLiteral("Enregistrer"));

    banc.Services.FichierEnregistre = banc.QChemin("vocabulaire.odt");
    QTest::mouseClick(enregistrer, Qt::LeftButton);
    const QString contenu = ContenuOdt(banc.QChemin("vocabulaire.odt"));
    QVERIFY2(contenu.contains(QStringLiteral("portus, us, m. : port")),
             qPrintable(contenu.left(400)));
    QVERIFY(contenu.contains(QStringLiteral("uentus, i, m. : vent")));
    QVERIFY(contenu.contains(QStringLiteral("Occurrences")));

    banc.Services.FichierEnregistre = banc.QChemin("vocabulaire.txt");
    QTest::mouseClick(enregistrer, Qt::LeftButton);
    QVERIFY(banc.Lis("vocabulaire.txt").find("portus, us, m. : port\t1\tportum\n") !=
            std::string::npos);

    // A file that cannot be written is reported, not taken for saved.
    banc.Services.FichierEnregistre = banc.QChemin("absent/vocabulaire.txt");
    QTest::mouseClick(enregistrer, Qt::LeftButton);
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    banc.Services.FichierEnregistre.reset();
    QTest::mouseClick(enregistrer, Qt::LeftButton);
    QCOMPARE(banc.Services.Erreurs.size(), 1);

    QPrinter imprimante;
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(banc.QChemin("vocabulaire.pdf"));
    dialogue->ImprimeSur(imprimante);
    QVERIFY(banc.Lis("vocabulaire.pdf").rfind("%PDF", 0) == 0);
  }
};
LECTURIEL_TEST(TestVocabulaire)

class TestFlexion : public QObject {
  Q_OBJECT
 private slots:
  void offertSelonLesDroits() {
    const struct {
      const char* droits;  // nullptr: free mode
      bool offert;
    } cas[] = {{nullptr, false}, {"", false}, {"flexion=1\n", true}, {"flexion=0x2\n", true}};
    for (const auto& c : cas) {
      TBanc banc;
      if (c.droits) banc.Configure(c.droits);
      banc.Ouvre();
      banc.MenuSur(QStringLiteral("portum"));
      QCOMPARE(banc.Insertion(QStringLiteral("&flexion")) != nullptr, c.offert);
    }
  }

  void tableauxDuMotSousLePointeur() {
    TBanc banc;
    banc.Configure("flexion=1\n");
    banc.Ouvre();
    banc.MenuSur(QStringLiteral("portum"));
    banc.Insertion(QStringLiteral("&flexion"))->trigger();
    auto* dialogue = banc.Fenetre().findChild<TDialogueFlexion*>();
    QVERIFY(dialogue);
    QCOMPARE(dialogue->windowTitle(), QStringLiteral("Flexion - portum"));
    const QString html = dialogue->Html();
    QVERIFY(html.contains(QStringLiteral("portus, us, m. : port")));
    QVERIFY(html.contains(QStringLiteral("accusatif")));
    // The form under the pointer is highlighted, the headword is not.
    QVERIFY2(
        html.contains(QRegularExpression(QStringLiteral("background-color:#ffd54f;?\">portum"))),
        qPrintable(html));
    QVERIFY(
        !html.contains(QRegularExpression(QStringLiteral("background-color:#ffd54f;?\">portus"))));
    QCOMPARE(banc.Lis("trace.txt"), std::string("Eleve flexion - portum\r\n"));
  }
};
LECTURIEL_TEST(TestFlexion)

#include "outils_test.moc"
