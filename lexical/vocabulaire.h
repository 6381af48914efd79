// The grammatical vocabulary: French term tables, the 32-bit morphology word
// (one bit per term: case 0-5, number 6-7, gender 8-10, person 11-13,
// tense 14-19, mood 20-26, voice 27-28, degree 29-31), the inflection models
// and their parts of speech. Fixed data and pure functions only.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

using Morpho = std::uint32_t;

// Term tables (Windows-1252); an index into one of them is the shared code of
// the category, -1 meaning "not given".
extern const std::array<std::string_view, 6> NomsCas;
extern const std::array<std::string_view, 3> NomsGenres;
extern const std::array<std::string_view, 2> NomsNombres;
extern const std::array<std::string_view, 3> NomsPersonnes;
extern const std::array<std::string_view, 7> NomsModes;
extern const std::array<std::string_view, 6> NomsTemps;
extern const std::array<std::string_view, 2> NomsVoix;
extern const std::array<std::string_view, 3> NomsDegres;
extern const std::array<std::string_view, 5> NomsParties;
extern const std::array<std::string_view, 31> NomsModeles;

namespace detail {
template <std::size_t N>
constexpr std::array<Morpho, N> Masques(int premierBit) {
  std::array<Morpho, N> m{};
  for (std::size_t i = 0; i < N; ++i) m[i] = Morpho{1} << (premierBit + static_cast<int>(i));
  return m;
}
}  // namespace detail

// Bit of each term, index 0 first (same order as the term tables).
inline constexpr std::array<Morpho, 6> MasquesCas = detail::Masques<6>(0);
inline constexpr std::array<Morpho, 2> MasquesNombre = detail::Masques<2>(6);
inline constexpr std::array<Morpho, 3> MasquesGenre = detail::Masques<3>(8);
inline constexpr std::array<Morpho, 3> MasquesPersonne = detail::Masques<3>(11);
inline constexpr std::array<Morpho, 6> MasquesTemps = detail::Masques<6>(14);
inline constexpr std::array<Morpho, 7> MasquesMode = detail::Masques<7>(20);
inline constexpr std::array<Morpho, 2> MasquesVoix = detail::Masques<2>(27);
inline constexpr std::array<Morpho, 3> MasquesDegre = detail::Masques<3>(29);

inline constexpr int NombreModeles = 31;

// Highest index of the category whose bit is set in m, or -1 when none is.
template <std::size_t N>
constexpr int IndexCategorie(Morpho m, const std::array<Morpho, N>& masques) {
  int resultat = -1;
  for (std::size_t i = 0; i < N; ++i)
    if (m & masques[i]) resultat = static_cast<int>(i);
  return resultat;
}

// Case index: the single case set, -1 for none; with several case bits the
// indexes found are combined by bitwise OR (bits 0 and 2 give 2).
int IndexCas(Morpho m);

// Part of speech of a model (0 nom, 1 adjectif, 2 pronom, 3 verbe,
// 4 invariable), -1 outside 0..30.
int PartieDuModele(int modele);

// Model number of a model name ("amicus" -> 1), -1 when unknown.
int ModeleParNom(std::string_view nom);
