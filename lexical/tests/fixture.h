// Fixture files of the tests, in the manner of hunspell's tests/*.dic and
// *.morph: the cases of one area kept as data, each input beside the text it
// must give. A fixture is UTF-8 text:
//   # comment          a line beginning with '#'; blank lines are skipped too
//   [name]             opens a section; the cases below belong to it
//   field<TAB>field    one case
//   >text              one more field of the case above: the text after '>',
//                      leading blanks kept (for expected lines of output)
// A field read with LisEchappes may hold any byte: \t \r \n \\ \xHH, and
// \{N}c for N times the character (or escape) c; \{0}- stands for an empty
// field alone on its line, \x23 for a '#' that begins a case.
// LisFixture reads a file; a missing file fails the calling test (or, read
// before the tests start, leaves a parameterised test without instances,
// which gtest reports). VerifieFixture runs a fixture of many small
// behaviours, one operation per section. TLexiqueDeFixture installs the sections [lexique],
// [desinences] and [irreguliers], written as the text sources of data/
// (lexical/sources.h), as the three global stores for its lifetime.
// TDossierDeTest is a scratch folder for one test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/sources.h"
#include "lexical/stores.h"
#include "lexical/vocabulaire.h"

// The bytes a field stands for, its escapes read (see above).
inline std::string LisEchappes(std::string_view s) {
  std::string r;
  std::size_t i = 0;
  const auto unite = [&]() -> std::string {
    if (s[i] != '\\' || i + 1 == s.size()) {  // one character, of one or more bytes
      const std::size_t debut = i++;
      if (static_cast<unsigned char>(s[debut]) >= 0xC0)
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
      return std::string(s.substr(debut, i - debut));
    }
    const char c = s[i + 1];
    i += 2;
    if (c == 'x') {
      i += 2;
      return std::string(
          1, static_cast<char>(std::stoi(std::string(s.substr(i - 2, 2)), nullptr, 16)));
    }
    return std::string(1, c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c);
  };
  while (i < s.size()) {
    if (s.substr(i, 2) == "\\{") {
      const std::size_t fin = s.find('}', i);
      const std::size_t n = std::stoul(std::string(s.substr(i + 2, fin - i - 2)));
      i = fin + 1;
      const std::string c = unite();
      for (std::size_t k = 0; k < n; ++k) r += c;
    } else {
      r += unite();
    }
  }
  return r;
}

struct TCas {
  std::string Section;
  std::string Lieu;  // "file:line", for failure messages
  std::vector<std::string> Champs;
  // Field i as written (UTF-8), "" past the last one.
  const std::string& operator[](std::size_t i) const {
    static const std::string vide;
    return i < Champs.size() ? Champs[i] : vide;
  }
  // Field i in Windows-1252, as the core reads it.
  std::string Cp(std::size_t i) const { return Utf8VersCp1252((*this)[i]); }
  // Field i as bytes, its escapes read.
  std::string Octets(std::size_t i) const { return LisEchappes((*this)[i]); }
  // The fields from i on, as the lines of an expected text.
  std::vector<std::string> Suite(std::size_t i) const {
    return {Champs.begin() + std::min(i, Champs.size()), Champs.end()};
  }
};

inline std::vector<TCas> LisFixture(const std::string& chemin) {
  std::vector<TCas> cas;
  std::ifstream fichier(chemin, std::ios::binary);
  if (!fichier) ADD_FAILURE() << "fixture introuvable : " << chemin;
  const std::string nom = std::filesystem::path(chemin).filename().string();
  std::string section, ligne;
  for (int numero = 1; std::getline(fichier, ligne); ++numero) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (ligne.find_first_not_of(" \t") == std::string::npos || ligne[0] == '#') continue;
    if (ligne[0] == '>') {
      if (!cas.empty()) cas.back().Champs.push_back(ligne.substr(1));
    } else if (ligne[0] == '[' && ligne.back() == ']') {
      section = ligne.substr(1, ligne.size() - 2);
    } else {
      TCas c{section, nom + ":" + std::to_string(numero), {}};
      for (std::size_t debut = 0, fin = 0; fin != std::string::npos; debut = fin + 1) {
        fin = ligne.find('\t', debut);
        c.Champs.push_back(ligne.substr(debut, fin == std::string::npos ? fin : fin - debut));
      }
      cas.push_back(std::move(c));
    }
  }
  return cas;
}

inline std::vector<TCas> Section(const std::vector<TCas>& cas, const std::string& nom) {
  std::vector<TCas> r;
  for (const TCas& c : cas)
    if (c.Section == nom) r.push_back(c);
  return r;
}

// The names of the sections, in file order, for parameterised tests.
inline std::vector<std::string> Sections(const std::vector<TCas>& cas) {
  std::vector<std::string> noms;
  for (const TCas& c : cas)
    if (noms.empty() || noms.back() != c.Section) noms.push_back(c.Section);
  return noms;
}

// An operation turns the fields of a case into the text it checks: UTF-8,
// or bytes compared with an escaped field. An Erreur it raises is the text
// "! message" (the message in UTF-8).
using TOperation = std::function<std::string(const TCas&)>;

// Each case of `cas` is checked by the operation of its section: the text it
// gives must be its last field, escapes read. The sections of the fixture
// lexicon are skipped. A section without an operation, or an operation
// without a case, fails: a renamed section never passes unchecked.
inline void VerifieFixture(const std::vector<TCas>& cas,
                           const std::map<std::string, TOperation>& operations) {
  std::map<std::string, int> vus;
  for (const TCas& c : cas) {
    if (c.Section == "lexique" || c.Section == "desinences" || c.Section == "irreguliers") continue;
    const auto operation = operations.find(c.Section);
    if (operation == operations.end()) {
      ADD_FAILURE() << c.Lieu << ": aucune opération pour la section [" << c.Section << "]";
      continue;
    }
    ++vus[c.Section];
    std::string obtenu;
    try {
      obtenu = operation->second(c);
    } catch (const Erreur& e) {
      obtenu = "! " + Cp1252VersUtf8(e.what());
    }
    EXPECT_EQ(obtenu, c.Octets(c.Champs.size() - 1)) << c.Lieu << " [" << c.Section << "]";
  }
  for (const auto& [nom, operation] : operations)
    if (!vus.count(nom)) ADD_FAILURE() << "aucun cas dans la section [" << nom << "]";
}

// Traits written as in the sources ("nominatif singulier").
inline Morpho Traits(const std::string& utf8) { return LisTraits(Utf8VersCp1252(utf8)); }

class TLexiqueDeFixture {
 public:
  explicit TLexiqueDeFixture(const std::vector<TCas>& cas) {
    static int rang = 0;
    const auto dossier =
        std::filesystem::temp_directory_path() /
        ("lecturiel-fixture-" + std::to_string(::getpid()) + "-" + std::to_string(rang++));
    std::filesystem::create_directories(dossier);
    for (const char* sorte : {"lexique", "desinences", "irreguliers"}) {
      std::ofstream source(dossier / (std::string(sorte) + ".txt"), std::ios::binary);
      for (const TCas& c : Section(cas, sorte)) {
        for (std::size_t i = 0; i < c.Champs.size(); ++i) source << (i ? "\t" : "") << c[i];
        source << '\n';
      }
    }
    TStoresSources stores = LisSources(dossier.string());
    std::filesystem::remove_all(dossier);
    Lexique = std::move(stores.Lexique);
    Desinences = std::move(stores.Desinences);
    Irreguliers = std::move(stores.Irreguliers);
  }
  ~TLexiqueDeFixture() { LiberLexique(); }
  TLexiqueDeFixture(const TLexiqueDeFixture&) = delete;
  TLexiqueDeFixture& operator=(const TLexiqueDeFixture&) = delete;
};

// A folder of its own for one test, removed with everything in it (its
// rights given back first, for the tests that take them away).
class TDossierDeTest {
 public:
  TDossierDeTest()
      : Racine(std::filesystem::temp_directory_path() /
               ("lecturiel-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(Racine);
    std::filesystem::create_directories(Racine);
  }
  ~TDossierDeTest() {
    std::error_code e;
    std::filesystem::permissions(Racine, std::filesystem::perms::all, e);
    std::filesystem::remove_all(Racine, e);
  }
  TDossierDeTest(const TDossierDeTest&) = delete;
  TDossierDeTest& operator=(const TDossierDeTest&) = delete;

  std::string Chemin(const std::string& nom) const { return (Racine / nom).string(); }
  // Writes the file `nom` with these bytes and gives its path.
  std::string Ecris(const std::string& nom, const std::string& octets) const {
    std::ofstream(Racine / nom, std::ios::binary) << octets;
    return Chemin(nom);
  }

  const std::filesystem::path Racine;
};

// Morphology bits by short names, for the few readings written in code.
namespace traits {
inline constexpr Morpho Nom = Trait::Nominatif, Voc = Trait::Vocatif, Acc = Trait::Accusatif,
                        Gen = Trait::Genitif, Dat = Trait::Datif, Abl = Trait::Ablatif;
inline constexpr Morpho Sg = Trait::Singulier, Pl = Trait::Pluriel;
inline constexpr Morpho Masc = Trait::Masculin, Fem = Trait::Feminin, Neut = Trait::Neutre;
inline constexpr Morpho P1 = Trait::PremierePersonne, P2 = Trait::DeuxiemePersonne,
                        P3 = Trait::TroisiemePersonne;
inline constexpr Morpho Pres = Trait::Present, Parf = Trait::Parfait;
inline constexpr Morpho Ind = Trait::Indicatif, Subj = Trait::Subjonctif, Inf = Trait::Infinitif,
                        Part = Trait::Participe;
inline constexpr Morpho Actif = Trait::Actif, Passif = Trait::Passif;
}  // namespace traits
