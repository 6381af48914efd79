// The spelling rules of the editions and the accented letters read as plain
// ones, as constant tables of static storage compiled in from
// data/graphies.txt by the build (outils/cmake/graphies_embarquees.cmake):
// a new rule is a line of that file, and a line the build cannot read stops
// it, so nothing here can be missing or fail at run time. Read by
// graphies.cpp, which applies them; strings are Windows-1252.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Where a rule rewrites a word: at its start, at every place, at its end.
enum class LieuGraphie { Debut, Partout, Fin };

// One rewrite of the editions' spellings: `De` becomes `Vers` at `Ou`; the
// readings kept are those whose morphology word holds every bit of Garde
// (0: all); applied only to words of at most LongueurMax letters (0: any).
struct TRegleGraphie {
  std::string_view De, Vers;
  LieuGraphie Ou;
  std::uint32_t Garde = 0;
  std::size_t LongueurMax = 0;
};

// An accented letter (poëta, égo) and the plain letter it reads as.
struct TSansAccent {
  char Accentuee, Simple;
};

struct TReglesGraphies {
  std::span<const TSansAccent> SansAccent;
  // Tried, in this order, when the spellings as written find nothing.
  std::span<const TRegleGraphie> Regles;
  // The end rules tried even when the word is found as written (negoti).
  std::span<const TRegleGraphie> Toujours;
  // The end rules whose spelling is given one other rule in turn when no
  // single rule finds the word: est joined to a word itself written the old
  // way (optumumst: optumum, then optimum).
  std::span<const TRegleGraphie> Enchainees;
};

extern const TReglesGraphies ReglesGraphies;
