#include "lexical/chaines_latines.h"

#include <span>

#include "lexical/listes_embarquees.h"

// The sections of enclitiques.txt, compiled in by the build.
extern const std::span<const TListeEmbarquee> ListesEnclitiques;

std::string Normalise(std::string_view forme) {
  std::string resultat(forme);
  for (char& c : resultat) {
    if (c == 'v')
      c = 'u';
    else if (c == 'j')
      c = 'i';
  }
  return resultat;
}

std::string LettresInitiales(std::string_view texte) {
  std::size_t n = 0;
  while (n < texte.size() &&
         ((texte[n] >= 'A' && texte[n] <= 'Z') || (texte[n] >= 'a' && texte[n] <= 'z')))
    ++n;
  return std::string(texte.substr(0, n));
}

std::string SansSuffixe(std::string_view texte, std::string_view suffixe) {
  if (suffixe.empty() || texte.size() < suffixe.size()) return {};
  if (texte.substr(texte.size() - suffixe.size()) != suffixe) return {};
  return std::string(texte.substr(0, texte.size() - suffixe.size()));
}

std::string SansEnclitique(std::string_view forme) {
  std::string reste;
  UnDesMots(MotsDeLaSection(ListesEnclitiques, "enclitiques"), [&](std::string_view enclitique) {
    reste = SansSuffixe(forme, enclitique);
    return !reste.empty();
  });
  return reste;
}
