#include "flexion/verbes_dre.h"

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"

namespace {

bool Singulier(int p) { return p >= Je && p <= Il; }

}  // namespace

std::string TVdre::Present(int p) const {
  if (p == Je || p == Tu) return Joint(RadicalPresent(p), "s");
  if (p == Il) return Joint(RadicalPresent(p), "");
  return TVerbe::Present(p);
}
std::string TVdre::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseI(p)); }
std::string TVdre::ParticipePasse() const { return RadicalPasse() + "u"; }

std::string TVrompre::Present(int p) const {
  return p == Il ? RadicalPresent(p) + "t" : TVdre::Present(p);
}

std::string TVasseoir::RadicalPresent(int p) const {
  return Singulier(p) ? Sans(4) + "ie" : Sans(3) + "y";
}
// assiérai: the infinitive is no future stem here.
std::string TVasseoir::RadicalFutur() const { return Sans(4) + "iér"_1252; }
std::string TVasseoir::RadicalPasse() const { return Sans(4); }
std::string TVasseoir::Present(int p) const {
  if (p == Je || p == Tu) return Joint(RadicalPresent(p), "ds");
  if (p == Il) return Joint(RadicalPresent(p), "d");
  return TVdre::Present(p);
}
std::string TVasseoir::ParticipePasse() const { return RadicalPasse() + "is"; }

std::string TVcoudre::RadicalPresent(int p) const { return Singulier(p) ? Sans(2) : Sans(3) + "s"; }
std::string TVcoudre::RadicalPasse() const { return RadicalPresent(Nous); }

std::string TVmoudre::RadicalPresent(int p) const { return Singulier(p) ? Sans(2) : Sans(3) + "l"; }
std::string TVmoudre::RadicalPasse() const { return RadicalPresent(Nous); }
std::string TVmoudre::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }

// ils prennent: the n doubles before a mute ending, as in the subjunctive.
std::string TVprendre::RadicalPresent(int p) const {
  if (Singulier(p)) return Sans(2);
  if (p == Ils) return Sans(3) + "n";
  return Sans(3);
}
std::string TVprendre::RadicalPasse() const { return Sans(5); }
std::string TVprendre::SubjPresent(int p) const {
  std::string_view fin = DesSubjonctif(p);
  std::string radical = RadicalPresent(Nous);
  if (!fin.empty() && fin.front() == 'e') radical += "n";
  return radical + std::string(fin);
}
std::string TVprendre::ParticipePasse() const { return PasseSimple(Je); }

std::string TVindre::RadicalPresent(int p) const { return Singulier(p) ? Sans(3) : Sans(4) + "gn"; }
std::string TVindre::RadicalPasse() const { return RadicalPresent(Nous); }
std::string TVindre::ParticipePasse() const { return Present(Il); }

std::string TVsoudre::RadicalPresent(int p) const {
  return Singulier(p) ? Sans(3) : Sans(4) + "lv";
}
std::string TVsoudre::RadicalPasse() const { return Sans(4) + "l"; }
// absoudre and dissoudre have no passé simple; résoudre has résolus.
std::string TVsoudre::PasseSimple(int p) const {
  if (Termine("absoudre", Base()) || Termine("dissoudre", Base())) return {};
  return Joint(RadicalPasse(), DesPasseU(p));
}
// absous, dissous; résolu.
std::string TVsoudre::ParticipePasse() const {
  if (Termine("absoudre", Base()) || Termine("dissoudre", Base())) return Sans(3) + "s";
  return RadicalPasse() + "u";
}
