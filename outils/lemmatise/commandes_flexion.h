// The French-generation commands of the lemmatise tool, kept apart so that
// the French-generation library can supply them.
//   --traduction MOT      the French rendering of each analysis of the word;
//                         called once the stores are loaded.
//   --conjugue INFINITIF  the conjugation tables of a French verb; needs no
//                         store.
// Arguments and output are UTF-8. Each returns the process exit code (0 on
// success); failures are written to `sortie` in French.
#pragma once

#include <ostream>
#include <string>

int CommandeTraduction(const std::string& motUtf8, std::ostream& sortie);
int CommandeConjugue(const std::string& infinitifUtf8, std::ostream& sortie);
