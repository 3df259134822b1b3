// Helpers for the window tests: find open windows, type into text boxes,
// record the error messages instead of showing modal boxes.
#pragma once

#include "Fehleranzeige.h"
#include "Pruefung.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace Test {

struct Meldung {
  QWidget* fenster;
  QString titel;
  QString text;
};

/// Messages the program reported, newest last.
inline QList<Meldung>& Meldungen() {
  static QList<Meldung> liste;
  return liste;
}

/// German locale, recording reporter.
inline void FensterTestsVorbereiten() {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  MelderSetzen([](QWidget* fenster, const QString& titel, const QString& text) {
    Meldungen().append({fenster, titel, text});
  });
}

/// Runs pending deletions of closed windows.
inline void Aufraeumen() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// Closes every window, empties the state and the recorded messages.
inline void AllesSchliessen() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    w->close();
  }
  Aufraeumen();
  Umrechnungsdaten = Voderedezazarire::Umrechnungsdatensatz{};
  Meldungen().clear();
}

/// Open (not yet destroyed, visible) windows of class T.
template <typename T> QList<T*> Offen() {
  Aufraeumen();
  QList<T*> liste;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* f = qobject_cast<T*>(w); f && f->isVisible()) {
      liste.append(f);
    }
  }
  return liste;
}

/// The one window of class T that `aktion` opened, or nullptr when it did
/// not open exactly one.
template <typename T, typename F> T* Oeffnet(F&& aktion) {
  const QList<T*> vorher = Offen<T>();
  aktion();
  QList<T*> neu = Offen<T>();
  neu.removeIf([&](T* f) { return vorher.contains(f); });
  return neu.size() == 1 ? neu.first() : nullptr;
}

/// Types `text` into `feld` as a user would, replacing what stood there.
/// QTest only knows ASCII keys; other characters ("−", "½") arrive as key
/// events carrying their text, as an input method delivers them.
inline void Tippen(QLineEdit* feld, const QString& text) {
  feld->selectAll();
  QTest::keyClick(feld, Qt::Key_Delete);
  for (const QChar zeichen : text) {
    if (zeichen.unicode() < 128) {
      QTest::keyClick(feld, char(zeichen.unicode()));
    } else {
      QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
    }
  }
}

inline void Klicken(QPushButton* knopf) {
  QTest::mouseClick(knopf, Qt::LeftButton);
}

} // namespace Test
