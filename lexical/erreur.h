// Erreur: the one exception type of Lecturiel. Its what() is the French
// message in Windows-1252, ready for an error box once converted to UTF-8.
// Raised where a fault is seen, caught where the user's event is handled.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

class Erreur : public std::runtime_error {
 public:
  explicit Erreur(const std::string& message) : std::runtime_error(message) {}

  // The message converted to UTF-8, for terminals and Qt.
  std::string MessageUtf8() const;
};

// Fills the "%s" and "%d" placeholders of a message in order with the given
// texts (integers already written in decimal by the caller). Placeholders
// without an argument are left as they stand.
std::string Formate(std::string_view modele, std::initializer_list<std::string_view> valeurs);
