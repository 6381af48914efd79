#include "princ/dialogue_chercher.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TDialogueChercher::TDialogueChercher(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FindDialog"));
  setWindowTitle(QStringLiteral("Chercher"));
  setModal(false);
  Saisie = new QLineEdit(this);
  Saisie->setObjectName(QStringLiteral("TexteCherche"));
  Suivant = new QPushButton(QStringLiteral("&Suivant"), this);
  Suivant->setObjectName(QStringLiteral("BoutonSuivant"));
  Suivant->setDefault(true);
  auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
  auto* disposition = new QHBoxLayout(this);
  auto* etiquette = new QLabel(QStringLiteral("&Rechercher :"), this);
  etiquette->setBuddy(Saisie);
  disposition->addWidget(etiquette);
  disposition->addWidget(Saisie, 1);
  disposition->addWidget(Suivant);
  disposition->addWidget(fermer);
  connect(Suivant, &QPushButton::clicked, this, &TDialogueChercher::Cherche);
  connect(fermer, &QPushButton::clicked, this, &QDialog::hide);
}

QString TDialogueChercher::TexteCherche() const { return Saisie->text(); }
void TDialogueChercher::ChangeTexteCherche(const QString& texte) { Saisie->setText(texte); }
void TDialogueChercher::CliqueSuivant() { Suivant->click(); }

void TDialogueChercher::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  emit Montre();
}
