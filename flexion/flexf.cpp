#include "flexion/flexf.h"

#include <algorithm>
#include <initializer_list>

#include "flexion/chaines.h"
#include "flexion/listes_verbes.h"
#include "flexion/verbes_auxiliaires.h"
#include "flexion/verbes_dre.h"
#include "flexion/verbes_er.h"
#include "flexion/verbes_ir.h"
#include "flexion/verbes_ire.h"
#include "flexion/verbes_oir.h"
#include "flexion/verbes_tre.h"
#include "lexical/cp1252_litteral.h"

namespace {

bool Egal(const std::string& mot, std::initializer_list<std::string_view> verbes) {
  return std::find(verbes.begin(), verbes.end(), mot) != verbes.end();
}

bool FinitPar(const std::string& mot, std::initializer_list<std::string_view> fins) {
  return std::any_of(fins.begin(), fins.end(),
                     [&](std::string_view fin) { return Termine(fin, mot); });
}

// The -tir verbs conjugated as sortir (sors, sortons); the others (bâtir,
// avertir, assortir, répartir) take -iss- as finir.
bool EnTirSansIss(const std::string& mot) {
  return FinitPar(mot, {"partir", "sortir", "sentir", "mentir", "pentir"}) &&
         !FinitPar(mot, {"assortir", "répartir"_1252, "impartir"});
}

template <class Classe>
std::unique_ptr<TVerbe> Cree(const std::string& infinitif) {
  return std::make_unique<Classe>(infinitif);
}

}  // namespace

bool APassif(const std::string& infinitif) {
  if (Commence("se ", infinitif) || Commence("s'", infinitif)) return false;
  const auto verbe = CreeVerbe(infinitif);
  return verbe && verbe->Auxiliaire() == "avoir" && !DansVerbes(VerbesSansPassif(), infinitif);
}

bool PersonneImpersonnelle(const std::string& infinitif, int personne) {
  const std::string v = SansPronomReflechi(infinitif);
  if (v == "falloir") return personne == Il;
  if (v == "pleuvoir" || v == "échoir"_1252) return personne == Il || personne == Ils;
  return true;
}

// clang-format off
std::unique_ptr<TVerbe> CreeVerbe(const std::string& i) {
  // Whole-verb tests look at the verb without its pronominal "se " or "s'".
  const std::string v = SansPronomReflechi(i);
  if (v == "être"_1252) return Cree<TVetre>(i);                             // 1
  if (v == "avoir") return Cree<TVavoir>(i);                              // 2
  if (v == "pouvoir") return Cree<TVpouvoir>(i);                          // 3
  if (v == "vouloir") return Cree<TVvouloir>(i);                          // 4
  if (v == "aller") return Cree<TValler>(i);                              // 5
  if (v == "asservir") return Cree<TVir>(i);                              // 6
  if (v == "faillir") return Cree<TVfaillir>(i);                          // 7
  if (Egal(v, {"frire", "circoncire"})) return Cree<TVconfire>(i);        // 8
  if (v == "gésir"_1252) return Cree<TVgesir>(i);                           // 9
  if (v == "mourir") return Cree<TVmourir>(i);                            // 10
  if (Egal(v, {"offrir", "souffrir"})) return Cree<TVouvrir>(i);          // 11
  if (v == "ouïr"_1252) return Cree<TVouir>(i);                             // 12
  if (Egal(v, {"rire", "sourire"})) return Cree<TVrire>(i);               // 13
  if (Egal(v, {"voir", "prévoir"_1252, "revoir"})) return Cree<TVvoir>(i);  // 14
  if (v == "surseoir") return Cree<TVsurseoir>(i);                        // 15
  if (v == "taire") return Cree<TVtaire>(i);                              // 16
  if (DansVerbes(VerbesEter(), v) ||                                      // 17
      FinitPar(i, {"ecer", "emer", "ener", "eper", "erer", "eser", "ever", "evrer"}))
    return Cree<TVeter>(i);
  if (FinitPar(i, {"ébrer"_1252, "écer"_1252, "écher"_1252, "écrer"_1252, "éder"_1252,
                   "égler"_1252, "égner"_1252, "égrer"_1252, "éguer"_1252, "éler"_1252, "émer"_1252,
                   "éner"_1252, "éper"_1252, "équer"_1252, "érer"_1252, "éser"_1252, "éter"_1252,
                   "étrer"_1252, "évrer"_1252, "éyer"_1252, "éger"_1252}))
    return Cree<TVebrer>(i);                                                   // 18
  if (FinitPar(i, {"eler", "eter"})) return Cree<TVettell>(i);                 // 19
  // grasseyer keeps its y: il grasseye.
  if (Termine("yer", i) && !Termine("eyer", i)) return Cree<TVyer>(i);          // 20
  if (Termine("er", i)) return Cree<TVerbe>(i);                                // 21
  if (Termine("naître"_1252, i)) return Cree<TVnaitre>(i);                       // 22
  if (Termine("paître"_1252, i)) return Cree<TVpaitre>(i);                       // 23
  if (Termine("aître"_1252, i)) return Cree<TVaitre>(i);                         // 24
  if (Termine("asseoir", i)) return Cree<TVasseoir>(i);                        // 25
  if (Termine("battre", i)) return Cree<TVbattre>(i);                          // 26
  if (Termine("boire", i)) return Cree<TVboire>(i);                            // 27
  if (Termine("bouillir", i)) return Cree<TVbouillir>(i);                      // 28
  if (Termine("cevoir", i)) return Cree<TVcevoir>(i);                          // 29
  if (Termine("choir", i)) return Cree<TVchoir>(i);                            // 30
  if (Termine("clore", i)) return Cree<TVclore>(i);                            // 31
  if (Termine("clure", i)) return Cree<TVclure>(i);                            // 32
  if (FinitPar(i, {"confire", "suffire"})) return Cree<TVconfire>(i);          // 33
  if (Termine("courir", i)) return Cree<TVcourir>(i);                          // 34
  if (Termine("croire", i)) return Cree<TVcroire>(i);                          // 35
  if (Termine("croître"_1252, i)) return Cree<TVcroitre>(i);                     // 36
  if (Termine("cueillir", i)) return Cree<TVcueillir>(i);                        // 37
  if (Termine("devoir", i)) return Cree<TVdevoir>(i);                          // 38
  if (Termine("dire", i)) return Cree<TVdire>(i);                              // 39
  if (Termine("dormir", i)) return Cree<TVdormir>(i);                          // 40
  if (Termine("faire", i)) return Cree<TVfaire>(i);                            // 41
  if (FinitPar(i, {"écrire"_1252, "scrire"})) return Cree<TVecrire>(i);       // 42
  if (Termine("fuir", i)) return Cree<TVfuir>(i);                              // 43
  if (Termine("lire", i)) return Cree<TVlire>(i);                              // 44
  if (Termine("mouvoir", i)) return Cree<TVmouvoir>(i);                        // 45
  if (Termine("ouvrir", i)) return Cree<TVouvrir>(i);                          // 46
  if (Termine("mettre", i)) return Cree<TVmettre>(i);                          // 47
  if (Termine("plaire", i)) return Cree<TVplaire>(i);                          // 48
  if (Termine("pleuvoir", i)) return Cree<TVpleuvoir>(i);                      // 49
  if (Termine("pourvoir", i)) return Cree<TVpourvoir>(i);                      // 50
  if (Termine("prendre", i)) return Cree<TVprendre>(i);                        // 51
  if (Termine("quérir"_1252, i)) return Cree<TVquerir>(i);                       // 52
  if (Termine("saillir", i)) return Cree<TVcueillir>(i);                         // 53
  if (Termine("savoir", i)) return Cree<TVsavoir>(i);                          // 54
  if (Termine("voir", i)) return Cree<TVvoir>(i);  // entrevoir
  if (Termine("servir", i)) return Cree<TVservir>(i);                          // 55
  if (Termine("soudre", i)) return Cree<TVsoudre>(i);                          // 56
  if (Termine("suivre", i)) return Cree<TVsuivre>(i);                          // 57
  if (FinitPar(i, {"traire", "braire"})) return Cree<TVtraire>(i);             // 58
  if (Termine("vaincre", i)) return Cree<TVvaincre>(i);                        // 59
  if (FinitPar(i, {"venir", "tenir"})) return Cree<TVvenir>(i);                // 60
  if (Termine("uire", i)) return Cree<TVuire>(i);                              // 61
  if (FinitPar(i, {"valoir", "falloir"})) return Cree<TVvaloir>(i);            // 62
  if (Termine("vivre", i)) return Cree<TVvivre>(i);                            // 63
  if (Termine("indre", i)) return Cree<TVindre>(i);                            // 64
  if (Termine("coudre", i)) return Cree<TVcoudre>(i);                          // 65
  if (Termine("moudre", i)) return Cree<TVmoudre>(i);                          // 66
  if (Termine("dre", i)) return Cree<TVdre>(i);                                // 67
  if (Termine("rompre", i)) return Cree<TVrompre>(i);
  if (Termine("vêtir"_1252, i)) return Cree<TVvetir>(i);                         // 68
  if (Termine("tir", i) && EnTirSansIss(i)) return Cree<TVtir>(i);             // 69
  if (Termine("faillir", i)) return Cree<TVcueillir>(i);  // défaillir
  if (Termine("haïr"_1252, i)) return Cree<TVhair>(i);
  if (Termine("ir", i)) return Cree<TVir>(i);                                  // 70
  return nullptr;
}
// clang-format on

std::string ConjugueVerbe(const std::string& infinitif, int personne, TTempsFr temps, TModeFr mode,
                          TVoixFr voix, bool avecPronom) {
  std::string resultat = "?";
  if (std::unique_ptr<TVerbe> verbe = CreeVerbe(infinitif))
    verbe->Conjugue(personne, temps, mode, voix, avecPronom, resultat);
  return resultat;
}

namespace {

// Words that end the plural of a phrase or a compound: what follows them is
// their complement, which keeps its number (chefs de guerre, arcs-en-ciel).
bool EstMotOutil(const std::string& mot) {
  static const std::vector<std::string> mots = Mots(
      "de du des d l la le les un une au aux en pour sans sur sous par avec contre entre chez "
      "à dans vers qui que"_1252);
  return std::find(mots.begin(), mots.end(), mot) != mots.end();
}

// First elements of a compound that never take the plural.
bool EstElementInvariable(const std::string& mot) {
  static const std::vector<std::string> mots =
      Mots("demi mi semi vice ex non avant arrière porte garde haut"_1252);
  return std::find(mots.begin(), mots.end(), mot) != mots.end();
}

std::string PlurielSimple(const std::string& mot) {
  if (mot.empty()) return mot;
  if (std::string_view("xsz").find(DerniereLettre(mot)) != std::string_view::npos) return mot;
  // clang-format off
  static const std::vector<std::pair<std::string, std::string>> irreguliers = {
      {"œil"_1252, "yeux"}, {"ciel", "cieux"}, {"aïeul"_1252, "aïeux"_1252}};
  // clang-format on
  for (const auto& [singulier, pluriel] : irreguliers)
    if (mot == singulier) return pluriel;
  static const std::vector<std::string> enOux = Mots("bijou caillou chou genou hibou joujou pou");
  static const std::vector<std::string> enAlS =
      Mots("bal carnaval chacal festival récital régal cal"_1252);
  static const std::vector<std::string> enAilAux =
      Mots("bail corail émail soupirail travail vantail vitrail"_1252);
  static const std::vector<std::string> enEuS = Mots("bleu pneu émeu landau sarrau"_1252);
  auto dans = [&](const std::vector<std::string>& liste) {
    return std::find(liste.begin(), liste.end(), mot) != liste.end();
  };
  if (dans(enOux)) return mot + "x";
  if (dans(enAilAux)) return SansFin(mot, 3) + "aux";
  if ((Termine("eu", mot) || Termine("au", mot)) && !dans(enEuS)) return mot + "x";
  if (Termine("al", mot) && !dans(enAlS)) return SansFin(mot, 1) + "ux";
  return mot + "s";
}

}  // namespace

std::string Pluriel(const std::string& mot) {
  if (mot.find('-') == std::string::npos) return PlurielSimple(mot);
  std::string resultat;
  std::size_t debut = 0;
  bool accorde = true;
  for (bool premier = true;; premier = false) {
    const std::size_t tiret = mot.find('-', debut);
    const std::string partie =
        mot.substr(debut, tiret == std::string::npos ? tiret : tiret - debut);
    // A preposition, or an elided one (d'œuvre), begins the complement.
    if (EstMotOutil(partie) || partie.find('\'') != std::string::npos) accorde = false;
    const bool invariable = premier && EstElementInvariable(partie);
    resultat += (accorde && !invariable) ? PlurielSimple(partie) : partie;
    if (tiret == std::string::npos) break;
    resultat += '-';
    debut = tiret + 1;
  }
  return resultat;
}

std::string PlurielExpression(const std::string& expression) {
  std::string resultat;
  bool accorde = true;
  std::size_t i = 0;
  while (i < expression.size()) {
    // A word runs to the next blank; an elided article (l', d') ends the
    // plural as "de" and "la" do.
    std::size_t fin = expression.find(' ', i);
    if (fin == std::string::npos) fin = expression.size();
    const std::string mot = expression.substr(i, fin - i);
    const std::string tete = PremierMot(mot);
    if (tete.empty() || EstMotOutil(tete) || tete.size() != mot.size()) accorde = false;
    resultat += accorde ? Pluriel(mot) : mot;
    if (fin < expression.size()) resultat += ' ';
    i = fin + 1;
  }
  return resultat;
}

std::string ParticipePasse(const std::string& infinitif, bool pluriel) {
  const auto verbe = CreeVerbe(infinitif);
  if (!verbe) return {};
  const std::string participe = SansPronomReflechi(verbe->ParticipePasse());
  if (!pluriel) return participe;
  static const std::vector<std::string> invariables = Mots("être falloir nuire luire reluire"_1252);
  const std::string v = SansPronomReflechi(infinitif);
  if (std::find(invariables.begin(), invariables.end(), v) != invariables.end()) return {};
  return PlurielParticipe(participe);
}

std::string PlurielParticipe(const std::string& participe) {
  if (participe.empty()) return participe;
  const char fin = DerniereLettre(participe);
  if (fin == 's' || fin == 'x') return participe;
  if (fin == U'û'_1252) return SansFin(participe, 1) + "us";
  return participe + "s";
}
