// The French rendering of an analysed Latin word: for each reading of an
// analysis, the first French verb of the entry's meaning conjugated in the
// matching person, tense, mood and voice (il aime, nous avons aimé, aimant).
//
// Stateless: each call works on what it is given.  Traduction reads the
// global stores through Lemmatise and throws Erreur("Lexique non chargé")
// when they are not loaded; nothing else fails.  "?" in the text marks a
// reading whose verb no class conjugates or that French cannot render,
// "erreur" a combination French lacks.  Strings are Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "flexion/numerotation.h"
#include "morpho/analyses.h"

// The part of s after its first ":", trimmed of blanks and control
// characters; the whole of s, trimmed, when it has no colon.
std::string SensApresDeuxPoints(std::string_view s);

// Latin category indexes (0-based, -1 when absent) to the French numbering
// of the verb classes (numerotation.h).
// Person + 1 + 3 * number: Je..Ils; -3 when neither is given.
int PersonneFr(int indexPersonne, int indexNombre);
// Présent, futur, imparfait to the same tenses; parfait, futur antérieur,
// plus-que-parfait to passé composé, futur antérieur, plus-que-parfait; no
// tense to 0, which has no French form.
TTempsFr TempsFr(int indexTemps);
// Indicatif, subjonctif to the same moods; impératif, infinitif, participe
// to the same moods; gérondif and adjectif verbal to 7 and 8, which have no
// French form; no mood to the indicatif.
TModeFr ModeFr(int indexMode);
// Actif, passif to the same voices; no voice to 0, which has no French form.
TVoixFr VoixFr(int indexVoix);

// The French verb an entry's meaning begins with: its first word, with the
// "se " or "s'" of a pronominal verb (se laver, s'asseoir).
std::string InfinitifDuSens(std::string_view sens);

// The first meaning of a list of meanings: up to the first comma or
// semicolon outside parentheses, parenthesised remarks left out (de (+
// abl.), depuis -> "de").
std::string PremierSens(std::string_view sens);

// A verb's first meaning: the French verb (with "se " or "s'") and what
// follows it (être absent: "être", "absent"; se mettre en colère: "se
// mettre", "en colère").
struct TSensVerbal {
  std::string Infinitif;
  std::string Complement;
};
TSensVerbal SensVerbal(std::string_view sens);

// Each reading of the analysis rendered with its subject pronoun, each form
// once and followed by a blank.  The first meaning is conjugated with its
// complement, the attribute after "être" in the subject's number (ils sont
// absents).  A passive French lacks renders with "on" and the active in the
// third person singular (itur: on va), through the next verb of the meaning
// for "avoir" (habetur: il est possédé), and not at all otherwise; an entry
// marked "impers." has no first or second person; the Latin future
// imperative goes to the imperative (scito: sache) or, in the third
// persons, to the subjunctive with "qu'" (esto: qu'il soit).  Empty for the
// heading "?"; a reading that is no verb reading (no voice: a noun or an
// adjective) renders nothing.
std::string TraduitAnalyse(const TAnalyse& analyse);

// TraduitAnalyse of every analysis of the form, in list order, each non-empty
// rendering followed by a blank; a form already shown for an earlier
// analysis is not repeated.
std::string Traduction(std::string_view forme);

// The context menu's "traduction" text for a word's analyses: for each
// analysis by the part of speech of its first reading, a noun's first
// meaning (in the plural unless the reading is singular: villes
// fortifiées), a verb's renderings as TraduitAnalyse gives them; each piece
// preceded by a blank, none repeated.  Empty when no analysis is a noun or
// a verb.
//
// A word with two verb analyses does not get the whole rendering twice:
// each verb analysis contributes the forms of its own readings only, and a
// form an earlier analysis already gave is left out (uenitur, from ueneo
// and from uenio: "on est vendu on vient"; two entries with one meaning
// show their common form once).  Rendering the whole word at each verb
// analysis, as one Traduction call per verb analysis would, puts every form
// in the pupil's notes once per verb analysis.
std::string TexteTraduction(const TListeAnalyses& analyses);
// Same with the analyses taken in `ordre` (positions in the list, the
// likeliest heading first), so that the rendering follows the hover.
std::string TexteTraduction(const TListeAnalyses& analyses, const std::vector<int>& ordre);
