// Test helpers: the verb classes speak Windows-1252, the tests read UTF-8.
// The tables of cases give the numbers of numerotation.h: temps 1 présent,
// 2 futur, 3 imparfait, 4 passé simple, 5..8 their compounds; mode 1
// indicatif, 2 subjonctif, 3 conditionnel, 4 impératif, 5 infinitif, 6
// participe; voix 1 actif, 2 passif.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flexion/flexf.h"
#include "lexical/cp1252.h"

inline std::string Cp(const std::string& utf8) { return Utf8VersCp1252(utf8); }
inline std::string U8(const std::string& cp1252) { return Cp1252VersUtf8(cp1252); }

// One form through the public entry, in UTF-8.
inline std::string Fr(const std::string& infinitif, int personne, int temps, int mode, int voix = 1,
                      bool avecPronom = false) {
  return U8(ConjugueVerbe(Cp(infinitif), personne, static_cast<TTempsFr>(temps),
                          static_cast<TModeFr>(mode), static_cast<TVoixFr>(voix), avecPronom));
}

// One checked form: what ConjugueVerbe must give for these arguments; a
// trailing true asks for the subject pronoun.
struct Forme {
  const char* infinitif;
  int personne, temps, mode, voix;
  const char* attendue;
  bool avecPronom = false;
};

// Checks every row; a failure names its row.
inline void VerifieFormes(const std::vector<Forme>& formes) {
  for (const Forme& f : formes)
    EXPECT_EQ(Fr(f.infinitif, f.personne, f.temps, f.mode, f.voix, f.avecPronom), f.attendue)
        << f.infinitif << " personne " << f.personne << " temps " << f.temps << " mode " << f.mode
        << " voix " << f.voix << (f.avecPronom ? " avec pronom" : "");
}
