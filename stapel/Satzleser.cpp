#include "Satzleser.h"

#include "Kodierung.h"

namespace {

constexpr char Anfuehrung = '"';

bool Leerzeichen(char c) {
  return c == ' ' || c == '\t';
}

} // namespace

Satzleser::Satzleser(char trenner, bool leer, bool windows1252)
    : trenner_(trenner), leer_(leer), windows1252_(windows1252) {}

std::size_t Satzleser::Zeilenende(std::string_view text, std::size_t i, bool letzter) {
  if (text[i] == '\n') {
    return 1;
  }
  if (i + 1 < text.size()) {
    return text[i + 1] == '\n' ? 2 : 1;
  }
  return letzter ? 1 : std::string_view::npos;
}

std::size_t Satzleser::Zeile(std::string_view text, bool letzter) {
  const std::size_t i = text.find_first_of("\r\n");
  if (i == std::string_view::npos) {
    if (!letzter) {
      return i;
    }
    satz_ = text;
    ende_ = {};
    return text.size();
  }
  const std::size_t laenge = Zeilenende(text, i, letzter);
  if (laenge == std::string_view::npos) {
    return laenge;
  }
  satz_ = text.substr(0, i);
  ende_ = text.substr(i, laenge);
  return i + laenge;
}

std::size_t Satzleser::Zerlegen(std::string_view text, bool letzter) {
  felder_.clear();
  std::size_t i = 0;
  const auto trenner = [&](std::size_t k) {
    return leer_ ? Leerzeichen(text[k]) : text[k] == trenner_;
  };
  const auto satzende = [&](std::size_t k) { return text[k] == '\n' || text[k] == '\r'; };
  for (;;) {
    const std::size_t anfang = i;
    if (i < text.size() && text[i] == Anfuehrung) {
      // A quoted field ends at a quote that is not doubled; "" is a quote.
      for (++i;; i += 2) {
        i = text.find(Anfuehrung, i);
        if (i == std::string_view::npos || (i + 1 == text.size() && !letzter)) {
          return std::string_view::npos;
        }
        if (i + 1 == text.size() || text[i + 1] != Anfuehrung) {
          ++i;
          break;
        }
      }
    }
    while (i < text.size() && !trenner(i) && !satzende(i)) {
      ++i;
    }
    if (i == text.size() && !letzter) {
      return std::string_view::npos;
    }
    const std::string_view feld = text.substr(anfang, i - anfang);
    if (leer_) { // blanks at the line's start and end separate nothing
      std::size_t k = i;
      while (k < text.size() && Leerzeichen(text[k])) {
        ++k;
      }
      if (!feld.empty() || k == i) {
        felder_.push_back(feld);
      }
      i = k;
    } else {
      felder_.push_back(feld);
    }
    if (i == text.size() || satzende(i)) {
      satz_ = text.substr(0, i);
      if (i == text.size()) {
        ende_ = {};
        return i;
      }
      const std::size_t laenge = Zeilenende(text, i, letzter);
      if (laenge == std::string_view::npos) {
        return laenge;
      }
      ende_ = text.substr(i, laenge);
      return i + laenge;
    }
    if (!leer_) {
      ++i;
    }
  }
}

std::string_view Satzleser::Wert(std::size_t i) {
  std::string_view text = felder_[i];
  if (text.size() >= 2 && text.front() == Anfuehrung && text.back() == Anfuehrung) {
    text = text.substr(1, text.size() - 2);
    if (text.find(Anfuehrung) != std::string_view::npos) {
      wert_.clear();
      for (std::size_t k = 0; k < text.size(); k += text[k] == Anfuehrung ? 2 : 1) {
        wert_ += text[k];
      }
      text = wert_;
    }
  }
  if (windows1252_ && !IstAscii(text)) {
    wert_ = Utf8AusWindows1252(text);
    text = wert_;
  }
  return text;
}

bool Satzleser::AllesLeer() const {
  for (const std::string_view feld : felder_) {
    if (!feld.empty()) {
      return false;
    }
  }
  return true;
}
