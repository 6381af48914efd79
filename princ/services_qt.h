// TServicesQt: IServices over Qt's standard dialogs and message boxes.
#pragma once

#include "princ/services.h"

class TServicesQt : public IServices {
 public:
  bool DemandeTexte(QWidget* parent, const QString& titre, const QString& invite,
                    QString& valeur) override;
  bool Confirme(QWidget* parent, const QString& message, ParDefaut defaut) override;
  void Message(QWidget* parent, const QString& message) override;
  void Erreur(QWidget* parent, const QString& message) override;
  void APropos(QWidget* parent, const QString& titre, const QString& texte) override;
  std::optional<QString> FichierAOuvrir(QWidget* parent, const QString& dossier,
                                        const QString& filtre) override;
  std::optional<QString> FichierAEnregistrer(QWidget* parent, const QString& titre,
                                             const QString& dossier, const QString& filtre,
                                             const QString& suffixe) override;
};
