// The public entry of French conjugation and the French plural.
//
// ConjugueVerbe picks the verb class of an infinitive by a fixed, ordered
// chain of tests on its spelling (the first that succeeds decides), makes one
// object of it, runs its driver and drops it.  The two verb lists are
// constants built once from their texts.  Nothing here fails: "?" reports an
// infinitive no class conjugates, "erreur" a combination French lacks.
// Strings are Windows-1252; numbering as in verbe.h.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "flexion/verbe.h"

// The infinitives conjugated with "être", sorted ignoring letter case.
const std::vector<std::string>& VerbesEtre();
// The -eter and -eler infinitives that take è (achète, gèle), same order.
const std::vector<std::string>& VerbesEter();
// True when mot is in the list, letter case ignored.
bool DansVerbes(const std::vector<std::string>& liste, std::string_view mot);

// A new object of the class that conjugates the infinitive, or nullptr when
// no class fits.  The whole-verb tests ignore a pronominal "se " or "s'" (so
// "se taire" goes where "taire" goes); the ending tests look at the whole
// infinitive.
std::unique_ptr<TVerbe> CreeVerbe(const std::string& infinitif);

// One French form: "?" when no class fits the infinitive, otherwise what the
// class's driver gives from "?".
std::string ConjugueVerbe(const std::string& infinitif, int personne, int temps, int mode, int voix,
                          bool avecPronom);

// French plural of a noun or adjective: unchanged after x, s, z; + "x" after
// "eu", "au"; "al" -> "aux"; else + "s".  Lower-case endings only; the plural
// of an empty word is empty.
std::string Pluriel(const std::string& mot);
