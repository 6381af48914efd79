// Test helpers: the verb classes speak Windows-1252, the tests read UTF-8.
#pragma once

#include <memory>
#include <string>

#include "flexion/flexf.h"
#include "lexical/cp1252.h"

inline std::string Cp(const std::string& utf8) { return Utf8VersCp1252(utf8); }
inline std::string U8(const std::string& cp1252) { return Cp1252VersUtf8(cp1252); }

// One form through the public entry, in UTF-8.
inline std::string Fr(const std::string& infinitif, int personne, int temps, int mode, int voix = 1,
                      bool avecPronom = false) {
  return U8(ConjugueVerbe(Cp(infinitif), personne, temps, mode, voix, avecPronom));
}

// Shorthands for the tenses of the indicative and the other moods.
inline std::string Present(const std::string& v, int p) { return Fr(v, p, 1, 1); }
inline std::string Futur(const std::string& v, int p) { return Fr(v, p, 2, 1); }
inline std::string Imparfait(const std::string& v, int p) { return Fr(v, p, 3, 1); }
inline std::string PasseSimple(const std::string& v, int p) { return Fr(v, p, 4, 1); }
inline std::string Subjonctif(const std::string& v, int p) { return Fr(v, p, 1, 2); }
inline std::string SubjImparfait(const std::string& v, int p) { return Fr(v, p, 3, 2); }
inline std::string Imperatif(const std::string& v, int p) { return Fr(v, p, 1, 4); }
inline std::string ParticipePresent(const std::string& v) { return Fr(v, 1, 1, 6); }
// The past participle as the compound infinitive shows it (avoir aimé).
inline std::string ParticipePasse(const std::string& v) {
  std::string f = Fr(v, 1, 5, 5);
  auto blanc = f.find(' ');
  return blanc == std::string::npos ? std::string() : f.substr(blanc + 1);
}
