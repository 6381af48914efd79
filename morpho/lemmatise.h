// From a written Latin word to the list of its analyses.
//
// The search is exhaustive and deterministic: the form as a headword, as an
// irregular form, as every split into stem and ending; when nothing is found,
// under the other spellings of the editions (graphies.h); and only when
// nothing at all is found, without its enclitic.  It reads the three global stores (Lexique,
// Desinences, Irreguliers) and never changes them; when they are not loaded
// every function here throws Erreur("Lexique non chargé") instead.  Results
// are owned by the caller.  A form that cannot be analysed is no error: no
// list is returned.  Strings are Windows-1252.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "morpho/analyses.h"

// The reading a headword gets as such: its model's LectureVedette
// (modeles.h: nominative singular, first person of the present for a verb,
// 0 for an invariable), the third person for an impersonal verb; neuter
// nouns get the accusative singular as well.
Morpho MorphoDeVedette(const TDonneesLexicales& entree);

// The analyses of a word as written in a text (any letter case, v/j spelling,
// diaeresis): the readings of each of its principal spellings (as written,
// with V/J as U/I, lower-cased) merged, the list's form being the first
// spelling that found something.  nullptr when nothing is found, the one way
// it says so: for an empty form, for a form longer than LongueurMaxForme,
// which is not analysed at all, and for a form without analysis; a list
// returned holds at least one analysis.
std::unique_ptr<TListeAnalyses> Lemmatise(std::string_view forme);

// No Latin word, enclitics included, comes near this length; a longer run of
// letters (a pasted line without its blanks, "Roma" followed by thousands of
// "ne") is no word, and would make the enclitic stage cost grow with the
// square of its length.
inline constexpr std::size_t LongueurMaxForme = 40;

// The hover text of a word: Lignes(disposition) of its analyses
// (Disposition::Complete for the hover), or the single line `forme` + " : ?"
// when nothing was found (the word exactly as passed).
std::vector<std::string> TexteAnalyses(std::string_view forme, Disposition disposition);
