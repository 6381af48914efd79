// Readable French in the source: "accès refusé"_1252 is the UTF-8 literal
// converted to Windows-1252 by the compiler, a constant array of chars of
// static storage ending with its NUL, usable wherever a string literal is
// (a const char*, a std::string_view, "..."_1252 + std::string). U'é'_1252
// is one char. The conversion goes through the program's one UTF-8 decoder
// (utf8.h) and cp1252 table (cp1252.h); a character Windows-1252 lacks, or
// malformed UTF-8 (an escape such as "\xE9" left in the text), stops the
// compilation at the literal. Nothing is done at run time.
#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>

#include "lexical/cp1252.h"
#include "lexical/utf8.h"

namespace litteral1252 {

// A UTF-8 string literal as a template argument: C++20 takes an object of a
// literal class type there, so the literal operator below receives the whole
// text at compile time. Its size counts the literal's NUL.
template <std::size_t N>
struct TSource {
  char Utf8[N]{};
  constexpr TSource(const char (&texte)[N]) {  // implicit: "..."_1252 makes one
    for (std::size_t i = 0; i < N; ++i) Utf8[i] = texte[i];
  }
  constexpr std::string_view Vue() const { return {Utf8, N - 1}; }
};

// Never defined and not constexpr: a call to it in a compile-time
// conversion is the compiler's error, and its name says why.
void CaractereAbsentDeWindows1252OuUtf8Malforme();

constexpr char Octet(char32_t point) {
  const int octet = Octet1252(point);
  if (octet < 0) CaractereAbsentDeWindows1252OuUtf8Malforme();
  return static_cast<char>(octet);
}

// The number of characters of a UTF-8 text, each checked.
constexpr std::size_t Longueur(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size(); ++n) {
    const TCaractereUtf8 c = DecodeUtf8(utf8, i);
    if (!c.Valide) CaractereAbsentDeWindows1252OuUtf8Malforme();
    Octet(c.Point);
    i += c.Longueur;
  }
  return n;
}

template <std::size_t M>
struct TTexte {
  char Octets[M]{};
};

// One converted text per distinct literal, of static storage.
template <TSource S>
inline constexpr auto Texte = [] {
  constexpr std::string_view utf8 = S.Vue();
  TTexte<Longueur(utf8) + 1> texte;
  std::size_t j = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const TCaractereUtf8 c = DecodeUtf8(utf8, i);
    texte.Octets[j++] = Octet(c.Point);
    i += c.Longueur;
  }
  return texte;
}();

}  // namespace litteral1252

#if defined(__clang__) && __clang_major__ < 16
// clang before 16 crashes when a diagnostic prints a literal whose operator
// takes an object (any "..."_1252 inside a static variable's initializer
// that is not constant gets printed so): there, the literal comes as the
// pack of its chars, the form GCC and clang offer beside the standard one.
// The operator is constexpr there, not consteval: clang 14 leaves some calls
// of a consteval literal operator template to the linker. The bytes are
// still made at compile time, as the value of Texte, a constexpr variable.
namespace litteral1252 {
template <char... Utf8>
inline constexpr char Source[] = {Utf8..., '\0'};
}  // namespace litteral1252

#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wgnu-string-literal-operator-template"
template <class Caractere, Caractere... Utf8>
constexpr const auto& operator""_1252() {
  static_assert(std::is_same_v<Caractere, char>, "a plain literal: \"...\"_1252");
  return litteral1252::Texte<litteral1252::TSource(litteral1252::Source<Utf8...>)>.Octets;
}
#pragma clang diagnostic pop
#else
template <litteral1252::TSource S>
consteval const auto& operator""_1252() {
  return litteral1252::Texte<S>.Octets;
}
#endif

consteval char operator""_1252(char32_t point) { return litteral1252::Octet(point); }
