// What the pupil reads: Latin forms rendered in French with the lexicon the
// build compiles from data/, through Traduction and through the context
// menu's "traduction" text, as listed in rendus.tsv.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "flexion/tests/aide.h"
#include "flexion/traduction.h"
#include "lexical/stores.h"
#include "lexical/tests/fixture.h"
#include "morpho/lemmatise.h"

namespace {

// Blanks made single and trimmed; "-" for an empty text.
std::string Net(const std::string& texte) {
  std::istringstream mots(texte);
  std::string resultat, mot;
  while (mots >> mot) resultat += (resultat.empty() ? "" : " ") + mot;
  return resultat.empty() ? "-" : resultat;
}

}  // namespace

TEST(Rendus, FormesLatinesEtFrancaisDeLEleve) {
  ASSERT_TRUE(std::filesystem::exists(LECTURIEL_LEX)) << "lexique absent : " << LECTURIEL_LEX;
  ChargeLexique(LECTURIEL_LEX);
  int cas = 0;
  for (const TCas& c : LisFixture(RENDUS_TSV)) {
    EXPECT_EQ(Net(U8(Traduction(c.Cp(0)))), c[1]) << c.Lieu << " (Traduction)";
    bool trouve = false;
    const auto analyses = Lemmatise(c.Cp(0), trouve);
    ASSERT_TRUE(analyses) << c.Lieu;
    EXPECT_EQ(Net(U8(TexteTraduction(*analyses))), c[2]) << c.Lieu << " (menu)";
    ++cas;
  }
  EXPECT_GT(cas, 30);
  LiberLexique();
}
