// The text base every library shares: UTF-8, integers, lower case, lines,
// the replacement of a file and the program's folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
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
#include "lexical/tests/outils_test.h"
#include "lexical/utf8.h"

namespace fs = std::filesystem;

namespace {

TEST(Utf8, DecodeurStrict) {
  struct Cas {
    const char* octets;
    char32_t point;
    std::size_t longueur;
    bool valide;
  };
  const Cas cas[] = {
      {"a", U'a', 1, true},
      {"\xC3\xA9", U'\u00E9', 2, true},
      {"\xE2\x82\xAC", U'\u20AC', 3, true},
      {"\xF0\x9F\x98\x80", U'\U0001F600', 4, true},
      {"\xC0\xAF", 0, 2, false},          // overlong '/'
      {"\xE0\x80\xAF", 0, 3, false},      // overlong again
      {"\xED\xA0\x80", 0, 3, false},      // a surrogate
      {"\xF4\x90\x80\x80", 0, 4, false},  // past U+10FFFF
      {"\xE2\x82", 0, 2, false},          // cut at the end
      {"\xE2(", 0, 1, false},             // cut by another character
      {"\x80", 0, 1, false},              // a lone continuation byte
      {"\xFF", 0, 1, false},              // never in UTF-8
  };
  for (const Cas& c : cas) {
    const TCaractereUtf8 lu = DecodeUtf8(c.octets, 0);
    EXPECT_EQ(lu.Valide, c.valide) << c.octets;
    EXPECT_EQ(lu.Longueur, c.longueur) << c.octets;
    if (c.valide) {
      EXPECT_EQ(lu.Point, c.point) << c.octets;
    }
    EXPECT_EQ(EstUtf8Valide(c.octets), c.valide) << c.octets;
  }
  // Every code point written and read back, at each length's edges.
  for (char32_t u : {0x0u, 0x7Fu, 0x80u, 0x7FFu, 0x800u, 0xFFFFu, 0x10000u, 0x10FFFFu}) {
    std::string s;
    AjouteUtf8(s, u);
    const TCaractereUtf8 lu = DecodeUtf8(s, 0);
    EXPECT_TRUE(lu.Valide && lu.Point == u && lu.Longueur == s.size())
        << static_cast<unsigned long>(u);
  }
  EXPECT_EQ(SansMarqueUtf8("\xEF\xBB\xBFx"), "x");
  EXPECT_EQ(Utf8VersCp1252("d\xC3\xA9j\xC3\xA0 \xE2\x82\xAC \xE2\x82 \xC4\x81"),
            "d\xE9j\xE0 \x80 ? ?");
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

TEST(Litteral1252, UtilisableCommeUnLitteral) {
  const std::string message = "modèle inconnu "_1252 + std::string("x");
  EXPECT_EQ(message, "mod\xE8le inconnu x");
  const char* c = "déjà"_1252;
  EXPECT_EQ(Cp1252VersUtf8(c), "déjà");
}

TEST(Entier, UnSeulLecteur) {
  const std::pair<const char*, std::optional<int>> cas[] = {
      {"0", 0},
      {"42", 42},
      {"+7", 7},
      {"-3", -3},
      {"", {}},
      {"+", {}},
      {"-", {}},
      {" 1", {}},
      {"1 ", {}},
      {"0x10", {}},
      {"+-5", {}},
      {"12a", {}},
      {"2147483647", INT_MAX},
      {"2147483648", {}},
      {"-2147483649", {}},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(LisEntier(texte), attendu) << texte;
  EXPECT_EQ(LisEntier("99999999999", Depassement::AuPlusGrand), INT_MAX);
  EXPECT_EQ(LisEntier("-99999999999", Depassement::AuPlusGrand), std::nullopt);
}

TEST(Minuscules, CapitalesWindows1252) {
  EXPECT_EQ(Minuscules("AbZ \xC0\xC9\xDE\xD7\x8A\x8C\x8E\x9F\xDF"),
            "abz \xE0\xE9\xFE\xD7\x9A\x9C\x9E\xFF\xDF");
  EXPECT_EQ(Minuscules("\xE9t\xE9 1-2"), "\xE9t\xE9 1-2");
}

// The lines of a text and of a stream are the same by one rule.
TEST(Lignes, TexteEtFluxCoupesPareil) {
  const std::pair<std::string, std::vector<std::string>> cas[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\nb\rc\n\nd", {"a", "b", "c", "", "d"}},
      {"\r\r\n\n", {"", "", ""}},
      {"x\n\r", {"x", ""}},
  };
  for (const auto& [texte, lignes] : cas) {
    EXPECT_EQ(DecoupeLignes(texte), lignes) << texte;
    std::istringstream flux(texte);
    std::vector<std::string> lues;
    for (std::string ligne; LisLigne(flux, ligne);) lues.push_back(ligne);
    EXPECT_EQ(lues, lignes) << texte;
  }
  EXPECT_EQ(DecoupeChamps("a\t\tb\t", '\t'), (std::vector<std::string_view>{"a", "", "b", ""}));
}

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
  const fs::path dossier =
      fs::temp_directory_path() / ("lexique-ecrit-" + std::to_string(::getpid()));
  fs::remove_all(dossier);
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
  fs::remove_all(dossier);
  LiberLexique();
}

}  // namespace
