// Records and fields as spreadsheets and surveying programs write them: a
// record ends at "\n", "\r\n" or a lone "\r" (old Mac files); fields are
// separated by one character or, in fixed-column files, by runs of blanks
// and tabs. A field in double quotes may hold the separator, line ends and
// "" for a quote (RFC 4180). The values of fields are read in the input's
// encoding; the record's own bytes are never changed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class Satzleser {
public:
  /// `trenner`: the field separator, or with `leer` runs of ' ' and '\t'.
  Satzleser(char trenner, bool leer, bool windows1252);

  void Trenner(char trenner) { trenner_ = trenner; }

  /// Splits the record at the start of `text`. Returns the length of the
  /// record with its line end; npos when more input is needed or, with
  /// `letzter` (no more input follows), a quote is never closed.
  std::size_t Zerlegen(std::string_view text, bool letzter);

  /// The line at the start of `text`, quotes or not (a comment): its length
  /// with the line end, or npos when more input is needed.
  std::size_t Zeile(std::string_view text, bool letzter);

  /// The record last split, without its line end; its line end as it came.
  [[nodiscard]] std::string_view Satz() const { return satz_; }
  [[nodiscard]] std::string_view Ende() const { return ende_; }

  [[nodiscard]] std::size_t Anzahl() const { return felder_.size(); }
  /// Field `i` (0-based) as it stands, quotes included.
  [[nodiscard]] std::string_view Feld(std::size_t i) const { return felder_[i]; }
  /// Field `i`'s value: without its quotes, in UTF-8. Valid until the next call.
  std::string_view Wert(std::size_t i);
  /// Whether every field is empty (a spreadsheet's empty row: ";;;;").
  [[nodiscard]] bool AllesLeer() const;

private:
  /// The length of the line end at text[i] ("\n", "\r\n", "\r"); npos when
  /// a '\r' ends `text` and more input may bring its '\n'.
  static std::size_t Zeilenende(std::string_view text, std::size_t i, bool letzter);

  char trenner_;
  bool leer_;
  bool windows1252_;
  std::string_view satz_;
  std::string_view ende_;
  std::vector<std::string_view> felder_;
  std::string wert_;
};
