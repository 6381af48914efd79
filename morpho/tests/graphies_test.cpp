// The spellings a word is looked up under, from graphies.tsv.
#include "morpho/graphies.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lexical/tests/fixture.h"

namespace {
bool Contient(const std::vector<TVariante>& v, const std::string& forme, std::uint32_t garde = 0) {
  return std::find(v.begin(), v.end(), TVariante{forme, garde}) != v.end();
}
}  // namespace

TEST(Graphies, PrincipalesEtVariantesDesEditions) {
  for (const TCas& c : LisFixture(LECTURIEL_FIXTURES "/graphies.tsv")) {
    const std::string mot = c.Cp(0);
    if (c.Section == "principales") {
      std::vector<std::string> graphies;
      for (const std::string& g : c.Suite(1)) graphies.push_back(Utf8VersCp1252(g));
      EXPECT_EQ(GraphiesPrincipales(mot), graphies) << c.Lieu;
    } else {
      const std::uint32_t garde = c[2] == "-" || c[2].empty() ? 0 : Traits(c[2]);
      EXPECT_EQ(Contient(VariantesDeGraphie(mot), c.Cp(1), garde), c.Section == "variantes")
          << c.Lieu;
    }
  }
  EXPECT_TRUE(GraphiesPrincipales("").empty());
  // Long inputs get no variants, so that no word costs more than a few
  // searches; the contracted genitives and vocatives in -i are always tried.
  EXPECT_TRUE(VariantesDeGraphie(std::string(LongueurMaxVariantes + 1, 'u') + "o").empty());
  EXPECT_EQ(ContracteesEnI("ingeni"),
            (std::vector<TVariante>{{"ingenii", Traits("génitif singulier")},
                                    {"ingenie", Traits("vocatif singulier")}}));
  EXPECT_TRUE(ContracteesEnI("rosa").empty());
  EXPECT_TRUE(ContracteesEnI("i").empty());
  EXPECT_TRUE(ContracteesEnI(std::string(LongueurMaxVariantes + 1, 'i')).empty());
}
