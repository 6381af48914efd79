// TFPrinc: the reading window. A read-only reading pane (RichE) over a notes
// pane (Memo1); pointing at a word shows its analyses in a tooltip, a right
// click offers to insert its meanings, analysis or French rendering into the
// notes, selecting from one word to another offers their syntactic links.
// Start-up reads the configuration file beside the executable: without a
// text named there the window is in free mode (sample sentence, hover only),
// otherwise in configured mode for one pupil (name prompt, notes file with
// its counters, "Droits", trace file). Widgets are owned by the window; the
// services that talk to the user are borrowed and must outlive it; the
// lexical stores are global and only read. Every handler reports its errors
// through the services' error box and never lets one escape.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "princ/services.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTextEdit;
class TDialogueChercher;
class TModeleContexte;

// The window's own state. Strings from or for the analysis are Windows-1252;
// paths are in the file system's encoding (UTF-8).
struct TEtatFPrinc {
  bool LatinModifiable = false;
  std::string NomUtilisateur;
  std::string FichierNotes;
  std::string MotCourant;
  std::string TexteLexique, TexteMorpho, TexteTraduction;
  int NbLexique = 0, NbMorpho = 0, NbTraduction = 0;
  std::string FichierTrace;
  int AutoLex = 0, insereLex = 0, insereMorpho = 0, insereTr = 0, evalSyntaxe = 0;
  // The teacher's vocabulary of the text and the pupil's inflection tables.
  int vocabulaire = 0, flexion = 0;
  std::string FichierTexte;
  std::string RepSauvegarde;
};

class TFPrinc : public QMainWindow {
  Q_OBJECT
 public:
  // Runs the whole start-up; `cheminExecutable` locates the configuration
  // file and the default lexicon.
  TFPrinc(IServices& services, std::string cheminExecutable, QWidget* parent = nullptr);
  ~TFPrinc() override;

  const TEtatFPrinc& Etat() const { return E; }
  // The reading pane's current hint text (empty: no hint).
  QString TexteBulle() const { return Bulle; }
  QString TexteVolet(int i) const;
  // The sample sentence of free mode.
  static QString PhraseExemple();

  // Folder of the executable, with its trailing separator.
  std::string RepertoireProgramme() const;
  std::string CheminIni() const;

 public slots:
  void AjourEtat();
  void AutoriseEdition(bool modifiable);
  void ChargeTexte(const std::string& chemin);
  void RichEMouseMove(int x, int y);
  void PopupMenu1Popup();
  void InsereEntree();
  void InsereMorpho();
  void InsereTraduction();
  void EcritTrace(const std::string& texte);
  void RichESelectionChange();
  void Effaceretcrire1Click();
  void ouvrirunfichier1Click();
  void EnregistrerBlocNotes1Click();
  void quitter1Click();
  void Modifierlelatin1Click();
  void chercher1Click();
  void FindDialogShow();
  void FindDialogFind();
  void plusgros1Click();
  void pluspetit1Click();
  void auteur1Click();
  void ChangeTaille(int pas);
  void Vocabulairedutexte1Click();
  void Flexion1Click();

 protected:
  void closeEvent(QCloseEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void CreePanneaux();
  void CreeMenus();
  void CreeBarreEtat();
  void CreeOutils(QMenu* edition);
  void AjourOutils();
  void FormCreate();
  void ChargeNotes();
  // Saves the notes as "Enregistrer Bloc-Notes" does; false when they could
  // not be saved (error, dialog cancelled, name taken).
  bool EnregistreNotes();
  // A path of the configuration file, taken relative to its folder.
  std::string Absolu(const std::string& chemin) const;
  // "repertoire" of the configuration file, for the open and save dialogs.
  std::string RepertoireDesDialogues();
  // Hints are shown in free mode, and in configured mode with "AutoLex".
  bool BullesAffichees() const;
  // Ctrl + wheel: the same steps and limits as "plus gros"/"plus petit".
  void Molette(int angle);
  void AjusteBulle();
  void ChargeModeleContexte(const std::string& ordre, const std::string& cheminLexique);
  // Runs the syntax query on a selection whose making has just ended.
  void SelectionFaite();
  void Insere(const std::string& texte, const std::string& trace, int& compteur);
  void MontreBulle(const QPoint& position);
  void SelectionParLeProgramme(int debut, int longueur);
  void SignaleErreur(const std::exception& erreur);
  void Protege(const std::function<void()>& action);

  IServices& Services;
  std::string CheminExecutable;
  TEtatFPrinc E;
  QString Bulle;
  // The model of the likeliest reading in context; null: the design's order.
  std::shared_ptr<const TModeleContexte> Contexte;
  bool BoutonEnfonce = false;       // a mouse selection is being dragged
  bool SelectionEnAttente = false;  // it changed during the drag or while Shift was held
  bool ShiftEnfonce = false;        // a keyboard selection is being made
  int AngleMolette = 0;             // wheel turn not yet made into a size step
  bool SelectionAutomatique = false;
  bool DansSelection = false;

  QTextEdit* RichE = nullptr;
  QSplitter* Splitter1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QLabel* Volets[3] = {};
  QMenu* PopupMenu1 = nullptr;
  QAction* Modifierlelatin1 = nullptr;
  QAction* Vocabulairedutexte1 = nullptr;
  TDialogueChercher* FindDialog = nullptr;
};
