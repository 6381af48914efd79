// Time of the inputs that used to be unbounded: a word of 100 000 letters of
// enclitics (7 s before forms were bounded, aimed under 50 ms), a crafted
// 2 MB irregular section (over two minutes before, aimed under 2 s), and an
// ordinary word with an enclitic for comparison, the vocabulary of one word
// under thousands of spellings, a text of 32 MB of empty lines.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "fichiers/texte_latin.h"
#include "lexical/flux.h"
#include "lexical/stores.h"
#include "morpho/lemmatise.h"
#include "morpho/vocabulaire_texte.h"
#include "tests/bornes/forgees/entrees_forgees.h"

namespace {

void Analyse(benchmark::State& etat, const std::string& mot) {
  ChargeLexique(LECTURIEL_LEX);
  for (auto _ : etat) {
    benchmark::DoNotOptimize(TexteAnalyses(mot, Disposition::Complete));
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
  const std::string octets = SectionIrreguliereForgee();
  for (auto _ : etat) {
    std::istringstream entree(octets);
    TLecteur lecteur(entree);
    ChargeLexique(lecteur);
  }
  LiberLexique();
  etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * octets.size()));
}
BENCHMARK(BM_SectionIrreguliereForgee2Mo)->Unit(benchmark::kMillisecond);

// The vocabulary of a text of one word under n distinct spellings (4.6 s
// for 40 000 when each occurrence searched the list of forms; aimed under
// 0.5 s).
void BM_VocabulaireGraphiesDUnMot(benchmark::State& etat) {
  ChargeLexique(LECTURIEL_LEX);
  const std::string texte = GraphiesDUnMot(static_cast<int>(etat.range(0)));
  for (auto _ : etat) benchmark::DoNotOptimize(VocabulaireDuTexte(texte));
  LiberLexique();
}
BENCHMARK(BM_VocabulaireGraphiesDUnMot)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

// A plain text of 32 MB of empty lines read as the tools read it, then its
// vocabulary (2.5 GB and a paragraph per line when every line was one).
void BM_TexteDeLignesVides32Mo(benchmark::State& etat) {
  ChargeLexique(LECTURIEL_LEX);
  const std::string octets(std::size_t{32} << 20, '\n');
  for (auto _ : etat) {
    const std::string texte = TexteSeulDesOctets(octets, "lignes.txt");
    benchmark::DoNotOptimize(VocabulaireDuTexte(texte));
  }
  LiberLexique();
  etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations() * octets.size()));
}
BENCHMARK(BM_TexteDeLignesVides32Mo)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
