#include "lexical/liste_triee.h"

#include <algorithm>
#include <string>

void ErreurIndice(int i) { throw Erreur(Formate(MessageIndice, {std::to_string(i)})); }

std::vector<std::uint32_t> OrdreDeTri(const std::vector<std::string_view>& cles,
                                      const std::vector<std::uint32_t>& rangs) {
  std::size_t total = 0;
  for (auto c : cles) total += c.size();
  std::string plies(total, '\0');
  // The first eight folded bytes, big-endian, settle most comparisons with
  // one integer comparison.
  struct Article {
    std::uint64_t Prefixe;
    std::string_view Plie;
    std::uint32_t Rang;
    std::uint32_t Indice;
  };
  std::vector<Article> articles;
  articles.reserve(cles.size());
  std::size_t pos = 0;
  for (std::uint32_t i = 0; i < cles.size(); ++i) {
    const std::size_t debut = pos;
    for (char c : cles[i]) plies[pos++] = Minuscule(c);
    const std::string_view plie = std::string_view(plies).substr(debut, cles[i].size());
    std::uint64_t prefixe = 0;
    for (std::size_t k = 0; k < 8; ++k)
      prefixe = (prefixe << 8) | (k < plie.size() ? static_cast<unsigned char>(plie[k]) : 0u);
    articles.push_back({prefixe, plie, rangs[i], i});
  }
  // string_view compares bytes as unsigned, as CompareCles does.
  const auto avant = [](const Article& a, const Article& b) {
    if (a.Prefixe != b.Prefixe) return a.Prefixe < b.Prefixe;
    const int c = a.Plie.compare(b.Plie);
    return c < 0 || (c == 0 && a.Rang < b.Rang);
  };
  const bool parCle =
      std::is_sorted(articles.begin(), articles.end(), [](const Article& a, const Article& b) {
        return a.Prefixe != b.Prefixe ? a.Prefixe < b.Prefixe : a.Plie < b.Plie;
      });
  if (parCle) {
    // A file written by this program comes sorted: only the runs of equal
    // keys need ordering by rank.
    for (auto debut = articles.begin(); debut != articles.end();) {
      auto fin = debut + 1;
      while (fin != articles.end() && fin->Prefixe == debut->Prefixe && fin->Plie == debut->Plie)
        ++fin;
      if (fin - debut > 1) std::sort(debut, fin, avant);
      debut = fin;
    }
  } else {
    std::sort(articles.begin(), articles.end(), avant);
  }
  std::vector<std::uint32_t> ordre;
  ordre.reserve(articles.size());
  for (const auto& a : articles) ordre.push_back(a.Indice);
  return ordre;
}
