// The regular -er verb and the driver: simple and compound tenses, moods,
// voices, pronoun placement.
#include "flexion/verbe.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "flexion/listes_verbes.h"
#include "flexion/tests/aide.h"

TEST(VerbeRegulier, TempsSimplesEtModes) {
  // clang-format off
  VerifieFormes({
      {"aimer", 1, 1, 1, 1, "aime"}, {"aimer", 2, 1, 1, 1, "aimes"},
      {"aimer", 6, 1, 1, 1, "aiment"},
      {"aimer", 4, 2, 1, 1, "aimerons"}, {"aimer", 6, 3, 1, 1, "aimaient"},
      {"aimer", 4, 4, 1, 1, "aimâmes"}, {"aimer", 6, 4, 1, 1, "aimèrent"},
      {"aimer", 1, 1, 3, 1, "aimerais"}, {"aimer", 4, 1, 2, 1, "aimions"},
      {"aimer", 1, 3, 2, 1, "aimasse"}, {"aimer", 3, 3, 2, 1, "aimât"},
      {"aimer", 5, 3, 2, 1, "aimassiez"}, {"aimer", 1, 1, 6, 1, "aimant"},
      {"aimer", 1, 1, 5, 1, "aimer"},
      // The imperative has no s in the singular and only persons 2, 4, 5.
      {"aimer", 2, 1, 4, 1, "aime"}, {"aimer", 4, 1, 4, 1, "aimons"},
      {"aimer", 5, 1, 4, 1, "aimez"},
      {"aimer", 1, 1, 4, 1, "erreur"}, {"aimer", 3, 1, 4, 1, "erreur"},
      {"aimer", 6, 1, 4, 1, "erreur"},
      // ge and ç before a and o, not before e or i.
      {"manger", 4, 1, 1, 1, "mangeons"}, {"manger", 1, 3, 1, 1, "mangeais"},
      {"manger", 3, 4, 1, 1, "mangea"}, {"manger", 5, 1, 1, 1, "mangez"},
      {"manger", 4, 1, 2, 1, "mangions"}, {"commencer", 4, 1, 1, 1, "commençons"},
      {"commencer", 1, 4, 1, 1, "commençai"},
  });
  // clang-format on
}

TEST(TempsComposes, AuxiliaireEtPassif) {
  // clang-format off
  VerifieFormes({
      {"aimer", 1, 5, 1, 1, "j'ai aimé", true}, {"aimer", 3, 6, 1, 1, "il aura aimé", true},
      {"aimer", 4, 7, 1, 1, "nous avions aimé", true},
      {"aimer", 6, 8, 1, 1, "ils eurent aimé", true}, {"aimer", 1, 5, 2, 1, "aie aimé"},
      {"aimer", 3, 7, 2, 1, "eût aimé"}, {"aimer", 1, 5, 3, 1, "aurais aimé"},
      {"aimer", 2, 5, 4, 1, "aie aimé"}, {"aimer", 1, 5, 5, 1, "avoir aimé"},
      {"aimer", 1, 5, 6, 1, "ayant aimé"},
      // Plural agreement after être only.
      {"aimer", 4, 5, 1, 1, "nous avons aimé", true}, {"aller", 1, 5, 1, 1, "je suis allé", true},
      {"aller", 4, 5, 1, 1, "nous sommes allés", true},
      {"venir", 1, 5, 1, 1, "je suis venu", true}, {"venir", 6, 7, 1, 1, "ils étaient venus", true},
      {"tomber", 3, 5, 1, 1, "il est tombé", true},
      {"aimer", 3, 1, 1, 2, "il est aimé", true}, {"aimer", 4, 2, 1, 2, "nous serons aimés", true},
      {"aimer", 1, 5, 1, 2, "j'ai été aimé", true},
      {"aimer", 5, 5, 1, 2, "vous avez été aimés", true},
      {"aimer", 3, 1, 2, 2, "il soit aimé", true}, {"aimer", 1, 1, 5, 2, "être aimé"},
      {"aimer", 1, 5, 6, 2, "ayant été aimé"},
      // No passive for the verbs conjugated with être.
      {"aller", 3, 1, 1, 2, "?", true}, {"se laver", 3, 1, 1, 2, "?", true},
  });
  // clang-format on
}

TEST(TempsComposes, CombinaisonsAbsentesDuFrancais) {
  for (auto [temps, mode] : {std::pair{2, 2}, {4, 2}, {6, 2}, {2, 3}})
    EXPECT_EQ(Fr("aimer", 1, temps, mode), "erreur") << temps << " " << mode;
  // Left as it was: the "?" of ConjugueVerbe.
  for (auto [temps, mode, voix] :
       {std::tuple{2, 4, 1}, {3, 5, 1}, {2, 6, 1}, {1, 0, 1}, {1, 7, 1}, {1, 1, 0}, {1, 1, 3}})
    EXPECT_EQ(Fr("aimer", 2, temps, mode, voix), "?") << temps << " " << mode << " " << voix;
}

TEST(Pronominal, PronomReflechiEtElision) {
  // clang-format off
  VerifieFormes({
      {"se laver", 1, 1, 1, 1, "je me lave", true},
      {"se laver", 4, 1, 1, 1, "nous nous lavons", true},
      {"se laver", 3, 2, 1, 1, "il se lavera", true},
      {"s'asseoir", 3, 1, 1, 1, "il s'assied", true},
      {"se laver", 1, 1, 6, 1, "se lavant"}, {"s'asseoir", 1, 1, 6, 1, "s'asseyant"},
      // Without pronoun the simple forms lose their prefix.
      {"se laver", 1, 1, 1, 1, "lave"},
  });
  // clang-format on
  // Elision before a vowel, y and a mute h, not before an aspirated h.
  EXPECT_EQ(U8(TVerbe::Elide("je", "aime")), "j'aime");
  EXPECT_EQ(U8(TVerbe::Elide("se", Cp("écrie"))), "s'écrie");
  EXPECT_EQ(U8(TVerbe::Elide("je", "yodle")), "j'yodle");
  EXPECT_EQ(U8(TVerbe::Elide("je", "habite")), "j'habite");
  EXPECT_EQ(U8(TVerbe::Elide("je", "hais", true)), "je hais");
  EXPECT_EQ(U8(TVerbe::Elide("il", "aime")), "il aime");
}

TEST(Auxiliaire, ListeDesVerbesAvecEtreSansCasse) {
  for (const char* verbe : {"venir", "advenir", "décéder", "TOMBER"})
    EXPECT_TRUE(DansVerbes(VerbesEtre(), Cp(verbe))) << verbe;
  EXPECT_FALSE(DansVerbes(VerbesEtre(), "aimer"));
  EXPECT_EQ(U8(TVerbe("venir").Auxiliaire()), "être");
  EXPECT_EQ(TVerbe("aimer").Auxiliaire(), "avoir");
}
