#include "flexion/aides_mot.h"

#include <memory>

#include "flexion/traduction.h"
#include "morpho/analyses.h"
#include "morpho/contexte.h"
#include "morpho/lemmatise.h"

std::optional<TAidesMot> AidesMot(std::string_view mot, const TModeleContexte* modele,
                                  std::string_view paragraphe, int position) {
  if (modele) {
    TMotLu lu = LisMotEnContexte(modele, paragraphe, position);
    if (lu.Analyses && lu.Forme == mot && lu.Analyses->Count() > 0) {
      TAidesMot aides;
      const std::vector<int> ordre = OrdreDesAnalyses(lu.Lectures);
      for (int i : ordre)
        aides.Lexique += " " + SensApresDeuxPoints(lu.Analyses->Analyse(i).Entree);
      for (const std::string& ligne : LignesOrdonnees(*lu.Analyses, lu.Lectures))
        aides.Morpho += ligne + "\r\n";
      aides.Traduction = TexteTraduction(*lu.Analyses, ordre);
      return aides;
    }
  }
  const std::unique_ptr<TListeAnalyses> analyses = Lemmatise(mot);
  if (!analyses) return std::nullopt;
  TAidesMot aides;
  for (int i = 0; i < analyses->Count(); ++i)
    aides.Lexique += " " + SensApresDeuxPoints(analyses->Analyse(i).Entree);
  // The hover's layout, so that the note shows what the hint showed.
  for (const std::string& ligne : analyses->Lignes(Disposition::Complete))
    aides.Morpho += ligne + "\r\n";
  aides.Traduction = TexteTraduction(*analyses);
  return aides;
}
