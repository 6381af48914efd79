#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "lexical/tests/fixture.h"
#include "lexical/tests/outils_test.h"
#include "lexical/vocabulaire.h"

namespace {
const std::string Lecture = MessageLecture, Valeur = MessageValeur;

// Morphology words as the file holds them, signed 32-bit integers.
constexpr std::int32_t Nominatif = Trait::Nominatif, Vocatif = Trait::Vocatif,
                       Accusatif = Trait::Accusatif,
                       GenitifPluriel = Trait::Genitif | Trait::Pluriel,
                       NominatifSingulier = Trait::Nominatif | Trait::Singulier,
                       NominatifSingulierMasculin = NominatifSingulier | Trait::Masculin,
                       DeuxiemePresent = Trait::DeuxiemePersonne | Trait::Present |
                                         Trait::Indicatif | Trait::Actif;

std::string MessageDeChargement(const std::string& octets) {
  return MessageDe([&] { ChargeOctets(octets); });
}

// A small file with all three sections filled, and an ending without readings.
const std::string SectionUn =
    Valeurs({2, "amo", 17, -1, "amau", "amat", "as, are, aui, atum : aimer", "miles", 5, 0, "milit",
             "", "itis, m. : soldat"});
const std::string SectionDeux =
    Valeurs({3, "mura", 1, 0, 1, GenitifPluriel, "su", 2, 1, 1, NominatifSingulier, 11, 1,
             NominatifSingulierMasculin, "xe", 0});
const std::string FichierExemple =
    SectionUn + SectionDeux + Valeurs({1, "est", 1, "sum", DeuxiemePresent, 22});

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
  EXPECT_EQ(Lexique->Objet(0), (TDonneesLexicales{17, Genre::Aucun, "amau", "amat", "aimer"}));
  EXPECT_EQ(Desinences->Count() + Irreguliers->Count(), 0);
  EXPECT_EQ(OctetsDesStores(), attendu);
}

TEST_F(Stores, CasDeLaFixture) {
  const auto charge = [](const std::string& octets) {
    ChargeOctets(octets);
    return std::to_string(Lexique->Count()) + " " + std::to_string(Desinences->Count()) + " " +
           std::to_string(Irreguliers->Count());
  };
  VerifieFixture(
      LisFixture(LECTURIEL_FIXTURES "/chargement.tsv"),
      {{"fichier", [&](const TCas& c) { return charge(c.Octets(0)); }},
       {"abime", [&](const TCas& c) {
          return charge(
              std::string(FichierExemple).replace(std::stoul(c[0]), std::stoul(c[1]), c.Octets(2)));
        }}});
}

TEST_F(Stores, FormesIrregulieresNumeroteesFusionnees) {
  ChargeOctets(Valeurs({0, 0, 3, "fers2", 1, "fero", Vocatif, 19, "fers1", 1, "fero", Nominatif, 19,
                        "Fers", 1, "ferus", Accusatif, 11}));
  ASSERT_EQ(Irreguliers->Count(), 1);
  EXPECT_EQ(Irreguliers->Cle(0), "fers");
  // File order, not digit order; Radical is always 0.
  EXPECT_EQ(Irreguliers->Lectures(0),
            (std::vector<TLectureIrreguliere>{{Trait::Vocatif, 19, "fero"},
                                              {Trait::Nominatif, 19, "fero"},
                                              {Trait::Accusatif, 11, "ferus"}}));
}

// The digit 0 marks archaic definitions: read with the others of the form,
// and written again under the digit, after them.
TEST_F(Stores, FormesArchaiquesSousLeChiffreZero) {
  ChargeOctets(Valeurs({0, 0, 2, "siem0", 1, "sum", Nominatif, 22, "siem", 1, "sum", Vocatif, 22}));
  ASSERT_EQ(Irreguliers->Count(), 1);
  EXPECT_EQ(Irreguliers->Cle(0), "siem");
  const auto& d = Irreguliers->Lectures(0);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(d[0].Archaique);
  EXPECT_FALSE(d[1].Archaique);
  EXPECT_EQ(OctetsDesStores(),
            Valeurs({0, 0, 2, "siem", 1, "sum", Vocatif, 22, "siem0", 1, "sum", Nominatif, 22}));
}

// Every cut is a reading error; one in section 2 keeps the lexicon read before it.
TEST_F(Stores, CoupeAChaqueOctet) {
  for (std::size_t n = 0; n < FichierExemple.size(); ++n)
    EXPECT_EQ(MessageDeChargement(FichierExemple.substr(0, n)), Lecture) << "coupe a " << n;
  EXPECT_EQ(MessageDeChargement(FichierExemple.substr(0, SectionUn.size() + 6)), Lecture);
  ASSERT_TRUE(Lexique);
  EXPECT_EQ(Lexique->Count(), 2);
  EXPECT_EQ(Lexique->CanonDe(Lexique->Radicaux1, "milit"), std::vector<std::string>{"miles"});
  EXPECT_FALSE(Desinences || Irreguliers);
}

TEST_F(Stores, ToutOctetAbimeDonneUneErreurConnue) {
  const std::set<std::string> connus = {Lecture, Valeur, MessageDoublons, "aucune erreur"};
  for (std::size_t i = 0; i < FichierExemple.size(); ++i)
    for (int v : {0x00, 0x02, 0x04, 0x06, 0x0C, 0x12, 0x14, 0x7F, 0x80, 0xFF}) {
      std::string s = FichierExemple;
      s[i] = static_cast<char>(v);
      // Or a field out of its range, named with its entry.
      const std::string message = MessageDeChargement(s);
      EXPECT_TRUE(connus.count(message) || message.find(" hors limites (de ") != std::string::npos)
          << i << " " << v << " " << message;
    }
}

// Equal lexicon keys come back in reverse order at each load, so with
// homographs the bytes are the same again after two loads instead of one.
TEST_F(Stores, EcritLuEcritDonneLesMemesOctets) {
  std::mt19937 alea(2024);
  for (int essai = 0; essai < 10; ++essai) {
    const bool homographes = essai % 2;
    StoresAuHasard(alea, homographes);
    const std::string premier = OctetsDesStores();
    ChargeOctets(premier);
    if (homographes) ChargeOctets(OctetsDesStores());
    ASSERT_EQ(OctetsDesStores(), premier) << "essai " << essai;
  }
}

// A damaged lexicon was told by "Erreur de lecture du flux" alone: the
// message now names the file, the byte where the value that failed starts
// and what it had to be. A field out of its range (a gender of 119) loaded
// without a word; it is refused with its entry.
TEST_F(Stores, LexiqueEndommageNommeLeFichierEtLOctet) {
  TDossierDeTest dossier;
  const auto message = [&](const std::string& octets) {
    return Cp1252VersUtf8(MessageDe([&] { ChargeLexique(dossier.Ecris("q.lex", octets)); }));
  };
  const std::string chemin = dossier.Chemin("q.lex");
  // Cut inside the meaning of "amo", which starts at byte 23.
  EXPECT_EQ(message(FichierExemple.substr(0, 25)),
            "Lexique " + chemin +
                " endommagé à l'octet 23 (attendu : une chaîne) : Erreur de lecture du flux");
  std::string genre = FichierExemple;
  ASSERT_EQ(genre.substr(9, 2), "\x02\xFF");  // amo's gender, -1
  genre[10] = 119;
  EXPECT_EQ(message(genre), "Lexique " + chemin +
                                " endommagé à l'octet 9 (attendu : un entier) : entrée « amo » : "
                                "genre 119 hors limites (de -1 à 2)");
  std::string modele = FichierExemple;
  modele[8] = 31;
  EXPECT_NE(message(modele).find("entrée « amo » : modèle 31 hors limites (de 0 à 30)"),
            std::string::npos);
}

// Of 20 copies of the lexicon with one byte changed, 8 loaded without a
// word, most in the meanings. Files are now written with a checksum after
// the sections, which a loader that predates it never reads; it is checked
// when it is there, and a mismatch still loads (the caller warns).
TEST_F(Stores, EmpreinteVerifieeQuandElleEstLa) {
  TDossierDeTest dossier;
  ChargeOctets(FichierExemple);
  const std::string chemin = dossier.Chemin("q.lex");
  EcrisStores(chemin);
  std::ifstream lu(chemin, std::ios::binary);
  const std::string octets((std::istreambuf_iterator<char>(lu)), std::istreambuf_iterator<char>());
  ASSERT_EQ(octets.substr(0, FichierExemple.size()), FichierExemple);
  // The loader of before: three sections, the rest unread.
  ChargeOctets(octets);
  EXPECT_EQ(OctetsDesStores(), FichierExemple);
  const auto etat = [&](const std::string& contenu) {
    return ChargeLexique(dossier.Ecris("essai.lex", contenu));
  };
  EXPECT_EQ(etat(octets), EtatEmpreinte::Juste);
  EXPECT_EQ(etat(FichierExemple), EtatEmpreinte::Absente);
  // Each byte of the sections or of the checksum changed is told.
  for (std::size_t i = 0; i < octets.size(); ++i) {
    std::string abime = octets;
    abime[i] = static_cast<char>(abime[i] ^ 0x20);
    EtatEmpreinte e = EtatEmpreinte::Juste;
    const std::string erreur = MessageDe([&] { e = etat(abime); });
    EXPECT_TRUE(e == EtatEmpreinte::Fausse || erreur != "aucune erreur") << i;
  }
  EXPECT_EQ(etat(FichierExemple + "reste"), EtatEmpreinte::Fausse);
}

// A static object's destructor used to write the lexicon back at the end of
// every program linking the library, tests and tools included: a program
// that ends with the lexicon loaded must leave the file alone.
TEST(SortieDeathTest, AucuneSauvegardeCacheeALaFin) {
  const std::string chemin = CheminLexiqueParDefaut();
  const std::string ancien = "ancien lexique";
  std::ofstream(chemin, std::ios::binary) << ancien;
  EXPECT_EXIT(
      {
        ChargeOctets(FichierExemple);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  std::ifstream fichier(chemin, std::ios::binary);
  const std::string lu((std::istreambuf_iterator<char>(fichier)), std::istreambuf_iterator<char>());
  EXPECT_EQ(lu, ancien);
  std::filesystem::remove(chemin);
}
