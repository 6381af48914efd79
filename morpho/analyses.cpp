#include "morpho/analyses.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>

#include "lexical/modeles.h"
#include "lexical/vocabulaire.h"

TAnalyse::TAnalyse(std::string forme, std::string entree)
    : Forme(std::move(forme)), Entree(std::move(entree)) {}

const TLecture* TAnalyse::Lecture(int i) const {
  if (i < 0 || i >= static_cast<int>(Lectures.size())) return nullptr;
  return &Lectures[static_cast<std::size_t>(i)];
}

std::vector<std::string> TAnalyse::Lignes() const {
  std::vector<std::string> lignes;
  lignes.reserve(Lectures.size() + 1);
  lignes.push_back("  " + Entree);
  for (const TLecture& d : Lectures) lignes.push_back("    " + d.Libelle(false));
  return lignes;
}

// A noun Latin uses only in the plural is cited in the plural ("arum, f.
// pl."); its singular key, when it has one, only leads the endings to it.
// The singular readings the endings or the headword would give it do not
// exist.  A people is cited in the plural too (Aetoli, orum, m. pl.), but
// its singular names one of them (Aetolus, an Aetolian).
bool PlurielSeul(const std::string& entete, const TDonneesLexicales& e) {
  const std::string_view sens = e.Sens;
  const bool peuple =
      !entete.empty() && entete[0] >= 'A' && entete[0] <= 'Z' && e.Genre == Genre::Masculin;
  return PartieDuModele(e.Modele) == Partie::Nom && !peuple &&
         sens.substr(0, sens.find(" : ")).ends_with(" pl.");
}

TListeAnalyses::TListeAnalyses(std::string forme)
    : TListeTriee<TAnalyse>(Doublons::Ignores), Forme(std::move(forme)) {}

void TListeAnalyses::Ajoute(const std::string& entete, int modele, std::uint32_t morpho,
                            const TDonneesLexicales& e) {
  if ((morpho & Trait::Singulier) != 0 && PlurielSeul(entete, e)) return;
  if (e.Genre >= 0 && e.Genre < static_cast<int>(MasquesGenre.size()))
    morpho |= MasquesGenre[static_cast<std::size_t>(e.Genre)];
  int position = 0;
  if (Find(entete, position)) {
    Objet(position).Entree = entete;
  } else {
    position = TListeTriee<TAnalyse>::Ajoute(entete, std::make_unique<TAnalyse>(Forme, entete));
  }
  // An invariable word has no reading, except the degree of an adverb read
  // under its positive (saepius: comparatif of saepe).
  if (modele < ModeleInvariable || (modele == ModeleInvariable && morpho != 0)) {
    TLecture d;
    d.Modele = modele;
    d.Radical = 0;
    d.Morpho = morpho;
    Objet(position).Lectures.push_back(d);
  }
}

void TListeAnalyses::Fusionne(TListeAnalyses& autre) {
  for (int i = 0; i < autre.Count(); ++i) {
    TAnalyse& a = autre.Objet(i);
    int position = 0;
    if (Find(autre.Cle(i), position)) {
      TListeLectures& lectures = Objet(position).Lectures;
      for (const TLecture& d : a.Lectures)
        if (std::find(lectures.begin(), lectures.end(), d) == lectures.end()) lectures.push_back(d);
    } else {
      TListeTriee<TAnalyse>::Ajoute(autre.Cle(i), std::make_unique<TAnalyse>(std::move(a)));
    }
  }
  autre.Clear();
}

TAnalyse& TListeAnalyses::Analyse(int i) { return Objet(i); }

const TAnalyse& TListeAnalyses::Analyse(int i) const { return Objet(i); }

std::vector<std::string> TListeAnalyses::Lignes(Disposition disposition) const {
  std::vector<std::string> lignes;
  if (disposition != Disposition::Entetes) lignes.push_back(Forme);
  if (Count() == 0) {
    lignes.push_back(Forme + " ?");
    return lignes;
  }
  for (int i = 0; i < Count(); ++i) {
    const TAnalyse& a = Objet(i);
    if (disposition != Disposition::Complete) {
      lignes.push_back(" " + a.Entree);
    } else {
      std::vector<std::string> sous = a.Lignes();
      for (std::string& l : sous) lignes.push_back(std::move(l));
    }
  }
  return lignes;
}
