// TDocumentRiche: the rich text of a Latin text file as the window shows it:
// paragraphs of runs carrying bold, italic and underline. Text is UTF-8; a
// "\n" inside a run is a line break within its paragraph. A plain value type.
#pragma once

#include <string>
#include <vector>

struct TSegment {
  std::string Texte;
  bool Gras = false;
  bool Italique = false;
  bool Souligne = false;
  bool operator==(const TSegment&) const = default;
};

struct TParagraphe {
  std::vector<TSegment> Segments;
  std::string Texte() const;  // the runs' text joined
  bool operator==(const TParagraphe&) const = default;
};

struct TDocumentRiche {
  std::vector<TParagraphe> Paragraphes;
  // Paragraphs' text joined by "\n".
  std::string Texte() const;
};
