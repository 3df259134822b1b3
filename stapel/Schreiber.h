// The output records: each input record once, byte for byte, and behind it
// its results or the message of its failure, each behind the separator (one
// blank with --trenner leer). Texts of this program are quoted where a
// spreadsheet would quote them and written in the output's encoding.
#pragma once

#include "Auftrag.h"
#include "Koordinaten.h"
#include "Umrechner.h"
#include "Zahlenstrom.h"

#include <string>
#include <string_view>
#include <vector>

/// One record of the input as it is to be written.
struct Ausgabesatz {
  enum class Art : unsigned char {
    Kopie,  ///< copied as it came: empty, comment, "sep="
    Kopf,   ///< the header: the result columns' names behind it
    Punkt,  ///< the results of point `punkt` of the block behind it
    Fehler, ///< `meldung` behind it
  };
  std::string_view satz; ///< without its line end
  std::string_view ende; ///< its line end as it came
  Art art = Art::Kopie;
  std::size_t punkt = 0;
  std::string meldung;
};

class Schreiber {
public:
  explicit Schreiber(const Zeilenformat& format);

  /// Appends the record to `aus`.
  void Schreiben(const Ausgabesatz& satz, const Punktblock& block, std::string& aus) const;

  /// The result columns' names, in UTF-8.
  [[nodiscard]] std::vector<std::string> Spaltennamen() const;

private:
  /// Appends the results of the target system, each behind the separator.
  void Ergebnisse(const Datumspunkt& p, std::string& aus) const;
  /// The same from the windows' record, as the result windows show them.
  void Ergebnisse(const Voderedezazarire::Umrechnungsdatensatz& u, std::string& aus) const;
  void WinkelSchreiben(double grad, std::string& aus) const;
  /// The message of a point the datum change could not convert.
  [[nodiscard]] std::string Datumsmeldung(const Datumspunkt& punkt) const;
  /// Appends a text of this program as one field, in the output's encoding.
  void Text(std::string_view utf8, std::string& aus) const;
  /// Converts what was appended from `anfang` on to the output's encoding.
  void Kodieren(std::size_t anfang, std::string& aus) const;

  Zeilenformat format_;
  Zahlenschreiber zahlen_;
  std::string trenner_; ///< before each appended field
};
