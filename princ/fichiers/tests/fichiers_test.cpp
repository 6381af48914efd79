#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "erreur.h"
#include "graphie.h"
#include "fichier_ini.h"
#include "notes.h"
#include "texte_latin.h"

namespace fs = std::filesystem;

namespace {

class Dossier : public ::testing::Test {
 protected:
  void SetUp() override {
    Racine = fs::temp_directory_path() / ("fichiers-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Racine);
    fs::create_directories(Racine);
  }
  void TearDown() override { fs::remove_all(Racine); }

  std::string Ecris(const std::string& nom, const std::string& octets) {
    const auto chemin = (Racine / nom).string();
    std::ofstream(chemin, std::ios::binary) << octets;
    return chemin;
  }
  static std::string Contenu(const std::string& chemin) { return LisOctets(chemin); }

  fs::path Racine;
};

using TexteLatin = Dossier;

TEST_F(TexteLatin, Utf8LuEnUtf8EtSinonWindows1252) {
  EXPECT_EQ(LisTexteLatin(Ecris("a.txt", "\xEF\xBB\xBFS\xC3\xA9n\xC3\xA8que\r\nest")).Texte(),
            "S\xC3\xA9n\xC3\xA8que\nest");
  EXPECT_EQ(LisTexteLatin(Ecris("b.txt", "S\xE9n\xE8que\nest\n")).Texte(), "S\xC3\xA9n\xC3\xA8que\nest");
  // A lone continuation byte or an overlong form is not UTF-8.
  EXPECT_FALSE(EstUtf8Valide("\xC3"));
  EXPECT_FALSE(EstUtf8Valide("\xC0\xAF"));
  EXPECT_FALSE(EstUtf8Valide("\xED\xA0\x80"));
  EXPECT_TRUE(EstUtf8Valide("\xC4\x81\xF0\x9F\x98\x80"));
}

TEST_F(TexteLatin, RtfLuCommeTexteRiche) {
  const auto doc = LisTexteLatin(Ecris("c.txt", "{\\rtf1 {\\b est}\\par uentus}"));
  ASSERT_EQ(doc.Paragraphes.size(), 2u);
  EXPECT_TRUE(doc.Paragraphes[0].Segments[0].Gras);
}

TEST_F(TexteLatin, FichierIllisibleDonneUneErreurFrancaise) {
  try {
    LisTexteLatin((Racine / "absent.txt").string());
    FAIL();
  } catch (const Erreur& e) {
    EXPECT_NE(std::string(e.what()).find("Impossible de lire le fichier"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("introuvable"), std::string::npos);
  }
}

using Notes = Dossier;

TEST_F(Notes, EcritEnCrLfEtRelitLfAussi) {
  const auto chemin = (Racine / "Eleve-lettre.txt").string();
  EcrisLignes(chemin, {"auxil.,3,0,12", "ventus : vent", ""});
  EXPECT_EQ(Contenu(chemin), "auxil.,3,0,12\r\nventus : vent\r\n\r\n");
  EXPECT_EQ(LisLignes(chemin), (std::vector<std::string>{"auxil.,3,0,12", "ventus : vent", ""}));
  EXPECT_EQ(LisLignes(Ecris("lf.txt", "un\ndeux\r\ntrois")), (std::vector<std::string>{"un", "deux", "trois"}));
}

// A save used to truncate the notes file before writing it, so a failure
// midway lost the pupil's notes: it now goes through a temporary file.
TEST_F(Notes, SauvegardeRemplaceLeFichierEnEntier) {
  const auto chemin = Ecris("notes.txt", "anciennes notes\r\n");
  struct stat avant {};
  stat(chemin.c_str(), &avant);
  EcrisLignes(chemin, {"nouvelles"});
  struct stat apres {};
  stat(chemin.c_str(), &apres);
  EXPECT_NE(avant.st_ino, apres.st_ino);
  EXPECT_EQ(Contenu(chemin), "nouvelles\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(Racine), fs::directory_iterator{}), 1);

  // A save that cannot complete leaves the old file and no temporary file.
  const auto dossier = (Racine / "un-dossier").string();
  fs::create_directories(Racine / "un-dossier" / "plein");
  EXPECT_THROW(EcrisLignes(dossier, {"x"}), Erreur);
  EXPECT_TRUE(fs::is_directory(dossier));
  EXPECT_THROW(EcrisLignes((Racine / "absent" / "n.txt").string(), {"x"}), Erreur);
  EXPECT_EQ(std::distance(fs::directory_iterator(Racine), fs::directory_iterator{}), 2);
}

TEST_F(Notes, TraceAjouteDesLignes) {
  const auto chemin = (Racine / "trace.txt").string();
  AjouteLigne(chemin, "Eleve lexique - uentus");
  AjouteLigne(chemin, " syntaxe - nullus-suus");
  EXPECT_EQ(Contenu(chemin), "Eleve lexique - uentus\r\n syntaxe - nullus-suus\r\n");
  EXPECT_THROW(AjouteLigne((Racine / "absent" / "t.txt").string(), "x"), Erreur);
}

TEST(Compteurs, LigneEcriteEtRelue) {
  EXPECT_EQ(LigneCompteurs({3, 0, 12}), "auxil.,3,0,12");
  EXPECT_EQ(LisLigneCompteurs("auxil.,3,0,12"), (TCompteurs{3, 0, 12}));
  EXPECT_EQ(LisLigneCompteurs("\"auxil.\",\"4\",5,6,autre"), (TCompteurs{4, 5, 6}));
  EXPECT_EQ(LisLigneCompteurs("ventus : vent"), std::nullopt);
  EXPECT_THROW(LisLigneCompteurs("auxil.,3,0"), Erreur);
  EXPECT_THROW(LisLigneCompteurs("auxil.,3,x,1"), Erreur);
}

// An empty notes folder used to give "/Eleve-lettre.txt", at the root of the
// file system; it now names the file in the current folder.
TEST(CheminDesNotes, DossierVideDonneLeNomSeul) {
  EXPECT_EQ(CheminNotes("", "Eleve", "/textes/lettre71.txt"), "Eleve-lettre71.txt");
  EXPECT_EQ(CheminNotes("/notes", "Eleve", "/textes/lettre71.txt"), "/notes/Eleve-lettre71.txt");
  EXPECT_EQ(CheminNotes("/notes/", "", "lettre71.txt"), "/notes/-lettre71.txt");
}

using Ini = Dossier;

TEST_F(Ini, SectionsEtClesSansCasseValeursWindows1252) {
  const auto chemin = Ecris("l.ini",
                            "; configuration\r\n[fichier]\r\nNOM = /textes/S\xE9n\xE8que.txt\r\n"
                            "lexique=\"/a b/q.lex\"\r\n[Sauvegarde]\r\nrepertoire=/n;otes\r\nrepertoire=/autre\r\n"
                            "[DROITS]\r\nautolex=0x1F\r\ninsereLex=-2\r\ninsereMorpho=douze\r\ninsereTr=99999999999\r\n");
  TFichierIni ini(chemin);
  EXPECT_EQ(ini.LisChaine("Fichier", "Nom", ""), "/textes/S\xE9n\xE8que.txt");
  EXPECT_EQ(ini.LisChaine("Fichier", "lexique", ""), "/a b/q.lex");
  EXPECT_EQ(ini.LisChaine("Sauvegarde", "repertoire", ""), "/n;otes");
  EXPECT_EQ(ini.LisChaine("Sauvegarde", "reptrace", "def"), "def");
  EXPECT_EQ(ini.LisEntier("Droits", "AutoLex", 0), 31);
  EXPECT_EQ(ini.LisEntier("Droits", "insereLex", 1), -2);
  EXPECT_EQ(ini.LisEntier("Droits", "insereMorpho", 2), 2);
  EXPECT_EQ(ini.LisEntier("Droits", "insereTr", 3), 3);
  EXPECT_EQ(ini.LisEntier("Droits", "evalSyntaxe", 3), 3);
}

TEST_F(Ini, FichierUtf8EtFichierAbsent) {
  TFichierIni ini(Ecris("u.ini", "\xEF\xBB\xBF[Fichier]\nNom=/t/S\xC3\xA9n\xC3\xA8que.txt\n"));
  EXPECT_EQ(ini.LisChaine("FICHIER", "nom", ""), "/t/S\xE9n\xE8que.txt");
  TFichierIni absent((Racine / "rien.ini").string());
  EXPECT_EQ(absent.LisChaine("Fichier", "Nom", "x"), "x");
  EXPECT_EQ(TFichierIni::Entier("0X10"), 16);
  EXPECT_EQ(TFichierIni::Entier("0x"), std::nullopt);
  EXPECT_EQ(TFichierIni::Entier(""), std::nullopt);
  EXPECT_EQ(TFichierIni::Entier("12 3"), std::nullopt);
  EXPECT_EQ(TFichierIni::Entier("0xFFFFFFFF"), -1);
}

TEST(Graphie, QuantitesEtLigaturesRetirees) {
  EXPECT_EQ(SansQuantites("r\xC4\x93g\xC4\xAB"), "regi");                 // rēgī
  EXPECT_EQ(SansQuantites("\xC4\x80nn\xC4\x83 \xC5\xAA" "b\xC4\x95r"), "Anna Uber");
  EXPECT_EQ(SansQuantites("\xC5\x8D\xC5\x8F\xC5\xAD\xC5\xAB\xC4\xAD\xC8\xB3\xC8\xB2"), "oouuiyY");
  EXPECT_EQ(SansQuantites("C\xC3\xA6lum \xC5\x93" "conomia \xC3\x86" "neas \xC5\x92" "dipus"),
            "Caelum oeconomia AEneas OEdipus");
  EXPECT_EQ(SansQuantites("roa\xCC\x84" "d\xCC\x86"), "road");              // combining marks
  EXPECT_EQ(SansQuantites("S\xC3\xA9n\xC3\xA8que \xFF"), "S\xC3\xA9n\xC3\xA8que \xFF");
}

}  // namespace
