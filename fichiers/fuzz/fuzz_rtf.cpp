// Feeds arbitrary bytes to the RTF reader: it must neither crash nor read out
// of bounds, and whatever it returns must be valid UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fichiers/rtf.h"
#include "fichiers/texte_latin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
  const TDocumentRiche document = LisRtf(octets);
  if (document.Paragraphes.empty() || !EstUtf8Valide(document.Texte())) std::abort();
  return 0;
}
