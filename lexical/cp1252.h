// Conversions between Windows-1252, the encoding of every core string, and
// UTF-8/UTF-16, the encodings of files, terminal and window. Every one of the
// 256 bytes maps to one code point (the five bytes Windows leaves undefined map
// to the C1 control of the same value), so cp1252 -> UTF-8 -> cp1252 is exact.
// UTF-8 is read and written by utf8.h; the byte of a code point is constexpr
// so that cp1252_litteral.h converts the source's texts at compile time.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Code points of bytes 0x80..0x9F; the five bytes Windows leaves undefined
// keep their own value so that every byte survives a round trip.
inline constexpr std::array<char32_t, 32> PointsHauts1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The code point of a Windows-1252 byte.
constexpr char32_t PointDe1252(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return PointsHauts1252[c - 0x80];
  return c;
}

// The Windows-1252 byte of a code point, or -1 when cp1252 cannot hold it.
constexpr int Octet1252(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  for (int i = 0; i < 32; ++i)
    if (PointsHauts1252[i] == u) return 0x80 + i;
  return -1;
}

// UTF-8 to Windows-1252; a character cp1252 cannot hold, or a malformed
// sequence, becomes '?'.
std::string Utf8VersCp1252(std::string_view utf8);

// Same, but gives nothing when some character cannot be held exactly (used
// where silently replacing a character would lose data).
std::optional<std::string> Utf8VersCp1252Exact(std::string_view utf8);

std::string Cp1252VersUtf8(std::string_view cp1252);

// UTF-16 code units (little-endian pairs of bytes already decoded) to
// Windows-1252; unpaired surrogates and characters outside cp1252 become '?'.
std::string Utf16VersCp1252(std::u16string_view utf16);
