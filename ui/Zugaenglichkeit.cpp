#include "Zugaenglichkeit.h"

#include "Formular.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMessageBox>

#include <algorithm>
#include <utility>

namespace {

/// The object whose selection and caret changes screen readers do not hear
/// now.
QObject* stumm = nullptr;

/// Hands every event on to the platform's bridge, but a selection or caret
/// change of the silenced object.
void Weitergeben(QAccessibleEvent* ereignis) {
  const QAccessible::Event art = ereignis->type();
  if ((art == QAccessible::TextSelectionChanged || art == QAccessible::TextCaretMoved) && stumm &&
      ereignis->object() == stumm) {
    return;
  }
  // Without a handler, Qt hands the event to the platform; the handler on
  // top (this one, or one that hands on to it) then comes back.
  const QAccessible::UpdateHandler oben = QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(ereignis);
  QAccessible::installUpdateHandler(oben);
}

/// Text read through the text interface. Its attributes form one run over
/// the whole text: a reader that cuts what it speaks at the runs' ends (Orca
/// does, by language) would otherwise drop the last character.
class TextZugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  TextZugang(QWidget* w, QAccessible::Role rolle) : QAccessibleWidget(w, rolle) {}

  void* interface_cast(QAccessible::InterfaceType art) override {
    if (art == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(art);
  }

  /// A box's name says all: the labelled-by relation its caption (its
  /// buddy) gives it would make a reader say the caption instead of the
  /// name, or a value's caption a second time.
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
  relations(QAccessible::Relation welche) const override {
    return QAccessibleWidget::relations(QAccessible::Relation(welche & ~QAccessible::Label));
  }

  QString text(int anfang, int ende) const override { return Inhalt().mid(anfang, ende - anfang); }
  int characterCount() const override { return int(Inhalt().size()); }
  int offsetAtPoint(const QPoint& punkt) const override {
    for (int i = 0; i < characterCount(); ++i) {
      if (characterRect(i).contains(punkt)) {
        return i;
      }
    }
    return -1;
  }
  QString attributes(int, int* anfang, int* ende) const override {
    *anfang = 0;
    *ende = characterCount();
    return {};
  }
  using QAccessibleWidget::text;

protected:
  [[nodiscard]] virtual QString Inhalt() const = 0;
};

/// A box: editable text, named by its captions alone.
class FeldZugang : public TextZugang, public QAccessibleEditableTextInterface {
public:
  explicit FeldZugang(QLineEdit* feld) : TextZugang(feld, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType art) override {
    if (art == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return TextZugang::interface_cast(art);
  }

  QString text(QAccessible::Text art) const override {
    return art == QAccessible::Value ? Feld()->text() : TextZugang::text(art);
  }
  void setText(QAccessible::Text art, const QString& text) override {
    if (art == QAccessible::Value) {
      Feld()->setText(text);
    } else {
      TextZugang::setText(art, text);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State zustand = TextZugang::state();
    zustand.editable = !Feld()->isReadOnly();
    zustand.readOnly = Feld()->isReadOnly();
    zustand.selectableText = true;
    return zustand;
  }

  void selection(int index, int* anfang, int* ende) const override {
    *anfang = *ende = 0;
    if (index == 0 && Feld()->hasSelectedText()) {
      *anfang = Feld()->selectionStart();
      *ende = *anfang + Feld()->selectionLength();
    }
  }
  int selectionCount() const override { return Feld()->hasSelectedText() ? 1 : 0; }
  void addSelection(int anfang, int ende) override { setSelection(0, anfang, ende); }
  void removeSelection(int) override { Feld()->deselect(); }
  void setSelection(int, int anfang, int ende) override {
    Feld()->setSelection(anfang, ende - anfang);
  }
  int cursorPosition() const override { return Feld()->cursorPosition(); }
  void setCursorPosition(int position) override { Feld()->setCursorPosition(position); }
  QRect characterRect(int offset) const override {
    const QString text = Feld()->text();
    if (offset < 0 || offset >= text.size()) {
      return {};
    }
    // The caret's rectangle fixes where the (possibly scrolled) text starts.
    const QFontMetrics metrik = Feld()->fontMetrics();
    const QRect marke = Feld()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x0 = marke.left() - metrik.horizontalAdvance(text.left(Feld()->cursorPosition()));
    const QPoint links(x0 + metrik.horizontalAdvance(text.left(offset)), marke.top());
    return {Feld()->mapToGlobal(links),
            QSize(metrik.horizontalAdvance(text.at(offset)), marke.height())};
  }
  void scrollToSubstring(int anfang, int ende) override {
    Feld()->setCursorPosition(ende);
    Feld()->setCursorPosition(anfang);
  }

  void deleteText(int anfang, int ende) override { replaceText(anfang, ende, {}); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int anfang, int ende, const QString& text) override {
    Feld()->setText(Feld()->text().replace(anfang, ende - anfang, text));
  }

protected:
  QString Inhalt() const override { return Feld()->text(); }

private:
  QLineEdit* Feld() const { return static_cast<QLineEdit*>(widget()); }
};

/// A result value: named by its text and labelled by its nearest caption,
/// which is named with the captions around it (see Wertanzeige), so that a
/// reader says each caption once; readable and selectable character by
/// character through the text interface.
class WertZugang : public TextZugang {
public:
  explicit WertZugang(Wertanzeige* wert) : TextZugang(wert, QAccessible::StaticText) {}

  // A value whose nearest caption is its own is named by its text and
  // labelled by that caption; one under a caption it shares (a column
  // heading over several rows) says all its captions itself.
  QString text(QAccessible::Text art) const override {
    if (art != QAccessible::Name) {
      return TextZugang::text(art);
    }
    return Wert()->EigeneBeschriftung() ? Wert()->text() : Wert()->Ansage();
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
  relations(QAccessible::Relation welche) const override {
    auto liste = TextZugang::relations(welche);
    if (const QList<QLabel*> beschriftungen = Wert()->Beschriftungen();
        (welche & QAccessible::Label) && Wert()->EigeneBeschriftung()) {
      liste.append(
          {QAccessible::queryAccessibleInterface(beschriftungen.last()), QAccessible::Label});
    }
    return liste;
  }

  QAccessible::State state() const override {
    QAccessible::State zustand = TextZugang::state();
    zustand.readOnly = true;
    zustand.selectableText = true;
    return zustand;
  }

  // Text interface: the value as it stands, one selection at most.
  void selection(int index, int* anfang, int* ende) const override {
    *anfang = *ende = 0;
    if (index == 0 && Wert()->hasSelectedText()) {
      *anfang = Wert()->selectionStart();
      *ende = *anfang + int(Wert()->selectedText().size());
    }
  }
  int selectionCount() const override { return Wert()->hasSelectedText() ? 1 : 0; }
  void addSelection(int anfang, int ende) override { setSelection(0, anfang, ende); }
  void removeSelection(int) override { setCursorPosition(Wert()->Schreibmarke()); }
  void setSelection(int, int anfang, int ende) override { Wert()->Markieren(anfang, ende); }
  int cursorPosition() const override { return Wert()->Schreibmarke(); }
  void setCursorPosition(int position) override { Wert()->Markieren(position, position); }
  QRect characterRect(int offset) const override {
    const QString text = Wert()->text();
    if (offset < 0 || offset >= text.size()) {
      return {};
    }
    // Left-aligned and vertically centred, as QLabel draws it.
    const QFontMetrics metrik = Wert()->fontMetrics();
    const QRect inhalt = Wert()->contentsRect();
    const QPoint links(inhalt.left() + metrik.horizontalAdvance(text.left(offset)),
                       inhalt.top() + (inhalt.height() - metrik.height()) / 2);
    return {Wert()->mapToGlobal(links),
            QSize(metrik.horizontalAdvance(text.at(offset)), metrik.height())};
  }
  void scrollToSubstring(int, int) override {}

protected:
  QString Inhalt() const override { return Wert()->text(); }

private:
  Wertanzeige* Wert() const { return static_cast<Wertanzeige*>(widget()); }
};

/// A window. One opened from another is a dialog, and a dialog's
/// description is its results, each with its captions: a reader says them
/// as the window opens, while the focus stays where the window puts it
/// (Orca says a dialog's labels that label nothing instead, so the values
/// are labelled by their captions).
class FensterZugang : public QAccessibleWidget {
public:
  explicit FensterZugang(Formular* fenster)
      : QAccessibleWidget(fenster,
                          fenster->IstDialog() ? QAccessible::Dialog : QAccessible::Window) {}

  QString text(QAccessible::Text art) const override {
    if (art != QAccessible::Description) {
      return QAccessibleWidget::text(art);
    }
    QStringList werte;
    for (const Wertanzeige* wert : widget()->findChildren<Wertanzeige*>()) {
      werte << wert->Ansage();
    }
    return werte.isEmpty() ? QAccessibleWidget::text(art) : werte.join(QStringLiteral(". "));
  }
};

/// The error box: an alert, modal, named by the error kind (its accessible
/// name, set where it is shown) rather than by the program.
class MeldungZugang : public QAccessibleWidget {
public:
  explicit MeldungZugang(QWidget* box) : QAccessibleWidget(box, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text art) const override {
    if (art == QAccessible::Value) {
      return static_cast<QMessageBox*>(widget())->text();
    }
    return QAccessibleWidget::text(art);
  }

  QAccessible::State state() const override {
    QAccessible::State zustand = QAccessibleWidget::state();
    zustand.modal = widget()->isModal();
    return zustand;
  }
};

/// Asked for every class of an object, most derived first.
QAccessibleInterface* Fabrik(const QString& klasse, QObject* objekt) {
  auto* widget = qobject_cast<QWidget*>(objekt);
  if (klasse == QLatin1String("Formular")) {
    return new FensterZugang(static_cast<Formular*>(widget));
  }
  if (klasse == QLatin1String("Zahlenfeld")) {
    return new FeldZugang(static_cast<QLineEdit*>(widget));
  }
  if (klasse == QLatin1String("Wertanzeige")) {
    return new WertZugang(static_cast<Wertanzeige*>(widget));
  }
  if (klasse == QLatin1String("QMessageBox")) {
    return new MeldungZugang(widget);
  }
  return nullptr;
}

} // namespace

void ZugaenglichkeitEinrichten() {
  static const bool eingerichtet =
      (QAccessible::installFactory(Fabrik), QAccessible::installUpdateHandler(Weitergeben), true);
  (void)eingerichtet;
}

QString Sprechtext(const QString& text) {
  static const std::pair<QLatin1String, QLatin1String> Woerter[] = {
      {QLatin1String("-->"), QLatin1String("nach")},
      {QLatin1String("[m]"), QLatin1String("in Metern")},
  };
  QString gesprochen = text;
  for (const auto& [zeichen, wort] : Woerter) {
    gesprochen.replace(zeichen, wort);
  }
  return gesprochen;
}

StilleAuswahl::StilleAuswahl(QObject* feld) : vorher_(std::exchange(stumm, feld)) {}

StilleAuswahl::~StilleAuswahl() {
  stumm = vorher_;
}

void Zahlenfeld::focusInEvent(QFocusEvent* ereignis) {
  StilleAuswahl stille(this);
  QLineEdit::focusInEvent(ereignis);
}

void Zahlenfeld::focusOutEvent(QFocusEvent* ereignis) {
  StilleAuswahl stille(this);
  QLineEdit::focusOutEvent(ereignis);
}

Wertanzeige::Wertanzeige(QWidget* fenster, const QList<QLabel*>& beschriftungen) : QLabel(fenster) {
  for (QLabel* beschriftung : beschriftungen) {
    beschriftungen_.append(beschriftung);
  }
  if (beschriftungen.isEmpty()) {
    return;
  }
  // The nearest caption labels the value, named with the outer ones; a
  // caption that already labels another value is shared, and keeps its text.
  QLabel* naechste = beschriftungen.last();
  if (naechste->buddy() != nullptr) {
    naechste->setAccessibleName(QString());
    return;
  }
  naechste->setBuddy(this);
  if (beschriftungen.size() > 1) {
    naechste->setAccessibleName(Beschriftet());
  }
}

bool Wertanzeige::EigeneBeschriftung() const {
  const QList<QLabel*> beschriftungen = Beschriftungen();
  if (beschriftungen.isEmpty()) {
    return false;
  }
  const QLabel* naechste = beschriftungen.last();
  const auto werte = parentWidget()->findChildren<Wertanzeige*>();
  return std::count_if(werte.begin(), werte.end(), [naechste](const Wertanzeige* wert) {
           const QList<QLabel*> andere = wert->Beschriftungen();
           return !andere.isEmpty() && andere.last() == naechste;
         }) == 1;
}

QList<QLabel*> Wertanzeige::Beschriftungen() const {
  QList<QLabel*> liste;
  for (const QPointer<QLabel>& beschriftung : beschriftungen_) {
    if (beschriftung) {
      liste.append(beschriftung);
    }
  }
  return liste;
}

QString Wertanzeige::Beschriftet() const {
  QStringList teile;
  for (const QLabel* beschriftung : Beschriftungen()) {
    teile << Sprechtext(beschriftung->text());
  }
  return teile.join(QStringLiteral(" – "));
}

QString Wertanzeige::Ansage() const {
  return Beschriftet() + QLatin1Char(' ') + text();
}

void Wertanzeige::Markieren(int anker, int marke) {
  const int laenge = int(text().size());
  anker_ = std::clamp(anker, 0, laenge);
  marke_ = std::clamp(marke, 0, laenge);
  const bool warMarkiert = hasSelectedText();
  setSelection(anker_, marke_ - anker_);
  // QLabel tells screen readers nothing of its caret.
  if (anker_ != marke_ || warMarkiert) {
    QAccessibleTextSelectionEvent auswahl(this, std::min(anker_, marke_), std::max(anker_, marke_));
    auswahl.setCursorPosition(marke_);
    QAccessible::updateAccessibility(&auswahl);
  }
  QAccessibleTextCursorEvent schreibmarke(this, marke_);
  QAccessible::updateAccessibility(&schreibmarke);
}

void Wertanzeige::keyPressEvent(QKeyEvent* ereignis) {
  const int laenge = int(text().size());
  if (ereignis->matches(QKeySequence::SelectAll)) {
    Markieren(0, laenge);
    return;
  }
  int ziel = -1;
  switch (ereignis->key()) {
  case Qt::Key_Left:
    ziel = std::max(marke_ - 1, 0);
    break;
  case Qt::Key_Right:
    ziel = std::min(marke_ + 1, laenge);
    break;
  case Qt::Key_Home:
    ziel = 0;
    break;
  case Qt::Key_End:
    ziel = laenge;
    break;
  default:
    break;
  }
  const auto zusatz = ereignis->modifiers() & ~Qt::KeypadModifier;
  if (ziel < 0 || (zusatz != Qt::NoModifier && zusatz != Qt::ShiftModifier)) {
    QLabel::keyPressEvent(ereignis);
    return;
  }
  Markieren(zusatz == Qt::ShiftModifier ? anker_ : ziel, ziel);
}

void Wertanzeige::focusOutEvent(QFocusEvent* ereignis) {
  QLabel::focusOutEvent(ereignis); // drops the selection when the focus moves on
  if (!hasSelectedText()) {
    anker_ = marke_;
  }
}
