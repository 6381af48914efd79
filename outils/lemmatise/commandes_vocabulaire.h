// The vocabulary and paradigm commands of the lemmatise tool:
//   --vocabulaire FICHIER  one line per heading of the text: the heading
//                          (headword, meaning), a tab, its occurrences;
//                          with --inconnus, the words not analysed instead
//                          (form, tab, occurrences).  With a model of the
//                          context, each occurrence counts once, under its
//                          likeliest heading; a heading chosen with doubt
//                          gets a third field: "?", its uncertain
//                          occurrences, then the other possible headings.
//   --flexion MOT          the tables of every headword of the word.
// Both are called once the stores are loaded; output is UTF-8. A file that
// cannot be read, or a rank file that --sans-frequents needs and cannot
// read, throws Erreur.
#pragma once

#include <ostream>
#include <string>

#include "morpho/vocabulaire_texte.h"

class TModeleContexte;

struct TOptionsVocabulaire {
  OrdreVocabulaire Ordre = OrdreVocabulaire::Alpha;
  int SansFrequents = 0;                      // leave out the headwords ranked 1 to N
  bool Inconnus = false;                      // list the words not analysed
  std::string CheminRangs;                    // rangs.txt, read only when SansFrequents > 0
  const TModeleContexte* Contexte = nullptr;  // borrowed; null: every heading counts
};

// A Latin text file (UTF-8, Windows-1252 or RTF) as the reading pane shows
// it, in Windows-1252, vowel quantities dropped.
std::string LisTexteDuFichier(const std::string& chemin);

int CommandeVocabulaire(const std::string& cheminTexte, const TOptionsVocabulaire& options,
                        std::ostream& sortie);
int CommandeFlexion(const std::string& motUtf8, std::ostream& sortie);
