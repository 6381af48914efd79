// The verbs in -ir whose endings differ from the table of principal parts
// (verbes_primitifs.h): TVouvrir and TVcueillir follow the -er present,
// faillir has a present of its own and venir a passé simple in -ins.
#pragma once

#include "flexion/verbes_sst.h"

// ouvre, ouvris, ouvert (also offrir, couvrir).
class TVouvrir : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// cueille, cueillons, cueillerai, cueillis, cueilli (also assaillir,
// tressaillir: assaillirai): the -er present, the passé simple in -is.
class TVcueillir : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string RadicalFutur() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// faux, faillons.
class TVfaillir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string Present(int personne) const override;
};

// viens, venons, viennent, viendrai, vins, vînt, venu (also tenir).
class TVvenir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string SubjImparfait3() const override;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};
