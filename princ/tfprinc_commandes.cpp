// The main menu's commands: texts, notes file, search, font size, about.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "fichiers/fichier_ini.h"
#include "fichiers/graphie.h"
#include "fichiers/notes.h"
#include "lexical/cp1252.h"
#include "princ/dialogue_chercher.h"
#include "princ/dialogue_vocabulaire.h"
#include "princ/tfprinc.h"

namespace {

// The notes pane, one line per paragraph, in Windows-1252 (marked vowels
// written plain, other characters the code page lacks as '?').
std::vector<std::string> ParagraphesEn1252(const QPlainTextEdit& notes) {
  std::vector<std::string> lignes;
  for (QTextBlock bloc = notes.document()->begin(); bloc.isValid(); bloc = bloc.next())
    lignes.push_back(NotesEn1252(bloc.text().toStdString()));
  return lignes;
}

}  // namespace

void TFenetreLecture::NouveauTexte() {
  if (Vocabulaire) Vocabulaire->close();
  EtatCourant.TexteAffiche.clear();
  PanneauLecture->clear();
  AutoriseEdition(true);
}

void TFenetreLecture::OuvreTexte() {
  const std::string dossier = RepertoireDesDialogues();
  Protege([&] {
    const auto choix = Services.FichierAOuvrir(this, QString::fromStdString(dossier),
                                               QStringLiteral("Textes (*.txt *.rtf)"));
    if (!choix) return;
    ChargeTexte(choix->toStdString());
    AutoriseEdition(false);
  });
}

void TFenetreLecture::EnregistreBlocNotes() { EnregistreNotes(); }

bool TFenetreLecture::EnregistreNotes() {
  bool enregistrees = false;
  Protege([&] {
    if (const std::string avertissement =
            AvertissementCaracteresPerdus(PanneauNotes->toPlainText().toStdString());
        !avertissement.empty())
      Services.Message(this, QString::fromStdString(avertissement));
    if (!EtatCourant.FichierNotes.empty()) {
      // One line per paragraph: lines broken where the pane happened to wrap
      // would pile up hard breaks in the pupil's notes save after save. A
      // file of notes alone stays so: a counters line would be read back
      // as the first line of the notes.
      std::vector<std::string> lignes;
      if (EtatCourant.NotesAvecCompteurs)
        lignes.push_back(LigneCompteurs(
            {EtatCourant.NbLexique, EtatCourant.NbMorpho, EtatCourant.NbTraduction}));
      for (auto& ligne : ParagraphesEn1252(*PanneauNotes)) lignes.push_back(std::move(ligne));
      EcrisLignes(EtatCourant.FichierNotes, lignes);
      PanneauNotes->document()->setModified(false);
      enregistrees = true;
      return;
    }
    const std::string dossier = RepertoireDesDialogues();
    const auto choix = Services.FichierAEnregistrer(
        this, QStringLiteral("Enregistrer le bloc-notes"), QString::fromStdString(dossier),
        QStringLiteral("fichier texte (*.txt)"), QStringLiteral("txt"));
    if (!choix) return;
    const std::string chemin = choix->toStdString();
    if (FichierExiste(chemin)) {
      Services.Message(this, QStringLiteral("Ce fichier existe déjà. Trouve un autre nom"));
      return;
    }
    EcrisLignes(chemin, ParagraphesEn1252(*PanneauNotes));
    EtatCourant.FichierNotes = chemin;
    EtatCourant.NotesAvecCompteurs = false;
    PanneauNotes->document()->setModified(false);
    enregistrees = true;
  });
  return enregistrees;
}

void TFenetreLecture::Quitte() { close(); }

void TFenetreLecture::BasculeLatinModifiable() {
  AutoriseEdition(ActionLatinModifiable->isChecked());
}

void TFenetreLecture::MontreChercher() {
  if (DialogueChercher->isVisible()) ChercheDepuisLeDebut();
  DialogueChercher->show();
  DialogueChercher->raise();
  DialogueChercher->activateWindow();
}

void TFenetreLecture::ChercheDepuisLeDebut() { SelectionParLeProgramme(0, 0); }

void TFenetreLecture::ChercheSuivant() {
  const QString cherche = DialogueChercher->TexteCherche();
  const QTextCursor actuel = PanneauLecture->textCursor();
  // After a match the search moves on from the character after its start; a
  // bare caret (as the dialog leaves it when shown) is itself the start, so
  // a match at the very first character is found.
  const int depart = actuel.hasSelection() ? actuel.selectionStart() + 1 : actuel.position();
  QTextCursor trouve = PanneauLecture->document()->find(cherche, depart);
  // After the last match the search goes on from the start, as editors do.
  if (trouve.isNull() && depart > 0) trouve = PanneauLecture->document()->find(cherche, 0);
  if (cherche.isEmpty() || trouve.isNull()) {
    Services.Erreur(this, QStringLiteral("Impossible de trouver \"%1\"").arg(cherche));
    return;
  }
  SelectionParLeProgramme(trouve.selectionStart(), trouve.selectionEnd() - trouve.selectionStart());
  PanneauLecture->ensureCursorVisible();
}

void TFenetreLecture::ChangeTaille(int pas) {
  const int taille = PanneauLecture->font().pointSize() + pas;
  if (taille <= 5 || taille >= 33) return;
  QFont police = PanneauLecture->font();
  police.setPointSize(taille);
  PanneauLecture->setFont(police);
  QFont notes = PanneauNotes->font();
  notes.setPointSize(taille);
  PanneauNotes->setFont(notes);
  AjusteBulle();
}

void TFenetreLecture::Grossit() { ChangeTaille(2); }
void TFenetreLecture::Rapetisse() { ChangeTaille(-2); }

void TFenetreLecture::MontreAuteur() {
  Services.APropos(
      this, QStringLiteral("auteur"),
      QStringLiteral("Lecturiel 4.01\njanvier MMII\n\nAide à la lecture des textes latins : "
                     "analyse des mots sous le pointeur, notes, liens syntaxiques."));
}
