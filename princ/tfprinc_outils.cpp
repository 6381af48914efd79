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

#include "fichiers/graphie.h"
#include "lexical/cp1252.h"
#include "lexical/stores.h"
#include "morpho/rangs_frequence.h"
#include "princ/dialogue_flexion.h"
#include "princ/dialogue_vocabulaire.h"
#include "princ/tfprinc.h"

void TFenetreLecture::CreeOutils(QMenu* edition) {
  ActionVocabulaire = edition->addAction(QStringLiteral("&Vocabulaire du texte"));
  ActionVocabulaire->setObjectName(QStringLiteral("Vocabulairedutexte1"));
  connect(ActionVocabulaire, &QAction::triggered, this, &TFenetreLecture::MontreVocabulaire);
}

void TFenetreLecture::OffreOutils() {
  ActionVocabulaire->setVisible(EtatCourant.FichierTexte.empty() || EtatCourant.vocabulaire >= 1);
}

void TFenetreLecture::MontreVocabulaire() {
  if (!StoresPrets() || !ActionVocabulaire->isVisible()) return;
  Protege([this] {
    // One vocabulary at a time, of the text as it is now.
    if (Vocabulaire) Vocabulaire->close();
    const std::string texte =
        Utf8VersCp1252(SansQuantites(PanneauLecture->toPlainText().toStdString()));
    const QString nomTexte = QFileInfo(QString::fromStdString(EtatCourant.TexteAffiche)).fileName();
    auto* dialogue =
        new TDialogueVocabulaire(Services, texte, nomTexte,
                                 CheminRangsPres(EtatCourant.CheminLexique), this, Contexte.get());
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    Vocabulaire = dialogue;
    connect(dialogue, &TDialogueVocabulaire::Insere, this, [this](const QString& lignes) {
      PanneauNotes->textCursor().insertText(lignes);
      PanneauNotes->document()->setModified(true);
    });
    dialogue->show();
    EcritTrace("vocabulaire - " + Utf8VersCp1252(nomTexte.toStdString()));
  });
}

void TFenetreLecture::MontreFlexion() {
  if (!StoresPrets() || EtatCourant.MotMenu.empty()) return;
  Protege([this] {
    auto* dialogue = new TDialogueFlexion(EtatCourant.MotMenu, this);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->show();
    EcritTrace("flexion - " + EtatCourant.MotMenu);
  });
}
