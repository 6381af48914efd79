// TServicesScriptes: IServices answering from a script and recording what the
// window asked and told, so window tests run without any modal loop. Each
// record is a line of text under the name a session file checks it by.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <map>
#include <optional>

#include "princ/services.h"

class TServicesScriptes : public IServices {
 public:
  // The names typed at the prompt, in turn, the last one again and again
  // (nothing: the prompt is cancelled).
  std::deque<std::optional<QString>> Noms{QStringLiteral("Eleve")};
  std::deque<bool> Reponses;  // answers to confirmations (Non when none left)
  std::optional<QString> FichierOuvert, FichierEnregistre;  // answers of the file dialogs
  std::map<QByteArray, QStringList> Dit = {
      {"invites", {}}, {"questions", {}}, {"questions-non", {}},    {"messages", {}},
      {"erreurs", {}}, {"apropos", {}},   {"dialogues-ouvrir", {}}, {"dialogues-enregistrer", {}}};

  bool DemandeTexte(QWidget*, const QString& titre, const QString& invite,
                    QString& valeur) override {
    Dit["invites"] << titre + "|" + invite;
    const std::optional<QString> nom = Noms.empty() ? std::nullopt : Noms.front();
    if (Noms.size() > 1) Noms.pop_front();
    if (nom) valeur = *nom;
    return nom.has_value();
  }
  bool Confirme(QWidget*, const QString& message, ParDefaut defaut) override {
    Dit["questions"] << message;
    // Also kept apart, unchecked at the end, for the sessions that look.
    if (defaut == ParDefaut::Non) Dit["questions-non"] << message;
    const bool oui = !Reponses.empty() && Reponses.front();
    if (!Reponses.empty()) Reponses.pop_front();
    return oui;
  }
  void Message(QWidget*, const QString& message) override { Dit["messages"] << message; }
  void Erreur(QWidget*, const QString& message) override { Dit["erreurs"] << message; }
  void APropos(QWidget*, const QString& titre, const QString& texte) override {
    Dit["apropos"] << titre + "|" + texte;
  }
  std::optional<QString> FichierAOuvrir(QWidget*, const QString& dossier,
                                        const QString& filtre) override {
    Dit["dialogues-ouvrir"] << dossier + "|" + filtre;
    return FichierOuvert;
  }
  std::optional<QString> FichierAEnregistrer(QWidget*, const QString& titre, const QString& dossier,
                                             const QString&, const QString&) override {
    Dit["dialogues-enregistrer"] << titre + "|" + dossier;
    return FichierEnregistre;
  }
};
