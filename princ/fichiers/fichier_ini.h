// TFichierIni: the read-only configuration file, read once. Sections and
// keys are compared without regard to case; the first value of a key wins;
// values are returned in Windows-1252 (a file in UTF-16 with its byte-order
// mark, or valid UTF-8 with or without one, is converted), without
// surrounding blanks or a pair of enclosing double quotes. A value runs to
// the end of its line, whatever its length. A missing file reads as empty;
// a file that exists but cannot be read reads as empty too and keeps the
// French reason in Probleme(), for the window to report. Never throws.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TFichierIni {
 public:
  explicit TFichierIni(const std::string& chemin);
  // The configuration held in these bytes, as if read from a file.
  static TFichierIni DepuisOctets(std::string_view octets);

  std::string LisChaine(std::string_view section, std::string_view cle,
                        const std::string& defaut) const;
  // The value in UTF-8, as the file holds it: for paths, which may hold
  // letters Windows-1252 lacks (a Polish or Cyrillic name, a macron).
  std::string LisChemin(std::string_view section, std::string_view cle,
                        const std::string& defaut) const;
  // Decimal, or hexadecimal after "0x"/"0X"; an invalid integer counts as absent.
  int LisEntier(std::string_view section, std::string_view cle, int defaut) const;

  // Why an existing file could not be read (Windows-1252), or nothing.
  const std::optional<std::string>& Probleme() const { return probleme_; }

  // A section heading or a key as written, with its line (from 1): for
  // telling the teacher of a name the program does not know. A heading has
  // an empty key; a key before any heading an empty section.
  struct TNom {
    std::string Section, Cle;  // Windows-1252
    int Ligne = 0;
  };
  const std::vector<TNom>& Noms() const { return noms_; }

  // The integer rule above on its own.
  static std::optional<int> Entier(std::string_view texte);

 private:
  TFichierIni() = default;
  void Lis(std::string_view octets);

  std::map<std::string, std::string> Valeurs;      // "section\nkey", lower case
  std::map<std::string, std::string> ValeursUtf8;  // the same keys
  std::optional<std::string> probleme_;
  std::vector<TNom> noms_;
};
