#!/usr/bin/python3
"""The browser edition in Debian's headless Chromium, driven by Selenium.

    web/tests/navigateur.py SORTIE LEMMATISE... [-- OPTIONS DE UNITTEST]

SORTIE is a folder built by web/construit.sh; LEMMATISE is the command of
the lemmatise tool (its arguments included) whose analysis the bubble must
repeat. Every test serves a fresh copy of the folder from a local server and
opens it in a fresh browser profile. The figures (time to ready, bytes
transferred, time of a hover) are printed.
"""
import functools
import http.server
import json
import os
import shutil
import socketserver
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import zipfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SORTIE = None
LEMMATISE = None
FIXTURES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fichiers")


class Serveur:
    """A local web server over a folder, in a thread; stop() ends it."""

    def __init__(self, dossier):
        gestion = functools.partial(Silencieux, directory=dossier)
        self.serveur = socketserver.TCPServer(("127.0.0.1", 0), gestion)
        self.adresse = "http://127.0.0.1:%d/" % self.serveur.server_address[1]
        threading.Thread(target=self.serveur.serve_forever, daemon=True).start()

    def stop(self):
        self.serveur.shutdown()
        self.serveur.server_close()


class Silencieux(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".js": "text/javascript", ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


class Page(unittest.TestCase):
    ini = None  # lecturiel.ini placed beside index.html
    fichiers = {}  # other files placed there

    def setUp(self):
        self.dossier = tempfile.mkdtemp(prefix="lecturiel-web-")
        site = os.path.join(self.dossier, "site")
        shutil.copytree(SORTIE, site)
        if self.ini is not None:
            with open(os.path.join(site, "lecturiel.ini"), "wb") as f:
                f.write(self.ini.encode("cp1252"))
        for nom, octets in self.fichiers.items():
            with open(os.path.join(site, nom), "wb") as f:
                f.write(octets)
        self.telechargements = os.path.join(self.dossier, "telechargements")
        os.mkdir(self.telechargements)
        self.serveur = Serveur(site)
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for option in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                       "--no-first-run", "--disable-background-networking",
                       "--disable-component-update", "--disable-sync",
                       "--user-data-dir=" + os.path.join(self.dossier, "profil"),
                       "--window-size=1200,900"]:
            options.add_argument(option)
        options.add_experimental_option("prefs", {
            "download.default_directory": self.telechargements,
            "download.prompt_for_download": False})
        self.nav = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.ouvre()

    def tearDown(self):
        self.nav.quit()
        self.serveur.stop()
        shutil.rmtree(self.dossier, ignore_errors=True)

    def ouvre(self):
        self.nav.get(self.serveur.adresse)
        self.attends(lambda: self.nav.execute_script("return document.body.dataset.pret") != "non")
        self.assertEqual(self.nav.execute_script("return document.body.dataset.pret"), "oui",
                         self.id_("message").text)

    def attends(self, condition, delai=10):
        return WebDriverWait(self.nav, delai).until(lambda _: condition())

    def id_(self, nom):
        return self.nav.find_element(By.ID, nom)

    def mot(self, texte):
        for m in self.nav.find_elements(By.CSS_SELECTOR, "#lecture .mot"):
            if m.text == texte:
                return m
        self.fail("mot absent du texte : " + texte)

    def survole(self, texte):
        ActionChains(self.nav).move_to_element(self.mot(texte)).perform()
        bulle = self.id_("bulle")
        self.attends(bulle.is_displayed)
        return bulle.get_attribute("textContent")

    def menu(self, texte):
        ActionChains(self.nav).context_click(self.mot(texte)).perform()
        self.attends(self.id_("menu").is_displayed)
        return [b.text for b in self.nav.find_elements(By.CSS_SELECTOR, "#menu [role=menuitem]")]

    def choisis(self, libelle):
        for b in self.nav.find_elements(By.CSS_SELECTOR, "#menu [role=menuitem]"):
            if b.text == libelle:
                b.click()
                return
        self.fail("article absent du menu : " + libelle)

    def ouvre_fichier(self, chemin):
        self.id_("fichier").send_keys(chemin)

    def colle(self, texte):
        self.id_("coller").click()
        self.id_("texte-colle").send_keys(texte)
        self.bouton_dialogue("Lire ce texte")

    def bouton_dialogue(self, libelle):
        for b in self.nav.find_elements(By.CSS_SELECTOR, "#dialogue-boutons button"):
            if b.text == libelle:
                b.click()
                return
        self.fail("bouton absent : " + libelle)


class Lecture(Page):
    def test_pret_vite_et_leger(self):
        pret = self.nav.execute_script(
            "return performance.getEntriesByName('lecturiel-pret')[0].startTime")
        octets = self.nav.execute_script(
            "return performance.getEntriesByType('navigation')[0].transferSize +"
            " performance.getEntriesByType('resource').reduce((t, r) => t + r.transferSize, 0)")
        print("\n  prête en %.0f ms, %d octets transférés" % (pret, octets), file=sys.stderr)
        self.assertLess(pret, 2000)
        self.assertIn("Ignoranti quem portum petat", self.id_("lecture").text)

    def test_bulle_comme_lemmatise(self):
        attendu = subprocess.run(LEMMATISE + ["petat"], capture_output=True, text=True,
                                 check=True).stdout.rstrip("\n")
        self.assertEqual(self.survole("petat"), attendu)
        # It follows the pointer to the next word, below or above it, never over it.
        texte = self.survole("nullus")
        self.assertTrue(texte.startswith("nullus"), texte)
        mot = self.mot("nullus").rect
        bulle = self.id_("bulle").rect
        self.assertTrue(bulle["y"] >= mot["y"] + mot["height"] or
                        bulle["y"] + bulle["height"] <= mot["y"], (mot, bulle))

    def test_bulle_en_moins_de_5_ms(self):
        durees = self.nav.execute_script("""
            const mots = [...document.querySelectorAll('#lecture .mot')];
            const durees = [];
            for (let n = 0; n < 400; n++) {
              const mot = mots[n % mots.length];
              const r = mot.getBoundingClientRect();
              const debut = performance.now();
              mot.dispatchEvent(new PointerEvent('pointermove', {bubbles: true,
                pointerType: 'mouse', clientX: r.left + 2, clientY: r.top + 2}));
              document.getElementById('bulle').getBoundingClientRect();
              durees.push(performance.now() - debut);
            }
            return durees.sort((a, b) => a - b);""")
        mediane = statistics.median(durees)
        p99 = durees[int(len(durees) * 0.99) - 1]
        print("\n  survol : médiane %.2f ms, 99e centile %.2f ms" % (mediane, p99), file=sys.stderr)
        # Only the median is held to the target: on a loaded machine the
        # slowest hovers measure the scheduler more than the page.
        self.assertLess(mediane, 5)

    def test_clavier_seul(self):
        lecture = self.id_("lecture")
        self.nav.execute_script("arguments[0].focus()", lecture)
        lecture.send_keys(Keys.ARROW_RIGHT)
        self.assertTrue(self.id_("bulle").get_attribute("textContent").startswith("quem"))
        lecture.send_keys(Keys.ENTER)
        self.attends(self.id_("menu").is_displayed)
        self.nav.switch_to.active_element.send_keys(Keys.ENTER)
        self.assertIn("qui", self.id_("notes").get_attribute("value"))

    def test_telephone_360_pixels(self):
        self.nav.set_window_size(360, 740)
        largeur = self.nav.execute_script("return innerWidth")
        self.assertLessEqual(self.nav.execute_script(
            "return document.documentElement.scrollWidth"), largeur)
        # Touching a word shows its bubble; holding it opens its menu.
        self.nav.execute_script("""
            const mot = [...document.querySelectorAll('#lecture .mot')]
              .find((m) => m.textContent === 'uentus');
            const r = mot.getBoundingClientRect();
            mot.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true,
              pointerType: 'touch', clientX: r.left + 2, clientY: r.top + 2}));""")
        self.assertTrue(self.id_("bulle").get_attribute("textContent").startswith("uentus"))
        self.attends(self.id_("menu").is_displayed)
        menu = self.id_("menu").rect
        self.assertLessEqual(menu["x"] + menu["width"], largeur)

    def test_fichiers_textes(self):
        for nom, octets in [
                ("utf16.txt", "\ufeffGallia est omnis diuisa in partes tres.".encode("utf-16-le")),
                ("windows.txt", "Caesar, uir pr\u00e6clarus, uenit.".encode("cp1252")),
                ("texte.rtf", rb"{\rtf1\ansi{\fonttbl{\f0 Times;}}\f0 Arma {\b uirumque} cano.\par}")]:
            chemin = os.path.join(self.dossier, nom)
            with open(chemin, "wb") as f:
                f.write(octets)
            self.ouvre_fichier(chemin)
            attendu = {"utf16.txt": "Gallia est omnis", "windows.txt": "uir pr\u00e6clarus",
                       "texte.rtf": "Arma uirumque cano."}[nom]
            self.attends(lambda: attendu in self.id_("lecture").text)
        self.assertEqual(self.id_("lecture").find_element(By.TAG_NAME, "b").text, "uirumque")
        self.assertTrue(self.survole("cano").startswith("cano"))

    def test_fichier_illisible(self):
        chemin = os.path.join(self.dossier, "image.txt")
        with open(chemin, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00")
        self.ouvre_fichier(chemin)
        self.attends(lambda: self.id_("message").text)
        self.assertEqual(self.id_("message").text,
                         "Le fichier image.txt ne semble pas être un texte")
        self.assertIn("Ignoranti", self.id_("lecture").text)

    def test_notes_survivent(self):
        self.assertIn("Insérer le lexique", self.menu("uentus"))
        self.choisis("Insérer le lexique")
        notes = self.id_("notes").get_attribute("value")
        self.assertIn("vent", notes)
        self.nav.refresh()
        self.ouvre()
        self.assertEqual(self.id_("notes").get_attribute("value"), notes)
        # Saved in the notes format: the counters line, then the notes.
        self.nav.execute_script("localStorage.setItem('lecturiel.nom', 'Marc')")
        self.id_("enregistrer").click()
        self.bouton_dialogue("Notes (.txt)")
        self.bouton_dialogue("Notes (.odt)")
        chemin = os.path.join(self.telechargements, "Marc-notes.txt")
        self.attends(lambda: os.path.exists(chemin) and
                     os.path.exists(os.path.join(self.telechargements, "Marc-notes.odt")))
        with open(chemin, "rb") as f:
            lignes = f.read().decode("cp1252").split("\r\n")
        self.assertEqual(lignes[0], "auxil.,1,0,0")
        self.assertEqual(lignes[1], notes)
        with zipfile.ZipFile(os.path.join(self.telechargements, "Marc-notes.odt")) as odt:
            self.assertIsNone(odt.testzip())
            self.assertEqual(odt.namelist()[0], "mimetype")
            self.assertIn("vent", odt.read("content.xml").decode())

    def test_liens_de_deux_mots(self):
        self.menu("suus")
        self.choisis("Choisir ce mot pour des liens")
        self.assertIn("Liens avec suus", self.menu("uentus"))
        self.choisis("Liens avec suus")
        self.attends(self.id_("dialogue").is_displayed)
        attendu = subprocess.run(LEMMATISE + ["--liens", "suus", "uentus"], capture_output=True,
                                 text=True, check=True).stdout
        liens = self.id_("liens").text
        self.assertTrue(liens)
        for ligne in liens.split("\n"):
            self.assertIn(ligne, attendu)

    def test_vocabulaire(self):
        self.colle("Arma uirumque cano. Arma uirumque cano, xyzzy.")
        self.id_("vocabulaire-bouton").click()
        table = self.id_("vocabulaire")
        lignes = table.find_elements(By.CSS_SELECTOR, "tbody tr")
        entrees = [l.find_element(By.TAG_NAME, "td").text for l in lignes]
        self.assertTrue(any(e.startswith("cano") for e in entrees), entrees)
        self.assertIn("xyzzy", self.id_("inconnus").text)
        self.id_("filtre").send_keys("cano")
        filtrees = [l.text for l in table.find_elements(By.CSS_SELECTOR, "tbody tr")]
        self.assertTrue(filtrees and len(filtrees) < len(lignes), filtrees)
        self.assertTrue(all("cano" in l for l in filtrees), filtrees)
        self.id_("filtre").send_keys(Keys.BACKSPACE * 4)
        self.assertEqual(len(table.find_elements(By.CSS_SELECTOR, "tbody tr")), len(lignes))
        # Sorted by occurrences when that heading is pressed, most first when pressed again.
        table.find_elements(By.CSS_SELECTOR, "th button")[1].click()
        table.find_elements(By.CSS_SELECTOR, "th button")[1].click()
        occurrences = [int(l.find_elements(By.TAG_NAME, "td")[1].text)
                       for l in table.find_elements(By.CSS_SELECTOR, "tbody tr")]
        self.assertEqual(occurrences, sorted(occurrences, reverse=True))
        # "que" and "cano" rank among the most frequent headwords of classical Latin.
        self.id_("masquer").send_keys(Keys.BACKSPACE, "20000")
        self.assertLess(len(table.find_elements(By.CSS_SELECTOR, "tbody tr")), len(lignes))
        self.bouton_dialogue("Enregistrer (.csv)")
        chemin = os.path.join(self.telechargements, "vocabulaire-texte.csv")
        self.attends(lambda: os.path.exists(chemin))
        with open(chemin, encoding="utf-8-sig") as f:
            self.assertEqual(f.readline().strip(), "Vedette et sens;Occurrences;Formes;Rang")
        self.bouton_dialogue("Enregistrer (.odt)")
        chemin = os.path.join(self.telechargements, "vocabulaire-texte.odt")
        self.attends(lambda: os.path.exists(chemin))
        with zipfile.ZipFile(chemin) as odt:
            self.assertIsNone(odt.testzip())
            self.assertIn("<table:table ", odt.read("content.xml").decode())

    def test_flexion_de_amo(self):
        self.colle("amo")
        self.assertIn("Tableaux de flexion", self.menu("amo"))
        self.choisis("Tableaux de flexion")
        tableaux = self.id_("flexion").text
        for forme in ["amas", "amat", "amamus", "amabam"]:
            self.assertIn(forme, tableaux)

    def test_sans_serveur_apres_chargement(self):
        self.serveur.stop()
        self.assertTrue(self.survole("portum").startswith("portum"))
        self.colle("Roma aeterna")
        self.assertTrue(self.survole("aeterna").startswith("aeterna"))


class Professeur(Page):
    ini = ("[Fichier]\r\nNom=lecon.txt\r\n[Sauvegarde]\r\nreptrace=trace.txt\r\n"
           "[Droits]\r\nAutoLex=1\r\nflexion=0\r\nvocabulaire=0\r\ninsereTr=0\r\n")
    fichiers = {"lecon.txt": "Gallia est omnis diuisa in partes tres.".encode("cp1252")}

    def test_aides_interdites_absentes(self):
        # The configured text is loaded and the name asked once.
        self.attends(self.id_("dialogue").is_displayed)
        self.id_("nom").send_keys("Julie", Keys.ENTER)
        self.assertIn("Gallia est omnis", self.id_("lecture").text)
        self.assertEqual(self.nav.find_elements(By.ID, "vocabulaire-bouton"), [])
        articles = self.menu("partes")
        self.assertIn("Insérer le lexique", articles)
        self.assertNotIn("Tableaux de flexion", articles)
        self.assertNotIn("Insérer la traduction", articles)
        self.choisis("Insérer le lexique")
        self.nav.refresh()
        self.ouvre()
        self.assertFalse(self.id_("dialogue").is_displayed())  # asked only once
        # The trace is offered with the notes.
        self.id_("enregistrer").click()
        self.bouton_dialogue("Trace (.txt)")
        chemin = os.path.join(self.telechargements, "Julie-lecon-trace.txt")
        self.attends(lambda: os.path.exists(chemin))
        with open(chemin, "rb") as f:
            self.assertEqual(f.read(), b"Julie lexique - partes\r\n")


if __name__ == "__main__":
    # What follows "--" goes to unittest (-k MOTIF...).
    arguments = sys.argv[1:]
    options = []
    if "--" in arguments:
        options = arguments[arguments.index("--") + 1:]
        arguments = arguments[:arguments.index("--")]
    SORTIE = os.path.abspath(arguments[0])
    LEMMATISE = arguments[1:]
    unittest.main(argv=sys.argv[:1] + options, verbosity=2)
