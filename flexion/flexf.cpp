#include "flexion/flexf.h"

#include <algorithm>

#include "flexion/chaines.h"
#include "flexion/listes_verbes.h"
#include "flexion/verbes_auxiliaires.h"
#include "flexion/verbes_er.h"
#include "flexion/verbes_ir.h"
#include "flexion/verbes_ire.h"
#include "flexion/verbes_oir.h"
#include "flexion/verbes_primitifs.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/listes_embarquees.h"

namespace {

template <class Classe>
std::unique_ptr<TVerbe> Cree(const std::string& infinitif) {
  return std::make_unique<Classe>(infinitif);
}

// A verb of the table of principal parts, conjugated from its row.
template <const TTempsPrimitifs& Ligne>
std::unique_ptr<TVerbe> Selon(const std::string& infinitif) {
  return std::make_unique<TVprimitifs>(infinitif, Ligne);
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

namespace {

// How a row of the table recognises its infinitives.
enum class TCritere {
  Verbe,      // the verb without its "se " or "s'" is one of the words
  ListeEter,  // the verb without its "se " or "s'" is in VerbesEter
  Fin,        // the infinitive ends with one of the words and none of Sauf
};

// One row: the infinitives a class conjugates. Words are blank-separated.
struct TClasseVerbe {
  TCritere Critere;
  std::string_view Mots;
  std::unique_ptr<TVerbe> (*Fabrique)(const std::string& infinitif);
  std::string_view Sauf = {};
};

using enum TCritere;

// The classes in the order they are tried: the first row that recognises an
// infinitive decides, so a whole verb comes before the endings that would
// take it (asservir before -servir, prévoir before -voir), and a longer
// ending before a shorter one (-naître before -aître, -eyer out of -yer).
// clang-format off
constexpr TClasseVerbe ClassesVerbes[] = {
    {Verbe, "être"_1252,                Cree<TVetre>},
    {Verbe, "avoir",                    Cree<TVavoir>},
    {Verbe, "pouvoir",                  Cree<TVpouvoir>},
    {Verbe, "vouloir",                  Cree<TVvouloir>},
    {Verbe, "aller",                    Cree<TValler>},
    {Verbe, "asservir",                 Selon<Primitifs::Finir>},
    {Verbe, "faillir",                  Cree<TVfaillir>},
    {Verbe, "frire",                    Selon<Primitifs::Confire>},
    {Verbe, "circoncire",               Selon<Primitifs::Circoncire>},
    {Verbe, "gésir"_1252,               Selon<Primitifs::Gesir>},
    {Verbe, "mourir",                   Selon<Primitifs::Mourir>},
    {Verbe, "mouvoir",                  Selon<Primitifs::Mouvoir>},
    {Verbe, "offrir souffrir",          Cree<TVouvrir>},
    {Verbe, "ouïr"_1252,                Selon<Primitifs::Ouir>},
    {Verbe, "rire sourire",             Selon<Primitifs::Rire>},
    {Verbe, "voir revoir",              Selon<Primitifs::Voir>},
    {Verbe, "prévoir"_1252,             Selon<Primitifs::Prevoir>},
    {Verbe, "surseoir",                 Selon<Primitifs::Surseoir>},
    {Verbe, "taire",                    Selon<Primitifs::Taire>},
    {Verbe, "paître"_1252,              Selon<Primitifs::Paitre>},
    {Verbe, "croître"_1252,             Selon<Primitifs::Croitre>},
    {ListeEter, "",                     Cree<TVeter>},
    {Fin, "ecer emer ener eper erer eser ever evrer", Cree<TVeter>},
    {Fin, "ébrer écer écher écrer éder égler égner égrer éguer éler émer éner éper équer érer "
          "éser éter étrer évrer éyer éger"_1252, Cree<TVebrer>},
    {Fin, "eler eter",                  Cree<TVettell>},
    // grasseyer keeps its y: il grasseye.
    {Fin, "yer",                        Cree<TVyer>, "eyer"},
    {Fin, "er",                         Cree<TVerbe>},
    {Fin, "connaître"_1252,             Selon<Primitifs::Paraitre>},
    {Fin, "naître"_1252,                Selon<Primitifs::Naitre>},
    {Fin, "aître"_1252,                 Selon<Primitifs::Paraitre>},
    {Fin, "asseoir",                    Selon<Primitifs::Asseoir>},
    {Fin, "battre",                     Selon<Primitifs::Battre>},
    {Fin, "boire",                      Selon<Primitifs::Boire>},
    {Fin, "bouillir",                   Selon<Primitifs::Bouillir>},
    {Fin, "cevoir",                     Selon<Primitifs::Cevoir>},
    {Fin, "choir",                      Cree<TVchoir>},
    {Fin, "clore",                      Cree<TVclore>},
    {Fin, "clure",                      Selon<Primitifs::Conclure>},
    {Fin, "confire",                    Selon<Primitifs::Confire>},
    {Fin, "suffire",                    Selon<Primitifs::Suffire>},
    {Fin, "courir",                     Selon<Primitifs::Courir>},
    {Fin, "croire",                     Selon<Primitifs::Croire>},
    {Fin, "croître"_1252,               Selon<Primitifs::Accroitre>},
    {Fin, "cueillir",                   Cree<TVcueillir>},
    {Fin, "devoir",                     Selon<Primitifs::Devoir>},
    {Fin, "dire",                       Cree<TVdire>},
    {Fin, "dormir",                     Selon<Primitifs::Dormir>},
    {Fin, "faire",                      Cree<TVfaire>},
    {Fin, "écrire scrire"_1252,         Selon<Primitifs::Ecrire>},
    {Fin, "fuir",                       Selon<Primitifs::Fuir>},
    {Fin, "lire",                       Selon<Primitifs::Lire>},
    {Fin, "mouvoir",                    Selon<Primitifs::Emouvoir>},
    {Fin, "ouvrir",                     Cree<TVouvrir>},
    {Fin, "mettre",                     Selon<Primitifs::Mettre>},
    {Fin, "plaire",                     Selon<Primitifs::Plaire>},
    {Fin, "pleuvoir",                   Cree<TVpleuvoir>},
    {Fin, "pourvoir",                   Selon<Primitifs::Pourvoir>},
    {Fin, "prendre",                    Selon<Primitifs::Prendre>},
    {Fin, "quérir"_1252,                Selon<Primitifs::Querir>},
    {Fin, "saillir",                    Cree<TVcueillir>},
    {Fin, "savoir",                     Cree<TVsavoir>},
    {Fin, "voir",                       Selon<Primitifs::Voir>},  // entrevoir
    {Fin, "servir",                     Selon<Primitifs::Servir>},
    {Fin, "absoudre dissoudre",         Selon<Primitifs::Absoudre>},
    {Fin, "soudre",                     Selon<Primitifs::Resoudre>},
    {Fin, "suivre",                     Selon<Primitifs::Suivre>},
    {Fin, "traire braire",              Selon<Primitifs::Traire>},
    {Fin, "vaincre",                    Selon<Primitifs::Vaincre>},
    {Fin, "venir tenir",                Cree<TVvenir>},
    {Fin, "luire nuire",                 Selon<Primitifs::Luire>},
    {Fin, "uire",                       Selon<Primitifs::Conduire>},
    {Fin, "valoir falloir",             Cree<TVvaloir>},
    {Fin, "vivre",                      Selon<Primitifs::Vivre>},
    {Fin, "indre",                      Selon<Primitifs::Peindre>},
    {Fin, "coudre",                     Selon<Primitifs::Coudre>},
    {Fin, "moudre",                     Selon<Primitifs::Moudre>},
    {Fin, "dre",                        Selon<Primitifs::Rendre>},
    {Fin, "rompre",                     Selon<Primitifs::Rompre>},
    {Fin, "vêtir"_1252,                 Selon<Primitifs::Vetir>},
    // The -tir verbs conjugated as sortir (sors, sortons); the others (bâtir,
    // avertir, assortir, répartir) take -iss- as finir.
    {Fin, "partir sortir sentir mentir pentir", Selon<Primitifs::Sortir>, "assortir répartir impartir"_1252},
    {Fin, "faillir",                    Cree<TVcueillir>},  // défaillir
    {Fin, "haïr"_1252,                  Selon<Primitifs::Hair>},
    {Fin, "ir",                         Selon<Primitifs::Finir>},
};
// clang-format on

bool Reconnait(const TClasseVerbe& classe, const std::string& infinitif, const std::string& verbe) {
  const auto termine = [&](std::string_view fin) { return Termine(fin, infinitif); };
  switch (classe.Critere) {
    case Verbe:
      return UnDesMots(classe.Mots, [&](std::string_view mot) { return mot == verbe; });
    case ListeEter:
      return DansVerbes(VerbesEter(), verbe);
    case Fin:
      return UnDesMots(classe.Mots, termine) && !UnDesMots(classe.Sauf, termine);
  }
  return false;
}

}  // namespace

std::unique_ptr<TVerbe> CreeVerbe(const std::string& infinitif) {
  // Whole-verb tests look at the verb without its pronominal "se " or "s'".
  const std::string verbe = SansPronomReflechi(infinitif);
  for (const TClasseVerbe& classe : ClassesVerbes)
    if (Reconnait(classe, infinitif, verbe)) return classe.Fabrique(infinitif);
  return nullptr;
}

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
