// Stand-in until the French-generation library provides these commands.
#include "commandes_flexion.h"

int CommandeTraduction(const std::string&, std::ostream& sortie) {
    sortie << "non disponible\n";
    return 1;
}

int CommandeConjugue(const std::string&, std::ostream& sortie) {
    sortie << "non disponible\n";
    return 1;
}
