// TEdition, what the browser page asks of the core, checked on the lexicon
// the build compiles: positions as the page counts them, the word and hover
// text there, the links query, the reading of a picked file.
#include "web/edition.h"

#include <gtest/gtest.h>

#include "lexical/stores.h"
#include "lexical/tests/fixture.h"

namespace {

std::string Liens(const TEdition& e, int i, int j) {
  const TLiens l = e.Liens(i, j);
  return l.Mot1 + "|" + l.Mot2 + "|" + (l.Texte.empty() ? "non" : "oui");
}

// The first two lines of a text, joined by '|'.
std::string DeuxLignes(const std::string& texte) {
  if (texte.empty()) return {};
  const auto fin1 = texte.find('\n');
  if (fin1 == std::string::npos) return texte + "|";
  const auto fin2 = texte.find('\n', fin1 + 1);
  return texte.substr(0, fin1) + "|" + texte.substr(fin1 + 1, fin2 - fin1 - 1);
}

}  // namespace

TEST(Edition, Fixture) {
  if (!StoresPrets()) ChargeLexique(LECTURIEL_LEX);
  const auto cas = LisFixture(LECTURIEL_FIXTURES "/edition.tsv");
  const auto edition = [](const TCas& c) {
    TEdition e;
    e.Texte(c[0]);
    return e;
  };
  VerifieFixture(
      cas, {{"positions", [](const TCas& c) { return VersPositions1252(c[0]); }},
            {"mot", [&](const TCas& c) { return edition(c).Mot(std::stoi(c[1])); }},
            {"bulle", [&](const TCas& c) { return DeuxLignes(edition(c).Bulle(std::stoi(c[1]))); }},
            {"liens",
             [&](const TCas& c) { return Liens(edition(c), std::stoi(c[1]), std::stoi(c[2])); }},
            {"fichier", [](const TCas& c) { return LisFichierTexte(c[0], c.Octets(1)).Texte(); }}});
}
