// The verbs in -dre, and asseoir which shares their present in -ds, -d.
// TVdre and its subclasses keep the stem's d in the singular (rends, rend);
// TVindre and TVsoudre derive from TVsst, whose t they take (peint, résout).
#pragma once

#include "flexion/verbes_sst.h"

// rends, rend, rendons, rendis, rendu.
class TVdre : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string Present(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// romps, rompt, rompons, rompis, rompu (also corrompre, interrompre).
class TVrompre : public TVdre {
 public:
  using TVdre::TVdre;
  std::string Present(int personne) const override;
};

// assieds, assied, asseyons, assiérai, assis.
class TVasseoir : public TVdre {
 public:
  using TVdre::TVdre;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string ParticipePasse() const override;
};

// couds, coud, cousons, cousis, cousu.
class TVcoudre : public TVdre {
 public:
  using TVdre::TVdre;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
};

// mouds, moulons, moulus, moulu.
class TVmoudre : public TVdre {
 public:
  using TVdre::TVdre;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
};

// prends, prenons, prennent, pris, prenne, prenions.
class TVprendre : public TVdre {
 public:
  using TVdre::TVdre;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string SubjPresent(int personne) const override;
  std::string ParticipePasse() const override;
};

// peins, peignons, peignis, peint.
class TVindre : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string ParticipePasse() const override;
};

// résous, résolvons, résolus, résolu.
class TVsoudre : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};
