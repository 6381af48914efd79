#include "sources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "outils_test.h"

namespace fs = std::filesystem;

namespace {
class Sources : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier_ =
        fs::temp_directory_path() /
        ("lecturiel-sources-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dossier_);
    fs::create_directories(dossier_);
  }
  void TearDown() override {
    fs::remove_all(dossier_);
    LiberLexique();
  }
  void Fichier(const std::string& nom, const std::string& utf8) {
    std::ofstream(dossier_ / nom, std::ios::binary) << utf8;
  }
  std::string Message() {
    try {
      LisSources(dossier_.string());
    } catch (const Erreur& e) {
      return e.MessageUtf8();
    }
    return "aucune erreur";
  }
  fs::path dossier_;
};
}  // namespace

TEST(Traits, TermesFrancaisEtMotMorphologique) {
  EXPECT_EQ(LisTraits("1\xE8re personne singulier indicatif pr\xE9sent actif"), 0x8104840u);
  EXPECT_EQ(LisTraits("g\xE9nitif  pluriel"), 0x88u);
  EXPECT_EQ(LisTraits("futur ant\xE9rieur"), 0x40000u);
  EXPECT_EQ(LisTraits("futur"), 0x8000u);
  EXPECT_EQ(LisTraits("adjectif verbal passif"), 0x14000000u);
  EXPECT_EQ(LisTraits("plus-que-parfait superlatif"), 0x80080000u);
  EXPECT_EQ(LisTraits("-"), 0u);
  EXPECT_THROW(LisTraits("genitif"), Erreur);
  EXPECT_THROW(LisTraits("adjectif"), Erreur);
  EXPECT_THROW(LisTraits(""), Erreur);
  EXPECT_EQ(TexteTraits(0), "-");
  EXPECT_EQ(TexteTraits(0x8104840), "1\xE8re personne singulier indicatif pr\xE9sent actif");
  for (int bit = 0; bit < 32; ++bit) EXPECT_EQ(LisTraits(TexteTraits(1u << bit)), 1u << bit);
  EXPECT_EQ(LisTraits(TexteTraits(0xFFFFFFFFu)), 0xFFFFFFFFu);
}

TEST_F(Sources, CompileDansLOrdreDesFichiers) {
  Fichier("desinences-b.txt", "orum\tamicus\t1\tg\xC3\xA9nitif pluriel\n");
  Fichier("desinences-a.txt",
          "# terminaison\tmodèle\tradical\ttraits\n\n"
          "abam\tamo\t1\t1\xC3\xA8re personne singulier indicatif imparfait actif\r\n"
          "orum\ttemplum\t1\tg\xC3\xA9nitif pluriel\n");
  Fichier("irreguliers.txt",
          "est\tsum\tsum\t3\xC3\xA8me personne singulier indicatif pr\xC3\xA9sent actif\n"
          "Est\tedo\tlego\t-\n");
  Fichier("lexique.txt",
          "\xEF\xBB\xBFmiles\tmiles\tmasculin\tmilit\t-\titis, m. : soldat\n"
          "amo\tamo\t-\tamau\tamat\tas, are, aui, atum : aimer, ch\xC3\xA9rir\n"
          "liber\tpuer\t-\t-\t-\tlibri, m. : livre\n"
          "liber\tmiser\t-\t-\t-\ta, um : libre\n");
  Fichier("lexique.txt~", "garbage\n");
  TStoresSources s = LisSources(dossier_.string());
  ASSERT_EQ(s.Desinences->Count(), 2);
  int p = 0;
  ASSERT_TRUE(s.Desinences->Find("muro", p));
  ASSERT_EQ(s.Desinences->Definitions(p).size(), 2u);
  EXPECT_EQ(s.Desinences->Definition(p, 0).Modele, 4);  // desinences-a before desinences-b
  EXPECT_EQ(s.Desinences->Definition(p, 1).Modele, 1);
  ASSERT_TRUE(s.Desinences->Find("maba", p));
  EXPECT_EQ(s.Desinences->Definition(p, 0), (TDef{17, 1, 0x8110840}));
  ASSERT_EQ(s.Irreguliers->Count(), 1);
  EXPECT_EQ(s.Irreguliers->Definition(0, 1).K, "edo");
  ASSERT_EQ(s.Lexique->Count(), 4);
  ASSERT_TRUE(s.Lexique->Find("amo", p));
  EXPECT_EQ(s.Lexique->Objet(p).Sens, "as, are, aui, atum : aimer, ch\xE9rir");
  ASSERT_TRUE(s.Lexique->Find("miles", p));
  EXPECT_EQ(s.Lexique->Objet(p), (TDonneesLexicales{5, 0, "milit", "", "itis, m. : soldat"}));
  EXPECT_EQ(s.Lexique->Radicaux1.CanonDe("milit"), std::vector<std::string>{"miles"});
  // Homographs are inserted as loading does: the last line stands first,
  // so once written and loaded again they come in source order.
  ASSERT_TRUE(s.Lexique->Find("liber", p));
  EXPECT_EQ(s.Lexique->Objet(p).Modele, 12);
  ChargeOctets(
      Ecrit([&](TEcrivain& e) { EcrisSections(e, *s.Lexique, *s.Desinences, *s.Irreguliers); }));
  ASSERT_TRUE(Lexique->Find("liber", p));
  EXPECT_EQ(Lexique->Objet(p).Modele, 2);
}

TEST_F(Sources, SortesDeFichiersAbsentes) {
  TStoresSources s = LisSources(dossier_.string());
  EXPECT_EQ(s.Lexique->Count() + s.Desinences->Count() + s.Irreguliers->Count(), 0);
}

TEST_F(Sources, LigneFautiveNommeeAvecFichierEtNumero) {
  const std::string chemin = (dossier_ / "lexique.txt").string();
  const auto essai = [&](const std::string& lignes) {
    Fichier("lexique.txt", "# commentaire\namo\tamo\t-\tamau\tamat\taimer\n" + lignes);
    return Message();
  };
  EXPECT_EQ(essai("rosa\tuita\tf\xC3\xA9minin\t-\t-\n"),
            chemin + ":3: 6 champs attendus séparés par des tabulations, 5 trouvés");
  EXPECT_EQ(essai("rosa\trosa\tféminin\t-\t-\tae : rose\n"),
            chemin + ":3: modèle inconnu « rosa »");
  EXPECT_EQ(essai("rosa\tuita\tfeminin\t-\t-\tae : rose\n"),
            chemin + ":3: genre inconnu « feminin » (masculin, féminin, neutre ou -)");
  EXPECT_EQ(essai("\nrosa\tuita\t-\t-\t-\tα\n"),
            chemin + ":4: caractère que Windows-1252 ne peut pas représenter");
  fs::remove(dossier_ / "lexique.txt");
  Fichier("desinences.txt", "a\tuita\t1\tnominatif singulier\n\tuita\t1\t-\n");
  EXPECT_EQ(Message(), (dossier_ / "desinences.txt").string() + ":2: terminaison vide");
  Fichier("desinences.txt", "a\tuita\tun\tnominatif singulier\n");
  EXPECT_EQ(Message(),
            (dossier_ / "desinences.txt").string() + ":1: numéro de radical incorrect « un »");
  Fichier("desinences.txt", "a\tuita\t1\tnominatif singuliers\n");
  EXPECT_EQ(Message(), (dossier_ / "desinences.txt").string() + ":1: trait inconnu « singuliers »");
}

namespace {
std::string TexteAuHasard(std::mt19937& alea, int longueurMax) {
  static const std::string lettres = "abcdeioqrsuxAEIMRS\xE9\xE8\xE7\xC9\x80\x81\x9C ,:.-";
  std::string s;
  const int n = std::uniform_int_distribution<int>(0, longueurMax)(alea);
  for (int i = 0; i < n; ++i)
    s += lettres[std::uniform_int_distribution<std::size_t>(0, lettres.size() - 1)(alea)];
  return s;
}
}  // namespace

TEST_F(Sources, TexteRecompileDonneLesMemesStores) {
  std::mt19937 alea(5);
  Lexique = std::make_unique<TLexique>();
  Desinences = std::make_unique<TListeDes>();
  Irreguliers = std::make_unique<TListeIrreg>();
  std::uniform_int_distribution<std::uint32_t> bits;
  std::uniform_int_distribution<int> modele(-2, 32);  // a few models without a name
  for (int i = 0; i < 400; ++i) {
    auto liste = [&] {
      std::string s = TexteAuHasard(alea, 12);
      return s == "-" ? std::string("--") : s;
    };
    Lexique->Ajoute(TexteAuHasard(alea, 4),  // short keys: many homographs
                    std::make_unique<TDonneesLexicales>(TDonneesLexicales{
                        modele(alea), std::uniform_int_distribution<int>(-1, 3)(alea), liste(),
                        liste(), TexteAuHasard(alea, 30)}));
  }
  for (int i = 0; i < 100; ++i) {
    std::string cle = TexteAuHasard(alea, 5);
    int p = 0;
    if (cle.empty() || Desinences->Find(cle, p)) continue;
    auto d = std::make_unique<std::vector<TDef>>();
    for (int j = std::uniform_int_distribution<int>(1, 6)(alea); j > 0; --j)
      d->push_back(TDef{modele(alea), std::uniform_int_distribution<int>(0, 3)(alea), bits(alea)});
    Desinences->Ajoute(cle, std::move(d));
  }
  for (int i = 0; i < 100; ++i) {
    std::string forme = TexteAuHasard(alea, 5);
    if (!forme.empty())
      Irreguliers->Ajoute(forme + "9", TexteAuHasard(alea, 6), bits(alea), modele(alea));
  }
  // As "lexique texte" sees it: a file loaded.
  ChargeOctets(OctetsDesStores());
  const std::string charge = OctetsDesStores();
  EcrisSources(*Lexique, *Desinences, *Irreguliers, dossier_.string());
  TStoresSources s = LisSources(dossier_.string());
  ChargeOctets(
      Ecrit([&](TEcrivain& e) { EcrisSections(e, *s.Lexique, *s.Desinences, *s.Irreguliers); }));
  EXPECT_EQ(OctetsDesStores(), charge);
}

TEST_F(Sources, TexteRefuseCeQuUneSourceNePeutPorter) {
  TLexique l;
  TListeDes d;
  TListeIrreg irr;
  l.Ajoute("amo", std::make_unique<TDonneesLexicales>(TDonneesLexicales{17, -1, "", "", "a\tb"}));
  EXPECT_THROW(EcrisSources(l, d, irr, dossier_.string()), Erreur);
  EXPECT_FALSE(fs::exists(dossier_ / "lexique.txt"));  // nothing written
  l.Clear();
  l.Ajoute("#amo", nullptr);
  EXPECT_THROW(EcrisSources(l, d, irr, dossier_.string()), Erreur);
  l.Clear();
  l.Ajoute("amo", std::make_unique<TDonneesLexicales>(TDonneesLexicales{17, -1, "-", "", ""}));
  EXPECT_THROW(EcrisSources(l, d, irr, dossier_.string()), Erreur);
}
