// Loading time of a large generated quirandole.lex (100 000 lexicon entries
// with stem lists, 5 000 endings of 1 to 6 readings, 2 000 irregular forms)
// beside the time to read the same file's bytes, its floor.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "lexical/cp1252_litteral.h"
#include "lexical/flux.h"
#include "lexical/stores.h"

namespace {

std::string Mot(std::mt19937& alea, int min, int max) {
  constexpr std::string_view lettres = "abcdefgilmnopqrstuxAEIMPRé"_1252;
  std::string s;
  for (int n = std::uniform_int_distribution<int>(min, max)(alea); n > 0; --n)
    s += lettres[std::uniform_int_distribution<std::size_t>(0, lettres.size() - 1)(alea)];
  return s;
}

// Written in random key order, as a hand-edited file might be, so that
// loading has to sort.
const std::string& FichierGenere() {
  static const std::string chemin = [] {
    std::mt19937 alea(42);
    std::uniform_int_distribution<int> modele(0, 30);
    std::uniform_int_distribution<std::uint32_t> bits;
    const std::string p = (std::filesystem::temp_directory_path() / "lecturiel-bench.lex").string();
    std::ofstream fichier(p, std::ios::binary | std::ios::trunc);
    TEcrivain e(fichier);
    e.EcrisEntier(100000);
    for (int i = 0; i < 100000; ++i) {
      e.EcrisChaine(Mot(alea, 3, 10));
      const int m = i % 2 ? 17 + i % 12 : modele(alea);  // half verbs, with two stem lists
      e.EcrisEntier(m);
      e.EcrisEntier(std::uniform_int_distribution<int>(-1, 2)(alea));
      e.EcrisChaine(Mot(alea, 3, 7) + "," + Mot(alea, 3, 7));
      e.EcrisChaine(Mot(alea, 3, 7));
      e.EcrisChaine(Mot(alea, 2, 6) + ", " + Mot(alea, 2, 6) + " : " + Mot(alea, 4, 12));
    }
    std::vector<std::string> terminaisons;
    for (int i = 0; terminaisons.size() < 5000; ++i) {
      std::string t = Mot(alea, 1, 6) + std::to_string(i);  // distinct by construction
      terminaisons.push_back(t);
    }
    e.EcrisEntier(5000);
    for (const auto& t : terminaisons) {
      e.EcrisChaine(t);
      const int n = std::uniform_int_distribution<int>(1, 6)(alea);
      e.EcrisEntier(n);
      for (int j = 0; j < n; ++j) TLecture{modele(alea), 1 + j % 3, bits(alea)}.Ecris(e);
    }
    e.EcrisEntier(2000);
    for (int i = 0; i < 2000; ++i) {
      e.EcrisChaine(Mot(alea, 2, 8));
      const int n = std::uniform_int_distribution<int>(1, 3)(alea);
      e.EcrisEntier(n);
      for (int j = 0; j < n; ++j) {
        e.EcrisChaine(Mot(alea, 3, 8));
        e.EcrisEntier(static_cast<std::int32_t>(bits(alea)));
        e.EcrisEntier(modele(alea));
      }
    }
    e.Vide();
    return p;
  }();
  return chemin;
}

void LectureBrute(benchmark::State& etat) {
  const std::string& chemin = FichierGenere();
  std::size_t taille = 0;
  for (auto _ : etat) {
    std::ifstream fichier(chemin, std::ios::binary | std::ios::ate);
    std::string octets(static_cast<std::size_t>(fichier.tellg()), '\0');
    fichier.seekg(0);
    fichier.read(octets.data(), static_cast<std::streamsize>(octets.size()));
    taille = octets.size();
    benchmark::DoNotOptimize(octets.data());
  }
  etat.counters["octets"] = static_cast<double>(taille);
}

// The same stores as the program writes them: sorted, so loading only has
// to order equal keys and build the stem indexes.
const std::string& FichierTrie() {
  static const std::string chemin = [] {
    const std::string p =
        (std::filesystem::temp_directory_path() / "lecturiel-bench-trie.lex").string();
    ChargeLexique(FichierGenere());
    EcrisStores(p);
    LiberLexique();
    return p;
  }();
  return chemin;
}

void Chargement(benchmark::State& etat, const std::string& chemin) {
  for (auto _ : etat) {
    ChargeLexique(chemin);
    benchmark::DoNotOptimize(Lexique.get());
    // Releasing the stores is not part of loading them.
    etat.PauseTiming();
    LiberLexique();
    etat.ResumeTiming();
  }
  ChargeLexique(chemin);
  etat.counters["lexique"] = Lexique->Count();
  etat.counters["desinences"] = Desinences->Count();
  etat.counters["irreguliers"] = Irreguliers->Count();
  LiberLexique();
}

}  // namespace

void ChargementLexique(benchmark::State& etat) { Chargement(etat, FichierGenere()); }
void ChargementFichierEcritParLeProgramme(benchmark::State& etat) {
  Chargement(etat, FichierTrie());
}
// The lexicon the program ships, as the window loads it at start-up.
void ChargementLexiqueLivre(benchmark::State& etat) { Chargement(etat, LECTURIEL_LEX); }

BENCHMARK(LectureBrute)->Unit(benchmark::kMillisecond);
BENCHMARK(ChargementLexique)->Unit(benchmark::kMillisecond);
BENCHMARK(ChargementFichierEcritParLeProgramme)->Unit(benchmark::kMillisecond);
BENCHMARK(ChargementLexiqueLivre)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
