// Small pure string utilities on Windows-1252 text: spelling normalisation of
// Latin forms, enclitics, and the comma-separated fields of stem lists.
// Positions and field numbers count from 1. Any text length is accepted.
#pragma once

#include <string>
#include <string_view>

// Lower-case "v" becomes "u" and lower-case "j" becomes "i"; nothing else changes.
std::string Normalise(std::string_view forme);

// The leading run of ASCII letters ("amicus, i" -> "amicus"; accents stop it).
std::string LettresInitiales(std::string_view texte);

// The text without the suffix when it ends with it exactly, else empty (also
// empty when the suffix is empty or equals the whole text).
std::string SansSuffixe(std::string_view texte, std::string_view suffixe);

// The form without its enclitic (those of enclitiques.txt, "que", "ue", "ve",
// "ne", tried in this order), or empty when it has none.
std::string SansEnclitique(std::string_view forme);
