// Numbers between UTF-8 text and values, for files of many numbers. Plain
// decimals are read and results written without a QString or a QLocale call;
// every other text or value goes through Textumwandlung.h. Both ways accept
// and reject exactly the same texts and give the same values, texts and
// error kinds. Zahlenlocale() is taken once, when an object is made.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// Reads as TextAlsSingle, TextAlsDouble and TextAlsInteger do.
class Zahlenleser {
public:
  Zahlenleser();
  /// Reads only `[+|-] digits [dezimalzeichen digits]`, whatever the
  /// locale: any other text is a type mismatch.
  explicit Zahlenleser(char dezimalzeichen);

  [[nodiscard]] float Single(std::string_view utf8) const;
  [[nodiscard]] double Double(std::string_view utf8) const;
  [[nodiscard]] std::int16_t Integer(std::string_view utf8) const;

  /// Reads `utf8` as the type of `ziel` says (see Datenglied in
  /// Eingabefelder.h): float as Single, std::int16_t as Integer, double as
  /// Double.
  void Lesen(std::string_view utf8, float& ziel) const { ziel = Single(utf8); }
  void Lesen(std::string_view utf8, std::int16_t& ziel) const { ziel = Integer(utf8); }
  void Lesen(std::string_view utf8, double& ziel) const { ziel = Double(utf8); }

private:
  /// Reads `[+|-] digits [separator digits]` into `wert`; false for any
  /// other text, which QLocale then reads.
  bool Schnell(std::string_view utf8, double& wert) const;

  char dezimalzeichen_; ///< '\0': every text goes through QLocale
  bool streng_ = false; ///< no QLocale: the plain grammar only
};

/// Appends what MeterText and GanzzahlText give, as UTF-8.
class Zahlenschreiber {
public:
  Zahlenschreiber();
  /// Writes with `dezimalzeichen` and ASCII digits and '-', whatever the
  /// locale.
  explicit Zahlenschreiber(char dezimalzeichen);

  void Meter(double wert, std::string& aus) const;
  /// `wert` with `stellen` decimals (0 to 9), never "-0,0…"; |wert| < 1e9.
  void Fest(double wert, int stellen, std::string& aus) const;
  /// Throws Fehler(Ueberlauf) as GanzzahlText does; `aus` is then unchanged.
  void Ganzzahl(float wert, std::string& aus) const;

private:
  char dezimalzeichen_; ///< '\0': every value goes through QLocale
  bool fest_ = false;   ///< the separator is given: never QLocale
};
