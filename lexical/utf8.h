// UTF-8, the encoding of files, terminal and window: the one decoder and the
// one encoder of the program. The decoder is strict (overlong forms,
// surrogates and points past U+10FFFF are malformed) and constexpr, so that
// the French texts of the source are checked and converted with it at compile
// time too (cp1252_litteral.h). Nothing here allocates except AjouteUtf8, and
// nothing throws.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The character that stands for what could not be decoded.
inline constexpr char32_t Remplacant = 0xFFFD;

// One character read at a position: its code point and how many bytes it
// takes. A malformed sequence is not Valide; its Longueur then covers the
// first byte and the continuation bytes that follow it, at least 1, so that
// reading goes on after it.
struct TCaractereUtf8 {
  char32_t Point = 0;
  std::size_t Longueur = 1;
  bool Valide = false;
};

// The character that starts at byte i (i < s.size()).
constexpr TCaractereUtf8 DecodeUtf8(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return {c, 1, true};
  std::size_t suite = 0;
  char32_t point = 0;
  if ((c & 0xE0) == 0xC0) {
    suite = 1;
    point = c & 0x1F;
  } else if ((c & 0xF0) == 0xE0) {
    suite = 2;
    point = c & 0x0F;
  } else if ((c & 0xF8) == 0xF0) {
    suite = 3;
    point = c & 0x07;
  } else {
    return {};  // a continuation byte, or a byte UTF-8 never uses
  }
  std::size_t n = 1;
  for (; n <= suite && i + n < s.size(); ++n) {
    const auto o = static_cast<unsigned char>(s[i + n]);
    if ((o & 0xC0) != 0x80) break;
    point = (point << 6) | (o & 0x3F);
  }
  if (n != suite + 1) return {0, n, false};
  constexpr char32_t Minimum[] = {0, 0x80, 0x800, 0x10000};
  if (point < Minimum[suite] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
    return {0, n, false};
  return {point, n, true};
}

// The byte-order mark some editors put at the start of a UTF-8 file.
inline constexpr std::string_view MarqueUtf8 = "\xEF\xBB\xBF";

// The text without a leading byte-order mark.
constexpr std::string_view SansMarqueUtf8(std::string_view s) {
  return s.substr(0, MarqueUtf8.size()) == MarqueUtf8 ? s.substr(MarqueUtf8.size()) : s;
}

// True when the whole text is well-formed UTF-8.
constexpr bool EstUtf8Valide(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const TCaractereUtf8 c = DecodeUtf8(s, i);
    if (!c.Valide) return false;
    i += c.Longueur;
  }
  return true;
}

// Appends the UTF-8 bytes of a code point (at most U+10FFFF).
void AjouteUtf8(std::string& s, char32_t point);
