// The reading pane's handlers: the word under the pointer and its hint, the
// context menu and the insertions into the notes, the syntax query.
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolTip>
#include <optional>

#include "MulotEdt/mulot.h"
#include "flexion/aides_mot.h"
#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/stores.h"
#include "morpho/contexte.h"
#include "morpho/lemmatise.h"
#include "princ/fichiers/notes.h"
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

void TFPrinc::RichEMouseMove(int x, int y) {
  try {
    E.MotCourant = MotAuPoint(TTexteRicheQt(*RichE), x, y);
    // The word is kept for the context menu, but analysed only for a hint
    // that will be shown; without the lexicon there is nothing to analyse.
    if (E.MotCourant.empty() || !BullesAffichees() || !StoresPrets()) {
      Bulle.clear();
      return;
    }
    bool trouve = false;
    QString texte;
    // Read in its sentence; without the model, or where the pane cuts a
    // word otherwise, as it stands.
    std::vector<std::string> lignes;
    if (Contexte) {
      const TContexteDuMot c = ContexteAuPoint(TTexteRicheQt(*RichE), x, y);
      lignes = TexteAnalysesEnContexte(Contexte.get(), c.Texte, c.Position, trouve);
    }
    if (lignes.empty()) lignes = TexteAnalyses(E.MotCourant, Disposition::Complete, trouve);
    for (const auto& ligne : lignes) texte += VersQt(ligne) + u'\n';
    Bulle = texte;
  } catch (...) {
    Bulle = QStringLiteral("?");
  }
}

bool TFPrinc::BullesAffichees() const { return E.FichierTexte.empty() || E.AutoLex >= 1; }

void TFPrinc::AjusteBulle() {
  QFont police = QToolTip::font();
  police.setPointSize(RichE->font().pointSize());
  QToolTip::setFont(police);
  // A hint on screen is reused for the next word; Qt tells it of the new
  // font only once the event loop runs, so it is told here.
  for (QWidget* fenetre : QApplication::topLevelWidgets())
    if (fenetre->inherits("QTipLabel")) fenetre->setFont(police);
}

void TFPrinc::MontreBulle(const QPoint& position) {
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
  QToolTip::showText(RichE->viewport()->mapToGlobal(position), texte, RichE->viewport());
}

void TFPrinc::PopupMenu1Popup() {
  PopupMenu1->clear();
  // The word's submenu of the previous opening is a child of the menu, which
  // clear() leaves alone.
  for (QMenu* ancien : PopupMenu1->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
    ancien->deleteLater();
  if (!StoresPrets()) return;
  Protege([this] {
    // The texts are kept as they are now: the insertions use them even if
    // the pointer has moved on to another word since.
    const std::optional<TAidesMot> aides = AidesMot(E.MotCourant);
    if (!aides) return;  // no analysis: no menu at all
    E.TexteLexique = aides->Lexique;
    E.TexteMorpho = aides->Morpho;
    E.TexteTraduction = aides->Traduction;
    QString titre = VersQt(E.MotCourant);
    titre.replace(u'&', QStringLiteral("&&"));
    const bool lexique = E.insereLex > 0;
    const bool morpho = E.insereMorpho > 0 && !E.TexteMorpho.empty();
    const bool traduction = E.insereTr > 0 && !E.TexteTraduction.empty();
    const bool flexion = E.flexion > 0;
    if (!lexique && !morpho && !traduction && !flexion) {
      // The word alone, as an item that does nothing.
      PopupMenu1->addAction(titre);
      return;
    }
    // Owned by PopupMenu1, discarded at its next opening.
    QMenu* mot = PopupMenu1->addMenu(titre);
    if (lexique) mot->addAction(QStringLiteral("&lexique"), this, &TFPrinc::InsereEntree);
    if (morpho)
      mot->addAction(QStringLiteral("lexique et &morphologie"), this, &TFPrinc::InsereMorpho);
    if (traduction) mot->addAction(QStringLiteral("&traduction"), this, &TFPrinc::InsereTraduction);
    if (flexion) mot->addAction(QStringLiteral("&flexion"), this, &TFPrinc::Flexion1Click);
  });
}

void TFPrinc::Insere(const std::string& texte, const std::string& trace, int& compteur) {
  QString insere = VersQt(texte);
  insere.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Memo1->textCursor().insertText(insere);
  Memo1->document()->setModified(true);
  try {
    EcritTrace(trace);
  } catch (const std::exception& erreur) {
    SignaleErreur(erreur);
    return;
  }
  compteur = CompteurSuivant(compteur);
  AjourEtat();
}

void TFPrinc::InsereEntree() {
  Insere(" " + E.TexteLexique, "lexique - " + E.MotCourant, E.NbLexique);
}
void TFPrinc::InsereMorpho() {
  Insere(" " + E.TexteMorpho, "morpho - " + E.MotCourant, E.NbMorpho);
}
void TFPrinc::InsereTraduction() {
  Insere(" " + SansBlancs(E.TexteTraduction), "traduction - " + E.MotCourant, E.NbTraduction);
}

void TFPrinc::EcritTrace(const std::string& texte) {
  if (E.FichierTrace.empty()) return;
  AjouteLigne(E.FichierTrace, E.NomUtilisateur + " " + texte);
}

void TFPrinc::RichESelectionChange() {
  if (E.evalSyntaxe < 1 || DansSelection) return;
  DansSelection = true;
  struct Fin {
    bool& drapeau;
    ~Fin() { drapeau = false; }
  } fin{DansSelection};
  const QTextCursor curseur = RichE->textCursor();
  const int debut = curseur.selectionStart();
  const int longueur = curseur.selectionEnd() - debut;
  const TTexteRicheQt texte(*RichE);
  const std::string choisi = SansBlancs(TexteEntre(texte, debut, longueur));
  if (!choisi.empty() && choisi.find_first_of(" \t\r\n") != std::string::npos && StoresPrets()) {
    std::string mot1 = MotAIndex(texte, debut);
    std::string mot2 = MotAIndex(texte, debut + longueur);
    if (!CommenceParUneLettre(mot1)) mot1.clear();
    if (!CommenceParUneLettre(mot2)) mot2.clear();
    if (!mot1.empty() && !mot2.empty()) {
      const QString question = QStringLiteral("Afficher les liens possibles entre %1 et %2 ?")
                                   .arg(VersQt(mot1), VersQt(mot2));
      if (Services.Confirme(this, question)) {
        try {
          std::string liens = TLienSyntaxique(mot1, mot2).Texte();
          liens += TLienSyntaxique(mot2, mot1).Texte();
          Services.Message(this,
                           VersQt(liens).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
          EcritTrace("syntaxe - " + mot1 + "-" + mot2);
        } catch (const std::exception& erreur) {
          SignaleErreur(erreur);
          return;  // the selection then stays as it is
        }
      }
    }
  }
  if (curseur.hasSelection()) SelectionParLeProgramme(debut, 0);
}

void TFPrinc::SelectionParLeProgramme(int debut, int longueur) {
  QTextCursor curseur = RichE->textCursor();
  curseur.setPosition(debut);
  if (longueur > 0) curseur.setPosition(debut + longueur, QTextCursor::KeepAnchor);
  SelectionAutomatique = true;
  RichE->setTextCursor(curseur);
  SelectionAutomatique = false;
}
