// TVerbe: one French infinitive and every simple or compound form of it, with
// or without its subject pronoun.
//
// The base class conjugates the regular verbs in -er; every other pattern is
// a subclass that overrides some of the thirteen virtual operations, declared
// here in their fixed slot order.  Conjugue (the driver) and Compose are not
// virtual and serve every class.  Objects are made for one request by
// ConjugueVerbe (flexf.h) and own nothing but the infinitive.
//
// Numbering: Personne 1..6 (je tu il nous vous ils); Temps 1 présent, 2 futur,
// 3 imparfait, 4 passé simple, 5..8 their compound counterparts (auxiliary in
// tense minus 4); Mode 1 indicatif, 2 subjonctif, 3 conditionnel, 4 impératif,
// 5 infinitif, 6 participe; Voix 1 actif, 2 passif.  Nothing fails: a
// combination French lacks gives "erreur", a form a defective verb lacks is
// empty, and what the driver cannot render leaves the caller's result as it
// was.  Strings are Windows-1252.
#pragma once

#include <array>
#include <string>
#include <string_view>

// An ending table indexed by person 1..6.
using TTablePersonnes = std::array<std::string_view, 6>;

// Entry of a person table; empty for a person outside 1..6.
std::string_view ParPersonne(const TTablePersonnes& table, int personne);

class TVerbe {
 public:
  explicit TVerbe(std::string infinitif);

  // Slot 0: third person singular of the imperfect subjunctive without its
  // final "t" (aimâ).
  virtual std::string SubjImparfait3() const;
  // Slot 1.
  virtual std::string RadicalPresent(int personne) const;
  // Slot 2: the stem of the future and the conditional.
  virtual std::string RadicalFutur() const;
  // Slot 3: the stem of the passé simple.
  virtual std::string RadicalPasse() const;
  // Slot 4: stem + ending, with ç / ge before a, o, â, û in the base class.
  virtual std::string Joint(const std::string& radical, std::string_view desinence) const;
  // Slots 5 to 12.
  virtual std::string Present(int personne) const;
  virtual std::string Futur(int personne) const;
  virtual std::string Imparfait(int personne) const;
  virtual std::string PasseSimple(int personne) const;
  virtual std::string SubjPresent(int personne) const;
  virtual std::string Imperatif(int personne) const;
  virtual std::string ParticipePresent() const;
  virtual std::string ParticipePasse() const;

  virtual ~TVerbe() = default;

  // "être" for the infinitives of VerbesEtre (letter case ignored), else
  // "avoir".
  std::string Auxiliaire() const;

  // The driver.  Leaves resultat as it was for what it cannot render (a mood
  // outside 1..6, a tense French lacks in that mood, an indicative tense
  // outside 1..8, a personal mood with a person outside 1..6, a voice
  // outside 1..2, the passive of a verb conjugated with "être" or of a verb
  // without passive).  Empties it for a form French lacks: a person of an
  // impersonal verb, the past imperative of a pronominal verb.
  void Conjugue(int personne, int temps, int mode, int voix, bool avecPronom,
                std::string& resultat);

  // Compound form: the auxiliary `aux` conjugated in (tempsAux, modeAux,
  // voixAux), a blank, the past participle; plural "s" after "être".  Empty
  // when the verb has no past participle; the auxiliary's own "erreur" or
  // "?" is passed on alone.
  std::string Compose(const std::string& aux, int personne, int tempsAux, int modeAux,
                      int voixAux) const;

  // pronom + form, elided before a vowel or a mute h when the pronoun ends
  // with "e" (j'aime, s'asseyant, j'habite), not before an aspirated h (je
  // hais).  An empty form gives an empty result: there is nothing to put the
  // pronoun before.
  static std::string Elide(const std::string& pronom, const std::string& forme,
                           bool hAspire = false);
  // Subject pronoun (and reflexive pronoun) + form: je m'aime, il aime.
  static std::string AvecSujet(int personne, const std::string& forme, bool pronominal,
                               bool hAspire = false);

  // Ending tables; empty outside 1..6 (Pronoms: outside 0..6).
  static std::string_view Pronoms(int personne);
  static std::string_view Reflechis(int personne);
  static std::string_view DesFutur(int personne);
  static std::string_view DesImparfait(int personne);
  static std::string_view DesPasseA(int personne);
  static std::string_view DesPasseI(int personne);
  static std::string_view DesPasseU(int personne);
  static std::string_view DesSubjonctif(int personne);

 protected:
  // The infinitive without its last n characters.
  std::string Sans(int n) const;
  // The infinitive without its pronominal "se " or "s'", for the tests that
  // name a whole verb.
  std::string Base() const;

  // As given at construction, with its "se " or "s'" for a pronominal verb;
  // the stems carry that prefix and the driver takes it off the forms.
  const std::string Infinitif;
  // Set by every Conjugue.
  bool Pronominal = false;

 private:
  // The imperfect subjunctive; empty when the verb has no passé simple.
  std::string SubjImparfait(int personne) const;
};

// The infinitive without a leading "se " or "s'".
std::string SansPronomReflechi(const std::string& infinitif);
