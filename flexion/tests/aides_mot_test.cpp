// The context menu's three helps computed without a window: meanings,
// analysis lines and French rendering of a word, on a small lexicon.
#include "flexion/aides_mot.h"

#include <gtest/gtest.h>

#include "flexion/tests/aide.h"
#include "lexical/erreur.h"
#include "morpho/lemmatise.h"
#include "morpho/tests/petit_lexique.h"

using namespace traits;

namespace {

class AidesDuMot : public ::testing::Test {
 protected:
  void SetUp() override {
    // Three verbs written amo: two meanings, and one that repeats the first.
    lex_.Entree("uentus", "amicus", 0, "", "", "i, m. : vent")
        .Entree("amo", "amo", -1, "amau", "amat", "as, are : aimer")
        .Entree("amo", "amo", -1, "amau", "amat", Cp("as, are : chérir"))
        .Entree("amo", "amo", -1, "amau", "amat", "as, are : aimer, adorer")
        .Entree("suus", "bonus", -1, "", "", "a, um : son")
        .Desinence("us", "amicus", 1, Nom | Sg)
        .Desinence("os", "amicus", 1, Acc | Pl)
        .Desinence("us", "bonus", 1, Nom | Sg | Masc)
        .Desinence("at", "amo", 1, P3 | Sg | Pres | Ind | Actif)
        .Installe();
  }
  PetitLexique lex_;
};

// The hover text, each line ended as the notes pane receives it.
std::string Survol(const std::string& mot) {
  bool trouve = false;
  std::string texte;
  for (const std::string& ligne : TexteAnalyses(mot, 2, trouve)) texte += ligne + "\r\n";
  return texte;
}

}  // namespace

TEST_F(AidesDuMot, TroisTextesParMot) {
  struct Cas {
    const char* mot;
    const char* lexique;
    const char* traduction;
  };
  // clang-format off
  const Cas cas[] = {
      {"uentus", " vent", " vent"},
      {"uentos", " vent", " vents"},
      // An adjective has meanings and an analysis, but no rendering.
      {"suus", " son", ""},
      // Each verb analysis gives its own form, a form already given is not
      // repeated.
      {"amat", " aimer aimer, adorer chérir", " il aime il chérit"},
  };
  // clang-format on
  for (const Cas& c : cas) {
    const std::optional<TAidesMot> aides = AidesMot(c.mot);
    ASSERT_TRUE(aides) << c.mot;
    EXPECT_EQ(U8(aides->Lexique), c.lexique) << c.mot;
    EXPECT_EQ(aides->Morpho, Survol(c.mot)) << c.mot;
    EXPECT_EQ(U8(aides->Traduction), c.traduction) << c.mot;
  }
}

TEST_F(AidesDuMot, SansAnalysePasDAide) {
  EXPECT_FALSE(AidesMot("xyz"));
  EXPECT_FALSE(AidesMot(""));
}

TEST(AidesMot, SansLexiqueErreur) {
  LiberLexique();
  EXPECT_THROW(AidesMot("amat"), Erreur);
}
