// The three stores of the fuzz targets that analyse words: compiled from
// the text sources of data/ (LECTURIEL_DONNEES) at start-up, so that the
// targets need no quirandole.lex. A source that cannot be read throws.
#pragma once

#include <utility>

#include "lexical/sources.h"
#include "lexical/stores.h"

inline void ChargeStoresDesDonnees() {
  TStoresSources sources = LisSources(LECTURIEL_DONNEES);
  Lexique = std::move(sources.Lexique);
  Desinences = std::move(sources.Desinences);
  Irreguliers = std::move(sources.Irreguliers);
}
