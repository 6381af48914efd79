// Regression tests of the mended faults, one per fault, each named after
// what broke.
#include <gtest/gtest.h>

#include "aide.h"

// "racheger" stood in the list for "racheter", so racheter doubled its t.
TEST(Corrections, RacheterPrendUnEGrave) {
  EXPECT_TRUE(DansVerbes(VerbesEter(), "racheter"));
  EXPECT_FALSE(DansVerbes(VerbesEter(), "racheger"));
  EXPECT_EQ(Fr("racheter", 1, 1, 1, 1, true), "je rachète");
  EXPECT_EQ(Present("racheter", 6), "rachètent");
}

// An indicative tense below 1 recursed without end through the compound rule.
TEST(Corrections, TempsHorsDeUnAHuitTermine) {
  for (int temps : {0, -1, -3, 9, 100})
    for (int mode = 1; mode <= 6; ++mode) {
      const std::string f = Fr("aimer", 1, temps, mode, 1, true);
      EXPECT_TRUE(f == "?" || f == "erreur") << temps << " " << mode << " : " << f;
      EXPECT_EQ(Fr("aimer", 1, temps, mode, 2, true).size() <= 6, true);
    }
  EXPECT_EQ(Fr("aimer", 1, 0, 1), "?");
}

// The participle kept the "se " of the infinitive after the auxiliary:
// "je me suis se lavé".
TEST(Corrections, ComposePronominalSansSeDansLeParticipe) {
  EXPECT_EQ(Fr("se laver", 1, 5, 1, 1, true), "je me suis lavé");
  EXPECT_EQ(Fr("se laver", 4, 7, 1, 1, true), "nous nous étions lavés");
  EXPECT_EQ(Fr("s'asseoir", 3, 5, 1, 1, true), "il s'est assis");
  EXPECT_EQ(Fr("se laver", 1, 5, 1), "suis lavé");
}

// The infinitive and the compound participle of a pronominal verb lost their
// "se": "laver", "étant lavé".
TEST(Corrections, InfinitifEtParticipePronominauxGardentSe) {
  EXPECT_EQ(Fr("se laver", 1, 1, 5), "se laver");
  EXPECT_EQ(Fr("s'asseoir", 1, 1, 5), "s'asseoir");
  EXPECT_EQ(Fr("se laver", 1, 5, 5), "s'être lavé");
  EXPECT_EQ(Fr("se laver", 1, 5, 6), "s'étant lavé");
}

// The imperative of a pronominal verb had no reflexive pronoun: "lave".
TEST(Corrections, ImperatifPronominalAvecPronom) {
  EXPECT_EQ(Imperatif("se laver", 2), "lave-toi");
  EXPECT_EQ(Imperatif("s'asseoir", 4), "asseyons-nous");
  EXPECT_EQ(Imperatif("se laver", 5), "lavez-vous");
  EXPECT_EQ(Imperatif("se laver", 1), "erreur");
}

// An "s'" infinitive is conjugated whole once the apostrophe is kept with it.
TEST(Corrections, InfinitifEnSApostropheSeConjugue) {
  EXPECT_EQ(Fr("s'asseoir", 1, 1, 1, 1, true), "je m'assieds");
  EXPECT_EQ(Fr("s'enfuir", 6, 1, 1, 1, true), "ils s'enfuient");
}

// A vowel outside a, i, î, u, û became a NUL character (ouïr).
TEST(Corrections, SubjonctifImparfaitSansCaractereNul) {
  const std::string f = ConjugueVerbe(Cp("ouïr"), 3, 3, 2, 1, false);
  EXPECT_EQ(f.find('\0'), std::string::npos);
  EXPECT_EQ(U8(f), "ouït");
}

// A defective passé simple gave an imperfect subjunctive "t" or "se".
TEST(Corrections, SubjonctifImparfaitDUnPasseSimpleAbsentEstVide) {
  for (const char* v : {"gésir", "clore", "traire", "paître"}) {
    EXPECT_EQ(SubjImparfait(v, 3), "") << v;
    EXPECT_EQ(SubjImparfait(v, 1), "") << v;
  }
}

// The pronoun before an empty form read past the end of it.
TEST(Corrections, PronomDevantUneFormeVide) {
  EXPECT_EQ(TVerbe::Elide("je", ""), "");
  EXPECT_EQ(Fr("pleuvoir", 1, 1, 1, 1, true), "");
  EXPECT_EQ(Fr("pleuvoir", 3, 1, 1, 1, true), "il pleut");
  EXPECT_EQ(Fr("gésir", 1, 5, 1, 1, true), "");
}

// Persons outside 1..6 indexed past the tables.
TEST(Corrections, PersonneHorsDesTables) {
  for (int p : {-3, 0, 7}) {
    EXPECT_EQ(Fr("aimer", p, 1, 1, 1, true), "?") << p;
    EXPECT_EQ(Fr("aimer", p, 3, 2, 1, true), "?") << p;
    EXPECT_EQ(Fr("aimer", p, 1, 1, 2, true), "?") << p;
    EXPECT_EQ(Fr("aimer", p, 1, 4), "erreur") << p;
    EXPECT_EQ(Fr("aimer", p, 5, 4), "erreur") << p;
    EXPECT_EQ(Fr("aimer", p, 1, 6, 1, true), "aimant") << p;
    EXPECT_EQ(Fr("aimer", p, 5, 5, 1, true), "avoir aimé") << p;
    EXPECT_EQ(Fr("venir", p, 1, 1, 1, true), "?") << p;
  }
  EXPECT_EQ(TVerbe::Pronoms(-3), "");
  EXPECT_EQ(TVerbe::DesFutur(7), "");
}

// "erreur" got a subject pronoun ("j'erreur") or a participle ("erreur aimé").
TEST(Corrections, ErreurResteSeule) {
  EXPECT_EQ(Fr("aimer", 1, 2, 2, 1, true), "erreur");
  EXPECT_EQ(Fr("aimer", 1, 2, 2, 2, true), "erreur");
  EXPECT_EQ(Fr("aimer", 1, 1, 4, 2), "erreur");
}

// Defective stems gave bare endings: "ais", "ions", "ant" for clore, a
// conditional "gésirais" for a verb without future.
TEST(Corrections, VerbeDefectifSansTerminaisonSeule) {
  EXPECT_EQ(Imparfait("clore", 1), "");
  EXPECT_EQ(ParticipePresent("clore"), "");
  EXPECT_EQ(Subjonctif("clore", 4), "");
  EXPECT_EQ(Subjonctif("clore", 1), "close");
  EXPECT_EQ(Fr("gésir", 1, 1, 3), "");
  EXPECT_EQ(Imparfait("choir", 1), "");
  EXPECT_EQ(Imparfait("échoir", 3), "échoyait");
  EXPECT_EQ(ParticipePresent("échoir"), "échéant");
}

// pleuvoir and pouvoir took the stem "pleuvo", "pouvo": "pleuvoait", "pleuvoira".
TEST(Corrections, PleuvoirEtPouvoirSurLeurVraiRadical) {
  EXPECT_EQ(Imparfait("pleuvoir", 3), "pleuvait");
  EXPECT_EQ(Futur("pleuvoir", 3), "pleuvra");
  EXPECT_EQ(ParticipePresent("pleuvoir"), "pleuvant");
  EXPECT_EQ(Imparfait("pouvoir", 1), "pouvais");
  EXPECT_EQ(ParticipePresent("pouvoir"), "pouvant");
}

// Subjunctives from the plain stem: "save", "vale".
TEST(Corrections, SubjonctifsDeSavoirEtValoir) {
  EXPECT_EQ(Subjonctif("savoir", 1), "sache");
  EXPECT_EQ(Subjonctif("savoir", 4), "sachions");
  EXPECT_EQ(Subjonctif("valoir", 3), "vaille");
  EXPECT_EQ(Subjonctif("valoir", 4), "valions");
  EXPECT_EQ(Subjonctif("prévaloir", 3), "prévale");
}

// Forms built from the wrong piece of the infinitive.
TEST(Corrections, FormesIrregulieresRectifiees) {
  EXPECT_EQ(Futur("revoir", 1), "reverrai");     // was revoirai
  EXPECT_EQ(Present("prendre", 6), "prennent");  // was prenent
  EXPECT_EQ(Present("apprendre", 6), "apprennent");
  EXPECT_EQ(PasseSimple("connaître", 1), "connus");  // was connaquis
  EXPECT_EQ(ParticipePasse("connaître"), "connu");   // was conné
  EXPECT_EQ(ParticipePasse("reconnaître"), "reconnu");
  EXPECT_EQ(ParticipePasse("vaincre"), "vaincu");  // was vainu
  EXPECT_EQ(Futur("asseoir", 1), "assiérai");      // was asseoirai
  EXPECT_EQ(Present("redire", 5), "redites");      // was redisez
}

// The present participle skipped the join: "mangant", "commencant".
TEST(Corrections, ParticipePresentAvecCedilleEtE) {
  EXPECT_EQ(ParticipePresent("manger"), "mangeant");
  EXPECT_EQ(ParticipePresent("commencer"), "commençant");
}

// cueillir and saillir took the -er passé simple and participle: "cueilla",
// "cueillé".
TEST(Corrections, CueillirAuPasseEnIs) {
  EXPECT_EQ(PasseSimple("cueillir", 3), "cueillit");
  EXPECT_EQ(ParticipePasse("cueillir"), "cueilli");
  EXPECT_EQ(Futur("cueillir", 1), "cueillerai");
  EXPECT_EQ(Futur("accueillir", 1), "accueillerai");
  EXPECT_EQ(Futur("assaillir", 1), "assaillirai");
  EXPECT_EQ(PasseSimple("tressaillir", 1), "tressaillis");
}

// The imperative kept the s of "tu ouvres", "tu cueilles".
TEST(Corrections, ImperatifSansSDesPresentsEnEs) {
  EXPECT_EQ(Imperatif("ouvrir", 2), "ouvre");
  EXPECT_EQ(Imperatif("offrir", 2), "offre");
  EXPECT_EQ(Imperatif("cueillir", 2), "cueille");
  EXPECT_EQ(Imperatif("finir", 2), "finis");
}

// A pronominal infinitive never matched the whole-verb tests nor the list of
// è verbs: "se taire" had no class, "s'acheter" doubled its t.
TEST(Corrections, PronominauxDesVerbesNommes) {
  EXPECT_EQ(Fr("se taire", 1, 1, 1, 1, true), "je me tais");
  EXPECT_EQ(Fr("se voir", 3, 2, 1, 1, true), "il se verra");
  EXPECT_EQ(Fr("s'offrir", 3, 5, 1, 1, true), "il s'est offert");
  EXPECT_EQ(Fr("s'acheter", 1, 1, 1, 1, true), "je m'achète");
  EXPECT_EQ(Fr("se dire", 5, 1, 1, 1, true), "vous vous dites");
}

// Every -tir verb went the way of sortir: "j'avers", "je bâs".
TEST(Corrections, VerbesEnTirAvecIss) {
  EXPECT_EQ(Present("avertir", 1), "avertis");
  EXPECT_EQ(Present("bâtir", 4), "bâtissons");
  EXPECT_EQ(Present("assortir", 4), "assortissons");
  EXPECT_EQ(Present("répartir", 1), "répartis");
  EXPECT_EQ(Present("partir", 1), "pars");
  EXPECT_EQ(Present("consentir", 4), "consentons");
  EXPECT_EQ(Fr("se repentir", 1, 1, 1, 1, true), "je me repens");
}

// Verbs no class fitted, or fitted wrongly: "il falloit", "je souffris".
TEST(Corrections, FalloirEtSouffrir) {
  EXPECT_EQ(Fr("falloir", 3, 1, 1, 1, true), "il faut");
  EXPECT_EQ(Fr("falloir", 3, 2, 1, 1, true), "il faudra");
  EXPECT_EQ(Fr("falloir", 3, 3, 1, 1, true), "il fallait");
  EXPECT_EQ(Fr("falloir", 3, 5, 1, 1, true), "il a fallu");
  EXPECT_EQ(Subjonctif("falloir", 3), "faille");
  EXPECT_EQ(Present("souffrir", 1), "souffre");
  EXPECT_EQ(ParticipePasse("souffrir"), "souffert");
}

// Compounds that do not follow their simple verb: "maudisons", "dissolu",
// "accrût", "envoiera".
TEST(Corrections, ComposesQuiSEcartent) {
  EXPECT_EQ(Present("maudire", 4), "maudissons");
  EXPECT_EQ(ParticipePasse("maudire"), "maudit");
  EXPECT_EQ(ParticipePasse("dissoudre"), "dissous");
  EXPECT_EQ(ParticipePasse("absoudre"), "absous");
  EXPECT_EQ(ParticipePasse("résoudre"), "résolu");
  EXPECT_EQ(PasseSimple("accroître", 3), "accrut");
  EXPECT_EQ(PasseSimple("accroître", 4), "accrûmes");
  EXPECT_EQ(ParticipePasse("décroître"), "décru");
  EXPECT_EQ(SubjImparfait("accroître", 3), "accrût");
  EXPECT_EQ(PasseSimple("croître", 4), "crûmes");
  EXPECT_EQ(Futur("envoyer", 1), "enverrai");
  EXPECT_EQ(Futur("renvoyer", 3), "renverra");
}
