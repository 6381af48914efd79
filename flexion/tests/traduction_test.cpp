// The French rendering of analyses: the Latin categories mapped onto the
// French numbering, the infinitive kept from the meaning, one form per reading.
#include "flexion/traduction.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "flexion/tests/aide.h"
#include "lexical/erreur.h"
#include "lexical/vocabulaire.h"
#include "morpho/tests/petit_lexique.h"

namespace {

using namespace traits;
constexpr Morpho Fut = Trait::Futur, Impf = Trait::Imparfait;
constexpr Morpho Imper = Trait::Imperatif, Gerondif = Trait::Gerondif;

// An analysis of a verb with the given meaning and readings.
TAnalyse Analyse(const std::string& sensUtf8, std::initializer_list<Morpho> lectures) {
  TAnalyse a("forme", Cp("amo, as, are, aui, atum : " + sensUtf8));
  for (Morpho m : lectures) a.Numeros.push_back(TDef{ModeleParNom("amo"), 0, m});
  return a;
}

std::string Rendu(const std::string& sens, std::initializer_list<Morpho> lectures) {
  return U8(TraduitAnalyse(Analyse(sens, lectures)));
}

}  // namespace

TEST(Correspondance, PersonneTempsMode) {
  for (auto [personne, nombre, fr] : {std::tuple{0, 0, 1}, {2, 1, 6}, {-1, -1, -3}, {-1, 1, 3}})
    EXPECT_EQ(PersonneFr(personne, nombre), fr) << personne << " " << nombre;
  for (auto [latin, fr] : {std::pair{0, 1}, {2, 3}, {3, 5}, {5, 7}, {-1, 0}})
    EXPECT_EQ(static_cast<int>(TempsFr(latin)), fr) << latin;
  for (auto [latin, fr] : {std::pair{0, 1}, {1, 2}, {2, 4}, {4, 6}, {6, 8}, {-1, 1}})
    EXPECT_EQ(static_cast<int>(ModeFr(latin)), fr) << latin;
}

TEST(SensApresDeuxPoints, PartieApresLePremierDeuxPoints) {
  EXPECT_EQ(SensApresDeuxPoints("as, are : aimer, ch\xE9rir  "), "aimer, ch\xE9rir");
  EXPECT_EQ(SensApresDeuxPoints("a : b : c"), "b : c");
  EXPECT_EQ(SensApresDeuxPoints("  sans deux points "), "sans deux points");
  EXPECT_EQ(SensApresDeuxPoints("fin :"), "");
}

TEST(InfinitifDuSens, PremierVerbeAvecSonPronom) {
  EXPECT_EQ(InfinitifDuSens("aimer, ch\xE9rir"), "aimer");
  EXPECT_EQ(InfinitifDuSens("se laver, se baigner"), "se laver");
  EXPECT_EQ(InfinitifDuSens("s'asseoir"), "s'asseoir");
  EXPECT_EQ(InfinitifDuSens("(vieilli) aimer"), "");
}

TEST(TraduitAnalyse, UneFormeParLecture) {
  EXPECT_EQ(Rendu("aimer", {P3 | Sg | Pres | Ind | Actif}), "il aime ");
  EXPECT_EQ(Rendu("aimer, chérir", {P1 | Pl | Parf | Ind | Actif}), "nous avons aimé ");
  EXPECT_EQ(Rendu("aimer", {P3 | Sg | Impf | Subj | Actif}), "il aimât ");
  EXPECT_EQ(Rendu("aimer", {Pres | Inf | Actif}), "aimer ");
  EXPECT_EQ(Rendu("aimer", {Parf | Inf | Actif}), "avoir aimé ");
  EXPECT_EQ(Rendu("aimer", {Pres | Part | Actif | Nom | Sg}), "aimant ");
  EXPECT_EQ(Rendu("aimer", {Parf | Part | Passif | Nom | Sg}), "ayant été aimé ");
  EXPECT_EQ(Rendu("aimer", {P3 | Pl | Fut | Ind | Passif}), "ils seront aimés ");
  EXPECT_EQ(Rendu("aimer", {P2 | Sg | Pres | Imper | Actif}), "aime ");
  // An ambiguous form: its readings in order, a French form shown once.
  EXPECT_EQ(Rendu("aimer", {P3 | Sg | Pres | Ind | Actif, P3 | Sg | Pres | Subj | Actif}),
            "il aime ");
  EXPECT_EQ(Rendu("aimer", {P3 | Sg | Pres | Ind | Actif, P3 | Pl | Pres | Ind | Actif}),
            "il aime ils aiment ");
  EXPECT_EQ(Rendu("se laver", {P1 | Sg | Pres | Ind | Actif}), "je me lave ");
  EXPECT_EQ(Rendu("se laver", {P3 | Sg | Parf | Ind | Actif}), "il s'est lavé ");
}

// "s'asseoir" became "s'" alone, which no class conjugates.
TEST(TraduitAnalyse, InfinitifEnSApostropheJointAuMotSuivant) {
  EXPECT_EQ(Rendu("s'asseoir", {P1 | Sg | Pres | Ind | Actif}), "je m'assieds ");
}

// The character after the colon was dropped unseen: "as:aimer" gave "imer".
TEST(TraduitAnalyse, SensColleAuDeuxPoints) {
  TAnalyse a("amat", "amo, as, are:aimer");
  a.Numeros.push_back(TDef{ModeleParNom("amo"), 0, P3 | Sg | Pres | Ind | Actif});
  EXPECT_EQ(TraduitAnalyse(a), "il aime ");
}

TEST(TraduitAnalyse, CasSansRendu) {
  TAnalyse inconnue("x", " ? ");
  inconnue.Numeros.push_back(TDef{0, 0, P3 | Sg | Pres | Ind | Actif});
  EXPECT_EQ(TraduitAnalyse(inconnue), "");
  // No verb class: "?" per reading.
  EXPECT_EQ(Rendu("chose", {P3 | Sg | Pres | Ind | Actif}), "? ");
  EXPECT_EQ(Rendu("aimer", {Gerondif | Actif | Abl}), "? ");
  // A noun reading has no voice and renders nothing.
  TAnalyse nom("amor", Cp("amor, oris, m. : amour"));
  nom.Numeros.push_back(TDef{ModeleParNom("miles"), 0, Nom | Sg | Masc});
  EXPECT_EQ(TraduitAnalyse(nom), "");
  // A reading without person in a personal mood never fails.
  EXPECT_EQ(Rendu("aimer", {Pres | Ind | Actif}), "? ");
  // A defective form is left out.
  EXPECT_EQ(Rendu("pleuvoir", {P1 | Sg | Pres | Ind | Actif}), "");
}

TEST(Traduction, ChaqueAnalyseDuMot) {
  PetitLexique lexique;
  lexique.Entree("amo", "amo", -1, "amau", "amat", Cp("as, are, aui, atum : aimer, chérir"))
      .Desinence("at", "amo", 1, P3 | Sg | Pres | Ind | Actif)
      .Installe();
  EXPECT_EQ(U8(Traduction("amat")), "il aime  ");
  EXPECT_EQ(Traduction("xyz"), "");
  EXPECT_EQ(Traduction(""), "");
}

TEST(Traduction, SansLexiqueErreur) {
  LiberLexique();
  EXPECT_THROW(Traduction("amat"), Erreur);
}

// The Latin future imperative rendered "? erreur": the second persons go to
// the imperative, the third to the subjunctive with "qu'".
TEST(TraduitAnalyse, ImperatifFutur) {
  EXPECT_EQ(Rendu("savoir", {P2 | Sg | Fut | Imper | Actif}), "sache ");
  EXPECT_EQ(Rendu("être", {P2 | Pl | Fut | Imper | Actif}), "soyez ");
  EXPECT_EQ(Rendu("être", {P3 | Sg | Fut | Imper | Actif}), "qu'il soit ");
  EXPECT_EQ(Rendu("aimer", {P3 | Pl | Fut | Imper | Actif}), "qu'ils aiment ");
  EXPECT_EQ(Rendu("aimer", {P3 | Sg | Fut | Imper | Passif}), "qu'il soit aimé ");
}

// The first meaning is conjugated whole: "ils sont" for absunt, "il se met"
// for irascitur.
TEST(TraduitAnalyse, SensAvecSonComplement) {
  const std::tuple<const char*, Morpho, const char*> cas[] = {
      {"être absent, être loin", P3 | Pl | Pres | Ind | Actif, "ils sont absents "},
      {"être absent", P1 | Sg | Parf | Ind | Actif, "j'ai été absent "},
      {"être capable de (+ inf.)", P1 | Pl | Pres | Ind | Actif, "nous sommes capables de "},
      {"être là, assister", P3 | Pl | Pres | Ind | Actif, "ils sont là "},
      {"être en colère", P3 | Pl | Impf | Ind | Actif, "ils étaient en colère "},
      {"se mettre en colère", P3 | Sg | Pres | Ind | Actif, "il se met en colère "},
      {"avoir l'habitude de", P3 | Sg | Pres | Ind | Actif, "il a l'habitude de "},
      {"être absent", Pres | Inf | Actif, "être absent "},
      // A passive leaves the complement aside: it followed the active verb.
      {"prendre soin de", P3 | Sg | Pres | Ind | Passif, "il est pris "},
  };
  for (const auto& [sens, lecture, attendu] : cas)
    EXPECT_EQ(Rendu(sens, {lecture}), attendu) << sens;
  const TSensVerbal v = SensVerbal(Cp("s'enfuir au loin, fuir"));
  EXPECT_EQ(v.Infinitif, "s'enfuir");
  EXPECT_EQ(v.Complement, "au loin");
  EXPECT_EQ(PremierSens(Cp("de (+ abl.), depuis")), "de");
}

// "il est été", "il est nui", "il est dormi": a passive French lacks.
TEST(TraduitAnalyse, PassifSansPassifFrancais) {
  const std::tuple<const char*, Morpho, const char*> cas[] = {
      {"aller, marcher", P3 | Sg | Pres | Ind | Passif, "on va "},
      {"dormir", P3 | Sg | Impf | Subj | Passif, "on dormît "},
      {"nuire", P3 | Sg | Parf | Ind | Passif, "on a nui "},
      {"venir", P3 | Sg | Parf | Ind | Passif, "on est venu "},
      {"se battre", P3 | Sg | Pres | Ind | Passif, "on se bat "},
      {"être", P3 | Sg | Pres | Ind | Passif, "on est "},
      {"dormir", P1 | Sg | Pres | Ind | Passif, ""},
      {"dormir", Parf | Part | Passif | Nom | Sg, ""},
      {"avoir, posséder, tenir", P3 | Pl | Pres | Ind | Passif, "ils sont possédés "},
      {"avoir", P3 | Sg | Pres | Ind | Passif, ""},
  };
  for (const auto& [sens, lecture, attendu] : cas)
    EXPECT_EQ(Rendu(sens, {lecture}), attendu) << sens;
}

// "je suis il est" for licet: an impersonal entry has no first or second
// person.
TEST(TraduitAnalyse, EntreeImpersonnelle) {
  TAnalyse a("licet", Cp("licet, ere, uit, impers. : être permis, pouvoir"));
  for (Morpho m :
       {P1 | Sg | Pres | Ind | Actif, P3 | Sg | Pres | Ind | Actif, P2 | Pl | Pres | Ind | Actif})
    a.Numeros.push_back(TDef{ModeleParNom("moneo"), 0, m});
  EXPECT_EQ(U8(TraduitAnalyse(a)), "il est permis ");
}
