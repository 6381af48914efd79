// TDialogueFlexion: the inflection tables of the headword(s) of a word, one
// readable HTML table per tense or number, the word itself highlighted
// wherever it stands. Computed once, when the dialog is made, from the
// global stores (which must be loaded). Widgets are owned by the dialog.
#pragma once

#include <QDialog>
#include <string>

class QTextBrowser;

class TDialogueFlexion : public QDialog {
  Q_OBJECT
 public:
  // `mot` is Windows-1252, as found under the pointer.
  explicit TDialogueFlexion(const std::string& mot, QWidget* parent = nullptr);

  QString Html() const;

 private:
  QTextBrowser* Tableaux = nullptr;
};
