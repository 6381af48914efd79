#include "flexion/traduction.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "flexion/chaines.h"
#include "flexion/flexf.h"
#include "flexion/verbe.h"
#include "lexical/cp1252_litteral.h"
#include "morpho/lemmatise.h"

std::string SensApresDeuxPoints(std::string_view s) {
  auto deuxPoints = s.find(':');
  return Rogne(deuxPoints == std::string_view::npos ? s : s.substr(deuxPoints + 1));
}

int PersonneFr(int indexPersonne, int indexNombre) { return indexPersonne + 1 + 3 * indexNombre; }

TTempsFr TempsFr(int indexTemps) {
  // The Latin parfait skips the French passé simple: il a aimé.
  return static_cast<TTempsFr>(indexTemps < 3 ? indexTemps + 1 : indexTemps + 2);
}

TModeFr ModeFr(int indexMode) {
  // Unsigned on purpose: an absent mood (-1) counts as large and reads as the
  // indicative.  The Latin impératif skips the French conditionnel.
  return static_cast<TModeFr>(static_cast<unsigned>(indexMode) <= 1u ? indexMode + 1
                                                                     : indexMode + 2);
}

TVoixFr VoixFr(int indexVoix) { return static_cast<TVoixFr>(indexVoix + 1); }

std::string InfinitifDuSens(std::string_view sens) {
  std::string s = Rogne(sens);
  // The apostrophe ends a word: the verb after it is joined back (s'asseoir).
  if (Commence("s'", s)) return "s'" + PremierMot(s.substr(2));
  if (Commence("se ", s)) return PremierMot(s) + " " + MotN(2, s);
  return PremierMot(s);
}

std::string PremierSens(std::string_view sens) {
  std::string s;
  int parentheses = 0;
  for (char c : Rogne(sens)) {
    if (c == '(') ++parentheses;
    if (parentheses == 0 && (c == ',' || c == ';')) break;
    if (parentheses == 0) s += c;
    if (c == ')' && parentheses > 0) --parentheses;
  }
  // Blanks left twice where a parenthesis stood are made one.
  std::string resultat;
  for (char c : Rogne(s))
    if (!(c == ' ' && !resultat.empty() && resultat.back() == ' ')) resultat += c;
  return resultat;
}

TSensVerbal SensVerbal(std::string_view sens) {
  TSensVerbal v;
  const std::string premier = PremierSens(sens);
  v.Infinitif = InfinitifDuSens(premier);
  if (v.Infinitif.empty()) return v;
  // PremierSens leaves single blanks, so the infinitive is the beginning of
  // the first meaning as written.
  std::size_t longueur = v.Infinitif.size();
  if (Commence("se ", v.Infinitif)) longueur = 3 + MotN(2, premier).size();
  v.Complement = Rogne(std::string_view(premier).substr(std::min(longueur, premier.size())));
  return v;
}

namespace {

constexpr std::string_view Etre = "être"_1252;

// Words that open an attribute and keep their number: ils sont là, loin,
// en colère, d'accord.
bool AttributInvariable(const std::string& attribut) {
  static const std::vector<std::string> mots = Mots(
      "là loin près ici ailleurs bien mal mieux en à au aux de du des d dans sur sous "_1252
      "avec sans hors pour contre debout ensemble plus moins très si"_1252);
  const std::string premier = PremierMot(attribut);
  return premier.empty() || std::find(mots.begin(), mots.end(), premier) != mots.end();
}

// The verb of the meaning that renders a Latin passive when the first one
// has none in French and is no intransitive verb (avoir: posséder).
std::string VerbeAuPassif(std::string_view sens) {
  std::string reste = Rogne(sens);
  while (!reste.empty()) {
    const std::string infinitif = InfinitifDuSens(PremierSens(reste));
    if (!infinitif.empty() && APassif(infinitif)) return infinitif;
    const auto virgule = reste.find_first_of(",;");
    if (virgule == std::string::npos) break;
    reste = Rogne(reste.substr(virgule + 1));
  }
  return {};
}

// True for an entry the dictionary marks impersonal (licet, oportet): the
// Latin verb has no first or second person.
bool EstImpersonnel(std::string_view entree) {
  const auto deuxPoints = entree.find(':');
  return entree.substr(0, deuxPoints).find("impers.") != std::string_view::npos;
}

// One reading rendered, without its trailing blank; empty when French has
// nothing to show for it.
std::string RenduLecture(const TSensVerbal& sens, const std::string& suppleant, bool impersonnel,
                         const TLecture& d) {
  // The supine in -u after an adjective (facile dictu: facile à dire), in
  // -um after a verb of motion (cubitum it: il va se coucher, pour dormir).
  if (d.Supin() && !sens.Infinitif.empty()) {
    std::string forme = ((d.Morpho & Trait::Accusatif) ? "pour " : "à "_1252) + sens.Infinitif;
    return sens.Complement.empty() ? forme : forme + " " + sens.Complement;
  }
  if (d.NumVoix() < 0) return {};
  if (impersonnel &&
      (d.NumPersonne() == Personne::Premiere || d.NumPersonne() == Personne::Deuxieme))
    return {};
  int personne = PersonneFr(d.NumPersonne(), d.NumNombre());
  TTempsFr temps = TempsFr(d.NumTemps());
  TModeFr mode = ModeFr(d.NumMode());
  const TVoixFr voix = VoixFr(d.NumVoix());
  bool que = false;
  // The Latin future imperative: the French imperative for the second
  // persons (sache, soyez), the subjunctive with "qu'" for the third.
  if (mode == TModeFr::Imperatif && temps == TTempsFr::Futur) {
    temps = TTempsFr::Present;
    if (personne == Il || personne == Ils) {
      mode = TModeFr::Subjonctif;
      que = true;
    }
  }
  std::string infinitif = sens.Infinitif;
  std::string complement = sens.Complement;
  std::string forme;
  bool actif = voix == TVoixFr::Actif;
  if (voix == TVoixFr::Passif && CreeVerbe(infinitif) && !APassif(infinitif)) {
    if (SansPronomReflechi(infinitif) == "avoir") {
      // No intransitive verb: its Latin passive is personal (habetur: il est
      // possédé), rendered by the next verb that has a passive, if any.
      if (suppleant.empty()) return {};
      infinitif = suppleant;
    } else if (personne == Il && (mode == TModeFr::Indicatif || mode == TModeFr::Subjonctif)) {
      // A Latin impersonal passive: "on" and the active (itur: on va).
      forme = ConjugueVerbe(infinitif, Il, temps, mode, TVoixFr::Actif, true);
      if (Commence("il ", forme)) forme = "on " + forme.substr(3);
      actif = true;
    } else {
      return {};
    }
  }
  if (forme.empty()) forme = ConjugueVerbe(infinitif, personne, temps, mode, voix, true);
  if (forme.empty() || forme == "?" || forme == "erreur") return forme;
  // A passive has no room for what followed the active verb.
  if (!actif) complement.clear();
  if (!complement.empty()) {
    // The attribute after "être" takes the number of the subject: ils sont
    // absents.
    if (SansPronomReflechi(infinitif) == Etre && personne >= Nous && personne <= Ils &&
        !AttributInvariable(complement))
      complement = PlurielExpression(complement);
    forme += " " + complement;
  }
  if (que) forme = TVerbe::Elide("que", forme);
  return forme;
}

// Adds each form of `texte` (forms separated by blanks... the rendering of
// one analysis) not yet in `vues`.
void AjouteNouvelle(const std::string& forme, std::vector<std::string>& vues, std::string& texte) {
  if (forme.empty() || std::find(vues.begin(), vues.end(), forme) != vues.end()) return;
  vues.push_back(forme);
  texte += forme + " ";
}

// The renderings of one analysis, each once, each followed by a blank.
std::string RenduAnalyse(const TAnalyse& analyse, std::vector<std::string>& vues) {
  std::string resultat;
  const std::string entree = Rogne(analyse.Entree);
  if (entree == "?") return resultat;
  const std::string texteSens = SensApresDeuxPoints(entree);
  const TSensVerbal sens = SensVerbal(texteSens);
  const std::string suppleant = VerbeAuPassif(texteSens);
  const bool impersonnel = EstImpersonnel(entree);
  for (int i = 0; const TLecture* d = analyse.Lecture(i); ++i)
    AjouteNouvelle(RenduLecture(sens, suppleant, impersonnel, *d), vues, resultat);
  return resultat;
}

}  // namespace

std::string TraduitAnalyse(const TAnalyse& analyse) {
  std::vector<std::string> vues;
  return RenduAnalyse(analyse, vues);
}

std::string Traduction(std::string_view forme) {
  std::string resultat;
  std::unique_ptr<TListeAnalyses> liste = Lemmatise(forme);
  if (!liste) return resultat;
  std::vector<std::string> vues;
  for (int i = 0; i < liste->Count(); ++i) {
    std::string t = RenduAnalyse(liste->Analyse(i), vues);
    if (!t.empty()) resultat += t + " ";
  }
  return resultat;
}

std::string TexteTraduction(const TListeAnalyses& analyses) {
  std::vector<int> ordre;
  for (int i = 0; i < analyses.Count(); ++i) ordre.push_back(i);
  return TexteTraduction(analyses, ordre);
}

std::string TexteTraduction(const TListeAnalyses& analyses, const std::vector<int>& ordre) {
  std::string texte;
  std::vector<std::string> vues;
  for (int i : ordre) {
    const TAnalyse& analyse = analyses.Analyse(i);
    const TLecture* description = analyse.Lecture(0);
    if (!description) continue;
    std::string rendu;
    if (description->Partie() == Partie::Nom) {
      const std::string sens = PremierSens(SensApresDeuxPoints(analyse.Entree));
      AjouteNouvelle(description->NumNombre() == Nombre::Singulier ? sens : PlurielExpression(sens),
                     vues, rendu);
    } else if (description->Partie() == Partie::Verbe) {
      // Only the forms not shown yet: a verb read twice shows once.
      rendu = RenduAnalyse(analyse, vues);
    }
    rendu = Rogne(rendu);
    if (!rendu.empty()) texte += " " + rendu;
  }
  return texte;
}
