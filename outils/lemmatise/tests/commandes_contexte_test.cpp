// lemmatise --contexte --tsv with the shipped lexicon and model: the exact
// row layout other programs read, the likeliest reading first, and the
// design's order without a model (the choices themselves are the core's
// test, morpho/tests/contexte_test.cpp).
#include "outils/lemmatise/commandes_contexte.h"

#include <gtest/gtest.h>

#include <sstream>

#include "lexical/lignes.h"
#include "lexical/stores.h"
#include "morpho/contexte.h"

namespace {

class CommandesContexte : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ChargeLexique(LECTURIEL_LEX); }
  static void TearDownTestSuite() { LiberLexique(); }
  const TModeleContexte modele_ = TModeleContexte::Lis(CheminContextePres(LECTURIEL_LEX));
};

// The rows of the output, cut into their tab-separated fields.
std::vector<std::vector<std::string>> Lignes(const std::string& texte) {
  std::vector<std::vector<std::string>> lignes;
  PourChaqueLigne(texte, [&](std::string_view ligne) {
    const std::vector<std::string_view> champs = DecoupeChamps(ligne, '\t');
    lignes.emplace_back(champs.begin(), champs.end());
  });
  return lignes;
}

std::string ContexteTsv(const TModeleContexte* modele, const std::string& entree) {
  std::istringstream in(entree);
  std::ostringstream out;
  CommandeContexteTsv(modele, in, out);
  return out.str();
}

}  // namespace

TEST_F(CommandesContexte, NumeroLignesTsvProbabilite) {
  const auto lignes = Lignes(ContexteTsv(&modele_, "suo\ngladio\n\n\nxyzzy\nne\n"));
  ASSERT_FALSE(lignes.empty());
  double somme[5] = {};
  int precedent = 1;
  for (const auto& l : lignes) {
    const int numero = std::stoi(l[0]);
    EXPECT_GE(numero, precedent);  // words numbered in order, blank lines not counted
    EXPECT_LE(numero, 4);
    precedent = numero;
    if (numero == 3) {
      EXPECT_EQ(l, (std::vector<std::string>{"3", "xyzzy", "?", "", "", "", ""}));
      continue;
    }
    ASSERT_EQ(l.size(), 8u);  // number, the six --tsv fields, the probability
    EXPECT_EQ(l[7].size(), 6u) << l[7];
    somme[numero] += std::stod(l[7]);
  }
  for (int n : {1, 2, 4}) EXPECT_NEAR(somme[n], 1.0, 0.001) << n;
  EXPECT_EQ(lignes.front()[2], "suus");
}

TEST_F(CommandesContexte, SansModeleOrdreDesVedettes) {
  const auto lignes = Lignes(ContexteTsv(nullptr, "ne\n"));
  // ne (adverb and conjunction, one heading), then the imperative of neo.
  ASSERT_EQ(lignes.size(), 2u);
  EXPECT_EQ(lignes[0][3].substr(0, 8), "ne, adv.");
  EXPECT_EQ(lignes[1][2], "neo");
  for (const auto& l : lignes) EXPECT_EQ(l[7], "0.5000");
}
