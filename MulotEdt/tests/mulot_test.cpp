#include "MulotEdt/mulot.h"

#include <gtest/gtest.h>

#include "MulotEdt/texte_simple.h"

namespace {

const std::string Phrase =
    "Ignoranti quem portum petat nullus suus uentus est. \r\n(S\xE9n\xE8que, Lettres, 71, 3)";

int Position(const std::string& texte, const std::string& morceau, int decalage = 0) {
  return static_cast<int>(texte.find(morceau)) + decalage;
}

// The word under a character: whole from any of its letters, punctuation
// alone, nothing on blanks, line ends and outside the text.
TEST(MotAIndex, MotSousLeCaractere) {
  const struct {
    std::string texte, morceau;
    int decalage;
    std::string mot;
  } cas[] = {{Phrase, "Ignoranti", 0, "Ignoranti"},
             {Phrase, "petat", 0, "petat"},
             {Phrase, "petat", 4, "petat"},
             {Phrase, "est.", 2, "est"},
             {Phrase, "est.", 3, "."},
             {Phrase, "(S", 0, "("},
             {Phrase, "S\xE9n", 0, "S\xE9n\xE8que"},
             {Phrase, "71", 0, "71"},
             {Phrase, " quem", 0, ""},
             {Phrase, "\r\n", 0, ""},
             {Phrase, "\r\n", 1, ""},
             {"", "", 0, ""},
             // The last word of a line stops before the line end.
             {"uentus\r\nest\tnullus\n", "uentus", 3, "uentus"},
             {"uentus\r\nest\tnullus\n", "est", 0, "est"},
             {"uentus\r\nest\tnullus\n", "nullus", 5, "nullus"}};
  for (const auto& c : cas)
    EXPECT_EQ(MotAIndex(TTexteSimple(c.texte), Position(c.texte, c.morceau, c.decalage)), c.mot)
        << c.morceau << "+" << c.decalage;
  TTexteSimple texte(Phrase);
  EXPECT_EQ(MotAIndex(texte, -1), "");
  EXPECT_EQ(MotAIndex(texte, static_cast<int>(Phrase.size())), "");
}

TEST(MotAuPoint, SuitLeTexteLigneParLigne) {
  TTexteSimple texte(Phrase);
  const int p = Position(Phrase, "petat");
  EXPECT_EQ(MotAuPoint(texte, texte.XDe(p), texte.YDe(p)), "petat");
  const int l = Position(Phrase, "Lettres", 3);
  EXPECT_EQ(texte.YDe(l), TTexteSimple::HauteurLigne * 3 / 2);
  EXPECT_EQ(MotAuPoint(texte, texte.XDe(l), texte.YDe(l)), "Lettres");
  // Beyond the end of a line and below the last line there is no character.
  EXPECT_EQ(CaractereAuPoint(texte, 1000, 1), -1);
  EXPECT_EQ(CaractereAuPoint(texte, 1, 1000), -1);
  EXPECT_EQ(MotAuPoint(texte, 1, 1000), "");
}

TEST(TexteEtNavigation, CoupeALaLongueurEtSauteLesBlancs) {
  TTexteSimple texte("nullus suus");
  EXPECT_EQ(TexteEntre(texte, 0, 0), "");
  EXPECT_EQ(TexteEntre(texte, 0, -3), "");
  EXPECT_EQ(TexteEntre(texte, 7, 100), "suus");
  EXPECT_EQ(TexteEntre(texte, 50, 2), "");
  TTexteSimple mots("quem  portum, petat");
  for (const auto& [depuis, suivant] : {std::pair{0, 6}, {6, 12}, {12, 14}, {14, 19}})
    EXPECT_EQ(mots.DebutDuMotSuivant(depuis), suivant) << depuis;
  EXPECT_EQ(mots.DebutDuMot(9), 6);
}

}  // namespace
