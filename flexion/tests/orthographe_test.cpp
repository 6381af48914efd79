// The four spelling-change classes of the -er verbs: the change comes before
// e, es, ent and never before ez, ons, ais.
#include <gtest/gtest.h>

#include "aide.h"

TEST(TVeter, EDevientEGrave) {
  EXPECT_EQ(Present("acheter", 1), "achète");
  EXPECT_EQ(Present("acheter", 4), "achetons");
  EXPECT_EQ(Present("acheter", 5), "achetez");
  EXPECT_EQ(Present("acheter", 6), "achètent");
  EXPECT_EQ(Present("lever", 1), "lève");
  EXPECT_EQ(Present("geler", 3), "gèle");
  EXPECT_EQ(Present("mener", 2), "mènes");
  EXPECT_EQ(Imperatif("acheter", 2), "achète");
  EXPECT_EQ(Imparfait("acheter", 1), "achetais");
  EXPECT_EQ(PasseSimple("acheter", 6), "achetèrent");
  EXPECT_EQ(VerbesEter().size(), 22u);
}

TEST(TVettell, ConsonneDoublee) {
  EXPECT_EQ(Present("appeler", 3), "appelle");
  EXPECT_EQ(Present("appeler", 4), "appelons");
  EXPECT_EQ(Present("jeter", 6), "jettent");
  EXPECT_EQ(Imperatif("jeter", 2), "jette");
}

TEST(TVebrer, EAiguDevientEGrave) {
  EXPECT_EQ(Present("céder", 1), "cède");
  EXPECT_EQ(Present("célébrer", 2), "célèbres");
  EXPECT_EQ(Present("célébrer", 5), "célébrez");
  EXPECT_EQ(Present("espérer", 6), "espèrent");
  // The future keeps its é.
  EXPECT_EQ(Futur("céder", 1), "céderai");
}

TEST(TVyer, YDevientI) {
  EXPECT_EQ(Present("nettoyer", 6), "nettoient");
  EXPECT_EQ(Present("nettoyer", 5), "nettoyez");
  EXPECT_EQ(Present("employer", 1), "emploie");
  EXPECT_EQ(Imparfait("employer", 4), "employions");
}

// The present subjunctive did not call the join, so the change was missing
// there: "que j'achete".
TEST(Orthographe, SubjonctifPresentGardeLeChangement) {
  EXPECT_EQ(Subjonctif("acheter", 1), "achète");
  EXPECT_EQ(Subjonctif("acheter", 4), "achetions");
  EXPECT_EQ(Subjonctif("appeler", 6), "appellent");
  EXPECT_EQ(Subjonctif("céder", 3), "cède");
  EXPECT_EQ(Subjonctif("nettoyer", 2), "nettoies");
}

// The future joined the bare infinitive: "j'acheterai", "j'appelerai".
TEST(Orthographe, FuturEtConditionnelGardentLeChangement) {
  EXPECT_EQ(Futur("acheter", 1), "achèterai");
  EXPECT_EQ(Futur("lever", 4), "lèverons");
  EXPECT_EQ(Futur("appeler", 1), "appellerai");
  EXPECT_EQ(Futur("jeter", 6), "jetteront");
  EXPECT_EQ(Futur("nettoyer", 3), "nettoiera");
  EXPECT_EQ(Fr("acheter", 1, 1, 3), "achèterais");
}
