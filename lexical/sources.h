// The readable text sources of quirandole.lex and their compiler/printer.
// A folder holds UTF-8, tab-separated files read in file-name order:
//   desinences*.txt  terminaison  modele  radical  traits
//   irreguliers*.txt forme  lemme  modele  traits
//   lexique*.txt     cle  modele  genre  radicauxA  radicauxB  sens
// Models by name, traits as French terms separated by blanks ("-" for
// none; an irregular form's may end with the word "archaïque", siem, duim),
// genre "masculin"/"féminin"/"neutre"/"-", stem lists "-" when empty.
// Lines beginning with '#' and blank lines are skipped. A kind of file that
// is missing gives an empty store. A bad line throws Erreur
// "FICHIER:LIGNE: message".
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "lexical/desinences.h"
#include "lexical/irreguliers.h"
#include "lexical/lexique.h"

struct TStoresSources {
  std::unique_ptr<TLexique> Lexique;
  std::unique_ptr<TListeDes> Desinences;
  std::unique_ptr<TListeIrreg> Irreguliers;
};

// Reads every source file of the folder into new stores, inserting in file
// order exactly as loading quirandole.lex would.
TStoresSources LisSources(const std::string& dossier);

// Writes desinences.txt, irreguliers.txt and lexique.txt into the folder
// (which must exist) so that LisSources gives the same stores back. Erreur
// when a text cannot be written as a source field (tab, line end, a
// leading '#', a stem list "-"), before any file is written; each file is
// then replaced whole by RemplaceFichier (fichier_atomique.h).
void EcrisSources(const TLexique& lexique, const TListeDes& desinences,
                  const TListeIrreg& irreguliers, const std::string& dossier);

// Traits in French terms <-> morphology word. TexteTraits gives "-" for 0.
std::uint32_t LisTraits(std::string_view termes);  // Erreur on an unknown term
std::string TexteTraits(std::uint32_t morpho);
