#pragma once

#include <QString>
#include <string>
#include <string_view>

// UTF-16 text of the logic to and from Qt strings.
inline QString ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}
inline std::u16string ToU16(const QString& text) {
  return text.toStdU16String();
}
