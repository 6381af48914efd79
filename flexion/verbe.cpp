#include "flexion/verbe.h"

#include <optional>

#include "flexion/chaines.h"
#include "flexion/flexf.h"
#include "flexion/listes_verbes.h"

namespace {

constexpr std::array<std::string_view, 7> TablePronoms = {" ",    "je",   "tu", "il",
                                                          "nous", "vous", "ils"};
constexpr TTablePersonnes TableReflechis = {"me", "te", "se", "nous", "vous", "se"};
constexpr TTablePersonnes TableFutur = {"ai", "as", "a", "ons", "ez", "ont"};
constexpr TTablePersonnes TableImparfait = {"ais", "ais", "ait", "ions", "iez", "aient"};
constexpr TTablePersonnes TablePasseA = {"ai", "as", "a", "\xE2mes", "\xE2tes", "\xE8rent"};
constexpr TTablePersonnes TablePasseI = {"is", "is", "it", "\xEEmes", "\xEEtes", "irent"};
constexpr TTablePersonnes TablePasseU = {"us", "us", "ut", "\xFBmes", "\xFBtes", "urent"};
constexpr TTablePersonnes TableSubjonctif = {"e", "es", "e", "ions", "iez", "ent"};
constexpr TTablePersonnes TablePresent = {"e", "es", "e", "ons", "ez", "ent"};
// Reflexive pronoun after the imperative of a pronominal verb (lave-toi).
constexpr TTablePersonnes TableReflechisImperatif = {"", "toi", "", "nous", "vous", ""};

constexpr std::string_view Etre = "\xEAtre";
// The first letters before which "je", "me", "se"... lose their e: a â e é ê
// i î o ô u û y, and a mute h.
constexpr std::string_view Elidante = "a\xE2\x65\xE9\xE8\xEAi\xEE\xEFo\xF4u\xFByh";
constexpr std::string_view Erreur = "erreur";
constexpr std::string_view Inconnu = "?";

bool EstPersonne(int personne) { return personne >= 1 && personne <= 6; }

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

TVerbe::TVerbe(std::string infinitif) : Infinitif(std::move(infinitif)) {}

std::string TVerbe::Sans(int n) const { return SansFin(Infinitif, n); }

std::string TVerbe::Base() const { return SansPronomReflechi(Infinitif); }

std::string_view TVerbe::Pronoms(int personne) {
  return personne >= 0 && personne <= 6 ? TablePronoms[personne] : std::string_view{};
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
  std::string s = SansFin(PasseSimple(2), 1);
  if (s.empty()) return s;
  switch (s.back()) {
    case 'a':
      s.back() = '\xE2';
      break;
    case 'i':
    case '\xEE':
      s.back() = '\xEE';
      break;
    case 'u':
    case '\xFB':
      s.back() = '\xFB';
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
      std::string_view("oau\xE2\xFB").find(desinence[0]) != std::string_view::npos && !r.empty()) {
    if (r.back() == 'c')
      r.back() = '\xE7';
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
  std::string radical = RadicalPresent(4);
  return radical.empty() ? std::string() : Joint(radical, DesImparfait(p));
}

std::string TVerbe::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseA(p)); }

std::string TVerbe::SubjPresent(int p) const {
  std::string radical = (p == 4 || p == 5) ? RadicalPresent(4) : RadicalPresent(6);
  // Joint is neutral here for the regular verb (no ending begins with a or o)
  // and gives the spelling-change classes their è, ll, i: que j'achète.
  return radical.empty() ? std::string() : Joint(radical, DesSubjonctif(p));
}

std::string TVerbe::Imperatif(int p) const {
  if (p == 2) {
    std::string forme = Present(2);
    // tu aimes -> aime, tu vas -> va, tu ouvres -> ouvre.
    if (Termine("er", Infinitif) || Termine("es", forme)) forme = SansFin(forme, 1);
    return forme;
  }
  if (p == 4 || p == 5) return Present(p);
  return std::string(Erreur);
}

std::string TVerbe::ParticipePresent() const {
  // Joint, for mangeant and commençant as in mangeons and commençons.
  std::string radical = RadicalPresent(4);
  return radical.empty() ? std::string() : Joint(radical, "ant");
}

std::string TVerbe::ParticipePasse() const { return RadicalPresent(1) + "\xE9"; }

// --- non-virtual operations --------------------------------------------------

std::string TVerbe::Auxiliaire() const {
  return DansVerbes(VerbesEtre(), Infinitif) ? std::string(Etre) : std::string("avoir");
}

std::string TVerbe::SubjImparfait(int p) const {
  if (RadicalPasse().empty() || PasseSimple(2).empty()) return {};
  if (p == 3) return SubjImparfait3() + "t";
  return PasseSimple(2) + "s" + std::string(DesSubjonctif(p));
}

std::string TVerbe::Compose(const std::string& aux, int personne, int tempsAux, int modeAux,
                            int voixAux) const {
  // The participle of a pronominal verb carries the "se " of the infinitive;
  // after the auxiliary it has no place (je me suis lavé).
  std::string participe = SansPronomReflechi(ParticipePasse());
  if (participe.empty()) return {};
  // The one call back into the class chain, and it ends: the auxiliary is
  // "avoir" or "être", asked in the active.  An active compound tense asks
  // it in a simple tense (tempsAux 1 to 4), which composes nothing.  The
  // passive asks "être" in the requested tense, and a compound one of those
  // asks "être"'s own auxiliary, "avoir", in a simple tense: two calls at
  // most.  A tense outside 1..8 composes nothing either.
  std::string auxiliaire = ConjugueVerbe(aux, personne, tempsAux, modeAux, voixAux, false);
  if (auxiliaire.empty() || EstEchec(auxiliaire)) return auxiliaire;
  // The participle agrees with a plural subject after "être": sommes allés,
  // sont dus.
  if (personne > 3 && aux == Etre) participe = PlurielParticipe(participe);
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

void TVerbe::Conjugue(int personne, int temps, int mode, int voix, bool avecPronom,
                      std::string& resultat) {
  Pronominal = Commence("s'", Infinitif) || Commence("se ", Infinitif);
  // A personal mood needs a person to conjugate for.
  if (mode >= 1 && mode <= 3 && !EstPersonne(personne)) return;
  // Forms French lacks are left out: the persons of an impersonal verb
  // (falloir, pleuvoir), the past imperative of a pronominal verb.
  const bool personnel =
      (mode >= 1 && mode <= 3) || (mode == 4 && (personne == 2 || personne == 4 || personne == 5));
  if ((personnel && !PersonneImpersonnelle(Infinitif, personne)) ||
      (personnel && voix == 1 && mode == 4 && temps == 5 && Pronominal)) {
    resultat.clear();
    return;
  }
  std::optional<std::string> forme;
  if (voix == 1)
    forme = FormeActive(personne, temps, mode);
  else if (voix == 2)
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

std::optional<std::string> TVerbe::FormeActive(int personne, int temps, int mode) const {
  auto compose = [&](int tempsAux, int modeAux) {
    return Compose(AuxiliaireDesTempsComposes(), personne, tempsAux, modeAux, 1);
  };
  switch (mode) {
    case 1:
      switch (temps) {
        case 1:
          return Present(personne);
        case 2:
          return Futur(personne);
        case 3:
          return Imparfait(personne);
        case 4:
          return PasseSimple(personne);
        case 5:
        case 6:
        case 7:
        case 8:
          return compose(temps - 4, 1);
        default:
          return std::nullopt;  // no such tense: left as it was
      }
    case 2:
      switch (temps) {
        case 1:
          return SubjPresent(personne);
        case 3:
          return SubjImparfait(personne);
        case 5:
          return compose(1, 2);
        case 7:
          return compose(3, 2);
        default:
          return std::string(Erreur);
      }
    case 3:
      if (temps == 1)
        return Futur(personne).empty() ? std::string()
                                       : Joint(RadicalFutur(), DesImparfait(personne));
      if (temps == 5) return compose(1, 3);
      return std::string(Erreur);
    case 4:
      if (personne != 2 && personne != 4 && personne != 5) return std::string(Erreur);
      if (temps == 1) return Imperatif(personne);
      if (temps == 5) return compose(1, 4);
      return std::nullopt;
    case 5:
      if (temps == 1) return Infinitif;
      if (temps == 5) return compose(1, 5);
      return std::nullopt;
    case 6:
      if (temps == 1) return ParticipePresent();
      if (temps == 5) return compose(1, 6);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<std::string> TVerbe::FormePassive(int personne, int temps, int mode) const {
  // Verbs that take "être" (pronominal ones included) and intransitive verbs
  // have no passive.
  if (ParticipePasse().empty() || AuxiliaireDesTempsComposes() != "avoir" ||
      DansVerbes(VerbesSansPassif(), Base()))
    return std::nullopt;
  return Compose(std::string(Etre), personne, temps, mode, 1);
}

std::string TVerbe::Habille(std::string forme, int personne, int temps, int mode,
                            bool avecPronom) const {
  // The stems carry the pronominal prefix of the infinitive: off it comes.
  forme = SupprimeTout("s'", forme);
  if (Commence("se ", forme)) forme = forme.substr(3);
  if (mode == 4 && Pronominal && temps == 1)
    forme += "-" + std::string(ParPersonne(TableReflechisImperatif, personne));
  const bool hAspire = DansVerbes(VerbesHAspire(), Base());
  // The impersonal moods have no subject; their pronominal verb keeps its
  // "se": se lavant, s'être lavé, se laver.
  const bool impersonnel = mode >= 4 && mode <= 6;
  if (avecPronom && !impersonnel) return AvecSujet(personne, forme, Pronominal, hAspire);
  if ((mode == 5 || mode == 6) && Pronominal) return Elide("se", forme, hAspire);
  return forme;
}
