// What the pupil reads: Latin forms rendered in French with the lexicon the
// build compiles from data/, through Traduction and through the context
// menu's "traduction" text, as listed in rendus.tsv.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "flexion/aides_mot.h"
#include "flexion/tests/aide.h"
#include "flexion/traduction.h"
#include "lexical/stores.h"
#include "lexical/tests/fixture.h"
#include "morpho/contexte.h"
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
    const auto analyses = Lemmatise(c.Cp(0));
    ASSERT_TRUE(analyses) << c.Lieu;
    EXPECT_EQ(Net(U8(TexteTraduction(*analyses))), c[2]) << c.Lieu << " (menu)";
    ++cas;
  }
  EXPECT_GT(cas, 30);
  LiberLexique();
}

// The context menu's three texts follow the hover's order when the menu's
// word is read in its sentence: suo in "se suo gladio" is suus first (the
// design's order puts the verb suo "coudre" first), in the meanings and the
// analysis; without the model, or away from the word, the design's order
// stays.
TEST(Rendus, AidesDuMenuDansLOrdreDuContexte) {
  ChargeLexique(LECTURIEL_LEX);
  const TModeleContexte modele = TModeleContexte::Lis(CheminContextePres(LECTURIEL_LEX));
  const std::string phrase = "Miles se suo gladio interfecit.";
  const int suo = static_cast<int>(phrase.find("suo"));
  const std::optional<TAidesMot> dessin = AidesMot("suo");
  const std::optional<TAidesMot> lu = AidesMot("suo", &modele, phrase, suo);
  ASSERT_TRUE(dessin && lu);
  std::string survol;
  for (const std::string& ligne : TexteAnalysesEnContexte(&modele, phrase, suo))
    survol += ligne + "\r\n";
  EXPECT_EQ(lu->Morpho, survol);
  EXPECT_EQ(lu->Morpho.find("  suus, a, um"), lu->Morpho.find("\r\n") + 2) << U8(lu->Morpho);
  EXPECT_LT(dessin->Morpho.find("  suo, is"), dessin->Morpho.find("  suus, a, um"));
  EXPECT_NE(lu->Lexique, dessin->Lexique);
  // The same pieces, only in another order.
  EXPECT_EQ(lu->Lexique.size(), dessin->Lexique.size());
  EXPECT_EQ(lu->Morpho.size(), dessin->Morpho.size());
  EXPECT_EQ(lu->Traduction.size(), dessin->Traduction.size());
  // Without the model, or when the word at the position is another one.
  const std::optional<TAidesMot> sans = AidesMot("suo", nullptr, phrase, suo);
  const std::optional<TAidesMot> ailleurs = AidesMot("suo", &modele, phrase, 0);
  ASSERT_TRUE(sans && ailleurs);
  EXPECT_EQ(sans->Morpho, dessin->Morpho);
  EXPECT_EQ(ailleurs->Morpho, dessin->Morpho);
  LiberLexique();
}
