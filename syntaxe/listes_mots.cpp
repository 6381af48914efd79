#include "syntaxe/listes_mots.h"

#include <span>

#include "lexical/listes_embarquees.h"

// The sections of listes_mots.txt, compiled in by the build.
extern const std::span<const TListeEmbarquee> ListesMotsSyntaxe;

std::string_view ListeDeterminants() { return MotsDeLaSection(ListesMotsSyntaxe, "determinants"); }
std::string_view ListeCopules() { return MotsDeLaSection(ListesMotsSyntaxe, "copules"); }
std::string_view ListeVerbesAppel() { return MotsDeLaSection(ListesMotsSyntaxe, "verbes-appel"); }
std::string_view ListePossessifs() { return MotsDeLaSection(ListesMotsSyntaxe, "possessifs"); }
std::string_view ListePrepositionsAblatif() {
  return MotsDeLaSection(ListesMotsSyntaxe, "prepositions-ablatif");
}
std::string_view ListePrepositionsAccusatif() {
  return MotsDeLaSection(ListesMotsSyntaxe, "prepositions-accusatif");
}
std::string_view ListeConjonctions() { return MotsDeLaSection(ListesMotsSyntaxe, "conjonctions"); }
