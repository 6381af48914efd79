// Speed of the vocabulary of a whole text, on the shipped lexicon: texts of
// the length of the Aeneid (64 000 words) and of Cicero's works (1.1 million
// words) drawn from the classical form counts, each form as often as its
// count makes likely, in a fixed pseudo-random order, with punctuation and
// line breaks as in an edition. Prints words per second and the distinct
// forms of each text. The aims: under 0.5 s and under 5 s.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/stores.h"
#include "morpho/rangs_frequence.h"
#include "morpho/vocabulaire_texte.h"

namespace {

struct TFormes {
  std::vector<std::string> Formes;
  std::vector<double> Poids;
};

TFormes LisFormes() {
  TFormes f;
  std::ifstream entree(LECTURIEL_FORMES_CLASSIQUES);
  std::string ligne;
  std::getline(entree, ligne);  // header
  while (std::getline(entree, ligne)) {
    const std::size_t tab = ligne.find('\t');
    if (tab == std::string::npos) continue;
    f.Formes.push_back(Utf8VersCp1252(ligne.substr(0, tab)));
    f.Poids.push_back(std::stod(ligne.substr(tab + 1)));
  }
  return f;
}

std::string Texte(const TFormes& f, int mots) {
  std::mt19937 hasard(1234);
  std::discrete_distribution<std::size_t> tirage(f.Poids.begin(), f.Poids.end());
  std::string texte;
  for (int i = 1; i <= mots; ++i) {
    texte += f.Formes[tirage(hasard)];
    texte += (i % 97 == 0) ? ".\r\n" : (i % 13 == 0) ? ", " : " ";
  }
  return texte;
}

void BM_Vocabulaire(benchmark::State& state, const TFormes* formes, const TRangs* rangs) {
  const int mots = static_cast<int>(state.range(0));
  const std::string texte = Texte(*formes, mots);
  std::size_t vedettes = 0, inconnus = 0;
  for (auto _ : state) {
    TVocabulaire v = VocabulaireDuTexte(texte, rangs);
    vedettes = v.Vedettes.size();
    inconnus = v.Inconnus.size();
    benchmark::DoNotOptimize(v);
  }
  state.counters["mots/s"] =
      benchmark::Counter(static_cast<double>(mots) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.SetLabel(std::to_string(mots) + " mots, " + std::to_string(vedettes) + " vedettes, " +
                 std::to_string(inconnus) + " inconnus");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string lexique = CheminLexiqueParDefaut();
  try {
    ChargeLexique(lexique);
  } catch (const std::exception& e) {
    std::cerr << "lexique illisible (" << lexique << ") : " << e.what() << "\n";
    return 1;
  }
  static const TFormes formes = LisFormes();
  if (formes.Formes.empty()) {
    std::cerr << "aucune forme dans " << LECTURIEL_FORMES_CLASSIQUES << "\n";
    return 1;
  }
  static TRangs rangs;
  try {
    rangs = TRangs::Lis(CheminRangsPres(lexique));
  } catch (const std::exception& e) {
    std::cerr << "sans rangs : " << e.what() << "\n";
  }
  benchmark::RegisterBenchmark("Vocabulaire/Eneide", BM_Vocabulaire, &formes, &rangs)
      ->Arg(64000)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Vocabulaire/Ciceron", BM_Vocabulaire, &formes, &rangs)
      ->Arg(1100000)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(2);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
