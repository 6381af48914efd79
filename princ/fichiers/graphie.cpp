#include "princ/fichiers/graphie.h"

#include <cstdint>

namespace {

// Decodes the UTF-8 sequence at i; returns its length, 0 when malformed.
int Decode(std::string_view s, std::size_t i, std::uint32_t& point) {
  const auto c = static_cast<unsigned char>(s[i]);
  int longueur = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (longueur == 0 || i + longueur > s.size()) return 0;
  point = longueur == 1 ? c : c & (0x7F >> longueur);
  for (int k = 1; k < longueur; ++k) {
    const auto suite = static_cast<unsigned char>(s[i + k]);
    if ((suite & 0xC0) != 0x80) return 0;
    point = (point << 6) | (suite & 0x3F);
  }
  return longueur;
}

// Plain spelling of a marked letter (of a ligature too when `ligatures`),
// or nullptr when the character stays.
const char* Remplacement(std::uint32_t p, bool ligatures) {
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
    std::uint32_t point = 0;
    const int longueur = Decode(utf8, i, point);
    if (longueur == 0) {
      sortie += utf8[i++];
      continue;
    }
    if (const char* r = Remplacement(point, ligatures))
      sortie += r;
    else
      sortie.append(utf8.substr(i, longueur));
    i += longueur;
  }
  return sortie;
}

}  // namespace

std::string SansQuantites(std::string_view utf8) { return Ecrit(utf8, true); }

std::string SansMarquesDeQuantite(std::string_view utf8) { return Ecrit(utf8, false); }
