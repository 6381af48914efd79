// The verb classes: the class the chain gives each infinitive (the first
// test that succeeds deciding) and the characteristic forms of its pattern.
#include <gtest/gtest.h>

#include <iterator>
#include <typeinfo>
#include <utility>
#include <vector>

#include "flexion/tests/aide.h"
#include "flexion/verbes_auxiliaires.h"
#include "flexion/verbes_dre.h"
#include "flexion/verbes_er.h"
#include "flexion/verbes_ir.h"
#include "flexion/verbes_ire.h"
#include "flexion/verbes_oir.h"
#include "flexion/verbes_tre.h"

namespace {

// A verb of the chart: its class (nullptr: not checked) and forms without
// pronoun; nullptr where nothing is checked, "" where the verb lacks the form.
struct Verbe {
  const char* infinitif;
  const std::type_info* classe;
  const char *present1, *present3, *present4, *present6, *futur1, *passe1, *subjonctif1, *participe;
};

// clang-format off
constexpr const char* nc = nullptr;  // not checked
const Verbe kTableau[] = {
    // Whole verbs come before the endings.
    {"être", &typeid(TVetre), nc, nc, nc, nc, "serai", "fus", "sois", "été"},
    {"avoir", &typeid(TVavoir), nc, nc, nc, nc, "aurai", "eus", "aie", "eu"},
    {"aller", &typeid(TValler), "vais", nc, nc, "vont", "irai", nc, "aille", nc},
    {"pouvoir", &typeid(TVpouvoir), "peux", nc, nc, nc, "pourrai", "pus", "puisse", "pu"},
    {"vouloir", &typeid(TVvouloir), "veux", nc, "voulons", "veulent", "voudrai", "voulus", "veuille", "voulu"},
    // -er: the listed -eter/-eler and -ever, -emer take è; é -> è; doubling; y -> i.
    {"aimer", &typeid(TVerbe), nc, nc, nc, nc, nc, nc, nc, "aimé"},
    {"acheter", &typeid(TVeter), "achète", nc, "achetons", "achètent", nc, nc, nc, nc},
    {"geler", &typeid(TVeter), nc, "gèle", nc, nc, nc, nc, nc, nc},
    {"lever", &typeid(TVeter), "lève", nc, nc, nc, nc, nc, nc, nc},
    {"appeler", &typeid(TVettell), nc, "appelle", "appelons", nc, nc, nc, nc, nc},
    {"jeter", &typeid(TVettell), nc, nc, nc, "jettent", nc, nc, nc, nc},
    {"céder", &typeid(TVebrer), "cède", nc, nc, nc, "céderai", nc, nc, nc},
    {"espérer", nullptr, nc, nc, nc, "espèrent", nc, nc, nc, nc},
    {"nettoyer", &typeid(TVyer), nc, nc, nc, "nettoient", nc, nc, nc, nc},
    {"employer", nullptr, "emploie", nc, nc, nc, nc, nc, nc, nc},
    // -ir; asservir is not servir, tir comes before ir.
    {"finir", &typeid(TVir), "finis", nc, "finissons", nc, nc, "finis", nc, "fini"},
    {"servir", &typeid(TVservir), "sers", nc, "servons", nc, nc, nc, nc, nc},
    {"sortir", &typeid(TVtir), "sors", nc, "sortons", nc, nc, "sortis", nc, "sorti"},
    {"bouillir", nullptr, "bous", nc, "bouillons", nc, nc, nc, nc, nc},
    {"courir", nullptr, nc, nc, nc, nc, "courrai", "courus", nc, "couru"},
    {"dormir", nullptr, "dors", "dort", "dormons", nc, nc, nc, nc, nc},
    {"faillir", &typeid(TVfaillir), "faux", nc, "faillons", nc, nc, nc, nc, nc},
    {"fuir", &typeid(TVfuir), "fuis", nc, "fuyons", nc, nc, nc, nc, nc},
    {"mourir", &typeid(TVmourir), "meurs", nc, "mourons", nc, "mourrai", "mourus", nc, "mort"},
    {"ouïr", &typeid(TVouir), "ois", nc, "oyons", nc, nc, "ouïs", nc, "ouï"},
    {"acquérir", &typeid(TVquerir), "acquiers", nc, "acquérons", "acquièrent", "acquerrai", nc, nc, "acquis"},
    {"vêtir", &typeid(TVvetir), "vêts", "vêt", "vêtons", nc, nc, nc, nc, "vêtu"},
    {"gésir", &typeid(TVgesir), "gis", "gît", "gisons", nc, nc, nc, nc, nc},
    {"venir", &typeid(TVvenir), "viens", nc, "venons", "viennent", "viendrai", "vins", nc, "venu"},
    {"tenir", &typeid(TVvenir), "tiens", nc, nc, nc, nc, nc, nc, nc},
    // Present in -er, passé in -is.
    {"ouvrir", nullptr, "ouvre", nc, nc, nc, nc, "ouvris", nc, "ouvert"},
    {"offrir", &typeid(TVouvrir), nc, nc, nc, nc, nc, nc, nc, "offert"},
    {"cueillir", &typeid(TVcueillir), "cueille", nc, nc, nc, nc, nc, nc, nc},
    // -oir.
    {"recevoir", &typeid(TVcevoir), "reçois", nc, "recevons", "reçoivent", "recevrai", "reçus", nc, "reçu"},
    {"choir", nullptr, "chois", "choit", "", nc, nc, nc, "", "chu"},
    {"déchoir", &typeid(TVchoir), nc, nc, "déchoyons", nc, nc, nc, nc, nc},
    {"devoir", &typeid(TVdevoir), "dois", nc, "devons", "doivent", "devrai", "dus", nc, "dû"},
    {"mouvoir", nullptr, "meus", nc, "mouvons", "meuvent", nc, "mus", nc, "mû"},
    {"émouvoir", &typeid(TVmouvoir), nc, nc, nc, nc, nc, nc, nc, "ému"},
    {"pleuvoir", &typeid(TVpleuvoir), "", "pleut", nc, "pleuvent", nc, nc, "", "plu"},
    {"pourvoir", &typeid(TVpourvoir), "pourvois", nc, "pourvoyons", nc, nc, "pourvus", nc, "pourvu"},
    {"voir", nullptr, "vois", nc, "voyons", nc, "verrai", "vis", nc, "vu"},
    {"prévoir", &typeid(TVvoir), nc, nc, nc, nc, "prévoirai", nc, nc, nc},
    {"savoir", &typeid(TVsavoir), "sais", nc, "savons", nc, "saurai", "sus", nc, "su"},
    {"surseoir", &typeid(TVsurseoir), "sursois", nc, "sursoyons", nc, nc, nc, nc, "sursis"},
    {"valoir", &typeid(TVvaloir), "vaux", "vaut", "valons", nc, "vaudrai", "valus", nc, "valu"},
    {"asseoir", &typeid(TVasseoir), "assieds", "assied", "asseyons", nc, nc, nc, nc, "assis"},
    // -ire, -aire, -ore, -ure; déplaire goes by its ending, whole verbs being exact.
    {"boire", nullptr, "bois", nc, "buvons", "boivent", nc, "bus", nc, "bu"},
    {"clore", nullptr, "clos", "clôt", "", "closent", nc, "", nc, "clos"},
    {"enclore", &typeid(TVclore), nc, nc, "enclosons", nc, nc, nc, nc, nc},
    {"conclure", &typeid(TVclure), "conclus", nc, nc, nc, nc, nc, nc, "conclu"},
    {"confire", nullptr, "confis", nc, "confisons", nc, nc, nc, nc, "confit"},
    {"croire", &typeid(TVcroire), "crois", nc, "croyons", nc, nc, "crus", nc, "cru"},
    {"dire", nullptr, "dis", nc, "disons", nc, nc, "dis", nc, "dit"},
    {"écrire", nullptr, "écris", nc, "écrivons", nc, nc, "écrivis", nc, "écrit"},
    {"faire", nullptr, "fais", nc, "faisons", "font", "ferai", "fis", "fasse", "fait"},
    {"lire", nullptr, "lis", nc, "lisons", nc, nc, "lus", nc, "lu"},
    {"taire", &typeid(TVtaire), "tais", nc, "taisons", nc, nc, "tus", nc, "tu"},
    {"plaire", nullptr, "plais", "plaît", "plaisons", nc, nc, "plus", nc, "plu"},
    {"rire", nullptr, "ris", nc, nc, nc, nc, nc, nc, "ri"},
    {"traire", nullptr, "trais", nc, "trayons", nc, nc, "", nc, "trait"},
    {"conduire", &typeid(TVuire), "conduis", nc, "conduisons", nc, nc, "conduisis", nc, "conduit"},
    {"luire", nullptr, nc, nc, nc, nc, nc, nc, nc, "lui"},
    {"nuire", nullptr, nc, nc, nc, nc, nc, nc, nc, "nui"},
    // -tre, -vre, -cre; naître comes before aître.
    {"paraître", &typeid(TVaitre), "parais", "paraît", "paraissons", nc, nc, "parus", nc, "paru"},
    {"naître", nullptr, "nais", nc, nc, nc, nc, "naquis", nc, "né"},
    {"repaître", &typeid(TVpaitre), nc, nc, nc, nc, nc, "repus", nc, "repu"},
    {"paître", nullptr, nc, nc, nc, nc, nc, "", nc, nc},
    {"croître", nullptr, "croîs", nc, "croissons", nc, nc, "crûs", nc, "crû"},
    {"mettre", nullptr, "mets", "met", "mettons", nc, nc, "mis", nc, "mis"},
    {"battre", nullptr, "bats", "bat", "battons", nc, nc, nc, nc, "battu"},
    {"suivre", nullptr, "suis", nc, "suivons", nc, nc, "suivis", nc, "suivi"},
    {"vivre", nullptr, "vis", nc, "vivons", nc, nc, "vécus", nc, "vécu"},
    {"vaincre", nullptr, "vaincs", "vainc", "vainquons", nc, nc, "vainquis", nc, nc},
    // -dre; prendre, soudre and indre come before dre.
    {"rendre", &typeid(TVdre), "rends", "rend", nc, nc, nc, "rendis", nc, "rendu"},
    {"coudre", &typeid(TVcoudre), "couds", "coud", "cousons", nc, nc, "cousis", nc, "cousu"},
    {"moudre", &typeid(TVmoudre), "mouds", nc, "moulons", nc, nc, "moulus", nc, "moulu"},
    {"prendre", nullptr, "prends", nc, "prenons", nc, nc, "pris", "prenne", "pris"},
    {"peindre", &typeid(TVindre), "peins", nc, "peignons", nc, nc, "peignis", nc, "peint"},
    {"résoudre", &typeid(TVsoudre), "résous", nc, "résolvons", nc, nc, "résolus", nc, nc},
};

// Infinitives checked for their class alone: compounds that go by their
// ending, and endings a longer one must come before.
const std::pair<const char*, const std::type_info*> kClasses[] = {
    {"manger", &typeid(TVerbe)}, {"semer", &typeid(TVeter)}, {"célébrer", &typeid(TVebrer)},
    {"asservir", &typeid(TVir)}, {"parcourir", &typeid(TVcourir)}, {"endormir", &typeid(TVdormir)},
    {"couvrir", &typeid(TVouvrir)}, {"assaillir", &typeid(TVcueillir)}, {"revoir", &typeid(TVvoir)},
    {"frire", &typeid(TVconfire)}, {"circoncire", &typeid(TVconfire)}, {"prédire", &typeid(TVdire)},
    {"décrire", &typeid(TVecrire)}, {"inscrire", &typeid(TVecrire)}, {"défaire", &typeid(TVfaire)},
    {"élire", &typeid(TVlire)}, {"déplaire", &typeid(TVplaire)}, {"sourire", &typeid(TVrire)},
    {"extraire", &typeid(TVtraire)}, {"connaître", &typeid(TVnaitre)},
    {"accroître", &typeid(TVcroitre)}, {"promettre", &typeid(TVmettre)},
    {"combattre", &typeid(TVbattre)}, {"poursuivre", &typeid(TVsuivre)},
    {"survivre", &typeid(TVvivre)}, {"convaincre", &typeid(TVvaincre)},
    {"apprendre", &typeid(TVprendre)},
};
// clang-format on

}  // namespace

TEST(Classes, LaChaineDonneLaClasse) {
  std::vector<std::pair<const char*, const std::type_info*>> cas(std::begin(kClasses),
                                                                 std::end(kClasses));
  for (const Verbe& v : kTableau)
    if (v.classe) cas.emplace_back(v.infinitif, v.classe);
  for (const auto& [infinitif, classe] : cas) {
    const std::unique_ptr<TVerbe> verbe = CreeVerbe(Cp(infinitif));
    ASSERT_NE(verbe, nullptr) << infinitif;
    EXPECT_TRUE(typeid(*verbe) == *classe) << infinitif << " : " << typeid(*verbe).name();
  }
}

TEST(Classes, FormesCaracteristiques) {
  for (const Verbe& v : kTableau) {
    SCOPED_TRACE(v.infinitif);
    const struct {
      const char* attendue;
      int personne, temps, mode;
    } colonnes[] = {{v.present1, 1, 1, 1},   {v.present3, 3, 1, 1}, {v.present4, 4, 1, 1},
                    {v.present6, 6, 1, 1},   {v.futur1, 1, 2, 1},   {v.passe1, 1, 4, 1},
                    {v.subjonctif1, 1, 1, 2}};
    for (const auto& c : colonnes)
      if (c.attendue) {
        EXPECT_EQ(Fr(v.infinitif, c.personne, c.temps, c.mode), c.attendue)
            << c.personne << " " << c.temps << " " << c.mode;
      }
    // The participle as the compound infinitive shows it (avoir aimé).
    if (v.participe) {
      const std::string infinitif = Fr(v.infinitif, 1, 5, 5);
      EXPECT_EQ(infinitif.substr(infinitif.find(' ') + 1), v.participe);
    }
  }
}

TEST(Classes, AutresFormesCaracteristiques) {
  // clang-format off
  VerifieFormes({
      {"être", 1, 3, 1, 1, "étais"}, {"être", 5, 1, 1, 1, "êtes"}, {"être", 2, 1, 4, 1, "sois"},
      {"être", 4, 1, 4, 1, "soyons"}, {"être", 1, 1, 4, 1, "erreur"},
      {"être", 3, 3, 2, 1, "fût"}, {"être", 1, 1, 6, 1, "étant"},
      {"avoir", 1, 3, 1, 1, "avais"}, {"avoir", 3, 4, 1, 1, "eut"}, {"avoir", 2, 1, 4, 1, "aie"},
      {"avoir", 3, 3, 2, 1, "eût"}, {"avoir", 1, 1, 6, 1, "ayant"},
      {"aller", 4, 1, 2, 1, "allions"},
      {"aller", 2, 1, 4, 1, "va"}, {"vouloir", 4, 1, 2, 1, "voulions"},
      // The spelling changes before e, es, ent, never before ez, ons, ais.
      {"acheter", 5, 1, 1, 1, "achetez"}, {"acheter", 2, 1, 4, 1, "achète"},
      {"acheter", 1, 3, 1, 1, "achetais"}, {"acheter", 6, 4, 1, 1, "achetèrent"},
      {"mener", 2, 1, 1, 1, "mènes"}, {"jeter", 2, 1, 4, 1, "jette"},
      {"célébrer", 2, 1, 1, 1, "célèbres"}, {"célébrer", 5, 1, 1, 1, "célébrez"},
      {"nettoyer", 5, 1, 1, 1, "nettoyez"}, {"employer", 4, 3, 1, 1, "employions"},
      {"venir", 4, 4, 1, 1, "vînmes"}, {"venir", 1, 3, 2, 1, "vinsse"},
      {"venir", 3, 3, 2, 1, "vînt"}, {"tenir", 4, 4, 1, 1, "tînmes"},
      {"tenir", 1, 5, 1, 1, "j'ai tenu", true}, {"choir", 3, 4, 1, 1, "chut"},
      {"échoir", 3, 1, 2, 1, "échoie"}, {"pleuvoir", 3, 4, 1, 1, "plut"},
      {"pleuvoir", 3, 1, 2, 1, "pleuve"}, {"savoir", 2, 1, 4, 1, "sache"},
      {"savoir", 4, 1, 4, 1, "sachons"}, {"savoir", 1, 1, 6, 1, "sachant"},
      {"boire", 4, 1, 2, 1, "buvions"}, {"dire", 5, 1, 1, 1, "dites"},
      {"prédire", 5, 1, 1, 1, "prédisez"}, {"faire", 5, 1, 1, 1, "faites"},
      {"prendre", 4, 1, 2, 1, "prenions"}, {"naître", 3, 5, 1, 1, "il est né", true},
      {"paître", 1, 5, 5, 1, ""},
  });
  // clang-format on
}

TEST(Classes, AucuneClasse) {
  EXPECT_EQ(CreeVerbe("chose"), nullptr);
  EXPECT_EQ(CreeVerbe(""), nullptr);
  EXPECT_EQ(Fr("chose", 1, 1, 1, 1, true), "?");
  // Whole-verb tests are case-sensitive.
  EXPECT_EQ(Fr("ÊTRE", 1, 1, 1), "?");
}
