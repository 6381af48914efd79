#include "flexion/verbe.h"

#include <optional>

#include "flexion/chaines.h"
#include "flexion/flexf.h"
#include "flexion/listes_verbes.h"
#include "lexical/cp1252_litteral.h"

namespace {

constexpr std::array<std::string_view, 7> TablePronoms = {" ",    "je",   "tu", "il",
                                                          "nous", "vous", "ils"};
constexpr TTablePersonnes TableReflechis = {"me", "te", "se", "nous", "vous", "se"};
constexpr TTablePersonnes TableFutur = {"ai", "as", "a", "ons", "ez", "ont"};
constexpr TTablePersonnes TableImparfait = {"ais", "ais", "ait", "ions", "iez", "aient"};
constexpr TTablePersonnes TablePasseA = {"ai", "as", "a", "âmes"_1252, "âtes"_1252, "èrent"_1252};
constexpr TTablePersonnes TablePasseI = {"is", "is", "it", "îmes"_1252, "îtes"_1252, "irent"};
constexpr TTablePersonnes TablePasseU = {"us", "us", "ut", "ûmes"_1252, "ûtes"_1252, "urent"};
constexpr TTablePersonnes TableSubjonctif = {"e", "es", "e", "ions", "iez", "ent"};
constexpr TTablePersonnes TablePresent = {"e", "es", "e", "ons", "ez", "ent"};
// Reflexive pronoun after the imperative of a pronominal verb (lave-toi).
constexpr TTablePersonnes TableReflechisImperatif = {"", "toi", "", "nous", "vous", ""};

constexpr std::string_view Etre = "être"_1252;
// The first letters before which "je", "me", "se"... lose their e: a â e é ê
// i î o ô u û y, and a mute h.
constexpr std::string_view Elidante = "aâeéèêiîïoôuûyh"_1252;
constexpr std::string_view Erreur = "erreur";
constexpr std::string_view Inconnu = "?";

bool EstPersonne(int personne) { return personne >= Je && personne <= Ils; }

// The persons of the imperative: tu, nous, vous.
bool EstPersonneImperatif(int personne) {
  return personne == Tu || personne == Nous || personne == Vous;
}

// What the driver gives back as a failure, never dressed with a pronoun.
bool EstEchec(const std::string& forme) { return forme == Erreur || forme == Inconnu; }

}  // namespace

std::string_view ParPersonne(const TTablePersonnes& table, int personne) {
  return EstPersonne(personne) ? table[personne - 1] : std::string_view{};
}

std::string SansPronomReflechi(const std::string& infinitif) {
  if (Commence("se ", infinitif)) return infinitif.substr(3);
  if (Commence("s'", infinitif)) return infinitif.substr(2);
  return infinitif;
}

TVerbe::TVerbe(std::string infinitif)
    : Infinitif(std::move(infinitif)),
      Pronominal(Commence("s'", Infinitif) || Commence("se ", Infinitif)) {}

std::string TVerbe::Sans(int n) const { return SansFin(Infinitif, n); }

std::string TVerbe::Base() const { return SansPronomReflechi(Infinitif); }

std::string_view TVerbe::Pronoms(int personne) {
  return personne >= 0 && personne <= Ils ? TablePronoms[personne] : std::string_view{};
}
std::string_view TVerbe::Reflechis(int p) { return ParPersonne(TableReflechis, p); }
std::string_view TVerbe::DesFutur(int p) { return ParPersonne(TableFutur, p); }
std::string_view TVerbe::DesImparfait(int p) { return ParPersonne(TableImparfait, p); }
std::string_view TVerbe::DesPasseA(int p) { return ParPersonne(TablePasseA, p); }
std::string_view TVerbe::DesPasseI(int p) { return ParPersonne(TablePasseI, p); }
std::string_view TVerbe::DesPasseU(int p) { return ParPersonne(TablePasseU, p); }
std::string_view TVerbe::DesSubjonctif(int p) { return ParPersonne(TableSubjonctif, p); }

// --- the thirteen operations of the regular -er verb -----------------------

std::string TVerbe::SubjImparfait3() const {
  std::string s = SansFin(PasseSimple(Tu), 1);
  if (s.empty()) return s;
  switch (s.back()) {
    case 'a':
      s.back() = U'â'_1252;
      break;
    case 'i':
    case U'î'_1252:
      s.back() = U'î'_1252;
      break;
    case 'u':
    case U'û'_1252:
      s.back() = U'û'_1252;
      break;
    default:
      break;  // already right, as the ï of ouït
  }
  return s;
}

std::string TVerbe::RadicalPresent(int) const { return Sans(2); }

std::string TVerbe::RadicalFutur() const { return Termine("r", Infinitif) ? Infinitif : Sans(1); }

std::string TVerbe::RadicalPasse() const { return Sans(2); }

std::string TVerbe::Joint(const std::string& radical, std::string_view desinence) const {
  std::string r = radical;
  if (!desinence.empty() &&
      std::string_view("oauâû"_1252).find(desinence[0]) != std::string_view::npos && !r.empty()) {
    if (r.back() == 'c')
      r.back() = U'ç'_1252;
    else if (r.back() == 'g')
      r += 'e';
  }
  return r + std::string(desinence);
}

std::string TVerbe::Present(int p) const {
  return Joint(RadicalPresent(p), ParPersonne(TablePresent, p));
}

std::string TVerbe::Futur(int p) const { return Joint(RadicalFutur(), DesFutur(p)); }

std::string TVerbe::Imparfait(int p) const {
  std::string radical = RadicalPresent(Nous);
  return radical.empty() ? std::string() : Joint(radical, DesImparfait(p));
}

std::string TVerbe::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseA(p)); }

std::string TVerbe::SubjPresent(int p) const {
  std::string radical = (p == Nous || p == Vous) ? RadicalPresent(Nous) : RadicalPresent(Ils);
  // Joint is neutral here for the regular verb (no ending begins with a or o)
  // and gives the spelling-change classes their è, ll, i: que j'achète.
  return radical.empty() ? std::string() : Joint(radical, DesSubjonctif(p));
}

std::string TVerbe::Imperatif(int p) const {
  if (p == Tu) {
    std::string forme = Present(Tu);
    // tu aimes -> aime, tu vas -> va, tu ouvres -> ouvre.
    if (Termine("er", Infinitif) || Termine("es", forme)) forme = SansFin(forme, 1);
    return forme;
  }
  if (p == Nous || p == Vous) return Present(p);
  return std::string(Erreur);
}

std::string TVerbe::ParticipePresent() const {
  // Joint, for mangeant and commençant as in mangeons and commençons.
  std::string radical = RadicalPresent(Nous);
  return radical.empty() ? std::string() : Joint(radical, "ant");
}

std::string TVerbe::ParticipePasse() const { return RadicalPresent(Je) + "é"_1252; }

// --- non-virtual operations --------------------------------------------------

std::string TVerbe::Auxiliaire() const {
  return DansVerbes(VerbesEtre(), Infinitif) ? std::string(Etre) : std::string("avoir");
}

std::string TVerbe::SubjImparfait(int p) const {
  if (RadicalPasse().empty() || PasseSimple(Tu).empty()) return {};
  if (p == Il) return SubjImparfait3() + "t";
  return PasseSimple(Tu) + "s" + std::string(DesSubjonctif(p));
}

std::string TVerbe::Compose(const std::string& aux, int personne, TTempsFr tempsAux,
                            TModeFr modeAux, TVoixFr voixAux) const {
  // The participle of a pronominal verb carries the "se " of the infinitive;
  // after the auxiliary it has no place (je me suis lavé).
  std::string participe = SansPronomReflechi(ParticipePasse());
  if (participe.empty()) return {};
  // The one call back into the class chain, and it ends: the auxiliary is
  // "avoir" or "être", asked in the active.  An active compound tense asks
  // it in a simple tense (présent to passé simple), which composes nothing.
  // The passive asks "être" in the requested tense, and a compound one of
  // those asks "être"'s own auxiliary, "avoir", in a simple tense: two calls
  // at most.  A tense outside the eight composes nothing either.
  std::string auxiliaire = ConjugueVerbe(aux, personne, tempsAux, modeAux, voixAux, false);
  if (auxiliaire.empty() || EstEchec(auxiliaire)) return auxiliaire;
  // The participle agrees with a plural subject after "être": sommes allés,
  // sont dus.
  if (personne >= Nous && aux == Etre) participe = PlurielParticipe(participe);
  return auxiliaire + " " + participe;
}

std::string TVerbe::Elide(const std::string& pronom, const std::string& forme, bool hAspire) {
  if (forme.empty()) return {};
  if (pronom.empty()) return forme;
  if (pronom.back() == 'e' && Elidante.find(forme[0]) != std::string_view::npos &&
      !(hAspire && forme[0] == 'h'))
    return SansFin(pronom, 1) + "'" + forme;
  return pronom + " " + forme;
}

std::string TVerbe::AvecSujet(int personne, const std::string& forme, bool pronominal,
                              bool hAspire) {
  std::string sujet(Pronoms(personne));
  if (pronominal) sujet += " " + std::string(Reflechis(personne));
  return Elide(sujet, forme, hAspire);
}

void TVerbe::Conjugue(int personne, TTempsFr temps, TModeFr mode, TVoixFr voix, bool avecPronom,
                      std::string& resultat) const {
  // A personal mood needs a person to conjugate for.
  if (EstModePersonnel(mode) && !EstPersonne(personne)) return;
  // Forms French lacks are left out: the persons of an impersonal verb
  // (falloir, pleuvoir), the past imperative of a pronominal verb.
  const bool personnel =
      EstModePersonnel(mode) || (mode == TModeFr::Imperatif && EstPersonneImperatif(personne));
  if ((personnel && !PersonneImpersonnelle(Infinitif, personne)) ||
      (personnel && voix == TVoixFr::Actif && mode == TModeFr::Imperatif &&
       temps == TTempsFr::PasseCompose && Pronominal)) {
    resultat.clear();
    return;
  }
  std::optional<std::string> forme;
  if (voix == TVoixFr::Actif)
    forme = FormeActive(personne, temps, mode);
  else if (voix == TVoixFr::Passif)
    forme = FormePassive(personne, temps, mode);
  if (!forme) return;
  if (EstEchec(*forme) || forme->empty())
    resultat = std::move(*forme);
  else
    resultat = Habille(std::move(*forme), personne, temps, mode, avecPronom);
}

std::string TVerbe::AuxiliaireDesTempsComposes() const {
  return Pronominal ? std::string(Etre) : Auxiliaire();
}

std::optional<std::string> TVerbe::FormeActive(int personne, TTempsFr temps, TModeFr mode) const {
  auto compose = [&](TTempsFr tempsAux, TModeFr modeAux) {
    return Compose(AuxiliaireDesTempsComposes(), personne, tempsAux, modeAux, TVoixFr::Actif);
  };
  switch (mode) {
    case TModeFr::Indicatif:
      switch (temps) {
        case TTempsFr::Present:
          return Present(personne);
        case TTempsFr::Futur:
          return Futur(personne);
        case TTempsFr::Imparfait:
          return Imparfait(personne);
        case TTempsFr::PasseSimple:
          return PasseSimple(personne);
        case TTempsFr::PasseCompose:
        case TTempsFr::FuturAnterieur:
        case TTempsFr::PlusQueParfait:
        case TTempsFr::PasseAnterieur:
          return compose(TempsAuxiliaire(temps), TModeFr::Indicatif);
        default:
          return std::nullopt;  // no such tense: left as it was
      }
    case TModeFr::Subjonctif:
      switch (temps) {
        case TTempsFr::Present:
          return SubjPresent(personne);
        case TTempsFr::Imparfait:
          return SubjImparfait(personne);
        case TTempsFr::PasseCompose:
          return compose(TTempsFr::Present, TModeFr::Subjonctif);
        case TTempsFr::PlusQueParfait:
          return compose(TTempsFr::Imparfait, TModeFr::Subjonctif);
        default:
          return std::string(Erreur);
      }
    case TModeFr::Conditionnel:
      if (temps == TTempsFr::Present)
        return Futur(personne).empty() ? std::string()
                                       : Joint(RadicalFutur(), DesImparfait(personne));
      if (temps == TTempsFr::PasseCompose) return compose(TTempsFr::Present, TModeFr::Conditionnel);
      return std::string(Erreur);
    case TModeFr::Imperatif:
      if (!EstPersonneImperatif(personne)) return std::string(Erreur);
      if (temps == TTempsFr::Present) return Imperatif(personne);
      if (temps == TTempsFr::PasseCompose) return compose(TTempsFr::Present, TModeFr::Imperatif);
      return std::nullopt;
    case TModeFr::Infinitif:
      if (temps == TTempsFr::Present) return Infinitif;
      if (temps == TTempsFr::PasseCompose) return compose(TTempsFr::Present, TModeFr::Infinitif);
      return std::nullopt;
    case TModeFr::Participe:
      if (temps == TTempsFr::Present) return ParticipePresent();
      if (temps == TTempsFr::PasseCompose) return compose(TTempsFr::Present, TModeFr::Participe);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<std::string> TVerbe::FormePassive(int personne, TTempsFr temps, TModeFr mode) const {
  // Verbs that take "être" (pronominal ones included) and intransitive verbs
  // have no passive.
  if (ParticipePasse().empty() || AuxiliaireDesTempsComposes() != "avoir" ||
      DansVerbes(VerbesSansPassif(), Base()))
    return std::nullopt;
  return Compose(std::string(Etre), personne, temps, mode, TVoixFr::Actif);
}

std::string TVerbe::Habille(std::string forme, int personne, TTempsFr temps, TModeFr mode,
                            bool avecPronom) const {
  // The stems carry the pronominal prefix of the infinitive: off it comes.
  forme = SupprimeTout("s'", forme);
  if (Commence("se ", forme)) forme = forme.substr(3);
  if (mode == TModeFr::Imperatif && Pronominal && temps == TTempsFr::Present)
    forme += "-" + std::string(ParPersonne(TableReflechisImperatif, personne));
  const bool hAspire = DansVerbes(VerbesHAspire(), Base());
  // The moods without subject keep the "se" of a pronominal verb in the
  // infinitive and the participle: se lavant, s'être lavé, se laver.
  if (avecPronom && !EstModeSansSujet(mode)) return AvecSujet(personne, forme, Pronominal, hAspire);
  if ((mode == TModeFr::Infinitif || mode == TModeFr::Participe) && Pronominal)
    return Elide("se", forme, hAspire);
  return forme;
}
