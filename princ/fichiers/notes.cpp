#include "notes.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cp1252.h"
#include "erreur.h"
#include "texte_latin.h"

namespace {

std::string Raison(int code) {
  switch (code) {
    case ENOENT: return "dossier introuvable";
    case EACCES:
    case EPERM: return "acc\xE8s refus\xE9";
    case ENOSPC: return "disque plein";
    case EROFS: return "support en lecture seule";
    case EISDIR: return "c'est un dossier";
    default: return "erreur d'\xE9" "criture";
  }
}

[[noreturn]] void EchecEcriture(const std::string& chemin, int code) {
  throw Erreur(Formate("Impossible d'\xE9" "crire le fichier %s : %s", {Utf8VersCp1252(chemin), Raison(code)}));
}

std::vector<std::string> ChampsCsv(std::string_view ligne) {
  std::vector<std::string> champs(1);
  bool entreGuillemets = false;
  for (std::size_t i = 0; i < ligne.size(); ++i) {
    const char c = ligne[i];
    if (entreGuillemets) {
      if (c == '"' && i + 1 < ligne.size() && ligne[i + 1] == '"') {
        champs.back() += '"';
        ++i;
      } else if (c == '"') {
        entreGuillemets = false;
      } else {
        champs.back() += c;
      }
    } else if (c == '"') {
      entreGuillemets = true;
    } else if (c == ',') {
      champs.emplace_back();
    } else {
      champs.back() += c;
    }
  }
  return champs;
}

bool EntierDecimal(std::string_view texte, int& valeur) {
  while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
  while (!texte.empty() && texte.back() == ' ') texte.remove_suffix(1);
  if (!texte.empty() && texte.front() == '+') texte.remove_prefix(1);
  const auto [fin, code] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  return !texte.empty() && code == std::errc{} && fin == texte.data() + texte.size();
}

}  // namespace

std::vector<std::string> LisLignes(const std::string& chemin) {
  const std::string octets = LisOctets(chemin);
  std::vector<std::string> lignes;
  std::string ligne;
  for (std::size_t i = 0; i < octets.size(); ++i) {
    const char c = octets[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ++i;
      lignes.push_back(std::move(ligne));
      ligne.clear();
    } else {
      ligne += c;
    }
  }
  if (!ligne.empty()) lignes.push_back(std::move(ligne));
  return lignes;
}

void EcrisLignes(const std::string& chemin, const std::vector<std::string>& lignes) {
  std::string contenu;
  for (const auto& ligne : lignes) contenu += ligne + "\r\n";
  std::string modele = chemin + ".XXXXXX";
  const int fd = mkstemp(modele.data());
  if (fd < 0) EchecEcriture(chemin, errno);
  // mkstemp makes the file private; a notes file gets the usual rights.
  const mode_t masque = umask(0);
  umask(masque);
  fchmod(fd, 0666 & ~masque);
  std::size_t ecrit = 0;
  while (ecrit < contenu.size()) {
    const ssize_t n = write(fd, contenu.data() + ecrit, contenu.size() - ecrit);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      close(fd);
      unlink(modele.c_str());
      EchecEcriture(chemin, code);
    }
    ecrit += static_cast<std::size_t>(n);
  }
  if (fsync(fd) != 0 || close(fd) != 0) {
    const int code = errno;
    unlink(modele.c_str());
    EchecEcriture(chemin, code);
  }
  if (std::rename(modele.c_str(), chemin.c_str()) != 0) {
    const int code = errno;
    unlink(modele.c_str());
    EchecEcriture(chemin, code);
  }
}

void AjouteLigne(const std::string& chemin, std::string_view ligne) {
  std::FILE* fichier = std::fopen(chemin.c_str(), "ab");
  if (!fichier) EchecEcriture(chemin, errno);
  const std::string texte = std::string(ligne) + "\r\n";
  const bool ok = std::fwrite(texte.data(), 1, texte.size(), fichier) == texte.size();
  const int code = errno;
  if (std::fclose(fichier) != 0 || !ok) EchecEcriture(chemin, ok ? errno : code);
}

bool FichierExiste(const std::string& chemin) {
  struct stat infos {};
  return !chemin.empty() && stat(chemin.c_str(), &infos) == 0 && S_ISREG(infos.st_mode);
}

std::string LigneCompteurs(const TCompteurs& c) {
  return "auxil.," + std::to_string(c.NbLexique) + "," + std::to_string(c.NbMorpho) + "," +
         std::to_string(c.NbTraduction);
}

std::optional<TCompteurs> LisLigneCompteurs(std::string_view ligne) {
  if (ligne.find("auxil.") == std::string_view::npos) return std::nullopt;
  const auto champs = ChampsCsv(ligne);
  TCompteurs c;
  if (champs.size() < 4 || !EntierDecimal(champs[1], c.NbLexique) || !EntierDecimal(champs[2], c.NbMorpho) ||
      !EntierDecimal(champs[3], c.NbTraduction))
    throw Erreur(Formate("Ligne des compteurs illisible : %s", {std::string(ligne)}));
  return c;
}

std::string CheminNotes(std::string_view repertoire, std::string_view nom, std::string_view fichierTexte) {
  const auto barre = fichierTexte.find_last_of('/');
  const std::string_view nomTexte = barre == std::string_view::npos ? fichierTexte : fichierTexte.substr(barre + 1);
  std::string chemin(repertoire);
  if (!chemin.empty() && chemin.back() != '/') chemin += '/';
  chemin += nom;
  chemin += '-';
  chemin += nomTexte;
  return chemin;
}
