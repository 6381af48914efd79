// The three global stores, the only global state of the program, and the
// loading and saving of quirandole.lex (three sections one after the other:
// lexicon, endings, irregular forms; no header). The stores are created by
// ChargeLexique and only read afterwards. Loading stops at the first error:
// the stores read before it stay assigned, the others stay absent.
//
// Nothing is saved behind the caller's back: the file is written only by an
// explicit call (EcrisStores, EcrisFichierLexique: the file tools); the
// window, the tests and the benchmarks only read quirandole.lex.
#pragma once

#include <memory>
#include <string>

#include "lexical/desinences.h"
#include "lexical/irreguliers.h"
#include "lexical/lexique.h"
#include "lexical/messages.h"

class TLecteur;
class TEcrivain;

extern std::unique_ptr<TLexique> Lexique;
extern std::unique_ptr<TListeDes> Desinences;
extern std::unique_ptr<TListeIrreg> Irreguliers;

// What loading found of the checksum the file ends with: none (a file
// written before there was one), one that matches, or one that does not
// (or bytes after the sections that are no checksum).
enum class EtatEmpreinte { Absente, Juste, Fausse };

// Loads the file. Erreur "Impossible d'ouvrir le fichier %s" when it is
// missing, "Impossible de lire le fichier %s : raison" when it is no regular
// file or too big, MessageLexiqueEndommage (the file, the byte offset, what
// was expected there, then the reading error of TLecteur, the field out of
// range with its entry, or the duplicate of the endings table), or
// MessageMemoire when memory runs out (never std::bad_alloc). A checksum
// that does not match loads all the same: the caller warns
// (AvertissementEmpreinte) and goes on.
EtatEmpreinte ChargeLexique(const std::string& chemin);
// The French warning for a lexicon whose checksum does not match.
std::string AvertissementEmpreinte(const std::string& chemin);
// Same from a reader already open (tests, fuzzing).
void ChargeLexique(TLecteur& lecteur);

// Writes the three stores to a file, created or replaced whole
// (RemplaceFichier: a failure leaves the old file; Erreur "Impossible
// d'écrire le fichier %s : raison").
void EcrisStores(const std::string& chemin);

// Writes any three stores as the three sections.
void EcrisSections(TEcrivain& ecrivain, const TLexique& lexique, const TListeDes& desinences,
                   const TListeIrreg& irreguliers);
// Writes any three stores to a new file, replaced whole.
void EcrisFichierLexique(const std::string& chemin, const TLexique& lexique,
                         const TListeDes& desinences, const TListeIrreg& irreguliers);

// Full path of quirandole.lex in the folder of the running executable
// (DossierProgramme, programme.h).
std::string CheminLexiqueParDefaut();

bool StoresPrets();
void LiberLexique();
