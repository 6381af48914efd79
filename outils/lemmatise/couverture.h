// How much of a CoNLL-U treebank the lexicon and the analysis cover.
//
// Word tokens are the token lines of the files minus multiword ranges
// ("3-4"), empty nodes ("5.1") and the parts of speech PUNCT, NUM, SYM and X.
// A token is analysed when Lemmatise finds anything; its lemma is found when
// the gold lemma, normalised, is among the normalised headwords of its
// analyses. Normalisation: lower case, v -> u, j -> i, trailing digits
// removed; an optional part in parentheses ("ex(s)isto") gives both
// spellings.
//
// A form list (two tab-separated columns: form as written, number of
// occurrences; an optional header line, blank lines and "#" comments) is
// measured by the share of occurrences that Lemmatise analyses, weighted by
// the counts, with the most frequent forms left unanalysed.
//
// Reads the global stores (Erreur when absent); a file that cannot be read,
// or a form-list line whose count is not a number, is an Erreur.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One word token, form and gold lemma in UTF-8 as in the file.
struct TJeton {
  std::string Forme, Lemme;
};

std::vector<TJeton> LisJetonsConllu(std::istream& entree);

// The normalised spellings of a lemma (Windows-1252): one, or one per choice
// of each parenthesised part; a capitalised plural in -i or -ae (a people)
// also in the singular.
std::vector<std::string> GraphiesLemme(std::string_view lemmeCp1252);

struct TCouverture {
  long Jetons = 0;
  long Analyses = 0;       // tokens with at least one analysis
  long LemmesTrouves = 0;  // tokens whose gold lemma is an analysed headword
  // Missed gold lemmas (normalised, parentheses kept, UTF-8) with their
  // token counts, most frequent first, ties in alphabetical order.
  std::vector<std::pair<std::string, long>> Manques;
};

TCouverture MesureCouverture(const std::vector<TJeton>& jetons);

// One form of a form list, in UTF-8 as in the file.
struct TFormeComptee {
  std::string Forme;
  long Occurrences = 0;
};

// The rows of a form list. `nom` names the file in the error of a bad row.
std::vector<TFormeComptee> LisFormesComptees(std::istream& entree, std::string_view nom);

struct TCouvertureFormes {
  long Formes = 0, FormesAnalysees = 0;
  long Occurrences = 0, OccurrencesAnalysees = 0;
  // Forms without analysis (UTF-8) with their counts, most frequent first,
  // ties in alphabetical order; a form listed twice counts once, summed.
  std::vector<std::pair<std::string, long>> NonAnalysees;
};

TCouvertureFormes MesureCouvertureFormes(const std::vector<TFormeComptee>& formes);

// Whether a file holds a form list rather than a treebank: its first line
// that is neither blank nor a comment has exactly two columns.
bool EstListeDeFormes(std::istream& entree);

// Reads every file and prints, for the treebanks taken together, the two
// shares and the `nbManques` most frequent missed lemmas, and for the form
// lists taken together, the weighted share and the `nbManques` most frequent
// forms not analysed.
void RapportCouverture(const std::vector<std::string>& fichiers, std::ostream& sortie,
                       int nbManques = 50);
