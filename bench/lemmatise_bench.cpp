// Speed of the hover analysis: Lemmatise and the layout-2 lines of every word
// token of the treebank, with the compiled lexicon beside the benchmark.
// Also finds the slowest word (best of several runs of each distinct word)
// and measures it on its own. The treebank folder is the one given at
// configure time, or the LECTURIEL_CORPUS environment variable when set.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>

#include "lexical/cp1252.h"
#include "lexical/stores.h"
#include "morpho/lemmatise.h"
#include "outils/lemmatise/couverture.h"

namespace {

std::string DossierCorpus() {
  const char* variable = std::getenv("LECTURIEL_CORPUS");
  return variable && *variable ? variable : LECTURIEL_CORPUS;
}

std::vector<std::string> MotsDuCorpus(const std::string& dossier) {
  std::vector<std::string> mots;
  for (const auto& f : std::filesystem::directory_iterator(dossier)) {
    if (f.path().extension() != ".conllu") continue;
    std::ifstream entree(f.path());
    for (const TJeton& j : LisJetonsConllu(entree)) mots.push_back(Utf8VersCp1252(j.Forme));
  }
  return mots;
}

void Analyse(const std::string& mot) {
  auto lignes = TexteAnalyses(mot, Disposition::Complete);
  benchmark::DoNotOptimize(lignes);
}

void BM_LemmatiseEtLignes(benchmark::State& state, const std::vector<std::string>* mots) {
  for (auto _ : state)
    for (const std::string& mot : *mots) Analyse(mot);
  state.counters["mots/s"] = benchmark::Counter(
      static_cast<double>(mots->size()) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
  state.SetLabel(std::to_string(mots->size()) + " mots");
}

void BM_MotLePlusLent(benchmark::State& state, std::string mot, double microsecondes) {
  for (auto _ : state) Analyse(mot);
  state.SetLabel(Cp1252VersUtf8(mot) + " (" + std::to_string(microsecondes) + " us au tri)");
}

std::pair<std::string, double> PlusLent(const std::vector<std::string>& mots) {
  const std::set<std::string> distincts(mots.begin(), mots.end());
  std::pair<std::string, double> pire{"", 0.0};
  for (const std::string& mot : distincts) {
    double meilleur = 1e30;
    for (int essai = 0; essai < 5; ++essai) {
      const auto debut = std::chrono::steady_clock::now();
      Analyse(mot);
      const std::chrono::duration<double, std::micro> duree =
          std::chrono::steady_clock::now() - debut;
      meilleur = std::min(meilleur, duree.count());
    }
    if (meilleur > pire.second) pire = {mot, meilleur};
  }
  return pire;
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
  const std::string dossier = DossierCorpus();
  std::error_code erreur;
  if (!std::filesystem::is_directory(dossier, erreur)) {
    std::cerr << "lemmatise_bench : dossier du corpus introuvable : " << dossier
              << "\nDonner un dossier de fichiers .conllu par la variable d'environnement "
                 "LECTURIEL_CORPUS ou par -DLECTURIEL_CORPUS=DOSSIER à la configuration.\n";
    return 1;
  }
  static const std::vector<std::string> mots = MotsDuCorpus(dossier);
  if (mots.empty()) {
    std::cerr << "lemmatise_bench : aucun mot dans les fichiers .conllu de " << dossier << "\n";
    return 1;
  }
  const auto [lent, duree] = PlusLent(mots);
  benchmark::RegisterBenchmark("LemmatiseEtLignes/corpus", BM_LemmatiseEtLignes, &mots)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("LemmatiseEtLignes/plus_lent", BM_MotLePlusLent, lent, duree)
      ->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
