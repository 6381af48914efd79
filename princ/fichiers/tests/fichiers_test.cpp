// The window's files: texts (UTF-8, Windows-1252, RTF), notes, counters,
// trace, the configuration and the pupils' spelling; and the regression
// tests of their faults under hostile or unusual input: paths that are no
// text file, texts and configurations saved as UTF-16, configuration lines
// of any length, notes saved safely, trace lines that cannot be forged,
// counters that cannot overflow, notes characters.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>

#include "lexical/erreur.h"
#include "princ/fichiers/fichier_ini.h"
#include "princ/fichiers/graphie.h"
#include "princ/fichiers/notes.h"
#include "princ/fichiers/texte_latin.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class Fichiers : public ::testing::Test {
 protected:
  void SetUp() override {
    Racine = fs::temp_directory_path() /
             ("bornes-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Racine);
    fs::create_directories(Racine);
  }
  void TearDown() override {
    fs::permissions(Racine, fs::perms::all);
    fs::remove_all(Racine);
  }

  std::string Ecris(const std::string& nom, const std::string& octets) {
    const auto chemin = (Racine / nom).string();
    std::ofstream(chemin, std::ios::binary) << octets;
    return chemin;
  }
  std::string Chemin(const std::string& nom) const { return (Racine / nom).string(); }
  std::vector<std::string> Noms() const {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(Racine))
      noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
  }

  fs::path Racine;
};

// The French message of an Erreur, or "" when none was thrown.
template <class F>
std::string MessageDe(F f) {
  try {
    f();
  } catch (const Erreur& e) {
    return e.what();
  }
  return {};
}

long NbDescripteurs() {
  return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{});
}

// A folder read as an empty text, and /dev/zero or a named pipe were read
// without end (a pipe without writer even froze the window on opening).
TEST_F(Fichiers, CeQuiNEstPasUnFichierEstRefuse) {
  ASSERT_EQ(mkfifo(Chemin("tube").c_str(), 0600), 0);
  const std::pair<std::string, const char*> cas[] = {
      {Racine.string(), "c'est un dossier"},
      {"/dev/zero", "ce n'est pas un fichier ordinaire"},
      {Chemin("tube"), "ce n'est pas un fichier ordinaire"},
      {Chemin("absent.txt"), "fichier introuvable"}};
  for (const auto& [chemin, raison] : cas) {
    const std::string message = MessageDe([&] { LisTexteLatin(chemin); });
    EXPECT_NE(message.find("Impossible de lire le fichier"), std::string::npos) << chemin;
    EXPECT_NE(message.find(raison), std::string::npos) << message;
  }
  // A text bigger than the limit is refused before it is read (the file
  // here is sparse: no 64 MB are written).
  const auto gros = Chemin("gros.txt");
  std::ofstream(gros) << "Gallia";
  fs::resize_file(gros, TailleMaxFichier + 1);
  EXPECT_NE(MessageDe([&] { LisTexteLatin(gros); }).find("trop volumineux (plus de 64 Mo)"),
            std::string::npos);
  EXPECT_EQ(LisOctets(Ecris("petit.txt", "abc"), 3), "abc");
  EXPECT_NE(MessageDe([&] { LisOctets(Chemin("petit.txt"), 2); }).find("trop volumineux"),
            std::string::npos);
}

// Windows Notepad's "Unicode" is UTF-16 with a byte-order mark: it was read
// as Windows-1252, every other character a NUL.
TEST_F(Fichiers, TexteEnUtf16AvecMarque) {
  // "Gallia\r\nrēgī 😀" in both byte orders; then a lone surrogate and a
  // lone last byte, each read as U+FFFD.
  const std::string le =
      "\xFF\xFEG\0a\0l\0l\0i\0a\0\r\0\n\0r\0\x13\x01g\0\x2B\x01 \0\x3D\xD8\x00\xDE"s;
  const std::string be =
      "\xFE\xFF\0G\0a\0l\0l\0i\0a\0\r\0\n\0r\x01\x13\0g\x01\x2B\0 \xD8\x3D\xDE\x00"s;
  const std::string attendu = "Gallia\nr\xC4\x93g\xC4\xAB \xF0\x9F\x98\x80";
  EXPECT_EQ(LisTexteLatin(Ecris("le.txt", le)).Texte(), attendu);
  EXPECT_EQ(LisTexteLatin(Ecris("be.txt", be)).Texte(), attendu);
  EXPECT_EQ(Utf16VersUtf8("\xFF\xFE\x3D\xD8x\0y"s), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST_F(Fichiers, ConfigurationEnUtf16OuUtf8AvecMarque) {
  const std::string utf8 = "[Fichier]\r\nNom=/textes/S\xC3\xA9n\xC3\xA8que.txt\r\n";
  std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
  for (char c : std::string("[Fichier]\r\nNom=/textes/S\xE9n\xE8que.txt\r\n")) {
    utf16le += c;
    utf16le += '\0';
    utf16be += '\0';
    utf16be += c;
  }
  for (const std::string& octets : {"\xEF\xBB\xBF" + utf8, utf16le, utf16be}) {
    const TFichierIni ini(Ecris("l.ini", octets));
    EXPECT_EQ(ini.LisChaine("Fichier", "Nom", ""), "/textes/S\xE9n\xE8que.txt");
    EXPECT_FALSE(ini.Probleme());
  }
}

// The INI library cut lines at 199 bytes and read the rest as a line of its
// own: a long "repertoire" could define "reptrace".
TEST_F(Fichiers, LignesDeConfigurationLonguesLuesEntieres) {
  const std::string dossier = "/" + std::string(4096, 'd');
  const std::string forge = "/" + std::string(180, 'x') + "reptrace=/tmp/forge";
  const TFichierIni ini = TFichierIni::DepuisOctets("[Sauvegarde]\nrepertoire=" + dossier +
                                                    "\nlexique=" + forge + "\n");
  EXPECT_EQ(ini.LisChaine("Sauvegarde", "repertoire", ""), dossier);
  EXPECT_EQ(ini.LisChaine("Sauvegarde", "lexique", ""), forge);
  EXPECT_EQ(ini.LisChaine("Sauvegarde", "reptrace", "absent"), "absent");
  // What libinih did and the window relies on: comments, ':' as separator,
  // keys before any section, lines without separator skipped, CR alone.
  const TFichierIni autre = TFichierIni::DepuisOctets(
      "cle=avant\r# commentaire\n[ Droits ]\nAutoLex : 1\nligne sans signe\n[Fichier\nNom=x\n");
  EXPECT_EQ(autre.LisChaine("", "cle", ""), "avant");
  EXPECT_EQ(autre.LisEntier("Droits", "AutoLex", 0), 1);
  EXPECT_EQ(autre.LisChaine("Droits", "Nom", ""), "x");
}

// A configuration file that was there but could not be read silently gave
// the free mode; its reason is now kept for the window to report. A missing
// one is still no problem.
TEST_F(Fichiers, ConfigurationIlLisibleSignalee) {
  fs::create_directories(Racine / "dossier.ini");
  ASSERT_EQ(mkfifo(Chemin("tube.ini").c_str(), 0600), 0);
  fs::create_symlink(Chemin("nulle-part"), Chemin("lien.ini"));
  for (const char* nom : {"dossier.ini", "tube.ini", "lien.ini"}) {
    const TFichierIni ini(Chemin(nom));
    ASSERT_TRUE(ini.Probleme()) << nom;
    EXPECT_NE(ini.Probleme()->find("Impossible de lire le fichier"), std::string::npos);
    EXPECT_EQ(ini.LisChaine("Fichier", "Nom", "defaut"), "defaut");
  }
  EXPECT_FALSE(TFichierIni(Chemin("absent.ini")).Probleme());
  EXPECT_FALSE(TFichierIni(Chemin("absent/l.ini")).Probleme());
}

// A read-only notes file was silently replaced, and every save reset the
// rights to the umask's (changing the process's umask on the way).
TEST_F(Fichiers, NotesEnLectureSeuleRefuseesDroitsEtProprietaireGardes) {
  const auto chemin = Ecris("Marie-lettre.txt", "rendu\r\n");
  fs::permissions(chemin, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_NE(MessageDe([&] { EcrisLignes(chemin, {"autre"}); }).find("fichier en lecture seule"),
            std::string::npos);
  EXPECT_EQ(LisOctets(chemin), "rendu\r\n");

  fs::permissions(chemin, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(chemin.c_str(), 4321, 4322), 0);
  }
  const mode_t masque = umask(077);
  EcrisLignes(chemin, {"nouvelles"});
  EcrisLignes(Chemin("neuf.txt"), {"x"});
  EXPECT_EQ(umask(masque), 077);
  struct stat infos {};
  ASSERT_EQ(stat(chemin.c_str(), &infos), 0);
  EXPECT_EQ(infos.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(std::make_pair(infos.st_uid, infos.st_gid), std::make_pair(4321u, 4322u));
  }
  ASSERT_EQ(stat(Chemin("neuf.txt").c_str(), &infos), 0);
  EXPECT_EQ(infos.st_mode & 07777, 0600u);
  EXPECT_EQ(LisOctets(chemin), "nouvelles\r\n");
  EXPECT_EQ(Noms(), (std::vector<std::string>{"Marie-lettre.txt", "neuf.txt"}));
}

// A notes file that is a symbolic link was replaced by a regular file: the
// link is now kept and its target rewritten, through a chain of links too.
TEST_F(Fichiers, NotesEcritesAuTraversDesLiens) {
  fs::create_directories(Racine / "rendus");
  const auto cible = Ecris("rendus/Marie.txt", "ancien\r\n");
  fs::create_symlink("rendus/Marie.txt", Chemin("relatif"));
  fs::create_symlink(Chemin("relatif"), Chemin("absolu"));
  EcrisLignes(Chemin("absolu"), {"par le lien"});
  EXPECT_TRUE(fs::is_symlink(Chemin("absolu")));
  EXPECT_TRUE(fs::is_symlink(Chemin("relatif")));
  EXPECT_EQ(LisOctets(cible), "par le lien\r\n");
  // A link to a file not yet there creates it.
  fs::create_symlink("rendus/Paul.txt", Chemin("paul"));
  EcrisLignes(Chemin("paul"), {"neuf"});
  EXPECT_TRUE(fs::is_symlink(Chemin("paul")));
  EXPECT_EQ(LisOctets(Chemin("rendus/Paul.txt")), "neuf\r\n");
  fs::create_symlink(Chemin("boucle"), Chemin("boucle"));
  EXPECT_NE(MessageDe([&] { EcrisLignes(Chemin("boucle"), {"x"}); }).find("liens"),
            std::string::npos);
}

// Failed saves leave no descriptor open and no temporary file behind.
TEST_F(Fichiers, SauvegardesManqueesSansFuite) {
  fs::create_directories(Racine / "un-dossier");
  const auto lectureSeule = Ecris("verrou.txt", "v");
  fs::permissions(lectureSeule, fs::perms::owner_read);
  const long avant = NbDescripteurs();
  for (const std::string& chemin :
       {Chemin("un-dossier"), Chemin("absent/n.txt"), lectureSeule, std::string("/dev/null")})
    EXPECT_FALSE(MessageDe([&] { EcrisLignes(chemin, {"x"}); }).empty()) << chemin;
  EXPECT_EQ(NbDescripteurs(), avant);
  EXPECT_EQ(Noms(), (std::vector<std::string>{"un-dossier", "verrou.txt"}));
}

// A name pasted with a line break wrote extra lines into the teacher's trace.
TEST_F(Fichiers, LignesDeTraceNonForgeables) {
  const auto trace = Chemin("trace.txt");
  AjouteLigne(trace, "Marie\r\nPaul lexique - uentus\tx\x7F\x81");
  AjouteLigne(trace, "Marie lexique - amat");
  EXPECT_EQ(LisLignes(trace),
            (std::vector<std::string>{"Marie  Paul lexique - uentus x  ", "Marie lexique - amat"}));
}

// A counter at 2 147 483 647 overflowed and the notes stored a negative count.
TEST(CompteursBornes, ArretesAuPlusGrandEntier) {
  EXPECT_EQ(CompteurSuivant(0), 1);
  EXPECT_EQ(CompteurSuivant(INT_MAX - 1), INT_MAX);
  EXPECT_EQ(CompteurSuivant(INT_MAX), INT_MAX);
  EXPECT_EQ(LisLigneCompteurs("auxil.,2147483647,2147483648,99999999999"),
            (TCompteurs{INT_MAX, INT_MAX, INT_MAX}));
  EXPECT_THROW(LisLigneCompteurs("auxil.,1,-99999999999,0"), Erreur);
}

// œ and æ were saved as "oe" and "ae", and characters Windows-1252 lacks as
// '?' without a word.
TEST(CaracteresDesNotes, Windows1252GardeLesAutresSignales) {
  // œ æ Œ Æ € Š ā(macron) ă(breve) é
  const std::string texte =
      "\xC5\x93 \xC3\xA6 \xC5\x92 \xC3\x86 \xE2\x82\xAC \xC5\xA0 "
      "\xC4\x81 \xC4\x83 \xC3\xA9";
  EXPECT_EQ(NotesEn1252(texte), "\x9C \xE6 \x8C \xC6 \x80 \x8A a a \xE9");
  EXPECT_TRUE(CaracteresPerdus(texte).empty());
  EXPECT_EQ(AvertissementCaracteresPerdus(texte), "");
  // λόγος λ: λ ό γ ο ς, each once, in order.
  const std::string grec = "\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82 \xCE\xBB";
  EXPECT_EQ(CaracteresPerdus(grec),
            (std::vector<std::string>{"\xCE\xBB", "\xCF\x8C", "\xCE\xB3", "\xCE\xBF", "\xCF\x82"}));
  EXPECT_EQ(AvertissementCaracteresPerdus("a\xCE\xBB"),
            "Ces caract\xC3\xA8res ne peuvent pas \xC3\xAAtre enregistr\xC3\xA9s : \xCE\xBB");
  EXPECT_EQ(NotesEn1252("a\xCE\xBB"), "a?");
}

TEST_F(Fichiers, TexteLatinUtf8SinonWindows1252OuRtf) {
  EXPECT_EQ(LisTexteLatin(Ecris("a.txt", "\xEF\xBB\xBFS\xC3\xA9n\xC3\xA8que\r\nest")).Texte(),
            "S\xC3\xA9n\xC3\xA8que\nest");
  EXPECT_EQ(LisTexteLatin(Ecris("b.txt", "S\xE9n\xE8que\nest\n")).Texte(),
            "S\xC3\xA9n\xC3\xA8que\nest");
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

TEST_F(Fichiers, NotesEcritEnCrLfRelitLfAussiEtTraceAjoute) {
  const auto chemin = Chemin("Eleve-lettre.txt");
  EcrisLignes(chemin, {"auxil.,3,0,12", "ventus : vent", ""});
  EXPECT_EQ(LisOctets(chemin), "auxil.,3,0,12\r\nventus : vent\r\n\r\n");
  EXPECT_EQ(LisLignes(chemin), (std::vector<std::string>{"auxil.,3,0,12", "ventus : vent", ""}));
  EXPECT_EQ(LisLignes(Ecris("lf.txt", "un\ndeux\r\ntrois")),
            (std::vector<std::string>{"un", "deux", "trois"}));
  AjouteLigne(Chemin("trace.txt"), "Eleve lexique - uentus");
  AjouteLigne(Chemin("trace.txt"), " syntaxe - nullus-suus");
  EXPECT_EQ(LisOctets(Chemin("trace.txt")), "Eleve lexique - uentus\r\n syntaxe - nullus-suus\r\n");
  EXPECT_THROW(AjouteLigne(Chemin("absent/t.txt"), "x"), Erreur);
}

// A save used to truncate the notes file before writing it, so a failure
// midway lost the pupil's notes: it now goes through a temporary file.
TEST_F(Fichiers, NotesSauvegardeRemplaceLeFichierEnEntier) {
  const auto chemin = Ecris("notes.txt", "anciennes notes\r\n");
  struct stat avant {
  }, apres{};
  stat(chemin.c_str(), &avant);
  EcrisLignes(chemin, {"nouvelles"});
  stat(chemin.c_str(), &apres);
  EXPECT_NE(avant.st_ino, apres.st_ino);
  EXPECT_EQ(LisOctets(chemin), "nouvelles\r\n");
  EXPECT_EQ(static_cast<long>(Noms().size()), 1);
  // A save that cannot complete leaves the old file and no temporary file.
  fs::create_directories(Racine / "un-dossier" / "plein");
  EXPECT_THROW(EcrisLignes(Chemin("un-dossier"), {"x"}), Erreur);
  EXPECT_TRUE(fs::is_directory(Chemin("un-dossier")));
  EXPECT_THROW(EcrisLignes(Chemin("absent/n.txt"), {"x"}), Erreur);
  EXPECT_EQ(static_cast<long>(Noms().size()), 2);
}

TEST(Compteurs, LigneEcriteEtRelue) {
  EXPECT_EQ(LigneCompteurs({3, 0, 12}), "auxil.,3,0,12");
  EXPECT_EQ(LisLigneCompteurs("auxil.,3,0,12"), (TCompteurs{3, 0, 12}));
  EXPECT_EQ(LisLigneCompteurs("\"auxil.\",\"4\",5,6,autre"), (TCompteurs{4, 5, 6}));
  EXPECT_EQ(LisLigneCompteurs("ventus : vent"), std::nullopt);
  for (const char* abimee : {"auxil.,3,0", "auxil.,3,x,1"})
    EXPECT_THROW(LisLigneCompteurs(abimee), Erreur);
}

// An empty notes folder used to give "/Eleve-lettre.txt", at the root of the
// file system; it now names the file in the current folder.
TEST(CheminDesNotes, DossierVideDonneLeNomSeul) {
  EXPECT_EQ(CheminNotes("", "Eleve", "/textes/lettre71.txt"), "Eleve-lettre71.txt");
  EXPECT_EQ(CheminNotes("/notes", "Eleve", "/textes/lettre71.txt"), "/notes/Eleve-lettre71.txt");
  EXPECT_EQ(CheminNotes("/notes/", "", "lettre71.txt"), "/notes/-lettre71.txt");
}

TEST_F(Fichiers, IniSectionsEtClesSansCasseValeursWindows1252) {
  const auto chemin = Ecris(
      "l.ini",
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

TEST_F(Fichiers, IniEntiers) {
  const std::pair<const char*, std::optional<int>> cas[] = {{"0X10", 16},
                                                            {"0xFFFFFFFF", -1},
                                                            {"0x", std::nullopt},
                                                            {"", std::nullopt},
                                                            {"12 3", std::nullopt}};
  for (const auto& [texte, valeur] : cas) EXPECT_EQ(TFichierIni::Entier(texte), valeur) << texte;
}

TEST(Graphie, QuantitesEtLigaturesRetirees) {
  const std::pair<const char*, const char*> cas[] = {
      {"r\xC4\x93g\xC4\xAB", "regi"},  // rēgī
      {"\xC4\x80nn\xC4\x83 \xC5\xAA"
       "b\xC4\x95r",
       "Anna Uber"},
      {"\xC5\x8D\xC5\x8F\xC5\xAD\xC5\xAB\xC4\xAD\xC8\xB3\xC8\xB2", "oouuiyY"},
      {"C\xC3\xA6lum \xC5\x93"
       "conomia \xC3\x86"
       "neas \xC5\x92"
       "dipus",
       "Caelum oeconomia AEneas OEdipus"},
      {"roa\xCC\x84"
       "d\xCC\x86",
       "road"},  // combining marks
      {"S\xC3\xA9n\xC3\xA8que \xFF", "S\xC3\xA9n\xC3\xA8que \xFF"}};
  for (const auto& [marque, attendu] : cas) EXPECT_EQ(SansQuantites(marque), attendu) << attendu;
}

}  // namespace
