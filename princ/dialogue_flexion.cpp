#include "princ/dialogue_flexion.h"

#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "lexical/cp1252.h"
#include "morpho/paradigme.h"
#include "morpho/tableaux_flexion.h"

TDialogueFlexion::TDialogueFlexion(const std::string& mot, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DialogueFlexion"));
  const QString titre = QString::fromStdString(Cp1252VersUtf8(mot));
  setWindowTitle(QStringLiteral("Flexion - ") + titre);
  resize(640, 520);
  auto* mise = new QVBoxLayout(this);
  Tableaux = new QTextBrowser(this);
  Tableaux->setObjectName(QStringLiteral("Tableaux"));
  const auto paradigmes = ParadigmesDuMot(mot);
  QString html = QString::fromStdString(Cp1252VersUtf8(HtmlParadigmes(paradigmes, mot)));
  if (paradigmes.empty()) html = titre.toHtmlEscaped() + QStringLiteral(" n'a pu être analysé");
  Tableaux->setHtml(html);
  mise->addWidget(Tableaux);
  // Wide enough for the tables to read without a wrapped cell, as far as
  // the screen allows.
  const std::unique_ptr<QTextDocument> mesure(Tableaux->document()->clone());
  mesure->setTextWidth(-1);
  const QMargins bords = mise->contentsMargins();
  const int marges = 2 * Tableaux->frameWidth() +
                     Tableaux->verticalScrollBar()->sizeHint().width() + bords.left() +
                     bords.right() + 4;
  int largeur = static_cast<int>(std::ceil(mesure->idealWidth())) + marges;
  if (const QScreen* ecran = screen())
    largeur = std::min(largeur, ecran->availableGeometry().width() - 40);
  if (largeur > width()) resize(largeur, height());
  auto* boutons = new QDialogButtonBox(this);
  boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  mise->addWidget(boutons);
}

QString TDialogueFlexion::Html() const { return Tableaux->toHtml(); }
