// TServicesScriptes: IServices answering from a script and recording what the
// window asked and told, so window tests run without any modal loop.
#pragma once

#include <QStringList>
#include <deque>
#include <optional>

#include "princ/services.h"

class TServicesScriptes : public IServices {
 public:
  std::optional<QString> Nom;  // nothing: the name prompt is cancelled
  std::deque<bool> Reponses;   // answers to confirmations (No when empty)
  std::optional<QString> FichierOuvert, FichierEnregistre;  // answers of the file dialogs
  QStringList Invites, Questions, Messages, Erreurs, Apropos, DossiersOuvrir, FiltresOuvrir,
      DossiersEnregistrer;
  QString TitreEnregistrer;

  bool DemandeTexte(QWidget*, const QString& titre, const QString& invite,
                    QString& valeur) override {
    Invites << titre + "|" + invite;
    if (Nom) valeur = *Nom;
    return Nom.has_value();
  }
  bool Confirme(QWidget*, const QString& message) override {
    Questions << message;
    const bool oui = !Reponses.empty() && Reponses.front();
    if (!Reponses.empty()) Reponses.pop_front();
    return oui;
  }
  void Message(QWidget*, const QString& message) override { Messages << message; }
  void Erreur(QWidget*, const QString& message) override { Erreurs << message; }
  void APropos(QWidget*, const QString& titre, const QString& texte) override {
    Apropos << titre + "|" + texte;
  }
  std::optional<QString> FichierAOuvrir(QWidget*, const QString& dossier,
                                        const QString& filtre) override {
    DossiersOuvrir << dossier;
    FiltresOuvrir << filtre;
    return FichierOuvert;
  }
  std::optional<QString> FichierAEnregistrer(QWidget*, const QString& titre, const QString& dossier,
                                             const QString&, const QString&) override {
    TitreEnregistrer = titre;
    DossiersEnregistrer << dossier;
    return FichierEnregistre;
  }
};
