// Regression tests of the mended faults, one per fault, each named after
// what broke.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "flexion/listes_verbes.h"
#include "flexion/tests/aide.h"

namespace {

// A mended fault, named after what broke, and the forms that showed it.
struct Correction {
  const char* nom;
  std::vector<Forme> formes;
};
void PrintTo(const Correction& c, std::ostream* os) { *os << c.nom; }

// clang-format off
const Correction kCorrections[] = {
    // The participle kept the "se " of the infinitive after the auxiliary:
    // "je me suis se lavé".
    {"ComposePronominalSansSeDansLeParticipe", {
        {"se laver", 1, 5, 1, 1, "je me suis lavé", true},
        {"se laver", 4, 7, 1, 1, "nous nous étions lavés", true},
        {"s'asseoir", 3, 5, 1, 1, "il s'est assis", true}, {"se laver", 1, 5, 1, 1, "suis lavé"}}},
    // The infinitive and the compound participle of a pronominal verb lost their
    // "se": "laver", "étant lavé".
    {"InfinitifEtParticipePronominauxGardentSe", {
        {"se laver", 1, 1, 5, 1, "se laver"}, {"s'asseoir", 1, 1, 5, 1, "s'asseoir"},
        {"se laver", 1, 5, 5, 1, "s'être lavé"}, {"se laver", 1, 5, 6, 1, "s'étant lavé"}}},
    // The imperative of a pronominal verb had no reflexive pronoun: "lave".
    {"ImperatifPronominalAvecPronom", {
        {"se laver", 2, 1, 4, 1, "lave-toi"}, {"s'asseoir", 4, 1, 4, 1, "asseyons-nous"},
        {"se laver", 5, 1, 4, 1, "lavez-vous"}, {"se laver", 1, 1, 4, 1, "erreur"}}},
    // An "s'" infinitive is conjugated whole once the apostrophe is kept with it.
    {"InfinitifEnSApostropheSeConjugue", {
        {"s'asseoir", 1, 1, 1, 1, "je m'assieds", true},
        {"s'enfuir", 6, 1, 1, 1, "ils s'enfuient", true}}},
    // "erreur" got a subject pronoun ("j'erreur") or a participle ("erreur aimé").
    {"ErreurResteSeule", {
        {"aimer", 1, 2, 2, 1, "erreur", true}, {"aimer", 1, 2, 2, 2, "erreur", true},
        {"aimer", 1, 1, 4, 2, "erreur"}}},
    // Defective stems gave bare endings: "ais", "ions", "ant" for clore, a
    // conditional "gésirais" for a verb without future.
    {"VerbeDefectifSansTerminaisonSeule", {
        {"clore", 1, 3, 1, 1, ""}, {"clore", 1, 1, 6, 1, ""}, {"clore", 4, 1, 2, 1, ""},
        {"clore", 1, 1, 2, 1, "close"}, {"gésir", 1, 1, 3, 1, ""}, {"choir", 1, 3, 1, 1, ""},
        {"échoir", 3, 3, 1, 1, "échoyait"}, {"échoir", 1, 1, 6, 1, "échéant"}}},
    // pleuvoir and pouvoir took the stem "pleuvo", "pouvo": "pleuvoait", "pleuvoira".
    {"PleuvoirEtPouvoirSurLeurVraiRadical", {
        {"pleuvoir", 3, 3, 1, 1, "pleuvait"}, {"pleuvoir", 3, 2, 1, 1, "pleuvra"},
        {"pleuvoir", 1, 1, 6, 1, "pleuvant"}, {"pouvoir", 1, 3, 1, 1, "pouvais"},
        {"pouvoir", 1, 1, 6, 1, "pouvant"}}},
    // Subjunctives from the plain stem: "save", "vale".
    {"SubjonctifsDeSavoirEtValoir", {
        {"savoir", 1, 1, 2, 1, "sache"}, {"savoir", 4, 1, 2, 1, "sachions"},
        {"valoir", 3, 1, 2, 1, "vaille"}, {"valoir", 4, 1, 2, 1, "valions"},
        {"prévaloir", 3, 1, 2, 1, "prévale"}}},
    // Forms built from the wrong piece of the infinitive: "revoirai", "prenent",
    // "connaquis", "conné", "vainu", "asseoirai", "redisez".
    {"FormesIrregulieresRectifiees", {
        {"revoir", 1, 2, 1, 1, "reverrai"}, {"prendre", 6, 1, 1, 1, "prennent"},
        {"apprendre", 6, 1, 1, 1, "apprennent"}, {"connaître", 1, 4, 1, 1, "connus"},
        {"connaître", 1, 5, 5, 1, "avoir connu"}, {"reconnaître", 1, 5, 5, 1, "avoir reconnu"},
        {"vaincre", 1, 5, 5, 1, "avoir vaincu"}, {"asseoir", 1, 2, 1, 1, "assiérai"},
        {"redire", 5, 1, 1, 1, "redites"}}},
    // The present participle skipped the join: "mangant", "commencant".
    {"ParticipePresentAvecCedilleEtE", {
        {"manger", 1, 1, 6, 1, "mangeant"}, {"commencer", 1, 1, 6, 1, "commençant"}}},
    // cueillir and saillir took the -er passé simple and participle: "cueilla",
    // "cueillé".
    {"CueillirAuPasseEnIs", {
        {"cueillir", 3, 4, 1, 1, "cueillit"}, {"cueillir", 1, 5, 5, 1, "avoir cueilli"},
        {"cueillir", 1, 2, 1, 1, "cueillerai"}, {"accueillir", 1, 2, 1, 1, "accueillerai"},
        {"assaillir", 1, 2, 1, 1, "assaillirai"}, {"tressaillir", 1, 4, 1, 1, "tressaillis"}}},
    // The imperative kept the s of "tu ouvres", "tu cueilles".
    {"ImperatifSansSDesPresentsEnEs", {
        {"ouvrir", 2, 1, 4, 1, "ouvre"}, {"offrir", 2, 1, 4, 1, "offre"},
        {"cueillir", 2, 1, 4, 1, "cueille"}, {"finir", 2, 1, 4, 1, "finis"}}},
    // A pronominal infinitive never matched the whole-verb tests nor the list of
    // è verbs: "se taire" had no class, "s'acheter" doubled its t.
    {"PronominauxDesVerbesNommes", {
        {"se taire", 1, 1, 1, 1, "je me tais", true}, {"se voir", 3, 2, 1, 1, "il se verra", true},
        {"s'offrir", 3, 5, 1, 1, "il s'est offert", true},
        {"s'acheter", 1, 1, 1, 1, "je m'achète", true},
        {"se dire", 5, 1, 1, 1, "vous vous dites", true}}},
    // Every -tir verb went the way of sortir: "j'avers", "je bâs".
    {"VerbesEnTirAvecIss", {
        {"avertir", 1, 1, 1, 1, "avertis"}, {"bâtir", 4, 1, 1, 1, "bâtissons"},
        {"assortir", 4, 1, 1, 1, "assortissons"}, {"répartir", 1, 1, 1, 1, "répartis"},
        {"partir", 1, 1, 1, 1, "pars"}, {"consentir", 4, 1, 1, 1, "consentons"},
        {"se repentir", 1, 1, 1, 1, "je me repens", true}}},
    // Verbs no class fitted, or fitted wrongly: "il falloit", "je souffris".
    {"FalloirEtSouffrir", {
        {"falloir", 3, 1, 1, 1, "il faut", true}, {"falloir", 3, 2, 1, 1, "il faudra", true},
        {"falloir", 3, 3, 1, 1, "il fallait", true}, {"falloir", 3, 5, 1, 1, "il a fallu", true},
        {"falloir", 3, 1, 2, 1, "faille"}, {"souffrir", 1, 1, 1, 1, "souffre"},
        {"souffrir", 1, 5, 5, 1, "avoir souffert"}}},
    // Compounds that do not follow their simple verb: "maudisons", "dissolu",
    // "accrût", "envoiera".
    {"ComposesQuiSEcartent", {
        {"maudire", 4, 1, 1, 1, "maudissons"}, {"maudire", 1, 5, 5, 1, "avoir maudit"},
        {"dissoudre", 1, 5, 5, 1, "avoir dissous"}, {"absoudre", 1, 5, 5, 1, "avoir absous"},
        {"résoudre", 1, 5, 5, 1, "avoir résolu"}, {"accroître", 3, 4, 1, 1, "accrut"},
        {"accroître", 4, 4, 1, 1, "accrûmes"}, {"décroître", 1, 5, 5, 1, "avoir décru"},
        {"accroître", 3, 3, 2, 1, "accrût"}, {"croître", 4, 4, 1, 1, "crûmes"},
        {"envoyer", 1, 2, 1, 1, "enverrai"}, {"renvoyer", 3, 2, 1, 1, "renverra"}}},
    // The present subjunctive did not call the join, so the change was missing
    // there: "que j'achete".
    {"SubjonctifPresentGardeLeChangement", {
        {"acheter", 1, 1, 2, 1, "achète"}, {"acheter", 4, 1, 2, 1, "achetions"},
        {"appeler", 6, 1, 2, 1, "appellent"}, {"céder", 3, 1, 2, 1, "cède"},
        {"nettoyer", 2, 1, 2, 1, "nettoies"}}},
    // The future joined the bare infinitive: "j'acheterai", "j'appelerai".
    {"FuturEtConditionnelGardentLeChangement", {
        {"acheter", 1, 2, 1, 1, "achèterai"}, {"lever", 4, 2, 1, 1, "lèverons"},
        {"appeler", 1, 2, 1, 1, "appellerai"}, {"jeter", 6, 2, 1, 1, "jetteront"},
        {"nettoyer", 3, 2, 1, 1, "nettoiera"}, {"acheter", 1, 1, 3, 1, "achèterais"}}},
};
// clang-format on

class FauteCorrigee : public ::testing::TestWithParam<Correction> {};

}  // namespace

TEST_P(FauteCorrigee, FormesJustes) { VerifieFormes(GetParam().formes); }

INSTANTIATE_TEST_SUITE_P(Corrections, FauteCorrigee, ::testing::ValuesIn(kCorrections),
                         [](const auto& info) { return std::string(info.param.nom); });

// "racheger" stood in the list for "racheter", so racheter doubled its t.
TEST(Corrections, RacheterPrendUnEGrave) {
  EXPECT_TRUE(DansVerbes(VerbesEter(), "racheter"));
  EXPECT_FALSE(DansVerbes(VerbesEter(), "racheger"));
  VerifieFormes(
      {{"racheter", 1, 1, 1, 1, "je rachète", true}, {"racheter", 6, 1, 1, 1, "rachètent"}});
}

// An indicative tense below 1 recursed without end through the compound rule.
TEST(Corrections, TempsHorsDeUnAHuitTermine) {
  for (int temps : {0, -1, -3, 9, 100})
    for (int mode = 1; mode <= 6; ++mode) {
      const std::string f = Fr("aimer", 1, temps, mode, 1, true);
      EXPECT_TRUE(f == "?" || f == "erreur") << temps << " " << mode << " : " << f;
      EXPECT_LE(Fr("aimer", 1, temps, mode, 2, true).size(), 6u);
    }
  EXPECT_EQ(Fr("aimer", 1, 0, 1), "?");
}

// A vowel outside a, i, î, u, û became a NUL character (ouïr).
TEST(Corrections, SubjonctifImparfaitSansCaractereNul) {
  const std::string f = ConjugueVerbe(Cp("ouïr"), Il, TTempsFr::Imparfait, TModeFr::Subjonctif,
                                      TVoixFr::Actif, false);
  EXPECT_EQ(f.find('\0'), std::string::npos);
  EXPECT_EQ(U8(f), "ouït");
}

// A defective passé simple gave an imperfect subjunctive "t" or "se".
TEST(Corrections, SubjonctifImparfaitDUnPasseSimpleAbsentEstVide) {
  for (const char* v : {"gésir", "clore", "traire", "paître"}) {
    VerifieFormes({{v, 3, 3, 2, 1, ""}, {v, 1, 3, 2, 1, ""}});
  }
}

// The pronoun before an empty form read past the end of it.
TEST(Corrections, PronomDevantUneFormeVide) {
  EXPECT_EQ(TVerbe::Elide("je", ""), "");
  VerifieFormes({{"pleuvoir", 1, 1, 1, 1, "", true},
                 {"pleuvoir", 3, 1, 1, 1, "il pleut", true},
                 {"gésir", 1, 5, 1, 1, "", true}});
}

// Persons outside 1..6 indexed past the tables.
TEST(Corrections, PersonneHorsDesTables) {
  for (int p : {-3, 0, 7}) {
    // clang-format off
    VerifieFormes({
        {"aimer", p, 1, 1, 1, "?", true}, {"aimer", p, 3, 2, 1, "?", true},
        {"aimer", p, 1, 1, 2, "?", true}, {"aimer", p, 1, 4, 1, "erreur"},
        {"aimer", p, 5, 4, 1, "erreur"}, {"aimer", p, 1, 6, 1, "aimant", true},
        {"aimer", p, 5, 5, 1, "avoir aimé", true}, {"venir", p, 1, 1, 1, "?", true},
    });
    // clang-format on
  }
  EXPECT_EQ(TVerbe::Pronoms(-3), "");
  EXPECT_EQ(TVerbe::DesFutur(7), "");
}
