// The verbs in -ire and -ore whose forms differ from the table of principal
// parts (verbes_primitifs.h): clore lacks persons and the passé simple, dire
// and faire have a present of their own (dites, faites, font).  All derive
// from TVsst.
#pragma once

#include "flexion/verbes_sst.h"

// clos, clôt, closent, clos; nous and vous only for enclore; no passé simple.
class TVclore : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string Present(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// dis, disons, dites (dire and redire only), dis, dit.
class TVdire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string ParticipePasse() const override;
};

// fais, faisons, faites, font, ferai, fis, fasse, fait.
class TVfaire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string SubjPresent(int personne) const override;
  std::string ParticipePasse() const override;
};
