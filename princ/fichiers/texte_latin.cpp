#include "princ/fichiers/texte_latin.h"

#include <cstdint>
#include <new>
#include <optional>

#include "lexical/cp1252.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/erreur.h"
#include "lexical/fichier_ordinaire.h"
#include "lexical/lignes.h"
#include "lexical/messages.h"
#include "lexical/utf8.h"
#include "princ/fichiers/rtf.h"

namespace {

[[noreturn]] void EchecLecture(const std::string& chemin, const std::string& raison) {
  throw Erreur(Formate(MessageLireFichier, {Utf8VersCp1252(chemin), raison}));
}

std::string RaisonTropDeLignes(std::size_t limite) {
  return "texte trop long pour la fenêtre de lecture (plus de "_1252 + std::to_string(limite) +
         " lignes) : découpez-le en plusieurs fichiers"_1252;
}

}  // namespace

std::string LisOctets(const std::string& chemin, std::size_t limite) {
  try {
    return LisFichierOrdinaire(chemin, limite);
  } catch (const std::bad_alloc&) {
    EchecLecture(chemin, RaisonMemoire);
  }
}

bool EstUtf16(std::string_view octets) {
  return octets.substr(0, 2) == "\xFF\xFE" || octets.substr(0, 2) == "\xFE\xFF";
}

namespace {

// UTF-16 bytes without a byte-order mark, in the given order, to UTF-8.
std::string Utf16OrdonneVersUtf8(std::string_view octets, bool grosBoutiste) {
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

// The byte order of UTF-16 without a byte-order mark, when the bytes say so
// plainly: an even size, and in the first 64 KB one byte in three or more
// of one parity zero (the high half of ASCII letters, blanks and
// punctuation) and hardly any of the other. Text in UTF-8 or Windows-1252
// holds no zero byte at all.
std::optional<bool> OrdreUtf16SansMarque(std::string_view octets) {
  if (octets.size() < 4 || octets.size() % 2 != 0) return std::nullopt;
  const std::string_view debut = octets.substr(0, std::size_t{1} << 16);
  std::size_t zerosPairs = 0, zerosImpairs = 0;
  for (std::size_t i = 0; i < debut.size(); ++i)
    if (debut[i] == '\0') ++(i % 2 == 0 ? zerosPairs : zerosImpairs);
  const std::size_t unites = debut.size() / 2;
  if (zerosImpairs * 3 >= unites && zerosPairs * 20 <= zerosImpairs) return false;
  if (zerosPairs * 3 >= unites && zerosImpairs * 20 <= zerosPairs) return true;
  return std::nullopt;
}

}  // namespace

std::string Utf16VersUtf8(std::string_view octets) {
  const bool grosBoutiste = octets.substr(0, 2) == "\xFE\xFF";
  if (EstUtf16(octets)) octets.remove_prefix(2);
  return Utf16OrdonneVersUtf8(octets, grosBoutiste);
}

bool SembleBinaire(std::string_view octets) {
  if (EstUtf16(octets) || OrdreUtf16SansMarque(octets)) return false;
  // A zero byte, or more than one control character in a hundred among the
  // first 64 KB (tabulations, line and page ends apart): no text holds them.
  const std::string_view debut = octets.substr(0, std::size_t{1} << 16);
  std::size_t controles = 0;
  for (char c : debut) {
    const auto o = static_cast<unsigned char>(c);
    if (o == 0) return true;
    if (o < 0x20 && o != '\t' && o != '\n' && o != '\r' && o != '\f') ++controles;
  }
  return controles * 100 > debut.size();
}

std::string TexteVersUtf8(std::string_view octets) {
  if (EstUtf16(octets)) return Utf16VersUtf8(octets);
  if (const auto grosBoutiste = OrdreUtf16SansMarque(octets))
    return Utf16OrdonneVersUtf8(octets, *grosBoutiste);
  if (EstUtf8Valide(octets)) {
    return std::string(SansMarqueUtf8(octets));
  }
  return Cp1252VersUtf8(octets);
}

namespace {

// The bytes of a file that is not RTF, checked to be text, as UTF-8.
std::string TexteSimple(const std::string& chemin, std::string_view octets) {
  if (SembleBinaire(octets)) throw Erreur(Formate(MessageNonTexte, {Utf8VersCp1252(chemin)}));
  return TexteVersUtf8(octets);
}

}  // namespace

TDocumentRiche DocumentDesOctets(std::string_view octets, const std::string& chemin,
                                 std::size_t maxParagraphes) {
  if (EstRtf(octets)) return LisRtf(octets);
  const std::string texte = TexteSimple(chemin, octets);
  // Counted before anything is built: each paragraph costs far more than
  // its bytes, in memory here and in time in the reading pane.
  std::size_t lignes = 0;
  PourChaqueLigne(texte, [&](std::string_view) { ++lignes; });
  if (lignes > maxParagraphes) EchecLecture(chemin, RaisonTropDeLignes(maxParagraphes));
  TDocumentRiche document;
  document.Paragraphes.reserve(lignes);
  PourChaqueLigne(texte, [&](std::string_view ligne) {
    document.Paragraphes.push_back({{TSegment{std::string(ligne)}}});
  });
  // An empty file is one empty paragraph.
  if (document.Paragraphes.empty()) document.Paragraphes.push_back({{TSegment{}}});
  return document;
}

std::string TexteSeulDesOctets(std::string_view octets, const std::string& chemin) {
  if (EstRtf(octets)) return LisRtf(octets).Texte();
  const std::string texte = TexteSimple(chemin, octets);
  std::string seul;
  seul.reserve(texte.size());
  PourChaqueLigne(texte, [&](std::string_view ligne) {
    seul.append(ligne);
    seul += '\n';
  });
  if (!seul.empty()) seul.pop_back();
  return seul;
}

TDocumentRiche LisTexteLatin(const std::string& chemin, std::size_t maxParagraphes) {
  const std::string octets = LisOctets(chemin);
  try {
    return DocumentDesOctets(octets, chemin, maxParagraphes);
  } catch (const std::bad_alloc&) {
    EchecLecture(chemin, RaisonMemoire);
  }
}

std::string LisTexteSeul(const std::string& chemin) {
  const std::string octets = LisOctets(chemin);
  try {
    return TexteSeulDesOctets(octets, chemin);
  } catch (const std::bad_alloc&) {
    EchecLecture(chemin, RaisonMemoire);
  }
}
