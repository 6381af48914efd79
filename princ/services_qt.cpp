#include "princ/services_qt.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

bool TServicesQt::DemandeTexte(QWidget* parent, const QString& titre, const QString& invite,
                               QString& valeur) {
  bool confirme = false;
  const QString texte =
      QInputDialog::getText(parent, titre, invite, QLineEdit::Normal, valeur, &confirme);
  if (confirme) valeur = texte;
  return confirme;
}

bool TServicesQt::Confirme(QWidget* parent, const QString& message, ParDefaut defaut) {
  return QMessageBox::question(
             parent, QStringLiteral("Lecturiel"), message, QMessageBox::Yes | QMessageBox::No,
             defaut == ParDefaut::Non ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
}

void TServicesQt::Message(QWidget* parent, const QString& message) {
  QMessageBox::information(parent, QStringLiteral("Lecturiel"), message);
}

void TServicesQt::Erreur(QWidget* parent, const QString& message) {
  QMessageBox::critical(parent, QStringLiteral("Lecturiel"), message);
}

void TServicesQt::APropos(QWidget* parent, const QString& titre, const QString& texte) {
  QMessageBox::about(parent, titre, texte);
}

std::optional<QString> TServicesQt::FichierAOuvrir(QWidget* parent, const QString& dossier,
                                                   const QString& filtre) {
  // Qt's own dialogs, which speak French; the desktop's may not.
  const QString chemin = QFileDialog::getOpenFileName(parent, QString(), dossier, filtre, nullptr,
                                                      QFileDialog::DontUseNativeDialog);
  if (chemin.isEmpty()) return std::nullopt;
  return chemin;
}

std::optional<QString> TServicesQt::FichierAEnregistrer(QWidget* parent, const QString& titre,
                                                        const QString& dossier,
                                                        const QString& filtre,
                                                        const QString& suffixe) {
  QFileDialog dialogue(parent, titre, dossier, filtre);
  dialogue.setAcceptMode(QFileDialog::AcceptSave);
  dialogue.setDefaultSuffix(suffixe);
  dialogue.setOption(QFileDialog::DontConfirmOverwrite);
  dialogue.setOption(QFileDialog::DontUseNativeDialog);
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
    return std::nullopt;
  return dialogue.selectedFiles().constFirst();
}
