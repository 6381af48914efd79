// French string helpers for the verb classes, the plural and the French
// rendering: suffix and prefix tests, stem cutting, word extraction over the
// French letter set and removal of substrings.
//
// Every string is Windows-1252, one byte per character, so an accented letter
// is one character.  Positions given or returned are 1-based, 0 meaning "not
// found".  Nothing here allocates shared state or fails: out-of-range counts
// and positions are clamped, and empty texts give empty results.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lexical/cp1252_litteral.h"

// The French letter set: the lower-case letters (with à â æ ç é è ê ë î ï ô
// œ ü û ù ÿ), then the capitals, accented ones included (À É Œ Æ...).  The
// apostrophe, the hyphen and digits are not letters; a hyphen between two
// letters belongs to the word (petit-fils).
inline constexpr std::string_view Lettres =
    "aàâæbcçdeéèêëfghiîïjklmnoôœpqrstuüûùvwxyÿz"
    "AÀÂÆBCÇDEÉÈÊËFGHIÎÏJKLMNOÔŒPQRSTUÜÛÙVWXYŸZ"_1252;

// True when c occurs in Lettres.
bool EstLettre(char c);

// True when s ends with fin (always true for an empty fin).
bool Termine(std::string_view fin, std::string_view s);

// s without its last n characters; empty when n >= length(s).
std::string SansFin(std::string_view s, int n);

// The last character of s, or '\0' for an empty text.
char DerniereLettre(std::string_view s);

// s with every occurrence of sous removed, searching again from the start
// after each removal (so removals that make a new occurrence go on).
std::string SupprimeTout(std::string_view sous, std::string_view s);

// True when s begins with debut.
bool Commence(std::string_view debut, std::string_view s);

// Position (1-based) of the last occurrence of sous in s, 0 when absent.
int DernierePosition(std::string_view sous, std::string_view s);

// s trimmed at both ends of blanks and control characters (bytes <= ' ').
std::string Rogne(std::string_view s);

// The words of s, in order: maximal runs of letters, a hyphen between two
// letters included.
std::vector<std::string> Mots(std::string_view s);

// The word (letters, inner hyphens) that begins s once trimmed; empty when
// the trimmed text does not begin with a letter.
std::string PremierMot(std::string_view s);

// The n-th blank-separated word of s (1-based), empty when n < 1 or when
// there are fewer words.  A non-letter other than a blank ends the scan: in
// "s'asseoir" word 2 is empty.
std::string MotN(int n, std::string_view s);
