#include "princ/tests/banc.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTest>
#include <QTextCursor>
#include <fstream>

#include "lexical/sources.h"
#include "lexical/stores.h"

// A few lines of data covering the sample sentence (except its first word).
TBanc::TBanc() {
  Services.Nom = QStringLiteral("Eleve");
  Ecris("sources/desinences.txt",
        "at\tlego\t1\t3\xC3\xA8me personne singulier subjonctif pr\xC3\xA9sent actif\n"
        "us\tamicus\t1\tnominatif singulier\nos\tamicus\t1\taccusatif "
        "pluriel\num\tmanus\t1\taccusatif singulier\n");
  Ecris("sources/irreguliers.txt",
        "est\tsum\tsum\t3\xC3\xA8me personne singulier indicatif pr\xC3\xA9sent actif\n");
  Ecris(
      "sources/lexique.txt",
      "peto\tlego\t-\tpetiu\tpetit\tis, ere, iui, itum : chercher \xC3\xA0 atteindre\n"
      "uentus\tamicus\tmasculin\t-\t-\ti, m. : vent\nportus\tmanus\tmasculin\t-\t-\tus, m. : port\n"
      "nullus\tbonus\t-\t-\t-\ta, um : aucun\nsuus\tbonus\t-\t-\t-\ta, um : son, sa\n"
      "sum\tsum\t-\tfu\tfut\tes, esse, fui : \xC3\xAAtre\n");
  const TStoresSources stores = LisSources(Chemin("sources"));
  EcrisFichierLexique(Chemin("quirandole.lex"), *stores.Lexique, *stores.Desinences,
                      *stores.Irreguliers);
}

TBanc::~TBanc() {
  F.reset();
  LiberLexique();
}

std::string TBanc::Chemin(const std::string& nom) const {
  return Dossier.path().toStdString() + "/" + nom;
}

void TBanc::Ecris(const std::string& nom, const std::string& octets) const {
  QDir().mkpath(QFileInfo(QChemin(nom)).path());
  std::ofstream(Chemin(nom), std::ios::binary) << octets;
}

// Empty when there is no such file.
std::string TBanc::Lis(const std::string& nom) const {
  std::ifstream flux(Chemin(nom), std::ios::binary);
  return {std::istreambuf_iterator<char>(flux), {}};
}

void TBanc::Texte(const std::string& suite) {
  Ecris("textes/texte.txt", TFPrinc::PhraseExemple().toStdString() + "\n");
  Ini("[Fichier]\nNom=" + Chemin("textes/texte.txt") + "\n" + suite);
}

void TBanc::Configure(const std::string& droits) {
  QDir().mkpath(QChemin("notes"));
  Texte("[Sauvegarde]\nrepertoire=" + Chemin("notes") + "\nreptrace=" + Chemin("trace.txt") + "\n" +
        (droits.empty() ? "" : "[Droits]\n" + droits));
}

TFPrinc& TBanc::Ouvre() {
  F = std::make_unique<TFPrinc>(Services, Chemin("lecturiel"));
  F->show();
  (void)QTest::qWaitForWindowExposed(F.get());
  return *F;
}

void TBanc::Ferme() {
  F->close();
  F.reset();
}

QTextEdit& TBanc::RichE() { return *F->findChild<QTextEdit*>(QStringLiteral("RichE")); }
QPlainTextEdit& TBanc::Memo1() { return *F->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")); }
QMenu& TBanc::Menu() { return *F->findChild<QMenu*>(QStringLiteral("PopupMenu1")); }
QAction* TBanc::Commande(const char* nom) {
  return F->findChild<QAction*>(QString::fromLatin1(nom));
}

void TBanc::MenuSur(const QString& morceau) {
  Survole(morceau);
  F->PopupMenu1Popup();
}

QMenu* TBanc::SousMenu() { return Menu().isEmpty() ? nullptr : Menu().actions().first()->menu(); }

QAction* TBanc::Insertion(const QString& texte) {
  if (QMenu* sous = SousMenu())
    for (QAction* a : sous->actions())
      if (a->text() == texte) return a;
  return nullptr;
}

int TBanc::PositionDe(const QString& morceau, int decalage) {
  const int p = RichE().toPlainText().indexOf(morceau);
  Q_ASSERT(p >= 0);
  return p + decalage;
}

QPoint TBanc::PointDe(int position) {
  QTextCursor curseur(RichE().document());
  curseur.setPosition(position);
  const QRect avant = RichE().cursorRect(curseur);
  curseur.setPosition(position + 1);
  const QRect apres = RichE().cursorRect(curseur);
  const int x = apres.y() == avant.y() ? (avant.x() + apres.x()) / 2 : avant.x() + 2;
  return {x, avant.center().y()};
}

void TBanc::SurvolePoint(const QPoint& point, Qt::MouseButtons boutons) {
  QWidget* vue = RichE().viewport();
  QMouseEvent mouvement(QEvent::MouseMove, point, vue->mapToGlobal(point), Qt::NoButton, boutons,
                        Qt::NoModifier);
  QApplication::sendEvent(vue, &mouvement);
}

void TBanc::Survole(const QString& morceau, int decalage) {
  SurvolePoint(PointDe(PositionDe(morceau, decalage)));
}

void TBanc::Selectionne(int debut, int fin) {
  QTextCursor curseur = RichE().textCursor();
  curseur.setPosition(debut);
  curseur.setPosition(fin, QTextCursor::KeepAnchor);
  RichE().setTextCursor(curseur);
}
