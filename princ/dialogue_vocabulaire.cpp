#include "princ/dialogue_vocabulaire.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>
#include <QVBoxLayout>
#include <optional>

#include "lexical/cp1252.h"
#include "morpho/vocabulaire_contexte.h"
#include "princ/services.h"

namespace {

QString VersQt(const std::string& cp1252) { return QString::fromStdString(Cp1252VersUtf8(cp1252)); }

enum Colonne { ColEntree = 0, ColOccurrences = 1, ColFormes = 2, ColRang = 3, ColIncertain = 4 };

// Texts sort as a reader expects: letter case ignored, accents by the locale.
class TCaseTexte : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;
  bool operator<(const QTableWidgetItem& autre) const override {
    return QString::localeAwareCompare(text().toCaseFolded(), autre.text().toCaseFolded()) < 0;
  }
};

QTableWidgetItem* Case(const QString& texte) {
  auto* c = new TCaseTexte(texte);
  c->setFlags(c->flags() & ~Qt::ItemIsEditable);
  return c;
}

// Numbers sort as numbers; a cell without one (a headword without rank)
// comes last in either order.
class TCaseNombre : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;
  bool operator<(const QTableWidgetItem& autre) const override {
    const bool vide = data(Qt::DisplayRole).isNull(),
               autreVide = autre.data(Qt::DisplayRole).isNull();
    if (vide || autreVide) {
      const bool croissant =
          !tableWidget() ||
          tableWidget()->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
      return croissant ? !vide && autreVide : vide && !autreVide;
    }
    return data(Qt::DisplayRole).toInt() < autre.data(Qt::DisplayRole).toInt();
  }
};

QTableWidgetItem* CaseNombre(std::optional<int> n) {
  auto* c = new TCaseNombre;
  if (n) c->setData(Qt::DisplayRole, *n);
  c->setFlags(c->flags() & ~Qt::ItemIsEditable);
  return c;
}

}  // namespace

TDialogueVocabulaire::TDialogueVocabulaire(IServices& services, const std::string& texte,
                                           const QString& nomTexte, const std::string& cheminRangs,
                                           QWidget* parent, const TModeleContexte* contexte)
    : QDialog(parent), Services(services), NomTexte(nomTexte) {
  setObjectName(QStringLiteral("DialogueVocabulaire"));
  setWindowTitle(Titre());
  resize(640, 480);
  try {
    Rangs = TRangs::Lis(cheminRangs);
    AvecRangs = true;
  } catch (const std::exception&) {
    AvecRangs = false;  // no rank file: nothing to hide by rank
  }
  Vocabulaire = contexte ? VocabulaireEnContexte(texte, *contexte, AvecRangs ? &Rangs : nullptr)
                         : VocabulaireDuTexte(texte, AvecRangs ? &Rangs : nullptr);

  auto* mise = new QVBoxLayout(this);
  Onglets = new QTabWidget(this);
  mise->addWidget(Onglets);

  auto* page = new QWidget(Onglets);
  auto* miseVocabulaire = new QVBoxLayout(page);
  auto* reglages = new QHBoxLayout;
  Filtre = new QLineEdit(page);
  Filtre->setObjectName(QStringLiteral("Filtre"));
  Filtre->setPlaceholderText(QStringLiteral("Filtrer"));
  Filtre->setClearButtonEnabled(true);
  reglages->addWidget(Filtre, 1);
  reglages->addWidget(new QLabel(QStringLiteral("Masquer les"), page));
  Masquer = new QSpinBox(page);
  Masquer->setObjectName(QStringLiteral("Masquer"));
  Masquer->setRange(0, 20000);
  Masquer->setSingleStep(100);
  Masquer->setEnabled(AvecRangs);
  if (!AvecRangs) Masquer->setToolTip(QStringLiteral("Rangs de fréquence introuvables"));
  reglages->addWidget(Masquer);
  reglages->addWidget(new QLabel(QStringLiteral("mots les plus fréquents"), page));
  miseVocabulaire->addLayout(reglages);
  Table = new QTableWidget(0, 5, page);
  Table->setObjectName(QStringLiteral("Table"));
  Table->setHorizontalHeaderLabels({QStringLiteral("Vedette et sens"),
                                    QStringLiteral("Occurrences"), QStringLiteral("Formes"),
                                    QStringLiteral("Rang"), QStringLiteral("Incertain")});
  // Read in context, the occurrences whose heading is uncertain and the
  // other headings they may belong to, as lemmatise --vocabulaire prints
  // them, so that the teacher can correct the sheet.
  Table->setColumnHidden(ColIncertain, !contexte);
  // The forms take the width left; the other columns their text's.
  for (const int colonne : {ColEntree, ColOccurrences, ColRang})
    Table->horizontalHeader()->setSectionResizeMode(colonne, QHeaderView::ResizeToContents);
  Table->horizontalHeader()->setSectionResizeMode(ColFormes, QHeaderView::Stretch);
  Table->verticalHeader()->hide();
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSortingEnabled(true);
  Table->sortByColumn(ColEntree, Qt::AscendingOrder);
  // A first click on "Occurrences" puts the most frequent first.
  Table->horizontalHeaderItem(ColOccurrences)
      ->setData(Qt::InitialSortOrderRole, QVariant::fromValue(Qt::DescendingOrder));
  miseVocabulaire->addWidget(Table);
  Onglets->addTab(page, QStringLiteral("Vocabulaire (%1)").arg(Vocabulaire.Vedettes.size()));

  Inconnus = new QTableWidget(static_cast<int>(Vocabulaire.Inconnus.size()), 2, Onglets);
  Inconnus->setObjectName(QStringLiteral("Inconnus"));
  Inconnus->setHorizontalHeaderLabels({QStringLiteral("Forme"), QStringLiteral("Occurrences")});
  Inconnus->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  Inconnus->verticalHeader()->hide();
  for (int i = 0; i < Inconnus->rowCount(); ++i) {
    const TMotInconnu& m = Vocabulaire.Inconnus[static_cast<std::size_t>(i)];
    Inconnus->setItem(i, 0, Case(VersQt(m.Forme)));
    Inconnus->setItem(i, 1, CaseNombre(m.Occurrences));
  }
  Inconnus->setSortingEnabled(true);
  Onglets->addTab(Inconnus, QStringLiteral("Mots inconnus (%1)").arg(Vocabulaire.Inconnus.size()));

  auto* boutons = new QDialogButtonBox(this);
  Inserer = boutons->addButton(QStringLiteral("Insérer dans le bloc-notes"),
                               QDialogButtonBox::ActionRole);
  Inserer->setObjectName(QStringLiteral("Inserer"));
  Enregistrer = boutons->addButton(QStringLiteral("Enregistrer..."), QDialogButtonBox::ActionRole);
  Enregistrer->setObjectName(QStringLiteral("Enregistrer"));
  Imprimer = boutons->addButton(QStringLiteral("Imprimer..."), QDialogButtonBox::ActionRole);
  Imprimer->setObjectName(QStringLiteral("Imprimer"));
  boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
  mise->addWidget(boutons);

  connect(Filtre, &QLineEdit::textChanged, this, &TDialogueVocabulaire::Actualise);
  connect(Masquer, &QSpinBox::valueChanged, this, &TDialogueVocabulaire::Actualise);
  connect(Inserer, &QPushButton::clicked, this, &TDialogueVocabulaire::InsereClick);
  connect(Enregistrer, &QPushButton::clicked, this, &TDialogueVocabulaire::EnregistrerClick);
  connect(Imprimer, &QPushButton::clicked, this, &TDialogueVocabulaire::ImprimerClick);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Actualise();
}

TDialogueVocabulaire::~TDialogueVocabulaire() = default;

QString TDialogueVocabulaire::Titre() const {
  return NomTexte.isEmpty() ? QStringLiteral("Vocabulaire du texte")
                            : QStringLiteral("Vocabulaire de %1").arg(NomTexte);
}

void TDialogueVocabulaire::Actualise() {
  const QString filtre = Filtre->text().trimmed();
  const int masquer = Masquer->value();
  Table->setSortingEnabled(false);
  Table->setRowCount(0);
  for (const TVedetteVocabulaire& v : Vocabulaire.Vedettes) {
    if (masquer > 0 && v.Rang >= 1 && v.Rang <= masquer) continue;
    const QString entree = VersQt(v.Entree);
    QStringList formes;
    for (const std::string& f : v.Formes) formes << VersQt(f);
    const QString texteFormes = formes.join(QStringLiteral(", "));
    if (!filtre.isEmpty() && !entree.contains(filtre, Qt::CaseInsensitive) &&
        !texteFormes.contains(filtre, Qt::CaseInsensitive))
      continue;
    const int ligne = Table->rowCount();
    Table->insertRow(ligne);
    Table->setItem(ligne, ColEntree, Case(entree));
    Table->setItem(ligne, ColOccurrences, CaseNombre(v.Occurrences));
    Table->setItem(ligne, ColFormes,
                   Case(texteFormes + (v.Ambigu ? QStringLiteral(" (ambigu)") : QString())));
    Table->setItem(ligne, ColRang, CaseNombre(v.Rang > 0 ? std::optional(v.Rang) : std::nullopt));
    Table->setItem(ligne, ColIncertain, Case(VersQt(MarqueIncertaine(v))));
  }
  Table->setSortingEnabled(true);
  Onglets->setTabText(0, QStringLiteral("Vocabulaire (%1)").arg(Table->rowCount()));
}

QString TDialogueVocabulaire::TexteVisible() const {
  QString texte;
  for (int i = 0; i < Table->rowCount(); ++i)
    texte += Table->item(i, ColEntree)->text() + QStringLiteral(" (") +
             Table->item(i, ColOccurrences)->text() + QStringLiteral(")\n");
  return texte;
}

std::unique_ptr<QTextDocument> TDialogueVocabulaire::Document() const {
  auto document = std::make_unique<QTextDocument>();
  QTextCursor curseur(document.get());
  curseur.insertText(Titre());
  curseur.insertBlock();
  QTextTableFormat format;
  format.setCellPadding(2);
  format.setBorder(0.5);
  format.setHeaderRowCount(1);
  QTextTable* table = curseur.insertTable(Table->rowCount() + 1, 3, format);
  const QString titres[3] = {QStringLiteral("Vedette et sens"), QStringLiteral("Occurrences"),
                             QStringLiteral("Formes")};
  for (int c = 0; c < 3; ++c) table->cellAt(0, c).firstCursorPosition().insertText(titres[c]);
  for (int i = 0; i < Table->rowCount(); ++i)
    for (int c = 0; c < 3; ++c)
      table->cellAt(i + 1, c).firstCursorPosition().insertText(Table->item(i, c)->text());
  return document;
}

bool TDialogueVocabulaire::Enregistre(const QString& chemin) const {
  if (QFileInfo(chemin).suffix().compare(QStringLiteral("odt"), Qt::CaseInsensitive) == 0) {
    QTextDocumentWriter ecrivain(chemin, QByteArrayLiteral("odf"));
    return ecrivain.write(Document().get());
  }
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QString texte = Titre() + u'\n';
  for (int i = 0; i < Table->rowCount(); ++i)
    texte += Table->item(i, ColEntree)->text() + u'\t' + Table->item(i, ColOccurrences)->text() +
             u'\t' + Table->item(i, ColFormes)->text() + u'\n';
  const QByteArray octets = texte.toUtf8();
  return fichier.write(octets) == octets.size() && fichier.flush();
}

void TDialogueVocabulaire::ImprimeSur(QPrinter& imprimante) const {
  Document()->print(&imprimante);
}

void TDialogueVocabulaire::InsereClick() { emit Insere(TexteVisible()); }

void TDialogueVocabulaire::EnregistrerClick() {
  const auto chemin = Services.FichierAEnregistrer(
      this, QStringLiteral("Enregistrer le vocabulaire"),
      NomTexte.isEmpty() ? QString()
                         : QStringLiteral("vocabulaire-%1.odt").arg(QFileInfo(NomTexte).baseName()),
      QStringLiteral("Document OpenDocument (*.odt);;Texte brut (*.txt)"), QStringLiteral("odt"));
  if (!chemin) return;
  if (!Enregistre(*chemin))
    Services.Erreur(this, QStringLiteral("Impossible d'écrire le fichier %1").arg(*chemin));
}

void TDialogueVocabulaire::ImprimerClick() {
  QPrinter imprimante;
  QPrintDialog dialogue(&imprimante, this);
  if (dialogue.exec() == QDialog::Accepted) ImprimeSur(imprimante);
}
