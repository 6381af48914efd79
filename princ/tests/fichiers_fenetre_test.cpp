// The window over its files: notes characters kept or announced, read-only
// notes refused, an unreadable configuration reported, a configuration
// saved by Notepad as UTF-16.
#include <sys/stat.h>

#include <QTest>

#include "princ/tests/banc.h"

namespace {
// Typed as a keyboard would, characters outside Latin-1 included.
void Tape(QWidget* cible, const QString& texte) {
  for (const QChar c : texte)
    QTest::sendKeyEvent(QTest::Click, cible, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
}  // namespace

class TestFichiersFenetre : public QObject {
  Q_OBJECT
 private slots:
  // œ and æ were saved as "oe" and "ae", and Greek as '?' without a word.
  void caracteresDesNotes() {
    TBanc banc;
    banc.Configure();
    banc.Ouvre();
    Tape(&banc.Memo1(), QStringLiteral("c\u0153ur \u00e6 \u03bb\u03bb"));
    banc.Commande("EnregistrerBlocNotes1")->trigger();
    QCOMPARE(banc.Services.Messages,
             QStringList{QStringLiteral(
                 "Ces caract\u00e8res ne peuvent pas \u00eatre enregistr\u00e9s : \u03bb")});
    QCOMPARE(banc.Lis("notes/Eleve-texte.txt"), std::string("auxil.,0,0,0\r\nc\x9Cur \xE6 ??\r\n"));
    banc.Services.Messages.clear();
    banc.Memo1().setPlainText(QStringLiteral("\u0152dipe \u00c6n\u00e9e"));
    banc.Commande("EnregistrerBlocNotes1")->trigger();
    QVERIFY(banc.Services.Messages.isEmpty());
    QCOMPARE(banc.Lis("notes/Eleve-texte.txt"), std::string("auxil.,0,0,0\r\n\x8C"
                                                            "dipe \xC6n\xE9"
                                                            "e\r\n"));
    banc.Ferme();
  }

  // A teacher locks handed-in notes by taking their write rights away: the
  // save is refused with a French message and the file stays as it was.
  void notesEnLectureSeule() {
    TBanc banc;
    banc.Configure();
    banc.Ecris("notes/Eleve-texte.txt", "auxil.,1,0,0\r\nrendu\r\n");
    chmod(banc.Chemin("notes/Eleve-texte.txt").c_str(), 0444);
    banc.Ouvre();
    QCOMPARE(banc.Memo1().toPlainText(), QStringLiteral("rendu"));
    QTest::keyClicks(&banc.Memo1(), QStringLiteral(" plus tard"));
    banc.Commande("EnregistrerBlocNotes1")->trigger();
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    QVERIFY(banc.Services.Erreurs.first().contains(QStringLiteral("fichier en lecture seule")));
    QCOMPARE(banc.Lis("notes/Eleve-texte.txt"), std::string("auxil.,1,0,0\r\nrendu\r\n"));
    banc.Memo1().document()->setModified(false);
    banc.Ferme();
  }

  // A configuration that is there but cannot be read silently gave the free
  // mode; it is now reported, and the window still opens with its lexicon.
  void configurationIllisibleSignalee() {
    TBanc banc;
    QDir().mkpath(banc.QChemin("lecturiel.ini"));
    TFPrinc& f = banc.Ouvre();
    QCOMPARE(banc.Services.Erreurs.size(), 1);
    QVERIFY(
        banc.Services.Erreurs.first().startsWith(QStringLiteral("Impossible de lire le fichier")));
    QVERIFY(f.Etat().FichierTexte.empty());
    banc.Survole(QStringLiteral("uentus"));
    QVERIFY(f.TexteBulle().contains(QStringLiteral("uentus")));
    banc.Ferme();
  }

  // Notepad's "Unicode" (UTF-16 with its mark) starts the configured mode
  // like any other configuration.
  void configurationEnUtf16() {
    TBanc banc;
    banc.Ecris("textes/texte.txt", TFPrinc::PhraseExemple().toStdString() + "\n");
    const QString ini = "[Fichier]\r\nNom=" + banc.QChemin("textes/texte.txt") + "\r\n";
    std::string octets = "\xFF\xFE";
    for (const QChar c : ini) {
      octets += static_cast<char>(c.unicode() & 0xFF);
      octets += static_cast<char>(c.unicode() >> 8);
    }
    banc.Ini(octets);
    TFPrinc& f = banc.Ouvre();
    QVERIFY(banc.Services.Erreurs.isEmpty());
    QCOMPARE(f.Etat().FichierTexte, banc.Chemin("textes/texte.txt"));
    QCOMPARE(banc.Services.Invites.size(), 1);
    banc.Ferme();
  }
};

LECTURIEL_TEST(TestFichiersFenetre)
#include "fichiers_fenetre_test.moc"
