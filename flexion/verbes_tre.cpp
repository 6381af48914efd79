#include "flexion/verbes_tre.h"

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"

namespace {

bool Singulier(int p) { return p >= Je && p <= Il; }

}  // namespace

std::string TVaitre::RadicalPresent(int p) const {
  if (p == Je || p == Tu) return Sans(4) + "i";
  if (p == Il) return Sans(3);
  return Sans(4) + "iss";
}
std::string TVaitre::RadicalPasse() const { return Sans(5); }
std::string TVaitre::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVaitre::ParticipePasse() const { return RadicalPasse() + "u"; }

bool TVnaitre::EstConnaitre() const { return Termine("connaître"_1252, Base()); }
std::string TVnaitre::RadicalPresent(int p) const { return TVaitre::RadicalPresent(p); }
std::string TVnaitre::RadicalPasse() const {
  return EstConnaitre() ? TVaitre::RadicalPasse() : Sans(4) + "qu";
}
std::string TVnaitre::PasseSimple(int p) const {
  if (EstConnaitre()) return TVaitre::PasseSimple(p);
  return RadicalPasse() + std::string(DesPasseI(p));
}
std::string TVnaitre::ParticipePasse() const {
  return EstConnaitre() ? TVaitre::ParticipePasse() : Sans(5) + "é"_1252;
}

std::string TVpaitre::RadicalPasse() const { return Sans(5); }
std::string TVpaitre::PasseSimple(int p) const {
  if (Base() == "paître"_1252) return {};
  return RadicalPasse() + std::string(DesPasseU(p));
}
std::string TVpaitre::ParticipePasse() const {
  if (Base() == "paître"_1252) return {};
  return RadicalPasse() + "u";
}

// croîs, croît; its compounds keep the circumflex before t only: accrois,
// accroît.
std::string TVcroitre::RadicalPresent(int p) const {
  if (!Singulier(p)) return Sans(4) + "iss";
  return (p == Il || EstCroitre()) ? Sans(3) : Sans(4) + "i";
}
// Only croître itself keeps the circumflex that tells it from croire (crûs,
// crû); its compounds write accrus, accru.
bool TVcroitre::EstCroitre() const { return Base() == "croître"_1252; }
std::string TVcroitre::RadicalPasse() const { return Sans(5) + (EstCroitre() ? "û"_1252 : "u"); }
std::string TVcroitre::PasseSimple(int p) const {
  static constexpr TTablePersonnes DesPasseCourt = {"s", "s", "t", "mes", "tes", "rent"};
  if (!EstCroitre()) return Joint(Sans(5), DesPasseU(p));
  return Joint(RadicalPasse(), ParPersonne(DesPasseCourt, p));
}
std::string TVcroitre::ParticipePasse() const { return RadicalPasse(); }

std::string TVmettre::RadicalPresent(int p) const {
  if (p == Je || p == Tu) return Sans(3);
  if (p == Il) return Sans(4);
  return Sans(2);
}
std::string TVmettre::RadicalPasse() const { return Sans(5); }
std::string TVmettre::ParticipePasse() const { return RadicalPasse() + "is"; }

std::string TVbattre::RadicalPresent(int p) const {
  return p == Il ? Sans(4) : TVtir::RadicalPresent(p);
}
std::string TVbattre::ParticipePasse() const { return RadicalPasse() + "u"; }

std::string TVsuivre::RadicalPresent(int p) const { return Singulier(p) ? Sans(3) : Sans(2); }

std::string TVvivre::RadicalPasse() const { return Sans(4) + "éc"_1252; }
std::string TVvivre::PasseSimple(int p) const { return RadicalPasse() + std::string(DesPasseU(p)); }
std::string TVvivre::ParticipePasse() const { return RadicalPasse() + "u"; }

std::string TVvaincre::RadicalPresent(int p) const {
  return Singulier(p) ? Sans(2) : Sans(3) + "qu";
}
std::string TVvaincre::RadicalPasse() const { return RadicalPresent(Nous); }
std::string TVvaincre::Present(int p) const {
  return p == Il ? RadicalPresent(Il) : TVsst::Present(p);
}
// vaincu: the stem keeps its c.
std::string TVvaincre::ParticipePasse() const { return Sans(2) + "u"; }
