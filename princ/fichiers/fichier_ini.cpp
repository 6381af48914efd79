#include "princ/fichiers/fichier_ini.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <new>

#include "lexical/cp1252.h"
#include "lexical/entier.h"
#include "lexical/erreur.h"
#include "lexical/lignes.h"
#include "lexical/messages.h"
#include "lexical/minuscules.h"
#include "princ/fichiers/texte_latin.h"

// The file is parsed here rather than by libinih: that library reads a
// string through a fixed line buffer (200 bytes in Debian's build, whatever
// its run-time settings say), so a long path was cut and its remainder read
// as a line of its own, where it could define another key. Here a line is
// whatever lies between two line ends.

namespace {

bool Blanc(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view SansBlancs(std::string_view s) {
  while (!s.empty() && Blanc(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blanc(s.back())) s.remove_suffix(1);
  return s;
}

std::string Cle(std::string_view section, std::string_view cle) {
  return Minuscules(section) + '\n' + Minuscules(cle);
}

}  // namespace

TFichierIni::TFichierIni(const std::string& chemin) {
  // Only a file that is not there at all means "no configuration": one that
  // is there and cannot be read must not silently start the free mode.
  struct stat infos {};
  if (lstat(chemin.c_str(), &infos) != 0 && (errno == ENOENT || errno == ENOTDIR)) return;
  try {
    Lis(LisOctets(chemin));
  } catch (const Erreur& e) {
    Valeurs.clear();
    noms_.clear();
    ValeursUtf8.clear();
    probleme_ = e.what();
  } catch (const std::bad_alloc&) {
    Valeurs.clear();
    noms_.clear();
    ValeursUtf8.clear();
    probleme_ = Formate(MessageLireFichier, {Utf8VersCp1252(chemin), RaisonMemoire});
  }
}

TFichierIni TFichierIni::DepuisOctets(std::string_view octets) {
  TFichierIni ini;
  ini.Lis(octets);
  return ini;
}

void TFichierIni::Lis(std::string_view octets) {
  std::string converti;
  bool utf8 = true;
  if (EstUtf16(octets)) {
    converti = Utf16VersUtf8(octets);  // as Windows Notepad saves "Unicode"
    octets = converti;
  } else {
    utf8 = EstUtf8Valide(octets);
    octets = SansMarqueUtf8(octets);
  }
  std::string section;
  int numero = 0;
  const auto en1252 = [utf8](std::string_view texte) {
    return utf8 ? Utf8VersCp1252(texte) : std::string(texte);
  };
  PourChaqueLigne(octets, [&](std::string_view ligne) {
    ++numero;
    ligne = SansBlancs(ligne);
    if (ligne.empty() || ligne.front() == ';' || ligne.front() == '#') return;
    if (ligne.front() == '[') {
      const std::size_t fermante = ligne.find(']');
      if (fermante != std::string_view::npos)
        section = std::string(SansBlancs(ligne.substr(1, fermante - 1)));
      noms_.push_back({en1252(section), {}, numero});
      return;
    }
    // "name=value" or "name: value", split at the first of the two; a
    // value runs to the end of the line (a ';' in a path is no comment).
    const std::size_t egal = ligne.find_first_of("=:");
    if (egal == std::string_view::npos) return;
    const std::string_view nom = SansBlancs(ligne.substr(0, egal));
    std::string_view valeur = SansBlancs(ligne.substr(egal + 1));
    if (valeur.size() >= 2 && valeur.front() == '"' && valeur.back() == '"')
      valeur = valeur.substr(1, valeur.size() - 2);
    const std::string cle = Cle(section, nom);
    if (Valeurs.try_emplace(cle, utf8 ? Utf8VersCp1252(valeur) : std::string(valeur)).second)
      ValeursUtf8.try_emplace(cle, utf8 ? std::string(valeur) : Cp1252VersUtf8(valeur));
    noms_.push_back({en1252(section), en1252(nom), numero});
  });
}

std::string TFichierIni::LisChaine(std::string_view section, std::string_view cle,
                                   const std::string& defaut) const {
  const auto it = Valeurs.find(Cle(section, cle));
  return it == Valeurs.end() ? defaut : it->second;
}

std::string TFichierIni::LisChemin(std::string_view section, std::string_view cle,
                                   const std::string& defaut) const {
  const auto it = ValeursUtf8.find(Cle(section, cle));
  return it == ValeursUtf8.end() ? defaut : it->second;
}

std::optional<int> TFichierIni::Entier(std::string_view texte) {
  texte = SansBlancs(texte);
  if (texte.size() > 2 && texte[0] == '0' && (texte[1] == 'x' || texte[1] == 'X')) {
    std::uint32_t valeur = 0;
    const auto [fin, code] =
        std::from_chars(texte.data() + 2, texte.data() + texte.size(), valeur, 16);
    if (code != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
    return static_cast<std::int32_t>(valeur);
  }
  return ::LisEntier(texte);
}

int TFichierIni::LisEntier(std::string_view section, std::string_view cle, int defaut) const {
  const auto it = Valeurs.find(Cle(section, cle));
  if (it == Valeurs.end()) return defaut;
  return Entier(it->second).value_or(defaut);
}
