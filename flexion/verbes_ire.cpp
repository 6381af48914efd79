#include "flexion/verbes_ire.h"

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"

namespace {

bool Singulier(int p) { return p >= Je && p <= Il; }
bool NousVous(int p) { return p == Nous || p == Vous; }

}  // namespace

std::string TVclore::RadicalPresent(int p) const {
  if (p == Je || p == Tu) return Sans(2);
  if (p == Il) return Sans(3) + "ô"_1252;
  if (NousVous(p)) return Base() == "enclore" ? Sans(2) + "s" : std::string();
  return Sans(2) + "s";
}
std::string TVclore::Present(int p) const {
  return RadicalPresent(p).empty() ? std::string() : TVsst::Present(p);
}
std::string TVclore::PasseSimple(int) const { return {}; }
std::string TVclore::ParticipePasse() const { return Sans(2) + "s"; }

// maudire takes -iss- as finir: maudissons.
std::string TVdire::RadicalPresent(int p) const {
  if (Singulier(p)) return Sans(2);
  return Sans(2) + (Termine("maudire", Base()) ? "ss" : "s");
}
std::string TVdire::RadicalPasse() const { return Sans(3); }
// vous dites, vous redites; the other compounds say vous contredisez.
std::string TVdire::Present(int p) const {
  if (p == Vous && (Base() == "dire" || Base() == "redire")) return Sans(2) + "tes";
  return TVsst::Present(p);
}
std::string TVdire::ParticipePasse() const { return Sans(2) + "t"; }

std::string TVfaire::RadicalPresent(int p) const { return Singulier(p) ? Sans(2) : Sans(2) + "s"; }
std::string TVfaire::RadicalFutur() const { return Sans(4) + "er"; }
std::string TVfaire::RadicalPasse() const { return Sans(4); }
std::string TVfaire::Present(int p) const {
  if (p == Vous) return Sans(2) + "tes";
  if (p == Ils) return Sans(4) + "ont";
  return TVsst::Present(p);
}
std::string TVfaire::SubjPresent(int p) const {
  return Sans(3) + "ss" + std::string(DesSubjonctif(p));
}
std::string TVfaire::ParticipePasse() const { return Present(Il); }
