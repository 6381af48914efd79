// The sample sentence of the reading window analysed with the lexicon that
// the build compiles from data/: every word must lead to its headword.
#include <gtest/gtest.h>

#include <filesystem>

#include "lexical/chaines_latines.h"
#include "lexical/stores.h"
#include "morpho/lemmatise.h"

TEST(PhraseReelle, ChaqueMotMeneASaVedette) {
  ASSERT_TRUE(std::filesystem::exists(LECTURIEL_LEX)) << "lexique absent : " << LECTURIEL_LEX;
  ChargeLexique(LECTURIEL_LEX);
  for (auto [mot, vedette] : {std::pair{"Ignoranti", "ignoro"},
                              {"quem", "qui"},
                              {"portum", "portus"},
                              {"petat", "peto"},
                              {"nullus", "nullus"},
                              {"suus", "suus"},
                              {"uentus", "uentus"},
                              {"est", "sum"}}) {
    bool mene = false;
    const auto liste = Lemmatise(mot);
    for (int i = 0; liste && i < liste->Count(); ++i)
      mene = mene || LettresInitiales(liste->Analyse(i).Entree) == vedette;
    EXPECT_TRUE(mene) << mot << " ne mene pas a " << vedette;
  }
  LiberLexique();
}
