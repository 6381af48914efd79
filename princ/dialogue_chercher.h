// TDialogueChercher: the modeless find dialog of the reading pane: a search
// text and a find-next button, downward only, case never significant, so it
// offers no direction or case options. Owned by the window.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

class TDialogueChercher : public QDialog {
  Q_OBJECT
 public:
  explicit TDialogueChercher(QWidget* parent);

  QString TexteCherche() const;
  void ChangeTexteCherche(const QString& texte);
  // Same as the user pressing the find-next button.
  void CliqueSuivant();

 signals:
  void Montre();
  void Cherche();

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  QLineEdit* Saisie;
  QPushButton* Suivant;
};
