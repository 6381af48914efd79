// Spellings for pupils: long and short vowel marks (macron, breve, precomposed
// or combining) are dropped and the ligatures ae and oe written out, so that
// the analysis sees the plain spelling it knows. UTF-8 in, UTF-8 out; bytes
// that are not valid UTF-8 are passed through unchanged.
#pragma once

#include <string>
#include <string_view>

std::string SansQuantites(std::string_view utf8);

// Only the vowel length marks dropped; the ligatures stay as they are.
std::string SansMarquesDeQuantite(std::string_view utf8);
