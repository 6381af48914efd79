// The lists of French verbs the conjugation consults: which infinitives take
// "être", which -eter and -eler verbs take è, which verbs have no passive,
// before which verbs je, me, se do not elide. They are written in
// listes_verbes.txt, which the build compiles in.
//
// Each list is built once, on first use, from its section and kept
// sorted ignoring letter case; it is a constant shared by every caller and
// lives until the program ends.  Nothing here fails.  Strings are
// Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The infinitives conjugated with "être" (il est venu, il est apparu).
const std::vector<std::string>& VerbesEtre();
// The -eter and -eler infinitives that take è (achète, gèle); the others
// double their consonant (jette, appelle).
const std::vector<std::string>& VerbesEter();
// Verbs without passive: intransitive as the lexicon's meanings use them,
// and être, avoir, pouvoir.
const std::vector<std::string>& VerbesSansPassif();
// Verbs whose h is aspirated, before which je, me, se do not elide.
const std::vector<std::string>& VerbesHAspire();

// True when mot is in the list, letter case ignored.
bool DansVerbes(const std::vector<std::string>& liste, std::string_view mot);
