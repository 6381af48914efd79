// TEdition: what the browser page asks of the core, in one place. It holds
// the text of the reading pane and answers with the same core functions as
// the desktop window: the hover text (TexteAnalyses), the three helps of the
// context menu (AidesMot), the inflection tables, the syntactic links, the
// vocabulary, and the core's readers of text, notes and configuration files.
//
// The page speaks UTF-8 and counts positions in UTF-16 code units (as
// JavaScript strings do); the text is kept in Windows-1252 with exactly one
// byte per UTF-16 unit, so that a position of the page is a position of the
// core (a unit cp1252 lacks becomes '?'). Owns its copy of the text; reads
// the three global stores, which the page loads once through ChargeLexique.
// Failures are Erreur (French message); the bindings hand them to the page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MulotEdt/texte_simple.h"
#include "flexion/aides_mot.h"
#include "morpho/rangs_frequence.h"
#include "morpho/vocabulaire_texte.h"
#include "princ/fichiers/document_riche.h"

// The stores from the bytes of a quirandole.lex.
void ChargeLexiqueDepuisOctets(const std::string& octets);

// UTF-8 to Windows-1252, one byte per UTF-16 code unit: a vowel with a
// length mark is the plain vowel, as for the desktop; a character cp1252
// lacks is '?', one outside the basic plane two '?'.
std::string VersPositions1252(std::string_view utf8);

// A Latin text file picked in the browser, read by the core's reader (RTF,
// UTF-16, UTF-8, Windows-1252). Erreur "Impossible de lire le fichier..."
// as the desktop reports it, also for a file that holds no text at all (a
// picture, an archive): read as Windows-1252 it would fill the pane with
// noise instead of telling the pupil the file is not a text.
TDocumentRiche LisFichierTexte(const std::string& nom, const std::string& octets);

struct TLiens {
  std::string Mot1, Mot2;  // UTF-8; empty when that end holds no word
  std::string Texte;       // the links of both orders, one a line (UTF-8)
};

class TEdition {
 public:
  TEdition();

  // The text of the reading pane (UTF-8).
  void Texte(std::string_view utf8);
  // Frequency ranks (text of rangs.txt); without them nothing is ranked.
  void Rangs(std::string_view utf8);

  // The word holding position i (MulotEdt's cut), ligatures written out as
  // the desktop analyses it, UTF-8; empty over blanks.
  std::string Mot(int i) const;
  // The hover text of the word at i, lines joined by "\n" (UTF-8); empty
  // when there is no word there.
  std::string Bulle(int i) const;
  // The three helps of the word at i (UTF-8), nothing without analysis.
  std::optional<TAidesMot> Aides(int i) const;
  // The inflection tables of a word as HTML (UTF-8), or the French line
  // saying it could not be analysed.
  std::string Flexion(std::string_view motUtf8) const;
  // The links between the words at positions i and j, both orders, as the
  // desktop's selection query words them; a word not starting with a
  // letter counts as no word.
  TLiens Liens(int i, int j) const;
  // The vocabulary of the whole text, Windows-1252 inside.
  TVocabulaire Vocabulaire() const;

 private:
  TTexteSimple texte_;
  std::string cp1252_;
  std::optional<TRangs> rangs_;
};
