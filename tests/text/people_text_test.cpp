// A text for people keeps its English beside the user's form, and .arg()
// fills both alike.
#include "text/people_text.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <string>
#include <vector>

namespace {

using zor::text::PeopleText;
using zor::text::Tr;

// Every text of the context "T" in brackets, so the local form differs.
class Brackets : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    return qstrcmp(context, "T") == 0 ? u'[' + QString::fromUtf8(source) + u']' : QString();
  }
};

TEST(PeopleText, TrKeepsTheEnglishBesideTheTranslation) {
  EXPECT_EQ(Tr("T", "Lens").local(), u"Lens") << "no translator: the English";
  Brackets brackets;
  QCoreApplication::installTranslator(&brackets);
  const PeopleText lens = Tr("T", "Lens");
  const PeopleText other = Tr("U", "Lens");
  QCoreApplication::removeTranslator(&brackets);
  EXPECT_EQ(lens.source(), u"Lens");
  EXPECT_EQ(lens.local(), u"[Lens]");
  EXPECT_EQ(other.local(), u"Lens") << "another context's text stays";
}

TEST(PeopleText, ArgFillsBothForms) {
  const PeopleText text(QStringLiteral("%1 of %2"), QStringLiteral("%2 von %1"));
  const PeopleText unit(QStringLiteral("mm"), QStringLiteral("Millimeter"));
  struct Case {
    PeopleText filled;
    const char16_t* source;
    const char16_t* local;
  };
  const std::vector<Case> cases = {
      {text.arg(QStringLiteral("a")).arg(u"b"), u"a of b", u"b von a"},
      {text.arg(std::u16string(u"x")).arg(-3), u"x of -3", u"-3 von x"},
      {text.arg(2.5).arg(7u), u"2.5 of 7", u"7 von 2.5"},  // the decimal point in every language
      {text.arg(unit).arg(4ULL), u"mm of 4", u"4 von Millimeter"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.filled.source(), QString::fromUtf16(c.source));
    EXPECT_EQ(c.filled.local(), QString::fromUtf16(c.local));
  }
  const PeopleText joined = text.arg(1).arg(2) + PeopleText(QStringLiteral("."), QStringLiteral("!"));
  EXPECT_EQ(joined.sourceU16(), u"1 of 2.");
  EXPECT_EQ(joined.localU16(), u"2 von 1!");
}

// args() fills every %N at once: a value holding "%2" (a path, a key from a
// file) stays as it is, where one arg() after the other would fill it too.
TEST(PeopleText, ArgsFillsEveryPlaceAtOnce) {
  const PeopleText text(QStringLiteral("cannot write %1: %2"), QStringLiteral("%1 nicht schreibbar: %2"));
  const PeopleText why(QStringLiteral("No space"), QStringLiteral("Kein Platz"));
  const PeopleText filled = text.args(QStringLiteral("/tmp/100%2.json"), why);
  EXPECT_EQ(filled.source(), u"cannot write /tmp/100%2.json: No space");
  EXPECT_EQ(filled.local(), u"/tmp/100%2.json nicht schreibbar: Kein Platz");
  EXPECT_EQ(text.args(QStringLiteral("a")).source(), u"cannot write a: %2") << "one value, the first place";
}

}  // namespace

// Translators are installed on an application.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
