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
  QString titel, text;
};
/// Messages the program reported, newest last.
inline QList<Meldung> Meldungen;

/// German locale, recording reporter.
inline void FensterTestsVorbereiten() {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  MelderSetzen([](QWidget* w, const QString& titel, const QString& text) {
    Meldungen.append({w, titel, text});
  });
}

/// Open windows of class T, after the pending deletions of closed ones.
template <typename T> QList<T*> Offen() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QList<T*> liste;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* f = qobject_cast<T*>(w); f && f->isVisible()) {
      liste.append(f);
    }
  }
  return liste;
}

/// Closes every window and empties the recorded messages.
inline void AllesSchliessen() {
  QApplication::closeAllWindows();
  Offen<QWidget>();
  Meldungen.clear();
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

/// Types `text` into `feld` as a user would, replacing what stood there;
/// each character arrives as a key event carrying it, as an input method
/// delivers "−" or "½" too.
inline void Tippen(QLineEdit* feld, const QString& text) {
  feld->selectAll();
  QTest::keyClick(feld, Qt::Key_Delete);
  for (const QChar zeichen : text) {
    QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
  }
}

inline void Klicken(QPushButton* knopf) {
  QTest::mouseClick(knopf, Qt::LeftButton);
}

} // namespace Test
