#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "lexical/erreur.h"
#include "princ/fichiers/fichier_ini.h"
#include "princ/fichiers/graphie.h"
#include "princ/fichiers/notes.h"
#include "princ/fichiers/texte_latin.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder per test, for the files read and written.
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
  std::string Chemin(const std::string& nom) const { return (Racine / nom).string(); }
  long NbFichiers() const { return std::distance(fs::directory_iterator(Racine), fs::directory_iterator{}); }

  fs::path Racine;
};

using TexteLatin = Dossier;

TEST_F(TexteLatin, Utf8SinonWindows1252OuRtf) {
  EXPECT_EQ(LisTexteLatin(Ecris("a.txt", "\xEF\xBB\xBFS\xC3\xA9n\xC3\xA8que\r\nest")).Texte(),
            "S\xC3\xA9n\xC3\xA8que\nest");
  EXPECT_EQ(LisTexteLatin(Ecris("b.txt", "S\xE9n\xE8que\nest\n")).Texte(), "S\xC3\xA9n\xC3\xA8que\nest");
  // A lone lead byte, an overlong form or a surrogate is not UTF-8.
  for (const char* faux : {"\xC3", "\xC0\xAF", "\xED\xA0\x80"}) EXPECT_FALSE(EstUtf8Valide(faux));
  EXPECT_TRUE(EstUtf8Valide("\xC4\x81\xF0\x9F\x98\x80"));
  const auto doc = LisTexteLatin(Ecris("c.txt", "{\\rtf1 {\\b est}\\par uentus}"));
  ASSERT_EQ(doc.Paragraphes.size(), 2u);
  EXPECT_TRUE(doc.Paragraphes[0].Segments[0].Gras);
  try {
    LisTexteLatin(Chemin("absent.txt"));
    FAIL();
  } catch (const Erreur& e) {
    EXPECT_NE(std::string(e.what()).find("Impossible de lire le fichier"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("introuvable"), std::string::npos);
  }
}

using Notes = Dossier;

TEST_F(Notes, EcritEnCrLfRelitLfAussiEtTraceAjoute) {
  const auto chemin = Chemin("Eleve-lettre.txt");
  EcrisLignes(chemin, {"auxil.,3,0,12", "ventus : vent", ""});
  EXPECT_EQ(LisOctets(chemin), "auxil.,3,0,12\r\nventus : vent\r\n\r\n");
  EXPECT_EQ(LisLignes(chemin), (std::vector<std::string>{"auxil.,3,0,12", "ventus : vent", ""}));
  EXPECT_EQ(LisLignes(Ecris("lf.txt", "un\ndeux\r\ntrois")), (std::vector<std::string>{"un", "deux", "trois"}));
  AjouteLigne(Chemin("trace.txt"), "Eleve lexique - uentus");
  AjouteLigne(Chemin("trace.txt"), " syntaxe - nullus-suus");
  EXPECT_EQ(LisOctets(Chemin("trace.txt")), "Eleve lexique - uentus\r\n syntaxe - nullus-suus\r\n");
  EXPECT_THROW(AjouteLigne(Chemin("absent/t.txt"), "x"), Erreur);
}

// A save used to truncate the notes file before writing it, so a failure
// midway lost the pupil's notes: it now goes through a temporary file.
TEST_F(Notes, SauvegardeRemplaceLeFichierEnEntier) {
  const auto chemin = Ecris("notes.txt", "anciennes notes\r\n");
  struct stat avant {}, apres {};
  stat(chemin.c_str(), &avant);
  EcrisLignes(chemin, {"nouvelles"});
  stat(chemin.c_str(), &apres);
  EXPECT_NE(avant.st_ino, apres.st_ino);
  EXPECT_EQ(LisOctets(chemin), "nouvelles\r\n");
  EXPECT_EQ(NbFichiers(), 1);
  // A save that cannot complete leaves the old file and no temporary file.
  fs::create_directories(Racine / "un-dossier" / "plein");
  EXPECT_THROW(EcrisLignes(Chemin("un-dossier"), {"x"}), Erreur);
  EXPECT_TRUE(fs::is_directory(Chemin("un-dossier")));
  EXPECT_THROW(EcrisLignes(Chemin("absent/n.txt"), {"x"}), Erreur);
  EXPECT_EQ(NbFichiers(), 2);
}

TEST(Compteurs, LigneEcriteEtRelue) {
  EXPECT_EQ(LigneCompteurs({3, 0, 12}), "auxil.,3,0,12");
  EXPECT_EQ(LisLigneCompteurs("auxil.,3,0,12"), (TCompteurs{3, 0, 12}));
  EXPECT_EQ(LisLigneCompteurs("\"auxil.\",\"4\",5,6,autre"), (TCompteurs{4, 5, 6}));
  EXPECT_EQ(LisLigneCompteurs("ventus : vent"), std::nullopt);
  for (const char* abimee : {"auxil.,3,0", "auxil.,3,x,1"}) EXPECT_THROW(LisLigneCompteurs(abimee), Erreur);
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
  TFichierIni utf8(Ecris("u.ini", "\xEF\xBB\xBF[Fichier]\nNom=/t/S\xC3\xA9n\xC3\xA8que.txt\n"));
  EXPECT_EQ(utf8.LisChaine("FICHIER", "nom", ""), "/t/S\xE9n\xE8que.txt");
  EXPECT_EQ(TFichierIni(Chemin("rien.ini")).LisChaine("Fichier", "Nom", "x"), "x");
}

TEST_F(Ini, Entiers) {
  const std::pair<const char*, std::optional<int>> cas[] = {
      {"0X10", 16}, {"0xFFFFFFFF", -1}, {"0x", std::nullopt}, {"", std::nullopt}, {"12 3", std::nullopt}};
  for (const auto& [texte, valeur] : cas) EXPECT_EQ(TFichierIni::Entier(texte), valeur) << texte;
}

TEST(Graphie, QuantitesEtLigaturesRetirees) {
  const std::pair<const char*, const char*> cas[] = {
      {"r\xC4\x93g\xC4\xAB", "regi"},  // rēgī
      {"\xC4\x80nn\xC4\x83 \xC5\xAA" "b\xC4\x95r", "Anna Uber"},
      {"\xC5\x8D\xC5\x8F\xC5\xAD\xC5\xAB\xC4\xAD\xC8\xB3\xC8\xB2", "oouuiyY"},
      {"C\xC3\xA6lum \xC5\x93" "conomia \xC3\x86" "neas \xC5\x92" "dipus", "Caelum oeconomia AEneas OEdipus"},
      {"roa\xCC\x84" "d\xCC\x86", "road"},  // combining marks
      {"S\xC3\xA9n\xC3\xA8que \xFF", "S\xC3\xA9n\xC3\xA8que \xFF"}};
  for (const auto& [marque, attendu] : cas) EXPECT_EQ(SansQuantites(marque), attendu) << attendu;
}

}  // namespace
