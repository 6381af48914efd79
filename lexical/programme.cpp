#include "lexical/programme.h"

#include <filesystem>
#include <system_error>

std::string CheminProgramme() {
  std::error_code erreur;
  const auto programme = std::filesystem::read_symlink("/proc/self/exe", erreur);
  return erreur ? std::string() : programme.string();
}

std::string DossierDuProgramme(std::string_view cheminProgramme) {
  const auto barre = cheminProgramme.find_last_of('/');
  return barre == std::string_view::npos ? std::string()
                                         : std::string(cheminProgramme.substr(0, barre + 1));
}

std::string DossierProgramme() {
  const std::string programme = CheminProgramme();
  if (!programme.empty()) return DossierDuProgramme(programme);
  std::error_code erreur;
  std::string dossier = std::filesystem::current_path(erreur).string();
  if (!dossier.empty() && dossier.back() != '/') dossier += '/';
  return dossier;
}
