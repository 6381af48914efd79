// The irregular and the -issant verbs in -ir (all but the -oir ones, which
// are in verbes_oir.h).  TVouvrir follows the -er present; the others derive
// from TVsst and mostly give their stems by person.
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

// finis, finissons, finis, fini.
class TVir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// sors, sortons, sortis, sorti.
class TVtir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string PasseSimple(int personne) const override;
};

// bous, bouillons.
class TVbouillir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
};

// courrai, courus, couru.
class TVcourir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalFutur() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// dors, dormons.
class TVdormir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
};

// faux, faillons.
class TVfaillir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string Present(int personne) const override;
};

// fuis, fuyons.
class TVfuir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
};

// gis, gît, gisons; no future, passé simple or past participle.
class TVgesir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string Futur(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// meurs, mourons, mourrai, mourus, mort.
class TVmourir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// ois, oyons, ouïs, ouï.
class TVouir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// acquiers, acquérons, acquièrent, acquerrai, acquis.
class TVquerir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string ParticipePasse() const override;
};

// sers, servons.
class TVservir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
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

// hais, hait, haïssons, haïs, haïmes, haï: the diaeresis everywhere but in
// the present singular.
class TVhair : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// vêts, vêt, vêtons, vêtu.
class TVvetir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string ParticipePasse() const override;
};
