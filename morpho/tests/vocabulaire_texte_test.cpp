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
  std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/vocabulaire_texte.tsv");
  std::erase_if(cas, [](const TCas& c) { return c.Section == "rangs-fautifs"; });
  EXPECT_EQ(v.Vedettes.size(), Section(cas, "vedettes-du-texte").size());
  VerifieFixture(cas, {{"vedettes-du-texte", [&](const TCas& c) {
                          const TVedetteVocabulaire* e = Cherche(v, c[0]);
                          if (!e) return std::string("absente");
                          std::string formes;
                          for (const std::string& f : e->Formes)
                            formes += (formes.empty() ? "" : ",") + f;
                          return std::to_string(e->Occurrences) + " " + formes + " " +
                                 std::to_string(e->PremierMot) + " " +
                                 std::to_string(e->PremierIndex) + (e->Ambigu ? " ambigu" : "");
                        }}});
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
    OrdonneVedettes(vedettes, o);
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
  std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/vocabulaire_texte.tsv");
  std::erase_if(cas, [](const TCas& c) { return c.Section == "vedettes-du-texte"; });
  VerifieFixture(cas, {{"rangs-fautifs", [](const TCas& c) {
                          TRangs::DeTexte(c.Octets(0), "r.txt");
                          return std::string("accepté");
                        }}});
  EXPECT_THROW(TRangs::Lis("/nonexistent/rangs.txt"), Erreur);
}

}  // namespace
