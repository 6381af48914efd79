// Lower case of Windows-1252 text, the one lower-casing of the program: the
// ASCII capitals and the cp1252 capitals (À..Þ except ×, then Š, Œ, Ž and Ÿ)
// become their small letters, every other byte stays, accents included. The
// sorted stores compare their keys through it; the analysis, the syntax
// rules, the vocabulary of a text and the configuration file lower-case with
// it. Nothing here allocates except Minuscules, and nothing throws.
#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr std::array<unsigned char, 256> TableMinuscules = [] {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c) {
    int m = c;
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
      m = c + 0x20;
    else if (c == 0x8A || c == 0x8C || c == 0x8E)
      m = c + 0x10;
    else if (c == 0x9F)
      m = 0xFF;
    t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(m);
  }
  return t;
}();

constexpr unsigned char Minuscule(unsigned char c) { return TableMinuscules[c]; }
constexpr char Minuscule(char c) {
  return static_cast<char>(TableMinuscules[static_cast<unsigned char>(c)]);
}

// The text with every capital lowered; two texts are equal ignoring case
// exactly when their Minuscules are the same bytes.
std::string Minuscules(std::string_view texte);
