// ITexteRiche: the few queries that finding a word at a point needs from a
// text control. The reading window implements it over its Qt text control,
// tests and tools over a plain string (TTexteSimple). Positions are 0-based
// character indexes as the control counts them; texts are Windows-1252.
// Implementations never throw for a position out of range: they answer as
// for a line break (see Classe).
#pragma once

#include <string>

enum class ClasseCaractere {
  Mot,          // letters, digits and what the control joins to them
  Ponctuation,  // any other visible character: a run of them is a word of its own
  Blanc,        // blanks and tabs
  FinDeLigne    // line and paragraph breaks, and any position outside the text
};

// The one word-cutting rule of the program, over a Windows-1252 character:
// ASCII letters and digits and the code page's letters make words. The
// pointer, the vocabulary of a text and the tools all cut words by it, so
// that a word the pupil points at is the word they count.
ClasseCaractere ClasseDuCaractere(unsigned char c);

class ITexteRiche {
 public:
  virtual ~ITexteRiche() = default;

  // Index of the character under the point (client coordinates), or -1
  // when the point lies outside any text.
  virtual int CaractereDuPoint(int x, int y) const = 0;
  // Number of characters of the text.
  virtual int Longueur() const = 0;
  // Text of [debut, debut+longueur) cut to the text's end, in Windows-1252,
  // line breaks as "\r\n" or "\n".
  virtual std::string TexteIntervalle(int debut, int longueur) const = 0;
  virtual ClasseCaractere Classe(int position) const = 0;
  // Word navigation: start of the word holding position, and start of the
  // next word (after the blanks following the word at position).
  virtual int DebutDuMot(int position) const;
  virtual int DebutDuMotSuivant(int position) const;
};
