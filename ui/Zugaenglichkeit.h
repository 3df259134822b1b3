// What a screen reader learns about the windows beyond what Qt's widgets
// tell it on their own: windows are windows (a window opened from another, a
// dialog that tells its results as it opens), a box or a result value is
// named in full once and read as text, the error box is named by the error.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>

/// Installs the accessible interfaces below; the first window does it, once.
void ZugaenglichkeitEinrichten();

/// `text` as a screen reader should say it: the signs a caption uses for a
/// word ("-->" for "nach", "[m]" for "in Metern") written as that word, so
/// that a reader's punctuation level does not spell them out.
[[nodiscard]] QString Sprechtext(const QString& text);

/// Screen readers hear no change of the selection in `feld` while this
/// lives: a selection made or dropped along with a change of focus, which
/// the focus announcement already tells ("… ausgewählt").
class StilleAuswahl {
public:
  explicit StilleAuswahl(QObject* feld);
  ~StilleAuswahl();
  StilleAuswahl(const StilleAuswahl&) = delete;
  StilleAuswahl& operator=(const StilleAuswahl&) = delete;

private:
  QObject* vorher_;
};

/// A text box of an input window. Tab into it selects its text and leaving
/// it drops the selection, as in every Qt box, without a screen reader
/// hearing either as a change of its own.
class Zahlenfeld : public QLineEdit {
  Q_OBJECT

public:
  using QLineEdit::QLineEdit;

protected:
  void focusInEvent(QFocusEvent* ereignis) override;
  void focusOutEvent(QFocusEvent* ereignis) override;
};

/// A result value: a selectable label that a screen reader announces with
/// its captions ("Geographische Breite – Minuten 0"), each once, and reads
/// as text; the arrow keys move its caret and tell the reader where it is.
class Wertanzeige : public QLabel {
  Q_OBJECT

public:
  /// `beschriftungen`: the captions, outermost first; the last one, nearest
  /// to the value, takes it as its buddy and labels it, named for screen
  /// readers with the outer ones ("Geographische Breite – Minuten").
  Wertanzeige(QWidget* fenster, const QList<QLabel*>& beschriftungen);

  [[nodiscard]] QList<QLabel*> Beschriftungen() const;
  /// The captions as spoken: "Geographische Länge – Grad".
  [[nodiscard]] QString Beschriftet() const;
  /// The captions and the value as spoken: "Geographische Länge – Grad 9".
  [[nodiscard]] QString Ansage() const;
  /// Whether the nearest caption captions this value alone (not a column
  /// heading over several).
  [[nodiscard]] bool EigeneBeschriftung() const;

  /// The caret (0 … length of the text).
  [[nodiscard]] int Schreibmarke() const { return marke_; }
  /// Selects from `anker` to `marke` (the caret; equal: nothing selected)
  /// and tells screen readers.
  void Markieren(int anker, int marke);

protected:
  void keyPressEvent(QKeyEvent* ereignis) override;
  void focusOutEvent(QFocusEvent* ereignis) override;

private:
  QList<QPointer<QLabel>> beschriftungen_;
  int anker_ = 0;
  int marke_ = 0;
};
