#include "flexion/verbes_ir.h"

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"

namespace {

constexpr TTablePersonnes PresentFaillir = {"faux",     "faux",    "faut",
                                            "faillons", "faillez", "faillent"};
constexpr TTablePersonnes PasseSimpleOuir = {"ouïs"_1252,   "ouïs"_1252,   "ouït"_1252,
                                             "ouïmes"_1252, "ouïtes"_1252, "ouïrent"_1252};
// The diaeresis of haïr stands where the other verbs put a circumflex.
constexpr TTablePersonnes DesPasseHair = {"s", "s", "t", "mes", "tes", "rent"};
constexpr TTablePersonnes PasseSimpleVenir = {"ins",        "ins",        "int",
                                              "înmes"_1252, "întes"_1252, "inrent"};

bool Singulier(int p) { return p >= Je && p <= Il; }

}  // namespace

std::string TVouvrir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseI(p)); }
std::string TVouvrir::ParticipePasse() const { return Sans(3) + "ert"; }

std::string TVcueillir::RadicalFutur() const {
  return Termine("cueillir", Infinitif) ? Sans(2) + "er" : Infinitif;
}
std::string TVcueillir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseI(p)); }
std::string TVcueillir::ParticipePasse() const { return Sans(2) + "i"; }

std::string TVir::RadicalPresent(int p) const { return Sans(1) + (p >= Nous ? "ss" : ""); }
std::string TVir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseI(p)); }
std::string TVir::ParticipePasse() const { return Sans(2) + "i"; }

std::string TVtir::RadicalPresent(int p) const {
  return Singulier(p) ? Sans(3) : TVsst::RadicalPresent(p);
}
std::string TVtir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseI(p)); }

std::string TVbouillir::RadicalPresent(int p) const { return Singulier(p) ? Sans(5) : Sans(2); }

std::string TVcourir::RadicalFutur() const { return Sans(2) + "r"; }
std::string TVcourir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVcourir::ParticipePasse() const { return RadicalPasse() + "u"; }

std::string TVdormir::RadicalPresent(int p) const { return Singulier(p) ? Sans(3) : Sans(2); }

std::string TVfaillir::Present(int p) const { return std::string(ParPersonne(PresentFaillir, p)); }

std::string TVfuir::RadicalPresent(int p) const {
  return (p == Nous || p == Vous) ? Sans(2) + "y" : Sans(1);
}

std::string TVgesir::RadicalPresent(int p) const {
  if (p == Je || p == Tu) return "gi";
  if (p == Il) return "gî"_1252;
  return "gis";
}
std::string TVgesir::Futur(int) const { return {}; }
std::string TVgesir::PasseSimple(int) const { return {}; }
std::string TVgesir::ParticipePasse() const { return {}; }

std::string TVmourir::RadicalPresent(int p) const {
  return (p == Nous || p == Vous) ? "mour" : "meur";
}
std::string TVmourir::RadicalFutur() const { return Sans(2) + "r"; }
std::string TVmourir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVmourir::ParticipePasse() const { return "mort"; }

std::string TVouir::RadicalPresent(int p) const { return (p == Nous || p == Vous) ? "oy" : "oi"; }
std::string TVouir::PasseSimple(int p) const {
  return std::string(ParPersonne(PasseSimpleOuir, p));
}
std::string TVouir::ParticipePasse() const { return "ouï"_1252; }

std::string TVquerir::RadicalPresent(int p) const {
  if (Singulier(p)) return Sans(4) + "ier";
  if (p == Nous || p == Vous) return Sans(4) + "ér"_1252;
  return Sans(4) + "ièr"_1252;
}
std::string TVquerir::RadicalFutur() const { return Sans(4) + "err"; }
std::string TVquerir::RadicalPasse() const { return Sans(4); }
std::string TVquerir::ParticipePasse() const { return PasseSimple(Je); }

std::string TVservir::RadicalPresent(int p) const { return Singulier(p) ? Sans(3) : Sans(2); }

std::string TVvenir::SubjImparfait3() const { return Sans(4) + "în"_1252; }
std::string TVvenir::RadicalPresent(int p) const {
  if (Singulier(p)) return Sans(4) + "ien";
  if (p == Nous || p == Vous) return Sans(2);
  if (p == Ils) return Sans(4) + "ienn";
  return {};
}
std::string TVvenir::RadicalFutur() const { return Sans(4) + "iendr"; }
std::string TVvenir::PasseSimple(int p) const {
  std::string_view fin = ParPersonne(PasseSimpleVenir, p);
  return fin.empty() ? std::string() : Sans(4) + std::string(fin);
}
std::string TVvenir::ParticipePasse() const { return Sans(2) + "u"; }

std::string TVhair::RadicalPresent(int p) const {
  return Singulier(p) ? Sans(2) + "i" : Sans(1) + "ss";
}
std::string TVhair::PasseSimple(int p) const {
  std::string_view fin = ParPersonne(DesPasseHair, p);
  return fin.empty() ? std::string() : Sans(1) + std::string(fin);
}
std::string TVhair::ParticipePasse() const { return Sans(1); }

std::string TVvetir::RadicalPresent(int p) const {
  return p == Il ? Sans(3) : TVsst::RadicalPresent(p);
}
std::string TVvetir::ParticipePasse() const { return RadicalPasse() + "u"; }
