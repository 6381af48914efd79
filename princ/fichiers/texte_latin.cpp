#include "princ/fichiers/texte_latin.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/lignes.h"
#include "lexical/messages.h"
#include "lexical/utf8.h"
#include "princ/fichiers/rtf.h"

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

std::string RaisonTaille(std::size_t limite) {
  return "fichier trop volumineux (plus de " + std::to_string(limite >> 20) + " Mo)";
}

std::string LisOuvert(const std::string& chemin, int fd, std::size_t limite) {
  // Checked again on the open file: the path may have changed since.
  struct stat infos {};
  if (fstat(fd, &infos) != 0) EchecLecture(chemin, RaisonFrancaise(errno));
  if (const std::string raison = RaisonDuGenre(infos.st_mode); !raison.empty())
    EchecLecture(chemin, raison);
  if (infos.st_size < 0 || static_cast<std::uint64_t>(infos.st_size) > limite)
    EchecLecture(chemin, RaisonTaille(limite));
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
      EchecLecture(chemin, RaisonTaille(limite));
    octets.append(tampon, static_cast<std::size_t>(n));
  }
  return octets;
}

}  // namespace

std::string LisOctets(const std::string& chemin, std::size_t limite) {
  try {
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
  } catch (const std::bad_alloc&) {
    EchecLecture(chemin, RaisonMemoire);
  }
}

bool EstUtf16(std::string_view octets) {
  return octets.substr(0, 2) == "\xFF\xFE" || octets.substr(0, 2) == "\xFE\xFF";
}

std::string Utf16VersUtf8(std::string_view octets) {
  const bool grosBoutiste = octets.substr(0, 2) == "\xFE\xFF";
  if (EstUtf16(octets)) octets.remove_prefix(2);
  const auto unite = [&](std::size_t i) -> std::uint32_t {
    const auto a = static_cast<unsigned char>(octets[i]);
    const auto b = static_cast<unsigned char>(octets[i + 1]);
    return grosBoutiste ? (a << 8 | b) : (b << 8 | a);
  };
  std::string utf8;
  utf8.reserve(octets.size());
  std::size_t i = 0;
  for (; i + 1 < octets.size(); i += 2) {
    const std::uint32_t u = unite(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < octets.size()) {
      const std::uint32_t v = unite(i + 2);
      if (v >= 0xDC00 && v <= 0xDFFF) {
        AjouteUtf8(utf8, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
        i += 2;
        continue;
      }
    }
    AjouteUtf8(utf8, u >= 0xD800 && u <= 0xDFFF ? Remplacant : u);
  }
  if (i < octets.size()) AjouteUtf8(utf8, Remplacant);
  return utf8;
}

std::string TexteVersUtf8(std::string_view octets) {
  if (EstUtf16(octets)) return Utf16VersUtf8(octets);
  if (EstUtf8Valide(octets)) {
    return std::string(SansMarqueUtf8(octets));
  }
  return Cp1252VersUtf8(octets);
}

TDocumentRiche LisTexteLatin(const std::string& chemin) {
  const std::string octets = LisOctets(chemin);
  try {
    if (EstRtf(octets)) return LisRtf(octets);
    const std::string texte = TexteVersUtf8(octets);
    TDocumentRiche document;
    PourChaqueLigne(texte, [&](std::string_view ligne) {
      document.Paragraphes.push_back({{TSegment{std::string(ligne)}}});
    });
    // An empty file is one empty paragraph.
    if (document.Paragraphes.empty()) document.Paragraphes.push_back({{TSegment{}}});
    return document;
  } catch (const std::bad_alloc&) {
    EchecLecture(chemin, RaisonMemoire);
  }
}
