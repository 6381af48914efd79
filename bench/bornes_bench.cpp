// Time of the inputs that used to be unbounded: a word of 100 000 letters of
// enclitics (7 s before forms were bounded, aimed under 50 ms), a crafted
// 2 MB irregular section (over two minutes before, aimed under 2 s), and an
// ordinary word with an enclitic for comparison.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "lexical/flux.h"
#include "lexical/stores.h"
#include "morpho/lemmatise.h"

namespace {

void Analyse(benchmark::State& etat, const std::string& mot) {
  ChargeLexique(LECTURIEL_LEX);
  for (auto _ : etat) {
    bool trouve = false;
    benchmark::DoNotOptimize(TexteAnalyses(mot, Disposition::Complete, trouve));
  }
  LiberLexique();
}

void BM_MotDEnclitiques100000Lettres(benchmark::State& etat) {
  std::string mot = "Roma";
  while (mot.size() < 100000) mot += "ne";
  Analyse(etat, mot);
}
BENCHMARK(BM_MotDEnclitiques100000Lettres)->Unit(benchmark::kMillisecond);

void BM_MotOrdinaireAvecEnclitique(benchmark::State& etat) { Analyse(etat, "uentusque"); }
BENCHMARK(BM_MotOrdinaireAvecEnclitique)->Unit(benchmark::kMicrosecond);

void BM_SectionIrreguliereForgee2Mo(benchmark::State& etat) {
  std::ostringstream sortie;
  {
    TEcrivain e(sortie);
    e.EcrisEntier(0);
    e.EcrisEntier(0);
    e.EcrisEntier(1);
    e.EcrisChaine(std::string(1 << 20, 'a'));
    e.EcrisEntier(170000);
    for (int i = 0; i < 170000; ++i) {
      e.EcrisChaine("");
      e.EcrisEntier(0);
      e.EcrisEntier(0);
    }
    e.Vide();
  }
  const std::string octets = sortie.str();
  for (auto _ : etat) {
    std::istringstream entree(octets);
    TLecteur lecteur(entree);
    ChargeLexique(lecteur);
  }
  LiberLexique();
  etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * octets.size()));
}
BENCHMARK(BM_SectionIrreguliereForgee2Mo)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
