// Test helpers: the verb classes speak Windows-1252, the tests read UTF-8.
// Fr takes the numbers of numerotation.h (formes.tsv lists them).
#pragma once

#include <string>

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
