// The likeliest reading of each word in its sentence.
//
// TModeleContexte is a hidden Markov model over coarse tags (part of speech
// with case, number, person and mood; a frequent invariable word is its own
// tag), read from contexte.txt beside quirandole.lex (made by
// outils/contexte/entraine_contexte.py).  Given the words of a sentence and
// their analyses, it gives every reading of every word its posterior
// probability (forward-backward); it only orders the readings the analysis
// gave, never adds or removes one.  A plain value owned by whoever reads it;
// reading throws Erreur with a French message when the file is missing,
// altered or not a model (a damaged file is never used).  Strings are
// Windows-1252.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "morpho/analyses.h"

// One reading of a word: the analysis (position in the list), the reading
// within it (-1 for an analysis without readings, such as an invariable
// word) and its probability.
struct TLectureProbable {
  int Analyse = 0;
  int Numero = -1;
  double Probabilite = 0;
};

// The readings of a list in the design's order: each analysis in turn, each
// of its readings, or one entry with Numero -1 when it has none.  Empty for
// nullptr or a list where nothing was found.
std::vector<TLectureProbable> LecturesDe(const TListeAnalyses* liste);

class TModeleContexte {
 public:
  static TModeleContexte Lis(const std::string& chemin);
  // Same from the file's bytes (`origine` names it in error messages).
  static TModeleContexte DeTexte(std::string_view utf8, const std::string& origine);

  // For each word (its form as written, its analyses or nullptr when none),
  // its readings likeliest first, with probabilities summing to 1; equal
  // probabilities keep the design's order.  A word without analysis gets an
  // empty list.
  std::vector<std::vector<TLectureProbable>> Ordonne(
      const std::vector<std::string>& formes,
      const std::vector<const TListeAnalyses*>& listes) const;

 private:
  struct TEmission {
    int Entete;
    int Etiquette;
    double Compte;
  };
  // The counts of a form: emissions_[Debut, Debut + Nombre).
  struct TFormeConnue {
    std::uint32_t Debut = 0, Nombre = 0;
    double Total = 0;
  };

  // Keys numbered in the order they were added: all their bytes in one
  // string and an open-addressing table of their numbers, so that loading
  // makes no allocation per key (the model has tens of thousands).
  class TIndexCles {
   public:
    void Prepare(std::size_t nombre, std::size_t octets);
    // The key's number, or -1 when it is already there.
    int Ajoute(std::string_view cle);
    int Cherche(std::string_view cle) const;  // -1 when absent

   private:
    std::string_view Cle(std::uint32_t i) const;
    std::string octets_;
    std::vector<std::uint32_t> debuts_{0};  // key i is octets_[debuts_[i], debuts_[i + 1])
    std::vector<std::uint32_t> cases_;      // key number + 1, 0 for an empty slot
  };

  int EtiquetteDe(const TAnalyse& a, int numero) const;
  int EnteteDe(const TAnalyse& a) const;

  std::unordered_map<std::string, int> etiquettes_;
  // The tags of readings by part of speech and kept morphology bits
  // (partie << 32 | bits), so that a reading's tag needs no text.
  std::unordered_map<std::uint64_t, int> etiquettesNumeriques_;
  std::vector<double> diviseurs_;    // P(tag)^Exposant
  std::vector<double> prior_;        // P(tag)
  std::vector<double> transitions_;  // P(b | a) at a * n + b, tag 0 the sentence bound
  TIndexCles entetes_;
  std::vector<double> comptesEntetes_;
  TIndexCles formes_;
  std::vector<TFormeConnue> comptesFormes_;
  std::vector<TEmission> emissions_;
  int inconnu_ = 0;
  std::size_t n_ = 0;
};

// contexte.txt in the folder of a lexicon file.
std::string CheminContextePres(const std::string& cheminLexique);

// The model beside a lexicon, or nullptr with `message` set to the one
// French line that says why the design's order is kept.
std::unique_ptr<TModeleContexte> ChargeContexte(const std::string& cheminLexique,
                                                std::string& message);

// The readings of each word in order: the model's when there is one, else
// the design's order with equal probabilities.
std::vector<std::vector<TLectureProbable>> OrdonneLectures(
    const TModeleContexte* modele, const std::vector<std::string>& formes,
    const std::vector<const TListeAnalyses*>& listes);

// One word of a text: where it starts (byte index) and how it is written.
struct TMotDuTexte {
  int Index = 0;
  std::string Forme;
};

// The words of a text cut as the pointer cuts them (vocabulaire_texte.h),
// grouped in sentences: a sentence ends at . ; : ? or ! between two words.
std::vector<std::vector<TMotDuTexte>> PhrasesDuTexte(std::string_view texte);

// The words of a sentence analysed and ordered in one call: their analyses
// (nullptr for a word without any) and their readings likeliest first.
struct TPhraseLue {
  std::vector<std::unique_ptr<TListeAnalyses>> Analyses;
  std::vector<std::vector<TLectureProbable>> Lectures;
};
TPhraseLue LisPhrase(const TModeleContexte* modele, const std::vector<std::string>& formes);

// The word that covers byte `position` of `paragraphe` read in its sentence
// (at most FenetreContexte words on each side, which is all a tag bigram
// model can feel and keeps the hover fast): its form, its analyses and its
// readings likeliest first.  Without a model only the form is given; with
// no word at that position, nothing (an empty form).
struct TMotLu {
  std::string Forme;
  std::unique_ptr<TListeAnalyses> Analyses;  // nullptr: no analysis
  std::vector<TLectureProbable> Lectures;
};
TMotLu LisMotEnContexte(const TModeleContexte* modele, std::string_view paragraphe, int position);

// The analyses (positions in the list) in the order their readings first
// come in `lectures`: the headings likeliest first.
std::vector<int> OrdreDesAnalyses(const std::vector<TLectureProbable>& lectures);

// The Disposition::Complete layout of TexteAnalyses with the headings and
// the readings under each in the order of `lectures`.
std::vector<std::string> LignesOrdonnees(const TListeAnalyses& liste,
                                         const std::vector<TLectureProbable>& lectures);

// The hover text of the word that covers byte `position` of `paragraphe`,
// read in its sentence (at most FenetreContexte words on each side, which
// is all a tag bigram model can feel and keeps the hover fast): the
// Disposition::Complete layout of TexteAnalyses, with the headings
// likeliest first and the readings under each likeliest first.  Without a
// model, or with no word at that position, it is TexteAnalyses of the word
// there (the design's order), or nothing.
inline constexpr int FenetreContexte = 3;
std::vector<std::string> TexteAnalysesEnContexte(const TModeleContexte* modele,
                                                 std::string_view paragraphe, int position);

class ITexteRiche;
// The text around the character under a point of a reading pane (a few
// hundred characters on each side, enough for the sentence) and the byte
// position of that character in it; Position -1 when the point is on no
// text.
struct TContexteDuMot {
  std::string Texte;
  int Position = -1;
};
TContexteDuMot ContexteAuPoint(const ITexteRiche& texte, int x, int y);
// Same around the character at index `i` of the pane (the caret's word).
TContexteDuMot ContexteAIndex(const ITexteRiche& texte, int i);
