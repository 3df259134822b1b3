// The run's two files: the input, read as it comes, and the output, written
// so that a failed run loses nothing. The records between them are Stapel's.
#pragma once

#include <QFile>
#include <QString>

#include <memory>
#include <string_view>

/// The input file, or standard input.
class Eingabe {
public:
  /// Opens `pfad` (empty: standard input); throws Abbruch.
  explicit Eingabe(const QString& pfad);
  /// Reads at most `hoechstens` bytes into `ziel`; 0 at the end. Throws Abbruch.
  qint64 Lesen(char* ziel, qint64 hoechstens);
  /// The file's size in bytes; 0 for standard input.
  [[nodiscard]] qint64 Groesse() const;
  /// „pfad“, or "Standardeingabe", for messages.
  [[nodiscard]] const QString& Name() const { return name_; }

private:
  QFile datei_;
  QString name_;
  bool datei_offen_ = false; ///< a named file, not standard input
};

/// The output. A regular file is written under a temporary name and renamed
/// over its target at the end, so a failed run leaves no half-written file
/// and an older file unchanged; anything else (standard output, devices,
/// FIFOs, terminals, links to held-open descriptors such as /dev/stdout) is
/// written directly and never truncated.
class Ausgabe {
public:
  /// Opens `pfad` (empty: standard output); throws Abbruch.
  explicit Ausgabe(const QString& pfad);
  ~Ausgabe(); ///< discards the temporary file unless Abschliessen succeeded
  Ausgabe(const Ausgabe&) = delete;
  Ausgabe& operator=(const Ausgabe&) = delete;

  /// Writes all of `text`; throws Abbruch.
  void Schreiben(std::string_view text);
  /// Flushes and puts the file in place; throws Abbruch.
  void Abschliessen();
  [[nodiscard]] int Deskriptor() const;
  /// „pfad“, or "Standardausgabe", for messages.
  [[nodiscard]] const QString& Name() const { return name_; }

private:
  [[noreturn]] void Schreibfehler() const;

  std::unique_ptr<QFileDevice> datei_;
  QString name_;
};
