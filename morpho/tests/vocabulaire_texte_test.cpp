// The vocabulary of small texts on a small lexicon: words cut as the pointer
// cuts them, occurrences, forms, first occurrence, ambiguity, unknown words,
// ranks, orders and the leaving out of the most frequent headwords.
#include "morpho/vocabulaire_texte.h"

#include <gtest/gtest.h>

#include "lexical/erreur.h"
#include "lexical/tests/fixture.h"
#include "morpho/rangs_frequence.h"

using namespace traits;

namespace {

class Vocabulaire : public ::testing::Test {
 protected:
  TLexiqueDeFixture lex_{LisFixture(LECTURIEL_FIXTURES "/vocabulaire_texte.tsv")};
};

const TVedetteVocabulaire* Cherche(const TVocabulaire& v, const std::string& vedette) {
  for (const auto& e : v.Vedettes)
    if (e.Vedette == vedette) return &e;
  return nullptr;
}

TEST_F(Vocabulaire, OccurrencesFormesPremiereOccurrenceEtInconnus) {
  // Words: Amicus 0, amicum 1, uidet 2, et 3, AMICI 4, Romam 5, ara 6, xyz 7, Xyz 8, uidetât 9.
  const std::string texte = "Amicus amicum uidet, et\r\nAMICI Romam ara 12 xyz Xyz-uidet\xE2t";
  const TVocabulaire v = VocabulaireDuTexte(texte);
  // The number "12" is no word; "uidetât" is one word (accented letters join it).
  EXPECT_EQ(v.NombreMots, 10);
  const struct {
    std::string vedette;
    int occurrences;
    std::vector<std::string> formes;
    int premierMot, premierIndex;
    bool ambigu;
  } attendus[] = {
      {"amicus", 3, {"amicus", "amicum", "amici"}, 0, 0, false},
      {"uideo", 1, {"uidet"}, 2, 14, false},
      {"et", 1, {"et"}, 3, 21, false},
      {"Roma", 1, {"Romam"}, 5, 31, false},
      {"ara", 1, {"ara"}, 6, 37, true},
      {"aro", 1, {"ara"}, 6, 37, true},
  };
  ASSERT_EQ(v.Vedettes.size(), std::size(attendus));
  for (const auto& a : attendus) {
    const TVedetteVocabulaire* e = Cherche(v, a.vedette);
    ASSERT_NE(e, nullptr) << a.vedette;
    EXPECT_EQ(e->Occurrences, a.occurrences) << a.vedette;
    EXPECT_EQ(e->Formes, a.formes) << a.vedette;
    EXPECT_EQ(e->PremierMot, a.premierMot) << a.vedette;
    EXPECT_EQ(e->PremierIndex, a.premierIndex) << a.vedette;
    EXPECT_EQ(e->Ambigu, a.ambigu) << a.vedette;
  }
  EXPECT_EQ(Cherche(v, "uideo")->Entree, "uideo, voir");
  EXPECT_EQ(Cherche(v, "aro")->Modele, 17);
  // Unknown words are merged ignoring letter case and keep their first spelling.
  ASSERT_EQ(v.Inconnus.size(), 2u);
  EXPECT_EQ(v.Inconnus[0].Forme, "xyz");
  EXPECT_EQ(v.Inconnus[0].Occurrences, 2);
  EXPECT_EQ(v.Inconnus[0].PremierMot, 7);
  EXPECT_EQ(v.Inconnus[1].Forme, "uidet\xE2t");
}

TEST_F(Vocabulaire, TexteVideOuSansMot) {
  for (const std::string texte : {"", "   \r\n", "12, 13 ; -- !"}) {
    const TVocabulaire v = VocabulaireDuTexte(texte);
    EXPECT_EQ(v.NombreMots, 0);
    EXPECT_TRUE(v.Vedettes.empty());
    EXPECT_TRUE(v.Inconnus.empty());
  }
}

TEST_F(Vocabulaire, RangsOrdresEtMotsLesPlusFrequents) {
  const TRangs rangs = TRangs::DeTexte(
      "# rang\tvedette\tmod\xC3\xA8le\n1\tet\tinvaria\n2\tamicus\tamicus\n3\tuideo\tmoneo\r\n"
      "4\tara\tamo\n",
      "rangs.txt");
  EXPECT_EQ(rangs.Count(), 4);
  TVocabulaire v = VocabulaireDuTexte("ara uidet et amicus amicum et uidet et ara", &rangs);
  EXPECT_EQ(Cherche(v, "et")->Rang, 1);
  EXPECT_EQ(Cherche(v, "uideo")->Rang, 3);
  // The model counts: "ara" is ranked as a verb of model amo only.
  EXPECT_EQ(Cherche(v, "ara")->Rang, 0);
  EXPECT_EQ(Cherche(v, "aro")->Rang, 0);

  const auto ordre = [&](OrdreVocabulaire o) {
    auto vedettes = v.Vedettes;
    Ordonne(vedettes, o);
    std::vector<std::string> r;
    for (const auto& e : vedettes) r.push_back(e.Vedette);
    return r;
  };
  EXPECT_EQ(ordre(OrdreVocabulaire::Texte),
            (std::vector<std::string>{"ara", "aro", "uideo", "et", "amicus"}));
  EXPECT_EQ(ordre(OrdreVocabulaire::Alpha),
            (std::vector<std::string>{"amicus", "ara", "aro", "et", "uideo"}));
  EXPECT_EQ(ordre(OrdreVocabulaire::Frequence),
            (std::vector<std::string>{"et", "amicus", "ara", "aro", "uideo"}));

  auto vedettes = v.Vedettes;
  RetireLesPlusFrequents(vedettes, 2);
  EXPECT_EQ(vedettes.size(), 3u);  // et and amicus left out; unranked ones stay
  RetireLesPlusFrequents(vedettes, 0);
  EXPECT_EQ(vedettes.size(), 3u);
}

TEST_F(Vocabulaire, FichierDeRangsFautif) {
  const struct {
    std::string texte, message;
  } cas[] = {
      {"1\tet\n", "r.txt:1: trois champs attendus (rang, vedette, mod\xE8le)"},
      {"\n0\tet\tinvaria\n", "r.txt:2: rang invalide"},
      {"x\tet\tinvaria\n", "r.txt:1: rang invalide"},
      {"1\tet\tnimbus\n", "r.txt:1: mod\xE8le inconnu"},
  };
  for (const auto& c : cas) {
    try {
      TRangs::DeTexte(c.texte, "r.txt");
      ADD_FAILURE() << c.texte;
    } catch (const Erreur& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
  EXPECT_THROW(TRangs::Lis("/nonexistent/rangs.txt"), Erreur);
}

}  // namespace
