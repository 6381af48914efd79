#include "texte_latin.h"

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cp1252.h"
#include "erreur.h"
#include "rtf.h"

namespace {

std::string RaisonFrancaise(int code) {
  switch (code) {
    case ENOENT: return "fichier introuvable";
    case EACCES: return "acc\xE8s refus\xE9";
    case EISDIR: return "c'est un dossier";
    default: return "erreur de lecture";
  }
}

}  // namespace

std::string LisOctets(const std::string& chemin) {
  errno = 0;
  std::ifstream flux(chemin, std::ios::binary);
  if (!flux) {
    throw Erreur(Formate("Impossible de lire le fichier %s : %s",
                         {Utf8VersCp1252(chemin), RaisonFrancaise(errno)}));
  }
  std::ostringstream tampon;
  tampon << flux.rdbuf();
  if (flux.bad()) throw Erreur(Formate("Impossible de lire le fichier %s : %s", {Utf8VersCp1252(chemin), RaisonFrancaise(EIO)}));
  return std::move(tampon).str();
}

bool EstUtf8Valide(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int suite = 0;
    std::uint32_t point = 0;
    if (c < 0x80) { ++i; continue; }
    if (c >= 0xC2 && c <= 0xDF) { suite = 1; point = c & 0x1F; }
    else if (c >= 0xE0 && c <= 0xEF) { suite = 2; point = c & 0x0F; }
    else if (c >= 0xF0 && c <= 0xF4) { suite = 3; point = c & 0x07; }
    else return false;
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

std::string TexteVersUtf8(std::string_view octets) {
  if (EstUtf8Valide(octets)) {
    if (octets.substr(0, 3) == "\xEF\xBB\xBF") octets.remove_prefix(3);
    return std::string(octets);
  }
  return Cp1252VersUtf8(octets);
}

TDocumentRiche LisTexteLatin(const std::string& chemin) {
  const std::string octets = LisOctets(chemin);
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
  if (!ligne.empty() || document.Paragraphes.empty()) document.Paragraphes.push_back({{TSegment{std::move(ligne)}}});
  return document;
}
