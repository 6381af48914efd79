// The word under the pointer or at a character position of a rich-text
// control. Stateless free functions over ITexteRiche; they only read the
// control and never throw on their own.
#pragma once

#include <string>

#include "pointeur/texte_riche.h"

// Index of the character under (x, y), negative when there is none.
int CaractereAuPoint(const ITexteRiche& texte, int x, int y);
// Text of a range; empty when longueur < 1, cut to what the control delivers.
std::string TexteEntre(const ITexteRiche& texte, int debut, int longueur);
// The word holding position i, without the blanks and line breaks that follow
// it; empty over white space, a line break or outside the text. A run of
// punctuation is a word of its own.
std::string MotAIndex(const ITexteRiche& texte, int i);
// MotAIndex at the character under the point.
std::string MotAuPoint(const ITexteRiche& texte, int x, int y);
