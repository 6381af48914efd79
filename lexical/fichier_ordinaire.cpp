#include "lexical/fichier_ordinaire.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/messages.h"

namespace {

std::string RaisonFrancaise(int code) { return RaisonSysteme(code, Acces::Lecture); }

[[noreturn]] void EchecLecture(const std::string& chemin, const std::string& raison) {
  throw Erreur(Formate(MessageLireFichier, {Utf8VersCp1252(chemin), raison}));
}

// Why a file of this kind is not read, or empty when it is a regular file.
std::string RaisonDuGenre(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return RaisonFrancaise(EISDIR);
  return RaisonPasOrdinaire;
}

std::string LisOuvert(const std::string& chemin, int fd, std::size_t limite) {
  // Checked again on the open file: the path may have changed since.
  struct stat infos {};
  if (fstat(fd, &infos) != 0) EchecLecture(chemin, RaisonFrancaise(errno));
  if (const std::string raison = RaisonDuGenre(infos.st_mode); !raison.empty())
    EchecLecture(chemin, raison);
  if (infos.st_size < 0 || static_cast<std::uint64_t>(infos.st_size) > limite)
    EchecLecture(chemin, RaisonTropVolumineux(limite));
  std::string octets;
  octets.reserve(static_cast<std::size_t>(infos.st_size));
  // Some regular files (under /proc) announce no size: the limit is kept
  // while reading too.
  char tampon[65536];
  for (;;) {
    const ssize_t n = read(fd, tampon, sizeof tampon);
    if (n < 0) {
      if (errno == EINTR) continue;
      EchecLecture(chemin, RaisonFrancaise(errno));
    }
    if (n == 0) break;
    if (octets.size() + static_cast<std::size_t>(n) > limite)
      EchecLecture(chemin, RaisonTropVolumineux(limite));
    octets.append(tampon, static_cast<std::size_t>(n));
  }
  return octets;
}

}  // namespace

std::string RaisonTropVolumineux(std::size_t limite) {
  return "fichier trop volumineux (plus de " + std::to_string(limite >> 20) + " Mo)";
}

std::string LisFichierOrdinaire(const std::string& chemin, std::size_t limite) {
  // A named pipe or a device is refused before it is opened: opening a
  // pipe waits for a writer, and reading /dev/zero never ends.
  struct stat infos {};
  if (stat(chemin.c_str(), &infos) != 0) EchecLecture(chemin, RaisonFrancaise(errno));
  if (const std::string raison = RaisonDuGenre(infos.st_mode); !raison.empty())
    EchecLecture(chemin, raison);
  const int fd = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) EchecLecture(chemin, RaisonFrancaise(errno));
  struct Fermeture {
    int fd;
    ~Fermeture() { close(fd); }
  } fermeture{fd};
  return LisOuvert(chemin, fd, limite);
}
