// The French rendering of an analysed Latin word: for each reading of an
// analysis, the first French verb of the entry's meaning conjugated in the
// matching person, tense, mood and voice (il aime, nous avons aimé, aimant).
//
// Stateless: each call works on what it is given.  Traduction reads the
// global stores through Lemmatise and throws Erreur("Lexique non chargé")
// when they are not loaded; nothing else fails.  "?" in the text marks a
// reading whose verb no class conjugates or that French cannot render,
// "erreur" a combination French lacks.  Strings are Windows-1252.
#pragma once

#include <string>
#include <string_view>

#include "morpho/analyses.h"

// The part of s after its first ":", trimmed of blanks and control
// characters; the whole of s, trimmed, when it has no colon.
std::string SensApresDeuxPoints(std::string_view s);

// Latin category indexes (0-based, -1 when absent) to the French numbering
// of the verb classes.
int PersonneFr(int indexPersonne, int indexNombre);  // person + 1 + 3 * number
int TempsFr(int indexTemps);  // présent, futur, imparfait 1-3; the perfects 5-7; absent 0
int ModeFr(int indexMode);    // indicatif, subjonctif 1-2; impératif.. 4..8; absent 1

// The French verb an entry's meaning begins with: its first word, with the
// "se " or "s'" of a pronominal verb (se laver, s'asseoir).
std::string InfinitifDuSens(std::string_view sens);

// Each reading of the analysis rendered with its subject pronoun, each form
// followed by a blank.  Empty for the heading "?"; a reading that is no verb
// reading (no voice: a noun or an adjective) renders nothing.
std::string TraduitAnalyse(const TAnalyse& analyse);

// TraduitAnalyse of every analysis of the form, in list order, each non-empty
// rendering followed by a blank.
std::string Traduction(std::string_view forme);
