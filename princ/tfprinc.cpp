// Construction of the window, its start-up and the configuration file.
#include "princ/tfprinc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>
#include <QWheelEvent>
#include <optional>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/programme.h"
#include "lexical/stores.h"
#include "princ/dialogue_chercher.h"
#include "princ/document_qt.h"
#include "princ/fichiers/fichier_ini.h"
#include "princ/fichiers/nom_fichier.h"
#include "princ/fichiers/notes.h"
#include "princ/fichiers/texte_latin.h"

TFPrinc::TFPrinc(IServices& services, std::string cheminExecutable, QWidget* parent)
    : QMainWindow(parent), Services(services), CheminExecutable(std::move(cheminExecutable)) {
  setObjectName(QStringLiteral("FPrinc"));
  setWindowTitle(QStringLiteral("Lecturiel"));
  QFont police(QStringLiteral("MS Sans Serif"));
  police.setPixelSize(11);
  setFont(police);
  resize(505, 405);
  if (const QScreen* ecran = screen()) move(ecran->availableGeometry().center() - rect().center());
  CreePanneaux();
  CreeMenus();
  CreeBarreEtat();
  AjusteBulle();
  AutoriseEdition(false);
  FormCreate();
  AjourOutils();
}

TFPrinc::~TFPrinc() = default;

QString TFPrinc::PhraseExemple() {
  return QStringLiteral(
      "Ignoranti quem portum petat nullus suus uentus est. \n(Sénèque, Lettres à "
      "Lucilius, 71, 3)");
}

void TFPrinc::CreePanneaux() {
  RichE = new QTextEdit(this);
  RichE->setObjectName(QStringLiteral("RichE"));
  RichE->setFrameShape(QFrame::NoFrame);
  RichE->setAcceptRichText(true);
  RichE->setTabChangesFocus(false);
  RichE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette palette = RichE->palette();
  palette.setColor(QPalette::Base, QColor(249, 240, 232));
  // The selection stays as visible when the pane loses the focus.
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Active, QPalette::HighlightedText));
  RichE->setPalette(palette);
  QFont arial(QStringLiteral("Arial"));
  arial.setPointSize(10);
  RichE->setFont(arial);
  RichE->setPlainText(PhraseExemple());
  RichE->viewport()->setCursor(Qt::ArrowCursor);
  RichE->viewport()->setMouseTracking(true);
  RichE->viewport()->installEventFilter(this);
  RichE->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(RichE, &QTextEdit::customContextMenuRequested, this, [this](const QPoint& position) {
    PopupMenu1Popup();
    if (!PopupMenu1->isEmpty()) PopupMenu1->popup(RichE->viewport()->mapToGlobal(position));
  });
  RichE->installEventFilter(this);
  connect(RichE, &QTextEdit::selectionChanged, this, [this] {
    if (SelectionAutomatique) return;
    if (BoutonEnfonce || ShiftEnfonce)
      SelectionEnAttente = true;
    else
      RichESelectionChange();
  });

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  QFont notes(QStringLiteral("Arial"));
  notes.setPixelSize(13);
  Memo1->setFont(notes);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->viewport()->installEventFilter(this);

  Splitter1 = new QSplitter(Qt::Vertical, this);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Splitter1->setHandleWidth(11);
  Splitter1->setChildrenCollapsible(false);
  Splitter1->addWidget(RichE);
  Splitter1->addWidget(Memo1);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({161, 200});
  setCentralWidget(Splitter1);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

  FindDialog = new TDialogueChercher(this);
  connect(FindDialog, &TDialogueChercher::Montre, this, &TFPrinc::FindDialogShow);
  connect(FindDialog, &TDialogueChercher::Cherche, this, &TFPrinc::FindDialogFind);
}

void TFPrinc::CreeMenus() {
  QMenuBar* barre = menuBar();
  barre->setObjectName(QStringLiteral("MainMenu1"));
  auto ajoute = [this](QMenu* menu, const char* nom, const QString& titre,
                       const QKeySequence& raccourci, void (TFPrinc::*action)()) {
    QAction* a = menu->addAction(titre);
    a->setObjectName(QString::fromLatin1(nom));
    a->setShortcut(raccourci);
    connect(a, &QAction::triggered, this, action);
    return a;
  };
  QMenu* fichier = barre->addMenu(QStringLiteral("&Fichier"));
  fichier->setObjectName(QStringLiteral("Fichier1"));
  ajoute(fichier, "Nouveau1", QStringLiteral("&Nouveau"), QKeySequence(Qt::CTRL | Qt::Key_N),
         &TFPrinc::Effaceretcrire1Click);
  ajoute(fichier, "Ouvrir1", QStringLiteral("&Ouvrir"), QKeySequence(Qt::CTRL | Qt::Key_O),
         &TFPrinc::ouvrirunfichier1Click);
  ajoute(fichier, "EnregistrerBlocNotes1", QStringLiteral("&Enregistrer Bloc-Notes"),
         QKeySequence(Qt::CTRL | Qt::Key_S), &TFPrinc::EnregistrerBlocNotes1Click);
  fichier->addSeparator()->setObjectName(QStringLiteral("N1"));
  ajoute(fichier, "Quitter2", QStringLiteral("Quitter"), QKeySequence(Qt::ALT | Qt::Key_F4),
         &TFPrinc::quitter1Click);

  QMenu* edition = barre->addMenu(QStringLiteral("&Edition"));
  edition->setObjectName(QStringLiteral("Edition1"));
  Modifierlelatin1 = ajoute(edition, "Modifierlelatin1", QStringLiteral("&Modifier le latin"),
                            QKeySequence(Qt::CTRL | Qt::Key_L), &TFPrinc::Modifierlelatin1Click);
  Modifierlelatin1->setCheckable(true);
  ajoute(edition, "Chercher2", QStringLiteral("&Chercher"), QKeySequence(Qt::CTRL | Qt::Key_F),
         &TFPrinc::chercher1Click);
  ajoute(edition, "plusgros1", QStringLiteral("plus gros"), QKeySequence(Qt::CTRL | Qt::Key_G),
         &TFPrinc::plusgros1Click);
  ajoute(edition, "pluspetit1", QStringLiteral("plus petit"), QKeySequence(Qt::CTRL | Qt::Key_P),
         &TFPrinc::pluspetit1Click);
  CreeOutils(edition);

  QAction* auteur = barre->addAction(QStringLiteral("&auteur"));
  auteur->setObjectName(QStringLiteral("auteur1"));
  auteur->setShortcut(QKeySequence(Qt::Key_F1));
  // A menu-bar action's shortcut only works while the window holds it.
  addAction(auteur);
  connect(auteur, &QAction::triggered, this, &TFPrinc::auteur1Click);
}

void TFPrinc::CreeBarreEtat() {
  QStatusBar* barre = statusBar();
  barre->setObjectName(QStringLiteral("StatusBar"));
  barre->setSizeGripEnabled(false);
  const QString textes[3] = {QStringLiteral("lexique : 0"), QStringLiteral("morpho : 0"),
                             QStringLiteral("traduction : 0")};
  for (int i = 0; i < 3; ++i) {
    Volets[i] = new QLabel(textes[i], barre);
    Volets[i]->setObjectName(QStringLiteral("Volet%1").arg(i));
    Volets[i]->setMinimumWidth(90);
    Volets[i]->setFrameShape(QFrame::StyledPanel);
    barre->addWidget(Volets[i]);
  }
  barre->hide();
}

QString TFPrinc::TexteVolet(int i) const { return i >= 0 && i < 3 ? Volets[i]->text() : QString(); }

std::string TFPrinc::RepertoireProgramme() const { return DossierDuProgramme(CheminExecutable); }

std::string TFPrinc::CheminIni() const {
  const std::string dossier = RepertoireProgramme();
  std::string nom = CheminExecutable.substr(dossier.size());
  const auto point = nom.find_last_of('.');
  if (point != std::string::npos && point > 0) nom.erase(point);
  return dossier + nom + ".ini";
}

void TFPrinc::SignaleErreur(const std::exception& erreur) {
  const auto* e = dynamic_cast<const Erreur*>(&erreur);
  Services.Erreur(
      this, e ? QString::fromStdString(e->MessageUtf8()) : QString::fromLocal8Bit(erreur.what()));
}

void TFPrinc::Protege(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& erreur) {
    SignaleErreur(erreur);
  }
}

std::string TFPrinc::Absolu(const std::string& chemin) const {
  if (chemin.empty() || chemin.front() == '/') return chemin;
  return RepertoireProgramme() + chemin;
}

std::string TFPrinc::RepertoireDesDialogues() {
  std::string dossier;
  Protege([&] {
    dossier = Absolu(TFichierIni(CheminIni()).LisChemin("Sauvegarde", "repertoire", ""));
  });
  return dossier;
}

void TFPrinc::FormCreate() {
  E.FichierNotes.clear();
  E.NomUtilisateur.clear();
  std::string cheminLexique = RepertoireProgramme() + "quirandole.lex";
  E.NbLexique = E.NbMorpho = E.NbTraduction = 0;
  // Each step reports its own failure and the next ones still run: one bad
  // file must not cost the pupil the other helps for the whole lesson.
  std::optional<TFichierIni> ini;
  Protege([&] { ini.emplace(CheminIni()); });
  if (ini && ini->Probleme())
    Services.Erreur(this, QString::fromStdString(Cp1252VersUtf8(*ini->Probleme())));
  const auto chemin = [&](const char* section, const char* cle) {
    return ini ? Absolu(ini->LisChemin(section, cle, "")) : std::string();
  };
  E.FichierTexte = chemin("Fichier", "Nom");
  E.RepSauvegarde = chemin("Sauvegarde", "repertoire");
  if (const std::string lexique = chemin("Fichier", "lexique"); !lexique.empty())
    cheminLexique = lexique;
  if (!E.FichierTexte.empty()) {
    Protege([this] { ChargeTexte(E.FichierTexte); });
    AutoriseEdition(false);
    QString nom;
    if (Services.DemandeTexte(this, QStringLiteral("Lecturiel"), QStringLiteral("ton nom :"),
                              nom)) {
      // The trace keeps the name as typed; the file name is made safe.
      E.NomUtilisateur = Utf8VersCp1252(nom.toStdString());
      E.FichierNotes =
          CheminNotes(E.RepSauvegarde, NomDeFichier(nom.toStdString()), E.FichierTexte);
      Protege([this] { ChargeNotes(); });
    }
    E.FichierTrace = chemin("Sauvegarde", "reptrace");
    E.AutoLex = ini->LisEntier("Droits", "AutoLex", 0);
    E.insereLex = ini->LisEntier("Droits", "insereLex", 1);
    E.insereMorpho = ini->LisEntier("Droits", "insereMorpho", 2);
    E.insereTr = ini->LisEntier("Droits", "insereTr", 3);
    E.evalSyntaxe = ini->LisEntier("Droits", "evalSyntaxe", 3);
    E.vocabulaire = ini->LisEntier("Droits", "vocabulaire", 0);
    E.flexion = ini->LisEntier("Droits", "flexion", 0);
    statusBar()->show();
  }
  Protege([&] {
    // A checksum that does not match is said once; the lesson goes on.
    if (ChargeLexique(cheminLexique) == EtatEmpreinte::Fausse)
      Services.Erreur(
          this, QString::fromStdString(Cp1252VersUtf8(AvertissementEmpreinte(cheminLexique))));
  });
  Memo1->document()->setModified(false);
  AjourEtat();
}

void TFPrinc::ChargeNotes() {
  if (!FichierExiste(E.FichierNotes)) return;
  std::vector<std::string> octets;
  try {
    octets = LisLignes(E.FichierNotes);
  } catch (...) {
    // A notes file that cannot be read is never written over: this lesson's
    // notes go where the pupil chooses in the save dialog.
    E.FichierNotes.clear();
    throw;
  }
  QStringList lignes;
  for (const auto& ligne : octets) lignes << QString::fromStdString(TexteVersUtf8(ligne));
  Memo1->setPlainText(lignes.join(u'\n'));
  if (lignes.isEmpty()) return;
  // A bad counters line is reported and stays in view, so nothing is lost.
  if (const auto compteurs = LisLigneCompteurs(Utf8VersCp1252(lignes.first().toStdString()))) {
    E.NbLexique = compteurs->NbLexique;
    E.NbMorpho = compteurs->NbMorpho;
    E.NbTraduction = compteurs->NbTraduction;
    lignes.removeFirst();
    Memo1->setPlainText(lignes.join(u'\n'));
  }
}

void TFPrinc::AjourEtat() {
  Volets[0]->setText(QStringLiteral("lexique : %1").arg(E.NbLexique));
  Volets[1]->setText(QStringLiteral("morphologie : %1").arg(E.NbMorpho));
  Volets[2]->setText(QStringLiteral("traduction : %1").arg(E.NbTraduction));
}

void TFPrinc::AutoriseEdition(bool modifiable) {
  E.LatinModifiable = modifiable;
  RichE->setReadOnly(!modifiable);
  // A read-only pane still lets the pupil select with the keyboard.
  if (!modifiable)
    RichE->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  RichE->viewport()->setCursor(Qt::ArrowCursor);
  Modifierlelatin1->setChecked(modifiable);
}

void TFPrinc::ChargeTexte(const std::string& chemin) {
  RichE->clear();
  RemplitDocument(*RichE->document(), LisTexteLatin(chemin), 20.0 * RichE->logicalDpiY() / 72.0);
  // The pupil starts reading at the beginning of the text.
  SelectionParLeProgramme(0, 0);
  RichE->verticalScrollBar()->setValue(0);
  // Indenting the notes' paragraph is no edit of the pupil's.
  const bool modifiees = Memo1->document()->isModified();
  QTextBlockFormat retrait = Memo1->textCursor().blockFormat();
  retrait.setTextIndent(20.0 * Memo1->logicalDpiY() / 72.0);
  Memo1->textCursor().setBlockFormat(retrait);
  Memo1->document()->setModified(modifiees);
}

void TFPrinc::closeEvent(QCloseEvent* evenement) {
  // FormCloseQuery: modified notes are saved without a question; when they
  // could not be, the pupil decides whether to lose them.
  if (Memo1->document()->isModified() && !EnregistreNotes() &&
      !Services.Confirme(
          this, QStringLiteral("Les notes n'ont pas été enregistrées. Quitter quand même ?"))) {
    evenement->ignore();
    return;
  }
  QToolTip::hideText();
  evenement->accept();
}

void TFPrinc::SelectionFaite() {
  if (!SelectionEnAttente || BoutonEnfonce || ShiftEnfonce) return;
  SelectionEnAttente = false;
  QMetaObject::invokeMethod(this, &TFPrinc::RichESelectionChange, Qt::QueuedConnection);
}

void TFPrinc::Molette(int angle) {
  // One notch is 120; a touchpad sends smaller turns, added up here.
  AngleMolette += angle;
  for (; AngleMolette >= 120; AngleMolette -= 120) ChangeTaille(2);
  for (; AngleMolette <= -120; AngleMolette += 120) ChangeTaille(-2);
}

bool TFPrinc::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::Wheel &&
      (objet == RichE->viewport() || objet == Memo1->viewport())) {
    const auto* molette = static_cast<QWheelEvent*>(evenement);
    if (molette->modifiers() & Qt::ControlModifier) {
      // Qt's own wheel zoom knows neither the limits nor the other pane.
      Molette(molette->angleDelta().y());
      return true;
    }
  }
  if (objet == RichE) {
    // A selection made with Shift and the arrows is taken as made when
    // Shift is released, as a mouse selection when the button is.
    switch (evenement->type()) {
      case QEvent::KeyPress: {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        ShiftEnfonce = touche->key() == Qt::Key_Shift || (touche->modifiers() & Qt::ShiftModifier);
        break;
      }
      case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(evenement)->key() != Qt::Key_Shift) break;
        [[fallthrough]];
      case QEvent::FocusOut:
        if (ShiftEnfonce) {
          ShiftEnfonce = false;
          SelectionFaite();
        }
        break;
      default:
        break;
    }
  }
  if (objet == RichE->viewport()) {
    switch (evenement->type()) {
      case QEvent::MouseMove: {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        const QPoint position = souris->position().toPoint();
        RichEMouseMove(position.x(), position.y());
        MontreBulle(position);
        break;
      }
      case QEvent::ToolTip:
        return true;  // the hint is shown at each move, never by Qt's delay
      case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
          BoutonEnfonce = true;
          SelectionEnAttente = false;
        }
        break;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton && BoutonEnfonce) {
          BoutonEnfonce = false;
          // The selection is made once the button is released: a question in
          // mid-drag would break the drag.
          SelectionFaite();
        }
        break;
      case QEvent::Leave:
        QToolTip::hideText();
        break;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(objet, evenement);
}
