#include "morpho/rangs_frequence.h"

#include <fstream>
#include <sstream>

#include "lexical/cp1252.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/entier.h"
#include "lexical/erreur.h"
#include "lexical/lignes.h"
#include "lexical/messages.h"
#include "lexical/vocabulaire.h"

namespace {
std::string CleRang(std::string_view vedette, int modele) {
  return std::string(vedette) + '\t' + std::to_string(modele);
}
}  // namespace

TRangs TRangs::DeTexte(std::string_view utf8, const std::string& origine) {
  TRangs r;
  int numero = 0;
  PourChaqueLigne(utf8, [&](std::string_view ligne) {
    ++numero;
    if (ligne.empty() || ligne.front() == '#') return;
    const std::size_t t1 = ligne.find('\t');
    const std::size_t t2 = t1 == std::string_view::npos ? t1 : ligne.find('\t', t1 + 1);
    const auto faute = [&](const std::string& message) {
      return Erreur(origine + ":" + std::to_string(numero) + ": " + message);
    };
    if (t2 == std::string_view::npos)
      throw faute("trois champs attendus (rang, vedette, modèle)"_1252);
    const std::optional<int> rang = LisEntier(ligne.substr(0, t1));
    if (!rang || *rang < 1) throw faute("rang invalide");
    const int modele = ModeleParNom(ligne.substr(t2 + 1));
    if (modele < 0) throw faute("modèle inconnu"_1252);
    const std::string vedette = Utf8VersCp1252(ligne.substr(t1 + 1, t2 - t1 - 1));
    // The first rank given for a headword stands.
    r.rangs_.emplace(CleRang(vedette, modele), *rang);
  });
  return r;
}

TRangs TRangs::Lis(const std::string& chemin) {
  std::ifstream fichier(chemin, std::ios::binary);
  if (!fichier) throw Erreur(Formate(MessageOuvrirFichier, {Utf8VersCp1252(chemin)}));
  std::ostringstream contenu;
  contenu << fichier.rdbuf();
  return DeTexte(contenu.str(), Utf8VersCp1252(chemin));
}

std::optional<int> TRangs::Rang(std::string_view vedette, int modele) const {
  const auto it = rangs_.find(CleRang(vedette, modele));
  if (it == rangs_.end()) return std::nullopt;
  return it->second;
}

std::string CheminRangsPres(const std::string& chemin) {
  const std::size_t barre = chemin.find_last_of('/');
  return (barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1)) + "rangs.txt";
}
