// The service password: whole texts, letter case ignored in every locale.
#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include "service/maintenance.h"

namespace {

TEST(ServicePassword, WholeTextLetterCaseIgnoredInEveryLocale) {
  const struct {
    const char16_t* typed;
    bool matches;
  } cases[] = {
      {u"KPLVoxen", true},   {u"kplvoxen", true},   {u"KPLVOXEN", true},    {u"kPlVoXeN", true},
      {u"KPLVoxen ", false}, {u" KPLVoxen", false}, {u"", false},           {u"KPLVoxe", false},
      {u"KPLVoxenn", false}, {u"KPLV oxen", false}, {u"KPLVoxen\n", false},
  };
  const QLocale before;
  for (const QLocale& locale : {QLocale(QLocale::English), QLocale(QLocale::Turkish), QLocale(QLocale::German)}) {
    QLocale::setDefault(locale);
    for (const auto& c : cases)
      EXPECT_EQ(zor::service::MatchesServicePassword(c.typed), c.matches)
          << QString::fromUtf16(c.typed).toStdString() << " in " << locale.name().toStdString();
  }
  QLocale::setDefault(before);
}

}  // namespace
