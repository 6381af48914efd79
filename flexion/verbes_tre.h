// The verbs in -aître, -oître, -ttre, -vre and -cre, all derived from TVsst
// (battre through TVtir, whose present it shares).
#pragma once

#include "flexion/verbes_ir.h"
#include "flexion/verbes_sst.h"

// parais, paraît, paraissons, parus, paru.
class TVaitre : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// nais, naquis, né; connaître and its compounds keep the passé simple and
// participle of TVaitre: connus, connu.
class TVnaitre : public TVaitre {
 public:
  using TVaitre::TVaitre;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;

 private:
  bool EstConnaitre() const;
};

// repus, repu; paître itself has neither.
class TVpaitre : public TVaitre {
 public:
  using TVaitre::TVaitre;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// croîs, croissons, crûs, crû; accrus, accru.
class TVcroitre : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;

 private:
  bool EstCroitre() const;
};

// mets, met, mettons, mis, mis.
class TVmettre : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string ParticipePasse() const override;
};

// bats, bat, battons, battu.
class TVbattre : public TVtir {
 public:
  using TVtir::TVtir;
  std::string RadicalPresent(int personne) const override;
  std::string ParticipePasse() const override;
};

// suis, suivons, suivis, suivi.
class TVsuivre : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
};

// vis, vivons, vécus, vécu.
class TVvivre : public TVsuivre {
 public:
  using TVsuivre::TVsuivre;
  std::string RadicalPasse() const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;
};

// vaincs, vainc, vainquons, vainquis, vaincu.
class TVvaincre : public TVsst {
 public:
  using TVsst::TVsst;
  std::string RadicalPresent(int personne) const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string ParticipePasse() const override;
};
