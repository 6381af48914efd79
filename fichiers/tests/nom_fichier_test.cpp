// A pupil's name made into a file name (the names typed are cases of
// fichiers.tsv): whatever the name, the notes file stays a plain file name
// in the notes folder; "../../x" used to escape it.
#include "fichiers/nom_fichier.h"

#include <gtest/gtest.h>

#include <string>

#include "fichiers/notes.h"

namespace {

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
