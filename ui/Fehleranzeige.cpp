#include "Fehleranzeige.h"

#include "Textumwandlung.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

Melder& AktuellerMelder() {
  static Melder melder;
  return melder;
}

void Melden(QWidget* fenster, const QString& text) {
  const QString titel = QApplication::applicationName();
  if (const Melder& melder = AktuellerMelder()) {
    melder(fenster, titel, text);
    return;
  }
  QMessageBox::warning(fenster, titel, text);
}

QString Hinweis(Fehlerart art, bool inFeld, bool ganzzahlig, bool leer) {
  switch (art) {
  case Fehlerart::Typenkonflikt:
    if (leer) {
      return QStringLiteral("Das Feld ist leer. Bitte einen Wert eingeben.");
    }
    if (ganzzahlig) {
      return QStringLiteral("Bitte eine ganze Zahl eingeben, zum Beispiel 3.");
    }
    return QStringLiteral("Bitte eine Zahl eingeben, zum Beispiel %1 (ohne Tausendertrennzeichen).")
        .arg(Zahlenlocale().toString(52.5));
  case Fehlerart::Ueberlauf:
    return inFeld ? QStringLiteral("Der Wert ist für dieses Feld zu groß oder zu klein.")
                  : QStringLiteral("Ein Wert liegt außerhalb des Zahlenbereichs, den das Programm "
                                   "verarbeiten kann. Bitte die Eingaben prüfen.");
  case Fehlerart::Gleitkommafehler:
    return QStringLiteral("Die Berechnung ergibt mit diesen Eingaben keinen endlichen Wert. Bitte "
                          "die Eingaben prüfen.");
  }
  return {};
}

} // namespace

void MelderSetzen(Melder melder) {
  AktuellerMelder() = std::move(melder);
}

QString Fehlertext(Fehlerart art, const QString& feldname, bool ganzzahlig, bool leer) {
  QString text = QString::fromUtf8(Voderedezazarire::Fehlername(art));
  if (!feldname.isEmpty()) {
    text += QStringLiteral("\n\nFeld: ") + feldname;
  }
  return text + QStringLiteral("\n") + Hinweis(art, !feldname.isEmpty(), ganzzahlig, leer);
}

void Ereignis(QWidget* fenster, const std::function<void(Eingabe&)>& handler) noexcept {
  Eingabe eingabe;
  try {
    try {
      handler(eingabe);
    } catch (const Fehler& fehler) {
      QLineEdit* feld = eingabe.Fehlerfeld();
      const QString feldname = feld ? feld->property("feldname").toString() : QString();
      const bool leer = feld && feld->text().trimmed().isEmpty();
      Melden(fenster, Fehlertext(fehler.art(), feldname, eingabe.Ganzzahlig(), leer));
      if (feld) {
        feld->setFocus(Qt::OtherFocusReason);
        feld->selectAll();
      }
    } catch (const std::exception& fehler) {
      Melden(fenster,
             QStringLiteral("Unerwarteter Fehler: ") + QString::fromLocal8Bit(fehler.what()));
    }
  } catch (...) {
    // Showing the message failed too (out of memory): nothing sensible is
    // left to do but keep the event loop alive.
  }
}
