// Feeds arbitrary bytes to the reader of Latin text files, as the window and
// the tools read them: RTF, UTF-16 with or without a byte-order mark, UTF-8,
// Windows-1252, or refused as no text or too many lines. It must neither
// crash nor let anything but the French Erreur out; a document read is valid
// UTF-8, and the text alone the tools read is the document's text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lexical/erreur.h"
#include "princ/fichiers/texte_latin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
  // A small limit, so that the refusal of long texts is reached too.
  constexpr std::size_t maxParagraphes = 64;
  std::string texte;
  bool lu = true;
  try {
    const TDocumentRiche document = DocumentDesOctets(octets, "essai.txt", maxParagraphes);
    texte = document.Texte();
    if (document.Paragraphes.empty() || !EstUtf8Valide(texte)) std::abort();
  } catch (const Erreur&) {
    lu = false;
  }
  try {
    const std::string seul = TexteSeulDesOctets(octets, "essai.txt");
    if (!EstUtf8Valide(seul) || (lu && seul != texte)) std::abort();
  } catch (const Erreur&) {
    // Refused as no text: the document must have been refused as well.
    if (lu) std::abort();
  }
  return 0;
}
