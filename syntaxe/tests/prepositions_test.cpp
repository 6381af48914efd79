// The short spellings of the ablative prepositions, with the lexicon the
// build compiles from data/, which files a and abs under ab and e under ex.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "lexical/stores.h"
#include "syntaxe/lien_syntaxique.h"

// "a puero" gave no line while "ab urbe" gave the preposition line.
TEST(PrepositionsCourtes, IntroduisentLAblatifCommeLaFormePleine) {
  ASSERT_TRUE(std::filesystem::exists(LECTURIEL_LEX)) << "lexique absent : " << LECTURIEL_LEX;
  ChargeLexique(LECTURIEL_LEX);
  for (auto [preposition, nom] : {std::tuple{"a", "puero"},
                                  {"ab", "urbe"},
                                  {"abs", "te"},
                                  {"e", "castris"},
                                  {"ex", "urbe"},
                                  {"A", "puero"}}) {
    const std::string ligne =
        std::string("la pr\xE9position ") + preposition + " introduit l'ablatif " + nom;
    const TLienSyntaxique lien(preposition, nom);
    const auto& liens = lien.Liens();
    EXPECT_NE(std::find(liens.begin(), liens.end(), ligne), liens.end())
        << preposition << " " << nom;
  }
  LiberLexique();
}
