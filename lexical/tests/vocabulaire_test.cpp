#include "vocabulaire.h"

#include <gtest/gtest.h>

#include "chaines_latines.h"
#include "definition.h"

namespace {
// NumCas, NumNombre, NumGenre, NumPersonne, NumTemps, NumMode, NumVoix.
std::vector<int> Accesseurs(const TDef& d) {
  return {d.NumCas(),   d.NumNombre(), d.NumGenre(), d.NumPersonne(),
          d.NumTemps(), d.NumMode(),   d.NumVoix()};
}
}  // namespace

TEST(Vocabulaire, ModelesPartiesEtCas) {
  EXPECT_EQ(ModeleParNom("potior"), 28);
  EXPECT_EQ(ModeleParNom("Amicus"), -1);  // names are matched exactly
  for (auto [modele, partie] : {std::pair{-1, -1}, {31, -1}, {16, 1}, {29, 2}, {30, 4}})
    EXPECT_EQ(TDef{modele}.Partie(), partie) << modele;
  // Several case bits combine their indexes by OR.
  for (auto [morpho, cas] : {std::pair{0x0u, -1}, {0x4u, 2}, {0x5u, 2}, {0x7u, 3}, {0x22u, 5}})
    EXPECT_EQ(IndexCas(morpho), cas) << morpho;
}

TEST(Vocabulaire, AccesseursDesMotsMorphologiques) {
  // Masculine and feminine together: the highest gender.
  EXPECT_EQ(Accesseurs(TDef{1, 1, 0x341}), (std::vector<int>{0, 0, 1, -1, -1, -1, -1}));
  EXPECT_EQ(Accesseurs(TDef{17, 1, 0x8104840}), (std::vector<int>{-1, 0, -1, 0, 0, 0, 0}));
}

TEST(Libelle, NominalCommenceParLeCasVerbalParUnBlanc) {
  EXPECT_EQ(TDef({1, 1, 0x41}).Libelle(false), "nominatif singulier");
  EXPECT_EQ(TDef({1, 1, 0x341}).Libelle(false), "nominatif masculin f\xE9minin singulier");
  EXPECT_EQ(TDef({17, 1, 0x8104840}).Libelle(false),
            " 1\xE8re personne singulier indicatif pr\xE9sent actif");
  EXPECT_EQ(TDef({17, 2, 0x8104840}).Libelle(true),
            " 1\xE8re personne singulier indicatif pr\xE9sent actif mod\xE8le amo radical 2");
  EXPECT_EQ(TDef({0, 0, 0x10000000}).Libelle(false), " passif");
  EXPECT_EQ(TDef({0, 0, 0x80000000}).Libelle(false), " superlatif");
  EXPECT_EQ(TDef({0, 0, 0}).Libelle(false), "");
  // A case drops the persons before it; with several cases the last stays.
  EXPECT_EQ(TDef({0, 0, 0x800 | 0x1 | 0x4 | 0x80}).Libelle(false), "accusatif pluriel");
  // Mood before tense, whatever the bit order.
  EXPECT_EQ(TDef({19, 3, 0x1000000 | 0x20000 | 0x10000000 | 0x1 | 0x400 | 0x40}).Libelle(false),
            "nominatif neutre singulier participe parfait passif");
}

TEST(ChainesLatines, NormaliseLettresInitialesEtEnclitiques) {
  // Only lower-case v and j change: a capital V is not yet a u.
  for (auto [forme, attendu] :
       {std::pair{"Iuppiter", "Iuppiter"}, {"Venus", "Venus"}, {"vivijus", "uiuiius"}})
    EXPECT_EQ(Normalise(forme), attendu);
  for (auto [texte, attendu] : {std::pair{"amicus, i", "amicus"}, {"\xE9t\xE9", ""}, {"", ""}})
    EXPECT_EQ(LettresInitiales(texte), attendu);
  for (auto [forme, attendu] : {std::pair{"populusque", "populus"},
                                {"arma", ""},
                                {"bene", "be"},
                                {"que", "q"},
                                {"uirumue", "uirum"}})
    EXPECT_EQ(SansEnclitique(forme), attendu) << forme;
  // The suffix must match exactly and leave something.
  for (auto [texte, suffixe] :
       {std::pair{"que", "que"}, {"abc", ""}, {"c", "abc"}, {"armaQUE", "que"}})
    EXPECT_EQ(SansSuffixe(texte, suffixe), "") << texte;
}

TEST(ChainesLatines, ChampsDUneListe) {
  EXPECT_EQ(NbChamps("", ','), 0);
  EXPECT_EQ(NbChamps("a,", ','), 2);
  EXPECT_EQ(NbChamps("a#b#", '#'), 3);
  const struct {
    const char* texte;
    int n;
    const char* attendu;
  } cas[] = {{"a,", 2, ""},   {"am,amau", 1, "am"}, {"am,amau", 2, "amau"}, {"am,amau", 3, ""},
             {"a,,b", 2, ""}, {"a,,b", 3, "b"},     {"abc", 0, ""}};
  for (const auto& c : cas) EXPECT_EQ(Champ(c.texte, ',', c.n), c.attendu) << c.texte << c.n;
  EXPECT_EQ(Champ("a#b", '#', 2), "b");
  // Lists longer than 255 characters are not cut.
  std::string liste;
  for (int i = 0; i < 400; ++i) liste += (i ? ",radical" : "radical") + std::to_string(i);
  EXPECT_EQ(NbChamps(liste, ','), 400);
  EXPECT_EQ(Champ(liste, ',', 300), "radical299");
  EXPECT_EQ(Champ(liste, ',', 400), "radical399");
  EXPECT_EQ(Champ(liste, ',', 401), "");
}
