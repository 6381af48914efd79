// The verbs in -ire, -aire, -oire, -ore and -ure, all derived from TVsst.
#pragma once

#include "flexion/verbes_sst.h"

// bois, buvons, boivent, bus, bu.
class TVboire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string SubjPresent(int personne) const override;
  std::string ParticipePasse() const override;
};

// clos, clôt, closent, clos; nous and vous only for enclore; no passé simple.
class TVclore : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string Present(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// conclus, conclu.
class TVclure : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// confis, confisons, confit (also frire; suffire: suffi; circoncire:
// circoncis).
class TVconfire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string ParticipePasse() const override;
};

// crois, croyons, crus, cru.
class TVcroire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
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

// écris, écrivons, écrivis, écrit.
class TVecrire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
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

// lis, lisons, lus, lu.
class TVlire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// tais, taisons, tus, tu.
class TVtaire : public TVlire {
 public:
  using TVlire::TVlire;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
};

// plais, plaît, plaisons, plus, plu.
class TVplaire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// ris, ri.
class TVrire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPasse() const override;
};

// trais, trayons, trait; no passé simple.
class TVtraire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// conduis, conduisons, conduisis, conduit; lui, relui, nui.
class TVuire : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string ParticipePasse() const override;
};
