#include "flux.h"

#include <gtest/gtest.h>

#include <sstream>

#include "erreur.h"
#include "outils_test.h"

namespace {
std::string Entier(std::int32_t v) {
  return Ecrit([v](TEcrivain& e) { e.EcrisEntier(v); });
}
std::string Chaine(std::string_view s) {
  return Ecrit([s](TEcrivain& e) { e.EcrisChaine(s); });
}
std::int32_t LitEntier(const std::string& octets) {
  std::istringstream flux(octets);
  TLecteur l(flux);
  return l.LisEntier();
}
std::string LitChaine(const std::string& octets) {
  std::istringstream flux(octets);
  TLecteur l(flux);
  return l.LisChaine();
}
std::string MessageDe(auto f) {
  try {
    f();
  } catch (const Erreur& e) {
    return e.what();
  }
  return "aucune erreur";
}
}  // namespace

TEST(Ecrivain, EntiersDansLaPlusPetiteForme) {
  EXPECT_EQ(Entier(0), Octets({0x02, 0x00}));
  EXPECT_EQ(Entier(-1), Octets({0x02, 0xFF}));
  EXPECT_EQ(Entier(127), Octets({0x02, 0x7F}));
  EXPECT_EQ(Entier(-128), Octets({0x02, 0x80}));
  EXPECT_EQ(Entier(128), Octets({0x03, 0x80, 0x00}));
  EXPECT_EQ(Entier(-129), Octets({0x03, 0x7F, 0xFF}));
  EXPECT_EQ(Entier(0x141), Octets({0x03, 0x41, 0x01}));
  EXPECT_EQ(Entier(32767), Octets({0x03, 0xFF, 0x7F}));
  EXPECT_EQ(Entier(32768), Octets({0x04, 0x00, 0x80, 0x00, 0x00}));
  EXPECT_EQ(Entier(-32769), Octets({0x04, 0xFF, 0x7F, 0xFF, 0xFF}));
  EXPECT_EQ(Entier(0x8104840), Octets({0x04, 0x40, 0x48, 0x10, 0x08}));
  // A morphology word with bit 31 goes as the negative integer of its bits.
  EXPECT_EQ(Entier(static_cast<std::int32_t>(0x80000041u)), Octets({0x04, 0x41, 0x00, 0x00, 0x80}));
}

TEST(Ecrivain, ChainesCourtesLonguesEtUtf8) {
  EXPECT_EQ(Chaine(""), Octets({0x06, 0x00}));
  EXPECT_EQ(Chaine("amo"), Octets({0x06, 0x03}) + "amo");
  const std::string a255(255, 'a'), a256(256, 'a');
  EXPECT_EQ(Chaine(a255), Octets({0x06, 0xFF}) + a255);
  EXPECT_EQ(Chaine(a256), Octets({0x0C, 0x00, 0x01, 0x00, 0x00}) + a256);
  EXPECT_EQ(Chaine("g\xE9nitif"), Octets({0x14, 0x08, 0x00, 0x00, 0x00}) + "g\xC3\xA9nitif");
  // Any non-ASCII byte, even in a long text, selects UTF-8.
  EXPECT_EQ(Chaine(std::string(300, 'a') + "\x80").substr(0, 5),
            Octets({0x14, 0x2F, 0x01, 0x00, 0x00}));
}

TEST(Ecrivain, DepasseLeTamponSansRienPerdre) {
  const std::string octets = Ecrit([](TEcrivain& e) {
    for (int i = 0; i < 1000; ++i) e.EcrisEntier(i * 37);
    e.EcrisChaine(std::string(3000, 'x'));
  });
  std::istringstream flux(octets);
  TLecteur l(flux);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(l.LisEntier(), i * 37);
  EXPECT_EQ(l.LisChaine(), std::string(3000, 'x'));
  EXPECT_EQ(l.Reste(), 0u);
}

TEST(Lecteur, EntiersDeToutesTailles) {
  EXPECT_EQ(LitEntier(Octets({0x02, 0xFF})), -1);
  EXPECT_EQ(LitEntier(Octets({0x03, 0x41, 0x01})), 0x141);
  EXPECT_EQ(LitEntier(Octets({0x03, 0x00, 0x80})), -32768);
  EXPECT_EQ(LitEntier(Octets({0x04, 0x05, 0x00, 0x00, 0x00})), 5);  // oversized tag accepted
  EXPECT_EQ(LitEntier(Octets({0x04, 0x41, 0x00, 0x00, 0x80})),
            static_cast<std::int32_t>(0x80000041u));
}

TEST(Lecteur, ChainesDeToutesEtiquettes) {
  EXPECT_EQ(LitChaine(Octets({0x06, 0x00})), "");
  EXPECT_EQ(LitChaine(Octets({0x0C, 0x03, 0, 0, 0}) + "amo"), "amo");
  EXPECT_EQ(LitChaine(Octets({0x14, 0x03, 0, 0, 0}) + "amo"), "amo");
  EXPECT_EQ(LitChaine(Octets({0x12, 0x03, 0, 0, 0, 'a', 0, 'm', 0, 'o', 0})), "amo");
  EXPECT_EQ(LitChaine(Octets({0x14, 0x08, 0, 0, 0}) + "g\xC3\xA9nitif"), "g\xE9nitif");
  // é, €, then a character cp1252 lacks (Greek alpha) and a lone surrogate.
  EXPECT_EQ(
      LitChaine(Octets({0x12, 0x04, 0, 0, 0, 0xE9, 0x00, 0xAC, 0x20, 0xB1, 0x03, 0x00, 0xD8})),
      "\xE9\x80??");
  EXPECT_EQ(LitChaine(Octets({0x14, 0x02, 0, 0, 0, 0xCE, 0xB1})), "?");
}

TEST(Lecteur, ChaqueOctetSurvitAuPassageParUtf8) {
  std::string tous;
  for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
  EXPECT_EQ(LitChaine(Chaine(tous)), tous);
}

TEST(Lecteur, FinDeFluxEtEtiquettesInterdites) {
  const std::string lecture = MessageLecture, valeur = MessageValeur;
  EXPECT_EQ(MessageDe([] { LitEntier(""); }), lecture);
  EXPECT_EQ(MessageDe([] { LitEntier(Octets({0x03, 0x41})); }), lecture);
  EXPECT_EQ(MessageDe([] { LitChaine(Octets({0x06, 0x04}) + "amo"); }), lecture);
  EXPECT_EQ(MessageDe([] { LitEntier(Octets({0x06, 0x00})); }), valeur);
  EXPECT_EQ(MessageDe([] { LitChaine(Octets({0x02, 0x00})); }), valeur);
  EXPECT_EQ(MessageDe([] { LitEntier(Octets({0x05, 0x00})); }), valeur);
  EXPECT_EQ(MessageDe([] { LitChaine(Octets({0x07, 0x00})); }), valeur);
}

TEST(Lecteur, LongueurGonfleeRefuseeSansAllouer) {
  // Four gigabytes announced in a few bytes: refused from the size left.
  EXPECT_EQ(MessageDe([] {
              LitChaine(Octets({0x0C, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc");
            }),
            std::string(MessageLecture));
  EXPECT_EQ(MessageDe([] {
              LitChaine(Octets({0x12, 0xFF, 0xFF, 0xFF, 0x7F}) + "abc");
            }),
            std::string(MessageLecture));
  EXPECT_EQ(MessageDe([] {
              LitChaine(Octets({0x14, 0x04, 0, 0, 0}) + "abc");
            }),
            std::string(MessageLecture));
}
