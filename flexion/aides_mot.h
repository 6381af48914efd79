// The three helps the context menu offers for a word under the pointer: its
// dictionary meanings, its full analysis and its French rendering, computed
// here so that the window only builds the menu from them.
//
// AidesMot lemmatises the word through the global stores and returns the
// three texts by value; it keeps nothing between calls.  A word without any
// analysis (an empty word included) has no helps: std::nullopt, no error.
// Lemmatise's Erreur ("Lexique non chargé") passes through when the stores
// are not loaded.  Strings are Windows-1252.
//
// With the model of the likeliest reading and the text around the word
// (`paragraphe`, the word covering byte `position` of it), the three texts
// follow the hover's order: headings likeliest first, readings under each
// likeliest first.  Without a model, or when the word there is not `mot`,
// they keep the design's order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct TAidesMot {
  // The meaning part of each analysis's heading, each preceded by a blank,
  // in list order.
  std::string Lexique;
  // The hover text of the word (the form line, then each analysis with its
  // readings), each line ended by a carriage return and a line feed.
  std::string Morpho;
  // TexteTraduction of the analyses (traduction.h): each piece preceded by a
  // blank; empty when no analysis is a noun or a verb.
  std::string Traduction;
};

class TModeleContexte;

std::optional<TAidesMot> AidesMot(std::string_view mot, const TModeleContexte* modele = nullptr,
                                  std::string_view paragraphe = {}, int position = -1);
