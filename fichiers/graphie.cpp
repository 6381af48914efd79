#include "fichiers/graphie.h"

#include <cstdint>

#include "lexical/utf8.h"

namespace {

// Plain spelling of a marked letter (of a ligature too when `ligatures`),
// or nullptr when the character stays.
const char* Remplacement(char32_t p, bool ligatures) {
  if (!ligatures && (p == 0x00C6 || p == 0x00E6 || p == 0x0152 || p == 0x0153)) return nullptr;
  switch (p) {
    case 0x0100:
    case 0x0102:
      return "A";
    case 0x0101:
    case 0x0103:
      return "a";
    case 0x0112:
    case 0x0114:
      return "E";
    case 0x0113:
    case 0x0115:
      return "e";
    case 0x012A:
    case 0x012C:
      return "I";
    case 0x012B:
    case 0x012D:
      return "i";
    case 0x014C:
    case 0x014E:
      return "O";
    case 0x014D:
    case 0x014F:
      return "o";
    case 0x016A:
    case 0x016C:
      return "U";
    case 0x016B:
    case 0x016D:
      return "u";
    case 0x0232:
      return "Y";
    case 0x0233:
      return "y";
    case 0x00C6:
      return "AE";
    case 0x00E6:
      return "ae";
    case 0x0152:
      return "OE";
    case 0x0153:
      return "oe";
    case 0x0304:
    case 0x0306:
      return "";  // combining macron and breve
    default:
      return nullptr;
  }
}

std::string Ecrit(std::string_view utf8, bool ligatures) {
  std::string sortie;
  sortie.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const TCaractereUtf8 c = DecodeUtf8(utf8, i);
    const char* r = c.Valide ? Remplacement(c.Point, ligatures) : nullptr;
    // A malformed sequence is kept as it stands.
    if (r)
      sortie += r;
    else
      sortie.append(utf8.substr(i, c.Longueur));
    i += c.Longueur;
  }
  return sortie;
}

}  // namespace

std::string SansQuantites(std::string_view utf8) { return Ecrit(utf8, true); }

std::string SansMarquesDeQuantite(std::string_view utf8) { return Ecrit(utf8, false); }
