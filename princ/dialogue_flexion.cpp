#include "princ/dialogue_flexion.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

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
  auto* boutons = new QDialogButtonBox(this);
  boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  mise->addWidget(boutons);
}

QString TDialogueFlexion::Html() const { return Tableaux->toHtml(); }
