// The byte encoding of quirandole.lex: the cases of octets.tsv, written and
// read back.
#include "lexical/flux.h"

#include <gtest/gtest.h>

#include "lexical/tests/fixture.h"
#include "lexical/tests/outils_test.h"

namespace {
std::int32_t LitEntier(const std::string& octets) {
  std::istringstream flux(octets);
  return TLecteur(flux).LisEntier();
}
std::string LitChaine(const std::string& octets) {
  std::istringstream flux(octets);
  return TLecteur(flux).LisChaine();
}
}  // namespace

TEST(Flux, CasDeLaFixture) {
  VerifieFixture(
      LisFixture(LECTURIEL_FIXTURES "/octets.tsv"),
      {{"entier",
        [](const TCas& c) {
          const bool nombre = c[0].find_first_not_of("-0123456789") == std::string::npos;
          const auto v = static_cast<std::int32_t>(nombre ? std::stol(c[0]) : Traits(c[0]));
          const std::string octets = Valeurs({v});
          EXPECT_EQ(LitEntier(octets), v) << c.Lieu;
          return octets;
        }},
       {"entier-lu", [](const TCas& c) { return std::to_string(LitEntier(c.Octets(0))); }},
       {"chaine",
        [](const TCas& c) {
          const std::string octets = Valeurs({c.Octets(0)});
          EXPECT_EQ(LitChaine(octets), c.Octets(0)) << c.Lieu;
          return octets;
        }},
       {"chaine-lue", [](const TCas& c) { return LitChaine(c.Octets(0)); }}});
  std::string tous;  // every cp1252 byte survives the trip through UTF-8
  for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
  EXPECT_EQ(LitChaine(Valeurs({tous})), tous);
}
