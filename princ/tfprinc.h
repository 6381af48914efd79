// TFenetreLecture: the reading window. A read-only reading pane (PanneauLecture) over a notes
// pane (PanneauNotes); pointing at a word shows its analyses in a tooltip, a right
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
#include <QPointer>
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
class TDialogueVocabulaire;
class TModeleContexte;
struct TContexteDuMot;

// The window's own state. Strings from or for the analysis are Windows-1252;
// paths are in the file system's encoding (UTF-8).
struct TEtatFenetre {
  bool LatinModifiable = false;
  std::string NomUtilisateur;
  std::string FichierNotes;
  // The notes file is the pupil's, counters line first; a file chosen in
  // the save dialog holds the notes alone and is always rewritten so.
  bool NotesAvecCompteurs = false;
  std::string MotCourant;
  // The word the context menu was opened on: the one inserted, traced and
  // inflected, wherever the pointer has gone since.
  std::string MotMenu;
  // The text around it and its byte position there, for the order of its
  // readings in context (Position -1: no context, the design's order).
  std::string TexteAutourMenu;
  int PositionMenu = -1;
  std::string TexteLexique, TexteMorpho, TexteTraduction;
  int NbLexique = 0, NbMorpho = 0, NbTraduction = 0;
  std::string FichierTrace;
  int AutoLex = 0, insereLex = 0, insereMorpho = 0, insereTr = 0, evalSyntaxe = 0;
  // The teacher's vocabulary of the text and the pupil's inflection tables.
  int vocabulaire = 0, flexion = 0;
  std::string FichierTexte;
  std::string RepSauvegarde;
  // The lexicon loaded; the frequency ranks are read beside it.
  std::string CheminLexique;
  // The file of the text in the reading pane; empty for the sample sentence
  // or a new text.
  std::string TexteAffiche;
};

class TFenetreLecture : public QMainWindow {
  Q_OBJECT
 public:
  // Runs the whole start-up; `cheminExecutable` locates the configuration
  // file and the default lexicon. `cheminReglages` is the user's settings
  // file where the window keeps its size and the split between its panes
  // (empty: the user's configuration folder); lecturiel.ini is the
  // teacher's and is never written.
  TFenetreLecture(IServices& services, std::string cheminExecutable,
                  std::string cheminReglages = {}, QWidget* parent = nullptr);
  ~TFenetreLecture() override;

  const TEtatFenetre& Etat() const { return EtatCourant; }
  // The pupil cancelled the name prompt: the program leaves without
  // showing the window.
  bool Abandonnee() const { return Abandon; }
  // The reading pane's current hint text (empty: no hint).
  QString TexteBulle() const { return Bulle; }
  QString TexteVolet(int i) const;
  // The sample sentence of free mode.
  static QString PhraseExemple();

  // Folder of the executable, with its trailing separator.
  std::string RepertoireProgramme() const;
  std::string CheminIni() const;

 public slots:
  void AfficheCompteurs();
  void AutoriseEdition(bool modifiable);
  void ChargeTexte(const std::string& chemin);
  void AnalyseMotAuPoint(int x, int y);
  void PrepareMenuMot();
  // The context menu of the word at the caret (Menu key, Shift+F10).
  void MenuAuClavier();
  void InsereEntree();
  void InsereMorpho();
  void InsereTraduction();
  // Appends a line to the trace file; a failure is reported once, and shown
  // in the status bar until a line is written again. Never throws.
  void EcritTrace(const std::string& texte);
  void ProposeLiensSyntaxiques();
  void NouveauTexte();
  void OuvreTexte();
  void EnregistreBlocNotes();
  void Quitte();
  void BasculeLatinModifiable();
  void MontreChercher();
  void ChercheDepuisLeDebut();
  void ChercheSuivant();
  void Grossit();
  void Rapetisse();
  void MontreAuteur();
  void ChangeTaille(int pas);
  void MontreVocabulaire();
  void MontreFlexion();

 protected:
  void closeEvent(QCloseEvent* evenement) override;
  void showEvent(QShowEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void CreePanneaux();
  // The size and split the window had when it last closed.
  void RestaureDisposition();
  void EnregistreDisposition();
  void CreeMenus();
  void CreeBarreEtat();
  void CreeOutils(QMenu* edition);
  void OffreOutils();
  void Demarre();
  // Asks the pupil's name until one is given; false when cancelled.
  bool DemandeNom(QString& nom);
  // Unknown sections and keys of the configuration, told once.
  void SignaleReglagesInconnus(const class TFichierIni& ini);
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
  // Keeps the text around the menu's word for the order of its helps.
  void RetientContexteMenu(TContexteDuMot contexte);

  IServices& Services;
  bool Abandon = false;
  QList<int> PanneauxRestaures;  // split to apply at the first showing
  bool TraceEnEchec = false;     // the last trace line could not be written
  std::string CheminExecutable;
  std::string CheminReglages;
  TEtatFenetre EtatCourant;
  QString Bulle;
  // The model of the likeliest reading in context; null: the design's order.
  std::shared_ptr<const TModeleContexte> Contexte;
  bool BoutonEnfonce = false;       // a mouse selection is being dragged
  bool SelectionEnAttente = false;  // it changed during the drag or while Shift was held
  bool ShiftEnfonce = false;        // a keyboard selection is being made
  int AngleMolette = 0;             // wheel turn not yet made into a size step
  bool SelectionAutomatique = false;
  bool DansSelection = false;

  QTextEdit* PanneauLecture = nullptr;
  QSplitter* Separation = nullptr;
  QPlainTextEdit* PanneauNotes = nullptr;
  QLabel* VoletsCompteurs[3] = {};
  QLabel* VoletTrace = nullptr;  // shown while the trace cannot be written
  QMenu* MenuMot = nullptr;
  QAction* ActionLatinModifiable = nullptr;
  QAction* ActionVocabulaire = nullptr;
  TDialogueChercher* DialogueChercher = nullptr;
  // The vocabulary of the text shown, closed when another text replaces it.
  QPointer<TDialogueVocabulaire> Vocabulaire;
};
