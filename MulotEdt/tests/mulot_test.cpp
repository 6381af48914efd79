#include <gtest/gtest.h>

#include "mulot.h"
#include "texte_simple.h"

namespace {

const std::string Phrase = "Ignoranti quem portum petat nullus suus uentus est. \r\n(S\xE9n\xE8que, Lettres, 71, 3)";

int Position(const std::string& texte, const std::string& morceau, int decalage = 0) {
  return static_cast<int>(texte.find(morceau)) + decalage;
}

TEST(MotAIndex, TrouveLeMotEntierDepuisNImporteQuelleLettre) {
  TTexteSimple texte(Phrase);
  const int p = Position(Phrase, "petat");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(MotAIndex(texte, p + i), "petat") << i;
  EXPECT_EQ(MotAIndex(texte, 0), "Ignoranti");
}

TEST(MotAIndex, LaPonctuationNeFaitPasPartieDuMot) {
  TTexteSimple texte(Phrase);
  EXPECT_EQ(MotAIndex(texte, Position(Phrase, "est.", 2)), "est");
  EXPECT_EQ(MotAIndex(texte, Position(Phrase, "est.", 3)), ".");
  EXPECT_EQ(MotAIndex(texte, Position(Phrase, "(S")), "(");
  EXPECT_EQ(MotAIndex(texte, Position(Phrase, "S\xE9n")), "S\xE9n\xE8que");
  EXPECT_EQ(MotAIndex(texte, Position(Phrase, "71")), "71");
}

TEST(MotAIndex, VideSurLesBlancsLesFinsDeLigneEtHorsDuTexte) {
  TTexteSimple texte(Phrase);
  EXPECT_EQ(MotAIndex(texte, Position(Phrase, " quem")), "");
  EXPECT_EQ(MotAIndex(texte, Position(Phrase, "\r\n")), "");
  EXPECT_EQ(MotAIndex(texte, Position(Phrase, "\r\n", 1)), "");
  EXPECT_EQ(MotAIndex(texte, -1), "");
  EXPECT_EQ(MotAIndex(texte, static_cast<int>(Phrase.size())), "");
  EXPECT_EQ(MotAIndex(TTexteSimple(""), 0), "");
}

TEST(MotAIndex, LeDernierMotDeLaLigneEstCoupeAvantLaFinDeLigne) {
  const std::string texte = "uentus\r\nest\tnullus\n";
  TTexteSimple t(texte);
  EXPECT_EQ(MotAIndex(t, 3), "uentus");
  EXPECT_EQ(MotAIndex(t, Position(texte, "est")), "est");
  EXPECT_EQ(MotAIndex(t, Position(texte, "nullus", 5)), "nullus");
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

TEST(TexteEntre, CoupeALaLongueurLivree) {
  TTexteSimple texte("nullus suus");
  EXPECT_EQ(TexteEntre(texte, 0, 0), "");
  EXPECT_EQ(TexteEntre(texte, 0, -3), "");
  EXPECT_EQ(TexteEntre(texte, 7, 100), "suus");
  EXPECT_EQ(TexteEntre(texte, 50, 2), "");
}

TEST(Navigation, DebutDuMotSuivantSauteLesBlancs) {
  TTexteSimple texte("quem  portum, petat");
  EXPECT_EQ(texte.DebutDuMotSuivant(0), 6);
  EXPECT_EQ(texte.DebutDuMotSuivant(6), 12);
  EXPECT_EQ(texte.DebutDuMotSuivant(12), 14);
  EXPECT_EQ(texte.DebutDuMot(9), 6);
  EXPECT_EQ(texte.DebutDuMotSuivant(14), 19);
}

}  // namespace
