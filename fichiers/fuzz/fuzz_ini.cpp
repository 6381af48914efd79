// Fuzz target of the configuration reader: any bytes as a configuration
// file (UTF-16, UTF-8 or Windows-1252). Nothing may crash, leak, hang or
// throw; a value read for a key comes from one line only, so it never holds
// a line break.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fichiers/fichier_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const TFichierIni ini =
      TFichierIni::DepuisOctets(std::string_view(reinterpret_cast<const char*>(donnees), taille));
  const char* const cles[][2] = {{"Fichier", "Nom"},           {"Fichier", "lexique"},
                                 {"Sauvegarde", "repertoire"}, {"Sauvegarde", "reptrace"},
                                 {"Droits", "AutoLex"},        {"", ""}};
  for (const auto& [section, cle] : cles) {
    const std::string valeur = ini.LisChaine(section, cle, "");
    if (valeur.find_first_of("\r\n") != std::string::npos) std::abort();
    ini.LisEntier(section, cle, 0);
  }
  return 0;
}
