#include "lexical/cp1252.h"

#include "lexical/utf8.h"

namespace {

// Calls f with the cp1252 byte of each character, or -1 for a malformed
// sequence or a character cp1252 lacks.
template <class F>
void PourChaqueOctet(std::string_view utf8, F f) {
  for (std::size_t i = 0; i < utf8.size();) {
    const TCaractereUtf8 c = DecodeUtf8(utf8, i);
    f(c.Valide ? Octet1252(c.Point) : -1);
    i += c.Longueur;
  }
}

}  // namespace

std::string Utf8VersCp1252(std::string_view utf8) {
  std::string resultat;
  resultat.reserve(utf8.size());
  PourChaqueOctet(utf8, [&](int o) { resultat += o < 0 ? '?' : static_cast<char>(o); });
  return resultat;
}

std::optional<std::string> Utf8VersCp1252Exact(std::string_view utf8) {
  std::string resultat;
  bool exact = true;
  PourChaqueOctet(utf8, [&](int o) {
    if (o < 0) exact = false;
    resultat += static_cast<char>(o < 0 ? '?' : o);
  });
  if (!exact) return std::nullopt;
  return resultat;
}

std::string Cp1252VersUtf8(std::string_view cp1252) {
  std::string resultat;
  resultat.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) AjouteUtf8(resultat, PointDe1252(static_cast<unsigned char>(c)));
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
    const int o = (u >= 0xD800 && u <= 0xDFFF) ? -1 : Octet1252(u);
    resultat += o < 0 ? '?' : static_cast<char>(o);
  }
  return resultat;
}
