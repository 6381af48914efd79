// Conversions between Windows-1252, the encoding of every core string, and
// UTF-8/UTF-16, the encodings of files, terminal and window. Every one of the
// 256 bytes maps to one code point (the five bytes Windows leaves undefined map
// to the C1 control of the same value), so cp1252 -> UTF-8 -> cp1252 is exact.
#pragma once

#include <optional>
#include <string>
#include <string_view>

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
