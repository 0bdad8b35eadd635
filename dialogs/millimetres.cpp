#include "dialogs/millimetres.h"

#include <cmath>

namespace zor::dialogs {

namespace {

bool ParseIn(QLocale locale, const QString& text, double& value) {
  locale.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  value = locale.toDouble(text, &ok);
  return ok;
}

}  // namespace

TypedMillimetres ParseMillimetres(const QString& text, const QLocale& locale) {
  QString number = text.trimmed();
  if (number.endsWith(QStringLiteral("mm"), Qt::CaseInsensitive)) number = number.chopped(2).trimmed();
  if (number.isEmpty()) return {};
  double value = 0;
  if (!ParseIn(locale, number, value) && !ParseIn(QLocale::c(), number, value))
    return {TypedMillimetres::State::NotANumber};
  if (!std::isfinite(value)) return {TypedMillimetres::State::NotANumber};
  return {TypedMillimetres::State::Number, value};
}

QString FormatMillimetres(double value, const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  QString text = plain.toString(value, 'f', 4);
  const QString point = plain.decimalPoint();
  const qsizetype decimals = text.indexOf(point);
  if (decimals < 0) return text;
  qsizetype end = text.size();
  while (end > decimals + point.size() + 2 && text.at(end - 1) == plain.zeroDigit().at(0)) --end;
  return text.left(end);
}

}  // namespace zor::dialogs
