// Fuzz target of the French conjugator: the first four bytes choose person,
// tense, mood and voice (in range or not), the fifth whether the pronoun is
// written, the rest is the infinitive. Nothing may crash, leak, hang or
// throw; an infinitive no class conjugates gives "?". The plural and the
// first-word helper get the same text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "flexion/chaines.h"
#include "flexion/flexf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille < 5) return 0;
  // Mostly in range, sometimes just outside or far outside.
  const auto choix = [](std::uint8_t octet, int max) {
    return octet < 0xF0 ? octet % (max + 2) - 1
                        : static_cast<int>(static_cast<std::int8_t>(octet)) * 1000;
  };
  const int personne = choix(donnees[0], 6), temps = choix(donnees[1], 8),
            mode = choix(donnees[2], 6), voix = choix(donnees[3], 2);
  const bool pronom = donnees[4] & 1;
  const std::string infinitif(reinterpret_cast<const char*>(donnees) + 5, taille - 5);
  // Any number is a valid value of the enumerations, named or not.
  const std::string forme =
      ConjugueVerbe(infinitif, personne, static_cast<TTempsFr>(temps), static_cast<TModeFr>(mode),
                    static_cast<TVoixFr>(voix), pronom);
  if (!CreeVerbe(infinitif) && forme != "?") std::abort();
  Pluriel(infinitif);
  Pluriel(PremierMot(infinitif));
  return 0;
}
