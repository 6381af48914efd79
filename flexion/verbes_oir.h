// The verbs in -oir: each derives from TVsst (valoir and vouloir through
// TVxxt) and gives its stems by person, its future stem and its passé simple
// in -us where it has one.
#pragma once

#include "flexion/verbes_sst.h"

// reçois, recevons, reçoivent, recevrai, reçus, reçu.
class TVcevoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// chois, choit, chut, chu; déchoyons only for déchoir; a subjunctive, an
// imperfect and a present participle only for échoir (échoie, échoyait,
// échéant).
class TVchoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string Imparfait(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string SubjPresent(int personne) const override;
  std::string ParticipePresent() const override;
  std::string ParticipePasse() const override;

 private:
  bool EstEchoir() const;
};

// dois, devons, doivent, devrai, dus, dû.
class TVdevoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// meus, mouvons, meuvent, mus, mû (ému for the compounds).
class TVmouvoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// pleut, pleuvent, pleuvait, pleuvra, plut, pleuve, plu; no other person in
// the present and its subjunctive.
class TVpleuvoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string SubjPresent(int personne) const override;
  std::string ParticipePasse() const override;
};

// peux, pouvais, pourrai, pus, puisse, pu.
class TVpouvoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string SubjPresent(int personne) const override;
  std::string Imperatif(int personne) const override;
  std::string ParticipePasse() const override;
};

// pourvois, pourvoyons, pourvus, pourvu.
class TVpourvoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// vois, voyons, verrai (reverrai, but prévoirai), vis, vu.
class TVvoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string ParticipePasse() const override;
};

// sais, savons, saurai, sus, sache, sachons, sachant, su.
class TVsavoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string SubjPresent(int personne) const override;
  std::string Imperatif(int personne) const override;
  std::string ParticipePresent() const override;
  std::string ParticipePasse() const override;
};

// sursois, sursoyons, sursis.
class TVsurseoir : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string ParticipePasse() const override;
};

// vaux, vaut, valons, vaudrai, valus, vaille, valu; il faut, il faudra,
// il fallut, qu'il faille, fallu.
class TVvaloir : public TVxxt {
 public:
  using TVxxt::TVxxt;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string SubjPresent(int personne) const override;
  std::string ParticipePresent() const override;
  std::string ParticipePasse() const override;

 private:
  std::string Tete() const;
};

// veux, voulons, veulent, voudrai, voulus, veuille, voulu; the imperative
// of the subjunctive stem: veuille, veuillez.
class TVvouloir : public TVxxt {
 public:
  using TVxxt::TVxxt;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string SubjPresent(int personne) const override;
  std::string Imperatif(int personne) const override;
  std::string ParticipePasse() const override;
};
