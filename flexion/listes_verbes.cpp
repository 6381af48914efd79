#include "flexion/listes_verbes.h"

#include <algorithm>

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/liste_triee.h"

namespace {

// clang-format off
constexpr std::string_view TexteVerbesEtre =
    "advenir aller arriver décéder devenir échoir enlaidir entrer "_1252
    "intervenir mourir naître obvenir partir parvenir provenir redevenir rentrer "_1252
    "reparaître repartir ressortir rester retomber retourner revenir sortir survenir "_1252
    "tomber venir "
    // Verbs of appearing and of going up and down, which the Latin verbs they
    // render use without object: il est apparu, il est descendu.
    "apparaître réapparaître disparaître descendre redescendre monter remonter"_1252;

// Verbs that take no direct object and so have no passive, as the meanings
// of the lexicon use them (combattre renders the Latin verbs of fighting,
// which take none either).  Their Latin passive is impersonal: on combat.
constexpr std::string_view TexteVerbesSansPassif =
    "abonder aboyer accourir adhérer aller apparaître arriver être avoir bavarder "_1252
    "boiter bondir bouillonner briller chanceler coïncider combattre confluer conspirer "_1252
    "couler courir croître décroître demeurer devenir dîner divaguer dormir "_1252
    "douter déplaire dégénérer émigrer errer exceller exister expirer "_1252
    "falloir fleurir forniquer frissonner gémir grandir hennir hésiter jaillir "_1252
    "jeûner jouir languir lutter marcher mentir mourir mugir naître nager naviguer "_1252
    "nuire obéir parler partir parvenir persister persévérer périr plaire "_1252
    "pleuvoir pouvoir progresser ramer ramper rayonner reculer régner résister "_1252
    "résonner rester retentir retomber revenir revivre rire rivaliser sembler sévir "_1252
    "soupirer sourire succomber survenir tomber tonner trembler triompher venir vieillir "
    "voltiger éructer"_1252;

// Verbs whose h is aspirated: no elision before them (je hais, il se hâte).
constexpr std::string_view TexteVerbesHAspire =
    "hâbler hacher hachurer haïr haler hâler haleter handicaper hanter happer "_1252
    "haranguer harasser harceler harnacher harponner hasarder hâter hausser héler "_1252
    "hennir hérisser heurter hisser hocher honnir hoqueter houspiller huer hululer hurler"_1252;

constexpr std::string_view TexteVerbesEter =
    "acheter racheter bégueter corseter crocheter fileter fureter haleter celer "_1252
    "déceler receler ciseler démanteler écarteler encasteler geler "_1252
    "dégeler congeler surgeler marteler modeler peler"_1252;
// clang-format on

std::vector<std::string> ListeTriee(std::string_view texte) {
  std::vector<std::string> mots = Mots(texte);
  std::sort(mots.begin(), mots.end(),
            [](const std::string& a, const std::string& b) { return CompareCles(a, b) < 0; });
  return mots;
}

}  // namespace

const std::vector<std::string>& VerbesEtre() {
  static const std::vector<std::string> liste = ListeTriee(TexteVerbesEtre);
  return liste;
}

const std::vector<std::string>& VerbesEter() {
  static const std::vector<std::string> liste = ListeTriee(TexteVerbesEter);
  return liste;
}

const std::vector<std::string>& VerbesSansPassif() {
  static const std::vector<std::string> liste = ListeTriee(TexteVerbesSansPassif);
  return liste;
}

const std::vector<std::string>& VerbesHAspire() {
  static const std::vector<std::string> liste = ListeTriee(TexteVerbesHAspire);
  return liste;
}

bool DansVerbes(const std::vector<std::string>& liste, std::string_view mot) {
  auto it = std::lower_bound(
      liste.begin(), liste.end(), mot,
      [](const std::string& a, std::string_view b) { return CompareCles(a, b) < 0; });
  return it != liste.end() && CompareCles(*it, mot) == 0;
}
