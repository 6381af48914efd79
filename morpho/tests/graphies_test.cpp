// The spellings a word is looked up under.
#include "morpho/graphies.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lexical/vocabulaire.h"

namespace {
using Graphies = std::vector<std::string>;

constexpr std::uint32_t GenSg = Trait::Genitif | Trait::Singulier,
                        VocSg = Trait::Vocatif | Trait::Singulier,
                        AccSg = Trait::Accusatif | Trait::Singulier,
                        AccPl = Trait::Accusatif | Trait::Pluriel,
                        GenPl = Trait::Genitif | Trait::Pluriel;

bool Contient(const std::vector<TVariante>& v, const std::string& forme, std::uint32_t garde = 0) {
  return std::find(v.begin(), v.end(), TVariante{forme, garde}) != v.end();
}
}  // namespace

TEST(Graphies, Principales) {
  const struct {
    std::string forme;
    Graphies graphies;
  } cas[] = {
      {"", {}},
      {"amicus", {"amicus"}},
      {"Venus", {"Venus", "Uenus", "uenus"}},
      {"Julius", {"Julius", "Iulius", "iulius"}},
      {"vivit", {"uiuit"}},
      {"po\xEBta", {"poeta"}},
      {"Tro\xEBs", {"Troes", "troes"}},
      {"A\xCB", {"AE", "ae", "Ae"}},
      // Stress accents of some editions.
      {"\xE9go", {"ego"}},
      {"qu\xED"
       "d",
       {"quid"}},
      {"Qu\xED"
       "d",
       {"Quid", "quid"}},
      // A name in capitals is read as a name too.
      {"CESTIVS", {"CESTIVS", "CESTIUS", "cestius", "Cestius"}},
      {"M", {"M", "m"}},
  };
  for (const auto& c : cas) EXPECT_EQ(GraphiesPrincipales(c.forme), c.graphies) << c.forme;
}

TEST(Graphies, VariantesDesEditions) {
  const struct {
    std::string mot, variante;
    std::uint32_t garde;
  } cas[] = {
      {"adfero", "affero", 0},
      {"affero", "adfero", 0},
      {"expecto", "exspecto", 0},
      {"exspecto", "expecto", 0},
      {"optumus", "optimus", 0},
      {"quoius", "cuius", 0},
      {"seruos", "seruus", 0},
      {"uolt", "uult", 0},
      {"faciundum", "faciendum", 0},
      {"tanquam", "tamquam", 0},
      {"littus", "litus", 0},
      {"caussa", "causa", 0},
      {"negoti", "negotii", GenSg},
      {"Vergili", "Vergilie", VocSg},
      {"consuerant", "consueuerant", 0},
      // Every place at once: both "um" of maxumum.
      {"maxumum", "maximim", 0},
      {"opust", "opus", 0},
      {"necessest", "necesse", 0},
      {"satin", "satis", 0},
      {"huiusce", "huius", 0},
      {"nobismet", "nobis", 0},
      {"siquis", "quis", 0},
      {"aquai", "aquae", GenSg},
      {"ciuitatium", "ciuitatum", GenPl},
      {"Mithridaten", "Mithridatem", AccSg},
      {"Macedonas", "Macedones", AccPl},
  };
  for (const auto& c : cas)
    EXPECT_TRUE(Contient(VariantesDeGraphie(c.mot), c.variante, c.garde))
        << c.mot << " -> " << c.variante;
  // A prefix rule applies at the start only; the word itself is no variant.
  EXPECT_FALSE(Contient(VariantesDeGraphie("reaffero"), "readfero"));
  EXPECT_FALSE(Contient(VariantesDeGraphie("seruos"), "seruos"));
  // -n for -ne only on short words, not on the Greek accusatives in -n.
  EXPECT_FALSE(Contient(VariantesDeGraphie("Mithridaten"), "Mithridate"));
  // Long inputs get no variants, so that no word costs more than a few
  // searches.
  EXPECT_TRUE(VariantesDeGraphie(std::string(LongueurMaxVariantes + 1, 'u') + "o").empty());
}

TEST(Graphies, ContracteesEnIToujoursCherchees) {
  EXPECT_EQ(ContracteesEnI("ingeni"),
            (std::vector<TVariante>{{"ingenii", 0x48}, {"ingenie", 0x42}}));
  EXPECT_TRUE(ContracteesEnI("rosa").empty());
  EXPECT_TRUE(ContracteesEnI("i").empty());
  EXPECT_TRUE(ContracteesEnI(std::string(LongueurMaxVariantes + 1, 'i')).empty());
}
