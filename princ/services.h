// IServices: every exchange with the user that stops the window to ask or
// tell something (input box, Yes/No confirmation, message, error and about
// boxes, open and save dialogs). The window borrows one for its whole life;
// the program passes TServicesQt, tests a scripted implementation that
// answers without any modal loop. Implementations do not throw.
#pragma once

#include <optional>

class QString;
class QWidget;

class IServices {
 public:
  virtual ~IServices() = default;

  // One-line input box; true when the user confirmed, `valeur` then holds
  // the typed text.
  virtual bool DemandeTexte(QWidget* parent, const QString& titre, const QString& invite,
                            QString& valeur) = 0;
  // The button Enter presses in a confirmation box: Non where Oui would
  // lose something.
  enum class ParDefaut { Oui, Non };
  // Yes/No confirmation box; true for Yes.
  virtual bool Confirme(QWidget* parent, const QString& message, ParDefaut defaut) = 0;
  virtual void Message(QWidget* parent, const QString& message) = 0;
  virtual void Erreur(QWidget* parent, const QString& message) = 0;
  virtual void APropos(QWidget* parent, const QString& titre, const QString& texte) = 0;
  // Open dialog: initial folder, filter ("Fichier texte (*.txt)"); the
  // chosen path, or nothing when cancelled.
  virtual std::optional<QString> FichierAOuvrir(QWidget* parent, const QString& dossier,
                                                const QString& filtre) = 0;
  // Save dialog: title, initial folder, filter, default suffix; it never asks
  // about overwriting (the window decides).
  virtual std::optional<QString> FichierAEnregistrer(QWidget* parent, const QString& titre,
                                                     const QString& dossier, const QString& filtre,
                                                     const QString& suffixe) = 0;
};
