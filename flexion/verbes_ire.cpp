#include "flexion/verbes_ire.h"

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"

namespace {

bool Singulier(int p) { return p >= Je && p <= Il; }
bool NousVous(int p) { return p == Nous || p == Vous; }

}  // namespace

std::string TVboire::RadicalPresent(int p) const {
  if (Singulier(p)) return Sans(2);
  if (NousVous(p)) return Sans(4) + "uv";
  return Sans(2) + "v";
}
std::string TVboire::RadicalPasse() const { return Sans(4); }
std::string TVboire::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVboire::SubjPresent(int p) const {
  return NousVous(p) ? RadicalPresent(Nous) + std::string(DesSubjonctif(p)) : TVsst::SubjPresent(p);
}
std::string TVboire::ParticipePasse() const { return RadicalPasse() + "u"; }

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

std::string TVclure::RadicalPasse() const { return Sans(3); }
std::string TVclure::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVclure::ParticipePasse() const { return RadicalPasse() + "u"; }

std::string TVconfire::RadicalPresent(int p) const {
  return Singulier(p) ? Sans(2) : Sans(2) + "s";
}
std::string TVconfire::RadicalPasse() const { return Sans(3); }
// confit, frit; suffi, circoncis.
std::string TVconfire::ParticipePasse() const {
  if (Termine("suffire", Base())) return RadicalPasse() + "i";
  if (Termine("circoncire", Base())) return RadicalPasse() + "is";
  return RadicalPasse() + "it";
}

std::string TVcroire::RadicalPresent(int p) const { return NousVous(p) ? Sans(3) + "y" : Sans(2); }
std::string TVcroire::RadicalPasse() const { return Sans(4); }
std::string TVcroire::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVcroire::ParticipePasse() const { return RadicalPasse() + "u"; }

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

std::string TVecrire::RadicalPresent(int p) const { return Singulier(p) ? Sans(2) : Sans(2) + "v"; }
std::string TVecrire::RadicalPasse() const { return RadicalPresent(Nous); }
std::string TVecrire::ParticipePasse() const { return Sans(2) + "t"; }

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

std::string TVlire::RadicalPresent(int p) const { return Singulier(p) ? Sans(2) : Sans(2) + "s"; }
std::string TVlire::RadicalPasse() const { return Sans(3); }
std::string TVlire::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVlire::ParticipePasse() const { return RadicalPasse() + "u"; }

std::string TVtaire::RadicalPasse() const { return Sans(4); }
std::string TVtaire::PasseSimple(int p) const { return RadicalPasse() + std::string(DesPasseU(p)); }

std::string TVplaire::RadicalPresent(int p) const {
  if (p == Je || p == Tu) return Sans(2);
  if (p == Il) return Sans(3) + "î"_1252;
  return Sans(2) + "s";
}
std::string TVplaire::RadicalPasse() const { return Sans(4); }
std::string TVplaire::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVplaire::ParticipePasse() const { return RadicalPasse() + "u"; }

std::string TVrire::RadicalPasse() const { return Sans(3); }

std::string TVtraire::RadicalPresent(int p) const { return NousVous(p) ? Sans(3) + "y" : Sans(2); }
std::string TVtraire::PasseSimple(int) const { return {}; }
std::string TVtraire::ParticipePasse() const { return Present(Il); }

std::string TVuire::RadicalPresent(int p) const { return Singulier(p) ? Sans(2) : Sans(2) + "s"; }
std::string TVuire::RadicalPasse() const { return RadicalPresent(Nous); }
std::string TVuire::ParticipePasse() const {
  return (Termine("luire", Base()) || Termine("nuire", Base())) ? Sans(2) : Present(Il);
}
