#pragma once
// Lengths typed by a person and shown to one: the locale's own way of
// writing a decimal number, and a point, which is always taken as the
// decimal separator (a caliper's display and most drawings use it).

#include <QLocale>
#include <QString>

namespace zor::dialogs {

struct TypedMillimetres {
  enum class State { Empty, Number, NotANumber };
  State state = State::Empty;
  double value = 0;  // State::Number only: finite, of any sign
};

// Blanks around the number and a trailing "mm" are ignored. Group separators
// are refused: "1.234" in a German locale would otherwise be 1234 mm.
// NaN and infinities are not numbers here; whether a number is a sensible
// size is for the calibration to judge.
TypedMillimetres ParseMillimetres(const QString& text, const QLocale& locale);

// As the locale writes it, without group separators: at least two decimals
// (sizes are measured to 0.01 mm), at most four, trailing zeros dropped.
QString FormatMillimetres(double value, const QLocale& locale);

}  // namespace zor::dialogs
