// What the pupil reads: Latin forms rendered in French with the lexicon the
// build compiles from data/, through Traduction and through the context
// menu's "traduction" text, as listed in rendus.tsv.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "flexion/tests/aide.h"
#include "flexion/traduction.h"
#include "lexical/stores.h"
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
  std::ifstream fichier(RENDUS_TSV);
  ASSERT_TRUE(fichier) << RENDUS_TSV;
  std::string ligne;
  int cas = 0;
  while (std::getline(fichier, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    std::istringstream champs(ligne);
    std::string forme, traduction, menu;
    std::getline(champs, forme, '\t');
    std::getline(champs, traduction, '\t');
    std::getline(champs, menu, '\t');
    const std::string latin = Cp(forme);
    EXPECT_EQ(Net(U8(Traduction(latin))), traduction) << forme << " (Traduction)";
    bool trouve = false;
    const auto analyses = Lemmatise(latin, trouve);
    ASSERT_TRUE(analyses) << forme;
    EXPECT_EQ(Net(U8(TexteTraduction(*analyses))), menu) << forme << " (menu)";
    ++cas;
  }
  EXPECT_GT(cas, 30);
  LiberLexique();
}
