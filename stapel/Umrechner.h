// The conversion of a block of points read from a point list: exact, on
// PROJ's transverse Mercator with BeTA2007 across the datum (Datumswechsel),
// or with --wie-fenster on the windows' series, record by record. The
// results stay in the block; the writer takes them from there.
#pragma once

#include "Auftrag.h"
#include "Datumswechsel.h"
#include "Voderedezazarire.h"

#include <string>
#include <vector>

/// The points of a block, in the order of their records. Every point has
/// its entry in `punkte` and `meldungen`, with --wie-fenster also in
/// `fenster`, from a UTM source also in `baender`.
struct Punktblock {
  std::vector<Datumspunkt> punkte;
  std::vector<char> baender; ///< each point's UTM latitude band as it came, or '\0'
  std::vector<Voderedezazarire::Umrechnungsdatensatz> fenster; ///< --wie-fenster
  /// A failure the converter names itself ("" for none); with Datumsfehler
  /// the writer words the message.
  std::vector<std::string> meldungen;

  [[nodiscard]] std::size_t Anzahl() const { return meldungen.size(); }
  void Leeren() {
    punkte.clear();
    baender.clear();
    fenster.clear();
    meldungen.clear();
  }
};

class Umrechner {
public:
  /// `wechsel`: the datum change, for every direction but --wie-fenster.
  Umrechner(const Zeilenformat& format, Datumswechsel* wechsel);

  /// Converts every point of the block in place. A point that fails gets
  /// its Datumsfehler or its message.
  void Umrechnen(Punktblock& block);

  /// Whether point `i` of a converted block has a result.
  [[nodiscard]] static bool Gelungen(const Punktblock& block, std::size_t i);

private:
  void Fenster(Punktblock& block) const;
  void BaenderPruefen(Punktblock& block);

  Zeilenformat format_;
  Datumswechsel* wechsel_;
  std::vector<Datumspunkt> probe_; ///< the UTM points with a band, taken to ETRS89
};

/// The latitude band of UTM for an ETRS89 latitude [°]: 'C' to 'X', 8° each
/// from 80° S; '\0' outside.
char Breitenband(double breite);
