#include "lexical/fichier_atomique.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <new>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/messages.h"

void EchecEcriture(const std::string& chemin, const std::string& raison) {
  throw Erreur(Formate(MessageEcrireFichier, {Utf8VersCp1252(chemin), raison}));
}

void EchecEcriture(const std::string& chemin, int code) {
  EchecEcriture(chemin, RaisonSysteme(code, Acces::Ecriture));
}

namespace {

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

void Remplace(const std::string& chemin, std::string_view contenu) {
  const std::string cible = CibleDesLiens(chemin);
  struct stat ancien {};
  const bool existe = stat(cible.c_str(), &ancien) == 0;
  if (!existe && errno != ENOENT) EchecEcriture(chemin, errno);
  if (existe) {
    if (S_ISDIR(ancien.st_mode)) EchecEcriture(chemin, EISDIR);
    if (!S_ISREG(ancien.st_mode)) EchecEcriture(chemin, RaisonPasOrdinaire);
    // A teacher locks handed-in notes by taking away their write rights;
    // the rights are looked at, not only access(), which lets root through.
    if ((ancien.st_mode & 0222) == 0 || access(cible.c_str(), W_OK) != 0)
      EchecEcriture(chemin, RaisonLectureSeule);
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
  // save could bring back the old file, or none.
  const int dossier = open(Dossier(cible).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dossier >= 0) {
    if (fsync(dossier) != 0 && errno != EINVAL) code = errno;
    close(dossier);
    if (code != 0) EchecEcriture(chemin, code);
  }
}

}  // namespace

void RemplaceFichier(const std::string& chemin, std::string_view contenu) {
  try {
    Remplace(chemin, contenu);
  } catch (const std::bad_alloc&) {
    EchecEcriture(chemin, ENOMEM);
  }
}
