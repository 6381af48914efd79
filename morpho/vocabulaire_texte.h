// The vocabulary of a Latin text: its words cut as the pointer cuts them
// (runs of letters and digits; a run without a letter is no word), each
// analysed, and for each heading (headword and meaning) its occurrences, the
// forms met, where it first occurs and whether one of its occurrences was
// ambiguous (the form also belongs to another heading); the words without
// analysis with their counts. Each distinct written form is analysed once.
// Reads the global stores (Erreur "Lexique non chargé" when absent); the
// result is a plain value owned by the caller. Texts are Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lexical/cp1252_litteral.h"
#include "lexical/modeles.h"

class TRangs;

struct TVedetteVocabulaire {
  std::string Entree;             // the heading "headword, meaning"
  std::string Vedette;            // the headword
  int Modele = ModeleInvariable;  // model of its first reading
  int Occurrences = 0;
  // The forms met, in the order met: lower-cased unless the headword is a
  // proper name.
  std::vector<std::string> Formes;
  int PremierMot = 0;    // number (from 0) of the word where it first occurs
  int PremierIndex = 0;  // index (from 0) of that word's first character
  bool Ambigu = false;
  int Rang = 0;  // rank in classical Latin, from 1; 0 when not ranked
  // Read in context (vocabulaire_contexte.h): the occurrences whose choice
  // of this heading was uncertain, and the other headings they may belong
  // to (headings, in the order met).
  int Incertaines = 0;
  std::vector<std::string> Autres;
};

struct TMotInconnu {
  std::string Forme;  // as written the first time
  int Occurrences = 0;
  int PremierMot = 0;
  int PremierIndex = 0;
};

struct TVocabulaire {
  int NombreMots = 0;
  std::vector<TVedetteVocabulaire> Vedettes;  // in the order of first occurrence
  std::vector<TMotInconnu> Inconnus;          // in the order of first occurrence
};

// Most distinct written forms a vocabulary is drawn from: all of classical
// Latin holds under 100 000; each costs some 15 microseconds and 250 bytes,
// so this bounds any text to a few seconds and about 100 MB.
inline constexpr std::size_t FormesMaxVocabulaire = 400000;
inline constexpr const char* MessageTropDeFormes =
    "Texte trop varié pour en dresser le vocabulaire : plus de %s formes différentes"_1252;

// `rangs` (borrowed, may be null) gives each heading its rank. Erreur
// MessageTropDeFormes past FormesMaxVocabulaire distinct forms.
TVocabulaire VocabulaireDuTexte(std::string_view texte, const TRangs* rangs = nullptr);

// Calls `mot(index, forme)` for each word of the text, in order.
template <class F>
void PourChaqueMot(std::string_view texte, F&& mot);

enum class OrdreVocabulaire { Alpha, Texte, Frequence };
// Alpha: by headword ignoring case, then heading; Texte: by first occurrence;
// Frequence: most occurrences in the text first, then alphabetical.
void OrdonneVedettes(std::vector<TVedetteVocabulaire>& vedettes, OrdreVocabulaire ordre);
// Leaves out the headings ranked 1 to n in classical Latin (n <= 0 keeps all).
void RetireLesPlusFrequents(std::vector<TVedetteVocabulaire>& vedettes, int n);

// --- implementation of the template

bool EstCaractereDeMot(unsigned char c);
bool EstLettre(unsigned char c);

template <class F>
void PourChaqueMot(std::string_view texte, F&& mot) {
  std::size_t i = 0;
  const std::size_t n = texte.size();
  while (i < n) {
    if (!EstCaractereDeMot(static_cast<unsigned char>(texte[i]))) {
      ++i;
      continue;
    }
    const std::size_t debut = i;
    bool lettre = false;
    while (i < n && EstCaractereDeMot(static_cast<unsigned char>(texte[i]))) {
      lettre = lettre || EstLettre(static_cast<unsigned char>(texte[i]));
      ++i;
    }
    if (lettre) mot(static_cast<int>(debut), texte.substr(debut, i - debut));
  }
}
