#include "fichier_ini.h"

#include <ini.h>

#include <cctype>
#include <charconv>
#include <cstdint>

#include "cp1252.h"
#include "texte_latin.h"

namespace {

std::string Minuscules(std::string_view texte) {
  std::string resultat(texte);
  for (char& c : resultat) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return resultat;
}

std::string Cle(std::string_view section, std::string_view cle) {
  return Minuscules(section) + '\n' + Minuscules(cle);
}

struct TLecture {
  std::map<std::string, std::string>* Valeurs;
  bool Utf8;
};

int Recoit(void* utilisateur, const char* section, const char* nom, const char* valeur) {
  auto* lecture = static_cast<TLecture*>(utilisateur);
  std::string_view v = valeur ? valeur : "";
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  lecture->Valeurs->try_emplace(Cle(section, nom), lecture->Utf8 ? Utf8VersCp1252(v) : std::string(v));
  return 1;
}

}  // namespace

TFichierIni::TFichierIni(const std::string& chemin) {
  std::string octets;
  try {
    octets = LisOctets(chemin);
  } catch (...) {
    return;  // no configuration file: every key is absent
  }
  // A value runs to the end of its line as in Windows INI files: a path may
  // hold a ';', and no line length is imposed.
  ini_allow_inline_comments = false;
  ini_allow_multiline = false;
  ini_use_stack = false;
  ini_allow_realloc = true;
  TLecture lecture{&Valeurs, EstUtf8Valide(octets)};
  ini_parse_string(octets.c_str(), Recoit, &lecture);
}

std::string TFichierIni::LisChaine(std::string_view section, std::string_view cle, const std::string& defaut) const {
  const auto it = Valeurs.find(Cle(section, cle));
  return it == Valeurs.end() ? defaut : it->second;
}

std::optional<int> TFichierIni::Entier(std::string_view texte) {
  while (!texte.empty() && std::isspace(static_cast<unsigned char>(texte.front()))) texte.remove_prefix(1);
  while (!texte.empty() && std::isspace(static_cast<unsigned char>(texte.back()))) texte.remove_suffix(1);
  if (texte.size() > 2 && texte[0] == '0' && (texte[1] == 'x' || texte[1] == 'X')) {
    std::uint32_t valeur = 0;
    const auto [fin, code] = std::from_chars(texte.data() + 2, texte.data() + texte.size(), valeur, 16);
    if (code != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
    return static_cast<std::int32_t>(valeur);
  }
  if (!texte.empty() && texte.front() == '+') texte.remove_prefix(1);
  int valeur = 0;
  const auto [fin, code] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (texte.empty() || code != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
  return valeur;
}

int TFichierIni::LisEntier(std::string_view section, std::string_view cle, int defaut) const {
  const auto it = Valeurs.find(Cle(section, cle));
  if (it == Valeurs.end()) return defaut;
  return Entier(it->second).value_or(defaut);
}
