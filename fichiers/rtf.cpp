#include "fichiers/rtf.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/minuscules.h"
#include "lexical/utf8.h"

namespace {

constexpr std::size_t ProfondeurMax = 256;

struct TEtatGroupe {
  bool Gras = false;
  bool Italique = false;
  bool Souligne = false;
  bool Ignore = false;  // inside a destination that holds no text
  int Repli = 1;        // characters standing in for each \uN (\uc)
};

bool EstDestinationSansTexte(std::string_view mot) {
  static constexpr std::array<std::string_view, 36> destinations = {"fonttbl",
                                                                    "colortbl",
                                                                    "stylesheet",
                                                                    "info",
                                                                    "pict",
                                                                    "object",
                                                                    "header",
                                                                    "headerl",
                                                                    "headerr",
                                                                    "headerf",
                                                                    "footer",
                                                                    "footerl",
                                                                    "footerr",
                                                                    "footerf",
                                                                    "footnote",
                                                                    "fldinst",
                                                                    "themedata",
                                                                    "colorschememapping",
                                                                    "latentstyles",
                                                                    "datastore",
                                                                    "xmlnstbl",
                                                                    "listtable",
                                                                    "listoverridetable",
                                                                    "rsidtbl",
                                                                    "generator",
                                                                    "filetbl",
                                                                    "revtbl",
                                                                    "pgdsctbl",
                                                                    "mmathPr",
                                                                    "bkmkstart",
                                                                    "bkmkend",
                                                                    "nonshppict",
                                                                    "annotation",
                                                                    "atnid",
                                                                    "atnauthor",
                                                                    "private"};
  for (auto d : destinations)
    if (d == mot) return true;
  return false;
}

// The character a keyword stands for (typographic dashes, quotes, bullet), 0 for the others.
std::uint32_t CaractereNomme(std::string_view mot) {
  static constexpr std::pair<std::string_view, std::uint32_t> caracteres[] = {
      {"emdash", 0x2014},    {"endash", 0x2013},    {"lquote", 0x2018}, {"rquote", 0x2019},
      {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"bullet", 0x2022}};
  for (const auto& [nom, point] : caracteres)
    if (nom == mot) return point;
  return 0;
}

class TLecteurRtf {
 public:
  explicit TLecteurRtf(std::string_view octets) : Octets(octets) { Pile.push_back({}); }

  TDocumentRiche Lis() {
    while (Position < Octets.size()) {
      const char c = Octets[Position++];
      if (c == '{') {
        OuvreGroupe();
      } else if (c == '}') {
        FermeGroupe();
      } else if (c == '\\') {
        LisControle();
      } else if (c == '\r' || c == '\n') {
        // Line ends in the file carry no meaning.
      } else {
        Caractere1252(static_cast<unsigned char>(c));
      }
    }
    if (!Courant.Segments.empty() || Document.Paragraphes.empty())
      Document.Paragraphes.push_back(Courant);
    return std::move(Document);
  }

 private:
  TEtatGroupe& Etat() { return Pile.back(); }

  void OuvreGroupe() {
    APasser = 0;
    if (Pile.size() < ProfondeurMax)
      Pile.push_back(Pile.back());
    else
      ++GroupesEnTrop;
    PremierDuGroupe = true;
  }

  void FermeGroupe() {
    APasser = 0;
    if (GroupesEnTrop > 0)
      --GroupesEnTrop;
    else if (Pile.size() > 1)
      Pile.pop_back();
  }

  // A character of the text (already decoded); fallback characters after a
  // \uN are counted and dropped here.
  void Ecris(std::string_view utf8) {
    if (APasser > 0) {
      --APasser;
      return;
    }
    if (Etat().Ignore) return;
    const auto& e = Etat();
    if (Courant.Segments.empty() || Courant.Segments.back().Gras != e.Gras ||
        Courant.Segments.back().Italique != e.Italique ||
        Courant.Segments.back().Souligne != e.Souligne)
      Courant.Segments.push_back({std::string{}, e.Gras, e.Italique, e.Souligne});
    Courant.Segments.back().Texte += utf8;
  }

  void Caractere1252(unsigned char c) {
    if (c < 0x20 && c != '\t') return;
    const char octet = static_cast<char>(c);
    Ecris(Cp1252VersUtf8(std::string_view(&octet, 1)));
  }

  void Point(std::uint32_t point) {
    std::string utf8;
    AjouteUtf8(utf8, point);
    Ecris(utf8);
  }

  void NouveauParagraphe() {
    if (Etat().Ignore) return;
    Document.Paragraphes.push_back(std::move(Courant));
    Courant = {};
  }

  void LisControle() {
    const bool premier = PremierDuGroupe;
    PremierDuGroupe = false;
    if (Position >= Octets.size()) return;
    const char c = Octets[Position];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++Position;
      LisSymbole(c);
      return;
    }
    std::string mot;
    while (Position < Octets.size() && std::isalpha(static_cast<unsigned char>(Octets[Position])) &&
           mot.size() < 32)
      mot += Octets[Position++];
    while (Position < Octets.size() && std::isalpha(static_cast<unsigned char>(Octets[Position])))
      ++Position;  // an overlong control word is read whole and ignored
    bool avecParametre = false;
    bool negatif = false;
    long parametre = 0;
    if (Position < Octets.size() && Octets[Position] == '-') {
      negatif = true;
      ++Position;
    }
    int chiffres = 0;
    while (Position < Octets.size() && std::isdigit(static_cast<unsigned char>(Octets[Position]))) {
      if (chiffres < 10) parametre = parametre * 10 + (Octets[Position] - '0');
      ++chiffres;
      ++Position;
      avecParametre = true;
    }
    if (negatif) parametre = -parametre;
    if (Position < Octets.size() && Octets[Position] == ' ') ++Position;
    MotDeControle(mot, avecParametre, parametre, premier);
  }

  void LisSymbole(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        Ecris(std::string(1, c));
        break;
      case '~':
        Point(0xA0);
        break;
      case '_':
        Ecris("-");
        break;
      case '\r':
      case '\n':
        Passe();
        NouveauParagraphe();
        break;
      case '*':
        Etat().Ignore = true;
        break;
      case '\'': {
        int valeur = 0;
        for (int k = 0; k < 2; ++k) {
          if (Position >= Octets.size() ||
              !std::isxdigit(static_cast<unsigned char>(Octets[Position])))
            return;
          const char h = Minuscule(Octets[Position++]);
          valeur = valeur * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
        }
        Caractere1252(static_cast<unsigned char>(valeur));
        break;
      }
      default:
        Passe();  // \- and the other symbols stand for no text
        break;
    }
  }

  // A control word or symbol counts as one fallback character of \uN.
  void Passe() {
    if (APasser > 0) --APasser;
  }

  void MotDeControle(const std::string& mot, bool avecParametre, long parametre, bool premier) {
    auto& e = Etat();
    const bool actif = !avecParametre || parametre != 0;
    if (mot == "u" && avecParametre) {
      Passe();
      long point = parametre < 0 ? parametre + 65536 : parametre;
      if (point >= 0xD800 && point <= 0xDBFF) {
        Haute = static_cast<std::uint32_t>(point);
      } else if (point >= 0xDC00 && point <= 0xDFFF) {
        const std::uint32_t haute = Haute;
        Haute = 0;
        Point(haute ? 0x10000 + ((haute - 0xD800) << 10) +
                          (static_cast<std::uint32_t>(point) - 0xDC00)
                    : 0xFFFD);
      } else if (point >= 0 && point <= 0xFFFF) {
        Point(static_cast<std::uint32_t>(point));
      }
      APasser = e.Repli;
      return;
    }
    Passe();
    if (mot == "uc" && avecParametre && parametre >= 0 && parametre <= 16)
      e.Repli = static_cast<int>(parametre);
    else if (mot == "par" || mot == "sect" || mot == "page" || mot == "row")
      NouveauParagraphe();
    else if (mot == "line")
      Ecris("\n");
    else if (mot == "tab" || mot == "cell")
      Ecris("\t");
    else if (mot == "b")
      e.Gras = actif;
    else if (mot == "i")
      e.Italique = actif;
    else if (mot == "ul" || mot == "uld" || mot == "uldb" || mot == "ulw" || mot == "uldash" ||
             mot == "ulwave" || mot == "ulth")
      e.Souligne = actif;
    else if (mot == "ulnone")
      e.Souligne = false;
    else if (mot == "plain")
      e.Gras = e.Italique = e.Souligne = false;
    else if (const std::uint32_t point = CaractereNomme(mot))
      Point(point);
    else if (mot == "bin" && avecParametre && parametre > 0) {
      const std::size_t reste = Octets.size() - Position;
      Position += std::min(reste, static_cast<std::size_t>(parametre));
    } else if (EstDestinationSansTexte(mot) || (premier && e.Ignore)) {
      e.Ignore = true;
    }
  }

  std::string_view Octets;
  std::size_t Position = 0;
  std::vector<TEtatGroupe> Pile;
  std::size_t GroupesEnTrop = 0;
  bool PremierDuGroupe = false;
  int APasser = 0;
  std::uint32_t Haute = 0;
  TParagraphe Courant;
  TDocumentRiche Document;
};

}  // namespace

bool EstRtf(std::string_view octets) {
  std::size_t i = 0;
  if (octets.starts_with(MarqueUtf8)) i = MarqueUtf8.size();
  while (i < octets.size() &&
         (octets[i] == ' ' || octets[i] == '\t' || octets[i] == '\r' || octets[i] == '\n'))
    ++i;
  return octets.substr(i, 5) == "{\\rtf";
}

TDocumentRiche LisRtf(std::string_view octets) { return TLecteurRtf(octets).Lis(); }
