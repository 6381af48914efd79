#include "flexion/verbes_primitifs.h"

namespace {

// After a stem that already carries the vowel of the passé simple.
constexpr TTablePersonnes DesPasseCourt = {"s", "s", "t", "mes", "tes", "rent"};

}  // namespace

TVprimitifs::TVprimitifs(std::string infinitif, const TTempsPrimitifs& ligne)
    : TVerbe(std::move(infinitif)), Ligne(ligne) {}

std::string TVprimitifs::Avec(std::string_view radical) const {
  return Sans(static_cast<int>(Ligne.Fin.size())) + std::string(radical);
}

std::string TVprimitifs::RadicalPresent(int p) const {
  if (p >= Je && p <= Il) return Avec(Ligne.Singulier);
  if (p == Nous || p == Vous) return Avec(Ligne.Pluriel);
  return Avec(Ligne.Ils);
}

std::string TVprimitifs::RadicalFutur() const { return Avec(Ligne.Futur); }

std::string TVprimitifs::RadicalPasse() const { return Avec(Ligne.Passe); }

std::string TVprimitifs::Present(int p) const {
  if (p == Je || p == Tu) return Avec(Ligne.Singulier) + "s";
  if (p == Il) return Avec(Ligne.Il);
  return TVerbe::Present(p);
}

std::string TVprimitifs::Futur(int p) const {
  return Ligne.Futur.empty() ? std::string() : TVerbe::Futur(p);
}

// The stem is joined as written: the row spells reç- and véc- itself.
std::string TVprimitifs::PasseSimple(int p) const {
  switch (Ligne.Desinences) {
    case TPasseSimple::I:
      return RadicalPasse() + std::string(DesPasseI(p));
    case TPasseSimple::U:
      return RadicalPasse() + std::string(DesPasseU(p));
    case TPasseSimple::Court:
      return RadicalPasse() + std::string(ParPersonne(DesPasseCourt, p));
    case TPasseSimple::Aucun:
      break;
  }
  return {};
}

std::string TVprimitifs::ParticipePasse() const {
  return Ligne.Participe.empty() ? std::string() : Avec(Ligne.Participe);
}
