// The spellings under which a written Latin word is looked up.
//
// Texts and editions write one word in several ways: with a capital at the
// start of a sentence or of a name, V and J for U and I, vowels with a
// diaeresis (poëta), prefixes assimilated or not (adfero, affero), older
// spellings (optumus, seruos, quoius, faciundum, tanquam, caussa).  The
// lexicon holds one spelling: lower-case u/i for common words.  These pure
// functions give the spellings to try; they never fail.  The rules and the
// accented letters are data, data/graphies.txt, compiled in by the build
// (regles_graphies.h).  Strings are Windows-1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The spellings always searched, most faithful first, without repeats: the
// form normalised as written (v -> u, j -> i, diaeresis and stress accents
// dropped), the same with capital V and J read as U and I (Venus -> Uenus),
// the lower-cased normalised form, and for a word in capitals the same with
// its first letter a capital (CESTIVS -> Cestius).  Empty for an empty form.
std::vector<std::string> GraphiesPrincipales(std::string_view forme);

// Another spelling of a word, and the readings it may give: those whose
// morphology word holds every bit of Garde (0: all).  A genitive negoti is
// looked up as negotii and keeps only its genitive singular readings.
struct TVariante {
  std::string Forme;
  std::uint32_t Garde = 0;
  friend bool operator==(const TVariante&, const TVariante&) = default;
};

// Other spellings of one word, tried only when its principal spellings find
// nothing: each rule of the editions' spellings applied at one place, and at
// every place at once when it applies at several; the contracted forms
// (-i for -ii, perfects without -u-) restored.  Without repeats and without
// the word itself; empty for a word longer than LongueurMaxVariantes.
std::vector<TVariante> VariantesDeGraphie(std::string_view mot);

inline constexpr std::size_t LongueurMaxVariantes = 40;

// The spellings that need two rules: an end rule marked to be chained (est
// joined to the word: optumumst, quoiast), then each other rule on what it
// leaves (optumum -> optimum, quoia -> cuia).  Tried only when the
// single-rule variants find nothing; the readings kept are those both rules
// keep.  Without repeats, without the word itself and without the variants
// of VariantesDeGraphie; empty for a word longer than LongueurMaxVariantes.
std::vector<TVariante> VariantesDeDeuxRegles(std::string_view mot);

// The full spellings of a genitive or vocative contracted to -i (negoti ->
// negotii, genitive singular only; Vergili -> Vergilie, vocative singular
// only), looked up even when the word finds something as written, since
// the short form is often some other word's form too (ingeni, imperative of
// ingeno).  Empty for a word not in -i or longer than LongueurMaxVariantes.
std::vector<TVariante> ContracteesEnI(std::string_view mot);
