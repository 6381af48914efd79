// TVerbe: one French infinitive and every simple or compound form of it, with
// or without its subject pronoun.
//
// The base class conjugates the regular verbs in -er; every other pattern is
// a subclass that overrides some of the thirteen virtual operations, each a
// stem or a simple form.  Conjugue (the driver) and Compose are not virtual
// and serve every class: the driver picks the operation for the mood and
// tense, builds compound tenses and the passive from the auxiliary, and
// dresses the form with its pronouns.  Objects are made for one request by
// ConjugueVerbe (flexf.h) and own nothing but the infinitive.
//
// Persons, tenses, moods and voices are numbered as in numerotation.h.
// Nothing fails: a combination French lacks gives "erreur", a form a
// defective verb lacks is empty, and what the driver cannot render leaves
// the caller's result as it was.  Strings are Windows-1252.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "flexion/numerotation.h"

// An ending table indexed by person 1..6.
using TTablePersonnes = std::array<std::string_view, 6>;

// Entry of a person table; empty for a person outside 1..6.
std::string_view ParPersonne(const TTablePersonnes& table, int personne);

class TVerbe {
 public:
  explicit TVerbe(std::string infinitif);

  // The third person singular of the imperfect subjunctive without its
  // final "t" (aimâ, vîn); the other persons are built from the
  // passé simple.
  virtual std::string SubjImparfait3() const;
  // The stem of the present for the person (aim; dor- and dorm- for
  // dormir): the present, and through it the imperative; person 4 gives the
  // imperfect and the present participle, persons 4 and 6 the present
  // subjunctive, person 1 the regular past participle.
  virtual std::string RadicalPresent(int personne) const;
  // The stem of the future and the conditional (aimer, prendr).
  virtual std::string RadicalFutur() const;
  // The stem of the passé simple (aim, pr); empty for a verb without one.
  virtual std::string RadicalPasse() const;
  // Stem and ending joined: ç and ge before a, o, â, û in the base class
  // (commençons, mangeons); è, a doubled consonant or i before a mute e in
  // the spelling-change classes (achète, appelle, emploie).
  virtual std::string Joint(const std::string& radical, std::string_view desinence) const;
  // The present indicative (aime).
  virtual std::string Present(int personne) const;
  // The future indicative (aimerai).
  virtual std::string Futur(int personne) const;
  // The imperfect indicative (aimais).
  virtual std::string Imparfait(int personne) const;
  // The passé simple (aimai).
  virtual std::string PasseSimple(int personne) const;
  // The present subjunctive, without "que" (aime, aimions).
  virtual std::string SubjPresent(int personne) const;
  // The present imperative for persons 2, 4, 5 (aime, aimons, aimez);
  // "erreur" for the persons it lacks.
  virtual std::string Imperatif(int personne) const;
  // The present participle (aimant).
  virtual std::string ParticipePresent() const;
  // The masculine singular past participle (aimé); empty for a verb without
  // one, which then has no compound tenses and no passive.
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
  void Conjugue(int personne, TTempsFr temps, TModeFr mode, TVoixFr voix, bool avecPronom,
                std::string& resultat) const;

  // Compound form: the auxiliary `aux` conjugated in (tempsAux, modeAux,
  // voixAux), a blank, the past participle; plural "s" after "être".  Empty
  // when the verb has no past participle; the auxiliary's own "erreur" or
  // "?" is passed on alone.
  std::string Compose(const std::string& aux, int personne, TTempsFr tempsAux, TModeFr modeAux,
                      TVoixFr voixAux) const;

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
  // The infinitive begins with "se " or "s'".
  const bool Pronominal;

 private:
  // The imperfect subjunctive; empty when the verb has no passé simple.
  std::string SubjImparfait(int personne) const;
  // "être" for a pronominal verb, else Auxiliaire.
  std::string AuxiliaireDesTempsComposes() const;

  // The three steps of the driver.  The active form for the mood and tense:
  // a simple form from the operation of that tense, a compound one through
  // Compose; "erreur" for a tense the mood lacks; std::nullopt where the
  // result stays as the caller gave it.
  std::optional<std::string> FormeActive(int personne, TTempsFr temps, TModeFr mode) const;
  // The passive: "être" in the mood and tense, then the past participle
  // (il est aimé); std::nullopt for a verb without passive.
  std::optional<std::string> FormePassive(int personne, TTempsFr temps, TModeFr mode) const;
  // The form as it is read: without the "se " or "s'" the stems carry,
  // with the reflexive pronoun after a pronominal imperative (lave-toi),
  // with the subject pronoun when asked in a personal mood, with "se"
  // before a pronominal infinitive or participle (se lavant).
  std::string Habille(std::string forme, int personne, TTempsFr temps, TModeFr mode,
                      bool avecPronom) const;
};

// The infinitive without a leading "se " or "s'".
std::string SansPronomReflechi(const std::string& infinitif);
