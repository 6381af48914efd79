#include "princ/fichiers/texte_latin.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "princ/fichiers/rtf.h"

namespace {

std::string RaisonFrancaise(int code) {
  switch (code) {
    case ENOENT:
    case ENOTDIR:
      return "fichier introuvable";
    case EACCES:
    case EPERM:
      return "acc\xE8s refus\xE9";
    case EISDIR:
      return "c'est un dossier";
    case ELOOP:
      return "trop de liens symboliques";
    default:
      return "erreur de lecture";
  }
}

[[noreturn]] void EchecLecture(const std::string& chemin, const std::string& raison) {
  throw Erreur(Formate("Impossible de lire le fichier %s : %s", {Utf8VersCp1252(chemin), raison}));
}

// Why a file of this kind is not read, or empty when it is a regular file.
std::string RaisonDuGenre(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return RaisonFrancaise(EISDIR);
  return "ce n'est pas un fichier ordinaire";
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

void AjouteUtf8(std::string& s, std::uint32_t u) {
  if (u < 0x80) {
    s += static_cast<char>(u);
  } else if (u < 0x800) {
    s += static_cast<char>(0xC0 | (u >> 6));
    s += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    s += static_cast<char>(0xE0 | (u >> 12));
    s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (u >> 18));
    s += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (u & 0x3F));
  }
}

constexpr std::uint32_t Remplacant = 0xFFFD;

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
    EchecLecture(chemin, "m\xE9moire insuffisante");
  }
}

bool EstUtf8Valide(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int suite = 0;
    std::uint32_t point = 0;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF) {
      suite = 1;
      point = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      suite = 2;
      point = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      suite = 3;
      point = c & 0x07;
    } else
      return false;
    if (i + suite >= s.size()) return false;
    for (int k = 1; k <= suite; ++k) {
      const auto o = static_cast<unsigned char>(s[i + k]);
      if ((o & 0xC0) != 0x80) return false;
      point = (point << 6) | (o & 0x3F);
    }
    // Overlong forms, surrogates and points past U+10FFFF are not UTF-8.
    if ((suite == 2 && point < 0x800) || (suite == 3 && (point < 0x10000 || point > 0x10FFFF)) ||
        (point >= 0xD800 && point <= 0xDFFF))
      return false;
    i += suite + 1;
  }
  return true;
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
    if (octets.substr(0, 3) == "\xEF\xBB\xBF") octets.remove_prefix(3);
    return std::string(octets);
  }
  return Cp1252VersUtf8(octets);
}

TDocumentRiche LisTexteLatin(const std::string& chemin) {
  const std::string octets = LisOctets(chemin);
  try {
    if (EstRtf(octets)) return LisRtf(octets);
    const std::string texte = TexteVersUtf8(octets);
    TDocumentRiche document;
    std::string ligne;
    for (std::size_t i = 0; i < texte.size(); ++i) {
      const char c = texte[i];
      if (c == '\r' || c == '\n') {
        if (c == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        document.Paragraphes.push_back({{TSegment{std::move(ligne)}}});
        ligne.clear();
      } else {
        ligne += c;
      }
    }
    if (!ligne.empty() || document.Paragraphes.empty())
      document.Paragraphes.push_back({{TSegment{std::move(ligne)}}});
    return document;
  } catch (const std::bad_alloc&) {
    EchecLecture(chemin, "m\xE9moire insuffisante");
  }
}
