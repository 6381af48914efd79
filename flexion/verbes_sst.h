// TVsst: the common parent of the verbs whose present singular ends in s, s,
// t and whose passé simple is in -is (dors, dors, dort, dormis, dormi); its
// subclasses mostly give their stems by person and inherit the rest.  TVxxt:
// the same with x, x, t and a passé simple in -us (veux, vaux).
#pragma once

#include "flexion/verbe.h"

class TVsst : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string Present(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

class TVxxt : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string PasseSimple(int personne) const override;
};
