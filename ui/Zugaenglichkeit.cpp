#include "Zugaenglichkeit.h"

#include <QAccessibleWidget>
#include <QMessageBox>

namespace {

/// A result value: named by its captions and its text, readable and
/// selectable character by character through the text interface.
class WertZugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit WertZugang(Wertanzeige* wert) : QAccessibleWidget(wert, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType art) override {
    if (art == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(art);
  }

  QString text(QAccessible::Text art) const override {
    if (art != QAccessible::Name) {
      return QAccessibleWidget::text(art);
    }
    QStringList teile;
    for (const QLabel* beschriftung : Wert()->Beschriftungen()) {
      teile << beschriftung->text();
    }
    return QStringList{teile.join(QStringLiteral(" – ")), Wert()->text()}.join(QLatin1Char(' '));
  }

  QAccessible::State state() const override {
    QAccessible::State zustand = QAccessibleWidget::state();
    zustand.readOnly = true;
    zustand.selectableText = true;
    return zustand;
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
  relations(QAccessible::Relation welche) const override {
    auto liste = QAccessibleWidget::relations(QAccessible::Relation(welche & ~QAccessible::Label));
    if (welche & QAccessible::Label) {
      for (QLabel* beschriftung : Wert()->Beschriftungen()) {
        liste.append({QAccessible::queryAccessibleInterface(beschriftung), QAccessible::Label});
      }
    }
    return liste;
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
  void removeSelection(int) override { Wert()->setSelection(cursor_, 0); }
  void setSelection(int, int anfang, int ende) override {
    Wert()->setSelection(anfang, ende - anfang);
    cursor_ = ende;
  }
  int cursorPosition() const override { return cursor_; }
  void setCursorPosition(int position) override {
    Wert()->setSelection(position, 0);
    cursor_ = position;
  }
  QString text(int anfang, int ende) const override {
    return Wert()->text().mid(anfang, ende - anfang);
  }
  int characterCount() const override { return int(Wert()->text().size()); }
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
  int offsetAtPoint(const QPoint& punkt) const override {
    for (int i = 0; i < characterCount(); ++i) {
      if (characterRect(i).contains(punkt)) {
        return i;
      }
    }
    return -1;
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* anfang, int* ende) const override {
    *anfang = 0;
    *ende = characterCount();
    return {};
  }

private:
  Wertanzeige* Wert() const { return static_cast<Wertanzeige*>(widget()); }
  int cursor_ = 0;
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
    return new QAccessibleWidget(widget, QAccessible::Window);
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
  static const bool eingerichtet = (QAccessible::installFactory(Fabrik), true);
  (void)eingerichtet;
}

Wertanzeige::Wertanzeige(QWidget* fenster, const QList<QLabel*>& beschriftungen) : QLabel(fenster) {
  for (QLabel* beschriftung : beschriftungen) {
    beschriftungen_.append(beschriftung);
  }
  if (!beschriftungen.isEmpty()) {
    beschriftungen.last()->setBuddy(this);
  }
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
