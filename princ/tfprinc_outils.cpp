// The reading window's two study tools: the vocabulary of the whole text
// (Edition menu) and the inflection tables of the word under the pointer
// (context menu). In configured mode each is offered when its "Droits" key
// is 1 or more; in free mode the vocabulary is offered and the tables are
// not (the free context menu inserts nothing). Both dialogs are modeless,
// owned by the window, and traced like the other helps.
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "lexical/cp1252.h"
#include "lexical/stores.h"
#include "morpho/rangs_frequence.h"
#include "princ/dialogue_flexion.h"
#include "princ/dialogue_vocabulaire.h"
#include "princ/fichiers/graphie.h"
#include "princ/tfprinc.h"

void TFPrinc::CreeOutils(QMenu* edition) {
  Vocabulairedutexte1 = edition->addAction(QStringLiteral("&Vocabulaire du texte"));
  Vocabulairedutexte1->setObjectName(QStringLiteral("Vocabulairedutexte1"));
  connect(Vocabulairedutexte1, &QAction::triggered, this, &TFPrinc::Vocabulairedutexte1Click);
}

void TFPrinc::AjourOutils() {
  Vocabulairedutexte1->setVisible(E.FichierTexte.empty() || E.vocabulaire >= 1);
}

void TFPrinc::Vocabulairedutexte1Click() {
  if (!StoresPrets() || !Vocabulairedutexte1->isVisible()) return;
  Protege([this] {
    // One vocabulary at a time, of the text as it is now.
    if (Vocabulaire) Vocabulaire->close();
    const std::string texte = Utf8VersCp1252(SansQuantites(RichE->toPlainText().toStdString()));
    const QString nomTexte = QFileInfo(QString::fromStdString(E.TexteAffiche)).fileName();
    auto* dialogue =
        new TDialogueVocabulaire(Services, texte, nomTexte, CheminRangsPres(E.CheminLexique), this);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    Vocabulaire = dialogue;
    connect(dialogue, &TDialogueVocabulaire::Insere, this, [this](const QString& lignes) {
      Memo1->textCursor().insertText(lignes);
      Memo1->document()->setModified(true);
    });
    dialogue->show();
    EcritTrace("vocabulaire - " + Utf8VersCp1252(nomTexte.toStdString()));
  });
}

void TFPrinc::Flexion1Click() {
  if (!StoresPrets() || E.MotMenu.empty()) return;
  Protege([this] {
    auto* dialogue = new TDialogueFlexion(E.MotMenu, this);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->show();
    EcritTrace("flexion - " + E.MotMenu);
  });
}
