#include "platform/Collation.h"

#include <QCollator>
#include <QLocale>
#include <QString>

int CompareLocaleText(std::string_view a, std::string_view b) {
  static const QCollator collator = [] {
    QCollator c(QLocale::system().collation());
    c.setCaseSensitivity(Qt::CaseSensitive);
    return c;
  }();
  return collator.compare(QString::fromLatin1(a.data(), static_cast<qsizetype>(a.size())),
                          QString::fromLatin1(b.data(), static_cast<qsizetype>(b.size())));
}
