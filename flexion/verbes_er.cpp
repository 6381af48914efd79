#include "flexion/verbes_er.h"

#include "flexion/chaines.h"
#include "lexical/cp1252_litteral.h"

namespace {

// The endings before which the stem changes.
bool ChangeLeRadical(std::string_view desinence) {
  return !desinence.empty() && desinence.front() == 'e' && desinence.back() != 'z';
}

// Replaces the character at the last occurrence of `lettre` (none: unchanged).
std::string RemplaceDernier(std::string radical, char lettre, char par) {
  int position = DernierePosition(std::string_view(&lettre, 1), radical);
  if (position > 0) radical[position - 1] = par;
  return radical;
}

}  // namespace

// The future stem is the changed present singular + "r": achète -> achèter.
std::string TVeter::RadicalFutur() const { return Joint(RadicalPresent(Je), "e") + "r"; }

// The change of the stem and the ç / ge of the regular join apply to
// different endings (e against a, o), so both are made: dépèce, dépeçons;
// assiège, assiégeons.
std::string TVeter::Joint(const std::string& radical, std::string_view desinence) const {
  std::string r = ChangeLeRadical(desinence) ? RemplaceDernier(radical, 'e', U'è'_1252) : radical;
  return TVerbe::Joint(r, desinence);
}

std::string TVettell::RadicalFutur() const { return Joint(RadicalPresent(Je), "e") + "r"; }

std::string TVettell::Joint(const std::string& radical, std::string_view desinence) const {
  std::string r = radical;
  if (ChangeLeRadical(desinence) && !r.empty()) r += r.back();
  return TVerbe::Joint(r, desinence);
}

std::string TVebrer::Joint(const std::string& radical, std::string_view desinence) const {
  std::string r =
      ChangeLeRadical(desinence) ? RemplaceDernier(radical, U'é'_1252, U'è'_1252) : radical;
  return TVerbe::Joint(r, desinence);
}

// enverrai, renverrai.
std::string TVyer::RadicalFutur() const {
  if (Termine("envoyer", Infinitif)) return Sans(5) + "verr";
  return Joint(RadicalPresent(Je), "e") + "r";
}

std::string TVyer::Joint(const std::string& radical, std::string_view desinence) const {
  std::string r = radical;
  if (ChangeLeRadical(desinence) && !r.empty()) r.back() = 'i';
  return TVerbe::Joint(r, desinence);
}
