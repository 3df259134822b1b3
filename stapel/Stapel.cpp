#include "Stapel.h"

#include "Auftrag.h"
#include "Zeile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

/// Bytes read and written at a time.
constexpr qint64 Blockgroesse = 64 * 1024;
/// The byte order mark some spreadsheets put before UTF-8 text.
constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr int Hundert = 100; ///< percent
/// No point list has such lines; a file without line ends must not fill
/// the memory.
constexpr std::size_t LaengsteZeile = 1024 * 1024;

QString Standardname(const QString& pfad, const char* strom) {
  return pfad.isEmpty() ? QString::fromUtf8(strom) : QStringLiteral("„%1“").arg(pfad);
}

/// Percent of the input file read, on a terminal only, each value once.
class Fortschritt {
public:
  Fortschritt(const QFile& eingabe, bool datei)
      : groesse_(eingabe.size()), an_(datei && groesse_ > 0 && isatty(STDERR_FILENO) == 1) {}
  void Melden(qint64 gelesen) {
    const auto prozent = static_cast<int>(gelesen * Hundert / (groesse_ > 0 ? groesse_ : 1));
    if (an_ && prozent != prozent_) {
      std::fprintf(stderr, "\r%3d %%", prozent);
      prozent_ = prozent;
    }
  }
  /// Clears the percentage, also when the run is given up.
  ~Fortschritt() {
    if (an_) {
      std::fputs("\r      \r", stderr);
    }
  }
  Fortschritt(const Fortschritt&) = delete;
  Fortschritt& operator=(const Fortschritt&) = delete;

private:
  qint64 groesse_;
  bool an_;
  int prozent_ = -1;
};

/// One run: the input's lines, each into one output line, in order.
class Lauf {
public:
  explicit Lauf(const Auftrag& auftrag)
      : auftrag_(auftrag), umrechner_(auftrag.richtung, auftrag.trenner, auftrag.datum),
        eingabeName_(Standardname(auftrag.eingabe, "Standardeingabe")),
        ausgabeName_(Standardname(auftrag.ausgabe, "Standardausgabe")) {}

  int Ausfuehren() {
    EingabeOeffnen();
    AusgabeOeffnen();
    Umrechnen();
    Schreiben();
    Abschliessen();
    const long long umgerechnet = umrechner_.Umgerechnet();
    std::fprintf(stderr, "%lld von %lld Zeilen umgerechnet\n", umgerechnet, zeilen_);
    return umgerechnet == zeilen_ ? AllesUmgerechnet : ZeilenFehlgeschlagen;
  }

private:
  /// Reads the input block by block and converts each whole line.
  void Umrechnen() {
    Fortschritt fortschritt(eingabe_, !auftrag_.eingabe.isEmpty());
    std::string rest; // read, but not yet a whole line
    qint64 gelesen = 0;
    for (;;) {
      const std::size_t alt = rest.size();
      rest.resize(alt + Blockgroesse);
      const qint64 neu = eingabe_.read(rest.data() + alt, Blockgroesse);
      if (neu < 0) {
        throw Abbruch(QStringLiteral("Eingabe %1 lässt sich nicht lesen: %2")
                          .arg(eingabeName_, eingabe_.errorString()));
      }
      rest.resize(alt + static_cast<std::size_t>(neu));
      if (neu == 0) {
        break;
      }
      std::size_t anfang = 0;
      for (std::size_t ende; (ende = rest.find('\n', anfang)) != std::string::npos;
           anfang = ende + 1) {
        Zeile(std::string_view(rest).substr(anfang, ende - anfang));
      }
      rest.erase(0, anfang);
      if (rest.size() > LaengsteZeile) {
        throw Abbruch(QStringLiteral("Eingabe %1: eine Zeile ist länger als %2 Bytes.")
                          .arg(eingabeName_)
                          .arg(LaengsteZeile));
      }
      if (puffer_.size() >= Blockgroesse) {
        Schreiben();
      }
      fortschritt.Melden(gelesen += neu);
    }
    if (!rest.empty()) {
      Zeile(rest); // the last line lacks its line end; the output's has one
    }
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

  /// A file is written under a temporary name and renamed at the end, so a
  /// failed run leaves no half-written file. Standard output, a device or a
  /// pipe has nothing to rename and is written directly.
  void AusgabeOeffnen() {
    const QString& pfad = auftrag_.ausgabe;
    bool offen = false;
    if (pfad.isEmpty()) {
      auto datei = std::make_unique<QFile>();
      offen = datei->open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
      ausgabe_ = std::move(datei);
    } else if (QFileInfo::exists(pfad) && !QFileInfo(pfad).isFile()) {
      auto datei = std::make_unique<QFile>(pfad);
      offen = datei->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
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

  void Zeile(std::string_view zeile) {
    std::string_view ende = "\n";
    if (!zeile.empty() && zeile.back() == '\r') {
      zeile.remove_suffix(1);
      ende = "\r\n";
    }
    if (ersteZeile_) {
      ersteZeile_ = false;
      if (zeile.starts_with(Bom)) {
        puffer_ += Bom;
        zeile.remove_prefix(Bom.size());
      }
      if (auftrag_.kopfzeile) {
        (puffer_ += zeile) += umrechner_.Spaltennamen();
        puffer_ += ende;
        return;
      }
    }
    if (zeile.empty() || zeile.front() == '#') {
      puffer_ += zeile;
    } else {
      ++zeilen_;
      umrechner_.Umrechnen(zeile, puffer_);
    }
    puffer_ += ende;
  }

  void Schreiben() {
    umrechner_.Fertig(puffer_);
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
  Zeilenumrechner umrechner_;
  QString eingabeName_;
  QString ausgabeName_;
  QFile eingabe_;
  std::unique_ptr<QFileDevice> ausgabe_; ///< discards its temporary file unless committed
  std::string puffer_;                   ///< output not yet written
  bool ersteZeile_ = true;
  long long zeilen_ = 0;
};

void Melden(const QString& text) {
  std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
               text.toUtf8().constData());
}

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
