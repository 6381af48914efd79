#include "flexion/aides_mot.h"

#include <memory>

#include "flexion/traduction.h"
#include "morpho/analyses.h"
#include "morpho/lemmatise.h"

std::optional<TAidesMot> AidesMot(std::string_view mot) {
  bool trouve = false;
  const std::unique_ptr<TListeAnalyses> analyses = Lemmatise(mot, trouve);
  if (!trouve || !analyses || analyses->Count() == 0) return std::nullopt;
  TAidesMot aides;
  for (int i = 0; i < analyses->Count(); ++i)
    aides.Lexique += " " + SensApresDeuxPoints(analyses->Analyse(i).Entree);
  // The hover's layout, so that the note shows what the hint showed.
  for (const std::string& ligne : analyses->Lignes(Disposition::Complete))
    aides.Morpho += ligne + "\r\n";
  aides.Traduction = TexteTraduction(*analyses);
  return aides;
}
