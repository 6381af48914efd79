// A pupil's name made into a file name: what used to escape the notes folder
// ("../../x") or fail at every save ("Marie/Paul") now stays a plain name.
#include "princ/fichiers/nom_fichier.h"

#include <gtest/gtest.h>

#include <string>

#include "princ/fichiers/notes.h"

namespace {

struct TCasNom {
  std::string tape, attendu;
};

TEST(NomDeFichier, NomsTapesParLesEleves) {
  const TCasNom cas[] = {
      {"Eleve", "Eleve"},
      {"", ""},
      {"Marie Dupont", "Marie Dupont"},
      {"Mar\xC3\xA9"
       "e",
       "Mar\xC3\xA9"
       "e"},  // accents kept
      {"Marie/Paul", "Marie-Paul"},
      {"Marie\\Paul", "Marie-Paul"},
      {"../../x", "----x"},
      {"..", "-"},
      {"...", "-."},  // the dot left is harmless before "-texte.txt"
      {".cache", "cache"},
      {"a..b", "a-b"},
      {"a.b", "a.b"},
      {"nom\tavec\ncontr\x7Fles", "nom-avec-contr-les"},
      {"C1\xC2\x85"
       "fin",
       "C1-fin"},
      {"q?u*e<l>s:|\"", "q-u-e-l-s---"},
  };
  for (const auto& [tape, attendu] : cas) EXPECT_EQ(NomDeFichier(tape), attendu) << tape;
}

TEST(NomDeFichier, NomTropLongCoupeEntreDeuxCaracteres) {
  std::string long_;
  for (int i = 0; i < 80; ++i) long_ += "\xC3\xA9";  // 160 bytes of "é"
  const std::string sur = NomDeFichier(long_);
  EXPECT_LE(sur.size(), 100u);
  EXPECT_EQ(sur.size() % 2, 0u);
  EXPECT_EQ(sur, long_.substr(0, sur.size()));
  EXPECT_EQ(NomDeFichier(std::string(300, 'a')), std::string(100, 'a'));
}

// Whatever the name, the notes file is a plain file name in the notes folder.
TEST(NomDeFichier, CheminDesNotesToujoursDansLeDossier) {
  for (const char* tape :
       {"../../x", "..", "/etc/passwd", "a/../../b", "\\..\\..\\c", ".", "./.."}) {
    const std::string chemin = CheminNotes("/notes", NomDeFichier(tape), "/textes/lettre71.txt");
    ASSERT_EQ(chemin.rfind("/notes/", 0), 0u) << tape;
    const std::string nom = chemin.substr(7);
    EXPECT_EQ(nom.find('/'), std::string::npos) << tape;
    EXPECT_EQ(nom.find(".."), std::string::npos) << tape;
    EXPECT_NE(nom.front(), '.') << tape;
  }
}

}  // namespace
