// The class chain: which class each infinitive gets, the first test that
// succeeds deciding.
#include <gtest/gtest.h>

#include <typeinfo>

#include "aide.h"
#include "flexion/verbes_auxiliaires.h"
#include "flexion/verbes_dre.h"
#include "flexion/verbes_er.h"
#include "flexion/verbes_ir.h"
#include "flexion/verbes_ire.h"
#include "flexion/verbes_oir.h"
#include "flexion/verbes_tre.h"

namespace {

template <class Attendue>
::testing::AssertionResult Classe(const std::string& infinitifUtf8) {
  std::unique_ptr<TVerbe> verbe = CreeVerbe(Cp(infinitifUtf8));
  if (!verbe) return ::testing::AssertionFailure() << infinitifUtf8 << " : aucune classe";
  if (typeid(*verbe) != typeid(Attendue))
    return ::testing::AssertionFailure() << infinitifUtf8 << " : " << typeid(*verbe).name();
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(ChaineDesClasses, MotsEntiersAvantLesTerminaisons) {
  EXPECT_TRUE(Classe<TVetre>("être"));
  EXPECT_TRUE(Classe<TVavoir>("avoir"));
  EXPECT_TRUE(Classe<TVpouvoir>("pouvoir"));
  EXPECT_TRUE(Classe<TVvouloir>("vouloir"));
  EXPECT_TRUE(Classe<TValler>("aller"));
  EXPECT_TRUE(Classe<TVir>("asservir"));  // not servir
  EXPECT_TRUE(Classe<TVfaillir>("faillir"));
  EXPECT_TRUE(Classe<TVconfire>("frire"));
  EXPECT_TRUE(Classe<TVconfire>("circoncire"));
  EXPECT_TRUE(Classe<TVgesir>("gésir"));
  EXPECT_TRUE(Classe<TVmourir>("mourir"));
  EXPECT_TRUE(Classe<TVouvrir>("offrir"));
  EXPECT_TRUE(Classe<TVouir>("ouïr"));
  EXPECT_TRUE(Classe<TVrire>("sourire"));
  EXPECT_TRUE(Classe<TVvoir>("prévoir"));
  EXPECT_TRUE(Classe<TVvoir>("revoir"));
  EXPECT_TRUE(Classe<TVsurseoir>("surseoir"));
  EXPECT_TRUE(Classe<TVtaire>("taire"));
  // Equality is exact: a compound goes by its ending.
  EXPECT_TRUE(Classe<TVpourvoir>("pourvoir"));
  EXPECT_TRUE(Classe<TVplaire>("déplaire"));
}

TEST(ChaineDesClasses, VerbesEnEr) {
  EXPECT_TRUE(Classe<TVeter>("acheter"));  // in the list
  EXPECT_TRUE(Classe<TVeter>("geler"));
  EXPECT_TRUE(Classe<TVeter>("lever"));  // -ever
  EXPECT_TRUE(Classe<TVeter>("semer"));  // -emer
  EXPECT_TRUE(Classe<TVebrer>("céder"));
  EXPECT_TRUE(Classe<TVebrer>("célébrer"));
  EXPECT_TRUE(Classe<TVettell>("appeler"));
  EXPECT_TRUE(Classe<TVettell>("jeter"));
  EXPECT_TRUE(Classe<TVyer>("nettoyer"));
  EXPECT_TRUE(Classe<TVerbe>("aimer"));
  EXPECT_TRUE(Classe<TVerbe>("manger"));
}

TEST(ChaineDesClasses, LOrdreDecide) {
  EXPECT_TRUE(Classe<TVnaitre>("connaître"));  // naître before aître
  EXPECT_TRUE(Classe<TVpaitre>("repaître"));
  EXPECT_TRUE(Classe<TVaitre>("paraître"));
  EXPECT_TRUE(Classe<TVasseoir>("asseoir"));
  EXPECT_TRUE(Classe<TVbattre>("combattre"));
  EXPECT_TRUE(Classe<TVcevoir>("recevoir"));
  EXPECT_TRUE(Classe<TVchoir>("déchoir"));
  EXPECT_TRUE(Classe<TVclore>("enclore"));
  EXPECT_TRUE(Classe<TVclure>("conclure"));
  EXPECT_TRUE(Classe<TVcourir>("parcourir"));
  EXPECT_TRUE(Classe<TVcroire>("croire"));
  EXPECT_TRUE(Classe<TVcroitre>("accroître"));
  EXPECT_TRUE(Classe<TVdevoir>("devoir"));
  EXPECT_TRUE(Classe<TVdire>("prédire"));
  EXPECT_TRUE(Classe<TVdormir>("endormir"));
  EXPECT_TRUE(Classe<TVfaire>("défaire"));
  EXPECT_TRUE(Classe<TVecrire>("décrire"));
  EXPECT_TRUE(Classe<TVecrire>("inscrire"));
  EXPECT_TRUE(Classe<TVfuir>("fuir"));
  EXPECT_TRUE(Classe<TVlire>("élire"));
  EXPECT_TRUE(Classe<TVmouvoir>("émouvoir"));
  EXPECT_TRUE(Classe<TVouvrir>("couvrir"));
  EXPECT_TRUE(Classe<TVmettre>("promettre"));
  EXPECT_TRUE(Classe<TVpleuvoir>("pleuvoir"));
  EXPECT_TRUE(Classe<TVprendre>("apprendre"));  // prendre before dre
  EXPECT_TRUE(Classe<TVquerir>("acquérir"));
  EXPECT_TRUE(Classe<TVsavoir>("savoir"));
  EXPECT_TRUE(Classe<TVservir>("servir"));
  EXPECT_TRUE(Classe<TVsoudre>("résoudre"));  // soudre before dre
  EXPECT_TRUE(Classe<TVsuivre>("poursuivre"));
  EXPECT_TRUE(Classe<TVtraire>("extraire"));
  EXPECT_TRUE(Classe<TVvaincre>("convaincre"));
  EXPECT_TRUE(Classe<TVvenir>("venir"));
  EXPECT_TRUE(Classe<TVvenir>("tenir"));
  EXPECT_TRUE(Classe<TVuire>("conduire"));
  EXPECT_TRUE(Classe<TVvaloir>("valoir"));
  EXPECT_TRUE(Classe<TVvivre>("survivre"));
  EXPECT_TRUE(Classe<TVindre>("peindre"));  // indre before dre
  EXPECT_TRUE(Classe<TVcoudre>("coudre"));
  EXPECT_TRUE(Classe<TVmoudre>("moudre"));
  EXPECT_TRUE(Classe<TVdre>("rendre"));
  EXPECT_TRUE(Classe<TVvetir>("vêtir"));
  EXPECT_TRUE(Classe<TVtir>("sortir"));  // tir before ir
  EXPECT_TRUE(Classe<TVir>("finir"));
}

TEST(ChaineDesClasses, CueillirEtSaillirGardentLePresentEnEr) {
  EXPECT_TRUE(Classe<TVcueillir>("cueillir"));
  EXPECT_TRUE(Classe<TVcueillir>("assaillir"));
  EXPECT_EQ(Present("cueillir", 1), "cueille");
}

TEST(ChaineDesClasses, AucuneClasse) {
  EXPECT_EQ(CreeVerbe("chose"), nullptr);
  EXPECT_EQ(CreeVerbe(""), nullptr);
  EXPECT_EQ(Fr("chose", 1, 1, 1, 1, true), "?");
  // Whole-verb tests are case-sensitive.
  EXPECT_EQ(Fr("ÊTRE", 1, 1, 1), "?");
}
