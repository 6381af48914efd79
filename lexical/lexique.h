// TLexique: the Latin lexicon. Key: lemma key (headword); object: its entry.
// Equal keys are accepted (homographs), latest inserted first. Three stem
// indexes map the stems listed in the entries to the entries that list them,
// as the model's row in modeles.h says (TRadicauxA): Radicaux1 (RadicauxA
// holding stems 1), Radicaux2 (RadicauxA of verbs), Radicaux3 (RadicauxB of
// verbs). An index item holds the entry's
// position, not a copy of its key, so that the indexes take memory in
// proportion to the stems read and a stem leads only to the entry that lists
// it. The positions hold until the lexicon changes: IndexeRadicaux must run
// again after any insertion or removal. Read from and written to section 1
// of quirandole.lex; read-only while the program runs.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexical/liste_triee.h"
#include "lexical/vocabulaire.h"

class TLecteur;
class TEcrivain;

struct TDonneesLexicales {
  int Modele = 0;
  Genre::TGenre Genre = Genre::Aucun;  // written in the file as -1 none, 0, 1, 2
  std::string RadicauxA, RadicauxB;    // comma-separated stems
  std::string Sens;                    // French text, or a cross-reference containing "cf. "

  // The five values in file order.
  // `cle` names the entry when its model or gender is out of range.
  static TDonneesLexicales Lis(TLecteur& lecteur, std::string_view cle = {});
  void Ecris(TEcrivain& ecrivain) const;
  friend bool operator==(const TDonneesLexicales&, const TDonneesLexicales&) = default;
};

// One item of a stem index: the entry that lists the stem.
struct TPositionEntree {
  int Entree = -1;  // position in the lexicon
};

// A stem index: stem -> entry position, duplicates accepted.
class TRadicaux : public TListeTriee<TPositionEntree> {
 public:
  TRadicaux() : TListeTriee(Doublons::Acceptes) {}
  void Vide() { Clear(); }
  using TListeTriee::Ajoute;
  // Indexes the stem under the entry; an empty stem is ignored.
  void Ajoute(const std::string& radical, int entree);
  // Positions of the entries that list the stem (compared exactly), in
  // index order.
  std::vector<int> EntreesDe(std::string_view radical) const;
};

// The headword rebuilt from a stem of stem number 1 under a model (stem +
// citation ending of modeles.h: am + o, amic + us); nullopt for the models
// without a citation ending (stem 1 listed, pronouns, invariables).
std::optional<std::string> CleReconstruite(std::string_view radical, int modele);

class TLexique : public TListeTriee<TDonneesLexicales> {
 public:
  TLexique() : TListeTriee(Doublons::Acceptes) {}

  TRadicaux Radicaux1, Radicaux2, Radicaux3;

  // Rebuilds the three stem indexes from all entries.
  void IndexeRadicaux();
  // Keys of the entries that list the stem in one of the indexes.
  std::vector<std::string> CanonDe(const TRadicaux& index, std::string_view radical) const;
  // The entry at i as stored (a cross-reference keeps its own model and its
  // "cf. " meaning).
  const TDonneesLexicales& Donnees(int i) const { return Objet(i); }
  // The entry at i, or the target of its "cf. " cross-reference when that
  // target exists: the word the entry stands for.
  const TDonneesLexicales& DonneesApresRenvoi(int i) const;
  // Headword to show for i: its key, or that of its cross-reference target.
  std::string Vedette(int i) const;
  // The first entry with exactly this key and (through its cross-reference)
  // this model; nullopt when there is none.
  std::optional<int> PremiereEntreeDeModele(std::string_view cle, int modele) const;
  // Every entry with exactly this key and (through its cross-reference) this
  // model, in lexicon order: homographs of one model are all reachable.
  std::vector<int> EntreesDeModele(std::string_view cle, int modele) const;

  // Builds the lexicon from section 1 and indexes its stems.
  static std::unique_ptr<TLexique> Lis(TLecteur& lecteur);
  void Ecris(TEcrivain& ecrivain) const;
};
