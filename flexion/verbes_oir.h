// The verbs in -oir whose forms differ from the table of principal parts
// (verbes_primitifs.h): missing persons and forms (choir, pleuvoir), a
// subjunctive or imperative of their own (pouvoir, savoir, valoir, vouloir).
// Each derives from TVsst (valoir and vouloir through TVxxt).
#pragma once

#include "flexion/verbes_sst.h"

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
