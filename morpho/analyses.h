// The analyses of one written Latin form.
//
// A TAnalyse names one dictionary heading ("headword, meaning") and the
// morphological readings of the form that lead to it.  A TListeAnalyses holds
// every analysis of a form, ordered by heading (compared ignoring letter case;
// a heading equal to one already present is merged, never duplicated).  The
// list owns its analyses; the lines made by Lignes are independent copies.
// Strings are Windows-1252.  Nothing here fails except Analyse() with a
// position outside the list (Erreur from the sorted list).  A list that holds
// no analysis says that nothing was found (Count() == 0).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lexical/lecture.h"
#include "lexical/lexique.h"
#include "lexical/liste_triee.h"

// The readings of one analysis, in the order they were found.  Readings made
// by the analysis always carry stem number 0.
using TListeLectures = std::vector<TLecture>;

class TAnalyse {
 public:
  TAnalyse() = default;
  TAnalyse(std::string forme, std::string entree);

  // The form whose search found this analysis (without the enclitic when one
  // had to be removed).
  std::string Forme;
  // The heading: headword, ", ", the entry's meaning.
  std::string Entree;
  // Empty for an invariable word.
  TListeLectures Lectures;

  // Reading i, or nullptr when i is past the end (or negative).
  const TLecture* Lecture(int i) const;
  // "  " + heading, then "    " + the short description of each reading.
  std::vector<std::string> Lignes() const;
};

// The text layouts of TListeAnalyses::Lignes.
enum class Disposition {
  FormeEtEntetes,  // the form line, then " " + heading per analysis
  Entetes,         // the " " + heading lines only
  Complete,        // the form line, then each analysis with its readings: the hover text
};

class TListeAnalyses : public TListeTriee<TAnalyse> {
 public:
  explicit TListeAnalyses(std::string forme = {});

  // The form the list was built for, exactly as searched.
  std::string Forme;

  // Files one reading under `entete`: adds the entry's gender bit, creates the
  // analysis when the heading is new, replaces its heading text otherwise (it
  // can differ in letter case only), appends the reading unless the model is
  // ModeleInvariable or above (modeles.h) (an invariable keeps a reading that
  // has features: the degree of an adverb).  A singular
  // reading of a noun cited in the plural only ("arum, f. pl.") is dropped,
  // unless it is a people (a capital, masculine: Aetoli).
  void Ajoute(const std::string& entete, int modele, std::uint32_t morpho,
              const TDonneesLexicales& e);
  // Moves every analysis of `autre` into this list, under its heading; under
  // a heading already present (ignoring case) the readings not there yet are
  // appended, after those already there (the genitive and the vocative that
  // two spellings of Vergili find are both kept).  Empties `autre`.
  void Fusionne(TListeAnalyses& autre);

  TAnalyse& Analyse(int i);
  const TAnalyse& Analyse(int i) const;

  // The lines in one of the Disposition layouts.  When nothing was found:
  // (the form line in FormeEtEntetes and Complete) then form + " ?".
  std::vector<std::string> Lignes(Disposition disposition) const;
};

// Whether the entry is a noun Latin uses only in the plural, cited so ("arum,
// f. pl."), and not a people (a capital, masculine: Aetoli, whose singular
// names one of them): it has no singular reading, nor any singular form in
// the inflection tables. `entete` is the heading the entry is filed under.
bool PlurielSeul(const std::string& entete, const TDonneesLexicales& e);
