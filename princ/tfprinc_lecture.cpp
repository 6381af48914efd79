// The reading pane's handlers: the word under the pointer and its hint, the
// context menu and the insertions into the notes, the syntax query.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolTip>
#include <optional>

#include "fichiers/notes.h"
#include "flexion/aides_mot.h"
#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/stores.h"
#include "morpho/contexte.h"
#include "morpho/lemmatise.h"
#include "pointeur/mulot.h"
#include "princ/texte_riche_qt.h"
#include "princ/tfprinc.h"
#include "syntaxe/lien_syntaxique.h"

namespace {

QString VersQt(const std::string& cp1252) { return QString::fromStdString(Cp1252VersUtf8(cp1252)); }

std::string SansBlancs(std::string texte) {
  while (!texte.empty() && static_cast<unsigned char>(texte.back()) <= 32) texte.pop_back();
  std::size_t debut = 0;
  while (debut < texte.size() && static_cast<unsigned char>(texte[debut]) <= 32) ++debut;
  return texte.substr(debut);
}

bool CommenceParUneLettre(const std::string& mot) {
  const char c = mot.empty() ? '\0' : mot.front();
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

void TFenetreLecture::AnalyseMotAuPoint(int x, int y) {
  try {
    EtatCourant.MotCourant = MotAuPoint(TTexteRicheQt(*PanneauLecture), x, y);
    // The word is kept for the context menu, but analysed only for a hint
    // that will be shown; without the lexicon there is nothing to analyse.
    if (EtatCourant.MotCourant.empty() || !BullesAffichees() || !StoresPrets()) {
      Bulle.clear();
      return;
    }
    QString texte;
    // Read in its sentence; without the model, or where the pane cuts a
    // word otherwise, as it stands.
    std::vector<std::string> lignes;
    if (Contexte) {
      const TContexteDuMot c = ContexteAuPoint(TTexteRicheQt(*PanneauLecture), x, y);
      lignes = TexteAnalysesEnContexte(Contexte.get(), c.Texte, c.Position);
    }
    if (lignes.empty()) lignes = TexteAnalyses(EtatCourant.MotCourant, Disposition::Complete);
    for (const auto& ligne : lignes) texte += VersQt(ligne) + u'\n';
    Bulle = texte;
  } catch (...) {
    Bulle = QStringLiteral("?");
  }
}

bool TFenetreLecture::BullesAffichees() const {
  return EtatCourant.FichierTexte.empty() || EtatCourant.AutoLex >= 1;
}

void TFenetreLecture::AjusteBulle() {
  QFont police = QToolTip::font();
  police.setPointSize(PanneauLecture->font().pointSize());
  QToolTip::setFont(police);
  // A hint on screen is reused for the next word; Qt tells it of the new
  // font only once the event loop runs, so it is told here.
  for (QWidget* fenetre : QApplication::topLevelWidgets())
    if (fenetre->inherits("QTipLabel")) fenetre->setFont(police);
}

void TFenetreLecture::MontreBulle(const QPoint& position) {
  // Shown at every move, so the hint follows the pointer from word to word.
  if (Bulle.isEmpty() || !BullesAffichees()) {
    QToolTip::hideText();
    return;
  }
  QString texte = Bulle;
  if (texte.endsWith(u'\n')) texte.chop(1);
  // Plain text keeps the indentation of the lines and lays out fastest; a
  // text that Qt would take for markup is escaped.
  if (Qt::mightBeRichText(texte)) texte = Qt::convertFromPlainText(texte, Qt::WhiteSpacePre);
  QToolTip::showText(PanneauLecture->viewport()->mapToGlobal(position), texte,
                     PanneauLecture->viewport());
  // Qt opens the hint below the pointer, over the lines the pupil reads
  // next: it goes above the pointed line when the screen has room there.
  QWidget* bulle = nullptr;
  for (QWidget* fenetre : QApplication::topLevelWidgets())
    if (fenetre->inherits("QTipLabel") && fenetre->isVisible()) bulle = fenetre;
  const QScreen* ecran = bulle ? bulle->screen() : nullptr;
  if (!ecran) return;
  const QRect ligne = PanneauLecture->cursorRect(PanneauLecture->cursorForPosition(position));
  const int haut =
      PanneauLecture->viewport()->mapToGlobal(ligne.topLeft()).y() - 2 - bulle->height();
  if (haut >= ecran->availableGeometry().top()) bulle->move(bulle->x(), haut);
}

void TFenetreLecture::PrepareMenuMot() {
  MenuMot->clear();
  // The word's submenu of the previous opening is a child of the menu, which
  // clear() leaves alone.
  for (QMenu* ancien : MenuMot->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
    ancien->deleteLater();
  if (!StoresPrets()) return;
  Protege([this] {
    // The texts are kept as they are now: the insertions use them even if
    // the pointer has moved on to another word since.
    const std::optional<TAidesMot> aides = AidesMot(
        EtatCourant.MotMenu, Contexte.get(), EtatCourant.TexteAutourMenu, EtatCourant.PositionMenu);
    if (!aides) return;  // no analysis: no menu at all
    EtatCourant.TexteLexique = aides->Lexique;
    EtatCourant.TexteMorpho = aides->Morpho;
    EtatCourant.TexteTraduction = aides->Traduction;
    QString titre = VersQt(EtatCourant.MotMenu);
    titre.replace(u'&', QStringLiteral("&&"));
    const bool lexique = EtatCourant.insereLex > 0;
    const bool morpho = EtatCourant.insereMorpho > 0 && !EtatCourant.TexteMorpho.empty();
    const bool traduction = EtatCourant.insereTr > 0 && !EtatCourant.TexteTraduction.empty();
    const bool flexion = EtatCourant.flexion > 0;
    if (!lexique && !morpho && !traduction && !flexion) {
      // The word alone, as an item that does nothing.
      MenuMot->addAction(titre);
      return;
    }
    // Owned by MenuMot, discarded at its next opening.
    QMenu* mot = MenuMot->addMenu(titre);
    if (lexique) mot->addAction(QStringLiteral("&lexique"), this, &TFenetreLecture::InsereEntree);
    if (morpho)
      mot->addAction(QStringLiteral("lexique et &morphologie"), this,
                     &TFenetreLecture::InsereMorpho);
    if (traduction)
      mot->addAction(QStringLiteral("&traduction"), this, &TFenetreLecture::InsereTraduction);
    if (flexion) mot->addAction(QStringLiteral("&flexion"), this, &TFenetreLecture::MontreFlexion);
  });
}

void TFenetreLecture::RetientContexteMenu(TContexteDuMot contexte) {
  EtatCourant.TexteAutourMenu = std::move(contexte.Texte);
  EtatCourant.PositionMenu = contexte.Position;
}

void TFenetreLecture::MenuAuClavier() {
  // From the keyboard the word is the one at the caret (or just before it,
  // at the end of a word), not the last one the mouse passed over.
  const TTexteRicheQt texte(*PanneauLecture);
  const int position = PanneauLecture->textCursor().position();
  std::string mot = MotAIndex(texte, position);
  const int index = mot.empty() ? position - 1 : position;
  if (mot.empty()) mot = MotAIndex(texte, index);
  EtatCourant.MotMenu = mot;
  RetientContexteMenu(Contexte ? ContexteAIndex(texte, index) : TContexteDuMot{});
  PrepareMenuMot();
  if (!MenuMot->isEmpty())
    MenuMot->popup(
        PanneauLecture->viewport()->mapToGlobal(PanneauLecture->cursorRect().bottomLeft()));
}

void TFenetreLecture::Insere(const std::string& texte, const std::string& trace, int& compteur) {
  QString insere = VersQt(texte);
  insere.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  PanneauNotes->textCursor().insertText(insere);
  PanneauNotes->document()->setModified(true);
  // The help was given: it counts even when the trace cannot say so.
  compteur = CompteurSuivant(compteur);
  AfficheCompteurs();
  EcritTrace(trace);
}

void TFenetreLecture::InsereEntree() {
  Insere(" " + EtatCourant.TexteLexique, "lexique - " + EtatCourant.MotMenu, EtatCourant.NbLexique);
}
void TFenetreLecture::InsereMorpho() {
  Insere(" " + EtatCourant.TexteMorpho, "morpho - " + EtatCourant.MotMenu, EtatCourant.NbMorpho);
}
void TFenetreLecture::InsereTraduction() {
  Insere(" " + SansBlancs(EtatCourant.TexteTraduction), "traduction - " + EtatCourant.MotMenu,
         EtatCourant.NbTraduction);
}

void TFenetreLecture::EcritTrace(const std::string& texte) {
  if (EtatCourant.FichierTrace.empty()) return;
  try {
    AjouteLigne(EtatCourant.FichierTrace, EtatCourant.NomUtilisateur + " " + texte);
  } catch (const std::exception& erreur) {
    // Said once, not at every help of the lesson; the status bar keeps it
    // in view until a line is written again.
    if (!TraceEnEchec) SignaleErreur(erreur);
    TraceEnEchec = true;
    VoletTrace->show();
    return;
  }
  TraceEnEchec = false;
  VoletTrace->hide();
}

void TFenetreLecture::ProposeLiensSyntaxiques() {
  if (EtatCourant.evalSyntaxe < 1 || DansSelection) return;
  DansSelection = true;
  struct Fin {
    bool& drapeau;
    ~Fin() { drapeau = false; }
  } fin{DansSelection};
  const QTextCursor curseur = PanneauLecture->textCursor();
  const int debut = curseur.selectionStart();
  const int longueur = curseur.selectionEnd() - debut;
  const TTexteRicheQt texte(*PanneauLecture);
  const std::string choisi = SansBlancs(TexteEntre(texte, debut, longueur));
  if (!choisi.empty() && choisi.find_first_of(" \t\r\n") != std::string::npos && StoresPrets()) {
    std::string mot1 = MotAIndex(texte, debut);
    std::string mot2 = MotAIndex(texte, debut + longueur);
    if (!CommenceParUneLettre(mot1)) mot1.clear();
    if (!CommenceParUneLettre(mot2)) mot2.clear();
    if (!mot1.empty() && !mot2.empty()) {
      const QString question = QStringLiteral("Afficher les liens possibles entre %1 et %2 ?")
                                   .arg(VersQt(mot1), VersQt(mot2));
      if (Services.Confirme(this, question, IServices::ParDefaut::Oui)) {
        try {
          std::string liens = TLienSyntaxique(mot1, mot2).Texte();
          liens += TLienSyntaxique(mot2, mot1).Texte();
          Services.Message(this,
                           VersQt(liens).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        } catch (const std::exception& erreur) {
          SignaleErreur(erreur);
          return;  // the selection then stays as it is
        }
        EcritTrace("syntaxe - " + mot1 + "-" + mot2);
      }
    }
  }
  if (curseur.hasSelection()) SelectionParLeProgramme(debut, 0);
}

void TFenetreLecture::SelectionParLeProgramme(int debut, int longueur) {
  QTextCursor curseur = PanneauLecture->textCursor();
  curseur.setPosition(debut);
  if (longueur > 0) curseur.setPosition(debut + longueur, QTextCursor::KeepAnchor);
  SelectionAutomatique = true;
  PanneauLecture->setTextCursor(curseur);
  SelectionAutomatique = false;
}
