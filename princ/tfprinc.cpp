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
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>
#include <QWheelEvent>
#include <map>
#include <optional>
#include <set>

#include "fichiers/fichier_ini.h"
#include "fichiers/nom_fichier.h"
#include "fichiers/notes.h"
#include "fichiers/texte_latin.h"
#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/minuscules.h"
#include "lexical/programme.h"
#include "lexical/stores.h"
#include "morpho/contexte.h"
#include "princ/dialogue_chercher.h"
#include "princ/dialogue_vocabulaire.h"
#include "princ/document_qt.h"
#include "princ/texte_riche_qt.h"

TFenetreLecture::TFenetreLecture(IServices& services, std::string cheminExecutable,
                                 std::string cheminReglages, QWidget* parent)
    : QMainWindow(parent),
      Services(services),
      CheminExecutable(std::move(cheminExecutable)),
      CheminReglages(std::move(cheminReglages)) {
  setObjectName(QStringLiteral("FPrinc"));
  setWindowTitle(QStringLiteral("Lecturiel"));
  QFont police(QStringLiteral("MS Sans Serif"));
  police.setPixelSize(11);
  setFont(police);
  resize(505, 405);
  if (const QScreen* ecran = screen()) move(ecran->availableGeometry().center() - rect().center());
  CreePanneaux();
  RestaureDisposition();
  CreeMenus();
  CreeBarreEtat();
  AjusteBulle();
  AutoriseEdition(false);
  Demarre();
  OffreOutils();
}

TFenetreLecture::~TFenetreLecture() = default;

QString TFenetreLecture::PhraseExemple() {
  return QStringLiteral(
      "Ignoranti quem portum petat nullus suus uentus est. \n(Sénèque, Lettres à "
      "Lucilius, 71, 3)");
}

void TFenetreLecture::CreePanneaux() {
  PanneauLecture = new QTextEdit(this);
  PanneauLecture->setObjectName(QStringLiteral("RichE"));
  PanneauLecture->setFrameShape(QFrame::NoFrame);
  PanneauLecture->setAcceptRichText(true);
  PanneauLecture->setTabChangesFocus(false);
  PanneauLecture->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette palette = PanneauLecture->palette();
  palette.setColor(QPalette::Base, QColor(249, 240, 232));
  // The selection stays as visible when the pane loses the focus.
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Active, QPalette::HighlightedText));
  PanneauLecture->setPalette(palette);
  QFont arial(QStringLiteral("Arial"));
  arial.setPointSize(10);
  PanneauLecture->setFont(arial);
  PanneauLecture->setPlainText(PhraseExemple());
  PanneauLecture->viewport()->setCursor(Qt::ArrowCursor);
  PanneauLecture->viewport()->setMouseTracking(true);
  PanneauLecture->viewport()->installEventFilter(this);
  PanneauLecture->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(
      PanneauLecture, &QTextEdit::customContextMenuRequested, this, [this](const QPoint& position) {
        EtatCourant.MotMenu = EtatCourant.MotCourant;
        RetientContexteMenu(
            Contexte ? ContexteAuPoint(TTexteRicheQt(*PanneauLecture), position.x(), position.y())
                     : TContexteDuMot{});
        PrepareMenuMot();
        if (!MenuMot->isEmpty()) MenuMot->popup(PanneauLecture->viewport()->mapToGlobal(position));
      });
  PanneauLecture->installEventFilter(this);
  connect(PanneauLecture, &QTextEdit::selectionChanged, this, [this] {
    if (SelectionAutomatique) return;
    if (BoutonEnfonce || ShiftEnfonce)
      SelectionEnAttente = true;
    else
      ProposeLiensSyntaxiques();
  });

  PanneauNotes = new QPlainTextEdit(this);
  PanneauNotes->setObjectName(QStringLiteral("Memo1"));
  QFont notes(QStringLiteral("Arial"));
  notes.setPixelSize(13);
  PanneauNotes->setFont(notes);
  PanneauNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  PanneauNotes->viewport()->installEventFilter(this);

  Separation = new QSplitter(Qt::Vertical, this);
  Separation->setObjectName(QStringLiteral("Splitter1"));
  Separation->setHandleWidth(11);
  Separation->setChildrenCollapsible(false);
  Separation->addWidget(PanneauLecture);
  Separation->addWidget(PanneauNotes);
  // A taller window gives the text as much as the notes.
  Separation->setStretchFactor(0, 1);
  Separation->setStretchFactor(1, 1);
  Separation->setSizes({161, 200});
  setCentralWidget(Separation);

  MenuMot = new QMenu(this);
  MenuMot->setObjectName(QStringLiteral("PopupMenu1"));

  DialogueChercher = new TDialogueChercher(this);
  connect(DialogueChercher, &TDialogueChercher::Montre, this,
          &TFenetreLecture::ChercheDepuisLeDebut);
  connect(DialogueChercher, &TDialogueChercher::Cherche, this, &TFenetreLecture::ChercheSuivant);
}

void TFenetreLecture::CreeMenus() {
  QMenuBar* barre = menuBar();
  barre->setObjectName(QStringLiteral("MainMenu1"));
  auto ajoute = [this](QMenu* menu, const char* nom, const QString& titre,
                       const QKeySequence& raccourci, void (TFenetreLecture::*action)()) {
    QAction* a = menu->addAction(titre);
    a->setObjectName(QString::fromLatin1(nom));
    a->setShortcut(raccourci);
    connect(a, &QAction::triggered, this, action);
    return a;
  };
  QMenu* fichier = barre->addMenu(QStringLiteral("&Fichier"));
  fichier->setObjectName(QStringLiteral("Fichier1"));
  ajoute(fichier, "Nouveau1", QStringLiteral("&Nouveau"), QKeySequence(Qt::CTRL | Qt::Key_N),
         &TFenetreLecture::NouveauTexte);
  ajoute(fichier, "Ouvrir1", QStringLiteral("&Ouvrir"), QKeySequence(Qt::CTRL | Qt::Key_O),
         &TFenetreLecture::OuvreTexte);
  ajoute(fichier, "EnregistrerBlocNotes1", QStringLiteral("&Enregistrer Bloc-Notes"),
         QKeySequence(Qt::CTRL | Qt::Key_S), &TFenetreLecture::EnregistreBlocNotes);
  fichier->addSeparator()->setObjectName(QStringLiteral("N1"));
  ajoute(fichier, "Quitter2", QStringLiteral("Quitter"), QKeySequence(Qt::ALT | Qt::Key_F4),
         &TFenetreLecture::Quitte);

  QMenu* edition = barre->addMenu(QStringLiteral("&Edition"));
  edition->setObjectName(QStringLiteral("Edition1"));
  ActionLatinModifiable =
      ajoute(edition, "Modifierlelatin1", QStringLiteral("&Modifier le latin"),
             QKeySequence(Qt::CTRL | Qt::Key_L), &TFenetreLecture::BasculeLatinModifiable);
  ActionLatinModifiable->setCheckable(true);
  ajoute(edition, "Chercher2", QStringLiteral("&Chercher"), QKeySequence(Qt::CTRL | Qt::Key_F),
         &TFenetreLecture::MontreChercher);
  ajoute(edition, "plusgros1", QStringLiteral("plus gros"), QKeySequence(Qt::CTRL | Qt::Key_G),
         &TFenetreLecture::Grossit);
  ajoute(edition, "pluspetit1", QStringLiteral("plus petit"), QKeySequence(Qt::CTRL | Qt::Key_P),
         &TFenetreLecture::Rapetisse);
  CreeOutils(edition);

  QAction* auteur = barre->addAction(QStringLiteral("&auteur"));
  auteur->setObjectName(QStringLiteral("auteur1"));
  auteur->setShortcut(QKeySequence(Qt::Key_F1));
  // A menu-bar action's shortcut only works while the window holds it.
  addAction(auteur);
  connect(auteur, &QAction::triggered, this, &TFenetreLecture::MontreAuteur);
}

void TFenetreLecture::CreeBarreEtat() {
  QStatusBar* barre = statusBar();
  barre->setObjectName(QStringLiteral("StatusBar"));
  barre->setSizeGripEnabled(false);
  const QString textes[3] = {QStringLiteral("lexique : 0"), QStringLiteral("morpho : 0"),
                             QStringLiteral("traduction : 0")};
  for (int i = 0; i < 3; ++i) {
    VoletsCompteurs[i] = new QLabel(textes[i], barre);
    VoletsCompteurs[i]->setObjectName(QStringLiteral("Volet%1").arg(i));
    VoletsCompteurs[i]->setMinimumWidth(90);
    VoletsCompteurs[i]->setFrameShape(QFrame::StyledPanel);
    barre->addWidget(VoletsCompteurs[i]);
  }
  VoletTrace = new QLabel(QStringLiteral("trace non écrite"), barre);
  VoletTrace->setObjectName(QStringLiteral("VoletTrace"));
  VoletTrace->setFrameShape(QFrame::StyledPanel);
  barre->addWidget(VoletTrace);
  VoletTrace->hide();
  barre->hide();
}

QString TFenetreLecture::TexteVolet(int i) const {
  if (i == 3) return VoletTrace->isHidden() ? QString() : VoletTrace->text();
  return i >= 0 && i < 3 ? VoletsCompteurs[i]->text() : QString();
}

namespace {

QString CheminDesReglages(const std::string& chemin) {
  if (!chemin.empty()) return QString::fromStdString(chemin);
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/lecturiel/fenetre.ini");
}

}  // namespace

void TFenetreLecture::RestaureDisposition() {
  const QSettings reglages(CheminDesReglages(CheminReglages), QSettings::IniFormat);
  const QSize taille = reglages.value(QStringLiteral("fenetre/taille")).toSize();
  if (const QScreen* ecran = screen(); ecran && taille.isValid()) {
    // A size kept on a larger screen is cut to this one.
    resize(taille.boundedTo(ecran->availableGeometry().size()));
    move(ecran->availableGeometry().center() - rect().center());
  }
  const QList<QVariant> parts = reglages.value(QStringLiteral("fenetre/panneaux")).toList();
  if (parts.size() == 2) {
    // Applied once the window is laid out on screen: sizes given before
    // are shared out again by the stretch factors.
    PanneauxRestaures = {parts[0].toInt(), parts[1].toInt()};
  }
  if (reglages.value(QStringLiteral("fenetre/maximisee")).toBool())
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TFenetreLecture::EnregistreDisposition() {
  // A settings file that cannot be written costs the pupil nothing but the
  // size at the next start: no error box for it.
  QSettings reglages(CheminDesReglages(CheminReglages), QSettings::IniFormat);
  reglages.setValue(QStringLiteral("fenetre/maximisee"), isMaximized());
  if (!isMaximized()) reglages.setValue(QStringLiteral("fenetre/taille"), size());
  const QList<int> tailles = Separation->sizes();
  reglages.setValue(QStringLiteral("fenetre/panneaux"), QVariantList{tailles[0], tailles[1]});
}

void TFenetreLecture::showEvent(QShowEvent* evenement) {
  QMainWindow::showEvent(evenement);
  // The split is applied again once the window has its size on screen.
  if (PanneauxRestaures.size() == 2) Separation->setSizes(PanneauxRestaures);
  PanneauxRestaures.clear();
}

std::string TFenetreLecture::RepertoireProgramme() const {
  return DossierDuProgramme(CheminExecutable);
}

std::string TFenetreLecture::CheminIni() const {
  const std::string dossier = RepertoireProgramme();
  std::string nom = CheminExecutable.substr(dossier.size());
  const auto point = nom.find_last_of('.');
  if (point != std::string::npos && point > 0) nom.erase(point);
  return dossier + nom + ".ini";
}

void TFenetreLecture::SignaleErreur(const std::exception& erreur) {
  const auto* e = dynamic_cast<const Erreur*>(&erreur);
  Services.Erreur(
      this, e ? QString::fromStdString(e->MessageUtf8()) : QString::fromLocal8Bit(erreur.what()));
}

void TFenetreLecture::Protege(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& erreur) {
    SignaleErreur(erreur);
  }
}

std::string TFenetreLecture::Absolu(const std::string& chemin) const {
  if (chemin.empty() || chemin.front() == '/') return chemin;
  return RepertoireProgramme() + chemin;
}

std::string TFenetreLecture::RepertoireDesDialogues() {
  std::string dossier;
  Protege([&] {
    dossier = Absolu(TFichierIni(CheminIni()).LisChemin("Sauvegarde", "repertoire", ""));
  });
  return dossier;
}

void TFenetreLecture::Demarre() {
  EtatCourant.FichierNotes.clear();
  EtatCourant.NomUtilisateur.clear();
  std::string cheminLexique = RepertoireProgramme() + "quirandole.lex";
  EtatCourant.NbLexique = EtatCourant.NbMorpho = EtatCourant.NbTraduction = 0;
  // Each step reports its own failure and the next ones still run: one bad
  // file must not cost the pupil the other helps for the whole lesson.
  std::optional<TFichierIni> ini;
  Protege([&] { ini.emplace(CheminIni()); });
  if (ini && ini->Probleme())
    Services.Erreur(this, QString::fromStdString(Cp1252VersUtf8(*ini->Probleme())));
  if (ini) SignaleReglagesInconnus(*ini);
  const auto chemin = [&](const char* section, const char* cle) {
    return ini ? Absolu(ini->LisChemin(section, cle, "")) : std::string();
  };
  EtatCourant.FichierTexte = chemin("Fichier", "Nom");
  EtatCourant.RepSauvegarde = chemin("Sauvegarde", "repertoire");
  if (const std::string lexique = chemin("Fichier", "lexique"); !lexique.empty())
    cheminLexique = lexique;
  EtatCourant.CheminLexique = cheminLexique;
  if (!EtatCourant.FichierTexte.empty()) {
    Protege([this] { ChargeTexte(EtatCourant.FichierTexte); });
    AutoriseEdition(false);
    QString nom;
    if (!DemandeNom(nom)) {
      Abandon = true;
      return;
    }
    // The trace keeps the name as typed; the file name is made safe.
    EtatCourant.NomUtilisateur = Utf8VersCp1252(nom.toStdString());
    EtatCourant.FichierNotes = CheminNotes(
        EtatCourant.RepSauvegarde, NomDeFichier(nom.toStdString()), EtatCourant.FichierTexte);
    EtatCourant.NotesAvecCompteurs = true;
    Protege([this] { ChargeNotes(); });
    EtatCourant.FichierTrace = chemin("Sauvegarde", "reptrace");
    EtatCourant.AutoLex = ini->LisEntier("Droits", "AutoLex", 0);
    EtatCourant.insereLex = ini->LisEntier("Droits", "insereLex", 1);
    EtatCourant.insereMorpho = ini->LisEntier("Droits", "insereMorpho", 2);
    EtatCourant.insereTr = ini->LisEntier("Droits", "insereTr", 3);
    EtatCourant.evalSyntaxe = ini->LisEntier("Droits", "evalSyntaxe", 3);
    EtatCourant.vocabulaire = ini->LisEntier("Droits", "vocabulaire", 0);
    EtatCourant.flexion = ini->LisEntier("Droits", "flexion", 0);
    statusBar()->show();
  }
  Protege([&] {
    // A checksum that does not match is said once; the lesson goes on.
    if (ChargeLexique(cheminLexique) == EtatEmpreinte::Fausse)
      Services.Erreur(
          this, QString::fromStdString(Cp1252VersUtf8(AvertissementEmpreinte(cheminLexique))));
  });
  ChargeModeleContexte(ini ? Minuscules(ini->LisChaine("Affichage", "ordre", "")) : "",
                       cheminLexique);
  PanneauNotes->document()->setModified(false);
  AfficheCompteurs();
}

bool TFenetreLecture::DemandeNom(QString& nom) {
  // Without a name every pupil would share one notes file, each replacing
  // the notes of the one before, and the trace could not tell them apart.
  for (;;) {
    nom.clear();
    if (!Services.DemandeTexte(this, QStringLiteral("Lecturiel"), QStringLiteral("ton nom :"), nom))
      return false;
    nom = nom.trimmed();
    if (!nom.isEmpty()) return true;
  }
}

void TFenetreLecture::SignaleReglagesInconnus(const TFichierIni& ini) {
  // Names compared as the file is read, without regard to case.
  static const std::map<std::string, std::set<std::string>> connus = {
      {"fichier", {"nom", "lexique"}},
      {"sauvegarde", {"repertoire", "reptrace"}},
      {"affichage", {"ordre"}},
      {"droits",
       {"autolex", "inserelex", "inseremorpho", "inseretr", "evalsyntaxe", "vocabulaire",
        "flexion"}}};
  const auto minuscules = [](const std::string& cp1252) {
    return QString::fromStdString(Cp1252VersUtf8(cp1252)).toLower().toStdString();
  };
  QStringList lignes;
  for (const TFichierIni::TNom& n : ini.Noms()) {
    const auto section = connus.find(minuscules(n.Section));
    const QString ligne = QStringLiteral("ligne %1 : ").arg(n.Ligne);
    const QString nomSection = QString::fromStdString(Cp1252VersUtf8(n.Section));
    const QString cle = QString::fromStdString(Cp1252VersUtf8(n.Cle));
    if (n.Cle.empty() && section == connus.end())
      lignes << ligne + QStringLiteral("section [%1] inconnue").arg(nomSection);
    else if (!n.Cle.empty() && n.Section.empty())
      lignes << ligne + QStringLiteral("clé « %1 » hors de toute section").arg(cle);
    else if (!n.Cle.empty() && section != connus.end() && !section->second.count(minuscules(n.Cle)))
      lignes << ligne + QStringLiteral("clé « %1 » inconnue dans [%2]").arg(cle, nomSection);
  }
  if (lignes.isEmpty()) return;
  Services.Message(this, QStringLiteral("Réglages inconnus de %1, sans effet :\n%2")
                             .arg(QString::fromStdString(CheminIni()), lignes.join(u'\n')));
}

void TFenetreLecture::ChargeModeleContexte(const std::string& ordre,
                                           const std::string& cheminLexique) {
  // [Affichage] ordre=alphabetique keeps the headings in alphabetical order.
  if (ordre == "alphabetique" || ordre == "alphab\xE9tique") return;
  std::string message;
  Contexte = ChargeContexte(cheminLexique, message);
  if (!Contexte) statusBar()->showMessage(QString::fromStdString(Cp1252VersUtf8(message)));
}

void TFenetreLecture::ChargeNotes() {
  if (!FichierExiste(EtatCourant.FichierNotes)) return;
  std::vector<std::string> octets;
  try {
    octets = LisLignes(EtatCourant.FichierNotes);
  } catch (...) {
    // A notes file that cannot be read is never written over: this lesson's
    // notes go where the pupil chooses in the save dialog.
    EtatCourant.FichierNotes.clear();
    EtatCourant.NotesAvecCompteurs = false;
    throw;
  }
  QStringList lignes;
  for (const auto& ligne : octets) lignes << QString::fromStdString(TexteVersUtf8(ligne));
  PanneauNotes->setPlainText(lignes.join(u'\n'));
  if (lignes.isEmpty()) return;
  // A bad counters line is reported and stays in view, so nothing is lost.
  if (const auto compteurs = LisLigneCompteurs(Utf8VersCp1252(lignes.first().toStdString()))) {
    EtatCourant.NbLexique = compteurs->NbLexique;
    EtatCourant.NbMorpho = compteurs->NbMorpho;
    EtatCourant.NbTraduction = compteurs->NbTraduction;
    lignes.removeFirst();
    PanneauNotes->setPlainText(lignes.join(u'\n'));
  }
}

void TFenetreLecture::AfficheCompteurs() {
  VoletsCompteurs[0]->setText(QStringLiteral("lexique : %1").arg(EtatCourant.NbLexique));
  VoletsCompteurs[1]->setText(QStringLiteral("morphologie : %1").arg(EtatCourant.NbMorpho));
  VoletsCompteurs[2]->setText(QStringLiteral("traduction : %1").arg(EtatCourant.NbTraduction));
}

void TFenetreLecture::AutoriseEdition(bool modifiable) {
  EtatCourant.LatinModifiable = modifiable;
  PanneauLecture->setReadOnly(!modifiable);
  // A read-only pane still lets the pupil select with the keyboard.
  if (!modifiable)
    PanneauLecture->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
  PanneauLecture->viewport()->setCursor(Qt::ArrowCursor);
  ActionLatinModifiable->setChecked(modifiable);
}

void TFenetreLecture::ChargeTexte(const std::string& chemin) {
  // The vocabulary of the text going away would go on naming it.
  if (Vocabulaire) Vocabulaire->close();
  EtatCourant.TexteAffiche.clear();
  PanneauLecture->clear();
  RemplitDocument(*PanneauLecture->document(), LisTexteLatin(chemin),
                  20.0 * PanneauLecture->logicalDpiY() / 72.0);
  EtatCourant.TexteAffiche = chemin;
  // The pupil starts reading at the beginning of the text.
  SelectionParLeProgramme(0, 0);
  PanneauLecture->verticalScrollBar()->setValue(0);
  // Indenting the notes' paragraph is no edit of the pupil's.
  const bool modifiees = PanneauNotes->document()->isModified();
  QTextBlockFormat retrait = PanneauNotes->textCursor().blockFormat();
  retrait.setTextIndent(20.0 * PanneauNotes->logicalDpiY() / 72.0);
  PanneauNotes->textCursor().setBlockFormat(retrait);
  PanneauNotes->document()->setModified(modifiees);
}

void TFenetreLecture::closeEvent(QCloseEvent* evenement) {
  // Modified notes are saved without a question; when they could not be,
  // the pupil decides whether to lose them, and Enter keeps them (Non is
  // the default).
  if (PanneauNotes->document()->isModified() && !EnregistreNotes() &&
      !Services.Confirme(
          this, QStringLiteral("Les notes n'ont pas été enregistrées. Quitter quand même ?"),
          IServices::ParDefaut::Non)) {
    evenement->ignore();
    return;
  }
  QToolTip::hideText();
  EnregistreDisposition();
  evenement->accept();
}

void TFenetreLecture::SelectionFaite() {
  if (!SelectionEnAttente || BoutonEnfonce || ShiftEnfonce) return;
  SelectionEnAttente = false;
  QMetaObject::invokeMethod(this, &TFenetreLecture::ProposeLiensSyntaxiques, Qt::QueuedConnection);
}

void TFenetreLecture::Molette(int angle) {
  // One notch is 120; a touchpad sends smaller turns, added up here.
  AngleMolette += angle;
  for (; AngleMolette >= 120; AngleMolette -= 120) ChangeTaille(2);
  for (; AngleMolette <= -120; AngleMolette += 120) ChangeTaille(-2);
}

bool TFenetreLecture::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::Wheel &&
      (objet == PanneauLecture->viewport() || objet == PanneauNotes->viewport())) {
    const auto* molette = static_cast<QWheelEvent*>(evenement);
    if (molette->modifiers() & Qt::ControlModifier) {
      // Qt's own wheel zoom knows neither the limits nor the other pane.
      Molette(molette->angleDelta().y());
      return true;
    }
  }
  if (objet == PanneauLecture) {
    // A selection made with Shift and the arrows is taken as made when
    // Shift is released, as a mouse selection when the button is.
    switch (evenement->type()) {
      case QEvent::KeyPress: {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->key() == Qt::Key_Menu ||
            (touche->key() == Qt::Key_F10 && touche->modifiers() == Qt::ShiftModifier)) {
          MenuAuClavier();
          return true;
        }
        ShiftEnfonce = touche->key() == Qt::Key_Shift || (touche->modifiers() & Qt::ShiftModifier);
        break;
      }
      case QEvent::ContextMenu:
        // The window system's own keyboard request, where it sends one.
        if (static_cast<QContextMenuEvent*>(evenement)->reason() == QContextMenuEvent::Keyboard) {
          MenuAuClavier();
          return true;
        }
        break;
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
  if (objet == PanneauLecture->viewport()) {
    switch (evenement->type()) {
      case QEvent::MouseMove: {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        const QPoint position = souris->position().toPoint();
        AnalyseMotAuPoint(position.x(), position.y());
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
