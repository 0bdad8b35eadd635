// The service layer's texts for people with a translation installed: the
// person reads the user's language, the record keeps the English, and the
// values stay as they are.
#include "service/messages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "duration/duration.h"
#include "service/calibration.h"
#include "service/families.h"
#include "service/restore.h"
#include "service/settings.h"
#include "service/text.h"
#include "tests/support/installed_translations.h"
#include "tests/support/service_test_util.h"
#include "text/translations.h"

namespace zortest {
namespace {

namespace svc = zor::service;

using zor::test::Installed;
constexpr const auto& kLanguages = zor::test::kTranslatedLanguages;

svc::RestoredSetting Restored(const char* name, svc::RestoreResult result) {
  svc::RestoredSetting s;
  s.comparison.name = name;
  s.comparison.group = svc::SettingGroup::Calibration;
  s.comparison.controller = u"60";
  s.comparison.file = u"70";
  s.comparison.plan = svc::RestorePlan::Send;
  s.result = result;
  s.after = u"65";
  return s;
}

svc::RestoreReport ReportOf(svc::RestoreResult result) {
  svc::RestoreReport report;
  report.settings = {Restored("lens", result), Restored("scale", svc::RestoreResult::NotSent)};
  return report;
}

class Messages : public ServiceOnLink {
 protected:
  void SetUp() override { connect(Block().serial(42).model("NZ-7")); }
};

struct MessageCase {
  const char* name;
  std::function<svc::Outcome(svc::Maintenance&)> run;
  std::u16string value;  // a value the message holds in every language
};

// A refusal or failure for the person in their language, its English kept
// beside it as it is without a translation.
TEST_F(Messages, ThePersonReadsTheLanguageTheRecordTheEnglish) {
  const MessageCase cases[] = {
      {"character", [](svc::Maintenance& m) { return m.setLens(u"6\u01300"); }, u"U+0130"},
      {"too long", [](svc::Maintenance& m) { return m.setModelName(u"KPLVoxen", std::u16string(300, u'a')); }, u"300"},
      {"pulse", [](svc::Maintenance& m) { return m.testPowerOn(500); }, u"100"},
      {"move", [](svc::Maintenance& m) { return m.moveTo(300, 1); }, u"255"},
      {"mac", [](svc::Maintenance& m) { return m.setMacAddress(u"00:1A"); }, u"00:1A:2B:3C:4D:5E"},
      {"address", [](svc::Maintenance& m) { return m.setAddress(svc::AddressKind::Gateway, std::nullopt); }, u""},
      {"work time", [](svc::Maintenance&) { return svc::Outcome(svc::ParseWorkTimeReset(u"1 day")); },
       u"49710,06:28:15"},
      {"family",
       [](svc::Maintenance&) { return svc::CheckFamily(zor::link::Family::N, svc::Feature::Network, u"set ip"); },
       u"set ip"},
      {"calibration",
       [](svc::Maintenance&) {
         svc::CalibrationInput input;
         input.measured = {60, 40, std::nullopt, std::nullopt};
         input.nominalMm = 40.0;
         return svc::CheckCalibrationInput(input);
       },
       u"60.0000 mm"},
      {"typed mac",
       [](svc::Maintenance&) {
         return svc::Outcome(svc::FindSetting("mac")->write({{u"%2 zz"}, {}, false}));
       },
       u"%2 zz"},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    const svc::Outcome english = c.run(service);
    ASSERT_FALSE(english.ok());
    EXPECT_NE(english.message.find(c.value), std::u16string::npos) << Utf8(english.message);
    for (const char* language : kLanguages) {
      SCOPED_TRACE(language);
      const Installed installed(language);
      const svc::Outcome local = c.run(service);
      EXPECT_EQ(local.status, english.status);
      EXPECT_EQ(svc::SourceMessage(local), english.message);
      EXPECT_NE(local.message, english.message);
      EXPECT_NE(local.message.find(c.value), std::u16string::npos) << Utf8(local.message);
    }
  }
}

// The restore's summary: the English for zorctl's JSON, the person's
// language for the panel; the values as read and as in the file.
TEST(RestoreSummary, TheEnglishStaysBesideTheLanguage) {
  const svc::RestoreResult results[] = {svc::RestoreResult::Verified, svc::RestoreResult::Differs,
                                        svc::RestoreResult::Unreadable, svc::RestoreResult::NotKept};
  for (const svc::RestoreResult result : results) {
    const svc::RestoreReport report = ReportOf(result);
    const std::u16string english = report.summary();
    EXPECT_EQ(report.summaryText().localU16(), english);
    for (const char* language : kLanguages) {
      const Installed installed(language);
      EXPECT_EQ(report.summary(), english) << language;
      const QString local = report.summaryText().local();
      EXPECT_NE(local.toStdU16String(), english) << language;
      if (result == svc::RestoreResult::Differs) {
        EXPECT_TRUE(local.contains(u"70") && local.contains(u"65") && local.contains(u"lens")) << local.toStdString();
      }
    }
  }
}

// The names messages take through a variable have a translation in each
// language: a field's, a setting's title, a family's lack.
TEST(Names, EveryNameHasItsTranslation) {
  for (const char* language : kLanguages) {
    const Installed installed(language);
    const auto translated = [&](const char* context, const QString& source) {
      const QByteArray text = source.toUtf8();
      for (const auto& t : installed.translators())
        if (!t->translate(context, text.constData()).isEmpty()) return true;
      return false;
    };
    for (int i = static_cast<int>(svc::Input::Password); i <= static_cast<int>(svc::Input::CalibrationNominal); ++i) {
      const svc::Input input = static_cast<svc::Input>(i);
      if (svc::InputName(input).empty()) continue;
      EXPECT_TRUE(translated("zor::service::Names", svc::InputText(input).source())) << language << " input " << i;
    }
    for (const svc::Setting& setting : svc::Settings())
      EXPECT_TRUE(translated("zor::service::Names", svc::SettingTitleText(setting.title).source()))
          << language << " " << setting.name;
    for (const svc::FamilyRow& row : svc::FamilyTable())
      EXPECT_TRUE(translated("zor::service::Families", svc::LackingText(row.feature).source()))
          << language << " " << row.lacking;
  }
}

// Texts the front ends also know by their English constants.
TEST(FixedMessages, TheirEnglishIsTheConstantsEnglish) {
  const struct {
    std::u16string_view constant;
    std::u16string english;
  } cases[] = {
      {svc::kWrongPasswordMessage, svc::WrongPasswordText().sourceU16()},
      {svc::kMacIncompleteMessage, svc::MacIncompleteText().sourceU16()},
      {svc::kIdentityUnreadableMessage, svc::IdentityUnreadableText().sourceU16()},
      {svc::kNotKeptMessage, svc::NotKeptText().sourceU16()},
      {zor::duration::kWorkingTimeEntryRefusedMessage, svc::ParseWorkTimeReset(u"x").message},
  };
  for (const auto& c : cases) EXPECT_EQ(c.english, c.constant);
}

}  // namespace
}  // namespace zortest

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
