#include "Stapel.h"

#include "Auftrag.h"
#include "Ausgang.h"
#include "Datei.h"
#include "Datumswechsel.h"
#include "Zeile.h"

#include <QCoreApplication>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>

namespace {

/// Bytes read and written at a time.
constexpr qint64 Blockgroesse = 64 * 1024;
/// The byte order mark some spreadsheets put before UTF-8 text.
constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr int Hundert = 100; ///< percent
/// No point list has such records; a file without line ends must not fill
/// the memory.
constexpr std::size_t LaengsteZeile = 1024 * 1024;
/// Percent of the input file read, each value once, on a terminal that is
/// not the output's.
class Fortschritt {
public:
  Fortschritt(qint64 groesse, bool datei, int ausgabe)
      : groesse_(groesse),
        an_(datei && groesse_ > 0 && isatty(STDERR_FILENO) == 1 && isatty(ausgabe) == 0) {}
  void Melden(qint64 gelesen) {
    const auto prozent = static_cast<int>(gelesen * Hundert / (groesse_ > 0 ? groesse_ : 1));
    if (an_ && prozent != prozent_) {
      std::fprintf(stderr, "\r%3d %%", prozent);
      prozent_ = prozent;
    }
  }
  /// Clears the percentage; the next Melden shows it again.
  void Loeschen() {
    if (an_ && prozent_ >= 0) {
      std::fputs("\r      \r", stderr);
      prozent_ = -1;
    }
  }
  ~Fortschritt() { Loeschen(); }
  Fortschritt(const Fortschritt&) = delete;
  Fortschritt& operator=(const Fortschritt&) = delete;

private:
  qint64 groesse_;
  bool an_;
  int prozent_ = -1;
};

void Melden(const QString& text) {
  std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
               text.toUtf8().constData());
}

/// One run: the input's records, each into one output record, in order.
class Lauf {
public:
  explicit Lauf(const Auftrag& auftrag) : auftrag_(auftrag) {}

  int Ausfuehren() {
    const Richtung richtung = auftrag_.format.richtung;
    if (richtung == Richtung::GKUTM || richtung == Richtung::UTMGK) {
      try { // no grid: stop before any file is touched
        wechsel_ = std::make_unique<Datumswechsel>();
      } catch (const Datumsabbruch& abbruch) {
        throw Abbruch(QString::fromUtf8(abbruch.what()));
      }
    }
    eingabe_.emplace(auftrag_.eingabe);
    eingabeName_ = eingabe_->Name();
    ausgabe_.emplace(auftrag_.ausgabe, *eingabe_);
    Umrechnen();
    Schreiben();
    ausgabe_->Abschliessen();
    std::fprintf(stderr, "%lld von %lld Zeilen umgerechnet", umgerechnet_, zeilen_);
    if (kommentare_ > 0) {
      std::fprintf(stderr, ", %lld %s übernommen", kommentare_,
                   kommentare_ == 1 ? "Kommentarzeile" : "Kommentarzeilen");
    }
    std::fputs("\n", stderr);
    return umgerechnet_ == zeilen_ ? AllesUmgerechnet : ZeilenFehlgeschlagen;
  }

private:
  /// Reads the input block by block and converts each whole record.
  void Umrechnen() {
    Fortschritt fortschritt(eingabe_->Groesse(), !auftrag_.eingabe.isEmpty(),
                            ausgabe_->Deskriptor());
    fortschritt_ = &fortschritt;
    std::string rest; // read, but not yet a whole record
    qint64 gelesen = 0;
    for (bool letzter = false; !letzter;) {
      const std::size_t alt = rest.size();
      rest.resize(alt + Blockgroesse);
      const qint64 neu = eingabe_->Lesen(rest.data() + alt, Blockgroesse);
      rest.resize(alt + static_cast<std::size_t>(neu));
      letzter = neu == 0;
      std::size_t anfang = umrechner_ ? 0 : Beginnen(rest);
      while (anfang < rest.size()) {
        const std::string_view text = std::string_view(rest).substr(anfang);
        const std::size_t ende = Satzende(text, letzter);
        if (ende == std::string_view::npos) {
          break;
        }
        if (ende > LaengsteZeile) {
          ZuLang();
        }
        Satz(text.substr(0, ende));
        anfang += ende + 1;
      }
      rest.erase(0, anfang);
      if (letzter && !rest.empty()) {
        throw Abbruch(QStringLiteral("Eingabe %1, Zeile %2: ein Anführungszeichen wird nicht "
                                     "geschlossen.")
                          .arg(eingabeName_)
                          .arg(zeile_));
      }
      if (rest.size() > LaengsteZeile) {
        ZuLang();
      }
      if (puffer_.size() >= Blockgroesse) {
        Schreiben();
      }
      fortschritt.Melden(gelesen += neu);
    }
    fortschritt_ = nullptr;
  }

  /// Looks at the input's start: its encoding, and a byte order mark, which
  /// is copied. Returns where the first record begins.
  std::size_t Beginnen(std::string_view anfang) {
    if (anfang.starts_with("\xFF\xFE") || anfang.starts_with("\xFE\xFF")) {
      throw Abbruch(QStringLiteral("Eingabe %1 ist UTF-16 kodiert („Unicode-Text“). Bitte als "
                                   "Text CSV in UTF-8 oder Windows-1252 speichern.")
                        .arg(eingabeName_));
    }
    if (anfang.find('\0') != std::string_view::npos) {
      throw Abbruch(QStringLiteral("Eingabe %1 enthält Nullbytes: keine Textdatei, oder UTF-16 "
                                   "ohne Byte-Order-Mark. Bitte als Text CSV in UTF-8 speichern.")
                        .arg(eingabeName_));
    }
    Zeilenformat format = auftrag_.format;
    format.windows1252 = auftrag_.kodierung == Kodierung::Windows1252 ||
                         (auftrag_.kodierung == Kodierung::Erkennen && !IstUtf8(anfang));
    pruefen_ = auftrag_.kodierung == Kodierung::Erkennen && !format.windows1252;
    umrechner_.emplace(format, wechsel_.get());
    if (anfang.starts_with(Bom)) {
      puffer_ += Bom;
      return Bom.size();
    }
    return 0;
  }

  /// The end of the record at the start of `text`, as Zerlegen gives it. A
  /// comment ends at its line's end, whatever quotes it holds.
  std::size_t Satzende(std::string_view text, bool letzter) {
    if (!text.starts_with('#') || (kopf_ && auftrag_.kopfzeile)) {
      return umrechner_->Zerlegen(text, letzter);
    }
    const std::size_t ende = text.find('\n');
    return ende == std::string_view::npos && letzter ? text.size() : ende;
  }

  void Satz(std::string_view satz) {
    const long long zeilen = 1 + std::count(satz.begin(), satz.end(), '\n');
    std::string_view ende = "\n";
    if (satz.ends_with('\r')) {
      satz.remove_suffix(1);
      ende = "\r\n";
    }
    if (pruefen_ && !IstAscii(satz) && !IstUtf8(satz)) {
      throw Abbruch(QStringLiteral("Eingabe %1, Zeile %2 ist kein UTF-8, ihr Anfang aber schon. "
                                   "Mit --kodierung windows-1252 oder utf-8 angeben, wie sie zu "
                                   "lesen ist.")
                        .arg(eingabeName_)
                        .arg(zeile_));
    }
    if (std::exchange(kopf_, false) && auftrag_.kopfzeile) {
      (puffer_ += satz) += umrechner_->Spaltennamen();
    } else if (satz.starts_with('#')) {
      puffer_ += satz;
      ++kommentare_;
      Kommentar(satz);
    } else if (!satz.empty()) {
      ++zeilen_;
      umgerechnet_ += umrechner_->Umrechnen(satz, puffer_) ? 1 : 0;
    }
    puffer_ += ende;
    zeile_ += zeilen;
  }

  /// A comment that would convert is most likely a point named "#…".
  void Kommentar(std::string_view satz) {
    if (umrechner_->Zerlegen(satz, true) == satz.size() && umrechner_->Umrechenbar()) {
      fortschritt_->Loeschen();
      Melden(QStringLiteral("Warnung: Zeile %1 beginnt mit # und wird als Kommentar übernommen, "
                            "ließe sich aber umrechnen. Ist # Teil eines Punktnamens, den Namen "
                            "in Anführungszeichen setzen.")
                 .arg(zeile_));
    }
  }

  [[noreturn]] void ZuLang() const {
    throw Abbruch(QStringLiteral("Eingabe %1, Zeile %2: eine Zeile ist länger als %3 Bytes.")
                      .arg(eingabeName_)
                      .arg(zeile_)
                      .arg(LaengsteZeile));
  }

  void Schreiben() {
    if (umrechner_) {
      umgerechnet_ -= umrechner_->Fertig(puffer_);
    }
    ausgabe_->Schreiben(puffer_);
    puffer_.clear();
  }

  const Auftrag& auftrag_;
  std::unique_ptr<Datumswechsel> wechsel_;   ///< gk-utm and utm-gk only
  std::optional<Zeilenumrechner> umrechner_; ///< made when the encoding is known
  QString eingabeName_;
  std::optional<Eingabe> eingabe_;
  std::optional<Ausgabe> ausgabe_; ///< discards its temporary file unless finished
  Fortschritt* fortschritt_ = nullptr;
  std::string puffer_;   ///< output not yet written
  bool kopf_ = true;     ///< the next record is the input's first
  bool pruefen_ = false; ///< the input's start was UTF-8: the rest must be too
  long long zeile_ = 1;  ///< line number where the next record begins
  long long zeilen_ = 0;
  long long umgerechnet_ = 0;
  long long kommentare_ = 0;
};

} // namespace

int StapelAusfuehren(const QStringList& argumente) {
  // A file-size limit must end in a message and a discarded temporary file,
  // not in a signal that leaves the temporary file behind.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    const Auftrag auftrag = Auswerten(argumente);
    return Lauf(auftrag).Ausfuehren();
  } catch (const Abbruch& abbruch) {
    Melden(QString::fromStdString(abbruch.what()));
  } catch (const std::exception& fehler) {
    Melden(QStringLiteral("Unerwarteter Fehler: %1").arg(QString::fromLocal8Bit(fehler.what())));
  }
  return Abgebrochen;
}
