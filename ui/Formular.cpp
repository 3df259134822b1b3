#include "Formular.h"

#include "Eingabefelder.h"
#include "Zugaenglichkeit.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

QRect Rechteck(Twips t) {
  return {Px(t.links), Px(t.oben), Px(t.breite), Px(t.hoehe)};
}

/// Screen readers hear `text` on `w` as Sprechtext where that differs.
void Gesprochen(QWidget* w, const QString& text) {
  if (const QString gesprochen = Sprechtext(text); gesprochen != text) {
    w->setAccessibleName(gesprochen);
  }
}

void Textfarbe(QWidget* w, const QColor& farbe) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::WindowText, farbe);
  palette.setColor(QPalette::Text, farbe);
  w->setPalette(palette);
}

/// Without a sans face on the system (a bare one, without DejaVu) fontconfig
/// resolves the default font to Liberation Mono, and the buttons that keep
/// it look like a terminal: those take Arial (Liberation Sans), same size.
void Proportional(QWidget* w) {
  if (QFontInfo(w->font()).fixedPitch()) {
    QFont schrift = w->font();
    schrift.setFamily(QStringLiteral("Arial"));
    w->setFont(schrift);
  }
}

/// Where the window system's font is wider than the one the layout was drawn
/// for, a caption would be clipped: shrink its font until the text fits.
void Einpassen(QWidget* w) {
  constexpr qreal KleinsteGroesse = 6.0; // [pt]
  QFont schrift = w->font();
  while (w->sizeHint().width() > w->width() && schrift.pointSizeF() > KleinsteGroesse) {
    schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
    w->setFont(schrift);
  }
}

/// A group box that only groups: its frame is the window's own green lines.
class Gruppe : public QGroupBox {
public:
  using QGroupBox::QGroupBox;

protected:
  void paintEvent(QPaintEvent* /*ereignis*/) override {}
};

} // namespace

Formular::Formular(const QString& titel, int breiteTwips, int hoeheTwips) : QWidget(nullptr) {
  ZugaenglichkeitEinrichten();
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(titel);
  setFixedSize(Px(breiteTwips), Px(hoeheTwips));
}

bool Formular::event(QEvent* ereignis) {
  // Sent once show() has asked the window system to map the window: the
  // font database, which fitting needs, then loads while the window is
  // being mapped rather than before (the first frame needs it, the map not).
  if (ereignis->type() == QEvent::ShowToParent) {
    std::vector<QWidget*> liste;
    liste.swap(einzupassen_);
    for (QWidget* w : liste) {
      Proportional(w);
      Einpassen(w);
    }
  }
  return QWidget::event(ereignis);
}

void Formular::keyPressEvent(QKeyEvent* ereignis) {
  const bool eingabetaste = ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter;
  if (auto* knopf = qobject_cast<QPushButton*>(focusWidget());
      eingabetaste && knopf && (ereignis->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    knopf->click();
    return;
  }
  if (dialog_ && ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(ereignis);
}

void Formular::paintEvent(QPaintEvent* /*ereignis*/) {
  QPainter maler(this);
  for (const Rahmenlinie& linie : linien_) {
    maler.fillRect(linie.lage, Farbe::Gruen);
  }
}

QFont Formular::Arial9() {
  QFont schrift(QStringLiteral("Arial"));
  schrift.setPointSize(9);
  schrift.setWeight(QFont::Normal);
  return schrift;
}

QLabel* Formular::Label(QLabel* label, const char* name, Twips lage, const QColor& farbe) {
  label->setObjectName(QLatin1String(name));
  label->setGeometry(Rechteck(lage));
  label->setFont(Arial9());
  Textfarbe(label, farbe);
  return label;
}

QLabel* Formular::Beschriftung(const char* name, const QString& text, Twips lage,
                               const QColor& farbe) {
  QLabel* label = Label(new QLabel(text, this), name, lage, farbe);
  Gesprochen(label, text);
  einzupassen_.push_back(label);
  return label;
}

QLabel* Formular::Wertfeld(const char* name, Twips lage, const QColor& farbe,
                           const QList<QLabel*>& beschriftungen) {
  QLabel* label = Label(new Wertanzeige(this, beschriftungen), name, lage, farbe);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->setFocusPolicy(Qt::StrongFocus); // reachable with Tab, to copy without a mouse
  return label;
}

QLineEdit* Formular::Textfeld(const char* name, Twips lage, const Eingabefeld& eingabefeld) {
  QLineEdit* feld = Textfeld(name, lage, QString::fromUtf8(eingabefeld.gruppe),
                             QString::fromUtf8(eingabefeld.beschriftung));
  feld->setProperty("feldname", Feldname(eingabefeld));
  return feld;
}

QLineEdit* Formular::Textfeld(const char* name, Twips lage, const QString& gruppe,
                              const QString& beschriftung) {
  auto* feld = new Zahlenfeld(this);
  feld->setObjectName(QLatin1String(name));
  feld->setGeometry(Rechteck(lage));
  feld->setFont(Arial9());
  // No cut at QLineEdit's default of 32767 characters: a paste that is too
  // long would lose its tail silently and might then read as a number. The
  // whole text stays, and reading it refuses it (Hoechstlaenge).
  feld->setMaxLength(std::numeric_limits<int>::max());
  QStringList beschriftungen{beschriftung};
  if (!gruppe.isEmpty()) {
    beschriftungen.prepend(gruppe);
  }
  feld->setAccessibleName(Sprechtext(beschriftungen.join(QStringLiteral(", "))));
  feld->setProperty("feldname", beschriftungen.join(QStringLiteral(" – ")));
  return feld;
}

QGroupBox* Formular::Auswahl(const char* name, const QString& titel, Twips lage) {
  auto* gruppe = new Gruppe(this);
  gruppe->setObjectName(QLatin1String(name));
  gruppe->setGeometry(Rechteck(lage));
  gruppe->setAccessibleName(titel);
  return gruppe;
}

QRadioButton* Formular::Wahlknopf(QGroupBox* gruppe, const char* name, const QString& text,
                                  Twips lage) {
  auto* knopf = new QRadioButton(text, gruppe);
  knopf->setObjectName(QLatin1String(name));
  knopf->setGeometry(Rechteck(lage).translated(-gruppe->pos()));
  knopf->setFont(Arial9());
  einzupassen_.push_back(knopf);
  return knopf;
}

void Formular::Beschriften(std::initializer_list<std::pair<const char*, QWidget*>> paare) {
  for (const auto& [beschriftung, feld] : paare) {
    if (auto* label = findChild<QLabel*>(QLatin1String(beschriftung))) {
      label->setBuddy(feld);
    }
  }
}

QPushButton* Formular::Knopf(const char* name, const QString& text, Twips lage, bool arial) {
  auto* knopf = new QPushButton(text, this);
  knopf->setObjectName(QLatin1String(name));
  Gesprochen(knopf, text);
  knopf->setGeometry(Rechteck(lage));
  if (arial) {
    knopf->setFont(Arial9());
  }
  einzupassen_.push_back(knopf);
  return knopf;
}

void Formular::Linie(const char* name, int x1, int y1, int x2, int y2) {
  // A line includes both end points: one pixel wide across, length + 1 along.
  linien_.push_back({name, QRect(Px(std::min(x1, x2)), Px(std::min(y1, y2)),
                                 Px(std::abs(x2 - x1)) + 1, Px(std::abs(y2 - y1)) + 1)});
}
