// TRangs: the rank of each headword among the headwords of classical Latin,
// most frequent first, read from rangs.txt (shipped beside quirandole.lex,
// made by outils/contexte/rangs_contexte.py). A headword is named by its key
// and its model, so that homographs of different models keep their own rank.
// File: UTF-8, one headword a line, "rang<TAB>vedette<TAB>modèle" with the
// model by name; lines beginning with '#' and blank lines are skipped. A
// plain value, owned by whoever reads it; reading throws Erreur with the
// file name and line of a bad line, or when the file cannot be read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class TRangs {
 public:
  static TRangs Lis(const std::string& chemin);
  // Same from the file's text (`origine` names it in error messages).
  static TRangs DeTexte(std::string_view utf8, const std::string& origine);

  // Rank from 1, or nothing for a headword not ranked. Windows-1252 key.
  std::optional<int> Rang(std::string_view vedette, int modele) const;
  int Count() const { return static_cast<int>(rangs_.size()); }

 private:
  std::unordered_map<std::string, int> rangs_;
};

// rangs.txt in the folder of a lexicon file (the one the program loaded).
std::string CheminRangsPres(const std::string& cheminLexique);
