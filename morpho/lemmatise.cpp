#include "morpho/lemmatise.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "lexical/chaines_latines.h"
#include "lexical/desinences.h"
#include "lexical/erreur.h"
#include "lexical/irreguliers.h"
#include "lexical/lexique.h"
#include "lexical/messages.h"
#include "lexical/modeles.h"
#include "lexical/stores.h"
#include "lexical/vocabulaire.h"
#include "morpho/graphies.h"
#include "morpho/lectures_admises.h"

// Readings of a form that is itself a headword.
namespace {
constexpr Morpho AccusatifSingulier = Trait::Accusatif | Trait::Singulier;
constexpr Morpho TroisiemePersonnePresentActif =
    Trait::TroisiemePersonne | Trait::Singulier | Trait::Present | Trait::Indicatif | Trait::Actif;

// An impersonal verb, so marked in the dictionary information of its entry
// (the text before " : "), is cited in the third person.
bool Impersonnel(const TDonneesLexicales& e) {
  const std::string_view sens = e.Sens;
  return sens.substr(0, sens.find(" : ")).find("impers.") != std::string_view::npos;
}
}  // namespace

Morpho MorphoDeVedette(const TDonneesLexicales& e) {
  const TModele& modele = FicheModele(e.Modele);
  if (modele.Verbe && Impersonnel(e)) return TroisiemePersonnePresentActif;
  return modele.LectureVedette;
}

namespace {

// The three stores, borrowed for one search.
struct Stores {
  const TLexique& Lex;
  const TListeDes& Des;
  const TListeIrreg& Irr;
};

Stores StoresCharges() {
  if (!StoresPrets()) throw Erreur(MessageLexiqueNonCharge);
  return {*Lexique, *Desinences, *Irreguliers};
}

// The search on one exact form, filling `liste` (whose Forme is the form).
class TRecherche {
 public:
  explicit TRecherche(const Stores& s) : s_(s) {}

  // The headword, irregular and ending stages on exactly the form given.
  std::unique_ptr<TListeAnalyses> Etapes(const std::string& f) {
    auto liste = std::make_unique<TListeAnalyses>(f);
    if (f.empty()) return liste;
    cible_ = liste.get();
    int position = 0;
    irreguliers_ = s_.Irr.Find(f, position) ? &s_.Irr.Lectures(position) : nullptr;
    EtapeIrreguliers(f);
    EtapeDesinences(f);
    EtapeLexique(f);
    cible_ = nullptr;
    return liste;
  }

 private:
  // Every entry whose headword is exactly the form.  Headwords equal ignoring
  // case stand side by side in the lexicon; the whole run is walked so that
  // "liber" is found even when "Liber" sorts first.  The readings a headword
  // gets by default (nominative singular, first person of the present) are
  // weighed against what the irregular forms and the endings, which ran
  // first, read of the same entry: a pronoun whose forms are listed keeps
  // only them (se is no nominative), a verb read in the first person
  // singular of another tense keeps that one (coepi is no present), and no
  // reading is shown twice.
  void EtapeLexique(const std::string& f) {
    int position = 0;
    if (!s_.Lex.Find(f, position)) return;
    struct TDefaut {
      std::string Entete;
      const TDonneesLexicales* E;
      std::vector<Morpho> Lectures;
    };
    std::vector<TDefaut> defauts;
    for (; position < s_.Lex.Count() && CompareCles(s_.Lex.Cle(position), f) == 0; ++position) {
      const std::string& cle = s_.Lex.Cle(position);
      if (cle != f) continue;
      const TDonneesLexicales& e = s_.Lex.DonneesApresRenvoi(position);
      TDefaut d{cle + ", " + e.Sens, &e, {}};
      if (PartieDuModele(e.Modele) == Partie::Nom && e.Genre == Genre::Neutre)
        d.Lectures.push_back(AccusatifSingulier);
      // One reading per case: rex is a nominative and a vocative.
      const Morpho m = MorphoDeVedette(e);
      for (Morpho cas : MasquesCas)
        if (m & cas) d.Lectures.push_back((m & ~Trait::TousCas) | cas);
      if (!(m & Trait::TousCas)) d.Lectures.push_back(m);
      int i = 0;
      // Weighed against the other stages only, not against another entry
      // of the same heading.
      if (cible_->Find(d.Entete, i)) {
        const TAnalyse& deja = cible_->Analyse(i);
        std::erase_if(d.Lectures, [&](Morpho m) { return LectureCouverte(deja, e, m); });
        if (d.Lectures.empty()) continue;
      }
      defauts.push_back(std::move(d));
    }
    for (const TDefaut& d : defauts) {
      if (d.Lectures.empty()) continue;
      for (Morpho m : d.Lectures) cible_->Ajoute(d.Entete, d.E->Modele, m, *d.E);
    }
  }

  // Whether the readings already found for an entry make its default reading
  // `m` needless or false.
  static bool LectureCouverte(const TAnalyse& deja, const TDonneesLexicales& e, Morpho m) {
    const TModele& modele = FicheModele(e.Modele);
    if (modele.Partie == Partie::Pronom) return !deja.Lectures.empty();
    const bool verbe = modele.Verbe;
    const Morpho masque = !verbe           ? (Trait::TousCas | Trait::TousNombres)
                          : Impersonnel(e) ? m
                                           : (Trait::ToutesPersonnes | Trait::TousNombres);
    for (const TLecture& d : deja.Lectures)
      if ((d.Morpho & m & masque) == (m & masque)) return true;
    return false;
  }

  // Every entry of the lemma's key and model, so that homographs of one
  // model are all reached.
  void EtapeIrreguliers(const std::string& f) {
    int position = 0;
    if (!s_.Irr.Find(f, position)) return;
    for (const TLectureIrreguliere& d : s_.Irr.Lectures(position)) {
      for (int p : s_.Lex.EntreesDeModele(d.Lemme, d.Modele)) {
        const TDonneesLexicales& e = s_.Lex.DonneesApresRenvoi(p);
        cible_->Ajoute(s_.Lex.Cle(p) + ", " + e.Sens, e.Modele, d.Morpho, e);
      }
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
      for (auto& c : listes_) c.reset();
      prefixeAuLexique_ = PrefixeAuLexique(radical);
      const std::string_view terminaison = std::string_view(f).substr(k);
      for (const TLecture& d : s_.Des.Lectures(position)) AccepteLecture(radical, terminaison, d);
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

  // The entries that list the stem in the index of a stem number (1, 2 or
  // 3), looked up once per stem whatever the model.
  const std::vector<int>& EntreesListant(const std::string& radical, int numero) {
    auto& memo = listes_[static_cast<std::size_t>(numero - 1)];
    if (!memo) {
      const TRadicaux& index = numero == 1   ? s_.Lex.Radicaux1
                               : numero == 2 ? s_.Lex.Radicaux2
                                             : s_.Lex.Radicaux3;
      memo = index.EntreesDe(radical);
    }
    return *memo;
  }

  const TConfirmation& Confirme(const std::string& radical, int numero, int modele) {
    for (const TConfirmation& c : confirmes_)
      if (c.Radical == numero && c.Modele == modele) return c;
    TConfirmation c;
    c.Radical = numero;
    c.Modele = modele;
    std::vector<int> positions;
    const std::optional<std::string> cle =
        numero == 1 ? CleReconstruite(radical, modele) : std::nullopt;
    if (cle) {
      // A headword rebuilt on the stem cannot exist when no headword
      // begins with the stem.
      if (prefixeAuLexique_) positions = s_.Lex.EntreesDeModele(*cle, modele);
    } else {
      // A listed stem leads only to the entry that lists it, and only
      // when that entry (through its cross-reference) has the model.
      for (int p : EntreesListant(radical, numero))
        if (s_.Lex.DonneesApresRenvoi(p).Modele == modele) positions.push_back(p);
    }
    for (int p : positions)
      c.Entrees.emplace_back(p, s_.Lex.Vedette(p) + ", " + s_.Lex.DonneesApresRenvoi(p).Sens);
    confirmes_.push_back(std::move(c));
    return confirmes_.back();
  }

  void AccepteLecture(const std::string& radical, std::string_view terminaison, const TLecture& d) {
    if (d.Radical < 1 || d.Radical > 3) return;
    // Stem 1 of models without a citation ending or a listed stem (pronouns,
    // invariables) confirms nothing; an entry takes only the readings its
    // word has (lectures_admises.h).
    for (const auto& [p, entete] : Confirme(radical, d.Radical, d.Modele).Entrees) {
      const TDonneesLexicales& e = s_.Lex.DonneesApresRenvoi(p);
      const auto m = LectureAdmise(e, radical, terminaison, d);
      if (m && !Listee(s_.Lex.Cle(p), d.Modele, *m)) cible_->Ajoute(entete, d.Modele, *m, e);
    }
  }

  // Whether the form is listed among the irregular forms of the lemma with
  // this reading: a regular form listed so that an irregular one stands
  // beside it in the tables (domus beside domi, domuum beside domorum) is read
  // once, from the list.
  bool Listee(const std::string& cle, int modele, Morpho m) const {
    if (!irreguliers_) return false;
    return std::any_of(irreguliers_->begin(), irreguliers_->end(),
                       [&](const TLectureIrreguliere& i) {
                         return i.Modele == modele && i.Morpho == m && i.Lemme == cle;
                       });
  }

  const Stores& s_;
  TListeAnalyses* cible_ = nullptr;                                // the list the stages fill
  const std::vector<TLectureIrreguliere>* irreguliers_ = nullptr;  // of the form being searched
  // For the stem being tried:
  std::vector<TConfirmation> confirmes_;
  std::array<std::optional<std::vector<int>>, 3> listes_;  // stems 1, 2 and 3
  bool prefixeAuLexique_ = true;
};

// Keeps only the readings that hold every bit of `garde`, and only the
// analyses left with a reading.
void Garde(TListeAnalyses& liste, Morpho garde) {
  if (garde == 0) return;
  for (int i = liste.Count(); i-- > 0;) {
    TListeLectures& lectures = liste.Analyse(i).Lectures;
    std::erase_if(lectures, [&](const TLecture& d) { return (d.Morpho & garde) != garde; });
    if (lectures.empty()) liste.Delete(i);
  }
}

// The stages on each spelling; the lists that found something are merged
// into the first of them.  nullptr when none found anything.
std::unique_ptr<TListeAnalyses> AnalysesDesGraphies(TRecherche& r,
                                                    const std::vector<TVariante>& graphies) {
  std::unique_ptr<TListeAnalyses> resultat;
  for (const TVariante& g : graphies) {
    auto liste = r.Etapes(g.Forme);
    Garde(*liste, g.Garde);
    if (liste->Count() == 0) continue;
    if (resultat)
      resultat->Fusionne(*liste);
    else
      resultat = std::move(liste);
  }
  return resultat;
}

// The spellings, then, when none of them finds anything, their variants.
std::unique_ptr<TListeAnalyses> CherchePlusieurs(TRecherche& r,
                                                 const std::vector<std::string>& graphies,
                                                 bool variantesPermises) {
  std::vector<TVariante> principales;
  for (const std::string& g : graphies) principales.push_back({g, 0});
  if (auto liste = AnalysesDesGraphies(r, principales)) {
    // A contracted genitive or vocative (ingeni, Pompei, Vergili) is often
    // also some other word's form (ingeni, imperative of ingeno): the
    // readings of the full spelling are added, restricted to that case.
    if (variantesPermises) {
      std::vector<TVariante> contractees;
      for (const std::string& g : graphies)
        for (TVariante& v : ContracteesEnI(g))
          if (std::find(contractees.begin(), contractees.end(), v) == contractees.end())
            contractees.push_back(std::move(v));
      if (auto ajout = AnalysesDesGraphies(r, contractees)) liste->Fusionne(*ajout);
    }
    return liste;
  }
  if (!variantesPermises) return nullptr;
  std::vector<TVariante> variantes;
  std::vector<std::size_t> origines;  // the spelling each variant comes from
  const auto rassemble = [&](auto donneVariantes) {
    variantes.clear();
    origines.clear();
    for (std::size_t i = 0; i < graphies.size(); ++i)
      for (TVariante& v : donneVariantes(graphies[i]))
        if (std::find(variantes.begin(), variantes.end(), v) == variantes.end()) {
          variantes.push_back(std::move(v));
          origines.push_back(i);
        }
  };
  rassemble(VariantesDeGraphie);
  auto trouvees = AnalysesDesGraphies(r, variantes);
  // Two rules at once (optumumst) only when one rule finds nothing.
  if (!trouvees) {
    rassemble(VariantesDeDeuxRegles);
    trouvees = AnalysesDesGraphies(r, variantes);
  }
  if (!trouvees) return nullptr;
  // The list keeps the spelling of the text; its analyses the variant that
  // found them.
  std::size_t origine = 0;
  for (std::size_t i = 0; i < variantes.size(); ++i)
    if (variantes[i].Forme == trouvees->Forme) {
      origine = origines[i];
      break;
    }
  auto liste = std::make_unique<TListeAnalyses>(graphies[origine]);
  liste->Fusionne(*trouvees);
  return liste;
}

// The whole search over the spellings of one word.  Only when nothing at all
// is found are enclitics removed, one after the other, until the remainder is
// found; the analyses keep the remainder as their form, the list the spelling
// it came from.  A loop rather than a nested search, so that no input can
// exhaust the stack.  nullptr when nothing is found.
std::unique_ptr<TListeAnalyses> Cherche(const Stores& s, const std::vector<std::string>& graphies,
                                        bool variantes) {
  TRecherche r(s);
  if (auto liste = CherchePlusieurs(r, graphies, variantes)) return liste;
  std::vector<std::pair<std::string, std::string>> restes;  // spelling, remainder
  for (const std::string& g : graphies) restes.emplace_back(g, g);
  while (true) {
    std::vector<std::pair<std::string, std::string>> suivants;
    for (auto& [graphie, reste] : restes) {
      std::string court = SansEnclitique(reste);
      if (!court.empty()) suivants.emplace_back(graphie, std::move(court));
    }
    if (suivants.empty()) break;
    restes = std::move(suivants);
    std::vector<std::string> formes;
    for (const auto& [graphie, reste] : restes) formes.push_back(reste);
    if (auto interne = CherchePlusieurs(r, formes, variantes)) {
      std::string forme = restes.front().first;
      for (const auto& [graphie, reste] : restes)
        if (reste == interne->Forme) {
          forme = graphie;
          break;
        }
      auto liste = std::make_unique<TListeAnalyses>(std::move(forme));
      liste->Fusionne(*interne);
      return liste;
    }
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<TListeAnalyses> Lemmatise(std::string_view forme) {
  if (forme.empty() || forme.size() > LongueurMaxForme) return nullptr;
  const Stores s = StoresCharges();

  // A word that begins with a capital gets the readings of its lower-case
  // spelling too (Quod: the conjunction beside the relative; Hic: the
  // adverb beside the pronoun), and V and J read as U and I (Venus).
  return Cherche(s, GraphiesPrincipales(forme), true);
}

std::vector<std::string> TexteAnalyses(std::string_view forme, Disposition disposition) {
  if (const auto liste = Lemmatise(forme)) return liste->Lignes(disposition);
  return {std::string(forme) + " : ?"};
}
