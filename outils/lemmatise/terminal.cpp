#include "outils/lemmatise/terminal.h"

#include <cstdio>

#include "fichiers/graphie.h"
#include "lexical/cp1252.h"
#include "morpho/lemmatise.h"

namespace {
void AjouteCode(std::string& texte, unsigned code) {
  char code16[8];
  std::snprintf(code16, sizeof code16, "\\x%02x", code);
  texte += code16;
}
}  // namespace

std::string Visible(std::string_view utf8) {
  std::string texte;
  texte.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x20 || c == 0x7F) {
      AjouteCode(texte, c);
    } else if (c == 0xC2 && i + 1 < utf8.size() &&
               static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      // U+0080 to U+009F, which some terminals obey as controls too.
      AjouteCode(texte, static_cast<unsigned char>(utf8[++i]));
    } else {
      texte += static_cast<char>(c);
    }
  }
  return texte;
}

std::vector<std::string> LignesAnalyses(std::string_view motUtf8) {
  const std::string forme = Utf8VersCp1252(SansQuantites(motUtf8));
  std::vector<std::string> lignes = TexteAnalyses(forme, Disposition::Complete);
  for (std::string& l : lignes) {
    // The form opens its line ("forme" or "forme : ?"): it is given back as
    // it was typed, not as the analysis spelt it.
    if (l.compare(0, forme.size(), forme) == 0)
      l = Visible(motUtf8) + Visible(Cp1252VersUtf8(std::string_view(l).substr(forme.size())));
    else
      l = Visible(Cp1252VersUtf8(l));
  }
  return lignes;
}
