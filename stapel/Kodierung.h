// The two encodings of point lists: UTF-8, and Windows-1252, which German
// spreadsheets on Windows write. A run writes in its input's encoding.
#pragma once

#include <string>
#include <string_view>

enum class Kodierung {
  Erkennen, ///< UTF-8 unless the input's start is no UTF-8
  Utf8,
  Windows1252
};

bool IstAscii(std::string_view text);

/// Whether `text` is UTF-8; a character cut off at its end counts as UTF-8.
bool IstUtf8(std::string_view text);

std::string Utf8AusWindows1252(std::string_view text);

/// Characters Windows-1252 lacks become '?'; the minus sign U+2212 becomes
/// '-', which the number reader takes as well.
std::string Windows1252AusUtf8(std::string_view utf8);
