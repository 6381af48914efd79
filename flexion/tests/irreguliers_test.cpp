// The irregular classes, each with the characteristic forms of its pattern.
#include <gtest/gtest.h>

#include "aide.h"

TEST(Auxiliaires, Etre) {
  EXPECT_EQ(Futur("être", 1), "serai");
  EXPECT_EQ(Imparfait("être", 1), "étais");
  EXPECT_EQ(PasseSimple("être", 1), "fus");
  EXPECT_EQ(Subjonctif("être", 1), "sois");
  EXPECT_EQ(Present("être", 5), "êtes");
  EXPECT_EQ(Imperatif("être", 2), "sois");
  EXPECT_EQ(Imperatif("être", 4), "soyons");
  EXPECT_EQ(Imperatif("être", 1), "erreur");
  EXPECT_EQ(SubjImparfait("être", 3), "fût");
  EXPECT_EQ(ParticipePresent("être"), "étant");
  EXPECT_EQ(ParticipePasse("être"), "été");
}

TEST(Auxiliaires, Avoir) {
  EXPECT_EQ(Futur("avoir", 1), "aurai");
  EXPECT_EQ(Imparfait("avoir", 1), "avais");
  EXPECT_EQ(PasseSimple("avoir", 1), "eus");
  EXPECT_EQ(PasseSimple("avoir", 3), "eut");
  EXPECT_EQ(Subjonctif("avoir", 1), "aie");
  EXPECT_EQ(Imperatif("avoir", 2), "aie");
  EXPECT_EQ(SubjImparfait("avoir", 3), "eût");
  EXPECT_EQ(ParticipePresent("avoir"), "ayant");
  EXPECT_EQ(ParticipePasse("avoir"), "eu");
}

TEST(Auxiliaires, Aller) {
  EXPECT_EQ(Futur("aller", 1), "irai");
  EXPECT_EQ(Present("aller", 1), "vais");
  EXPECT_EQ(Present("aller", 6), "vont");
  EXPECT_EQ(Subjonctif("aller", 1), "aille");
  EXPECT_EQ(Subjonctif("aller", 4), "allions");
  EXPECT_EQ(Imperatif("aller", 2), "va");
}

TEST(FamilleSst, VerbesEnIr) {
  EXPECT_EQ(Present("finir", 1), "finis");
  EXPECT_EQ(Present("finir", 4), "finissons");
  EXPECT_EQ(PasseSimple("finir", 1), "finis");
  EXPECT_EQ(ParticipePasse("finir"), "fini");
  EXPECT_EQ(Present("sortir", 1), "sors");
  EXPECT_EQ(Present("sortir", 4), "sortons");
  EXPECT_EQ(PasseSimple("sortir", 1), "sortis");
  EXPECT_EQ(ParticipePasse("sortir"), "sorti");
  EXPECT_EQ(Present("bouillir", 1), "bous");
  EXPECT_EQ(Present("bouillir", 4), "bouillons");
  EXPECT_EQ(Futur("courir", 1), "courrai");
  EXPECT_EQ(PasseSimple("courir", 1), "courus");
  EXPECT_EQ(ParticipePasse("courir"), "couru");
  EXPECT_EQ(Present("dormir", 1), "dors");
  EXPECT_EQ(Present("dormir", 3), "dort");
  EXPECT_EQ(Present("dormir", 4), "dormons");
  EXPECT_EQ(Present("faillir", 1), "faux");
  EXPECT_EQ(Present("faillir", 4), "faillons");
  EXPECT_EQ(Present("fuir", 1), "fuis");
  EXPECT_EQ(Present("fuir", 4), "fuyons");
  EXPECT_EQ(Present("mourir", 1), "meurs");
  EXPECT_EQ(Present("mourir", 4), "mourons");
  EXPECT_EQ(Futur("mourir", 1), "mourrai");
  EXPECT_EQ(PasseSimple("mourir", 1), "mourus");
  EXPECT_EQ(ParticipePasse("mourir"), "mort");
  EXPECT_EQ(Present("ouïr", 1), "ois");
  EXPECT_EQ(Present("ouïr", 4), "oyons");
  EXPECT_EQ(PasseSimple("ouïr", 1), "ouïs");
  EXPECT_EQ(ParticipePasse("ouïr"), "ouï");
  EXPECT_EQ(Present("acquérir", 1), "acquiers");
  EXPECT_EQ(Present("acquérir", 4), "acquérons");
  EXPECT_EQ(Present("acquérir", 6), "acquièrent");
  EXPECT_EQ(Futur("acquérir", 1), "acquerrai");
  EXPECT_EQ(ParticipePasse("acquérir"), "acquis");
  EXPECT_EQ(Present("servir", 1), "sers");
  EXPECT_EQ(Present("servir", 4), "servons");
  EXPECT_EQ(Present("vêtir", 1), "vêts");
  EXPECT_EQ(Present("vêtir", 3), "vêt");
  EXPECT_EQ(Present("vêtir", 4), "vêtons");
  EXPECT_EQ(ParticipePasse("vêtir"), "vêtu");
  EXPECT_EQ(Present("gésir", 1), "gis");
  EXPECT_EQ(Present("gésir", 3), "gît");
  EXPECT_EQ(Present("gésir", 4), "gisons");
}

TEST(FamilleSst, VenirEtTenir) {
  EXPECT_EQ(Present("venir", 1), "viens");
  EXPECT_EQ(Present("venir", 4), "venons");
  EXPECT_EQ(Present("venir", 6), "viennent");
  EXPECT_EQ(Futur("venir", 1), "viendrai");
  EXPECT_EQ(PasseSimple("venir", 1), "vins");
  EXPECT_EQ(PasseSimple("venir", 4), "vînmes");
  EXPECT_EQ(SubjImparfait("venir", 3), "vînt");
  EXPECT_EQ(SubjImparfait("venir", 1), "vinsse");
  EXPECT_EQ(ParticipePasse("venir"), "venu");
  EXPECT_EQ(Present("tenir", 1), "tiens");
  EXPECT_EQ(PasseSimple("tenir", 4), "tînmes");
  EXPECT_EQ(Fr("tenir", 1, 5, 1, 1, true), "j'ai tenu");
}

TEST(FamilleSst, VerbesEnOir) {
  EXPECT_EQ(Present("recevoir", 1), "reçois");
  EXPECT_EQ(Present("recevoir", 4), "recevons");
  EXPECT_EQ(Present("recevoir", 6), "reçoivent");
  EXPECT_EQ(Futur("recevoir", 1), "recevrai");
  EXPECT_EQ(PasseSimple("recevoir", 1), "reçus");
  EXPECT_EQ(ParticipePasse("recevoir"), "reçu");
  EXPECT_EQ(Present("choir", 1), "chois");
  EXPECT_EQ(Present("choir", 3), "choit");
  EXPECT_EQ(PasseSimple("choir", 3), "chut");
  EXPECT_EQ(ParticipePasse("choir"), "chu");
  EXPECT_EQ(Present("choir", 4), "");
  EXPECT_EQ(Present("déchoir", 4), "déchoyons");
  EXPECT_EQ(Subjonctif("choir", 1), "");
  EXPECT_EQ(Subjonctif("échoir", 3), "échoie");
  EXPECT_EQ(Present("devoir", 1), "dois");
  EXPECT_EQ(Present("devoir", 4), "devons");
  EXPECT_EQ(Present("devoir", 6), "doivent");
  EXPECT_EQ(Futur("devoir", 1), "devrai");
  EXPECT_EQ(PasseSimple("devoir", 1), "dus");
  EXPECT_EQ(ParticipePasse("devoir"), "dû");
  EXPECT_EQ(Present("mouvoir", 1), "meus");
  EXPECT_EQ(Present("mouvoir", 4), "mouvons");
  EXPECT_EQ(Present("mouvoir", 6), "meuvent");
  EXPECT_EQ(PasseSimple("mouvoir", 1), "mus");
  EXPECT_EQ(ParticipePasse("mouvoir"), "mû");
  EXPECT_EQ(ParticipePasse("émouvoir"), "ému");
  EXPECT_EQ(Present("pleuvoir", 1), "");
  EXPECT_EQ(Present("pleuvoir", 3), "pleut");
  EXPECT_EQ(Present("pleuvoir", 6), "pleuvent");
  EXPECT_EQ(PasseSimple("pleuvoir", 3), "plut");
  EXPECT_EQ(Subjonctif("pleuvoir", 3), "pleuve");
  EXPECT_EQ(Subjonctif("pleuvoir", 1), "");
  EXPECT_EQ(ParticipePasse("pleuvoir"), "plu");
  EXPECT_EQ(Present("pouvoir", 1), "peux");
  EXPECT_EQ(Futur("pouvoir", 1), "pourrai");
  EXPECT_EQ(PasseSimple("pouvoir", 1), "pus");
  EXPECT_EQ(Subjonctif("pouvoir", 1), "puisse");
  EXPECT_EQ(ParticipePasse("pouvoir"), "pu");
  EXPECT_EQ(Present("pourvoir", 1), "pourvois");
  EXPECT_EQ(Present("pourvoir", 4), "pourvoyons");
  EXPECT_EQ(PasseSimple("pourvoir", 1), "pourvus");
  EXPECT_EQ(ParticipePasse("pourvoir"), "pourvu");
  EXPECT_EQ(Present("voir", 1), "vois");
  EXPECT_EQ(Present("voir", 4), "voyons");
  EXPECT_EQ(Futur("voir", 1), "verrai");
  EXPECT_EQ(Futur("prévoir", 1), "prévoirai");
  EXPECT_EQ(PasseSimple("voir", 1), "vis");
  EXPECT_EQ(ParticipePasse("voir"), "vu");
  EXPECT_EQ(Present("savoir", 1), "sais");
  EXPECT_EQ(Present("savoir", 4), "savons");
  EXPECT_EQ(Futur("savoir", 1), "saurai");
  EXPECT_EQ(PasseSimple("savoir", 1), "sus");
  EXPECT_EQ(Imperatif("savoir", 2), "sache");
  EXPECT_EQ(Imperatif("savoir", 4), "sachons");
  EXPECT_EQ(ParticipePresent("savoir"), "sachant");
  EXPECT_EQ(ParticipePasse("savoir"), "su");
  EXPECT_EQ(Present("surseoir", 1), "sursois");
  EXPECT_EQ(Present("surseoir", 4), "sursoyons");
  EXPECT_EQ(ParticipePasse("surseoir"), "sursis");
  EXPECT_EQ(Present("valoir", 1), "vaux");
  EXPECT_EQ(Present("valoir", 3), "vaut");
  EXPECT_EQ(Present("valoir", 4), "valons");
  EXPECT_EQ(Futur("valoir", 1), "vaudrai");
  EXPECT_EQ(PasseSimple("valoir", 1), "valus");
  EXPECT_EQ(ParticipePasse("valoir"), "valu");
  EXPECT_EQ(Present("vouloir", 1), "veux");
  EXPECT_EQ(Present("vouloir", 4), "voulons");
  EXPECT_EQ(Present("vouloir", 6), "veulent");
  EXPECT_EQ(Futur("vouloir", 1), "voudrai");
  EXPECT_EQ(PasseSimple("vouloir", 1), "voulus");
  EXPECT_EQ(Subjonctif("vouloir", 1), "veuille");
  EXPECT_EQ(Subjonctif("vouloir", 4), "voulions");
  EXPECT_EQ(ParticipePasse("vouloir"), "voulu");
}

TEST(FamilleSst, VerbesEnIreEtAire) {
  EXPECT_EQ(Present("boire", 1), "bois");
  EXPECT_EQ(Present("boire", 4), "buvons");
  EXPECT_EQ(Present("boire", 6), "boivent");
  EXPECT_EQ(PasseSimple("boire", 1), "bus");
  EXPECT_EQ(Subjonctif("boire", 4), "buvions");
  EXPECT_EQ(ParticipePasse("boire"), "bu");
  EXPECT_EQ(Present("clore", 1), "clos");
  EXPECT_EQ(Present("clore", 3), "clôt");
  EXPECT_EQ(Present("clore", 6), "closent");
  EXPECT_EQ(Present("clore", 4), "");
  EXPECT_EQ(Present("enclore", 4), "enclosons");
  EXPECT_EQ(PasseSimple("clore", 1), "");
  EXPECT_EQ(ParticipePasse("clore"), "clos");
  EXPECT_EQ(Present("conclure", 1), "conclus");
  EXPECT_EQ(ParticipePasse("conclure"), "conclu");
  EXPECT_EQ(Present("confire", 1), "confis");
  EXPECT_EQ(Present("confire", 4), "confisons");
  EXPECT_EQ(ParticipePasse("confire"), "confit");
  EXPECT_EQ(Present("croire", 1), "crois");
  EXPECT_EQ(Present("croire", 4), "croyons");
  EXPECT_EQ(PasseSimple("croire", 1), "crus");
  EXPECT_EQ(ParticipePasse("croire"), "cru");
  EXPECT_EQ(Present("dire", 1), "dis");
  EXPECT_EQ(Present("dire", 4), "disons");
  EXPECT_EQ(Present("dire", 5), "dites");
  EXPECT_EQ(Present("prédire", 5), "prédisez");
  EXPECT_EQ(PasseSimple("dire", 1), "dis");
  EXPECT_EQ(ParticipePasse("dire"), "dit");
  EXPECT_EQ(Present("écrire", 1), "écris");
  EXPECT_EQ(Present("écrire", 4), "écrivons");
  EXPECT_EQ(PasseSimple("écrire", 1), "écrivis");
  EXPECT_EQ(ParticipePasse("écrire"), "écrit");
  EXPECT_EQ(Present("faire", 1), "fais");
  EXPECT_EQ(Present("faire", 4), "faisons");
  EXPECT_EQ(Present("faire", 5), "faites");
  EXPECT_EQ(Present("faire", 6), "font");
  EXPECT_EQ(Futur("faire", 1), "ferai");
  EXPECT_EQ(PasseSimple("faire", 1), "fis");
  EXPECT_EQ(Subjonctif("faire", 1), "fasse");
  EXPECT_EQ(ParticipePasse("faire"), "fait");
  EXPECT_EQ(Present("lire", 1), "lis");
  EXPECT_EQ(Present("lire", 4), "lisons");
  EXPECT_EQ(PasseSimple("lire", 1), "lus");
  EXPECT_EQ(ParticipePasse("lire"), "lu");
  EXPECT_EQ(Present("taire", 1), "tais");
  EXPECT_EQ(Present("taire", 4), "taisons");
  EXPECT_EQ(PasseSimple("taire", 1), "tus");
  EXPECT_EQ(ParticipePasse("taire"), "tu");
  EXPECT_EQ(Present("plaire", 1), "plais");
  EXPECT_EQ(Present("plaire", 3), "plaît");
  EXPECT_EQ(Present("plaire", 4), "plaisons");
  EXPECT_EQ(PasseSimple("plaire", 1), "plus");
  EXPECT_EQ(ParticipePasse("plaire"), "plu");
  EXPECT_EQ(Present("rire", 1), "ris");
  EXPECT_EQ(ParticipePasse("rire"), "ri");
  EXPECT_EQ(Present("traire", 1), "trais");
  EXPECT_EQ(Present("traire", 4), "trayons");
  EXPECT_EQ(PasseSimple("traire", 1), "");
  EXPECT_EQ(ParticipePasse("traire"), "trait");
  EXPECT_EQ(Present("conduire", 1), "conduis");
  EXPECT_EQ(Present("conduire", 4), "conduisons");
  EXPECT_EQ(PasseSimple("conduire", 1), "conduisis");
  EXPECT_EQ(ParticipePasse("conduire"), "conduit");
  EXPECT_EQ(ParticipePasse("luire"), "lui");
  EXPECT_EQ(ParticipePasse("nuire"), "nui");
}

TEST(FamilleSst, VerbesEnTreVreCre) {
  EXPECT_EQ(Present("paraître", 1), "parais");
  EXPECT_EQ(Present("paraître", 3), "paraît");
  EXPECT_EQ(Present("paraître", 4), "paraissons");
  EXPECT_EQ(PasseSimple("paraître", 1), "parus");
  EXPECT_EQ(ParticipePasse("paraître"), "paru");
  EXPECT_EQ(Present("naître", 1), "nais");
  EXPECT_EQ(PasseSimple("naître", 1), "naquis");
  EXPECT_EQ(ParticipePasse("naître"), "né");
  EXPECT_EQ(Fr("naître", 3, 5, 1, 1, true), "il est né");
  EXPECT_EQ(PasseSimple("repaître", 1), "repus");
  EXPECT_EQ(ParticipePasse("repaître"), "repu");
  EXPECT_EQ(PasseSimple("paître", 1), "");
  EXPECT_EQ(Fr("paître", 1, 5, 5), "");
  EXPECT_EQ(Present("croître", 1), "croîs");
  EXPECT_EQ(Present("croître", 4), "croissons");
  EXPECT_EQ(PasseSimple("croître", 1), "crûs");
  EXPECT_EQ(ParticipePasse("croître"), "crû");
  EXPECT_EQ(Present("mettre", 1), "mets");
  EXPECT_EQ(Present("mettre", 3), "met");
  EXPECT_EQ(Present("mettre", 4), "mettons");
  EXPECT_EQ(PasseSimple("mettre", 1), "mis");
  EXPECT_EQ(ParticipePasse("mettre"), "mis");
  EXPECT_EQ(Present("battre", 1), "bats");
  EXPECT_EQ(Present("battre", 3), "bat");
  EXPECT_EQ(Present("battre", 4), "battons");
  EXPECT_EQ(ParticipePasse("battre"), "battu");
  EXPECT_EQ(Present("suivre", 1), "suis");
  EXPECT_EQ(Present("suivre", 4), "suivons");
  EXPECT_EQ(PasseSimple("suivre", 1), "suivis");
  EXPECT_EQ(ParticipePasse("suivre"), "suivi");
  EXPECT_EQ(Present("vivre", 1), "vis");
  EXPECT_EQ(Present("vivre", 4), "vivons");
  EXPECT_EQ(PasseSimple("vivre", 1), "vécus");
  EXPECT_EQ(ParticipePasse("vivre"), "vécu");
  EXPECT_EQ(Present("vaincre", 1), "vaincs");
  EXPECT_EQ(Present("vaincre", 3), "vainc");
  EXPECT_EQ(Present("vaincre", 4), "vainquons");
  EXPECT_EQ(PasseSimple("vaincre", 1), "vainquis");
}

TEST(FamilleDre, RendreEtSesVoisins) {
  EXPECT_EQ(Present("rendre", 1), "rends");
  EXPECT_EQ(Present("rendre", 3), "rend");
  EXPECT_EQ(PasseSimple("rendre", 1), "rendis");
  EXPECT_EQ(ParticipePasse("rendre"), "rendu");
  EXPECT_EQ(Present("asseoir", 1), "assieds");
  EXPECT_EQ(Present("asseoir", 3), "assied");
  EXPECT_EQ(Present("asseoir", 4), "asseyons");
  EXPECT_EQ(ParticipePasse("asseoir"), "assis");
  EXPECT_EQ(Present("coudre", 1), "couds");
  EXPECT_EQ(Present("coudre", 3), "coud");
  EXPECT_EQ(Present("coudre", 4), "cousons");
  EXPECT_EQ(PasseSimple("coudre", 1), "cousis");
  EXPECT_EQ(ParticipePasse("coudre"), "cousu");
  EXPECT_EQ(Present("moudre", 1), "mouds");
  EXPECT_EQ(Present("moudre", 4), "moulons");
  EXPECT_EQ(PasseSimple("moudre", 1), "moulus");
  EXPECT_EQ(ParticipePasse("moudre"), "moulu");
  EXPECT_EQ(Present("prendre", 1), "prends");
  EXPECT_EQ(Present("prendre", 4), "prenons");
  EXPECT_EQ(PasseSimple("prendre", 1), "pris");
  EXPECT_EQ(Subjonctif("prendre", 1), "prenne");
  EXPECT_EQ(Subjonctif("prendre", 4), "prenions");
  EXPECT_EQ(ParticipePasse("prendre"), "pris");
  EXPECT_EQ(Present("peindre", 1), "peins");
  EXPECT_EQ(Present("peindre", 4), "peignons");
  EXPECT_EQ(PasseSimple("peindre", 1), "peignis");
  EXPECT_EQ(ParticipePasse("peindre"), "peint");
  EXPECT_EQ(Present("résoudre", 1), "résous");
  EXPECT_EQ(Present("résoudre", 4), "résolvons");
  EXPECT_EQ(PasseSimple("résoudre", 1), "résolus");
  EXPECT_EQ(ParticipePasse("résoudre"), "résolu");
}

TEST(FamilleOuvrir, PresentEnErPasseEnIs) {
  EXPECT_EQ(Present("ouvrir", 1), "ouvre");
  EXPECT_EQ(PasseSimple("ouvrir", 1), "ouvris");
  EXPECT_EQ(ParticipePasse("ouvrir"), "ouvert");
  EXPECT_EQ(ParticipePasse("offrir"), "offert");
}
