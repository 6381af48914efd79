#include "fichiers/notes.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <new>
#include <unordered_set>

#include "fichiers/graphie.h"
#include "fichiers/texte_latin.h"
#include "lexical/cp1252.h"
#include "lexical/entier.h"
#include "lexical/erreur.h"
#include "lexical/fichier_atomique.h"
#include "lexical/messages.h"
#include "lexical/utf8.h"

namespace {

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

// Blanks around a count are allowed; a count the old program let run past
// the largest integer is kept at it.
bool EntierDecimal(std::string_view texte, int& valeur) {
  while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
  while (!texte.empty() && texte.back() == ' ') texte.remove_suffix(1);
  const std::optional<int> lu = LisEntier(texte, Depassement::AuPlusGrand);
  if (lu) valeur = *lu;
  return lu.has_value();
}

}  // namespace

std::vector<std::string> LisLignes(const std::string& chemin) {
  const std::string octets = LisOctets(chemin);
  try {
    return DecoupeLignes(octets);
  } catch (const std::bad_alloc&) {
    throw Erreur(Formate(MessageLireFichier, {Utf8VersCp1252(chemin), RaisonMemoire}));
  }
}

std::string ContenuLignes(const std::vector<std::string>& lignes) {
  std::string contenu;
  for (const auto& ligne : lignes) {
    contenu += ligne;
    contenu += "\r\n";
  }
  return contenu;
}

void EcrisLignes(const std::string& chemin, const std::vector<std::string>& lignes) {
  try {
    RemplaceFichier(chemin, ContenuLignes(lignes));
  } catch (const std::bad_alloc&) {
    EchecEcriture(chemin, ENOMEM);
  }
}

void AjouteLigne(const std::string& chemin, std::string_view ligne) {
  std::string texte;
  try {
    texte.reserve(ligne.size() + 2);
  } catch (const std::bad_alloc&) {
    EchecEcriture(chemin, ENOMEM);
  }
  texte = ligne;
  for (char& c : texte) {
    const auto o = static_cast<unsigned char>(c);
    // Controls, and the five bytes Windows-1252 leaves undefined, which
    // stand for controls too.
    if (o < 0x20 || o == 0x7F || o == 0x81 || o == 0x8D || o == 0x8F || o == 0x90 || o == 0x9D)
      c = ' ';
  }
  texte += "\r\n";
  std::FILE* fichier = std::fopen(chemin.c_str(), "abe");
  if (!fichier) EchecEcriture(chemin, errno);
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
  if (champs.size() < 4 || !EntierDecimal(champs[1], c.NbLexique) ||
      !EntierDecimal(champs[2], c.NbMorpho) || !EntierDecimal(champs[3], c.NbTraduction))
    throw Erreur(Formate("Ligne des compteurs illisible : %s", {std::string(ligne)}));
  return c;
}

int CompteurSuivant(int compteur) { return compteur < INT_MAX ? compteur + 1 : compteur; }

std::string NotesEn1252(std::string_view utf8) {
  return Utf8VersCp1252(SansMarquesDeQuantite(utf8));
}

std::vector<std::string> CaracteresPerdus(std::string_view utf8) {
  const std::string texte = SansMarquesDeQuantite(utf8);
  std::vector<std::string> perdus;
  std::unordered_set<std::string> vus;
  for (std::size_t i = 0; i < texte.size();) {
    const TCaractereUtf8 c = DecodeUtf8(texte, i);
    const std::string_view caractere = std::string_view(texte).substr(i, c.Longueur);
    i += c.Longueur;
    if (c.Valide && Octet1252(c.Point) >= 0) continue;
    // A byte that is not UTF-8 at all is shown as the replacement character.
    std::string montre;
    if (c.Valide)
      montre = caractere;
    else
      AjouteUtf8(montre, Remplacant);
    if (vus.insert(montre).second) perdus.push_back(std::move(montre));
  }
  return perdus;
}

std::string AvertissementCaracteresPerdus(std::string_view utf8) {
  const std::vector<std::string> perdus = CaracteresPerdus(utf8);
  if (perdus.empty()) return {};
  // A pane full of another script would make a box taller than the screen.
  constexpr std::size_t Montres = 20;
  std::string message = "Ces caractères ne peuvent pas être enregistrés :";
  for (std::size_t i = 0; i < perdus.size() && i < Montres; ++i) message += " " + perdus[i];
  if (perdus.size() > Montres) message += " ...";
  return message;
}

std::string CheminNotes(std::string_view repertoire, std::string_view nom,
                        std::string_view fichierTexte) {
  const auto barre = fichierTexte.find_last_of('/');
  const std::string_view nomTexte =
      barre == std::string_view::npos ? fichierTexte : fichierTexte.substr(barre + 1);
  std::string chemin(repertoire);
  if (!chemin.empty() && chemin.back() != '/') chemin += '/';
  chemin += nom;
  chemin += '-';
  chemin += nomTexte;
  return chemin;
}
