// The paradigm of an entry laid out as tables for reading: a declension
// (cases by number, and by gender when the forms have several), one table
// per mood and voice of a verb (persons by tense), the infinitives (tenses by
// voice, the compound ones among them), each participle, the gerund and the
// gerundive as declensions, the supines by case.
// Variants stand side by side in their cell, an archaic one followed by
// " (archaïque)". Pure functions on values;
// nothing fails. Strings are Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "morpho/paradigme.h"

struct TTableauFlexion {
  std::string Titre;                  // "indicatif actif", "participe parfait passif"...
  std::vector<std::string> Colonnes;  // column headings (one empty heading for one column)
  std::vector<std::string> Lignes;    // row headings
  // Cases[ligne][colonne]: the forms of the cell, variants in paradigm order.
  std::vector<std::vector<std::vector<std::string>>> Cases;
};

std::vector<TTableauFlexion> TableauxFlexion(const TParadigme& paradigme);

// Plain text: the heading, then each table with aligned columns (variants
// joined by ", ", "-" for an empty cell), a blank line after each table;
// "invariable" for a paradigm without forms.
std::vector<std::string> TexteParadigme(const TParadigme& paradigme);

// HTML (Windows-1252 text, escaped) of several paradigms: each heading as a
// title, then its tables; every form equal to `enValeur` (compared as the
// analysis spells it, ignoring letter case) is highlighted.
std::string HtmlParadigmes(const std::vector<TParadigme>& paradigmes, std::string_view enValeur);
