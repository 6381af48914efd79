// The text base every library shares: UTF-8, integers, lower case, lines,
// the replacement of a file and the program's folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "lexical/cp1252.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/entier.h"
#include "lexical/erreur.h"
#include "lexical/lignes.h"
#include "lexical/minuscules.h"
#include "lexical/programme.h"
#include "lexical/stores.h"
#include "lexical/tests/fixture.h"
#include "lexical/tests/outils_test.h"
#include "lexical/utf8.h"

namespace fs = std::filesystem;

namespace {

std::string Hexa(char32_t point) {
  char tampon[16];
  std::snprintf(tampon, sizeof tampon, "%X", static_cast<unsigned>(point));
  return tampon;
}

std::string Lu(const std::string& octets) {
  const TCaractereUtf8 lu = DecodeUtf8(octets, 0);
  return (lu.Valide ? Hexa(lu.Point) : "invalide") + " " + std::to_string(lu.Longueur);
}

std::string LignesDe(const std::vector<std::string>& lignes) {
  std::string r;
  for (const std::string& l : lignes) r += l + "|";
  return r;
}

TEST(BaseTexte, CasDeLaFixture) {
  VerifieFixture(
      LisFixture(LECTURIEL_FIXTURES "/texte.tsv"),
      {{"utf8",
        [](const TCas& c) {
          const std::string octets = c.Octets(0);
          // The whole text is valid exactly when its first character is.
          EXPECT_EQ(EstUtf8Valide(octets), DecodeUtf8(octets, 0).Valide) << c.Lieu;
          return Lu(octets);
        }},
       {"utf8-aller-retour",
        [](const TCas& c) {
          std::string s;
          AjouteUtf8(s, static_cast<char32_t>(std::stoul(c[0], nullptr, 16)));
          return Lu(s);
        }},
       {"vers-1252", [](const TCas& c) { return Utf8VersCp1252(SansMarqueUtf8(c.Octets(0))); }},
       {"entier",
        [](const TCas& c) {
          const auto n = LisEntier(c.Octets(0));
          return n ? std::to_string(*n) : "-";
        }},
       {"entier-au-plus-grand",
        [](const TCas& c) {
          const auto n = LisEntier(c[0], Depassement::AuPlusGrand);
          return n ? std::to_string(*n) : "-";
        }},
       {"minuscules", [](const TCas& c) { return Minuscules(c.Octets(0)); }},
       {"lignes",
        [](const TCas& c) {
          // A text and a stream are cut alike.
          std::istringstream flux(c.Octets(0));
          std::vector<std::string> lues;
          for (std::string ligne; LisLigne(flux, ligne);) lues.push_back(ligne);
          EXPECT_EQ(lues, DecoupeLignes(c.Octets(0))) << c.Lieu;
          return LignesDe(lues);
        }},
       {"champs", [](const TCas& c) {
          // The line outlives the views into it (a temporary would not).
          const std::string ligne = c.Octets(0);
          std::vector<std::string> champs;
          for (std::string_view champ : DecoupeChamps(ligne, '\t')) champs.emplace_back(champ);
          return LignesDe(champs);
        }}});
}

// The French of the source, converted by the compiler: checked here at
// compile time, byte by byte, against the escapes it replaced.
static_assert(std::string_view("Impossible d'écrire : accès refusé"_1252) ==
              "Impossible d'\xE9"
              "crire : acc\xE8s refus\xE9");
static_assert(std::string_view("œŒ€…’«»ŠŽšžŸ"_1252) ==
              "\x9C\x8C\x80\x85\x92\xAB\xBB\x8A\x8E\x9A\x9E\x9F");
static_assert(sizeof("été"_1252) == 4 && "été"_1252[3] == '\0');
static_assert(U'é'_1252 == '\xE9' && U'û'_1252 == '\xFB' && U'Œ'_1252 == '\x8C');

TEST(Programme, DossierDuProgramme) {
  EXPECT_EQ(DossierDuProgramme("/usr/bin/lecturiel"), "/usr/bin/");
  EXPECT_EQ(DossierDuProgramme("lecturiel"), "");
  EXPECT_EQ(DossierProgramme(), DossierDuProgramme(CheminProgramme()));
  EXPECT_EQ(CheminLexiqueParDefaut(), DossierProgramme() + "quirandole.lex");
}

// The lexicon used to be written to a fixed "<file>.provisoire" and renamed
// over the target: the file lost its permissions, a symbolic link became a
// plain file, and nothing reached the disk before the rename. It is now
// replaced as the notes are.
TEST(LexiqueEcrit, CommeLesNotesDroitsEtLiensGardes) {
  const TDossierDeTest temporaire;
  const fs::path& dossier = temporaire.Racine;
  fs::create_directories(dossier / "donnees");
  const fs::path cible = dossier / "donnees" / "quirandole.lex";
  std::ofstream(cible, std::ios::binary) << "ancien";
  fs::permissions(cible, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(cible, dossier / "lien.lex");

  std::mt19937 alea(13);
  StoresAuHasard(alea, false);
  const std::string octets = OctetsDesStores();
  EcrisStores((dossier / "lien.lex").string());
  EXPECT_TRUE(fs::is_symlink(dossier / "lien.lex"));
  EXPECT_EQ(fs::status(cible).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ChargeLexique(cible.string());
  EXPECT_EQ(OctetsDesStores(), octets);
  EXPECT_EQ(std::distance(fs::directory_iterator(dossier / "donnees"), fs::directory_iterator{}),
            1);

  // A folder that is not there: the French reason, and nothing written.
  const std::string absent = (dossier / "absent" / "q.lex").string();
  try {
    EcrisStores(absent);
    ADD_FAILURE() << "pas d'erreur";
  } catch (const Erreur& e) {
    EXPECT_EQ(std::string(e.what()),
              "Impossible d'\xE9"
              "crire le fichier " +
                  absent + " : dossier introuvable");
  }
  LiberLexique();
}

}  // namespace
