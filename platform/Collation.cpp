// SPDX-License-Identifier: MIT
#include "platform/Collation.h"

#include <QCollator>
#include <QLocale>
#include <QStringView>
#include <QVarLengthArray>

namespace {
// Latin-1 is the first block of Unicode: each byte is its own code point.
QVarLengthArray<char16_t, 16> ToUtf16(std::string_view text) {
  QVarLengthArray<char16_t, 16> utf16(static_cast<qsizetype>(text.size()));
  for (std::size_t i = 0; i < text.size(); ++i) utf16[static_cast<qsizetype>(i)] = static_cast<unsigned char>(text[i]);
  return utf16;
}
}  // namespace

int CompareLocaleText(std::string_view a, std::string_view b) {
  static const QCollator collator = [] {
    QCollator c(QLocale::system().collation());
    c.setCaseSensitivity(Qt::CaseSensitive);
    return c;
  }();
  const auto first = ToUtf16(a);
  const auto second = ToUtf16(b);
  return collator.compare(QStringView(first.data(), first.size()), QStringView(second.data(), second.size()));
}
