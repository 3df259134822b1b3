// Building blocks of the windows. Positions and sizes are given in
// twips (1/1440 inch), the unit each window's layout was drawn in; 15 twips
// make one logical pixel, which Qt scales on high-density screens.
#pragma once

#include <QColor>
#include <QWidget>

#include <initializer_list>
#include <utility>
#include <vector>

struct Eingabefeld;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// Twips → logical pixels.
constexpr int Px(int twips) {
  return twips / 15;
}

/// A rectangle in twips: left, top, width, height.
struct Twips {
  int links;
  int oben;
  int breite;
  int hoehe;
};

namespace Farbe {
inline const QColor Blau{0, 0, 255};
inline const QColor Gruen{0, 192, 0};
inline const QColor Rot{255, 0, 0};
} // namespace Farbe

/// Base of every window: caption, fixed client size, deleted when closed,
/// no owner; a window to screen readers.
class Formular : public QWidget {
  Q_OBJECT

public:
  Formular(const QString& titel, int breiteTwips, int hoeheTwips);

  /// A frame line in logical pixels, drawn as part of the window: decoration,
  /// so screen readers do not walk through it.
  struct Rahmenlinie {
    const char* name;
    QRect lage;
  };
  [[nodiscard]] const std::vector<Rahmenlinie>& Linien() const { return linien_; }

  /// A window opened from another (an input or a result window) is a dialog
  /// in all but name: Escape closes it, and screen readers meet a dialog
  /// that tells its results as it opens.
  void AlsDialog() { dialog_ = true; }
  [[nodiscard]] bool IstDialog() const { return dialog_; }

protected:
  /// Fits the captions (see Einpassen) when the window is first shown.
  bool event(QEvent* ereignis) override;
  /// Return or Enter on a focused button presses it, as on every desktop;
  /// Escape closes a dialog.
  void keyPressEvent(QKeyEvent* ereignis) override;
  void paintEvent(QPaintEvent* ereignis) override;

  /// Arial 9 pt, the font of most controls.
  static QFont Arial9();

  /// A caption; screen readers hear it as Sprechtext.
  QLabel* Beschriftung(const char* name, const QString& text, Twips lage, const QColor& farbe);
  /// A label whose value is set at load; selectable and copyable, read by
  /// screen readers with its `beschriftungen` (outermost first).
  QLabel* Wertfeld(const char* name, Twips lage, const QColor& farbe,
                   const QList<QLabel*>& beschriftungen);
  /// The text box of `feld`, named for screen readers as its captions read
  /// ("Geographische Breite, Sekunden"), in full: no caption is said apart.
  QLineEdit* Textfeld(const char* name, Twips lage, const Eingabefeld& feld);
  /// The same for a box that fills no field of the series: captioned by
  /// `gruppe` (the heading over its block, or empty) and `beschriftung`.
  QLineEdit* Textfeld(const char* name, Twips lage, const QString& gruppe,
                      const QString& beschriftung);
  /// A group of radio buttons, one choice of several, named `titel` for
  /// screen readers; it draws nothing itself (the window's lines frame it).
  QGroupBox* Auswahl(const char* name, const QString& titel, Twips lage);
  /// A radio button in `gruppe`; `lage` in the window, like every control.
  QRadioButton* Wahlknopf(QGroupBox* gruppe, const char* name, const QString& text, Twips lage);
  /// Ties each caption (by object name) to the box it captions: the caption
  /// is the box's buddy and, to screen readers, a label for it (the box's
  /// own name says it all, so the box names no caption back).
  void Beschriften(std::initializer_list<std::pair<const char*, QWidget*>> paare);
  /// A push button; `arial` false keeps the platform's default font. Screen
  /// readers hear its caption as Sprechtext.
  QPushButton* Knopf(const char* name, const QString& text, Twips lage, bool arial = true);
  /// A straight green line from (x1, y1) to (x2, y2), horizontal or vertical.
  void Linie(const char* name, int x1, int y1, int x2, int y2);

private:
  /// Places `label` in Arial 9 pt and colour `farbe`.
  QLabel* Label(QLabel* label, const char* name, Twips lage, const QColor& farbe);

  /// Captioned controls whose font is still to be fitted to their caption.
  std::vector<QWidget*> einzupassen_;
  std::vector<Rahmenlinie> linien_;
  bool dialog_ = false;
};
