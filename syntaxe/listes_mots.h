// The word lists of the syntactic link rules, written in listes_mots.txt
// (which says what each holds) and compiled in by the build. Each is a text
// of blank-separated words, of static storage, for DansListe
// (lien_syntaxique.h). Nothing fails.
#pragma once

#include <string_view>

// Pronouns and adjectives that determine a noun.
std::string_view ListeDeterminants();
// Verbs that take an attribute of their subject.
std::string_view ListeCopules();
// Verbs that take an attribute of their subject when passive.
std::string_view ListeVerbesAppel();
// Possessive adjectives, which a genitive never complements.
std::string_view ListePossessifs();
// Prepositions with the ablative, and with the accusative.
std::string_view ListePrepositionsAblatif();
std::string_view ListePrepositionsAccusatif();
// Conjunctions that introduce a subordinate clause.
std::string_view ListeConjonctions();
