// The stem indexes lead to the entries that list the stems, and homographs
// of one model are all reachable.
#include <gtest/gtest.h>

#include "lexical/lexique.h"

namespace {
void Entree(TLexique& l, const std::string& cle, int modele, std::string a, std::string b,
            std::string sens) {
  l.Ajoute(cle, std::make_unique<TDonneesLexicales>(TDonneesLexicales{modele, -1, a, b, sens}));
}
}  // namespace

// Regression: the index held only the key, so the stem dix of dico, ere
// also confirmed dico, are ("consacrer") for endings of the 1st conjugation.
TEST(Radicaux, UnRadicalMeneALEntreeQuiLeListe) {
  TLexique l;
  Entree(l, "dico", 19, "dix", "dict", "dire");
  Entree(l, "dico", 17, "dicau", "dicat", "consacrer");
  l.IndexeRadicaux();
  const std::vector<int> dix = l.Radicaux2.EntreesDe("dix");
  ASSERT_EQ(dix.size(), 1u);
  EXPECT_EQ(l.Objet(dix[0]).Sens, "dire");
  const std::vector<int> dicat = l.Radicaux3.EntreesDe("dicat");
  ASSERT_EQ(dicat.size(), 1u);
  EXPECT_EQ(l.Objet(dicat[0]).Sens, "consacrer");
}

TEST(Radicaux, HomographesDeMemeModeleTousAtteints) {
  TLexique l;
  Entree(l, "populus", 1, "", "", "peuple");
  Entree(l, "populus", 1, "", "", "peuplier");
  Entree(l, "populus", 2, "", "", "autre");
  Entree(l, "Populus", 1, "", "", "nom propre");
  l.IndexeRadicaux();
  std::vector<std::string> sens;
  for (int p : l.EntreesDeModele("populus", 1)) sens.push_back(l.Objet(p).Sens);
  std::sort(sens.begin(), sens.end());
  EXPECT_EQ(sens, (std::vector<std::string>{"peuple", "peuplier"}));
  EXPECT_TRUE(l.EntreesDeModele("populus", 3).empty());
  EXPECT_TRUE(l.EntreesDeModele("popul", 1).empty());
}

TEST(Radicaux, CleReconstruite) {
  EXPECT_EQ(CleReconstruite("am", 17), "amo");
  EXPECT_EQ(CleReconstruite("", 4), "um");
  EXPECT_EQ(CleReconstruite("milit", 5), std::nullopt);
  EXPECT_EQ(CleReconstruite("x", 30), std::nullopt);
}
