// The four spelling-change classes of the -er verbs.  Each differs from the
// regular verb in Joint (and some in the future stem), keeping its ç and ge
// before a and o: before an ending that begins with "e" and does
// not end with "z" (e, es, ent, not ez, ons, ais) the stem changes, so the
// change shows in the present singular and third plural, the imperative
// singular and the present subjunctive.  The classes whose change also marks
// the future (achèterai, appellerai, nettoierai) build their future stem from
// that changed present; the é -> è class keeps its future in é (céderai).
#pragma once

#include "flexion/verbe.h"

// The last "e" of the stem becomes "è": achète, lève.
class TVeter : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string RadicalFutur() const override;
  std::string Joint(const std::string& radical, std::string_view desinence) const override;
};

// The last consonant of the stem is doubled: appelle, jette.
class TVettell : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string RadicalFutur() const override;
  std::string Joint(const std::string& radical, std::string_view desinence) const override;
};

// The last "é" of the stem becomes "è": cède, célèbres.
class TVebrer : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string Joint(const std::string& radical, std::string_view desinence) const override;
};

// The final "y" of the stem becomes "i": emploie, nettoient.
class TVyer : public TVerbe {
 public:
  using TVerbe::TVerbe;
  std::string RadicalFutur() const override;
  std::string Joint(const std::string& radical, std::string_view desinence) const override;
};
