#include "vocabulaire.h"

#include <gtest/gtest.h>

#include "chaines_latines.h"
#include "definition.h"

TEST(Vocabulaire, ModelesEtParties) {
  EXPECT_EQ(NomsTemps[1], "futur");  // the future comes before the imperfect
  EXPECT_EQ(MasquesTemps[1], 0x8000u);
  EXPECT_EQ(MasquesDegre[2], 0x80000000u);
  EXPECT_EQ(ModeleParNom("potior"), 28);
  EXPECT_EQ(ModeleParNom("Amicus"), -1);
  EXPECT_EQ(TDef{-1}.Partie(), -1);
  EXPECT_EQ(TDef{31}.Partie(), -1);
  EXPECT_EQ(TDef{16}.Partie(), 1);
  EXPECT_EQ(TDef{29}.Partie(), 2);
  EXPECT_EQ(TDef{30}.Partie(), 4);
}

TEST(Vocabulaire, AccesseursDesMotsMorphologiques) {
  const TDef nominatif{1, 1, 0x341};
  EXPECT_EQ(nominatif.NumCas(), 0);
  EXPECT_EQ(nominatif.NumNombre(), 0);
  EXPECT_EQ(nominatif.NumGenre(), 1);  // masculine and feminine: the highest
  EXPECT_EQ(nominatif.NumPersonne(), -1);
  EXPECT_EQ(nominatif.NumVoix(), -1);

  const TDef verbe{17, 1, 0x8104840};
  EXPECT_EQ(verbe.NumPersonne(), 0);
  EXPECT_EQ(verbe.NumNombre(), 0);
  EXPECT_EQ(verbe.NumTemps(), 0);
  EXPECT_EQ(verbe.NumMode(), 0);
  EXPECT_EQ(verbe.NumVoix(), 0);
  EXPECT_EQ(verbe.NumCas(), -1);
  EXPECT_EQ(verbe.NumGenre(), -1);
}

TEST(Vocabulaire, PlusieursCasSeCombinentParOu) {
  EXPECT_EQ(IndexCas(0), -1);
  EXPECT_EQ(IndexCas(0x4), 2);
  EXPECT_EQ(IndexCas(0x1 | 0x4), 2);
  EXPECT_EQ(IndexCas(0x1 | 0x2 | 0x4), 3);
  EXPECT_EQ(IndexCas(0x2 | 0x20), 5);
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

TEST(ChainesLatines, NormaliseEtLettresInitiales) {
  EXPECT_EQ(Normalise("Iuppiter"), "Iuppiter");
  EXPECT_EQ(Normalise("Venus"), "Venus");
  EXPECT_EQ(Normalise("vivijus"), "uiuiius");
  EXPECT_EQ(LettresInitiales("amicus, i"), "amicus");
  EXPECT_EQ(LettresInitiales("\xE9t\xE9"), "");
  EXPECT_EQ(LettresInitiales(""), "");
}

TEST(ChainesLatines, Enclitiques) {
  EXPECT_EQ(SansEnclitique("populusque"), "populus");
  EXPECT_EQ(SansEnclitique("arma"), "");
  EXPECT_EQ(SansEnclitique("bene"), "be");
  EXPECT_EQ(SansEnclitique("que"), "q");
  EXPECT_EQ(SansEnclitique("uirumue"), "uirum");
  EXPECT_EQ(SansSuffixe("que", "que"), "");
  EXPECT_EQ(SansSuffixe("abc", ""), "");
  EXPECT_EQ(SansSuffixe("c", "abc"), "");
  EXPECT_EQ(SansSuffixe("armaQUE", "que"), "");
}

TEST(ChainesLatines, ChampsDUneListe) {
  EXPECT_EQ(NbChamps("", ','), 0);
  EXPECT_EQ(NbChamps("a", ','), 1);
  EXPECT_EQ(NbChamps("a,", ','), 2);
  EXPECT_EQ(Champ("a,", ',', 2), "");
  EXPECT_EQ(Champ("am,amau", ',', 1), "am");
  EXPECT_EQ(Champ("am,amau", ',', 2), "amau");
  EXPECT_EQ(Champ("am,amau", ',', 3), "");
  EXPECT_EQ(Champ("a,,b", ',', 2), "");
  EXPECT_EQ(Champ("a,,b", ',', 3), "b");
  EXPECT_EQ(Champ("a#b", '#', 2), "b");
  EXPECT_EQ(NbChamps("a#b#", '#'), 3);
  EXPECT_EQ(Champ("abc", ',', 0), "");
}

TEST(ChainesLatines, ChampsSansLimiteDeLongueur) {
  std::string liste;
  for (int i = 0; i < 400; ++i)
    liste += (i ? "," : "") + std::string("radical") + std::to_string(i);
  ASSERT_GT(liste.size(), 255u);
  EXPECT_EQ(NbChamps(liste, ','), 400);
  EXPECT_EQ(Champ(liste, ',', 300), "radical299");
  EXPECT_EQ(Champ(liste, ',', 400), "radical399");
  EXPECT_EQ(Champ(liste, ',', 401), "");
}
