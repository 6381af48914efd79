// The window's files: texts (UTF-8, UTF-16, Windows-1252, RTF), notes,
// counters, trace, the configuration, the pupils' spelling and names, case
// by case from fichiers.tsv; and, in code, what the file system does under
// them: paths that are no text file, configurations that cannot be read,
// notes saved safely (read-only files, rights, links, failed saves).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "fichiers/fichier_ini.h"
#include "fichiers/graphie.h"
#include "fichiers/nom_fichier.h"
#include "fichiers/notes.h"
#include "fichiers/rtf.h"
#include "fichiers/texte_latin.h"
#include "lexical/tests/fixture.h"
#include "lexical/tests/outils_test.h"

namespace fs = std::filesystem;

namespace {

class Fichiers : public ::testing::Test, protected TDossierDeTest {
 protected:
  std::vector<std::string> Noms() const {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(Racine))
      noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
  }
};

std::string Joint(const std::vector<std::string>& morceaux, const std::string& entre) {
  std::string r;
  for (std::size_t i = 0; i < morceaux.size(); ++i) r += (i ? entre : "") + morceaux[i];
  return r;
}

// The values of the "section/key" words of `cles`, each as `lis` reads it.
template <class Lis>
std::string Valeurs(const std::string& cles, Lis lis) {
  std::vector<std::string> r;
  std::istringstream mots(cles);
  for (std::string mot; mots >> mot;)
    r.push_back(lis(mot.substr(0, mot.find('/')), mot.substr(mot.find('/') + 1)));
  return Joint(r, " | ");
}

std::string Styles(const TDocumentRiche& doc) {
  std::string r;
  for (const auto& p : doc.Paragraphes) {
    std::vector<std::string> segments;
    for (const TSegment& s : p.Segments) {
      const std::string marque = s.Gras ? "*" : s.Italique ? "/" : s.Souligne ? "_" : "";
      segments.push_back(marque + s.Texte + marque);
    }
    r += Joint(segments, "|") + "\xC2\xB6";
  }
  return r;
}

TEST_F(Fichiers, CasDeLaFixture) {
  const auto fichier = [&](const TCas& c) { return Ecris("cas", c.Octets(0)); };
  // Every field but the last, as lines.
  const auto lignes = [](const TCas& c) {
    std::vector<std::string> r;
    for (std::size_t i = 0; i + 1 < c.Champs.size(); ++i) r.push_back(c.Octets(i));
    return r;
  };
  VerifieFixture(
      LisFixture(LECTURIEL_FIXTURES "/fichiers.tsv"),
      {{"texte", [&](const TCas& c) { return LisTexteLatin(fichier(c)).Texte(); }},
       {"utf16", [](const TCas& c) { return Utf16VersUtf8(c.Octets(0)); }},
       {"ini",
        [](const TCas& c) {
          const TFichierIni ini = TFichierIni::DepuisOctets(c.Octets(0));
          return Valeurs(c[1], [&](const std::string& section, const std::string& cle) {
            return Cp1252VersUtf8(ini.LisChaine(section, cle,
                                                "d\xE9"
                                                "faut"));
          });
        }},
       {"ini-chemins",
        [](const TCas& c) {
          const TFichierIni ini = TFichierIni::DepuisOctets(c.Octets(0));
          return Valeurs(c[1], [&](const std::string& section, const std::string& cle) {
            return ini.LisChemin(section, cle, "défaut");
          });
        }},
       {"non-texte", [](const TCas& c) { return SembleBinaire(c.Octets(0)) ? "oui" : "non"; }},
       {"ini-entiers",
        [&](const TCas& c) {
          const TFichierIni ini(fichier(c));
          return Valeurs(c[1], [&](const std::string& section, const std::string& cle) {
            return std::to_string(ini.LisEntier(section, cle, -7));
          });
        }},
       {"ini-entier",
        [](const TCas& c) {
          const auto n = TFichierIni::Entier(c.Octets(0));
          return n ? std::to_string(*n) : "-";
        }},
       {"compteur-suivant",
        [](const TCas& c) { return std::to_string(CompteurSuivant(std::stoi(c[0]))); }},
       {"compteurs-lus",
        [](const TCas& c) {
          const auto n = LisLigneCompteurs(c[0]);
          return n ? LigneCompteurs(*n).substr(7) : "-";
        }},
       {"compteurs-ecrits",
        [](const TCas& c) {
          return LigneCompteurs({std::stoi(c[0]), std::stoi(c[1]), std::stoi(c[2])});
        }},
       {"notes-1252", [](const TCas& c) { return NotesEn1252(c[0]); }},
       {"caracteres-perdus", [](const TCas& c) { return Joint(CaracteresPerdus(c[0]), " "); }},
       {"avertissement", [](const TCas& c) { return AvertissementCaracteresPerdus(c[0]); }},
       {"chemin-notes", [](const TCas& c) { return CheminNotes(c[0], c[1], c[2]); }},
       {"sans-quantites", [](const TCas& c) { return SansQuantites(c.Octets(0)); }},
       {"nom-de-fichier", [](const TCas& c) { return NomDeFichier(c.Octets(0)); }},
       {"lignes-lues", [&](const TCas& c) { return Joint(LisLignes(fichier(c)), "|"); }},
       {"lignes-ecrites",
        [&](const TCas& c) {
          EcrisLignes(Chemin("notes"), lignes(c));
          return LisOctets(Chemin("notes"));
        }},
       {"trace",
        [&](const TCas& c) {
          fs::remove(Chemin("trace"));
          for (const std::string& ligne : lignes(c)) AjouteLigne(Chemin("trace"), ligne);
          return LisOctets(Chemin("trace"));
        }},
       {"est-rtf", [](const TCas& c) { return EstRtf(c.Octets(0)) ? "oui" : "non"; }},
       {"rtf", [](const TCas& c) { return LisRtf(c.Octets(0)).Texte(); }},
       {"rtf-paragraphes",
        [](const TCas& c) {
          std::string r;
          for (const auto& p : LisRtf(c.Octets(0)).Paragraphes) r += p.Texte() + "\xC2\xB6";
          return r;
        }},
       {"rtf-styles", [](const TCas& c) { return Styles(LisRtf(c.Octets(0))); }}});
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
    const std::string message = MessageDe([&chemin = chemin] { LisTexteLatin(chemin); });
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

// A binary file gave a junk vocabulary without a word; a file of millions of
// lines took gigabytes and froze the reading pane. The text alone, which
// the tools read, has no limit of lines and is the document's text.
TEST_F(Fichiers, NonTexteEtTropDeLignesRefusesEnFrancais) {
  const std::string binaire = Ecris("programme", std::string("\x7F"
                                                             "ELF\x02\x01\0\0",
                                                             8));
  EXPECT_EQ(Cp1252VersUtf8(MessageDe([&] { LisTexteLatin(binaire); })),
            "Le fichier " + binaire + " ne semble pas être un texte");
  EXPECT_EQ(MessageDe([&] { LisTexteSeul(binaire); }), MessageDe([&] { LisTexteLatin(binaire); }));
  const std::string lignes = Ecris("lignes.txt", "Gallia\r\n" + std::string(10, '\n'));
  EXPECT_EQ(LisTexteLatin(lignes, 11).Paragraphes.size(), 11u);
  const std::string message = Cp1252VersUtf8(MessageDe([&] { LisTexteLatin(lignes, 10); }));
  EXPECT_NE(message.find("Impossible de lire le fichier " + lignes +
                         " : texte trop long pour la fenêtre de lecture (plus de 10 lignes)"),
            std::string::npos)
      << message;
  EXPECT_EQ(LisTexteSeul(lignes), LisTexteLatin(lignes, 11).Texte());
  EXPECT_EQ(LisTexteSeul(lignes), "Gallia" + std::string(10, '\n'));
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

// A save used to truncate the notes file before writing it, so a failure
// midway lost the pupil's notes: it now goes through a temporary file, and
// a save that fails leaves the old file, no descriptor open and no
// temporary file behind.
TEST_F(Fichiers, NotesRemplaceesEnEntierSauvegardesManqueesSansFuite) {
  const auto chemin = Ecris("notes.txt", "anciennes notes\r\n");
  struct stat avant {
  }, apres{};
  stat(chemin.c_str(), &avant);
  EcrisLignes(chemin, {"nouvelles"});
  stat(chemin.c_str(), &apres);
  EXPECT_NE(avant.st_ino, apres.st_ino);
  EXPECT_EQ(LisOctets(chemin), "nouvelles\r\n");

  fs::create_directories(Racine / "un-dossier" / "plein");
  const auto lectureSeule = Ecris("verrou.txt", "v");
  fs::permissions(lectureSeule, fs::perms::owner_read);
  const long avantEchecs =
      std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{});
  for (const std::string& cible :
       {Chemin("un-dossier"), Chemin("absent/n.txt"), lectureSeule, std::string("/dev/null")}) {
    EXPECT_NE(MessageDe([&] { EcrisLignes(cible, {"x"}); }), "aucune erreur") << cible;
  }
  EXPECT_THROW(AjouteLigne(Chemin("absent/t.txt"), "x"), Erreur);
  EXPECT_EQ(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}),
            avantEchecs);
  EXPECT_TRUE(fs::is_directory(Chemin("un-dossier/plein")));
  EXPECT_EQ(Noms(), (std::vector<std::string>{"notes.txt", "un-dossier", "verrou.txt"}));
}

}  // namespace
