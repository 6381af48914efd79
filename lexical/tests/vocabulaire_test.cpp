// The grammatical vocabulary and the Latin string helpers: the cases of
// vocabulaire.tsv, and the places of the bits that quirandole.lex stores.
#include "lexical/vocabulaire.h"

#include <gtest/gtest.h>

#include "lexical/chaines_latines.h"
#include "lexical/lecture.h"
#include "lexical/tests/fixture.h"

namespace {
Morpho TraitsOuRien(const std::string& texte) { return texte == "-" ? 0 : Traits(texte); }
}  // namespace

TEST(Vocabulaire, CasDeLaFixture) {
  VerifieFixture(
      LisFixture(LECTURIEL_FIXTURES "/vocabulaire.tsv"),
      {{"libelle",
        [](const TCas& c) {
          const TLecture d{std::stoi(c[0]), std::stoi(c[1]), TraitsOuRien(c[2])};
          return Cp1252VersUtf8(d.Libelle(c[3] == "oui"));
        }},
       {"accesseurs",
        [](const TCas& c) {
          const TLecture d{std::stoi(c[0]), 1, Traits(c[1])};
          std::string r;
          for (int n : {d.NumCas(), d.NumNombre(), d.NumGenre(), d.NumPersonne(), d.NumTemps(),
                        d.NumMode(), d.NumVoix()})
            r += (r.empty() ? "" : " ") + std::to_string(n);
          return r;
        }},
       {"index-cas", [](const TCas& c) { return std::to_string(IndexCas(TraitsOuRien(c[0]))); }},
       {"modele", [](const TCas& c) { return std::to_string(ModeleParNom(c[0])); }},
       {"partie",
        [](const TCas& c) -> std::string {
          const char* noms[] = {"aucune", "nom", "adjectif", "pronom", "verbe", "invariable"};
          return noms[TLecture{std::stoi(c[0])}.Partie() + 1];
        }},
       {"normalise", [](const TCas& c) { return Normalise(c[0]); }},
       {"lettres-initiales", [](const TCas& c) { return LettresInitiales(c.Cp(0)); }},
       {"sans-enclitique", [](const TCas& c) { return SansEnclitique(c[0]); }},
       {"sans-suffixe", [](const TCas& c) { return SansSuffixe(c[0], c.Octets(1)); }}});
}

// The bits are what quirandole.lex stores: their places never move.
TEST(Vocabulaire, PlaceDesBitsDansLeMotMorphologique) {
  using namespace Trait;
  const std::pair<Morpho, int> premiers[] = {
      {Nominatif, 0},       {Singulier, 6},  {Masculin, 8}, {PremierePersonne, 11},
      {Present, 14},        {Futur, 15},  // the future comes before the imperfect
      {Indicatif, 20},      {Actif, 27},     {Positif, 29}, {PlusQueParfait, 19},
      {AdjectifVerbal, 26}, {Superlatif, 31}};
  for (auto [bit, place] : premiers) EXPECT_EQ(bit, Morpho{1} << place) << place;
}
