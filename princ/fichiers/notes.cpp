#include "princ/fichiers/notes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <unordered_set>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "princ/fichiers/graphie.h"
#include "princ/fichiers/texte_latin.h"

namespace {

std::string Raison(int code) {
  switch (code) {
    case ENOENT:
    case ENOTDIR:
      return "dossier introuvable";
    case EACCES:
    case EPERM:
      return "acc\xE8s refus\xE9";
    case ENOSPC:
    case EDQUOT:
      return "disque plein";
    case EROFS:
      return "support en lecture seule";
    case EISDIR:
      return "c'est un dossier";
    case ELOOP:
      return "trop de liens symboliques";
    case ENOMEM:
      return "m\xE9moire insuffisante";
    default:
      return "erreur d'\xE9"
             "criture";
  }
}

[[noreturn]] void EchecEcriture(const std::string& chemin, const std::string& raison) {
  throw Erreur(
      Formate("Impossible d'\xE9"
              "crire le fichier %s : %s",
              {Utf8VersCp1252(chemin), raison}));
}

[[noreturn]] void EchecEcriture(const std::string& chemin, int code) {
  EchecEcriture(chemin, Raison(code));
}

std::vector<std::string> ChampsCsv(std::string_view ligne) {
  std::vector<std::string> champs(1);
  bool entreGuillemets = false;
  for (std::size_t i = 0; i < ligne.size(); ++i) {
    const char c = ligne[i];
    if (entreGuillemets) {
      if (c == '"' && i + 1 < ligne.size() && ligne[i + 1] == '"') {
        champs.back() += '"';
        ++i;
      } else if (c == '"') {
        entreGuillemets = false;
      } else {
        champs.back() += c;
      }
    } else if (c == '"') {
      entreGuillemets = true;
    } else if (c == ',') {
      champs.emplace_back();
    } else {
      champs.back() += c;
    }
  }
  return champs;
}

bool EntierDecimal(std::string_view texte, int& valeur) {
  while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
  while (!texte.empty() && texte.back() == ' ') texte.remove_suffix(1);
  if (!texte.empty() && texte.front() == '+') texte.remove_prefix(1);
  const auto [fin, code] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (texte.empty() || fin != texte.data() + texte.size()) return false;
  // A count the old program let run past the largest integer is kept at it.
  if (code == std::errc::result_out_of_range && texte.front() != '-') {
    valeur = INT_MAX;
    return true;
  }
  return code == std::errc{};
}

std::string Dossier(const std::string& chemin) {
  const auto barre = chemin.find_last_of('/');
  if (barre == std::string::npos) return ".";
  return barre == 0 ? "/" : chemin.substr(0, barre);
}

// The file a path finally names, symbolic links followed: saving replaces
// that file, so the link stays a link. A missing last target is the file to
// create.
std::string CibleDesLiens(const std::string& chemin) {
  std::string cible = chemin;
  for (int i = 0; i < 40; ++i) {
    struct stat infos {};
    if (lstat(cible.c_str(), &infos) != 0 || !S_ISLNK(infos.st_mode)) return cible;
    std::string lien(PATH_MAX, '\0');
    const ssize_t n = readlink(cible.c_str(), lien.data(), lien.size());
    if (n < 0) EchecEcriture(chemin, errno);
    lien.resize(static_cast<std::size_t>(n));
    cible = !lien.empty() && lien.front() == '/' ? lien : Dossier(cible) + "/" + lien;
  }
  EchecEcriture(chemin, ELOOP);
}

// Writes everything; 0 or the error code.
int EcritTout(int fd, std::string_view contenu) {
  while (!contenu.empty()) {
    const ssize_t n = write(fd, contenu.data(), contenu.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    contenu.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

// Closes whatever happens; the first error code, or 0.
int SynchroniseEtFerme(int fd, int code) {
  if (code == 0 && fsync(fd) != 0) code = errno;
  if (close(fd) != 0 && code == 0) code = errno;
  return code;
}

// A new file beside the target, created with O_EXCL so that nothing there
// is overwritten, and with the usual rights (the process's umask applies
// without being changed).
int CreeProvisoire(const std::string& cible, std::string& provisoire) {
  for (int essai = 0; essai < 100; ++essai) {
    timespec instant{};
    clock_gettime(CLOCK_REALTIME, &instant);
    provisoire = cible + ".enr-" + std::to_string(getpid()) + "-" +
                 std::to_string(instant.tv_nsec) + "-" + std::to_string(essai);
    const int fd = open(provisoire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Rewrites an existing file in place, for the one case where a replacement
// could not keep its owner (another user's file in a folder we may write):
// the file stays that user's, at the cost of the all-or-nothing guarantee.
void EcritSurPlace(const std::string& chemin, const std::string& cible, std::string_view contenu) {
  const int fd = open(cible.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) EchecEcriture(chemin, errno);
  int code = EcritTout(fd, contenu);
  if (code == 0 && ftruncate(fd, static_cast<off_t>(contenu.size())) != 0) code = errno;
  code = SynchroniseEtFerme(fd, code);
  if (code != 0) EchecEcriture(chemin, code);
}

}  // namespace

std::vector<std::string> DecoupeLignes(std::string_view octets) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  for (std::size_t i = 0; i < octets.size(); ++i) {
    const char c = octets[i];
    if (c != '\r' && c != '\n') continue;
    lignes.emplace_back(octets.substr(debut, i - debut));
    if (c == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ++i;
    debut = i + 1;
  }
  if (debut < octets.size()) lignes.emplace_back(octets.substr(debut));
  return lignes;
}

std::vector<std::string> LisLignes(const std::string& chemin) {
  const std::string octets = LisOctets(chemin);
  try {
    return DecoupeLignes(octets);
  } catch (const std::bad_alloc&) {
    throw Erreur(Formate("Impossible de lire le fichier %s : %s",
                         {Utf8VersCp1252(chemin), "m\xE9moire insuffisante"}));
  }
}

std::string ContenuLignes(const std::vector<std::string>& lignes) {
  std::string contenu;
  for (const auto& ligne : lignes) {
    contenu += ligne;
    contenu += "\r\n";
  }
  return contenu;
}

namespace {

void Remplace(const std::string& chemin, const std::string& contenu) {
  const std::string cible = CibleDesLiens(chemin);
  struct stat ancien {};
  const bool existe = stat(cible.c_str(), &ancien) == 0;
  if (!existe && errno != ENOENT) EchecEcriture(chemin, errno);
  if (existe) {
    if (S_ISDIR(ancien.st_mode)) EchecEcriture(chemin, EISDIR);
    if (!S_ISREG(ancien.st_mode)) EchecEcriture(chemin, "ce n'est pas un fichier ordinaire");
    // A teacher locks handed-in notes by taking away their write rights;
    // the rights are looked at, not only access(), which lets root through.
    if ((ancien.st_mode & 0222) == 0 || access(cible.c_str(), W_OK) != 0)
      EchecEcriture(chemin, "fichier en lecture seule");
  }
  std::string provisoire;
  const int fd = CreeProvisoire(cible, provisoire);
  if (fd < 0) EchecEcriture(chemin, errno);
  int code = 0;
  if (existe) {
    struct stat nouveau {};
    if (fstat(fd, &nouveau) != 0) code = errno;
    if (code == 0 && (nouveau.st_uid != ancien.st_uid || nouveau.st_gid != ancien.st_gid) &&
        fchown(fd, ancien.st_uid, ancien.st_gid) != 0) {
      close(fd);
      unlink(provisoire.c_str());
      EcritSurPlace(chemin, cible, contenu);
      return;
    }
    // After the owner: changing the owner may clear set-id bits.
    if (code == 0 && fchmod(fd, ancien.st_mode & 07777) != 0) code = errno;
  }
  if (code == 0) code = EcritTout(fd, contenu);
  code = SynchroniseEtFerme(fd, code);
  if (code == 0 && std::rename(provisoire.c_str(), cible.c_str()) != 0) code = errno;
  if (code != 0) {
    unlink(provisoire.c_str());
    EchecEcriture(chemin, code);
  }
  // The rename itself is made durable: without it a crash soon after the
  // save could bring back the old notes, or none.
  const int dossier = open(Dossier(cible).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dossier >= 0) {
    if (fsync(dossier) != 0 && errno != EINVAL) code = errno;
    close(dossier);
    if (code != 0) EchecEcriture(chemin, code);
  }
}

}  // namespace

void EcrisLignes(const std::string& chemin, const std::vector<std::string>& lignes) {
  try {
    Remplace(chemin, ContenuLignes(lignes));
  } catch (const std::bad_alloc&) {
    EchecEcriture(chemin, ENOMEM);
  }
}

void AjouteLigne(const std::string& chemin, std::string_view ligne) {
  std::string texte;
  try {
    texte.reserve(ligne.size() + 2);
  } catch (const std::bad_alloc&) {
    EchecEcriture(chemin, ENOMEM);
  }
  texte = ligne;
  for (char& c : texte) {
    const auto o = static_cast<unsigned char>(c);
    // Controls, and the five bytes Windows-1252 leaves undefined, which
    // stand for controls too.
    if (o < 0x20 || o == 0x7F || o == 0x81 || o == 0x8D || o == 0x8F || o == 0x90 || o == 0x9D)
      c = ' ';
  }
  texte += "\r\n";
  std::FILE* fichier = std::fopen(chemin.c_str(), "abe");
  if (!fichier) EchecEcriture(chemin, errno);
  const bool ok = std::fwrite(texte.data(), 1, texte.size(), fichier) == texte.size();
  const int code = errno;
  if (std::fclose(fichier) != 0 || !ok) EchecEcriture(chemin, ok ? errno : code);
}

bool FichierExiste(const std::string& chemin) {
  struct stat infos {};
  return !chemin.empty() && stat(chemin.c_str(), &infos) == 0 && S_ISREG(infos.st_mode);
}

std::string LigneCompteurs(const TCompteurs& c) {
  return "auxil.," + std::to_string(c.NbLexique) + "," + std::to_string(c.NbMorpho) + "," +
         std::to_string(c.NbTraduction);
}

std::optional<TCompteurs> LisLigneCompteurs(std::string_view ligne) {
  if (ligne.find("auxil.") == std::string_view::npos) return std::nullopt;
  const auto champs = ChampsCsv(ligne);
  TCompteurs c;
  if (champs.size() < 4 || !EntierDecimal(champs[1], c.NbLexique) ||
      !EntierDecimal(champs[2], c.NbMorpho) || !EntierDecimal(champs[3], c.NbTraduction))
    throw Erreur(Formate("Ligne des compteurs illisible : %s", {std::string(ligne)}));
  return c;
}

int CompteurSuivant(int compteur) { return compteur < INT_MAX ? compteur + 1 : compteur; }

std::string NotesEn1252(std::string_view utf8) {
  return Utf8VersCp1252(SansMarquesDeQuantite(utf8));
}

std::vector<std::string> CaracteresPerdus(std::string_view utf8) {
  const std::string texte = SansMarquesDeQuantite(utf8);
  std::vector<std::string> perdus;
  std::unordered_set<std::string> vus;
  for (std::size_t i = 0; i < texte.size();) {
    const auto c = static_cast<unsigned char>(texte[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (i + n > texte.size()) n = 1;
    const std::string_view caractere = std::string_view(texte).substr(i, n);
    i += n;
    if (Utf8VersCp1252Exact(caractere)) continue;
    // A byte that is not UTF-8 at all is shown as the replacement character.
    std::string montre = EstUtf8Valide(caractere) ? std::string(caractere) : "\xEF\xBF\xBD";
    if (vus.insert(montre).second) perdus.push_back(std::move(montre));
  }
  return perdus;
}

std::string AvertissementCaracteresPerdus(std::string_view utf8) {
  const std::vector<std::string> perdus = CaracteresPerdus(utf8);
  if (perdus.empty()) return {};
  // A pane full of another script would make a box taller than the screen.
  constexpr std::size_t Montres = 20;
  std::string message = "Ces caract\xC3\xA8res ne peuvent pas \xC3\xAAtre enregistr\xC3\xA9s :";
  for (std::size_t i = 0; i < perdus.size() && i < Montres; ++i) message += " " + perdus[i];
  if (perdus.size() > Montres) message += " ...";
  return message;
}

std::string CheminNotes(std::string_view repertoire, std::string_view nom,
                        std::string_view fichierTexte) {
  const auto barre = fichierTexte.find_last_of('/');
  const std::string_view nomTexte =
      barre == std::string_view::npos ? fichierTexte : fichierTexte.substr(barre + 1);
  std::string chemin(repertoire);
  if (!chemin.empty() && chemin.back() != '/') chemin += '/';
  chemin += nom;
  chemin += '-';
  chemin += nomTexte;
  return chemin;
}
