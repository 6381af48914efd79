// The public entry of French conjugation and the French plural.
//
// ConjugueVerbe picks the verb class of an infinitive by a fixed, ordered
// chain of tests on its spelling (the first that succeeds decides), makes one
// object of it, runs its driver and drops it; the verb lists the chain and
// the driver consult are in listes_verbes.h.  Nothing here fails: "?" reports an
// infinitive no class conjugates, "erreur" a combination French lacks.
// Strings are Windows-1252; numbering as in numerotation.h.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "flexion/verbe.h"

// True when French puts the verb in the passive: a class conjugates it, it
// is no pronominal verb, takes "avoir" and is not in VerbesSansPassif.
bool APassif(const std::string& infinitif);

// False for the persons an impersonal verb lacks: falloir has the third
// person singular only, pleuvoir and échoir the third persons.
bool PersonneImpersonnelle(const std::string& infinitif, int personne);

// A new object of the class that conjugates the infinitive, or nullptr when
// no class fits.  The whole-verb tests ignore a pronominal "se " or "s'" (so
// "se taire" goes where "taire" goes); the ending tests look at the whole
// infinitive.
std::unique_ptr<TVerbe> CreeVerbe(const std::string& infinitif);

// One French form: "?" when no class fits the infinitive, otherwise what the
// class's driver gives from "?".
std::string ConjugueVerbe(const std::string& infinitif, int personne, TTempsFr temps, TModeFr mode,
                          TVoixFr voix, bool avecPronom);

// French plural of a noun or adjective: unchanged after x, s, z; + "x"
// after "eu", "au" and for the seven nouns in -ou that take it (bijoux);
// "al" -> "aux" but for the nouns that take s (bals, festivals); the nouns
// in -ail that take "aux" (travaux); œil, ciel, aïeul; an accented capital
// or œ counts as a letter.  A compound with hyphens takes the plural on its
// nouns and adjectives (petits-fils, grands-pères), not on an invariable
// first element (demi-dieux) nor after a preposition (arcs-en-ciel).  Other
// endings + "s"; the plural of an empty word is empty.
std::string Pluriel(const std::string& mot);

// Plural of a noun phrase, a meaning such as "ville fortifiée": every word
// up to the first preposition or article takes the plural (villes
// fortifiées, chefs de guerre).
std::string PlurielExpression(const std::string& expression);

// Masculine plural of a past participle: unchanged after s, x; the
// circumflex of dû, mû, crû drops (dus, mus, crus); else + "s" (eus, vus).
std::string PlurielParticipe(const std::string& participe);

// The masculine past participle of the verb, singular or plural, without
// the "se" of a pronominal verb; empty when the verb has none, or no plural
// because it never agrees (été, fallu, nui, lui).
std::string ParticipePasse(const std::string& infinitif, bool pluriel);
