#include "lexical/flux.h"

#include <gtest/gtest.h>

#include "lexical/tests/outils_test.h"
#include "lexical/vocabulaire.h"

namespace {
std::string Entier(std::int32_t v) {
  return Ecrit([v](TEcrivain& e) { e.EcrisEntier(v); });
}
std::string Chaine(std::string_view s) {
  return Ecrit([s](TEcrivain& e) { e.EcrisChaine(s); });
}
std::int32_t LitEntier(const std::string& octets) {
  std::istringstream flux(octets);
  return TLecteur(flux).LisEntier();
}
std::string LitChaine(const std::string& octets) {
  std::istringstream flux(octets);
  return TLecteur(flux).LisChaine();
}
}  // namespace

TEST(Flux, EntiersDansLaPlusPetiteFormeEtRelus) {
  // A morphology word with bit 31 goes as the negative integer of its bits.
  // clang-format off
  const std::pair<std::int32_t, std::string> cas[] = {
      {0, Octets({0x02, 0x00})},           {-1, Octets({0x02, 0xFF})},
      {127, Octets({0x02, 0x7F})},         {-128, Octets({0x02, 0x80})},
      {128, Octets({0x03, 0x80, 0x00})},   {-129, Octets({0x03, 0x7F, 0xFF})},
      {Trait::Nominatif | Trait::Singulier | Trait::Masculin, Octets({0x03, 0x41, 0x01})},
      {32767, Octets({0x03, 0xFF, 0x7F})},
      {-32768, Octets({0x03, 0x00, 0x80})},
      {32768, Octets({0x04, 0x00, 0x80, 0x00, 0x00})}, {-32769, Octets({0x04, 0xFF, 0x7F, 0xFF, 0xFF})},
      {Trait::PremierePersonne | Trait::Singulier | Trait::Present | Trait::Indicatif | Trait::Actif,
       Octets({0x04, 0x40, 0x48, 0x10, 0x08})},
      {static_cast<std::int32_t>(Trait::Superlatif | Trait::Nominatif | Trait::Singulier),
       Octets({0x04, 0x41, 0x00, 0x00, 0x80})}};
  // clang-format on
  for (const auto& [valeur, octets] : cas) {
    EXPECT_EQ(Entier(valeur), octets) << valeur;
    EXPECT_EQ(LitEntier(octets), valeur) << valeur;
  }
  EXPECT_EQ(LitEntier(Octets({0x04, 0x05, 0x00, 0x00, 0x00})), 5);  // oversized tag accepted
}

TEST(Flux, ChainesCourtesLonguesEtUtf8) {
  const std::string a255(255, 'a'), a256(256, 'a');
  // clang-format off
  const std::pair<std::string, std::string> cas[] = {
      {"", Octets({0x06, 0x00})}, {"amo", Octets({0x06, 0x03}) + "amo"},
      {a255, Octets({0x06, 0xFF}) + a255},
      {a256, Octets({0x0C, 0x00, 0x01, 0x00, 0x00}) + a256},
      {"g\xE9nitif", Octets({0x14, 0x08, 0x00, 0x00, 0x00}) + "g\xC3\xA9nitif"}};
  // clang-format on
  for (const auto& [texte, octets] : cas) {
    EXPECT_EQ(Chaine(texte), octets) << texte.size();
    EXPECT_EQ(LitChaine(octets), texte) << texte.size();
  }
  // Any non-ASCII byte, even in a long text, selects UTF-8.
  EXPECT_EQ(Chaine(std::string(300, 'a') + "\x80").substr(0, 5),
            Octets({0x14, 0x2F, 0x01, 0x00, 0x00}));
  // The tags the program never writes are read all the same.
  EXPECT_EQ(LitChaine(Octets({0x0C, 0x03, 0, 0, 0}) + "amo"), "amo");
  EXPECT_EQ(LitChaine(Octets({0x12, 0x03, 0, 0, 0, 'a', 0, 'm', 0, 'o', 0})), "amo");
  // é, €, then a character cp1252 lacks (Greek alpha) and a lone surrogate.
  EXPECT_EQ(
      LitChaine(Octets({0x12, 0x04, 0, 0, 0, 0xE9, 0x00, 0xAC, 0x20, 0xB1, 0x03, 0x00, 0xD8})),
      "\xE9\x80??");
  EXPECT_EQ(LitChaine(Octets({0x14, 0x02, 0, 0, 0, 0xCE, 0xB1})), "?");
  std::string tous;  // every cp1252 byte survives the trip through UTF-8
  for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
  EXPECT_EQ(LitChaine(Chaine(tous)), tous);
}

TEST(Flux, FinDeFluxEtiquettesInterditesEtLongueursGonflees) {
  const std::string lecture = MessageLecture, valeur = MessageValeur;
  const struct {
    bool chaine;
    std::string octets, message;
    // clang-format off
  } cas[] = {
      {false, "", lecture},                     {false, Octets({0x03, 0x41}), lecture},
      {true, Octets({0x06, 0x04}) + "amo", lecture},
      {false, Octets({0x06, 0x00}), valeur},    {true, Octets({0x02, 0x00}), valeur},
      {false, Octets({0x05, 0x00}), valeur},    {true, Octets({0x07, 0x00}), valeur},
      // Gigabytes announced in a few bytes: refused from the size left,
      // without allocating them.
      {true, Octets({0x0C, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc", lecture},
      {true, Octets({0x12, 0xFF, 0xFF, 0xFF, 0x7F}) + "abc", lecture},
      {true, Octets({0x14, 0x04, 0, 0, 0}) + "abc", lecture}};
  // clang-format on
  for (const auto& c : cas)
    EXPECT_EQ(MessageDe([&] { c.chaine ? (void)LitChaine(c.octets) : (void)LitEntier(c.octets); }),
              c.message)
        << c.octets.size() << " octets";
}
