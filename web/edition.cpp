#include "web/edition.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "fichiers/graphie.h"
#include "fichiers/texte_latin.h"
#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/flux.h"
#include "lexical/messages.h"
#include "lexical/stores.h"
#include "morpho/lemmatise.h"
#include "morpho/paradigme.h"
#include "morpho/tableaux_flexion.h"
#include "pointeur/mulot.h"
#include "syntaxe/lien_syntaxique.h"

namespace {

std::string VersUtf8(std::string_view cp1252) { return Cp1252VersUtf8(cp1252); }

// The word at i as the desktop hands it to the analysis: ligatures written
// out (length marks are already gone from the text).
std::string MotPourAnalyse(const TTexteSimple& texte, int i) {
  return Utf8VersCp1252(SansQuantites(Cp1252VersUtf8(MotAIndex(texte, i))));
}

bool CommenceParUneLettre(const std::string& mot) {
  const char c = mot.empty() ? '\0' : mot.front();
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A text holds no NUL: a file with some, once decoded, is no text.
bool EstUnTexte(const TDocumentRiche& document) {
  for (const TParagraphe& p : document.Paragraphes)
    for (const TSegment& s : p.Segments)
      if (s.Texte.find('\0') != std::string::npos) return false;
  return true;
}

}  // namespace

void ChargeLexiqueDepuisOctets(const std::string& octets) {
  std::istringstream flux(octets);
  TLecteur lecteur(flux);
  ChargeLexique(lecteur);
}

std::string VersPositions1252(std::string_view utf8) {
  std::string sortie;
  sortie.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (n == 4) {
      sortie += "??";  // a surrogate pair in the page
    } else {
      // A vowel with its length mark is the plain vowel, as the desktop
      // reads it; the mark alone has no byte and stays '?'.
      const std::string un = Utf8VersCp1252(SansMarquesDeQuantite(utf8.substr(i, n)));
      sortie += un.size() == 1 ? un : std::string("?");
    }
    i += n;
  }
  return sortie;
}

TDocumentRiche LisFichierTexte(const std::string& nom, const std::string& octets) {
  // The core's reader reads files: the picked file goes through the
  // in-memory file system of the page, under a fixed name.
  const std::string chemin = "/tmp/texte-ouvert";
  {
    std::ofstream fichier(chemin, std::ios::binary | std::ios::trunc);
    fichier.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (!fichier.flush())
      throw Erreur(Formate(MessageLireFichier,
                           {Utf8VersCp1252(nom), Utf8VersCp1252("mémoire insuffisante")}));
  }
  TDocumentRiche document;
  try {
    document = LisTexteLatin(chemin);
  } catch (const Erreur& e) {
    std::remove(chemin.c_str());
    // The core's reason, naming the file the pupil picked.
    std::string texte = e.what();
    if (const auto i = texte.find(chemin); i != std::string::npos)
      texte.replace(i, chemin.size(), Utf8VersCp1252(nom));
    throw Erreur(texte);
  }
  std::remove(chemin.c_str());
  if (!EstUnTexte(document))
    throw Erreur(Formate(MessageLireFichier,
                         {Utf8VersCp1252(nom), Utf8VersCp1252("ce n'est pas un fichier texte")}));
  return document;
}

TEdition::TEdition() : texte_(std::string()) {}

void TEdition::Texte(std::string_view utf8) {
  cp1252_ = VersPositions1252(utf8);
  texte_ = TTexteSimple(cp1252_);
}

void TEdition::Rangs(std::string_view utf8) { rangs_ = TRangs::DeTexte(utf8, "rangs.txt"); }

void TEdition::Contexte(std::string_view utf8) {
  contexte_.reset();
  contexte_ = std::make_unique<TModeleContexte>(TModeleContexte::DeTexte(utf8, "contexte.txt"));
}

std::string TEdition::Mot(int i) const { return VersUtf8(MotPourAnalyse(texte_, i)); }

std::string TEdition::Bulle(int i) const {
  const std::string mot = MotPourAnalyse(texte_, i);
  if (mot.empty()) return {};
  // The desktop's hover text: the word read in its sentence when the model
  // is there, in the alphabetical order of its headings otherwise.
  std::string texte;
  std::vector<std::string> lignes;
  if (contexte_) {
    // The sentence around the word is all the model feels: a few hundred
    // characters on each side keep a hover on a long text as fast as on a
    // short one.
    constexpr int Marge = 400;
    const int debut = std::max(0, i - Marge);
    const int fin = std::min(static_cast<int>(cp1252_.size()), i + Marge);
    lignes = TexteAnalysesEnContexte(
        contexte_.get(),
        std::string_view(cp1252_).substr(static_cast<std::size_t>(debut),
                                         static_cast<std::size_t>(fin - debut)),
        i - debut);
  }
  if (lignes.empty()) lignes = TexteAnalyses(mot, Disposition::Complete);
  for (const auto& ligne : lignes) {
    if (!texte.empty()) texte += '\n';
    texte += ligne;
  }
  return VersUtf8(texte);
}

std::optional<TAidesMot> TEdition::Aides(int i) const {
  std::optional<TAidesMot> aides = AidesMot(MotPourAnalyse(texte_, i));
  if (!aides) return aides;
  aides->Lexique = VersUtf8(aides->Lexique);
  aides->Morpho = VersUtf8(aides->Morpho);
  aides->Traduction = VersUtf8(aides->Traduction);
  return aides;
}

std::string TEdition::Flexion(std::string_view motUtf8) const {
  const std::string mot = Utf8VersCp1252(motUtf8);
  const auto paradigmes = ParadigmesDuMot(mot);
  if (paradigmes.empty()) return {};
  return VersUtf8(HtmlParadigmes(paradigmes, mot));
}

TLiens TEdition::Liens(int i, int j) const {
  std::string mot1 = MotPourAnalyse(texte_, i);
  std::string mot2 = MotPourAnalyse(texte_, j);
  if (!CommenceParUneLettre(mot1)) mot1.clear();
  if (!CommenceParUneLettre(mot2)) mot2.clear();
  TLiens liens{VersUtf8(mot1), VersUtf8(mot2), {}};
  if (mot1.empty() || mot2.empty()) return liens;
  std::string texte = TLienSyntaxique(mot1, mot2).Texte();
  texte += TLienSyntaxique(mot2, mot1).Texte();
  std::string sansCr;
  for (char c : texte)
    if (c != '\r') sansCr += c;
  liens.Texte = VersUtf8(sansCr);
  return liens;
}

TVocabulaire TEdition::Vocabulaire() const {
  return VocabulaireDuTexte(cp1252_, rangs_ ? &*rangs_ : nullptr);
}
