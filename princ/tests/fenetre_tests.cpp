// The window tests. `fenetre_tests sessions/AREA.txt` plays every session
// of that file (one Qt Test row each, named after its [section]);
// `fenetre_tests` alone runs the few cases a session cannot say: Qt's own
// dialogs in French, the vocabulary read back from OpenDocument and printed.
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "princ/dialogue_vocabulaire.h"
#include "princ/services_qt.h"
#include "princ/tests/session.h"
#include "princ/tfprinc.h"
#include "princ/traductions_qt.h"

class TestSessions : public QObject {
  Q_OBJECT
 public:
  explicit TestSessions(QString fichier) : Fichier(std::move(fichier)) {}

 private slots:
  void session_data() {
    QTest::addColumn<int>("premiere");  // the number of its first line
    QTest::addColumn<QByteArrayList>("lignes");
    QFile fichier(Fichier);
    QVERIFY2(fichier.open(QIODevice::ReadOnly), qPrintable(Fichier));
    const QByteArrayList lignes = fichier.readAll().split('\n');
    for (int i = 0, fin = 0; i < lignes.size(); i = fin) {
      for (fin = i + 1; fin < lignes.size() && !lignes[fin].startsWith('['); ++fin) {
      }
      if (lignes[i].startsWith('['))
        QTest::newRow(lignes[i].mid(1, lignes[i].indexOf(']') - 1).constData())
            << i + 2 << lignes.mid(i + 1, fin - i - 1);
    }
  }

  void session() {
    QFETCH(int, premiere);
    QFETCH(QByteArrayList, lignes);
    TSession session;
    for (int i = 0; i < lignes.size(); ++i)
      if (!session.Execute(lignes[i], Fichier.toUtf8(), premiere + i)) return;
    session.Termine();
  }

 private:
  QString Fichier;
};

class TestCasParticuliers : public QObject {
  Q_OBJECT
 private slots:
  // Qt's own dialogs speak French whatever the system's language (each is
  // dismissed with Escape, as a pupil would), and a missing translation is
  // no error. Enter on "Quitter quand même ?" (a confirmation whose default
  // is Non) once threw the notes away: the default button is checked too.
  void dialoguesDeQtEnFrancais() {
    QVERIFY(!ChargeTraductionsQt(*qApp, QStringLiteral("/dossier/absent")));
    QVERIFY2(ChargeTraductionsQt(*qApp), "qt6-translations-l10n absent ?");
    TServicesQt services;
    QString nom;
    const QString txt = QStringLiteral("txt"), vide;
    const struct {
      std::function<bool()> appel;  // true: the user's answer came back
      QStringList attendus;
      QString parDefaut;  // the button Enter presses, when it matters
    } dialogues[] = {
        {[&] { return services.Confirme(nullptr, txt, IServices::ParDefaut::Oui); },
         {"&Oui", "&Non"},
         "&Oui"},
        {[&] { return services.Confirme(nullptr, txt, IServices::ParDefaut::Non); },
         {"&Oui", "&Non"},
         "&Non"},
        {[&] { return services.DemandeTexte(nullptr, txt, txt, nom); }, {"OK", "Annuler"}, {}},
        {[&] { return services.FichierAOuvrir(nullptr, vide, txt).has_value(); },
         {"&Ouvrir", "Annuler"},
         {}},
        {[&] { return services.FichierAEnregistrer(nullptr, txt, vide, txt, txt).has_value(); },
         {"&Enregistrer", "Annuler"},
         {}}};
    for (const auto& [appel, attendus, parDefaut] : dialogues) {
      QStringList boutons;
      QString defaut;
      QTimer minuterie;
      connect(&minuterie, &QTimer::timeout, [&] {
        QWidget* dialogue = QApplication::activeModalWidget();
        if (!dialogue) return;
        minuterie.stop();
        for (const QAbstractButton* b : dialogue->findChild<QDialogButtonBox*>()->buttons()) {
          boutons << b->text();
          if (qobject_cast<const QPushButton*>(b)->isDefault()) defaut = b->text();
        }
        QTest::keyClick(dialogue, Qt::Key_Escape);
      });
      minuterie.start(10);
      QVERIFY(!appel());
      for (const QString& bouton : attendus)
        QVERIFY2(boutons.contains(bouton), qPrintable(boutons.join('|')));
      if (!parDefaut.isEmpty()) QCOMPARE(defaut, parDefaut);
    }
  }

  // The vocabulary saved as OpenDocument (read back by unzipping its body)
  // and printed to PDF.
  void vocabulaireEnOdtEtEnPdf() {
    TSession session;
    for (const char* ligne : {"ouvre", "commande Vocabulairedutexte1",
                              "choix-enregistrer $D/vocabulaire.odt", "clic Enregistrer"})
      QVERIFY(session.Execute(ligne));
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), session.Chemin("vocabulaire.odt"),
                                          QStringLiteral("content.xml")});
    QVERIFY(unzip.waitForFinished(10000));
    const QString contenu = QString::fromUtf8(unzip.readAllStandardOutput());
    for (const char* attendu : {"portus, us, m. : port", "uentus, i, m. : vent", "Occurrences"})
      QVERIFY2(contenu.contains(QString::fromUtf8(attendu)), qPrintable(contenu.left(400)));

    QPrinter imprimante;
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(session.Chemin("vocabulaire.pdf"));
    session.Fenetre()->findChild<TDialogueVocabulaire*>()->ImprimeSur(imprimante);
    QFile pdf(session.Chemin("vocabulaire.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(4) == "%PDF");
    QVERIFY(session.Termine());
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QStringList arguments = application.arguments();
  if (arguments.size() > 1 && arguments[1].endsWith(QStringLiteral(".txt"))) {
    TestSessions sessions(arguments.takeAt(1));
    return QTest::qExec(&sessions, arguments);
  }
  TestCasParticuliers cas;
  return QTest::qExec(&cas, arguments);
}

#include "fenetre_tests.moc"
