// The run's two files: the input, read as it comes, and the output, written
// so that a failed or interrupted run loses nothing. The records between
// them are Stapel's. Paths are bytes, as the command line gave them: a
// Latin-1 name on a USB stick reaches the file system as it is, whatever
// the locale.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>
#include <string_view>

/// A command-line argument as text for the option parser: UTF-8, each byte
/// that is not part of a UTF-8 character kept as the lone surrogate
/// U+DC80…U+DCFF, which no decoded UTF-8 holds.
QString ArgumentText(QByteArrayView bytes);
/// The argument's bytes back from ArgumentText, exactly.
QByteArray ArgumentBytes(const QString& text);

/// The system's reason for the error number `fehler` (errno), in German
/// whatever the locale.
QString Systemfehler(int fehler);

/// The input file, or standard input.
class Eingabe {
public:
  /// Opens `pfad` (empty: standard input); throws Abbruch.
  explicit Eingabe(const QByteArray& pfad);
  ~Eingabe();
  Eingabe(const Eingabe&) = delete;
  Eingabe& operator=(const Eingabe&) = delete;

  /// Reads at most `hoechstens` bytes into `ziel`; 0 at the end. Throws Abbruch.
  qint64 Lesen(char* ziel, qint64 hoechstens);
  /// The file's size in bytes; 0 for standard input or a pipe.
  [[nodiscard]] qint64 Groesse() const { return groesse_; }
  [[nodiscard]] int Deskriptor() const { return deskriptor_; }
  /// „pfad“, or "Standardeingabe", for messages.
  [[nodiscard]] const QString& Name() const { return name_; }

private:
  int deskriptor_;
  QString name_;
  qint64 groesse_ = 0;
};

/// The output. A regular file is written as a temporary file next to its
/// target (its links followed) and renamed over it at the end: a failed run
/// leaves no half-written file and an older file unchanged. Where the file
/// system has unnamed temporary files (O_TMPFILE), the file has no name
/// until then; elsewhere (vfat, exFAT, NFS, CIFS) SIGINT, SIGTERM, SIGHUP,
/// SIGQUIT and SIGPIPE remove it before the program ends by the signal.
/// Anything else (standard output, devices, FIFOs, terminals, links to
/// held-open descriptors such as /dev/stdout) is written directly and never
/// truncated.
class Ausgabe {
public:
  /// Opens `pfad` (empty: standard output). Refuses, before anything is
  /// written, to write directly into the input's own file. Throws Abbruch.
  Ausgabe(const QByteArray& pfad, const Eingabe& eingabe);
  ~Ausgabe(); ///< discards the temporary file unless Abschliessen succeeded
  Ausgabe(const Ausgabe&) = delete;
  Ausgabe& operator=(const Ausgabe&) = delete;

  /// Writes all of `text`; throws Abbruch.
  void Schreiben(std::string_view text);
  /// Puts the file in place, on the disk; throws Abbruch.
  void Abschliessen();
  [[nodiscard]] int Deskriptor() const { return deskriptor_; }
  /// „pfad“, or "Standardausgabe", for messages.
  [[nodiscard]] const QString& Name() const { return name_; }

private:
  void TemporaerAnlegen();
  void Benennen();
  [[noreturn]] void Fehler(const char* was, int fehler) const;

  int deskriptor_ = -1;
  QString name_;
  std::string ziel_;      ///< the file renamed over at the end; empty: written directly
  std::string temporaer_; ///< the temporary file's name, once it has one
};
