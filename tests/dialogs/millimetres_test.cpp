// Sizes typed in millimetres: the locale's decimal separator and a point are
// taken; anything that is not a finite number is refused as such.
#include "dialogs/millimetres.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zor::dialogs {

namespace {

using State = dialogs::TypedMillimetres::State;

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(Millimetres, ParsedAsTheLocaleWritesThemAndWithAPoint) {
  struct Case {
    const char* text;
    State english;
    State german;
    double value;  // when a number
  };
  const Case cases[] = {
      {"55.01", State::Number, State::Number, 55.01},
      {"55,01", State::NotANumber, State::Number, 55.01},
      {" 55,2 mm ", State::NotANumber, State::Number, 55.2},
      {"54.99MM", State::Number, State::Number, 54.99},
      {"-3.5", State::Number, State::Number, -3.5},  // the calibration judges the sign
      {"0", State::Number, State::Number, 0},
      {"", State::Empty, State::Empty, 0},
      {"  ", State::Empty, State::Empty, 0},
      {"mm", State::Empty, State::Empty, 0},
      // A group separator is never taken: 1.234 must not become 1234 mm.
      {"1,234.5", State::NotANumber, State::NotANumber, 0},
      {"1.234,5", State::NotANumber, State::NotANumber, 0},
      {"55.0.1", State::NotANumber, State::NotANumber, 0},
      {"nan", State::NotANumber, State::NotANumber, 0},
      {"inf", State::NotANumber, State::NotANumber, 0},
      {"-inf", State::NotANumber, State::NotANumber, 0},
      {"1e999", State::NotANumber, State::NotANumber, 0},
      {"abc", State::NotANumber, State::NotANumber, 0},
      {"55 01", State::NotANumber, State::NotANumber, 0},
  };
  for (const Case& c : cases) {
    for (const auto& [locale, expected] : {std::pair{kEnglish, c.english}, std::pair{kGerman, c.german}}) {
      const dialogs::TypedMillimetres typed = dialogs::ParseMillimetres(QString::fromUtf8(c.text), locale);
      EXPECT_EQ(typed.state, expected) << c.text << " in " << locale.name().toStdString();
      if (typed.state == State::Number && expected == State::Number) {
        EXPECT_DOUBLE_EQ(typed.value, c.value) << c.text << " in " << locale.name().toStdString();
      }
    }
  }
}

TEST(Millimetres, ShownWithTwoToFourDecimalsAsTheLocaleWritesThem) {
  struct Case {
    double value;
    const char* english;
    const char* german;
  };
  const Case cases[] = {
      {55.0125, "55.0125", "55,0125"},  {55.2, "55.20", "55,20"},       {55, "55.00", "55,00"},
      {54.98765, "54.9877", "54,9877"}, {1234.5, "1234.50", "1234,50"}, {0.004, "0.004", "0,004"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(dialogs::FormatMillimetres(c.value, kEnglish), c.english);
    EXPECT_EQ(dialogs::FormatMillimetres(c.value, kGerman), c.german);
  }
}

}  // namespace

}  // namespace zor::dialogs
