// The word under the pointer on a plain text: the cases of mulot.tsv, and
// the pointer followed line by line.
#include "pointeur/mulot.h"

#include <gtest/gtest.h>

#include "lexical/tests/fixture.h"
#include "pointeur/texte_simple.h"

namespace {

TEST(Mulot, CasDeLaFixture) {
  VerifieFixture(LisFixture(LECTURIEL_FIXTURES "/mulot.tsv"),
                 {{"mot-a-index",
                   [](const TCas& c) {
                     const std::string texte = c.Octets(0);
                     const int position =
                         static_cast<int>(texte.find(c.Octets(1))) + std::stoi(c[2]);
                     return MotAIndex(TTexteSimple(texte), position);
                   }},
                  {"texte-entre",
                   [](const TCas& c) {
                     return TexteEntre(TTexteSimple(c[0]), std::stoi(c[1]), std::stoi(c[2]));
                   }},
                  {"mot-suivant", [](const TCas& c) {
                     return std::to_string(TTexteSimple(c[0]).DebutDuMotSuivant(std::stoi(c[1])));
                   }}});
  EXPECT_EQ(TTexteSimple("quem  portum, petat").DebutDuMot(9), 6);
}

TEST(MotAuPoint, SuitLeTexteLigneParLigne) {
  const std::string phrase =
      "Ignoranti quem portum petat nullus suus uentus est. \r\n(S\xE9n\xE8que, Lettres, 71, 3)";
  TTexteSimple texte(phrase);
  const int p = static_cast<int>(phrase.find("petat"));
  EXPECT_EQ(MotAuPoint(texte, texte.XDe(p), texte.YDe(p)), "petat");
  const int l = static_cast<int>(phrase.find("Lettres")) + 3;
  EXPECT_EQ(texte.YDe(l), TTexteSimple::HauteurLigne * 3 / 2);
  EXPECT_EQ(MotAuPoint(texte, texte.XDe(l), texte.YDe(l)), "Lettres");
  // Beyond the end of a line and below the last line there is no character.
  EXPECT_EQ(CaractereAuPoint(texte, 1000, 1), -1);
  EXPECT_EQ(CaractereAuPoint(texte, 1, 1000), -1);
  EXPECT_EQ(MotAuPoint(texte, 1, 1000), "");
}

}  // namespace
