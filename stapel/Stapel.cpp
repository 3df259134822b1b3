#include "Stapel.h"

#include "Auftrag.h"
#include "Ausgang.h"
#include "Datei.h"
#include "Datumswechsel.h"
#include "Koordinaten.h"
#include "Satzleser.h"
#include "Schreiber.h"
#include "Umrechner.h"

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
    const Zeilenformat& f = auftrag_.format;
    if (!f.wieFenster) {
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
    if (!verlorene_.isEmpty()) {
      std::fprintf(stderr, "; nicht umgerechnet, weil sie mit # beginnen: Zeile %s",
                   verlorene_.join(QStringLiteral(", ")).toUtf8().constData());
    }
    std::fputs("\n", stderr);
    return umgerechnet_ == zeilen_ ? AllesUmgerechnet : ZeilenFehlgeschlagen;
  }

private:
  /// Reads the input block by block; the whole records of each block are
  /// read into points, converted together and written.
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
      std::size_t anfang = leser_ ? 0 : Beginnen(rest);
      while (anfang < rest.size()) {
        const std::string_view text = std::string_view(rest).substr(anfang);
        const std::size_t laenge = Zerlegen(text, letzter);
        if (laenge == std::string_view::npos) {
          break;
        }
        if (laenge > LaengsteZeile) {
          ZuLang();
        }
        Satz();
        anfang += laenge;
      }
      Blockschreiben();
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
    format_ = auftrag_.format;
    format_.windows1252 = auftrag_.kodierung == Kodierung::Windows1252 ||
                          (auftrag_.kodierung == Kodierung::Erkennen && !IstUtf8(anfang));
    pruefen_ = auftrag_.kodierung == Kodierung::Erkennen && !format_.windows1252;
    leser_.emplace(format_.trenner, format_.leer, format_.windows1252);
    Einrichten();
    if (anfang.starts_with(Bom)) {
      puffer_ += Bom;
      return Bom.size();
    }
    return 0;
  }

  /// The reader of coordinates, the converter and the writer for format_.
  void Einrichten() {
    koordinaten_.emplace(format_);
    umrechner_.emplace(format_, wechsel_.get());
    schreiber_.emplace(format_);
  }

  /// Splits the record at the start of `text`. A comment ends at its
  /// line's end, whatever quotes it holds.
  std::size_t Zerlegen(std::string_view text, bool letzter) {
    if (!text.starts_with('#') || (kopf_ && auftrag_.kopfzeile)) {
      return leser_->Zerlegen(text, letzter);
    }
    return leser_->Zeile(text, letzter);
  }

  /// The record just split: into the block's list of output records, and
  /// its point into the block.
  void Satz() {
    const std::string_view satz = leser_->Satz();
    Ausgabesatz& aus = saetze_.emplace_back();
    aus.satz = satz;
    aus.ende = Zeilenende(leser_->Ende());
    if (pruefen_ && !IstAscii(satz) && !IstUtf8(satz)) {
      throw Abbruch(QStringLiteral("Eingabe %1, Zeile %2 ist kein UTF-8, ihr Anfang aber schon. "
                                   "Mit --kodierung windows-1252 oder utf-8 angeben, wie sie zu "
                                   "lesen ist.")
                        .arg(eingabeName_)
                        .arg(zeile_));
    }
    const long long zeile = zeile_;
    zeile_ += Zeilenenden(satz) + 1;
    if (std::exchange(erste_, false) && satz.starts_with("sep=")) {
      Excel(satz);
      return; // the header, if any, comes next
    }
    if (std::exchange(kopf_, false) && auftrag_.kopfzeile) {
      aus.art = Ausgabesatz::Art::Kopf;
      Kopf();
    } else if (satz.starts_with('#')) {
      ++kommentare_;
      Kommentar(satz, zeile);
    } else if (!leser_->AllesLeer()) {
      ++zeilen_;
      Punkt(aus);
    }
  }

  /// The record's line end as it came; the last record, without one, gets
  /// that of the record before it.
  std::string_view Zeilenende(std::string_view ende) {
    if (ende.empty()) {
      return zeilenende_;
    }
    zeilenende_ = ende == "\r\n" ? "\r\n" : ende == "\r" ? "\r" : "\n";
    return zeilenende_;
  }

  static long long Zeilenenden(std::string_view satz) {
    long long n = 0;
    for (std::size_t i = 0; i < satz.size(); ++i) {
      n += satz[i] == '\n' || (satz[i] == '\r' && (i + 1 == satz.size() || satz[i + 1] != '\n'));
    }
    return n;
  }

  /// Reads the record's point into the block, or its failure into `aus`.
  void Punkt(Ausgabesatz& aus) {
    std::string meldung;
    if (format_.wieFenster) {
      meldung = koordinaten_->Lesen(*leser_, format_.spalte, block_.fenster.emplace_back());
    } else {
      Gelesen gelesen;
      meldung = koordinaten_->Lesen(*leser_, format_.spalte, gelesen);
      block_.punkte.push_back(gelesen.punkt);
      block_.baender.push_back(gelesen.band);
    }
    if (!meldung.empty()) {
      aus.art = Ausgabesatz::Art::Fehler;
      aus.meldung = std::move(meldung);
      if (format_.wieFenster) {
        block_.fenster.pop_back();
      } else {
        block_.punkte.pop_back();
        block_.baender.pop_back();
      }
      return;
    }
    if (format_.wieFenster) {
      block_.punkte.emplace_back();
    }
    aus.art = Ausgabesatz::Art::Punkt;
    aus.punkt = block_.meldungen.size();
    block_.meldungen.emplace_back();
  }

  /// Converts the block's points and writes its records.
  void Blockschreiben() {
    umrechner_->Umrechnen(block_);
    for (const Ausgabesatz& satz : saetze_) {
      schreiber_->Schreiben(satz, block_, puffer_);
      if (satz.art == Ausgabesatz::Art::Punkt && Umrechner::Gelungen(block_, satz.punkt)) {
        ++umgerechnet_;
      }
    }
    saetze_.clear();
    block_.Leeren();
  }

  /// Excel's first line "sep=X" names the separator; it is copied.
  void Excel(std::string_view satz) {
    const QString zeichen = QString::fromUtf8(satz.substr(4));
    const char trenner = Feldtrenner(zeichen, format_.dezimal);
    if (format_.trennerGesetzt && (format_.leer || trenner != format_.trenner)) {
      throw Abbruch(QStringLiteral("Eingabe %1: die erste Zeile „%2“ nennt einen anderen "
                                   "Feldtrenner als --trenner.")
                        .arg(eingabeName_, QString::fromUtf8(satz)));
    }
    format_.trenner = trenner;
    leser_->Trenner(trenner);
    Einrichten();
  }

  /// The header names the column of --spalte NAME.
  void Kopf() {
    if (format_.spaltenname.isEmpty()) {
      return;
    }
    for (std::size_t i = 0; i < leser_->Anzahl(); ++i) {
      if (QString::fromUtf8(leser_->Wert(i)) == format_.spaltenname) {
        format_.spalte = i;
        format_.spaltenname.clear();
        Einrichten();
        return;
      }
    }
    throw Abbruch(QStringLiteral("Eingabe %1: die Kopfzeile hat keine Spalte „%2“ (--spalte).")
                      .arg(eingabeName_, format_.spaltenname));
  }

  /// A comment that would convert is most likely a point named "#…": it
  /// counts as a line not converted.
  void Kommentar(std::string_view satz, long long zeile) {
    Gelesen probe;
    Voderedezazarire::Umrechnungsdatensatz u{};
    if (leser_->Zerlegen(satz, true) == satz.size() &&
        (format_.wieFenster ? koordinaten_->Lesen(*leser_, format_.spalte, u)
                            : koordinaten_->Lesen(*leser_, format_.spalte, probe))
            .empty()) {
      ++zeilen_;
      verlorene_ << QString::number(zeile);
      fortschritt_->Loeschen();
      Melden(QStringLiteral("Warnung: Zeile %1 beginnt mit # und wird als Kommentar übernommen, "
                            "ließe sich aber umrechnen. Ist # Teil eines Punktnamens, den Namen "
                            "in Anführungszeichen setzen.")
                 .arg(zeile));
    }
  }

  [[noreturn]] void ZuLang() const {
    throw Abbruch(QStringLiteral("Eingabe %1, Zeile %2: eine Zeile ist länger als %3 Bytes.")
                      .arg(eingabeName_)
                      .arg(zeile_)
                      .arg(LaengsteZeile));
  }

  void Schreiben() {
    ausgabe_->Schreiben(puffer_);
    puffer_.clear();
  }

  const Auftrag& auftrag_;
  Zeilenformat format_;                    ///< the command line's, with what the input says
  std::unique_ptr<Datumswechsel> wechsel_; ///< all but --wie-fenster
  // Made when the input's start is known: record reader, the coordinates'
  // reader and writer, converter, output records.
  std::optional<Satzleser> leser_;
  std::optional<Koordinaten> koordinaten_;
  std::optional<Umrechner> umrechner_;
  std::optional<Schreiber> schreiber_;
  Punktblock block_;                   ///< the points of the block being read
  std::vector<Ausgabesatz> saetze_;    ///< its records
  QStringList verlorene_;              ///< lines of convertible comments
  std::string_view zeilenende_ = "\n"; ///< the last record's line end
  QString eingabeName_;
  std::optional<Eingabe> eingabe_;
  std::optional<Ausgabe> ausgabe_; ///< discards its temporary file unless finished
  Fortschritt* fortschritt_ = nullptr;
  std::string puffer_;   ///< output not yet written
  bool erste_ = true;    ///< the next record is the input's first
  bool kopf_ = true;     ///< the next record is the header, if there is one
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
