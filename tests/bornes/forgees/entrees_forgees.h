// Hostile inputs built in memory, shared by the bounded-resource tests and
// the benchmarks: a crafted irregular section, a text of one word under
// thousands of spellings, a text of nothing but line breaks. Plain values.
#pragma once

#include <cstddef>
#include <sstream>
#include <string>

#include "lexical/flux.h"

// A lexicon file with no entry, no ending and one irregular form of 1 MB
// holding 170 000 definitions (2 MB in all).
inline std::string SectionIrreguliereForgee() {
  std::ostringstream octets;
  {
    TEcrivain e(octets);
    e.EcrisEntier(0);  // no lexicon entry
    e.EcrisEntier(0);  // no ending
    e.EcrisEntier(1);
    e.EcrisChaine(std::string(1 << 20, 'a'));
    e.EcrisEntier(170000);
    for (int i = 0; i < 170000; ++i) {
      e.EcrisChaine("");
      e.EcrisEntier(0);
      e.EcrisEntier(0);
    }
    e.Vide();
  }
  return octets.str();
}

// `n` distinct spellings of "aedificauerimus" (Windows-1252), one per line:
// each vowel plain or with one of four accents, which the analysis drops,
// so that all of them fall under the one headword.
inline std::string GraphiesDUnMot(int n) {
  static constexpr std::string_view mot = "aedificauerimus";
  static constexpr std::string_view voyelles = "aeiu";
  // Plain, grave, acute, circumflex, diaeresis of a, e, i, u.
  static constexpr unsigned char accents[4][4] = {{0xE0, 0xE1, 0xE2, 0xE4},
                                                  {0xE8, 0xE9, 0xEA, 0xEB},
                                                  {0xEC, 0xED, 0xEE, 0xEF},
                                                  {0xF9, 0xFA, 0xFB, 0xFC}};
  std::string texte;
  for (int k = 0; k < n; ++k) {
    int reste = k;
    for (char c : mot) {
      const std::size_t v = voyelles.find(c);
      if (v == std::string_view::npos) {
        texte += c;
        continue;
      }
      const int choix = reste % 5;
      reste /= 5;
      texte += choix == 0 ? c : static_cast<char>(accents[v][choix - 1]);
    }
    texte += '\n';
  }
  return texte;
}
