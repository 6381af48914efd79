#include "lexical/cp1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of bytes 0x80..0x9F; the five bytes Windows leaves undefined
// keep their own value so that every byte survives a round trip.
constexpr std::array<char32_t, 32> Haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t PointDeCode(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return Haut[c - 0x80];
  return c;
}

// Byte of a code point, or -1 when cp1252 cannot hold it.
int Octet(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  for (int i = 0; i < 32; ++i)
    if (Haut[i] == u) return 0x80 + i;
  return -1;
}

void AjouteUtf8(std::string& s, char32_t u) {
  if (u < 0x80) {
    s += static_cast<char>(u);
  } else if (u < 0x800) {
    s += static_cast<char>(0xC0 | (u >> 6));
    s += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (u >> 12));
    s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (u & 0x3F));
  }
}

// Decodes UTF-8; calls f with each code point, or with -1 for a malformed sequence.
template <class F>
void DecodeUtf8(std::string_view s, F f) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    int n = 0;
    char32_t u = 0;
    if (c < 0x80) {
      f(static_cast<long>(c));
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      n = 1;
      u = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      n = 2;
      u = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      n = 3;
      u = c & 0x07;
    } else {
      f(-1L);
      ++i;
      continue;
    }
    std::size_t j = 1;
    for (; j <= static_cast<std::size_t>(n) && i + j < s.size(); ++j) {
      const auto d = static_cast<unsigned char>(s[i + j]);
      if ((d & 0xC0) != 0x80) break;
      u = (u << 6) | (d & 0x3F);
    }
    if (j != static_cast<std::size_t>(n) + 1) {
      f(-1L);
      i += j;
      continue;
    }
    static constexpr char32_t Minimum[] = {0, 0x80, 0x800, 0x10000};
    if (u < Minimum[n] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF))
      f(-1L);
    else
      f(static_cast<long>(u));
    i += j;
  }
}

}  // namespace

std::string Utf8VersCp1252(std::string_view utf8) {
  std::string resultat;
  resultat.reserve(utf8.size());
  DecodeUtf8(utf8, [&](long u) {
    const int o = u < 0 ? -1 : Octet(static_cast<char32_t>(u));
    resultat += o < 0 ? '?' : static_cast<char>(o);
  });
  return resultat;
}

std::optional<std::string> Utf8VersCp1252Exact(std::string_view utf8) {
  std::string resultat;
  bool exact = true;
  DecodeUtf8(utf8, [&](long u) {
    const int o = u < 0 ? -1 : Octet(static_cast<char32_t>(u));
    if (o < 0) exact = false;
    resultat += static_cast<char>(o < 0 ? '?' : o);
  });
  if (!exact) return std::nullopt;
  return resultat;
}

std::string Cp1252VersUtf8(std::string_view cp1252) {
  std::string resultat;
  resultat.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) AjouteUtf8(resultat, PointDeCode(static_cast<unsigned char>(c)));
  return resultat;
}

std::string Utf16VersCp1252(std::u16string_view utf16) {
  std::string resultat;
  resultat.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t u = utf16[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      ++i;  // a character beyond the BMP: never in cp1252
      resultat += '?';
      continue;
    }
    const int o = (u >= 0xD800 && u <= 0xDFFF) ? -1 : Octet(u);
    resultat += o < 0 ? '?' : static_cast<char>(o);
  }
  return resultat;
}
