#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "outils_test.h"

namespace {
const std::string Lecture = MessageLecture, Valeur = MessageValeur;

std::string MessageDeChargement(const std::string& octets) {
  try {
    ChargeOctets(octets);
  } catch (const Erreur& e) {
    return e.what();
  }
  return "aucune erreur";
}

// A small file with all three sections filled.
std::string FichierExemple() {
  return Ecrit([](TEcrivain& e) {
    e.EcrisEntier(2);
    e.EcrisChaine("amo");
    TDonneesLexicales{17, -1, "amau", "amat", "as, are, aui, atum : aimer"}.Ecris(e);
    e.EcrisChaine("miles");
    TDonneesLexicales{5, 0, "milit", "", "itis, m. : soldat"}.Ecris(e);
    e.EcrisEntier(2);
    e.EcrisChaine("mura");
    e.EcrisEntier(1);
    TDef{0, 1, 0x88}.Ecris(e);
    e.EcrisChaine("su");
    e.EcrisEntier(2);
    TDef{1, 1, 0x41}.Ecris(e);
    TDef{11, 1, 0x141}.Ecris(e);
    e.EcrisEntier(1);
    e.EcrisChaine("est");
    e.EcrisEntier(1);
    e.EcrisChaine("sum");
    e.EcrisEntier(0x8105000);
    e.EcrisEntier(22);
  });
}

class Stores : public ::testing::Test {
 protected:
  void TearDown() override { LiberLexique(); }
};
}  // namespace

TEST_F(Stores, LeFichierDeTrenteQuatreOctets) {
  const std::string attendu =
      Octets({0x02, 0x01, 0x06, 0x03, 'a', 'm',  'o',  0x02, 0x11, 0x02, 0xFF, 0x06,
              0x04, 'a',  'm',  'a',  'u', 0x06, 0x04, 'a',  'm',  'a',  't',  0x06,
              0x05, 'a',  'i',  'm',  'e', 'r',  0x02, 0x00, 0x02, 0x00});
  ASSERT_EQ(attendu.size(), 34u);
  ChargeOctets(attendu);
  ASSERT_TRUE(StoresPrets());
  ASSERT_EQ(Lexique->Count(), 1);
  EXPECT_EQ(Lexique->Cle(0), "amo");
  EXPECT_EQ(Lexique->Objet(0), (TDonneesLexicales{17, -1, "amau", "amat", "aimer"}));
  EXPECT_EQ(Desinences->Count(), 0);
  EXPECT_EQ(Irreguliers->Count(), 0);
  EXPECT_FALSE(Lexique->Modifie);
  EXPECT_EQ(OctetsDesStores(), attendu);
}

TEST_F(Stores, TroisComptesNulsOuNegatifs) {
  ChargeOctets(Octets({0x02, 0x00, 0x02, 0x00, 0x02, 0x00}));
  EXPECT_TRUE(StoresPrets());
  EXPECT_EQ(Lexique->Count() + Desinences->Count() + Irreguliers->Count(), 0);
  ChargeOctets(Octets({0x02, 0xFF, 0x03, 0x00, 0x80, 0x04, 0x00, 0x00, 0x00, 0x80}));
  EXPECT_EQ(Lexique->Count() + Desinences->Count() + Irreguliers->Count(), 0);
  // Bytes after the third section are ignored.
  ChargeOctets(Octets({0x02, 0x00, 0x02, 0x00, 0x02, 0x00, 0x99, 0x99}));
  EXPECT_TRUE(StoresPrets());
}

TEST_F(Stores, ChainesRelitesPuisReecritesAvecLaBonneEtiquette) {
  // Key stored as 0x0C, RadicauxA as 0x12 and Sens as 0x14: the save uses 0x06.
  const std::string lu = Octets({0x02, 0x01, 0x0C, 0x01, 0,   0,    0,    'a',  0x02, 0x00, 0x02,
                                 0x00, 0x12, 0x01, 0,    0,   0,    'b',  0,    0x06, 0x00, 0x14,
                                 0x01, 0,    0,    0,    'c', 0x02, 0x00, 0x02, 0x00});
  ChargeOctets(lu);
  EXPECT_EQ(OctetsDesStores(),
            Octets({0x02, 0x01, 0x06, 0x01, 'a',  0x02, 0x00, 0x02, 0x00, 0x06, 0x01,
                    'b',  0x06, 0x00, 0x06, 0x01, 'c',  0x02, 0x00, 0x02, 0x00}));
}

TEST_F(Stores, FormesIrregulieresNumeroteesFusionnees) {
  ChargeOctets(Ecrit([](TEcrivain& e) {
    e.EcrisEntier(0);
    e.EcrisEntier(0);
    e.EcrisEntier(3);
    e.EcrisChaine("fers2");
    e.EcrisEntier(1);
    e.EcrisChaine("fero");
    e.EcrisEntier(0x2);
    e.EcrisEntier(19);
    e.EcrisChaine("fers1");
    e.EcrisEntier(1);
    e.EcrisChaine("fero");
    e.EcrisEntier(0x1);
    e.EcrisEntier(19);
    e.EcrisChaine("Fers");
    e.EcrisEntier(1);
    e.EcrisChaine("ferus");
    e.EcrisEntier(0x4);
    e.EcrisEntier(11);
  }));
  ASSERT_EQ(Irreguliers->Count(), 1);
  EXPECT_EQ(Irreguliers->Cle(0), "fers");
  const auto& d = Irreguliers->Definitions(0);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0], (TDonneesIrreg{0x2, 19, "fero"}));  // file order, not digit order
  EXPECT_EQ(d[1], (TDonneesIrreg{0x1, 19, "fero"}));
  EXPECT_EQ(d[2], (TDonneesIrreg{0x4, 11, "ferus"}));
  EXPECT_EQ(d[2].Radical, 0);
}

TEST_F(Stores, ClesEgalesDuLexiqueEnOrdreInverse) {
  const std::string octets = Ecrit([](TEcrivain& e) {
    e.EcrisEntier(4);
    for (auto [cle, modele] : {std::pair{"liber", 1}, {"zzz", 30}, {"Liber", 2}, {"liber", 11}}) {
      e.EcrisChaine(cle);
      TDonneesLexicales{modele, -1, "", "", ""}.Ecris(e);
    }
    e.EcrisEntier(0);
    e.EcrisEntier(0);
  });
  ChargeOctets(octets);
  ASSERT_EQ(Lexique->Count(), 4);
  EXPECT_EQ(Lexique->Cle(0), "liber");
  EXPECT_EQ(Lexique->Objet(0).Modele, 11);
  EXPECT_EQ(Lexique->Cle(1), "Liber");
  EXPECT_EQ(Lexique->Objet(2).Modele, 1);
  EXPECT_EQ(Lexique->Cle(3), "zzz");
  // Saved in list order, so one more load turns them back.
  ChargeOctets(OctetsDesStores());
  EXPECT_EQ(Lexique->Objet(0).Modele, 1);
  EXPECT_EQ(Lexique->Objet(2).Modele, 11);
}

TEST_F(Stores, DesinenceRepeteeRefusee) {
  const std::string octets = Ecrit([](TEcrivain& e) {
    e.EcrisEntier(0);
    e.EcrisEntier(2);
    e.EcrisChaine("su");
    e.EcrisEntier(0);
    e.EcrisChaine("SU");
    e.EcrisEntier(1);
    TDef{1, 1, 0x41}.Ecris(e);
    // The file is cut just after: the repeated key is what is reported.
  });
  EXPECT_EQ(MessageDeChargement(octets), MessageDoublons);
  // Cut inside the repeated ending: the reading error comes first.
  EXPECT_EQ(MessageDeChargement(octets.substr(0, octets.size() - 2)), Lecture);
  EXPECT_TRUE(Lexique);
  EXPECT_FALSE(Desinences);
}

TEST_F(Stores, CoupeDansLaSectionDeux) {
  const std::string fichier = FichierExemple();
  const std::string section1 = Ecrit([](TEcrivain& e) {
    e.EcrisEntier(2);
    e.EcrisChaine("amo");
    TDonneesLexicales{17, -1, "amau", "amat", "as, are, aui, atum : aimer"}.Ecris(e);
    e.EcrisChaine("miles");
    TDonneesLexicales{5, 0, "milit", "", "itis, m. : soldat"}.Ecris(e);
  });
  ASSERT_EQ(fichier.compare(0, section1.size(), section1), 0);
  EXPECT_EQ(MessageDeChargement(fichier.substr(0, section1.size() + 6)), Lecture);
  ASSERT_TRUE(Lexique);
  EXPECT_EQ(Lexique->Count(), 2);
  EXPECT_EQ(Lexique->Radicaux1.CanonDe("milit"), std::vector<std::string>{"miles"});
  EXPECT_FALSE(Desinences);
  EXPECT_FALSE(Irreguliers);
  EXPECT_FALSE(StoresPrets());
}

TEST_F(Stores, CoupeAChaqueOctet) {
  const std::string fichier = FichierExemple();
  ChargeOctets(fichier);
  for (std::size_t n = 0; n < fichier.size(); ++n)
    EXPECT_EQ(MessageDeChargement(fichier.substr(0, n)), Lecture) << "coupe a " << n;
}

TEST_F(Stores, EtiquettesRetournees) {
  const std::string fichier = FichierExemple();
  std::string s = fichier;
  s[2] = 0x02;  // the first key becomes an integer
  EXPECT_EQ(MessageDeChargement(s), Valeur);
  s = fichier;
  s[0] = 0x06;  // the first count becomes a string
  EXPECT_EQ(MessageDeChargement(s), Valeur);
  s = fichier;
  s[7] = 0x12;  // a string where Modele, an integer, is expected
  EXPECT_EQ(MessageDeChargement(s), Valeur);
  s = fichier;
  s[11] = 0x12;  // RadicauxA read as a wide string whose count runs past the end
  EXPECT_EQ(MessageDeChargement(s), Lecture);
}

TEST_F(Stores, LongueursGonflees) {
  const std::string fichier = FichierExemple();
  std::string s = fichier;
  s[3] = static_cast<char>(0xFF);  // "amo" announced 255 bytes long
  EXPECT_EQ(MessageDeChargement(s), Lecture);
  s = fichier;
  s.replace(2, 2, Octets({0x0C, 0xFF, 0xFF, 0xFF, 0x7F}));
  EXPECT_EQ(MessageDeChargement(s), Lecture);
  // A huge count with nothing behind it fails fast instead of reserving.
  EXPECT_EQ(MessageDeChargement(Octets({0x04, 0xFF, 0xFF, 0xFF, 0x7F, 0x06, 0x00})), Lecture);
}

TEST_F(Stores, ToutOctetAbimeDonneUneErreurConnue) {
  const std::string fichier = FichierExemple();
  const std::set<std::string> connus = {Lecture, Valeur, MessageDoublons, "aucune erreur"};
  for (std::size_t i = 0; i < fichier.size(); ++i)
    for (int v : {0x00, 0x02, 0x04, 0x06, 0x0C, 0x12, 0x14, 0x7F, 0x80, 0xFF}) {
      std::string s = fichier;
      s[i] = static_cast<char>(v);
      EXPECT_TRUE(connus.count(MessageDeChargement(s))) << i << " " << v;
    }
}

TEST_F(Stores, FichierAbsent) {
  try {
    ChargeLexique("/nulle/part/quirandole.lex");
    FAIL();
  } catch (const Erreur& e) {
    EXPECT_EQ(std::string(e.what()), "Impossible d'ouvrir le fichier /nulle/part/quirandole.lex");
  }
  EXPECT_FALSE(Lexique);
}

// Random stores: keys with capitals and accents, long strings, every bit
// of the morphology word.
namespace {
std::string TexteAuHasard(std::mt19937& alea, int longueurMax) {
  static const std::string lettres = "abcdeioqrsuxAEIMRS\xE9\xE8\xE7\xC9\x80\x9C ,:.";
  std::string s;
  const int n = std::uniform_int_distribution<int>(0, longueurMax)(alea);
  for (int i = 0; i < n; ++i)
    s += lettres[std::uniform_int_distribution<std::size_t>(0, lettres.size() - 1)(alea)];
  return s;
}

void GenereStores(std::mt19937& alea, bool homographes) {
  LiberLexique();
  Lexique = std::make_unique<TLexique>();
  Desinences = std::make_unique<TListeDes>();
  Irreguliers = std::make_unique<TListeIrreg>();
  std::uniform_int_distribution<std::uint32_t> bits;
  std::uniform_int_distribution<int> modele(0, 30);
  for (int i = 0; i < 300; ++i) {
    std::string cle = TexteAuHasard(alea, 8);
    int p = 0;
    if (!homographes && Lexique->Find(cle, p)) continue;
    Lexique->Ajoute(cle, std::make_unique<TDonneesLexicales>(TDonneesLexicales{
                             modele(alea), std::uniform_int_distribution<int>(-1, 2)(alea),
                             TexteAuHasard(alea, 20), TexteAuHasard(alea, 20),
                             TexteAuHasard(alea, i % 50 == 0 ? 600 : 40)}));
  }
  Lexique->IndexeRadicaux();
  for (int i = 0; i < 100; ++i) {
    std::string cle = TexteAuHasard(alea, 6);
    int p = 0;
    if (Desinences->Find(cle, p)) continue;
    auto definitions = std::make_unique<std::vector<TDef>>();
    for (int j = std::uniform_int_distribution<int>(0, 6)(alea); j > 0; --j)
      definitions->push_back(
          TDef{modele(alea), std::uniform_int_distribution<int>(0, 3)(alea), bits(alea)});
    Desinences->Ajoute(cle, std::move(definitions));
  }
  for (int i = 0; i < 100; ++i) {
    std::string forme = TexteAuHasard(alea, 6);
    if (forme.empty()) continue;
    Irreguliers->Ajoute(forme, TexteAuHasard(alea, 8), bits(alea), modele(alea));
  }
}
}  // namespace

TEST_F(Stores, EcritLuEcritDonneLesMemesOctets) {
  std::mt19937 alea(2024);
  for (int essai = 0; essai < 10; ++essai) {
    GenereStores(alea, false);
    const std::string premier = OctetsDesStores();
    ChargeOctets(premier);
    ASSERT_EQ(OctetsDesStores(), premier) << "essai " << essai;
  }
}

TEST_F(Stores, AvecHomographesDeuxAllersRetoursRendentLesOctets) {
  // Equal lexicon keys come back in reverse order at each load, so the
  // bytes are the same again after two of them.
  std::mt19937 alea(99);
  GenereStores(alea, true);
  const std::string premier = OctetsDesStores();
  ChargeOctets(premier);
  ChargeOctets(OctetsDesStores());
  EXPECT_EQ(OctetsDesStores(), premier);
}

TEST_F(Stores, SauvegardeBesideLExecutable) {
  const std::string chemin = CheminLexiqueParDefaut();
  std::filesystem::remove(chemin);
  ChargeOctets(FichierExemple());
  try {
    SauveLexique();
    FAIL() << "saved without an existing file";
  } catch (const Erreur& e) {
    EXPECT_EQ(std::string(e.what()), "Impossible d'ouvrir le fichier " + chemin);
  }
  {
    std::ofstream ancien(chemin, std::ios::binary);
    ancien << std::string(5000, '\x01');
  }
  Lexique->Modifie = true;
  SauveLexique();
  EXPECT_FALSE(Lexique->Modifie);
  EXPECT_EQ(std::filesystem::file_size(chemin), FichierExemple().size());
  ChargeLexique(chemin);
  EXPECT_EQ(OctetsDesStores(), FichierExemple());
  std::filesystem::remove(chemin);
}
