// The one error type of the computation and of everything built on it.
#pragma once

#include <stdexcept>
#include <string>

namespace Voderedezazarire {

/// The ways a conversion can fail: the first three in the series, the
/// others in the datum change, where `what()` carries the particulars.
enum class Fehlerart {
  Typenkonflikt,    ///< a text that should be a number is not one
  Ueberlauf,        ///< a value does not fit its integer or float type
  Gleitkommafehler, ///< invalid operation, division by zero or float overflow
  AusserhalbGitter, ///< a point outside the grid BeTA2007: never converted otherwise
  Bereich,          ///< a strip, zone or easting that the datum change does not take
  OhneDatum         ///< PROJ or its grid cannot be had; `what()` names the package
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
