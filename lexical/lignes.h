// The one line rule of the program's text files (sources, rank lists, notes,
// traces, configuration, Latin texts, the tools' inputs): a line ends with
// CR LF, LF or a lone CR; a last line without an end is a line; an empty
// text has no line. The line ends are not part of the lines. Also the
// fields of a line cut at a separator. Nothing throws but std::bad_alloc.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// Calls f with each line of the text, in order.
template <class F>
void PourChaqueLigne(std::string_view texte, F f) {
  std::size_t debut = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    if (c != '\r' && c != '\n') continue;
    f(texte.substr(debut, i - debut));
    if (c == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
    debut = i + 1;
  }
  if (debut < texte.size()) f(texte.substr(debut));
}

// The lines of a text.
std::vector<std::string> DecoupeLignes(std::string_view texte);

// Reads the next line of a stream into `ligne`; false at the end of the
// stream with nothing read.
bool LisLigne(std::istream& entree, std::string& ligne);

// The fields of a line cut at each separator: one more than the
// separators, empty fields included.
std::vector<std::string_view> DecoupeChamps(std::string_view ligne, char separateur);
