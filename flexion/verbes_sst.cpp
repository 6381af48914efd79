#include "flexion/verbes_sst.h"

std::string TVsst::Present(int p) const {
  if (p == Je || p == Tu) return Joint(RadicalPresent(p), "s");
  if (p == Il) return Joint(RadicalPresent(p), "t");
  return TVerbe::Present(p);
}

std::string TVsst::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseI(p)); }

std::string TVsst::ParticipePasse() const { return RadicalPasse() + "i"; }

std::string TVxxt::RadicalPasse() const { return Sans(3); }

std::string TVxxt::Present(int p) const {
  if (p == Je || p == Tu) return RadicalPresent(p) + "x";
  return TVsst::Present(p);
}

std::string TVxxt::PasseSimple(int p) const { return Joint(RadicalPasse(), DesPasseU(p)); }
