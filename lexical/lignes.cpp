#include "lexical/lignes.h"

std::vector<std::string> DecoupeLignes(std::string_view texte) {
  std::vector<std::string> lignes;
  PourChaqueLigne(texte, [&](std::string_view ligne) { lignes.emplace_back(ligne); });
  return lignes;
}

bool LisLigne(std::istream& entree, std::string& ligne) {
  ligne.clear();
  std::streambuf* tampon = entree.rdbuf();
  if (!tampon) {
    entree.setstate(std::ios::failbit);
    return false;
  }
  using Traits = std::istream::traits_type;
  const std::istream::sentry garde(entree, true);
  if (!garde) return false;
  for (;;) {
    const auto c = tampon->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      entree.setstate(ligne.empty() ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
      return !ligne.empty();
    }
    const char caractere = Traits::to_char_type(c);
    if (caractere == '\n') return true;
    if (caractere == '\r') {
      if (Traits::eq_int_type(tampon->sgetc(), Traits::to_int_type('\n'))) tampon->sbumpc();
      return true;
    }
    ligne += caractere;
  }
}

std::vector<std::string_view> DecoupeChamps(std::string_view ligne, char separateur) {
  std::vector<std::string_view> champs;
  std::size_t debut = 0;
  for (;;) {
    const std::size_t fin = ligne.find(separateur, debut);
    champs.push_back(ligne.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
    if (fin == std::string_view::npos) return champs;
    debut = fin + 1;
  }
}
