// The 31 inflection models in one table, numbered 0 to 30 as Modele counts
// them. For each: its name (the lemma of its type word, shown in the
// descriptions and used by the text sources), its part of speech, the
// citation ending that rebuilds a headword from stem 1, whether stem 1 is
// listed in the entries rather than cut from the headword, what an entry's
// RadicauxA holds (and so which stem index it feeds), the reading a headword
// of the model gets as such, and whether it is a verb. Every rule that
// depends on the model reads it here; the Python generators of data/ import
// the same facts from outils/donnees/modeles.py, which a test compares with
// this table. Fixed data only; nothing fails: a number outside 0..30 reads
// as a row that holds nothing (FicheModele).
#pragma once

#include <array>
#include <string_view>

#include "lexical/vocabulaire.h"

// What the comma-separated RadicauxA of an entry holds.
enum class TRadicauxA {
  Ignores,   // nothing the analysis reads (kept and saved all the same)
  Radical1,  // stems of stem number 1, indexed in Radicaux1
  Radical2,  // perfect stems of a verb (stem number 2, Radicaux2); RadicauxB then
             // holds the supine stems (stem number 3, Radicaux3)
};

struct TModele {
  std::string_view Nom;
  Partie::TPartie Partie = Partie::Aucune;
  // Appended to stem 1 to rebuild the headword (am + o, amic + us); empty
  // when the headword is not rebuilt.
  std::string_view FinCitation;
  // Stem 1 is the oblique stem listed in RadicauxA (milit- of miles) and is
  // looked up in Radicaux1 instead of being cut from the headword.
  bool RadicalUnListe = false;
  TRadicauxA RadicauxA = TRadicauxA::Ignores;
  // The reading of a headword as such; neuter nouns also get the
  // accusative singular, impersonal verbs the third person (lemmatise.h).
  Morpho LectureVedette = 0;
  bool Verbe = false;
};

namespace detail {
inline constexpr Morpho NomSg = Trait::Nominatif | Trait::Singulier;
inline constexpr Morpho NomSgM = NomSg | Trait::Masculin;
inline constexpr Morpho NomSgMF = NomSgM | Trait::Feminin;
inline constexpr Morpho NomSgMFN = NomSgMF | Trait::Neutre;
// Where the endings build no vocative, the headword is the vocative too (rex, corpus, uetus).
inline constexpr Morpho NomVocSg = NomSg | Trait::Vocatif;
inline constexpr Morpho NomVocSgMFN = NomSgMFN | Trait::Vocatif;
inline constexpr Morpho PremierePresent =
    Trait::PremierePersonne | Trait::Singulier | Trait::Present | Trait::Indicatif | Trait::Actif;
inline constexpr auto Ign = TRadicauxA::Ignores, R1 = TRadicauxA::Radical1,
                      R2 = TRadicauxA::Radical2;
}  // namespace detail

// clang-format off
inline constexpr auto Modeles = std::to_array<TModele>({
    // name      part of speech       citation  listed  RadicauxA    headword reading        verb
    {"uita",    Partie::Nom,        "a",   false, detail::Ign, detail::NomSg,           false},
    {"amicus",  Partie::Nom,        "us",  false, detail::Ign, detail::NomSg,           false},
    {"puer",    Partie::Nom,        "er",  false, detail::Ign, detail::NomSg,           false},
    {"ager",    Partie::Nom,        "er",  false, detail::Ign, detail::NomSg,           false},
    {"templum", Partie::Nom,        "um",  false, detail::Ign, detail::NomSg,           false},
    {"miles",   Partie::Nom,        "",    true,  detail::R1,  detail::NomVocSg,        false},
    {"ciuis",   Partie::Nom,        "",    true,  detail::R1,  detail::NomVocSg,        false},
    {"corpus",  Partie::Nom,        "",    true,  detail::R1,  detail::NomVocSg,        false},
    {"mare",    Partie::Nom,        "",    true,  detail::R1,  detail::NomSg,           false},
    // Rebuilt with -us, although stems its entries list are indexed as stem 1.
    {"manus",   Partie::Nom,        "us",  false, detail::R1,  detail::NomSg,           false},
    {"res",     Partie::Nom,        "es",  false, detail::Ign, detail::NomSg,           false},
    {"bonus",   Partie::Adjectif,   "us",  false, detail::Ign, detail::NomSgM,          false},
    {"miser",   Partie::Adjectif,   "er",  false, detail::Ign, detail::NomSgM,          false},
    {"pulcher", Partie::Adjectif,   "er",  false, detail::Ign, detail::NomSgM,          false},
    {"fortis",  Partie::Adjectif,   "",    true,  detail::R1,  detail::NomSgMF,         false},
    {"uetus",   Partie::Adjectif,   "",    true,  detail::R1,  detail::NomVocSgMFN,     false},
    {"acer",    Partie::Adjectif,   "er",  false, detail::Ign, detail::NomSgM,          false},
    {"amo",     Partie::Verbe,      "o",   false, detail::R2,  detail::PremierePresent, true},
    {"moneo",   Partie::Verbe,      "eo",  false, detail::R2,  detail::PremierePresent, true},
    {"lego",    Partie::Verbe,      "o",   false, detail::R2,  detail::PremierePresent, true},
    {"capio",   Partie::Verbe,      "io",  false, detail::R2,  detail::PremierePresent, true},
    {"audio",   Partie::Verbe,      "io",  false, detail::R2,  detail::PremierePresent, true},
    {"sum",     Partie::Verbe,      "sum", false, detail::R2,  detail::PremierePresent, true},
    {"eo",      Partie::Verbe,      "eo",  false, detail::R2,  detail::PremierePresent, true},
    {"imitor",  Partie::Verbe,      "or",  false, detail::R2,  detail::PremierePresent, true},
    {"uereor",  Partie::Verbe,      "eor", false, detail::R2,  detail::PremierePresent, true},
    {"sequor",  Partie::Verbe,      "or",  false, detail::R2,  detail::PremierePresent, true},
    {"patior",  Partie::Verbe,      "ior", false, detail::R2,  detail::PremierePresent, true},
    {"potior",  Partie::Verbe,      "ior", false, detail::R2,  detail::PremierePresent, true},
    {"pronoms", Partie::Pronom,     "",    false, detail::Ign, detail::NomSgMF,         false},
    {"invaria", Partie::Invariable, "",    false, detail::Ign, 0,                       false},
});
// clang-format on

// The number of models, and their names by number, as the table gives them.
inline constexpr int NombreModeles = static_cast<int>(Modeles.size());
inline constexpr auto NomsModeles = [] {
  std::array<std::string_view, Modeles.size()> noms{};
  for (std::size_t i = 0; i < noms.size(); ++i) noms[i] = Modeles[i].Nom;
  return noms;
}();

namespace detail {
inline constexpr TModele ModeleInconnu{};
}

// The row of a model; a number outside 0..30 gets a row with no part of
// speech, no ending, no listed stem and no reading.
constexpr const TModele& FicheModele(int modele) {
  return modele >= 0 && modele < NombreModeles ? Modeles[static_cast<std::size_t>(modele)]
                                               : detail::ModeleInconnu;
}

// The columns agree: a verb's part of speech is Partie::Verbe, a verb's
// RadicauxA holds its perfect stems, and a listed stem 1 is never rebuilt.
static_assert([] {
  for (const TModele& m : Modeles) {
    if (m.Verbe != (m.Partie == Partie::Verbe)) return false;
    if (m.Verbe != (m.RadicauxA == TRadicauxA::Radical2)) return false;
    if (m.RadicalUnListe && (!m.FinCitation.empty() || m.RadicauxA != TRadicauxA::Radical1))
      return false;
  }
  return true;
}());

// The one invariable model: its readings carry nothing worth showing, so
// the analysis gives its words an analysis without reading.
inline constexpr int ModeleInvariable = [] {
  for (int i = 0; i < NombreModeles; ++i)
    if (Modeles[static_cast<std::size_t>(i)].Partie == Partie::Invariable) return i;
  return NombreModeles;
}();
