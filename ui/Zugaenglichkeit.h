// What a screen reader learns about the windows beyond what Qt's widgets
// tell it on their own: windows are windows, a result value is read with
// its captions and as text, the error box is named by the error.
#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>

/// Installs the accessible interfaces below; the first window does it, once.
void ZugaenglichkeitEinrichten();

/// A result value: a selectable label that a screen reader announces with
/// its captions ("Geographische Breite – Minuten 0") and reads as text.
class Wertanzeige : public QLabel {
  Q_OBJECT

public:
  /// `beschriftungen`: the captions, outermost first; the last one, nearest
  /// to the value, takes it as its buddy.
  Wertanzeige(QWidget* fenster, const QList<QLabel*>& beschriftungen);

  [[nodiscard]] QList<QLabel*> Beschriftungen() const;

private:
  QList<QPointer<QLabel>> beschriftungen_;
};
