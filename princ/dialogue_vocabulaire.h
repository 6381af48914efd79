// TDialogueVocabulaire: the vocabulary of the text of the reading pane, for
// the teacher. A table of the headings (headword and meaning, occurrences,
// forms met, classical rank) sortable by each column, a filter box, the
// setting that hides the N headwords most frequent in classical Latin, the
// words not analysed on a tab of their own; the rows shown can be inserted
// into the notes (signal Insere), saved as OpenDocument text or plain text,
// and printed. The vocabulary is computed once, when the dialog is made,
// from the global stores (which must be loaded); the ranks are read from a
// file that may be missing (the setting is then disabled). Widgets are owned
// by the dialog; the services are borrowed and must outlive it.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "morpho/rangs_frequence.h"
#include "morpho/vocabulaire_texte.h"

class IServices;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class TModeleContexte;

class TDialogueVocabulaire : public QDialog {
  Q_OBJECT
 public:
  // `texte` is Windows-1252; `nomTexte` is the name of its file (empty for
  // a text of no file), given in the title, the saved file and the print;
  // `cheminRangs` names rangs.txt.
  // With `contexte` (borrowed for the constructor only), each occurrence
  // counts once, under its likeliest heading, and a column shows the
  // uncertain ones with their other possible headings; without it, the
  // design's count and no such column.
  TDialogueVocabulaire(IServices& services, const std::string& texte, const QString& nomTexte,
                       const std::string& cheminRangs, QWidget* parent = nullptr,
                       const TModeleContexte* contexte = nullptr);
  ~TDialogueVocabulaire() override;

  // The rows shown, in the order shown: "heading (occurrences)", one a line.
  QString TexteVisible() const;
  // Writes the rows shown as a table; the format follows the suffix of the
  // path: ".odt" OpenDocument text, anything else plain UTF-8 text. False
  // when the file cannot be written.
  bool Enregistre(const QString& chemin) const;
  void ImprimeSur(QPrinter& imprimante) const;

 signals:
  void Insere(const QString& texte);

 public slots:
  void Actualise();
  void InsereClick();
  void EnregistrerClick();
  void ImprimerClick();

 private:
  std::unique_ptr<class QTextDocument> Document() const;
  QString Titre() const;

  IServices& Services;
  QString NomTexte;
  TVocabulaire Vocabulaire;
  TRangs Rangs;
  bool AvecRangs = false;

  QTabWidget* Onglets = nullptr;
  QLineEdit* Filtre = nullptr;
  QSpinBox* Masquer = nullptr;
  QTableWidget* Table = nullptr;
  QTableWidget* Inconnus = nullptr;
  QPushButton* Inserer = nullptr;
  QPushButton* Enregistrer = nullptr;
  QPushButton* Imprimer = nullptr;
};
