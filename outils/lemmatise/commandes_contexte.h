// The commands of `lemmatise` that read words in their sentence.
//
// --contexte --tsv: words one a line on the input, a blank line between
// sentences; for each word its --tsv rows likeliest first, each preceded by
// the word's number (from 1, blank lines not counted) and a tab, and
// followed by a tab and the reading's probability; a word without analysis
// gets its one --tsv row after its number.  --contexte FICHIER: each word
// of a text with its likeliest heading and reading, for a person to read.
// --couverture on treebanks: the share of words whose first reading in
// context has the gold lemma, and the gold lemma with the gold case,
// number, person and mood, with the model and in the design's order.
//
// `modele` may be null: the design's order then, with equal probabilities.
// Reads the global stores (Erreur when absent); UTF-8 in and out.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

class TModeleContexte;

int CommandeContexteTsv(const TModeleContexte* modele, std::istream& entree, std::ostream& sortie);
int CommandeContexteTexte(const TModeleContexte* modele, const std::string& cheminTexte,
                          std::ostream& sortie);
// Does nothing for form lists; prints the two in-context shares of the
// treebanks among `fichiers`.
void RapportCouvertureContexte(const TModeleContexte* modele,
                               const std::vector<std::string>& fichiers, std::ostream& sortie);
