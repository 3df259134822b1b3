// The one error type of the computation and of everything built on it.
#pragma once

#include <stdexcept>
#include <string>

namespace Voderedezazarire {

/// The three ways a conversion can fail.
enum class Fehlerart {
  Typenkonflikt,   ///< a text that should be a number is not one
  Ueberlauf,       ///< a value does not fit its integer or float type
  Gleitkommafehler ///< invalid operation, division by zero or float overflow
};

/// German name of an error kind, as shown to the user: "Typen unverträglich",
/// "Überlauf", "Gleitkommafehler".
[[nodiscard]] const char* Fehlername(Fehlerart art) noexcept;

/// An error with its kind; `what()` is the kind's German name unless a text
/// is given.
class Fehler : public std::runtime_error {
public:
  explicit Fehler(Fehlerart art);
  Fehler(Fehlerart art, const std::string& text);
  [[nodiscard]] Fehlerart art() const noexcept { return art_; }

private:
  Fehlerart art_;
};

} // namespace Voderedezazarire
