// The pupil's notes file and the trace file: Windows-1252 text, lines ended
// by CR LF when written, CR LF or LF (or CR) accepted when read. The notes
// file is replaced whole through a temporary file in the same folder, so a
// failed save leaves the previous file intact. Every failure throws Erreur
// with a French message.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TCompteurs {
  int NbLexique = 0;
  int NbMorpho = 0;
  int NbTraduction = 0;
  bool operator==(const TCompteurs&) const = default;
};

// The lines of a text file (Windows-1252 bytes as stored), without ends.
std::vector<std::string> LisLignes(const std::string& chemin);

// Replaces the file with the given lines, each followed by CR LF.
void EcrisLignes(const std::string& chemin, const std::vector<std::string>& lignes);

// Appends one line and CR LF, creating the file when needed.
void AjouteLigne(const std::string& chemin, std::string_view ligne);

bool FichierExiste(const std::string& chemin);

// "auxil.,%d,%d,%d".
std::string LigneCompteurs(const TCompteurs& compteurs);
// The counters of a line holding "auxil.", read as comma-separated values
// (double quote as quoting character) whose items 2 to 4 are the counts;
// nothing when the line does not hold "auxil."; Erreur when the counts are
// missing or not integers.
std::optional<TCompteurs> LisLigneCompteurs(std::string_view ligne);

// The notes file of a pupil: folder, separator, name, "-", file name of the
// text. An empty folder gives the bare file name (the current folder); a
// folder already ending with "/" gets no second one.
std::string CheminNotes(std::string_view repertoire, std::string_view nom, std::string_view fichierTexte);
