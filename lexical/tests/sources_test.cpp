#include "lexical/sources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lexical/cp1252.h"
#include "lexical/tests/fixture.h"
#include "lexical/tests/outils_test.h"
#include "lexical/vocabulaire.h"

namespace fs = std::filesystem;

namespace {
class Sources : public ::testing::Test, protected TDossierDeTest {
 protected:
  void TearDown() override { LiberLexique(); }
  void Vide() {
    fs::remove_all(Racine);
    fs::create_directories(Racine);
  }
};
}  // namespace

TEST_F(Sources, CasDeLaFixture) {
  VerifieFixture(
      LisFixture(LECTURIEL_FIXTURES "/sources.tsv"),
      {{"traits", [](const TCas& c) { return Cp1252VersUtf8(TexteTraits(Traits(c.Octets(0)))); }},
       {"ligne-fautive", [&](const TCas& c) {
          Vide();
          Ecris(c[0], c.Octets(1));
          const std::string message =
              Cp1252VersUtf8(MessageDe([&] { LisSources(Racine.string()); }));
          const std::string chemin = (Racine / c[0]).string();
          return message.starts_with(chemin) ? message.substr(chemin.size()) : message;
        }}});
  // Every bit of the morphology word has its term.
  for (int bit = 0; bit < 32; ++bit) EXPECT_EQ(LisTraits(TexteTraits(1u << bit)), 1u << bit);
  EXPECT_EQ(LisTraits(TexteTraits(~Morpho{0})), ~Morpho{0});
}

TEST_F(Sources, CompileDansLOrdreDesFichiers) {
  Ecris("desinences-b.txt", "orum\tamicus\t1\tg\xC3\xA9nitif pluriel\n");
  Ecris("desinences-a.txt",
        "# terminaison\tmodèle\tradical\ttraits\n\n"
        "abam\tamo\t1\t1\xC3\xA8re personne singulier indicatif imparfait actif\r\n"
        "orum\ttemplum\t1\tg\xC3\xA9nitif pluriel\n");
  Ecris("irreguliers.txt",
        "est\tsum\tsum\t3\xC3\xA8me personne singulier indicatif pr\xC3\xA9sent actif\n"
        "Est\tedo\tlego\t-\n"
        "siem\tsum\tsum\t1\xC3\xA8re personne singulier subjonctif pr\xC3\xA9sent actif "
        "archa\xC3\xAFque\n");
  Ecris("lexique.txt",
        "\xEF\xBB\xBFmiles\tmiles\tmasculin\tmilit\t-\titis, m. : soldat\n"
        "amo\tamo\t-\tamau\tamat\tas, are, aui, atum : aimer, ch\xC3\xA9rir\n"
        "liber\tpuer\t-\t-\t-\tlibri, m. : livre\n"
        "liber\tmiser\t-\t-\t-\ta, um : libre\n");
  Ecris("lexique.txt~", "garbage\n");
  TStoresSources s = LisSources(Racine.string());
  ASSERT_EQ(s.Desinences->Count(), 2);
  int p = 0;
  ASSERT_TRUE(s.Desinences->Find("muro", p));  // desinences-a before desinences-b
  EXPECT_EQ(s.Desinences->Lectures(p),
            (std::vector<TLecture>{{4, 1, Trait::Genitif | Trait::Pluriel},
                                   {1, 1, Trait::Genitif | Trait::Pluriel}}));
  ASSERT_TRUE(s.Desinences->Find("maba", p));
  EXPECT_EQ(s.Desinences->Lectures(p),
            (std::vector<TLecture>{{17, 1,
                                    Trait::PremierePersonne | Trait::Singulier | Trait::Imparfait |
                                        Trait::Indicatif | Trait::Actif}}));
  ASSERT_EQ(s.Irreguliers->Count(), 2);
  EXPECT_EQ(s.Irreguliers->Lecture(0, 1).Lemme, "edo");
  EXPECT_THROW(s.Irreguliers->Lecture(0, 2), Erreur);
  EXPECT_FALSE(s.Irreguliers->Lecture(0, 1).Archaique);
  // The word after the traits marks an archaic form; it is no trait.
  EXPECT_TRUE(s.Irreguliers->Lecture(1, 0).Archaique);
  EXPECT_EQ(s.Irreguliers->Lecture(1, 0).Morpho,
            LisTraits("1\xE8re personne singulier subjonctif pr\xE9sent actif"));
  ASSERT_EQ(s.Lexique->Count(), 4);
  ASSERT_TRUE(s.Lexique->Find("amo", p));
  EXPECT_EQ(s.Lexique->Objet(p).Sens, "as, are, aui, atum : aimer, ch\xE9rir");
  ASSERT_TRUE(s.Lexique->Find("miles", p));
  EXPECT_EQ(s.Lexique->Objet(p),
            (TDonneesLexicales{5, Genre::Masculin, "milit", "", "itis, m. : soldat"}));
  EXPECT_EQ(s.Lexique->CanonDe(s.Lexique->Radicaux1, "milit"), std::vector<std::string>{"miles"});
  // Homographs are inserted as loading does: the last line stands first,
  // so once written and loaded again they come in source order.
  ASSERT_TRUE(s.Lexique->Find("liber", p));
  EXPECT_EQ(s.Lexique->Objet(p).Modele, 12);
  ChargeOctets(OctetsDe(*s.Lexique, *s.Desinences, *s.Irreguliers));
  ASSERT_TRUE(Lexique->Find("liber", p));
  EXPECT_EQ(Lexique->Objet(p).Modele, 2);
  // A folder without any source gives three empty stores.
  Vide();
  s = LisSources(Racine.string());
  EXPECT_EQ(s.Lexique->Count() + s.Desinences->Count() + s.Irreguliers->Count(), 0);
}

TEST_F(Sources, TexteRecompileDonneLesMemesStores) {
  std::mt19937 alea(5);
  StoresAuHasard(alea, true);
  // As "lexique texte" sees it: a file loaded.
  ChargeOctets(OctetsDesStores());
  const std::string charge = OctetsDesStores();
  EcrisSources(*Lexique, *Desinences, *Irreguliers, Racine.string());
  TStoresSources s = LisSources(Racine.string());
  ChargeOctets(OctetsDe(*s.Lexique, *s.Desinences, *s.Irreguliers));
  EXPECT_EQ(OctetsDesStores(), charge);
}

TEST_F(Sources, TexteRefuseCeQuUneSourceNePeutPorter) {
  TListeDes d;
  TListeIrreg irr;
  for (auto [cle, entree] : {std::pair{"amo", TDonneesLexicales{17, Genre::Aucun, "", "", "a\tb"}},
                             {"#amo", TDonneesLexicales{}},
                             {"amo", TDonneesLexicales{17, Genre::Aucun, "-", "", ""}}}) {
    TLexique l;
    l.Ajoute(cle, std::make_unique<TDonneesLexicales>(entree));
    EXPECT_THROW(EcrisSources(l, d, irr, Racine.string()), Erreur) << cle;
    EXPECT_FALSE(fs::exists(Racine / "lexique.txt"));  // nothing written
  }
}
