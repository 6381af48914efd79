// Fuzz target of the notes reader and writer: any bytes as a notes file,
// split into lines, each line tried as the counters line, the lines written
// back (they must read back the same), the counters written and read back,
// and the bytes taken as the notes pane's text to save (what is not lost
// must come back unchanged). Nothing may crash, leak, hang or throw anything
// but Erreur on a bad counters line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fichiers/graphie.h"
#include "fichiers/notes.h"
#include "fichiers/texte_latin.h"
#include "lexical/cp1252.h"
#include "lexical/erreur.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
  const std::vector<std::string> lignes = DecoupeLignes(octets);
  if (DecoupeLignes(ContenuLignes(lignes)) != lignes) std::abort();
  for (const std::string& ligne : lignes) {
    try {
      if (const auto compteurs = LisLigneCompteurs(ligne)) {
        if (LisLigneCompteurs(LigneCompteurs(*compteurs)) != compteurs) std::abort();
        CompteurSuivant(compteurs->NbLexique);
      }
    } catch (const Erreur&) {
    }
  }
  if (!EstUtf8Valide(TexteVersUtf8(octets))) std::abort();
  const std::string enregistre = NotesEn1252(octets);
  const bool rienDePerdu = CaracteresPerdus(octets).empty();
  if (rienDePerdu && EstUtf8Valide(octets) && SansMarquesDeQuantite(octets) == octets &&
      Cp1252VersUtf8(enregistre) != octets)
    std::abort();
  AvertissementCaracteresPerdus(octets);
  return 0;
}
