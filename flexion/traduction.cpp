#include "flexion/traduction.h"

#include <memory>

#include "flexion/chaines.h"
#include "flexion/flexf.h"
#include "morpho/lemmatise.h"

std::string SensApresDeuxPoints(std::string_view s) {
  auto deuxPoints = s.find(':');
  return Rogne(deuxPoints == std::string_view::npos ? s : s.substr(deuxPoints + 1));
}

int PersonneFr(int indexPersonne, int indexNombre) { return indexPersonne + 1 + 3 * indexNombre; }

int TempsFr(int indexTemps) { return indexTemps < 3 ? indexTemps + 1 : indexTemps + 2; }

int ModeFr(int indexMode) {
  // Unsigned on purpose: an absent mood (-1) counts as large and reads as the
  // indicative.
  return static_cast<unsigned>(indexMode) <= 1u ? indexMode + 1 : indexMode + 2;
}

std::string InfinitifDuSens(std::string_view sens) {
  std::string s = Rogne(sens);
  // The apostrophe ends a word: the verb after it is joined back (s'asseoir).
  if (Commence("s'", s)) return "s'" + PremierMot(s.substr(2));
  if (Commence("se ", s)) return PremierMot(s) + " " + MotN(2, s);
  return PremierMot(s);
}

std::string TraduitAnalyse(const TAnalyse& analyse) {
  std::string resultat;
  const std::string entree = Rogne(analyse.Entree);
  if (entree == "?") return resultat;
  const std::string infinitif = InfinitifDuSens(SensApresDeuxPoints(entree));
  for (int i = 0; const TDef* d = analyse.Numero(i); ++i) {
    if (d->NumVoix() < 0) continue;
    const int personne = PersonneFr(d->NumPersonne(), d->NumNombre());
    const std::string forme = ConjugueVerbe(infinitif, personne, TempsFr(d->NumTemps()),
                                            ModeFr(d->NumMode()), d->NumVoix() + 1, true);
    if (!forme.empty()) resultat += forme + " ";
  }
  return resultat;
}

std::string Traduction(std::string_view forme) {
  std::string resultat;
  bool trouve = false;
  std::unique_ptr<TListeAnalyses> liste = Lemmatise(forme, trouve);
  if (!liste) return resultat;
  for (int i = 0; i < liste->Count(); ++i) {
    std::string t = TraduitAnalyse(liste->Analyse(i));
    if (!t.empty()) resultat += t + " ";
  }
  return resultat;
}
