// The JavaScript face of TEdition and of the core's file formats (embind).
// Every call returns a plain JavaScript value; a failure is returned as
// {erreur: "message"} (French, UTF-8) rather than thrown, since a C++
// exception reaches JavaScript only as a bare pointer.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <functional>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/lignes.h"
#include "lexical/stores.h"
#include "princ/fichiers/fichier_ini.h"
#include "princ/fichiers/notes.h"
#include "web/edition.h"

using emscripten::val;

namespace {

val Protege(const std::function<val()>& action) {
  try {
    return action();
  } catch (const Erreur& e) {
    val r = val::object();
    r.set("erreur", e.MessageUtf8());
    return r;
  } catch (const std::exception& e) {
    val r = val::object();
    r.set("erreur", std::string(e.what()));
    return r;
  }
}

val Liste(const std::vector<std::string>& elements) {
  val tableau = val::array();
  for (const auto& e : elements) tableau.call<void>("push", Cp1252VersUtf8(e));
  return tableau;
}

val Octets(const std::string& octets) {
  // A copy the page owns: the view on the module's memory would not outlive it.
  return val::global("Uint8Array")
      .new_(emscripten::typed_memory_view(octets.size(),
                                          reinterpret_cast<const unsigned char*>(octets.data())))
      .call<val>("slice");
}

val ChargeLexiqueJs(const std::string& octets) {
  return Protege([&] {
    ChargeLexiqueDepuisOctets(octets);
    return val(true);
  });
}

val LisFichierJs(const std::string& nom, const std::string& octets) {
  return Protege([&] {
    const TDocumentRiche document = LisFichierTexte(nom, octets);
    val paragraphes = val::array();
    for (const TParagraphe& p : document.Paragraphes) {
      val segments = val::array();
      for (const TSegment& s : p.Segments) {
        val segment = val::object();
        segment.set("texte", s.Texte);
        segment.set("gras", s.Gras);
        segment.set("italique", s.Italique);
        segment.set("souligne", s.Souligne);
        segments.call<void>("push", segment);
      }
      paragraphes.call<void>("push", segments);
    }
    val r = val::object();
    r.set("paragraphes", paragraphes);
    return r;
  });
}

// The teacher's lecturiel.ini: every value the page uses, UTF-8; a key
// absent from the file is absent from the object.
val ConfigurationJs(const std::string& octets) {
  return Protege([&] {
    const TFichierIni ini = TFichierIni::DepuisOctets(octets);
    val r = val::object();
    const char* cles[][2] = {
        {"Fichier", "Nom"},     {"Fichier", "lexique"},    {"Sauvegarde", "reptrace"},
        {"Droits", "AutoLex"},  {"Droits", "insereLex"},   {"Droits", "insereMorpho"},
        {"Droits", "insereTr"}, {"Droits", "evalSyntaxe"}, {"Droits", "vocabulaire"},
        {"Droits", "flexion"},  {"Affichage", "ordre"}};
    const std::string absent = "\x01";
    for (const auto& [section, cle] : cles) {
      const std::string valeur = ini.LisChaine(section, cle, absent);
      if (valeur == absent) continue;
      const std::string nom = std::string(section) + "." + cle;
      if (std::string_view(section) != "Droits")
        r.set(nom, Cp1252VersUtf8(valeur));
      else if (const auto n = TFichierIni::Entier(valeur))  // a bad number counts as absent
        r.set(nom, *n);
    }
    return r;
  });
}

// The notes file: the counters line, then the notes' lines, Windows-1252
// with CR LF, as the desktop writes it and reads it back.
val FichierNotesJs(const std::string& notes, int lexique, int morpho, int traduction) {
  return Protege([&] {
    std::vector<std::string> lignes{LigneCompteurs({lexique, morpho, traduction})};
    for (auto& ligne : DecoupeLignes(NotesEn1252(notes))) lignes.push_back(ligne);
    val r = val::object();
    r.set("octets", Octets(ContenuLignes(lignes)));
    r.set("avertissement", AvertissementCaracteresPerdus(notes));
    return r;
  });
}

// Trace lines in the trace file's format.
val FichierTraceJs(const std::string& lignesUtf8) {
  return Protege([&] {
    std::vector<std::string> lignes;
    for (auto& ligne : DecoupeLignes(Utf8VersCp1252(lignesUtf8))) lignes.push_back(ligne);
    return Octets(ContenuLignes(lignes));
  });
}

val BulleJs(const TEdition& e, int i) {
  return Protege([&] { return val(e.Bulle(i)); });
}

val AidesJs(const TEdition& e, int i) {
  return Protege([&] {
    const auto aides = e.Aides(i);
    if (!aides) return val::null();
    val r = val::object();
    r.set("mot", e.Mot(i));
    r.set("lexique", aides->Lexique);
    r.set("morpho", aides->Morpho);
    r.set("traduction", aides->Traduction);
    return r;
  });
}

val FlexionJs(const TEdition& e, const std::string& mot) {
  return Protege([&] { return val(e.Flexion(mot)); });
}

val LiensJs(const TEdition& e, int i, int j) {
  return Protege([&] {
    const TLiens liens = e.Liens(i, j);
    val r = val::object();
    r.set("mot1", liens.Mot1);
    r.set("mot2", liens.Mot2);
    r.set("texte", liens.Texte);
    return r;
  });
}

val VocabulaireJs(const TEdition& e) {
  return Protege([&] {
    const TVocabulaire v = e.Vocabulaire();
    val vedettes = val::array();
    for (const TVedetteVocabulaire& x : v.Vedettes) {
      val o = val::object();
      o.set("entree", Cp1252VersUtf8(x.Entree));
      o.set("vedette", Cp1252VersUtf8(x.Vedette));
      o.set("occurrences", x.Occurrences);
      o.set("formes", Liste(x.Formes));
      o.set("premier", x.PremierIndex);
      o.set("ambigu", x.Ambigu);
      o.set("rang", x.Rang);
      vedettes.call<void>("push", o);
    }
    val inconnus = val::array();
    for (const TMotInconnu& x : v.Inconnus) {
      val o = val::object();
      o.set("forme", Cp1252VersUtf8(x.Forme));
      o.set("occurrences", x.Occurrences);
      inconnus.call<void>("push", o);
    }
    val r = val::object();
    r.set("mots", v.NombreMots);
    r.set("vedettes", vedettes);
    r.set("inconnus", inconnus);
    return r;
  });
}

void TexteJs(TEdition& e, const std::string& texte) { e.Texte(texte); }

val RangsJs(TEdition& e, const std::string& texte) {
  return Protege([&] {
    e.Rangs(texte);
    return val(true);
  });
}

}  // namespace

EMSCRIPTEN_BINDINGS(lecturiel) {
  emscripten::function("chargeLexique", &ChargeLexiqueJs);
  emscripten::function("lisFichier", &LisFichierJs);
  emscripten::function("configuration", &ConfigurationJs);
  emscripten::function("fichierNotes", &FichierNotesJs);
  emscripten::function("fichierTrace", &FichierTraceJs);
  emscripten::class_<TEdition>("Edition")
      .constructor<>()
      .function("texte", &TexteJs)
      .function("rangs", &RangsJs)
      .function("mot", &TEdition::Mot)
      .function("bulle", &BulleJs)
      .function("aides", &AidesJs)
      .function("flexion", &FlexionJs)
      .function("liens", &LiensJs)
      .function("vocabulaire", &VocabulaireJs);
}
