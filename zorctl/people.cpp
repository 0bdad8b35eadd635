#include "zorctl/people.h"

namespace zor::zorctl {

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
         (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

qsizetype Columns(const QString& text) {
  qsizetype columns = 0;
  for (const char32_t c : text.toUcs4()) columns += IsWide(c) ? 2 : 1;
  return columns;
}

std::string Padded(const QString& text, qsizetype width) {
  const qsizetype columns = Columns(text);
  return (columns < width ? text + QString(width - columns, u' ') : text).toStdString();
}

}  // namespace zor::zorctl
