#include "flexion/listes_verbes.h"

#include <algorithm>

#include "flexion/chaines.h"
#include "lexical/liste_triee.h"

namespace {

// clang-format off
constexpr std::string_view TexteVerbesEtre =
    "advenir aller arriver d\xE9" "c\xE9" "der devenir \xE9" "choir enlaidir entrer "
    "intervenir mourir na\xEEtre obvenir partir parvenir provenir redevenir rentrer "
    "repara\xEEtre repartir ressortir rester retomber retourner revenir sortir survenir "
    "tomber venir "
    // Verbs of appearing and of going up and down, which the Latin verbs they
    // render use without object: il est apparu, il est descendu.
    "appara\xEEtre r\xE9" "appara\xEEtre dispara\xEEtre descendre redescendre monter remonter";

// Verbs that take no direct object and so have no passive, as the meanings
// of the lexicon use them (combattre renders the Latin verbs of fighting,
// which take none either).  Their Latin passive is impersonal: on combat.
constexpr std::string_view TexteVerbesSansPassif =
    "abonder aboyer accourir adh\xE9rer aller appara\xEEtre arriver \xEAtre avoir bavarder "
    "boiter bondir bouillonner briller chanceler co\xEFncider combattre confluer conspirer "
    "couler courir cro\xEEtre d\xE9" "cro\xEEtre demeurer devenir d\xEEner divaguer dormir "
    "douter d\xE9plaire d\xE9g\xE9n\xE9rer \xE9migrer errer exceller exister expirer "
    "falloir fleurir forniquer frissonner g\xE9mir grandir hennir h\xE9siter jaillir "
    "je\xFBner jouir languir lutter marcher mentir mourir mugir na\xEEtre nager naviguer "
    "nuire ob\xE9ir parler partir parvenir persister pers\xE9v\xE9rer p\xE9rir plaire "
    "pleuvoir pouvoir progresser ramer ramper rayonner reculer r\xE9gner r\xE9sister "
    "r\xE9sonner rester retentir retomber revenir revivre rire rivaliser sembler s\xE9vir "
    "soupirer sourire succomber survenir tomber tonner trembler triompher venir vieillir "
    "voltiger \xE9ructer";

// Verbs whose h is aspirated: no elision before them (je hais, il se hâte).
constexpr std::string_view TexteVerbesHAspire =
    "h\xE2" "bler hacher hachurer ha\xEFr haler h\xE2ler haleter handicaper hanter happer "
    "haranguer harasser harceler harnacher harponner hasarder h\xE2ter hausser h\xE9ler "
    "hennir h\xE9risser heurter hisser hocher honnir hoqueter houspiller huer hululer hurler";

constexpr std::string_view TexteVerbesEter =
    "acheter racheter b\xE9gueter corseter crocheter fileter fureter haleter celer "
    "d\xE9" "celer receler ciseler d\xE9manteler \xE9" "carteler encasteler geler "
    "d\xE9geler congeler surgeler marteler modeler peler";
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
