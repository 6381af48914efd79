// TLienSyntaxique: the syntactic relations that the morphology of two words
// allows, as short French sentences (Windows-1252).
//
// Mot1 is tried as the dependent of Mot2; the selection query builds one
// object per order.  Every reading of one word is compared with every reading
// of the other; the result is the set of distinct sentences, sorted ignoring
// letter case.  A word without analysis gives the line "<mot> n'a pu être
// analysé" and no rule runs.  Invariable words (prepositions, conjunctions)
// take part through a reading of their own that exists only here: the
// analyses themselves keep no reading for them.  All the work is done by the
// constructor, which reads the global stores (Erreur "Lexique non chargé"
// when they are absent).  The object owns both analysis lists.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "morpho/analyses.h"

class TLienSyntaxique {
 public:
  TLienSyntaxique(std::string Mot1, std::string Mot2);

  // The sentences, ascending, without duplicates (ignoring case).
  const std::vector<std::string>& Liens() const { return liens_; }
  // The sentences, each followed by "\r\n".
  std::string Texte() const;

  // The analyses of each word; nullptr for a word without analysis.
  const TListeAnalyses* Analyses1() const { return analyses1_.get(); }
  const TListeAnalyses* Analyses2() const { return analyses2_.get(); }

 private:
  void AjouteLien(std::string ligne);

  std::string mot1_, mot2_;
  std::unique_ptr<TListeAnalyses> analyses1_, analyses2_;
  std::vector<std::string> liens_;
};

// True when `mot` is not empty and is one of the blank-separated words of
// `liste` (exact comparison; the first and last words count too).
bool DansListe(std::string_view mot, std::string_view liste);
