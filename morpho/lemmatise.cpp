#include "morpho/lemmatise.h"

#include <string>

#include "lexical/chaines_latines.h"
#include "lexical/desinences.h"
#include "lexical/erreur.h"
#include "lexical/irreguliers.h"
#include "lexical/lexique.h"
#include "lexical/stores.h"
#include "lexical/vocabulaire.h"

namespace {

// Readings of a form that is itself a headword.
constexpr Morpho NominatifSingulier = 0x41;
constexpr Morpho AccusatifSingulier = 0x44;
constexpr Morpho NominatifSingulierMasculin = 0x141;
constexpr Morpho NominatifSingulierMasculinFeminin = 0x341;
constexpr Morpho NominatifSingulierTroisGenres = 0x741;
constexpr Morpho PremierePersonnePresentActif = 0x8104840;
constexpr int GenreNeutre = 2;

Morpho MorphoDeVedette(int modele) {
    if (modele >= 0 && modele <= 10) return NominatifSingulier;
    switch (modele) {
        case 11: case 12: case 13: case 16: return NominatifSingulierMasculin;
        case 14: case 29: return NominatifSingulierMasculinFeminin;
        case 15: return NominatifSingulierTroisGenres;
        default: break;
    }
    if (modele >= 17 && modele <= 28) return PremierePersonnePresentActif;
    return 0;
}

// The three stores, borrowed for one search.
struct Stores {
    const TLexique& Lex;
    const TListeDes& Des;
    const TListeIrreg& Irr;
};

Stores StoresCharges() {
    if (!StoresPrets()) throw Erreur("Lexique non charg\xE9");
    return {*Lexique, *Desinences, *Irreguliers};
}

// The search on one exact form, filling `liste` (whose Forme is the form).
class TRecherche {
public:
    TRecherche(const Stores& s, TListeAnalyses& liste) : s_(s), liste_(liste) {}

    void Lance() {
        const std::string& f = liste_.Forme;
        if (f.empty()) return;
        EtapeLexique(f);
        EtapeIrreguliers(f);
        EtapeDesinences(f);
        if (!liste_.Trouve) EtapeEnclitique(f);
    }

private:
    // Every entry whose headword is exactly the form.  Headwords equal ignoring
    // case stand side by side in the lexicon; the whole run is walked so that
    // "liber" is found even when "Liber" sorts first.
    void EtapeLexique(const std::string& f) {
        int position = 0;
        if (!s_.Lex.Find(f, position)) return;
        for (; position < s_.Lex.Count() && CompareCles(s_.Lex.Cle(position), f) == 0; ++position) {
            const std::string& cle = s_.Lex.Cle(position);
            if (cle != f) continue;
            const TDonneesLexicales& e = s_.Lex.Donnees(position, false);
            const std::string entete = cle + ", " + e.Sens;
            const int modele = e.Modele;
            if (modele >= 0 && modele <= 10 && e.Genre == GenreNeutre)
                liste_.Ajoute(entete, modele, AccusatifSingulier, e);
            liste_.Ajoute(entete, modele, MorphoDeVedette(modele), e);
        }
    }

    void EtapeIrreguliers(const std::string& f) {
        int position = 0;
        if (!s_.Irr.Find(f, position)) return;
        for (const TDonneesIrreg& d : s_.Irr.Definitions(position)) {
            int p = 0;
            if (!s_.Lex.ChercheModele(d.K, d.Modele, p)) continue;
            const TDonneesLexicales& e = s_.Lex.Donnees(p, false);
            liste_.Ajoute(s_.Lex.Cle(p) + ", " + e.Sens, e.Modele, d.Morpho, e);
        }
    }

    // Every split into stem and ending, the ending growing from the last letter
    // to the whole form.
    void EtapeDesinences(const std::string& f) {
        std::string inverse;
        inverse.reserve(f.size());
        for (std::size_t k = f.size(); k-- > 0;) {
            inverse.push_back(f[k]);
            int position = 0;
            if (!s_.Des.Find(inverse, position)) continue;
            const std::string radical = f.substr(0, k);
            for (const TDef& d : s_.Des.Definitions(position)) AccepteLecture(radical, d);
        }
    }

    void AccepteLecture(const std::string& radical, const TDef& d) {
        std::vector<std::string> candidats;
        switch (d.Radical) {
            case 1: candidats = s_.Lex.Canons(radical, d.Modele); break;
            case 2: candidats = s_.Lex.Radicaux2.CanonDe(radical); break;
            case 3: candidats = s_.Lex.Radicaux3.CanonDe(radical); break;
            default: return;
        }
        for (const std::string& k : candidats) {
            if (k.empty()) continue;
            int p = 0;
            if (!s_.Lex.ChercheModele(k, d.Modele, p)) continue;
            const TDonneesLexicales& e = s_.Lex.Donnees(p, false);
            liste_.Ajoute(s_.Lex.Vedette(p) + ", " + e.Sens, d.Modele, d.Morpho, e);
        }
    }

    void EtapeEnclitique(const std::string& f) {
        const std::string reste = SansEnclitique(f);
        if (reste.empty()) return;
        TListeAnalyses interne(reste);
        TRecherche(s_, interne).Lance();
        liste_.Fusionne(interne);
    }

    const Stores& s_;
    TListeAnalyses& liste_;
};

std::string Minuscules(std::string_view forme) {
    std::string s(forme);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::unique_ptr<TListeAnalyses> Cherche(const Stores& s, std::string forme) {
    auto liste = std::make_unique<TListeAnalyses>(std::move(forme));
    TRecherche(s, *liste).Lance();
    return liste;
}

}  // namespace

std::unique_ptr<TListeAnalyses> AnalyseForme(std::string_view forme) {
    return Cherche(StoresCharges(), std::string(forme));
}

std::unique_ptr<TListeAnalyses> Lemmatise(std::string_view forme, bool& trouve) {
    trouve = false;
    if (forme.empty()) return nullptr;
    const Stores s = StoresCharges();

    std::string telle = Normalise(forme);
    std::string minuscule = Normalise(Minuscules(forme));
    // When lower-casing changes nothing, the second and third attempts would
    // repeat the first search and add nothing: they are skipped.
    const bool memeForme = (minuscule == telle);

    auto liste = Cherche(s, std::move(telle));
    trouve = liste->Trouve;
    if (!trouve) {
        if (!memeForme) {
            liste = Cherche(s, std::move(minuscule));
            trouve = liste->Trouve;
        }
        return liste;
    }
    const std::string& premiere = liste->Analyse(0).Entree;
    const bool nomPropre = !premiere.empty() && premiere[0] >= 'A' && premiere[0] <= 'Z';
    if (nomPropre && !memeForme) {
        auto minuscules = Cherche(s, std::move(minuscule));
        if (minuscules->Trouve) liste->Fusionne(*minuscules);
    }
    return liste;
}

std::vector<std::string> TexteAnalyses(std::string_view forme, int mode, bool& trouve) {
    auto liste = Lemmatise(forme, trouve);
    if (trouve) return liste->Lignes(mode);
    return {std::string(forme) + " : ?"};
}
