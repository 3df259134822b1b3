#include "Stapel.h"

#include "Auftrag.h"
#include "Ausgang.h"
#include "Datumswechsel.h"
#include "Zeile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
/// Links followed before a path counts as a loop, as the kernel does.
constexpr int MaxVerweise = 40;

QString Standardname(const QString& pfad, const char* strom) {
  return pfad.isEmpty() ? QString::fromUtf8(strom) : QStringLiteral("„%1“").arg(pfad);
}

/// Whether a new file may be renamed over `pfad`: it names a regular file or
/// none yet, and is no device, FIFO or terminal, nor a link to a descriptor
/// such as /dev/stdout, /dev/fd/1 or /proc/self/fd/1, which stand for a file
/// someone holds open. The links in /dev lead to /proc.
bool Umbenennbar(const QString& pfad) {
  QFileInfo info(QFileInfo(pfad).absoluteFilePath());
  for (int glied = 0; glied < MaxVerweise && info.isSymLink(); ++glied) {
    if (info.absoluteFilePath().startsWith(QLatin1String("/dev/")) ||
        info.absoluteFilePath().startsWith(QLatin1String("/proc/"))) {
      return false;
    }
    info = QFileInfo(info.symLinkTarget());
  }
  return (!info.exists() || info.isFile()) && !info.isSymLink() &&
         !(info.dir().canonicalPath() + u'/').startsWith(QLatin1String("/proc/"));
}

/// Percent of the input file read, each value once, on a terminal that is
/// not the output's.
class Fortschritt {
public:
  Fortschritt(const QFile& eingabe, bool datei, int ausgabe)
      : groesse_(eingabe.size()),
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
  explicit Lauf(const Auftrag& auftrag)
      : auftrag_(auftrag), eingabeName_(Standardname(auftrag.eingabe, "Standardeingabe")),
        ausgabeName_(Standardname(auftrag.ausgabe, "Standardausgabe")) {}

  int Ausfuehren() {
    const Richtung richtung = auftrag_.format.richtung;
    if (richtung == Richtung::GKUTM || richtung == Richtung::UTMGK) {
      try { // no grid: stop before any file is touched
        wechsel_ = std::make_unique<Datumswechsel>();
      } catch (const Datumsabbruch& abbruch) {
        throw Abbruch(QString::fromUtf8(abbruch.what()));
      }
    }
    EingabeOeffnen();
    AusgabeOeffnen();
    Umrechnen();
    Schreiben();
    Abschliessen();
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
    Fortschritt fortschritt(eingabe_, !auftrag_.eingabe.isEmpty(), ausgabe_->handle());
    fortschritt_ = &fortschritt;
    std::string rest; // read, but not yet a whole record
    qint64 gelesen = 0;
    for (bool letzter = false; !letzter;) {
      const std::size_t alt = rest.size();
      rest.resize(alt + Blockgroesse);
      const qint64 neu = eingabe_.read(rest.data() + alt, Blockgroesse);
      if (neu < 0) {
        throw Abbruch(QStringLiteral("Eingabe %1 lässt sich nicht lesen: %2")
                          .arg(eingabeName_, eingabe_.errorString()));
      }
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

  void EingabeOeffnen() {
    const bool offen =
        auftrag_.eingabe.isEmpty()
            ? eingabe_.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered)
            : (eingabe_.setFileName(auftrag_.eingabe),
               eingabe_.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    if (!offen) {
      throw Abbruch(QStringLiteral("Eingabe %1 lässt sich nicht öffnen: %2")
                        .arg(eingabeName_, eingabe_.errorString()));
    }
  }

  /// A regular file is written under a temporary name and renamed at the
  /// end, so a failed run leaves no half-written file. Anything else is
  /// written directly and, like standard output, never truncated.
  void AusgabeOeffnen() {
    const QString& pfad = auftrag_.ausgabe;
    bool offen = false;
    if (pfad.isEmpty()) {
      auto datei = std::make_unique<QFile>();
      offen = datei->open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
      ausgabe_ = std::move(datei);
    } else if (!Umbenennbar(pfad)) {
      auto datei = std::make_unique<QFile>(pfad);
      // A file held open elsewhere, as by ">> f": added to, never truncated.
      const auto anhaengen = QFileInfo(pfad).isFile() ? QIODevice::Append : QIODevice::NotOpen;
      offen = datei->open(QIODevice::WriteOnly | anhaengen | QIODevice::Unbuffered);
      ausgabe_ = std::move(datei);
    } else {
      auto datei = std::make_unique<QSaveFile>(pfad);
      offen = datei->open(QIODevice::WriteOnly);
      ausgabe_ = std::move(datei);
    }
    if (!offen) {
      throw Abbruch(QStringLiteral("Ausgabe %1 lässt sich nicht anlegen: %2")
                        .arg(ausgabeName_, ausgabe_->errorString()));
    }
  }

  void Schreiben() {
    if (umrechner_) {
      umgerechnet_ -= umrechner_->Fertig(puffer_);
    }
    const auto laenge = static_cast<qint64>(puffer_.size());
    if (ausgabe_->write(puffer_.data(), laenge) != laenge) {
      Schreibfehler();
    }
    puffer_.clear();
  }

  void Abschliessen() {
    auto* sicher = dynamic_cast<QSaveFile*>(ausgabe_.get());
    if (sicher != nullptr ? !sicher->commit() : !ausgabe_->flush()) {
      Schreibfehler();
    }
  }

  [[noreturn]] void Schreibfehler() const {
    throw Abbruch(QStringLiteral("Ausgabe %1 lässt sich nicht schreiben: %2")
                      .arg(ausgabeName_, ausgabe_->errorString()));
  }

  const Auftrag& auftrag_;
  std::unique_ptr<Datumswechsel> wechsel_;   ///< gk-utm and utm-gk only
  std::optional<Zeilenumrechner> umrechner_; ///< made when the encoding is known
  QString eingabeName_;
  QString ausgabeName_;
  QFile eingabe_;
  std::unique_ptr<QFileDevice> ausgabe_; ///< discards its temporary file unless committed
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
