// The two auxiliaries and "aller": verbs whose present (and more) is a table
// of its own rather than stem + ending.
#pragma once

#include "flexion/verbe.h"

// être: serai, étais, fus, sois, été.
class TVetre : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string Imparfait(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string SubjPresent(int personne) const override;
  std::string Imperatif(int personne) const override;
  std::string ParticipePresent() const override;
  std::string ParticipePasse() const override;
};

// avoir: aurai, avais, eus, aie, eu.
class TVavoir : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string RadicalFutur() const override;
  std::string Present(int personne) const override;
  std::string Imparfait(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string SubjPresent(int personne) const override;
  std::string Imperatif(int personne) const override;
  std::string ParticipePresent() const override;
  std::string ParticipePasse() const override;
};

// aller: vais, irai, aille, allions; the rest as a regular -er verb.
class TValler : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string RadicalFutur() const override;
  std::string Present(int personne) const override;
  std::string SubjPresent(int personne) const override;
};
