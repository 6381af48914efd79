// The French string helpers and the plural.
#include "flexion/chaines.h"

#include <gtest/gtest.h>

#include "aide.h"

TEST(Lettres, JeuDeSoixanteDixHuitLettres) {
  EXPECT_EQ(Lettres.size(), 78u);
  for (const char* lettre : {"a", "à", "ç", "é", "ë", "ï", "ô", "ù", "ü", "z", "A", "Z"})
    EXPECT_TRUE(EstLettre(Cp(lettre)[0])) << lettre;
  for (const char* autre : {"É", "À", "Ç", "'", "-", "0", " "})
    EXPECT_FALSE(EstLettre(Cp(autre)[0])) << autre;
}

TEST(Chaines, TermineEtCommence) {
  EXPECT_TRUE(Termine("er", "aimer"));
  EXPECT_FALSE(Termine("er", "r"));
  EXPECT_TRUE(Termine("r", "r"));
  EXPECT_TRUE(Commence("se ", "se laver"));
  EXPECT_FALSE(Commence("se ", "s'asseoir"));
}

TEST(Chaines, CoupesEtSuppressions) {
  EXPECT_EQ(SansFin("aimer", 2), "aim");
  EXPECT_EQ(SansFin("va", 5), "");
  EXPECT_EQ(SansFin("va", 0), "va");
  EXPECT_EQ(SupprimeTout("s'", "il s'assied"), "il assied");
  // A removal that makes a new occurrence is followed by another.
  EXPECT_EQ(SupprimeTout("ab", "aabb"), "");
  EXPECT_EQ(SupprimeTout("", "abc"), "abc");
  EXPECT_EQ(Supprime("abcdef", 2, 3), "aef");
  EXPECT_EQ(Supprime("abc", 3, 10), "ab");
  EXPECT_EQ(Supprime("abc", 0, 1), "abc");
  EXPECT_EQ(Supprime("abc", 4, 1), "abc");
  EXPECT_EQ(DernierePosition("e", "achet"), 4);
  EXPECT_EQ(DernierePosition(Cp("é"), Cp("célébr")), 4);
  EXPECT_EQ(DernierePosition("x", "achet"), 0);
}

TEST(Chaines, DerniereLettreDUnTexteVideNeFaillitPas) {
  EXPECT_EQ(DerniereLettre("chose"), 'e');
  EXPECT_EQ(DerniereLettre(""), '\0');
}

TEST(Chaines, Mots) {
  EXPECT_EQ(Mots("venir"), std::vector<std::string>{"venir"});
  EXPECT_EQ(Mots("  a,b  "), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Mots(Cp("d'été, l'hiver.")), (std::vector<std::string>{"d", Cp("été"), "l", "hiver"}));
  EXPECT_TRUE(Mots(" ,;- ").empty());
}

TEST(Chaines, PremierMot) {
  EXPECT_EQ(U8(PremierMot(Cp("  aimer, chérir"))), "aimer");
  EXPECT_EQ(PremierMot(Cp("Égypte")), "");
  EXPECT_EQ(PremierMot(" \t"), "");
}

TEST(Chaines, MotN) {
  EXPECT_EQ(MotN(2, "se laver"), "laver");
  EXPECT_EQ(MotN(3, "se laver"), "");
  EXPECT_EQ(MotN(1, "se laver"), "se");
  EXPECT_EQ(MotN(0, "se laver"), "");
  // The apostrophe stops the word: nothing follows a blank.
  EXPECT_EQ(MotN(2, "s'asseoir"), "");
}

// Word 2 of a text with leading blanks was word 1, since only the second
// scan trimmed them.
TEST(Chaines, MotNApresDesBlancsInitiaux) {
  EXPECT_EQ(MotN(2, "   se laver"), "laver");
  EXPECT_EQ(MotN(1, "   se laver"), "se");
}

TEST(Pluriel, ReglesDansLOrdre) {
  EXPECT_EQ(Pluriel("roi"), "rois");
  EXPECT_EQ(Pluriel("jeu"), "jeux");
  EXPECT_EQ(Pluriel("noyau"), "noyaux");
  EXPECT_EQ(Pluriel("journal"), "journaux");
  EXPECT_EQ(Pluriel("cheval"), "chevaux");
  EXPECT_EQ(Pluriel("nez"), "nez");
  EXPECT_EQ(Pluriel("bras"), "bras");
  EXPECT_EQ(Pluriel("prix"), "prix");
  // Only lower-case endings are recognised.
  EXPECT_EQ(Pluriel("JEU"), "JEUs");
}

// The context menu can pass the empty first word of a meaning.
TEST(Pluriel, MotVideDonneVide) { EXPECT_EQ(Pluriel(""), ""); }
