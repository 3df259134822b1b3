// Input window of the datum change: one point typed in Gauss-Krüger (DHDN),
// UTM (ETRS89) or geographic ETRS89 coordinates, converted with PROJ into
// all four systems. PROJ is loaded at the first "Berechnen", not before.
#pragma once

#include "Datumswechsel.h"
#include "Formular.h"

#include <QList>

#include <array>
#include <span>

class Eingabe;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Datumsergebnis;

class frmDatum : public Formular {
  Q_OBJECT

public:
  frmDatum();

  QRadioButton* Option1; ///< "Gauss-Krüger (DHDN)"
  QRadioButton* Option2; ///< "UTM (ETRS89)"
  QRadioButton* Option3; ///< "Geographisch (ETRS89, GPS)"
  QLineEdit* Text1;      ///< Rechtswert [m]
  QLineEdit* Text2;      ///< Hochwert [m]
  QLineEdit* Text3;      ///< UTM zone; may stay empty when the easting carries it
  QLineEdit* Text4;      ///< Ostwert [m], with or without the zone in front
  QLineEdit* Text5;      ///< Nordwert [m]
  QLineEdit* Text6;      ///< ETRS89 longitude degrees
  QLineEdit* Text7;      ///< longitude minutes
  QLineEdit* Text8;      ///< longitude seconds
  QLineEdit* Text9;      ///< ETRS89 latitude degrees
  QLineEdit* Text10;     ///< latitude minutes
  QLineEdit* Text11;     ///< latitude seconds
  QPushButton* Command1; ///< "Berechnen"
  QPushButton* Command2; ///< "Schließen"

  /// The system the point is typed in: the checked radio button.
  [[nodiscard]] Bezugssystem Eingabesystem() const;
  /// The boxes of the chosen system, in the order they are read.
  [[nodiscard]] std::span<QLineEdit* const> Eingabefelder() const;

  /// Reads the boxes of the chosen system and converts the point into all
  /// four systems. Throws Fehler with the box to blame set in `eingabe`: a
  /// type mismatch or overflow while reading, AusserhalbGitter and Bereich
  /// for a point the datum change does not take, OhneDatum when PROJ or
  /// its grid cannot be had.
  [[nodiscard]] Datumsergebnis Umrechnen(Eingabe& eingabe) const;

  void Command1_Click();
  void Command2_Click();
  /// Shows the captions and boxes of the chosen system.
  void Option_Click();

private:
  std::array<QLineEdit*, 2> gk_;
  std::array<QLineEdit*, 3> utm_;
  std::array<QLineEdit*, 6> etrs_;
  /// Captions, heading and frame of each system's block, shown with it.
  std::array<QList<QWidget*>, 3> bloecke_;
  QLabel* ueberschrift_;
};
