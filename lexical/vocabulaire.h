// The grammatical vocabulary: French term tables, the 32-bit morphology word
// (one bit per term: case 0-5, number 6-7, gender 8-10, person 11-13,
// tense 14-19, mood 20-26, voice 27-28, degree 29-31), the category indexes
// and the bits by name, the inflection models and their parts of speech.
// Fixed data and pure functions only.
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

// Category indexes, numbered as the term tables above (-1: not given).
// Unscoped enumerations over int, each in the namespace of its category, so
// that they compare with the int accessors of TLecture (d.NumCas() ==
// Cas::Genitif) while two categories never share a name.
namespace Cas {
enum TCas : int { Nominatif, Vocatif, Accusatif, Genitif, Datif, Ablatif };
}
namespace Nombre {
enum TNombre : int { Singulier, Pluriel };
}
namespace Genre {
enum TGenre : int { Aucun = -1, Masculin, Feminin, Neutre };
}
namespace Personne {
enum TPersonne : int { Premiere, Deuxieme, Troisieme };
}
namespace Temps {
// The future comes before the imperfect, as in NomsTemps.
enum TTemps : int { Present, Futur, Imparfait, Parfait, FuturAnterieur, PlusQueParfait };
}  // namespace Temps
namespace Mode {
enum TMode : int {
  Indicatif,
  Subjonctif,
  Imperatif,
  Infinitif,
  Participe,
  Gerondif,
  AdjectifVerbal
};
}
namespace Voix {
enum TVoix : int { Actif, Passif };
}
namespace Degre {
enum TDegre : int { Positif, Comparatif, Superlatif };
}
namespace Partie {
enum TPartie : int { Aucune = -1, Nom, Adjectif, Pronom, Verbe, Invariable };
}

// Every bit of a category at once.
template <std::size_t N>
constexpr Morpho TousLesBits(const std::array<Morpho, N>& masques) {
  Morpho m = 0;
  for (Morpho b : masques) m |= b;
  return m;
}

// The bit of each term by name, so that a morphology word reads as the
// terms it holds: Trait::Genitif | Trait::Singulier.
namespace Trait {
inline constexpr Morpho Nominatif = MasquesCas[Cas::Nominatif], Vocatif = MasquesCas[Cas::Vocatif],
                        Accusatif = MasquesCas[Cas::Accusatif], Genitif = MasquesCas[Cas::Genitif],
                        Datif = MasquesCas[Cas::Datif], Ablatif = MasquesCas[Cas::Ablatif];
inline constexpr Morpho Singulier = MasquesNombre[Nombre::Singulier],
                        Pluriel = MasquesNombre[Nombre::Pluriel];
inline constexpr Morpho Masculin = MasquesGenre[Genre::Masculin],
                        Feminin = MasquesGenre[Genre::Feminin],
                        Neutre = MasquesGenre[Genre::Neutre];
inline constexpr Morpho PremierePersonne = MasquesPersonne[Personne::Premiere],
                        DeuxiemePersonne = MasquesPersonne[Personne::Deuxieme],
                        TroisiemePersonne = MasquesPersonne[Personne::Troisieme];
inline constexpr Morpho Present = MasquesTemps[Temps::Present], Futur = MasquesTemps[Temps::Futur],
                        Imparfait = MasquesTemps[Temps::Imparfait],
                        Parfait = MasquesTemps[Temps::Parfait],
                        FuturAnterieur = MasquesTemps[Temps::FuturAnterieur],
                        PlusQueParfait = MasquesTemps[Temps::PlusQueParfait];
inline constexpr Morpho Indicatif = MasquesMode[Mode::Indicatif],
                        Subjonctif = MasquesMode[Mode::Subjonctif],
                        Imperatif = MasquesMode[Mode::Imperatif],
                        Infinitif = MasquesMode[Mode::Infinitif],
                        Participe = MasquesMode[Mode::Participe],
                        Gerondif = MasquesMode[Mode::Gerondif],
                        AdjectifVerbal = MasquesMode[Mode::AdjectifVerbal];
inline constexpr Morpho Actif = MasquesVoix[Voix::Actif], Passif = MasquesVoix[Voix::Passif];
inline constexpr Morpho Positif = MasquesDegre[Degre::Positif],
                        Comparatif = MasquesDegre[Degre::Comparatif],
                        Superlatif = MasquesDegre[Degre::Superlatif];

inline constexpr Morpho TousCas = TousLesBits(MasquesCas), TousNombres = TousLesBits(MasquesNombre),
                        TousGenres = TousLesBits(MasquesGenre),
                        ToutesPersonnes = TousLesBits(MasquesPersonne);
}  // namespace Trait

// Highest index of the category whose bit is set in m, or -1 when none is.
template <std::size_t N>
constexpr int IndexCategorie(Morpho m, const std::array<Morpho, N>& masques) {
  int resultat = -1;
  for (std::size_t i = 0; i < N; ++i)
    if (m & masques[i]) resultat = static_cast<int>(i);
  return resultat;
}

// Case index: the single case set; -1 for none, and -1 for several case
// bits too (no one case can be told for them).
int IndexCas(Morpho m);

// Part of speech of a model (a Partie:: value, from the table of
// modeles.h), Partie::Aucune outside 0..30.
Partie::TPartie PartieDuModele(int modele);

// Model number of a model name ("amicus" -> 1), -1 when unknown.
int ModeleParNom(std::string_view nom);
