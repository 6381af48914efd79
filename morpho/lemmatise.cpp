#include "morpho/lemmatise.h"

#include <array>
#include <optional>
#include <string>

#include "lexical/chaines_latines.h"
#include "lexical/desinences.h"
#include "lexical/erreur.h"
#include "lexical/irreguliers.h"
#include "lexical/lexique.h"
#include "lexical/stores.h"
#include "lexical/vocabulaire.h"

namespace {

// Readings of a form that is itself a headword.
constexpr Morpho NominatifSingulier = 0x41;
constexpr Morpho AccusatifSingulier = 0x44;
constexpr Morpho NominatifSingulierMasculin = 0x141;
constexpr Morpho NominatifSingulierMasculinFeminin = 0x341;
constexpr Morpho NominatifSingulierTroisGenres = 0x741;
constexpr Morpho PremierePersonnePresentActif = 0x8104840;
constexpr int GenreNeutre = 2;

Morpho MorphoDeVedette(int modele) {
  if (modele >= 0 && modele <= 10) return NominatifSingulier;
  switch (modele) {
    case 11:
    case 12:
    case 13:
    case 16:
      return NominatifSingulierMasculin;
    case 14:
    case 29:
      return NominatifSingulierMasculinFeminin;
    case 15:
      return NominatifSingulierTroisGenres;
    default:
      break;
  }
  if (modele >= 17 && modele <= 28) return PremierePersonnePresentActif;
  return 0;
}

// The three stores, borrowed for one search.
struct Stores {
  const TLexique& Lex;
  const TListeDes& Des;
  const TListeIrreg& Irr;
};

Stores StoresCharges() {
  if (!StoresPrets()) throw Erreur("Lexique non charg\xE9");
  return {*Lexique, *Desinences, *Irreguliers};
}

// The search on one exact form, filling `liste` (whose Forme is the form).
class TRecherche {
 public:
  TRecherche(const Stores& s, TListeAnalyses& liste) : s_(s), liste_(liste) {}

  void Lance() {
    const std::string& f = liste_.Forme;
    if (f.empty()) return;
    Etapes(f, liste_);
    if (!liste_.Trouve) EtapeEnclitique(f);
  }

 private:
  // Every entry whose headword is exactly the form.  Headwords equal ignoring
  // case stand side by side in the lexicon; the whole run is walked so that
  // "liber" is found even when "Liber" sorts first.
  void EtapeLexique(const std::string& f) {
    int position = 0;
    if (!s_.Lex.Find(f, position)) return;
    for (; position < s_.Lex.Count() && CompareCles(s_.Lex.Cle(position), f) == 0; ++position) {
      const std::string& cle = s_.Lex.Cle(position);
      if (cle != f) continue;
      const TDonneesLexicales& e = s_.Lex.Donnees(position, false);
      const std::string entete = cle + ", " + e.Sens;
      const int modele = e.Modele;
      if (modele >= 0 && modele <= 10 && e.Genre == GenreNeutre)
        cible_->Ajoute(entete, modele, AccusatifSingulier, e);
      cible_->Ajoute(entete, modele, MorphoDeVedette(modele), e);
    }
  }

  void EtapeIrreguliers(const std::string& f) {
    int position = 0;
    if (!s_.Irr.Find(f, position)) return;
    for (const TDonneesIrreg& d : s_.Irr.Definitions(position)) {
      int p = 0;
      if (!s_.Lex.ChercheModele(d.K, d.Modele, p)) continue;
      const TDonneesLexicales& e = s_.Lex.Donnees(p, false);
      cible_->Ajoute(s_.Lex.Cle(p) + ", " + e.Sens, e.Modele, d.Morpho, e);
    }
  }

  // Every split into stem and ending, the ending growing from the last letter
  // to the whole form.
  void EtapeDesinences(const std::string& f) {
    std::string inverse;
    inverse.reserve(f.size());
    for (std::size_t k = f.size(); k-- > 0;) {
      inverse.push_back(f[k]);
      int position = 0;
      if (!s_.Des.Find(inverse, position)) {
        // Keys sort by their folded bytes, so the keys that begin with
        // this reversed ending follow it at once: when none does, no
        // longer ending can be in the table either.
        if (!DebutDeCle(position, inverse)) break;
        continue;
      }
      const std::string radical = f.substr(0, k);
      confirmes_.clear();
      for (auto& c : canonsDe_) c.reset();
      prefixeAuLexique_ = PrefixeAuLexique(radical);
      for (const TDef& d : s_.Des.Definitions(position)) AccepteLecture(radical, d);
    }
  }

  static bool CommencePar(std::string_view cle, std::string_view debut) {
    return cle.size() >= debut.size() && CompareCles(cle.substr(0, debut.size()), debut) == 0;
  }

  bool DebutDeCle(int position, std::string_view debut) const {
    return position < s_.Des.Count() && CommencePar(s_.Des.Cle(position), debut);
  }

  // Whether some headword begins with the stem (ignoring case, as the
  // lexicon sorts): those headwords follow the stem's place at once.
  bool PrefixeAuLexique(const std::string& radical) const {
    int position = 0;
    s_.Lex.Find(radical, position);
    return position < s_.Lex.Count() && CommencePar(s_.Lex.Cle(position), radical);
  }

  // The lexicon entries that confirm a stem under a stem number and a model,
  // with their headings, in candidate order.  Many readings of one ending
  // share stem number and model (the cases of one declension), so the
  // lookups are made once per stem and shared by those readings.
  struct TConfirmation {
    int Radical = 0, Modele = 0;
    std::vector<std::pair<int, std::string>> Entrees;  // position, heading
  };

  const TConfirmation& Confirme(const std::string& radical, int numero, int modele) {
    for (const TConfirmation& c : confirmes_)
      if (c.Radical == numero && c.Modele == modele) return c;
    TConfirmation c;
    c.Radical = numero;
    c.Modele = modele;
    std::vector<std::string> canons;
    const std::vector<std::string>* candidats = &canons;
    if (numero == 1) {
      canons = s_.Lex.Canons(radical, modele);
    } else {
      // Stems 2 and 3 do not depend on the model: looked up once per stem.
      auto& memo = canonsDe_[static_cast<std::size_t>(numero - 2)];
      if (!memo) memo = (numero == 2 ? s_.Lex.Radicaux2 : s_.Lex.Radicaux3).CanonDe(radical);
      candidats = &*memo;
    }
    for (const std::string& k : *candidats) {
      if (k.empty()) continue;
      // A headword rebuilt on the stem cannot exist when no headword
      // begins with the stem.
      if (!prefixeAuLexique_ && k.compare(0, radical.size(), radical) == 0) continue;
      int p = 0;
      if (!s_.Lex.ChercheModele(k, modele, p)) continue;
      c.Entrees.emplace_back(p, s_.Lex.Vedette(p) + ", " + s_.Lex.Donnees(p, false).Sens);
    }
    confirmes_.push_back(std::move(c));
    return confirmes_.back();
  }

  void AccepteLecture(const std::string& radical, const TDef& d) {
    if (d.Radical < 1 || d.Radical > 3) return;
    for (const auto& [p, entete] : Confirme(radical, d.Radical, d.Modele).Entrees)
      cible_->Ajoute(entete, d.Modele, d.Morpho, s_.Lex.Donnees(p, false));
  }

  // The headword, irregular and ending stages, filling `liste`.
  void Etapes(const std::string& f, TListeAnalyses& liste) {
    cible_ = &liste;
    EtapeLexique(f);
    EtapeIrreguliers(f);
    EtapeDesinences(f);
  }

  // Enclitics are removed one after the other until the remainder is
  // found; the analyses keep the remainder as their form.  A loop rather
  // than a nested search, so that no input can exhaust the stack.
  void EtapeEnclitique(const std::string& f) {
    for (std::string reste = SansEnclitique(f); !reste.empty(); reste = SansEnclitique(reste)) {
      TListeAnalyses interne(reste);
      Etapes(reste, interne);
      if (interne.Trouve) {
        liste_.Fusionne(interne);
        return;
      }
    }
  }

  const Stores& s_;
  TListeAnalyses& liste_;
  TListeAnalyses* cible_ = nullptr;  // the list the stages fill
  // For the stem being tried:
  std::vector<TConfirmation> confirmes_;
  std::array<std::optional<std::vector<std::string>>, 2> canonsDe_;  // stems 2 and 3
  bool prefixeAuLexique_ = true;
};

std::string Minuscules(std::string_view forme) {
  std::string s(forme);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::unique_ptr<TListeAnalyses> Cherche(const Stores& s, std::string forme) {
  auto liste = std::make_unique<TListeAnalyses>(std::move(forme));
  TRecherche(s, *liste).Lance();
  return liste;
}

}  // namespace

std::unique_ptr<TListeAnalyses> AnalyseForme(std::string_view forme) {
  return Cherche(StoresCharges(), std::string(forme));
}

std::unique_ptr<TListeAnalyses> Lemmatise(std::string_view forme, bool& trouve) {
  trouve = false;
  if (forme.empty() || forme.size() > LongueurMaxForme) return nullptr;
  const Stores s = StoresCharges();

  std::string telle = Normalise(forme);
  std::string minuscule = Normalise(Minuscules(forme));
  // When lower-casing changes nothing, the second and third attempts would
  // repeat the first search and add nothing: they are skipped.
  const bool memeForme = (minuscule == telle);

  auto liste = Cherche(s, std::move(telle));
  trouve = liste->Trouve;
  if (!trouve) {
    if (!memeForme) {
      liste = Cherche(s, std::move(minuscule));
      trouve = liste->Trouve;
    }
    return liste;
  }
  const std::string& premiere = liste->Analyse(0).Entree;
  const bool nomPropre = !premiere.empty() && premiere[0] >= 'A' && premiere[0] <= 'Z';
  if (nomPropre && !memeForme) {
    auto minuscules = Cherche(s, std::move(minuscule));
    if (minuscules->Trouve) liste->Fusionne(*minuscules);
  }
  return liste;
}

std::vector<std::string> TexteAnalyses(std::string_view forme, int mode, bool& trouve) {
  auto liste = Lemmatise(forme, trouve);
  if (trouve) return liste->Lignes(mode);
  return {std::string(forme) + " : ?"};
}
