#include "Kodierung.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

constexpr const char* Windows1252 = "windows-1252";
constexpr char16_t Minuszeichen = u'\u2212';

std::string AlsString(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

bool IstAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IstUtf8(std::string_view text) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  const QString unbenutzt =
      decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  return !decoder.hasError();
}

std::string Utf8AusWindows1252(std::string_view text) {
  QStringDecoder decoder(Windows1252);
  const QString zeichen = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  return AlsString(zeichen.toUtf8());
}

std::string Windows1252AusUtf8(std::string_view utf8) {
  QString zeichen = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  zeichen.replace(QChar(Minuszeichen), QLatin1Char('-'));
  QStringEncoder encoder(Windows1252);
  return AlsString(encoder(zeichen));
}
