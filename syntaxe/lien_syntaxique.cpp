#include "syntaxe/lien_syntaxique.h"

#include <algorithm>
#include <utility>

#include "lexical/chaines_latines.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/erreur.h"
#include "lexical/lecture.h"
#include "lexical/liste_triee.h"
#include "lexical/minuscules.h"
#include "lexical/modeles.h"
#include "morpho/lemmatise.h"
#include "syntaxe/listes_mots.h"

namespace {

// The messages; the first "%s" is Mot1, the second Mot2.
constexpr const char* MsgNonAnalyse = " n'a pu être analysé"_1252;
constexpr const char* MsgDeterminant = "%s déterminant de %s"_1252;
constexpr const char* MsgComplementNom = "%s complément du nom %s"_1252;
constexpr const char* MsgAppose = "%s apposé au nom %s"_1252;
constexpr const char* MsgGenitifAdjectif = "%s complément au génitif de l'adjectif %s"_1252;
constexpr const char* MsgSujet = "%s sujet du verbe %s";
constexpr const char* MsgAttribut = "%s attribut du sujet du verbe %s";
constexpr const char* MsgCod = "%s COD du verbe %s";
constexpr const char* MsgPropInf = "%s sujet d'une prop. inf. dont %s est le verbe";
constexpr const char* MsgDatif = "%s complément au datif du verbe %s (COI ou COS)"_1252;
constexpr const char* MsgAblatif =
    "%s complément de cause, manière, moyen, temps, etc. du verbe %s"_1252;
constexpr const char* MsgAblatifAbsolu = "%s %s, ablatif absolu";
constexpr const char* MsgEpithete = "l'adj. %s est épithète de %s"_1252;
constexpr const char* MsgInfinitif =
    "%s inf. COD du verbe %s, peut-être verbe d'une prop. inf."_1252;
constexpr const char* MsgPrepAblatif = "la préposition %s introduit l'ablatif %s"_1252;
constexpr const char* MsgPrepAccusatif = "la préposition %s introduit l'accusatif %s"_1252;
constexpr const char* MsgConjonction = "la conj. %s introduit une prop. sub. dont %s est le verbe";

bool Nominal(int partie) { return partie == Partie::Nom || partie == Partie::Pronom; }

// An invariable word is compared as written, and also lower-cased so that a
// capitalised first word of a sentence ("Cum", "In") is still recognised.
bool MotDansListe(std::string_view mot, std::string_view liste) {
  return DansListe(mot, liste) || DansListe(Minuscules(mot), liste);
}

// The readings of an analysis as the rules see them: an invariable word,
// which the analysis leaves without reading, gets one of its own here.
const std::vector<TLecture>& Lectures(const TAnalyse& a) {
  static const std::vector<TLecture> lectureInvariable{TLecture{ModeleInvariable, 0, 0}};
  return a.Lectures.empty() ? lectureInvariable : a.Lectures;
}

// The rules applied to one pair of readings: d1 of Mot1 (lemma l1) as the
// dependent of d2 of Mot2 (lemma l2).
class TRegles {
 public:
  TRegles(const std::string& mot1, const std::string& mot2, std::vector<std::string>& sortie)
      : mot1_(mot1), mot2_(mot2), sortie_(sortie) {}

  void Applique(const TLecture& d1, const std::string& l1, const TLecture& d2,
                const std::string& l2) {
    switch (d1.Partie()) {
      case Partie::Nom:
      case Partie::Pronom:
        GroupeNominal(d1, l1, d2, l2);
        break;
      case Partie::Adjectif:
        GroupeAdjectif(d1, l1, d2, l2);
        break;
      case Partie::Verbe:
        GroupeVerbe(d1, d2);
        break;
      case Partie::Invariable:
        GroupeInvariable(d2);
        break;
      default:
        break;
    }
  }

 private:
  void GroupeNominal(const TLecture& d1, const std::string& l1, const TLecture& d2,
                     const std::string& l2) {
    const int p2 = d2.Partie();
    if (d1.Partie() == Partie::Pronom && DansListe(l1, ListeDeterminants()) &&
        d1.NumCas() == d2.NumCas() && d1.NumNombre() == d2.NumNombre() &&
        d1.NumGenre() == d2.NumGenre())
      Produit(MsgDeterminant);
    if (Nominal(p2)) {
      if (d1.NumCas() == Cas::Genitif) Produit(MsgComplementNom);
      if (d1.NumCas() == d2.NumCas() && d1.NumNombre() == d2.NumNombre()) Produit(MsgAppose);
    } else if (p2 == Partie::Adjectif) {
      if (d1.NumCas() == Cas::Genitif && !DansListe(l2, ListePossessifs()))
        Produit(MsgGenitifAdjectif);
    } else if (p2 == Partie::Verbe) {
      ComplementDuVerbe(d1, l1, d2, l2);
    }
  }

  // Only the first case that holds speaks.
  void ComplementDuVerbe(const TLecture& d1, const std::string& l1, const TLecture& d2,
                         const std::string& l2) {
    const int cas1 = d1.NumCas();
    if (d2.NumPersonne() == Personne::Troisieme && d2.NumNombre() == d1.NumNombre() &&
        cas1 == Cas::Nominatif) {
      Produit(MsgSujet);
      if (Attributif(d2, l2)) Produit(MsgAttribut);
    } else if (d2.NumPersonne() == Personne::Premiere && l1 == "ego") {
      Produit(MsgSujet);
    } else if (d2.NumPersonne() == Personne::Deuxieme && l1 == "tu") {
      Produit(MsgSujet);
    } else if (cas1 == Cas::Accusatif) {
      Produit(MsgCod);
      if (d2.NumMode() == Mode::Infinitif) Produit(MsgPropInf);
    } else if (cas1 == Cas::Datif) {
      Produit(MsgDatif);
    } else if (cas1 == Cas::Ablatif) {
      Produit(MsgAblatif);
      if (d2.NumMode() == Mode::Participe && d2.NumCas() == Cas::Ablatif &&
          d2.NumNombre() == d1.NumNombre())
        Produit(MsgAblatifAbsolu);
    }
  }

  void GroupeAdjectif(const TLecture& d1, const std::string& l1, const TLecture& d2,
                      const std::string& l2) {
    const int p2 = d2.Partie();
    if (Nominal(p2)) {
      if (d1.NumCas() == d2.NumCas() && d1.NumNombre() == d2.NumNombre()) Produit(MsgEpithete);
    } else if (p2 == Partie::Verbe) {
      if (DansListe(l1, ListeDeterminants()) && d1.NumCas() == Cas::Nominatif &&
          d1.NumNombre() == d2.NumNombre())
        Produit(MsgSujet);
      if (Attributif(d2, l2)) Produit(MsgAttribut);
    }
  }

  void GroupeVerbe(const TLecture& d1, const TLecture& d2) {
    const int mode1 = d1.NumMode();
    if (mode1 == Mode::Infinitif) {
      if (d2.Partie() == Partie::Verbe) Produit(MsgInfinitif);
    } else if (mode1 == Mode::Participe || mode1 == Mode::AdjectifVerbal) {
      if (Nominal(d2.Partie()) && d1.NumCas() == d2.NumCas() && d1.NumNombre() == d2.NumNombre())
        Produit(MsgEpithete);
    }
  }

  // Prepositions and conjunctions are recognised by the word as written.
  void GroupeInvariable(const TLecture& d2) {
    const int p2 = d2.Partie();
    if (Nominal(p2)) {
      if (MotDansListe(mot1_, ListePrepositionsAblatif()) && d2.NumCas() == Cas::Ablatif)
        Produit(MsgPrepAblatif);
      else if (MotDansListe(mot1_, ListePrepositionsAccusatif()) && d2.NumCas() == Cas::Accusatif)
        Produit(MsgPrepAccusatif);
    } else if (p2 == Partie::Verbe) {
      if (MotDansListe(mot1_, ListeConjonctions()) && d2.NumMode() <= Mode::Subjonctif)
        Produit(MsgConjonction);
    }
  }

  static bool Attributif(const TLecture& d2, const std::string& l2) {
    return DansListe(l2, ListeCopules()) ||
           (DansListe(l2, ListeVerbesAppel()) && d2.NumVoix() == Voix::Passif);
  }

  void Produit(const char* modele) { sortie_.push_back(Formate(modele, {mot1_, mot2_})); }

  const std::string& mot1_;
  const std::string& mot2_;
  std::vector<std::string>& sortie_;
};

}  // namespace

bool DansListe(std::string_view mot, std::string_view liste) {
  if (mot.empty()) return false;
  std::size_t debut = 0;
  while (debut <= liste.size()) {
    std::size_t fin = liste.find(' ', debut);
    if (fin == std::string_view::npos) fin = liste.size();
    if (liste.substr(debut, fin - debut) == mot) return true;
    debut = fin + 1;
  }
  return false;
}

TLienSyntaxique::TLienSyntaxique(std::string Mot1, std::string Mot2)
    : mot1_(std::move(Mot1)), mot2_(std::move(Mot2)) {
  analyses1_ = Lemmatise(mot1_);
  analyses2_ = Lemmatise(mot2_);
  if (!analyses1_) AjouteLien(mot1_ + MsgNonAnalyse);
  if (!analyses2_) AjouteLien(mot2_ + MsgNonAnalyse);
  if (!analyses1_ || !analyses2_) return;

  std::vector<std::string> messages;
  TRegles regles(mot1_, mot2_, messages);
  for (int i2 = 0; i2 < analyses2_->Count(); ++i2) {
    const TAnalyse& a2 = analyses2_->Analyse(i2);
    const std::string l2 = LettresInitiales(a2.Entree);
    for (const TLecture& d2 : Lectures(a2)) {
      for (int i1 = 0; i1 < analyses1_->Count(); ++i1) {
        const TAnalyse& a1 = analyses1_->Analyse(i1);
        const std::string l1 = LettresInitiales(a1.Entree);
        for (const TLecture& d1 : Lectures(a1)) regles.Applique(d1, l1, d2, l2);
      }
      for (std::string& m : messages) AjouteLien(std::move(m));
      messages.clear();
    }
  }
}

void TLienSyntaxique::AjouteLien(std::string ligne) {
  auto it = std::lower_bound(
      liens_.begin(), liens_.end(), ligne,
      [](const std::string& a, const std::string& b) { return CompareCles(a, b) < 0; });
  if (it != liens_.end() && CompareCles(*it, ligne) == 0) return;
  liens_.insert(it, std::move(ligne));
}

std::string TLienSyntaxique::Texte() const {
  std::string texte;
  for (const std::string& l : liens_) {
    texte += l;
    texte += "\r\n";
  }
  return texte;
}
