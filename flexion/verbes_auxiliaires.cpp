#include "flexion/verbes_auxiliaires.h"

#include "lexical/cp1252_litteral.h"

namespace {

constexpr TTablePersonnes PresentEtre = {"suis", "es", "est", "sommes", "êtes"_1252, "sont"};
constexpr TTablePersonnes SubjonctifEtre = {"sois", "sois", "soit", "soyons", "soyez", "soient"};
constexpr TTablePersonnes ImperatifAvoir = {"", "aie", "", "ayons", "ayez", ""};
constexpr TTablePersonnes PresentAvoir = {"ai", "as", "a", "avons", "avez", "ont"};
constexpr TTablePersonnes SubjonctifAvoir = {"aie", "aies", "ait", "ayons", "ayez", "aient"};
constexpr TTablePersonnes PresentAller = {"vais", "vas", "va", "allons", "allez", "vont"};

std::string De(const TTablePersonnes& table, int p) { return std::string(ParPersonne(table, p)); }

}  // namespace

std::string TVetre::RadicalFutur() const { return "ser"; }
std::string TVetre::RadicalPasse() const { return "f"; }
std::string TVetre::Present(int p) const { return De(PresentEtre, p); }
std::string TVetre::Imparfait(int p) const { return Joint("ét"_1252, DesImparfait(p)); }
std::string TVetre::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
std::string TVetre::SubjPresent(int p) const { return De(SubjonctifEtre, p); }
std::string TVetre::Imperatif(int p) const {
  return (p == Tu || p == Nous || p == Vous) ? SubjPresent(p) : "erreur";
}
std::string TVetre::ParticipePresent() const { return "étant"_1252; }
std::string TVetre::ParticipePasse() const { return "été"_1252; }

std::string TVavoir::RadicalFutur() const { return "aur"; }
std::string TVavoir::Present(int p) const { return De(PresentAvoir, p); }
std::string TVavoir::Imparfait(int p) const { return Joint("av", DesImparfait(p)); }
std::string TVavoir::PasseSimple(int p) const { return Joint("e", DesPasseU(p)); }
std::string TVavoir::SubjPresent(int p) const { return De(SubjonctifAvoir, p); }
std::string TVavoir::Imperatif(int p) const { return De(ImperatifAvoir, p); }
std::string TVavoir::ParticipePresent() const { return "ayant"; }
std::string TVavoir::ParticipePasse() const { return "eu"; }

std::string TValler::RadicalFutur() const { return Sans(5) + "ir"; }
std::string TValler::Present(int p) const { return De(PresentAller, p); }
std::string TValler::SubjPresent(int p) const {
  return std::string(p == Nous || p == Vous ? "all" : "aill") + std::string(DesSubjonctif(p));
}
