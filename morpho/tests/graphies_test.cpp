// The spellings a word is looked up under, from graphies.tsv; the rules of
// data/graphies.txt each with a case there, and on the lexicon the build
// compiles from data/, the headword each case leads to.
#include "morpho/graphies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "lexical/chaines_latines.h"
#include "lexical/stores.h"
#include "lexical/tests/fixture.h"
#include "morpho/lemmatise.h"
#include "morpho/regles_graphies.h"

namespace {
bool Contient(const std::vector<TVariante>& v, const std::string& forme, std::uint32_t garde = 0) {
  return std::find(v.begin(), v.end(), TVariante{forme, garde}) != v.end();
}

// Whether the rule turns mot into variante at one of its places.
bool Donne(const TRegleGraphie& r, std::string_view mot, std::string_view variante) {
  if (r.LongueurMax != 0 && mot.size() > r.LongueurMax) return false;
  if (r.Ou == LieuGraphie::Fin)
    return mot.size() > r.De.size() && mot.ends_with(r.De) &&
           variante == std::string(mot.substr(0, mot.size() - r.De.size())).append(r.Vers);
  for (std::size_t p = mot.find(r.De); p != std::string_view::npos; p = mot.find(r.De, p + 1)) {
    if (r.Ou == LieuGraphie::Debut && p != 0) break;
    if (std::string(mot).replace(p, r.De.size(), r.Vers) == variante) return true;
  }
  return false;
}

std::string Garde(const TCas& c, std::size_t i) { return c[i] == "-" || c[i].empty() ? "" : c[i]; }
}  // namespace

TEST(Graphies, PrincipalesEtVariantesDesEditions) {
  for (const TCas& c : LisFixture(LECTURIEL_FIXTURES "/graphies.tsv")) {
    const std::string mot = c.Cp(0);
    if (c.Section == "principales") {
      std::vector<std::string> graphies;
      for (const std::string& g : c.Suite(1)) graphies.push_back(Utf8VersCp1252(g));
      EXPECT_EQ(GraphiesPrincipales(mot), graphies) << c.Lieu;
    } else if (c.Section == "variantes" || c.Section == "pas de variante") {
      const std::string garde = Garde(c, 2);
      EXPECT_EQ(Contient(VariantesDeGraphie(mot), c.Cp(1), garde.empty() ? 0 : Traits(garde)),
                c.Section == "variantes")
          << c.Lieu;
    } else if (c.Section == "deux regles") {
      const std::string garde = Garde(c, 2);
      EXPECT_TRUE(Contient(VariantesDeDeuxRegles(mot), c.Cp(1), garde.empty() ? 0 : Traits(garde)))
          << c.Lieu;
    } else if (c.Section == "pas de deux regles") {
      const std::vector<TVariante> doubles = VariantesDeDeuxRegles(mot);
      EXPECT_TRUE(std::none_of(doubles.begin(), doubles.end(), [&](const TVariante& v) {
        return v.Forme == c.Cp(1);
      })) << c.Lieu;
    }
  }
  EXPECT_TRUE(GraphiesPrincipales("").empty());
  // Long inputs get no variants, so that no word costs more than a few
  // searches; the contracted genitives and vocatives in -i are always tried.
  EXPECT_TRUE(VariantesDeGraphie(std::string(LongueurMaxVariantes + 1, 'u') + "o").empty());
  EXPECT_TRUE(VariantesDeDeuxRegles(std::string(LongueurMaxVariantes, 'u') + "mst").empty());
  EXPECT_EQ(ContracteesEnI("ingeni"),
            (std::vector<TVariante>{{"ingenii", Traits("génitif singulier")},
                                    {"ingenie", Traits("vocatif singulier")}}));
  EXPECT_TRUE(ContracteesEnI("rosa").empty());
  EXPECT_TRUE(ContracteesEnI("i").empty());
  EXPECT_TRUE(ContracteesEnI(std::string(LongueurMaxVariantes + 1, 'i')).empty());
}

// A rule is a line of data/graphies.txt and a case of graphies.tsv: a rule
// no case exercises fails here, with the line to write.
TEST(Graphies, ChaqueRegleASonCas) {
  const std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/graphies.tsv");
  ASSERT_FALSE(ReglesGraphies.Regles.empty());
  for (const TRegleGraphie& r : ReglesGraphies.Regles) {
    const bool vue = std::any_of(cas.begin(), cas.end(), [&](const TCas& c) {
      const std::size_t colonneGarde = c.Section == "mene a" ? 3 : 2;
      const std::string garde = Garde(c, colonneGarde);
      return (c.Section == "variantes" || c.Section == "mene a") &&
             (garde.empty() ? 0 : Traits(garde)) == r.Garde && Donne(r, c.Cp(0), c.Cp(1));
    });
    EXPECT_TRUE(vue) << "aucun cas de graphies.tsv pour la règle " << r.De << " -> " << r.Vers;
  }
}

// On the shipped lexicon, each form of [mene a] has the spelling tried among
// its variants, that spelling as written finds the headword, the form as
// written does not (the rule is what reaches it), and the whole search on the
// form does.
TEST(Graphies, LesVariantesMenentALaVedette) {
  ASSERT_TRUE(std::filesystem::exists(LECTURIEL_LEX)) << "lexique absent : " << LECTURIEL_LEX;
  ChargeLexique(LECTURIEL_LEX);
  const auto mene = [](const std::unique_ptr<TListeAnalyses>& liste, const std::string& vedette) {
    for (int i = 0; liste && i < liste->Count(); ++i)
      if (LettresInitiales(liste->Analyse(i).Entree) == vedette) return true;
    return false;
  };
  for (const TCas& c : Section(LisFixture(LECTURIEL_FIXTURES "/graphies.tsv"), "mene a")) {
    const std::string mot = c.Cp(0), variante = c.Cp(1), vedette = c.Cp(2);
    const std::string garde = Garde(c, 3);
    std::vector<TVariante> essayees = VariantesDeGraphie(mot);
    for (TVariante& v : ContracteesEnI(mot)) essayees.push_back(std::move(v));
    for (TVariante& v : VariantesDeDeuxRegles(mot)) essayees.push_back(std::move(v));
    EXPECT_TRUE(Contient(essayees, variante, garde.empty() ? 0 : Traits(garde))) << c.Lieu;
    EXPECT_TRUE(mene(Lemmatise(variante), vedette)) << c.Lieu << " : " << c[1];
    EXPECT_TRUE(mene(Lemmatise(mot), vedette)) << c.Lieu << " : " << c[0];
  }
  LiberLexique();
}
