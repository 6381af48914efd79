// The page of the browser edition: the reading pane, the bubble, the word's
// menu, the notes, the vocabulary and the inflection tables. Every Latin
// answer comes from the WebAssembly core (lecturiel.js): this module only
// lays it out. Once loaded, nothing here needs the network.
import Lecturiel from "./lecturiel.js";
import { odt } from "./odt.js";

const $ = (id) => document.getElementById(id);
const EXEMPLE =
  "Ignoranti quem portum petat nullus suus uentus est. \n(Sénèque, Lettres à Lucilius, 71, 3)";
const AIDES = ["AutoLex", "insereLex", "insereMorpho", "insereTr", "evalSyntaxe", "vocabulaire", "flexion"];

let M = null; // the core module
let edition = null; // its TEdition: the text and every analysis
let droits = {};
let config = {};
let nomTexte = ""; // file name of the text of the lesson ("" in free mode)
let courant = null; // the word span the bubble belongs to
let marque = null; // a word chosen for the links
const cle = (nom) => `lecturiel.${nom}:${config["Fichier.Nom"] || ""}`;

// --- messages and dialogs

function message(texte, erreur = false) {
  const m = $("message");
  m.textContent = texte;
  m.classList.toggle("erreur", erreur);
}

// A modal dialog; `boutons` are [label, action] pairs (an action returning
// false keeps it open). Resolves when it closes.
function dialogue(titre, contenu, boutons = [["Fermer", null]]) {
  const d = $("dialogue");
  $("dialogue-titre").textContent = titre;
  $("dialogue-contenu").replaceChildren(...(Array.isArray(contenu) ? contenu : [contenu]));
  const zone = $("dialogue-boutons");
  zone.replaceChildren();
  for (const [libelle, action] of boutons) {
    const b = document.createElement("button");
    b.type = "button";
    b.textContent = libelle;
    b.addEventListener("click", () => {
      if (action && action() === false) return;
      d.close();
    });
    zone.append(b);
  }
  cacheBulle();
  d.showModal();
  return new Promise((fin) => d.addEventListener("close", fin, { once: true }));
}

function element(nom, proprietes = {}, ...enfants) {
  const e = document.createElement(nom);
  Object.assign(e, proprietes);
  e.append(...enfants);
  return e;
}

function telecharge(nom, donnees, type) {
  const blob = donnees instanceof Blob ? donnees : new Blob([donnees], { type });
  const a = element("a", { href: URL.createObjectURL(blob), download: nom });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

// --- the reading pane

function montreDocument(paragraphes) {
  const lecture = $("lecture");
  lecture.replaceChildren();
  let index = 0;
  const textes = [];
  paragraphes.forEach((segments, n) => {
    if (n > 0) index += 1; // the "\n" between paragraphs
    const p = element("p");
    let texteParagraphe = "";
    for (const s of segments) {
      let parent = p;
      for (const [drapeau, balise] of [["gras", "b"], ["italique", "i"], ["souligne", "u"]])
        if (s[drapeau]) parent = parent.appendChild(element(balise));
      const t = s.texte;
      let dernier = 0;
      for (const m of t.matchAll(/[\p{L}\p{M}\p{N}]+/gu)) {
        if (m.index > dernier) parent.append(t.slice(dernier, m.index));
        const mot = element("span", { className: "mot", textContent: m[0] });
        mot.dataset.i = index + m.index;
        parent.append(mot);
        dernier = m.index + m[0].length;
      }
      if (dernier < t.length) parent.append(t.slice(dernier));
      index += t.length;
      texteParagraphe += t;
    }
    textes.push(texteParagraphe);
    lecture.append(p);
  });
  edition.texte(textes.join("\n"));
  courant = null;
  marque = null;
  lecture.scrollTop = 0;
}

const texteSimple = (texte) =>
  texte.replace(/\r\n?/g, "\n").split("\n").map((l) => [{ texte: l }]);

async function ouvreFichier(nom, lecture) {
  let octets;
  try {
    octets = new Uint8Array(await lecture());
  } catch {
    message(`Impossible de lire le fichier ${nom} : le navigateur n'a pas pu le lire`, true);
    return false;
  }
  const r = M.lisFichier(nom, octets);
  if (r.erreur) {
    message(r.erreur, true);
    return false;
  }
  montreDocument(r.paragraphes);
  message(`Texte ouvert : ${nom}`);
  return true;
}

// --- the bubble

function cacheBulle() {
  $("bulle").hidden = true;
  courant?.classList.remove("courant");
}

// Below the word, or above it when there is no room below: never over it.
function placeBulle(mot, x) {
  const bulle = $("bulle");
  const r = mot.getBoundingClientRect();
  bulle.style.maxHeight = "";
  const b = bulle.getBoundingClientRect();
  const gauche = Math.max(4, Math.min(x, innerWidth - b.width - 4));
  const dessous = innerHeight - r.bottom - 10;
  const dessus = r.top - 10;
  let haut;
  if (b.height <= dessous || dessous >= dessus) {
    haut = r.bottom + 6;
    if (b.height > dessous) bulle.style.maxHeight = `${dessous}px`;
  } else {
    haut = Math.max(4, r.top - 6 - b.height);
    if (b.height > dessus) bulle.style.maxHeight = `${dessus}px`;
  }
  bulle.style.left = `${gauche}px`;
  bulle.style.top = `${haut}px`;
}

function montreBulle(mot, x) {
  if (mot !== courant) {
    courant?.classList.remove("courant");
    courant = mot;
  }
  mot.classList.add("courant");
  if (!droits.AutoLex) return;
  const r = edition.bulle(Number(mot.dataset.i));
  const bulle = $("bulle");
  bulle.textContent = r.erreur ? "?" : r;
  bulle.hidden = !bulle.textContent;
  if (!bulle.hidden) placeBulle(mot, x ?? mot.getBoundingClientRect().left);
}

// --- notes, counters and trace

const compteurs = () =>
  JSON.parse(localStorage.getItem(cle("compteurs")) || '{"lexique":0,"morpho":0,"traduction":0}');

function montreCompteurs() {
  const c = compteurs();
  $("compteurs").textContent = nomTexte
    ? `lexique : ${c.lexique} · morphologie : ${c.morpho} · traduction : ${c.traduction}`
    : "";
}

function trace(aide) {
  if (config["Sauvegarde.reptrace"] === undefined) return;
  const lignes = JSON.parse(localStorage.getItem(cle("trace")) || "[]");
  lignes.push(`${localStorage.getItem("lecturiel.nom") || ""} ${aide}`);
  localStorage.setItem(cle("trace"), JSON.stringify(lignes));
}

function insere(texte, compteur, aide) {
  const notes = $("notes");
  notes.setRangeText(` ${texte.replace(/\r\n/g, "\n")}`, notes.selectionStart, notes.selectionEnd, "end");
  localStorage.setItem(cle("notes"), notes.value);
  const c = compteurs();
  c[compteur] = Math.min(c[compteur] + 1, 2147483647);
  localStorage.setItem(cle("compteurs"), JSON.stringify(c));
  montreCompteurs();
  trace(aide);
}

async function demandeNom() {
  const champ = element("input", { type: "text", id: "nom", autocomplete: "name" });
  const libelle = element("label", { htmlFor: "nom", textContent: "ton nom :" });
  let nom = "";
  const fin = dialogue("Lecturiel", [libelle, champ], [["OK", () => (nom = champ.value.trim()) || false], ["Annuler", null]]);
  champ.addEventListener("keydown", (e) => {
    if (e.key === "Enter") {
      e.preventDefault();
      nom = champ.value.trim();
      if (nom) $("dialogue").close();
    }
  });
  champ.focus();
  await fin;
  if (nom) localStorage.setItem("lecturiel.nom", nom);
  return nom;
}

const sansExtension = (nom) => nom.replace(/^.*\//, "").replace(/\.[^.]*$/, "");
// As the desktop names a notes file: what a file name cannot hold becomes
// "-", and leading dots go.
const nomSur = (nom) =>
  nom.replace(/\.\./g, "-").replace(/[\\/:*?"<>|\u0000-\u001f]/g, "-").replace(/^\.+/, "");

async function enregistreNotes() {
  const nom = localStorage.getItem("lecturiel.nom") || (await demandeNom());
  const base = nomSur(`${nom || "notes"}-${sansExtension(nomTexte) || "notes"}`);
  const notes = $("notes").value;
  const traceLignes = JSON.parse(localStorage.getItem(cle("trace")) || "[]");
  const boutons = [
    ["Notes (.txt)", () => {
      const c = compteurs();
      const r = M.fichierNotes(notes, c.lexique, c.morpho, c.traduction);
      if (r.erreur) return message(r.erreur, true);
      if (r.avertissement) message(r.avertissement, true);
      telecharge(`${base}.txt`, r.octets, "text/plain");
      return false;
    }],
    ["Notes (.odt)", () => {
      telecharge(`${base}.odt`, odt(notes.split("\n")), "application/vnd.oasis.opendocument.text");
      return false;
    }],
  ];
  if (traceLignes.length)
    boutons.push(["Trace (.txt)", () => {
      telecharge(`${base}-trace.txt`, M.fichierTrace(traceLignes.join("\n")), "text/plain");
      return false;
    }]);
  boutons.push(["Fermer", null]);
  const texte = traceLignes.length
    ? "Le navigateur ne peut pas écrire la trace dans le dossier du professeur : enregistre-la avec tes notes et remets les deux fichiers."
    : "Les notes restent aussi dans ce navigateur.";
  await dialogue("Enregistrer les notes", element("p", { textContent: texte }), boutons);
}

// --- the word's menu

function motsSelectionnes() {
  const s = getSelection();
  if (!s || s.isCollapsed || !$("lecture").contains(s.anchorNode)) return null;
  const mots = [...$("lecture").querySelectorAll(".mot")].filter((m) => s.containsNode(m, true));
  return mots.length >= 2 ? [mots[0], mots[mots.length - 1]] : null;
}

function montreLiens(mot1, mot2) {
  const r = edition.liens(Number(mot1.dataset.i), Number(mot2.dataset.i));
  if (r.erreur) return message(r.erreur, true);
  trace(`syntaxe - ${r.mot1}-${r.mot2}`);
  dialogue(`Liens possibles entre ${r.mot1} et ${r.mot2}`,
    element("pre", { id: "liens", textContent: r.texte || "Aucun lien possible." }));
}

function montreFlexion(mot) {
  const html = edition.flexion(mot);
  const contenu = element("div", { id: "flexion" });
  if (html.erreur) return message(html.erreur, true);
  if (html) contenu.innerHTML = html; // built and escaped by the core
  else contenu.textContent = `${mot} n'a pu être analysé`;
  trace(`flexion - ${mot}`);
  dialogue(`Flexion - ${mot}`, contenu);
}

function fermeMenu() {
  const menu = $("menu");
  if (menu.hidden) return;
  menu.hidden = true;
  $("lecture").focus({ preventScroll: true });
}

function ouvreMenu(mot, x, y) {
  const menu = $("menu");
  menu.replaceChildren();
  const aides = edition.aides(Number(mot.dataset.i));
  if (aides?.erreur) return message(aides.erreur, true);
  const texteMot = mot.textContent;
  const items = [];
  const item = (libelle, action) => items.push([libelle, action]);
  if (aides) {
    if (droits.insereLex) item("Insérer le lexique", () => insere(aides.lexique, "lexique", `lexique - ${aides.mot}`));
    if (droits.insereMorpho && aides.morpho) item("Insérer lexique et morphologie", () => insere(aides.morpho, "morpho", `morpho - ${aides.mot}`));
    if (droits.insereTr && aides.traduction) item("Insérer la traduction", () => insere(aides.traduction.trim(), "traduction", `traduction - ${aides.mot}`));
    if (droits.flexion) item("Tableaux de flexion", () => montreFlexion(aides.mot));
  }
  if (droits.evalSyntaxe) {
    const choisis = motsSelectionnes();
    if (choisis) item(`Liens entre ${choisis[0].textContent} et ${choisis[1].textContent}`, () => montreLiens(...choisis));
    else if (marque && marque !== mot) item(`Liens avec ${marque.textContent}`, () => montreLiens(marque, mot));
    item("Choisir ce mot pour des liens", () => {
      marque?.classList.remove("marque");
      marque = mot;
      mot.classList.add("marque");
      message(`${texteMot} est choisi : ouvre le menu d'un autre mot pour voir leurs liens.`);
    });
  }
  menu.append(element("div", { className: "titre", textContent: aides ? texteMot : `${texteMot} : ?` }));
  for (const [libelle, action] of items) {
    const b = element("button", { type: "button", textContent: libelle });
    b.setAttribute("role", "menuitem");
    b.addEventListener("click", () => {
      fermeMenu();
      action();
    });
    menu.append(b);
  }
  cacheBulle();
  menu.hidden = false;
  const r = menu.getBoundingClientRect();
  menu.style.left = `${Math.max(4, Math.min(x, innerWidth - r.width - 4))}px`;
  menu.style.top = `${Math.max(4, Math.min(y, innerHeight - r.height - 4))}px`;
  (menu.querySelector("[role=menuitem]") || menu).focus();
}

$("menu").addEventListener("keydown", (e) => {
  const items = [...$("menu").querySelectorAll("[role=menuitem]")];
  const i = items.indexOf(document.activeElement);
  if (e.key === "Escape") fermeMenu();
  else if (e.key === "ArrowDown") items[(i + 1) % items.length]?.focus();
  else if (e.key === "ArrowUp") items[(i - 1 + items.length) % items.length]?.focus();
  else return;
  e.preventDefault();
});
document.addEventListener("pointerdown", (e) => {
  if (!$("menu").contains(e.target)) fermeMenu();
});

// --- the vocabulary

function montreVocabulaire() {
  const v = edition.vocabulaire();
  if (v.erreur) return message(v.erreur, true);
  trace("vocabulaire");
  const colonnes = [
    ["Vedette et sens", (x) => x.entree],
    ["Occurrences", (x) => x.occurrences],
    ["Formes", (x) => x.formes.join(", ") + (x.ambigu ? " (ambigu)" : "")],
    ["Rang", (x) => x.rang || ""],
  ];
  let tri = 0;
  let sens = 1;
  const filtre = element("input", { type: "search", id: "filtre", placeholder: "Filtrer" });
  filtre.setAttribute("aria-label", "Filtrer");
  const masquer = element("input", { type: "number", id: "masquer", min: 0, step: 100, value: 0 });
  const reglages = element("div", { className: "vocabulaire-reglages" }, filtre,
    element("label", { htmlFor: "masquer", textContent: "Masquer les" }), masquer,
    element("span", { textContent: "mots les plus fréquents" }));
  const table = element("table", { id: "vocabulaire" });
  const visibles = () => {
    const f = filtre.value.trim().toLocaleLowerCase("fr");
    const n = Number(masquer.value) || 0;
    const lignes = v.vedettes.filter((x) =>
      !(n > 0 && x.rang >= 1 && x.rang <= n) &&
      (!f || x.entree.toLocaleLowerCase("fr").includes(f) || x.formes.join(", ").toLocaleLowerCase("fr").includes(f)));
    const valeur = colonnes[tri][1];
    return lignes.sort((a, b) => {
      const [p, q] = [valeur(a), valeur(b)];
      const c = typeof p === "number" && typeof q === "number"
        ? p - q : String(p).localeCompare(String(q), "fr", { sensitivity: "base" });
      return sens * c;
    });
  };
  const remplis = () => {
    const entete = element("tr", {}, ...colonnes.map(([titre], i) => {
      const b = element("button", { type: "button", textContent: titre + (i === tri ? (sens > 0 ? " ▲" : " ▼") : "") });
      b.addEventListener("click", () => {
        sens = i === tri ? -sens : 1;
        tri = i;
        remplis();
      });
      const th = element("th", {}, b);
      th.setAttribute("aria-sort", i === tri ? (sens > 0 ? "ascending" : "descending") : "none");
      return th;
    }));
    table.replaceChildren(element("thead", {}, entete),
      element("tbody", {}, ...visibles().map((x) => element("tr", {}, ...colonnes.map(([, f]) => element("td", { textContent: f(x) }))))));
  };
  filtre.addEventListener("input", remplis);
  masquer.addEventListener("input", remplis);
  remplis();
  const inconnus = element("table", { id: "inconnus" },
    element("tr", {}, element("th", { textContent: "Forme" }), element("th", { textContent: "Occurrences" })),
    ...v.inconnus.map((x) => element("tr", {}, element("td", { textContent: x.forme }), element("td", { textContent: x.occurrences }))));
  const donnees = () => visibles().map((x) => colonnes.map(([, f]) => String(f(x))));
  const csv = () => {
    const champ = (t) => (/[";\n]/.test(t) ? `"${t.replace(/"/g, '""')}"` : t);
    return "\ufeff" + [colonnes.map(([t]) => t), ...donnees()].map((l) => l.map(champ).join(";")).join("\r\n") + "\r\n";
  };
  const base = `vocabulaire-${sansExtension(nomTexte) || "texte"}`;
  dialogue(`Vocabulaire du texte (${v.vedettes.length})`, [
    reglages, table,
    element("h3", { textContent: `Mots inconnus (${v.inconnus.length})` }), inconnus,
  ], [
    ["Enregistrer (.csv)", () => (telecharge(`${base}.csv`, csv(), "text/csv"), false)],
    ["Enregistrer (.odt)", () => (telecharge(`${base}.odt`, odt(["Vocabulaire du texte",
      { entetes: colonnes.map(([t]) => t), lignes: donnees() }]), "application/vnd.oasis.opendocument.text"), false)],
    ["Imprimer", () => (print(), false)],
    ["Fermer", null],
  ]);
}

// --- events of the reading pane

function installeLecture() {
  const lecture = $("lecture");
  let appui = null;
  lecture.addEventListener("pointermove", (e) => {
    if (e.pointerType === "touch") return;
    const mot = e.target.closest?.(".mot");
    if (mot) montreBulle(mot, e.clientX);
    else cacheBulle();
  });
  lecture.addEventListener("pointerleave", (e) => {
    if (e.pointerType !== "touch") cacheBulle();
  });
  lecture.addEventListener("pointerdown", (e) => {
    if (e.pointerType !== "touch") return;
    const mot = e.target.closest?.(".mot");
    if (!mot) return cacheBulle();
    montreBulle(mot, e.clientX);
    // A long press opens the word's menu.
    clearTimeout(appui);
    appui = setTimeout(() => ouvreMenu(mot, e.clientX, e.clientY), 550);
  });
  for (const fin of ["pointerup", "pointercancel"])
    lecture.addEventListener(fin, () => clearTimeout(appui));
  lecture.addEventListener("contextmenu", (e) => {
    const mot = e.target.closest?.(".mot") || courant;
    if (!mot) return;
    e.preventDefault();
    clearTimeout(appui);
    ouvreMenu(mot, e.clientX, e.clientY);
  });
  lecture.addEventListener("focus", () => {
    if (!courant) {
      const premier = lecture.querySelector(".mot");
      if (premier) montreBulle(premier);
    }
  });
  lecture.addEventListener("blur", () => {
    if ($("menu").hidden) $("bulle").hidden = true;
  });
  lecture.addEventListener("keydown", (e) => {
    const mots = [...lecture.querySelectorAll(".mot")];
    const i = mots.indexOf(courant);
    const va = (j) => {
      const mot = mots[Math.max(0, Math.min(mots.length - 1, j))];
      if (!mot) return;
      mot.scrollIntoView({ block: "nearest" });
      montreBulle(mot);
    };
    if (e.key === "ArrowRight" || e.key === "ArrowDown") va(i + 1);
    else if (e.key === "ArrowLeft" || e.key === "ArrowUp") va(i - 1);
    else if (e.key === "Home") va(0);
    else if (e.key === "End") va(mots.length - 1);
    else if (e.key === "Escape") cacheBulle();
    else if ((e.key === "Enter" || e.key === "ContextMenu" || (e.key === "F10" && e.shiftKey)) && courant) {
      const r = courant.getBoundingClientRect();
      ouvreMenu(courant, r.left, r.bottom + 4);
    } else return;
    e.preventDefault();
  });
  lecture.addEventListener("paste", (e) => {
    const texte = e.clipboardData?.getData("text/plain");
    if (!texte) return;
    e.preventDefault();
    montreDocument(texteSimple(texte));
  });
}

function colle() {
  const zone = element("textarea", { id: "texte-colle", rows: 10, cols: 60 });
  zone.setAttribute("aria-label", "Texte latin");
  dialogue("Coller un texte latin", zone, [
    ["Lire ce texte", () => zone.value.trim() && montreDocument(texteSimple(zone.value))],
    ["Annuler", null],
  ]);
  zone.focus();
}

function changeTaille(pas) {
  const actuelle = Number(localStorage.getItem("lecturiel.taille")) || 20;
  const taille = Math.max(12, Math.min(48, actuelle + pas));
  localStorage.setItem("lecturiel.taille", taille);
  document.documentElement.style.setProperty("--taille", `${taille}px`);
}

// --- start

async function charge(url, optionnel = false) {
  try {
    const r = await fetch(url, { cache: "no-cache" });
    if (r.ok) return new Uint8Array(await r.arrayBuffer());
  } catch {}
  if (!optionnel) throw new Error(`Impossible de lire le fichier ${url}`);
  return null;
}

// The helps a teacher allows: in free mode every help; with a text named
// the desktop's defaults; a key of [Droits] present wins in both modes.
function litDroits() {
  const configure = Boolean(config["Fichier.Nom"]);
  const defauts = configure
    ? { AutoLex: 0, insereLex: 1, insereMorpho: 2, insereTr: 3, evalSyntaxe: 3, vocabulaire: 0, flexion: 0 }
    : Object.fromEntries(AIDES.map((a) => [a, 1]));
  for (const a of AIDES) droits[a] = (config[`Droits.${a}`] ?? defauts[a]) >= 1;
  // A help forbidden is absent from the page, not merely hidden.
  if (!droits.vocabulaire) document.getElementById("vocabulaire-bouton")?.remove();
}

async function demarre() {
  const [module, ini] = await Promise.all([Lecturiel(), charge("lecturiel.ini", true)]);
  M = module;
  if (ini) {
    const c = M.configuration(ini);
    if (c.erreur) message(c.erreur, true);
    else config = c;
  }
  nomTexte = config["Fichier.Nom"] || "";
  const [lex, rangs] = await Promise.all([
    charge(config["Fichier.lexique"] || "quirandole.lex"),
    charge("rangs.txt", true),
  ]);
  const r = M.chargeLexique(lex);
  if (r.erreur) throw new Error(r.erreur);
  edition = new M.Edition();
  if (rangs) edition.rangs(new TextDecoder().decode(rangs));
  litDroits();
  if (droits.vocabulaire) {
    const b = element("button", { type: "button", id: "vocabulaire-bouton", textContent: "Vocabulaire du texte" });
    b.addEventListener("click", montreVocabulaire);
    $("enregistrer").before(b);
  }
  montreDocument(texteSimple(EXEMPLE));
  if (nomTexte) {
    await ouvreFichier(nomTexte, async () => {
      const octets = await charge(nomTexte, true);
      if (!octets) throw new Error();
      return octets;
    });
  }
  $("notes").value = localStorage.getItem(cle("notes")) || "";
  montreCompteurs();
  installeLecture();
  $("notes").addEventListener("input", () => localStorage.setItem(cle("notes"), $("notes").value));
  $("fichier").addEventListener("change", async (e) => {
    const f = e.target.files[0];
    if (f) await ouvreFichier(f.name, () => f.arrayBuffer());
    e.target.value = "";
  });
  $("ouvrir").addEventListener("keydown", (e) => {
    if (e.key === "Enter" || e.key === " ") {
      e.preventDefault();
      $("fichier").click();
    }
  });
  $("coller").addEventListener("click", colle);
  $("plus").addEventListener("click", () => changeTaille(2));
  $("moins").addEventListener("click", () => changeTaille(-2));
  $("enregistrer").addEventListener("click", enregistreNotes);
  changeTaille(0);
  performance.mark("lecturiel-pret");
  document.body.dataset.pret = "oui";
  if (nomTexte && !localStorage.getItem("lecturiel.nom")) await demandeNom();
}

demarre().catch((e) => {
  message(`Lecturiel n'a pas pu démarrer : ${e.message}`, true);
  document.body.dataset.pret = "erreur";
});
