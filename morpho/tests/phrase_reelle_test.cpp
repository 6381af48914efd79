// The sample sentence of the reading window analysed with the lexicon that
// the build compiles from data/: every word must lead to its headword.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "lexical/chaines_latines.h"
#include "lexical/stores.h"
#include "morpho/lemmatise.h"

namespace {
std::vector<std::string> Vedettes(const std::string& mot) {
  bool trouve = false;
  auto liste = Lemmatise(mot, trouve);
  std::vector<std::string> vedettes;
  if (!liste) return vedettes;
  for (int i = 0; i < liste->Count(); ++i)
    vedettes.push_back(LettresInitiales(liste->Analyse(i).Entree));
  return vedettes;
}
}  // namespace

TEST(PhraseReelle, ChaqueMotMeneASaVedette) {
  if (!std::filesystem::exists(LECTURIEL_LEX)) GTEST_SKIP() << "lexique absent : " << LECTURIEL_LEX;
  ChargeLexique(LECTURIEL_LEX);
  const std::vector<std::pair<std::string, std::string>> attendus = {
      {"Ignoranti", "ignoro"}, {"quem", "qui"},  {"portum", "portus"}, {"petat", "peto"},
      {"nullus", "nullus"},    {"suus", "suus"}, {"uentus", "uentus"}, {"est", "sum"},
  };
  for (const auto& [mot, vedette] : attendus) {
    const auto trouvees = Vedettes(mot);
    EXPECT_NE(std::find(trouvees.begin(), trouvees.end(), vedette), trouvees.end())
        << mot << " ne mene pas a " << vedette;
  }
  LiberLexique();
}
