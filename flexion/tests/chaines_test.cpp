// The French string helpers and the plural.
#include "flexion/chaines.h"

#include <gtest/gtest.h>

#include <utility>

#include "flexion/tests/aide.h"

// œ, æ and the accented capitals were no letters: cœur gave "c", Égypte
// nothing.
TEST(Lettres, LigaturesEtCapitalesAccentuees) {
  EXPECT_EQ(Lettres.size(), 84u);
  for (const char* lettre : {"a", "à", "ç", "é", "ë", "ï", "ô", "ù", "ü", "z", "A", "Z",
                             "œ", "Œ", "æ", "Æ", "É", "È", "À", "Ç", "Ô", "Î", "Ÿ"})
    EXPECT_TRUE(EstLettre(Cp(lettre)[0])) << lettre;
  for (const char* autre : {"'", "-", "0", " ", "«"})
    EXPECT_FALSE(EstLettre(Cp(autre)[0])) << autre;
}

// A hyphen ended a word: petit-fils gave "petit".
TEST(Chaines, LeTraitDUnionResteDansLeMot) {
  EXPECT_EQ(U8(PremierMot(Cp("petit-fils, neveu"))), "petit-fils");
  EXPECT_EQ(U8(PremierMot(Cp("cœur, âme"))), "cœur");
  EXPECT_EQ(U8(PremierMot(Cp("Égypte"))), "Égypte");
  EXPECT_EQ(PremierMot("a- b"), "a");
  EXPECT_EQ(PremierMot("-a"), "");
  EXPECT_EQ(Mots(Cp("arc-en-ciel -- x-")), (std::vector<std::string>{"arc-en-ciel", "x"}));
  EXPECT_EQ(MotN(2, Cp("grand-père maternel")), "maternel");
}

TEST(Chaines, TermineCommenceEtCoupes) {
  EXPECT_TRUE(Termine("er", "aimer"));
  EXPECT_FALSE(Termine("er", "r"));
  EXPECT_TRUE(Termine("r", "r"));
  EXPECT_TRUE(Commence("se ", "se laver"));
  EXPECT_FALSE(Commence("se ", "s'asseoir"));
  EXPECT_EQ(SansFin("aimer", 2), "aim");
  EXPECT_EQ(SansFin("va", 5), "");
  EXPECT_EQ(SansFin("va", 0), "va");
  EXPECT_EQ(SupprimeTout("s'", "il s'assied"), "il assied");
  // A removal that makes a new occurrence is followed by another.
  EXPECT_EQ(SupprimeTout("ab", "aabb"), "");
  EXPECT_EQ(SupprimeTout("", "abc"), "abc");
  // Supprime counts from 1 and clips at the end; outside the text it leaves it.
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

TEST(Chaines, MotsPremierMotEtMotN) {
  EXPECT_EQ(Mots("venir"), std::vector<std::string>{"venir"});
  EXPECT_EQ(Mots("  a,b  "), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Mots(Cp("d'été, l'hiver.")), (std::vector<std::string>{"d", Cp("été"), "l", "hiver"}));
  EXPECT_TRUE(Mots(" ,;- ").empty());
  EXPECT_EQ(U8(PremierMot(Cp("  aimer, chérir"))), "aimer");
  EXPECT_EQ(PremierMot(" \t"), "");
  EXPECT_EQ(MotN(1, "se laver"), "se");
  EXPECT_EQ(MotN(2, "se laver"), "laver");
  EXPECT_EQ(MotN(3, "se laver"), "");
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
  // Only lower-case endings are recognised: JEU takes an s.
  const std::pair<const char*, const char*> cas[] = {
      {"roi", "rois"},         {"jeu", "jeux"},       {"noyau", "noyaux"},
      {"journal", "journaux"}, {"cheval", "chevaux"}, {"nez", "nez"},
      {"bras", "bras"},        {"prix", "prix"},      {"JEU", "JEUs"}};
  for (const auto& [mot, pluriel] : cas) EXPECT_EQ(Pluriel(mot), pluriel);
}

// The context menu can pass the empty first word of a meaning.
TEST(Pluriel, MotVideDonneVide) { EXPECT_EQ(Pluriel(""), ""); }
