#include "flexion/verbes_oir.h"

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"

namespace {

constexpr TTablePersonnes PresentPouvoir = {"peux", "peux", "peut", "pouvons", "pouvez", "peuvent"};
constexpr TTablePersonnes DesImperatif = {"", "e", "", "ons", "ez", ""};

bool Singulier(int p) { return p >= Je && p <= Il; }
bool NousVous(int p) { return p == Nous || p == Vous; }

// clang-format off
constexpr std::string_view Dechoir = "déchoir"_1252;
constexpr std::string_view Echoir = "échoir"_1252;
constexpr std::string_view Echeant = "éant"_1252;  // after ech-
// clang-format on

}  // namespace

std::string TVchoir::RadicalPresent(int) const { return Sans(1); }
std::string TVchoir::RadicalPasse() const { return Sans(3); }
std::string TVchoir::Present(int p) const {
  if (NousVous(p))
    return Base() == Dechoir ? Sans(2) + (p == Nous ? "yons" : "yez") : std::string();
  return TVsst::Present(p);
}
bool TVchoir::EstEchoir() const { return Base() == Echoir; }
std::string TVchoir::Imparfait(int p) const {
  return EstEchoir() ? Joint(Sans(2) + "y", DesImparfait(p)) : std::string();
}
std::string TVchoir::ParticipePresent() const {
  return EstEchoir() ? Sans(3) + std::string(Echeant) : std::string();
}
std::string TVchoir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVchoir::SubjPresent(int p) const {
  return EstEchoir() ? TVerbe::SubjPresent(p) : std::string();
}
std::string TVchoir::ParticipePasse() const { return RadicalPasse() + "u"; }

// The stem is pleuv-, as in pleuvent: pleuvait, pleuvant, pleuvra.
std::string TVpleuvoir::RadicalPresent(int) const { return Sans(3); }
std::string TVpleuvoir::RadicalFutur() const { return Sans(3) + "r"; }
std::string TVpleuvoir::RadicalPasse() const { return Sans(6); }
std::string TVpleuvoir::Present(int p) const {
  if (p == Il) return Sans(4) + "t";
  if (p == Ils) return Sans(3) + "ent";
  return {};
}
std::string TVpleuvoir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVpleuvoir::SubjPresent(int p) const {
  return (p == Il || p == Ils) ? Sans(3) + std::string(DesSubjonctif(p)) : std::string();
}
std::string TVpleuvoir::ParticipePasse() const { return RadicalPasse() + "u"; }

// The stem is pouv-, as in pouvons: pouvais, pouvant.
std::string TVpouvoir::RadicalPresent(int) const { return Sans(3); }
std::string TVpouvoir::RadicalFutur() const { return Sans(4) + "rr"; }
std::string TVpouvoir::RadicalPasse() const { return "p"; }
std::string TVpouvoir::Present(int p) const { return std::string(ParPersonne(PresentPouvoir, p)); }
std::string TVpouvoir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVpouvoir::SubjPresent(int p) const { return "puiss" + std::string(DesSubjonctif(p)); }
// pouvoir has no imperative.
std::string TVpouvoir::Imperatif(int) const { return {}; }
std::string TVpouvoir::ParticipePasse() const { return "pu"; }

std::string TVsavoir::RadicalPresent(int p) const { return Singulier(p) ? Sans(4) + "i" : Sans(3); }
std::string TVsavoir::RadicalFutur() const { return Sans(4) + "ur"; }
std::string TVsavoir::RadicalPasse() const { return Sans(5); }
std::string TVsavoir::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
// que je sache, que nous sachions: the stem of the imperative.
std::string TVsavoir::SubjPresent(int p) const {
  std::string_view fin = DesSubjonctif(p);
  return fin.empty() ? std::string() : Sans(4) + "ch" + std::string(fin);
}
std::string TVsavoir::Imperatif(int p) const {
  std::string_view fin = ParPersonne(DesImperatif, p);
  return fin.empty() ? std::string() : Sans(4) + "ch" + std::string(fin);
}
std::string TVsavoir::ParticipePresent() const { return Sans(4) + "chant"; }
std::string TVsavoir::ParticipePasse() const { return RadicalPasse() + "u"; }

// va- of valoir, fa- of falloir (whose ll is one letter more).
std::string TVvaloir::Tete() const { return Termine("falloir", Base()) ? Sans(5) : Sans(4); }
std::string TVvaloir::RadicalPresent(int p) const { return Singulier(p) ? Tete() + "u" : Sans(3); }
std::string TVvaloir::RadicalFutur() const { return Tete() + "udr"; }
// que je vaille, que nous valions; prévaloir keeps its stem: prévale.
std::string TVvaloir::SubjPresent(int p) const {
  std::string_view fin = DesSubjonctif(p);
  if (Termine("prévaloir"_1252, Base()) || fin.empty()) return TVxxt::SubjPresent(p);
  return (fin.front() == 'e' ? Tete() + "ill" : RadicalPresent(Nous)) + std::string(fin);
}
// falloir has no present participle.
std::string TVvaloir::ParticipePresent() const {
  return Termine("falloir", Base()) ? std::string() : TVxxt::ParticipePresent();
}
std::string TVvaloir::ParticipePasse() const { return RadicalPasse() + "u"; }

std::string TVvouloir::RadicalPresent(int p) const {
  if (Singulier(p)) return Sans(6) + "eu";
  if (NousVous(p)) return Sans(3);
  return Sans(6) + "eul";
}
std::string TVvouloir::RadicalFutur() const { return Sans(4) + "dr"; }
std::string TVvouloir::SubjPresent(int p) const {
  std::string_view fin = DesSubjonctif(p);
  std::string radical = (!fin.empty() && fin.front() == 'e') ? Sans(6) + "euill" : Sans(3);
  return radical + std::string(fin);
}
std::string TVvouloir::Imperatif(int p) const {
  if (p == Tu) return SubjPresent(Je);
  if (p == Nous || p == Vous) return Sans(6) + "euill" + std::string(DesSubjonctif(p)).substr(1);
  return "erreur";
}
std::string TVvouloir::ParticipePasse() const { return RadicalPasse() + "u"; }
