#include "flexion/verbes_ir.h"

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"

namespace {

constexpr TTablePersonnes PresentFaillir = {"faux",     "faux",    "faut",
                                            "faillons", "faillez", "faillent"};
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

std::string TVfaillir::Present(int p) const { return std::string(ParPersonne(PresentFaillir, p)); }

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
