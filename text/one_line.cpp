#include "text/one_line.h"

#include <algorithm>

namespace zor::text {

QString OneLine(const QString& text) {
  QString line;
  line.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == u'\n') {
      line += u"\\n";
    } else if (u == u'\t') {
      line += u"\\t";
    } else if (u < 0x20 || u == 0x7F) {
      line += QString::asprintf("\\x%02X", static_cast<unsigned>(u));
    } else if (u >= 0x80 && u <= 0x9F) {
      line += QString::asprintf("\\u%04X", static_cast<unsigned>(u));
    } else {
      line += c;
    }
  }
  return line;
}

std::string OneLine(std::string_view utf8) {
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) return std::string(utf8);
  return OneLine(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))).toStdString();
}

}  // namespace zor::text
