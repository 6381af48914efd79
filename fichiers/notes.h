// The pupil's notes file and the trace file: Windows-1252 text, lines ended
// by CR LF when written, CR LF or LF (or CR) accepted when read. The notes
// file is replaced whole by RemplaceFichier (fichier_atomique.h), so a
// failed save leaves the previous file intact; a read-only notes file is
// refused, a replaced one keeps its permissions and owner, and a symbolic
// link is written through. Every failure throws Erreur with a French
// message, never std::bad_alloc.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexical/lignes.h"

struct TCompteurs {
  int NbLexique = 0;
  int NbMorpho = 0;
  int NbTraduction = 0;
  bool operator==(const TCompteurs&) const = default;
};

// The lines of a text file (Windows-1252 bytes as stored), without ends,
// cut by DecoupeLignes (lignes.h).
std::vector<std::string> LisLignes(const std::string& chemin);

// Replaces the file with the given lines, each followed by CR LF.
void EcrisLignes(const std::string& chemin, const std::vector<std::string>& lignes);
// The bytes EcrisLignes writes.
std::string ContenuLignes(const std::vector<std::string>& lignes);

// Appends one line and CR LF, creating the file when needed. The line's
// own line breaks and control characters become blanks: what a pupil types
// (the name, a word) can never make a line of its own in a teacher's trace.
void AjouteLigne(const std::string& chemin, std::string_view ligne);

bool FichierExiste(const std::string& chemin);

// "auxil.,%d,%d,%d".
std::string LigneCompteurs(const TCompteurs& compteurs);
// The counters of a line holding "auxil.", read as comma-separated values
// (double quote as quoting character) whose items 2 to 4 are the counts; a
// count beyond the largest integer is read as the largest; nothing when the
// line does not hold "auxil."; Erreur when the counts are missing or not
// integers.
std::optional<TCompteurs> LisLigneCompteurs(std::string_view ligne);
// A counter after one more help: counters stop at the largest integer
// instead of turning negative.
int CompteurSuivant(int compteur);

// The notes pane's text (UTF-8) as the notes file stores it: Windows-1252,
// vowel length marks dropped (the plain vowel is kept), every other
// character Windows-1252 lacks written '?'.
std::string NotesEn1252(std::string_view utf8);
// The characters of a UTF-8 text that NotesEn1252 cannot keep, each once,
// in order of first appearance, as UTF-8; empty when nothing is lost.
std::vector<std::string> CaracteresPerdus(std::string_view utf8);
// The warning shown before saving such a text, in UTF-8: "Ces caractères ne
// peuvent pas être enregistrés : " and the first characters lost, separated
// by blanks; empty when nothing is lost.
std::string AvertissementCaracteresPerdus(std::string_view utf8);

// The notes file of a pupil: folder, separator, name, "-", file name of the
// text. An empty folder gives the bare file name (the current folder); a
// folder already ending with "/" gets no second one.
std::string CheminNotes(std::string_view repertoire, std::string_view nom,
                        std::string_view fichierTexte);
