#include "Fehleranzeige.h"

#include "Textumwandlung.h"
#include "Zugaenglichkeit.h"

#include <QApplication>
#include <QLabel>
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
  QMessageBox box(QMessageBox::Warning, titel, text, QMessageBox::Ok, fenster);
  // A screen reader announces the box by its name: the error kind, the
  // message's first line, rather than the program's name in the title.
  box.setAccessibleName(text.section(QLatin1Char('\n'), 0, 0));
  // The message then reads on from its second line: the kind once.
  const QString rest = text.section(QLatin1Char('\n'), 1).trimmed();
  if (auto* meldung = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      meldung && !rest.isEmpty()) {
    meldung->setAccessibleName(rest);
  }
  if (auto* symbol = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
    symbol->setAccessibleName(QStringLiteral("Warnung"));
  }
  box.exec();
}

QString Hinweis(Fehlerart art, bool inFeld, Feldinhalt inhalt, const QString& einzelheit) {
  switch (art) {
  case Fehlerart::Typenkonflikt:
    switch (inhalt) {
    case Feldinhalt::Leer:
      return QStringLiteral("Das Feld ist leer. Bitte einen Wert eingeben.");
    case Feldinhalt::ZuLang:
      return QStringLiteral("Der Text ist länger als %1 Zeichen und wird nicht gelesen. Bitte "
                            "nur die Zahl eingeben.")
          .arg(Hoechstlaenge);
    case Feldinhalt::Ganzzahl:
      return QStringLiteral("Bitte eine ganze Zahl eingeben, zum Beispiel 3.");
    case Feldinhalt::Zahl:
      break;
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
  case Fehlerart::AusserhalbGitter:
    return QStringLiteral("Der Datumswechsel rechnet nur im Gitter BeTA2007 (Deutschland und ein "
                          "Rand darum), nie mit einem gröberen Verfahren.");
  case Fehlerart::Bereich:
    return einzelheit;
  case Fehlerart::OhneDatum:
    return einzelheit + QStringLiteral("\nDie anderen Umrechnungen arbeiten weiter.");
  }
  return {};
}

} // namespace

void MelderSetzen(Melder melder) {
  AktuellerMelder() = std::move(melder);
}

QString Fehlertext(Fehlerart art, const QString& feldname, Feldinhalt inhalt,
                   const QString& einzelheit) {
  QString text = QString::fromUtf8(Voderedezazarire::Fehlername(art));
  if (!feldname.isEmpty()) {
    text += QStringLiteral("\n\nFeld: ") + feldname;
  }
  return text + QStringLiteral("\n") + Hinweis(art, !feldname.isEmpty(), inhalt, einzelheit);
}

void Ereignis(QWidget* fenster, const std::function<void(Eingabe&)>& handler) noexcept {
  Eingabe eingabe;
  try {
    try {
      handler(eingabe);
    } catch (const Fehler& fehler) {
      QLineEdit* feld = eingabe.Fehlerfeld();
      const QString feldname = feld ? feld->property("feldname").toString() : QString();
      Feldinhalt inhalt = eingabe.Ganzzahlig() ? Feldinhalt::Ganzzahl : Feldinhalt::Zahl;
      if (feld && feld->text().trimmed().isEmpty()) {
        inhalt = Feldinhalt::Leer;
      } else if (feld && feld->text().size() > Hoechstlaenge) {
        inhalt = Feldinhalt::ZuLang;
      }
      Melden(fenster, Fehlertext(fehler.art(), feldname, inhalt, QString::fromUtf8(fehler.what())));
      if (feld) {
        // The focus announcement tells the selection; said apart, the
        // offending text would be heard twice.
        StilleAuswahl stille(feld);
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
