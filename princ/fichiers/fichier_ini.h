// TFichierIni: the read-only configuration file, read once with libinih.
// Sections and keys are compared without regard to case; the first value of
// a key wins; values are returned in Windows-1252 (a file that is valid UTF-8
// is taken as UTF-8 and converted), without surrounding blanks or a pair of
// enclosing double quotes. A missing file reads as empty. Never throws.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

class TFichierIni {
 public:
  explicit TFichierIni(const std::string& chemin);

  std::string LisChaine(std::string_view section, std::string_view cle, const std::string& defaut) const;
  // Decimal, or hexadecimal after "0x"/"0X"; an invalid integer counts as absent.
  int LisEntier(std::string_view section, std::string_view cle, int defaut) const;

  // The integer rule above on its own.
  static std::optional<int> Entier(std::string_view texte);

 private:
  std::map<std::string, std::string> Valeurs;  // "section\nkey", lower case
};
