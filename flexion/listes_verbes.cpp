#include "flexion/listes_verbes.h"

#include <algorithm>
#include <span>

#include "flexion/chaines.h"
#include "lexical/liste_triee.h"
#include "lexical/listes_embarquees.h"

// The sections of listes_verbes.txt, compiled in by the build.
extern const std::span<const TListeEmbarquee> ListesVerbesFrancais;

namespace {

std::vector<std::string> ListeTriee(std::string_view section) {
  std::vector<std::string> mots = Mots(MotsDeLaSection(ListesVerbesFrancais, section));
  std::sort(mots.begin(), mots.end(),
            [](const std::string& a, const std::string& b) { return CompareCles(a, b) < 0; });
  return mots;
}

}  // namespace

const std::vector<std::string>& VerbesEtre() {
  static const std::vector<std::string> liste = ListeTriee("etre");
  return liste;
}

const std::vector<std::string>& VerbesEter() {
  static const std::vector<std::string> liste = ListeTriee("eter");
  return liste;
}

const std::vector<std::string>& VerbesSansPassif() {
  static const std::vector<std::string> liste = ListeTriee("sans-passif");
  return liste;
}

const std::vector<std::string>& VerbesHAspire() {
  static const std::vector<std::string> liste = ListeTriee("h-aspire");
  return liste;
}

bool DansVerbes(const std::vector<std::string>& liste, std::string_view mot) {
  auto it = std::lower_bound(
      liste.begin(), liste.end(), mot,
      [](const std::string& a, std::string_view b) { return CompareCles(a, b) < 0; });
  return it != liste.end() && CompareCles(*it, mot) == 0;
}
