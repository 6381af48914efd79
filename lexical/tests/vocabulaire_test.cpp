#include "lexical/vocabulaire.h"

#include <gtest/gtest.h>

#include "lexical/chaines_latines.h"
#include "lexical/definition.h"

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
  for (auto [modele, partie] : {std::pair{-1, Partie::Aucune},
                                {31, Partie::Aucune},
                                {16, Partie::Adjectif},
                                {29, Partie::Pronom},
                                {30, Partie::Invariable}})
    EXPECT_EQ(TDef{modele}.Partie(), partie) << modele;
  // Several case bits combine their indexes by OR.
  using namespace Trait;
  for (auto [morpho, cas] :
       {std::pair{Morpho{0}, -1},
        {Accusatif, Cas::Accusatif},
        {Nominatif | Accusatif, Cas::Nominatif | Cas::Accusatif},
        {Nominatif | Vocatif | Accusatif, Cas::Nominatif | Cas::Vocatif | Cas::Accusatif},
        {Vocatif | Ablatif, Cas::Vocatif | Cas::Ablatif}})
    EXPECT_EQ(IndexCas(morpho), cas) << morpho;
}

// The bits are what quirandole.lex stores: their places never move.
TEST(Vocabulaire, PlaceDesBitsDansLeMotMorphologique) {
  using namespace Trait;
  const std::pair<Morpho, int> premiers[] = {
      {Nominatif, 0},       {Singulier, 6},  {Masculin, 8}, {PremierePersonne, 11},
      {Present, 14},        {Futur, 15},  // the future comes before the imperfect
      {Indicatif, 20},      {Actif, 27},     {Positif, 29}, {PlusQueParfait, 19},
      {AdjectifVerbal, 26}, {Superlatif, 31}};
  for (auto [bit, place] : premiers) EXPECT_EQ(bit, Morpho{1} << place) << place;
}

TEST(Vocabulaire, AccesseursDesMotsMorphologiques) {
  // Masculine and feminine together: the highest gender.
  using namespace Trait;
  EXPECT_EQ(Accesseurs(TDef{1, 1, Nominatif | Singulier | Masculin | Feminin}),
            (std::vector<int>{Cas::Nominatif, Nombre::Singulier, Genre::Feminin, -1, -1, -1, -1}));
  EXPECT_EQ(Accesseurs(TDef{17, 1, PremierePersonne | Singulier | Present | Indicatif | Actif}),
            (std::vector<int>{-1, Nombre::Singulier, -1, Personne::Premiere, Temps::Present,
                              Mode::Indicatif, Voix::Actif}));
}

TEST(Libelle, NominalCommenceParLeCasVerbalParUnBlanc) {
  using namespace Trait;
  const Morpho premierePresent = PremierePersonne | Singulier | Present | Indicatif | Actif;
  EXPECT_EQ(TDef({1, 1, Nominatif | Singulier}).Libelle(false), "nominatif singulier");
  EXPECT_EQ(TDef({1, 1, Nominatif | Singulier | Masculin | Feminin}).Libelle(false),
            "nominatif masculin f\xE9minin singulier");
  EXPECT_EQ(TDef({17, 1, premierePresent}).Libelle(false),
            " 1\xE8re personne singulier indicatif pr\xE9sent actif");
  EXPECT_EQ(TDef({17, 2, premierePresent}).Libelle(true),
            " 1\xE8re personne singulier indicatif pr\xE9sent actif mod\xE8le amo radical 2");
  EXPECT_EQ(TDef({0, 0, Passif}).Libelle(false), " passif");
  EXPECT_EQ(TDef({0, 0, Superlatif}).Libelle(false), " superlatif");
  EXPECT_EQ(TDef({0, 0, 0}).Libelle(false), "");
  // A case drops the persons before it; with several cases the last stays.
  EXPECT_EQ(TDef({0, 0, PremierePersonne | Nominatif | Accusatif | Pluriel}).Libelle(false),
            "accusatif pluriel");
  // Mood before tense, whatever the bit order.
  EXPECT_EQ(
      TDef({19, 3, Participe | Parfait | Passif | Nominatif | Neutre | Singulier}).Libelle(false),
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
