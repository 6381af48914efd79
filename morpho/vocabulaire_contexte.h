// The vocabulary of a text read in context: each occurrence counted once,
// under the heading its sentence makes likeliest (contexte.h), where
// VocabulaireDuTexte counts it under every heading it may belong to.  An
// occurrence whose likeliest heading is below SeuilCertitude is counted as
// uncertain, and the other headings it may belong to are kept beside, so
// that a teacher sees what to check.  Same words, forms, first occurrences,
// ranks and unknown words as VocabulaireDuTexte.  Reads the global stores;
// the model and the ranks are borrowed.  Texts are Windows-1252.
#pragma once

#include <string>
#include <string_view>

#include "morpho/vocabulaire_texte.h"

class TModeleContexte;

inline constexpr double SeuilCertitude = 0.9;
// A heading below this probability is not worth showing beside the choice.
inline constexpr double SeuilAutre = 0.02;

TVocabulaire VocabulaireEnContexte(std::string_view texte, const TModeleContexte& modele,
                                   const TRangs* rangs = nullptr);

// What marks a heading some of whose occurrences were uncertain, the same in
// the command line and the window: "? N | other heading | ...", N the
// uncertain occurrences; empty when there is none.
std::string MarqueIncertaine(const TVedetteVocabulaire& vedette);
