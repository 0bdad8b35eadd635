// The table of settings against the operations it names: every Set is logged
// under the table's name and refuses naming the table's fields, and what a
// Set makes of the values it is given.
#include "service/settings.h"

#include <gtest/gtest.h>

#include <vector>

#include "service/text.h"
#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

namespace svc = zor::service;
using svc::Outcome;
using svc::Status;

class SettingsTest : public ServiceOnLink {
 protected:
  void SetUp() override { connect(Block().serial(42).model("NZ-7")); }

  // The setting's Set with the right password: its outcome, or its writer's refusal.
  Outcome set(const svc::Setting& setting, std::vector<std::u16string> values, bool reported = false,
              bool typed = false) {
    const svc::Reading<svc::Task> task = setting.write({std::move(values), u"KPLVoxen", reported, typed});
    return task.ok() ? task.value(service) : Outcome(task);
  }
};

TEST_F(SettingsTest, EverySetIsLoggedUnderItsNameAndRefusesNamingItsFields) {
  for (const svc::Setting& setting : svc::Settings()) {
    if (setting.write == nullptr) continue;
    SCOPED_TRACE(std::string(setting.name));
    for (int i = 0; i < setting.valueCount; ++i) {
      std::vector<std::u16string> values(static_cast<std::size_t>(setting.valueCount), u"1");
      values[static_cast<std::size_t>(i)] = u"1\u0100";
      const Outcome refused = set(setting, values);
      EXPECT_EQ(refused.status, Status::Refused);
      EXPECT_EQ(refused.input, setting.inputs[static_cast<std::size_t>(i)]);
    }
    EXPECT_TRUE(host.records.empty()) << "a refusal sends nothing";
    // The first of these values that the Set takes.
    Outcome done = Outcome::refused(svc::Input::None, {});
    for (const char16_t* value : {u"1", u"0,00:00:01", u"00:1A:2B:3C:4D:5E", u"1.2.3.4", u"100021"}) {
      done = set(setting, std::vector<std::u16string>(static_cast<std::size_t>(setting.valueCount), value));
      if (done.status != Status::Refused) break;
    }
    EXPECT_TRUE(done.ok()) << svc::ToUtf8(done.message);
    ASSERT_EQ(host.records.size(), 1u);
    EXPECT_EQ(host.records[0].operation, u"set " + svc::FromUtf8(setting.name));
    host.records.clear();
  }
}

TEST(SettingRows, Agree) { EXPECT_EQ(svc::WhereRowsDisagree(), ""); }

// A row that breaks a rule is named, with the rule.
TEST(SettingRows, ARowThatBreaksARuleIsNamedWithTheRule) {
  const struct {
    const char* setting;
    void (*breakRow)(svc::Setting&);
    const char* rule;  // how the message goes on after "NAME: "
  } cases[] = {
      {"min-current", [](svc::Setting& s) { s.restoreOrder = 10; },
       "a compared setting has a restore place of its own"},
      {"ship-id", [](svc::Setting& s) { s.group = svc::SettingGroup::Calibration; },
       "a compared setting has a restore"},
      {"scale", [](svc::Setting& s) { s.valueCount = 1; }, "a Set takes one value per word"},
      {"ship-id", [](svc::Setting& s) { s.valueNames = "TEXT"; }, "a Set takes one value per word"},
      {"lens", [](svc::Setting& s) { s.sends = {}; }, "a Set says how it sends"},
      {"currents", [](svc::Setting& s) { s.readBy = "currents"; }, "it has a Get of its own or a readBy"},
      {"20-current", [](svc::Setting& s) { s.readsBackAs = svc::FindSetting("lens")->readsBackAs; },
       "a Set that is read back has a Get"},
      {"gateway", [](svc::Setting& s) { s.since = 0; }, "its restore place is not negative"},
      {"x-multiplier", [](svc::Setting& s) { s.restoreOrder = 15; }, "a compared setting has a key"},
      {"distortion", [](svc::Setting& s) { s.fieldTitles[1] = {}; }, "a Set of two values names both its fields"},
      {"lens", [](svc::Setting& s) { s.fieldTitles[0] = u"X Lens"; }, "a Set of two values names both its fields"},
  };
  for (const auto& c : cases) {
    std::vector<svc::Setting> table(svc::Settings().begin(), svc::Settings().end());
    for (svc::Setting& s : table)
      if (s.name == c.setting) c.breakRow(s);
    EXPECT_EQ(svc::WhereRowsDisagree(table).rfind(std::string(c.setting) + ": " + c.rule, 0), 0u)
        << c.setting << " gave: " << svc::WhereRowsDisagree(table);
  }
}

TEST(SettingNames, AFieldIsNamedByItsRow) {
  EXPECT_EQ(svc::InputName(svc::Input::DistortionX), u"X Distortion Correction");
  EXPECT_EQ(svc::InputName(svc::Input::ScaleY), u"Y Scale Correction");
  EXPECT_EQ(svc::InputName(svc::Input::Gateway), u"Gateway IP");
  EXPECT_EQ(svc::InputName(svc::Input::MoveY), u"Move To Y");
}

struct SetCase {
  const char* name;
  const char* setting;
  std::u16string value;
  bool reported;
  const char16_t* sent;     // the value as sent; nullptr: refused
  const char16_t* refusal;  // how the refusal begins
  bool typed = false;       // a controller model typed by hand
};

class WhatASetSends : public SettingsTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(WhatASetSends, FromTheValuesItIsGiven) {
  const SetCase& c = GetParam();
  const Outcome outcome = set(*svc::FindWritable(c.setting), {c.value}, c.reported, c.typed);
  if (c.sent == nullptr) {
    EXPECT_EQ(outcome.status, Status::Refused);
    EXPECT_TRUE(outcome.message.starts_with(c.refusal)) << svc::ToUtf8(outcome.message);
    EXPECT_TRUE(host.records.empty());
    return;
  }
  EXPECT_TRUE(outcome.ok()) << svc::ToUtf8(outcome.message);
  ASSERT_EQ(host.records.size(), 1u);
  EXPECT_EQ(host.records[0].value, c.sent);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WhatASetSends,
    ::testing::Values(
        // A MAC address in any usual notation goes out as the MAC field shows it.
        SetCase{"MacWithColons", "mac", u"00:1a:2b:3c:4d:5e", false, u"00:1A:2B:3C:4D:5E", nullptr},
        SetCase{"MacWithDashes", "mac", u"00-1A-2B-3C-4D-5E", false, u"00:1A:2B:3C:4D:5E", nullptr},
        SetCase{"MacWithDots", "mac", u"001a.2b3c.4d5e", false, u"00:1A:2B:3C:4D:5E", nullptr},
        SetCase{"MacBare", "mac", u"001A2B3C4D5E", false, u"00:1A:2B:3C:4D:5E", nullptr},
        SetCase{"MacShort", "mac", u"00:1a:2b:3c:4d", false, nullptr, u"'00:1a:2b:3c:4d' is not a MAC address"},
        SetCase{"MacNotHex", "mac", u"00:1a:2b:3c:4d:5g", false, nullptr, u"'00:1a:2b:3c:4d:5g' is not a MAC"},
        SetCase{"MacWord", "mac", u"hello", false, nullptr, u"'hello' is not a MAC address: give six groups"},
        SetCase{"AddressBeyondAnOctet", "ip", u"10.0.0.256", false, nullptr,
                u"'10.0.0.256' is not an address: give four decimal numbers from 0 to 255, as 192.168.1.10"},
        SetCase{"WorkTimeCarries", "work-time", u"0,25:61:61", false, u"93721", nullptr},
        SetCase{"WorkTimeShort", "work-time", u"1,2:3", false, nullptr, u"'1,2:3': Enter the working time"},
        // A listed code as if picked from the list, any other six digits as typed by hand;
        // eight digits, flag byte and code, as they read; a reported value as it was.
        SetCase{"ControllerModelListedFirst", "controller-model", u"100021", false, u"00100021 ", nullptr},
        SetCase{"ControllerModelListed", "controller-model", u"200041", false, u"10200041 ", nullptr},
        SetCase{"ControllerModelUnlisted", "controller-model", u"abCDef", false, u"00abCDef ", nullptr},
        SetCase{"ControllerModelListedTypedByHand", "controller-model", u"100022", false, u"00100022 ", nullptr, true},
        SetCase{"ControllerModelAsGetPrintsItListed", "controller-model", u"10100022", false, u"10100022 ", nullptr},
        SetCase{"ControllerModelAsGetPrintsItTyped", "controller-model", u"00100022", false, u"00100022 ", nullptr},
        SetCase{"ControllerModelFlaggedUnlisted", "controller-model", u"100a0001", false, u"100a0001 ", nullptr},
        SetCase{"ControllerModelReported", "controller-model", u"200a0001", true, u"200a0001 ", nullptr},
        SetCase{"ControllerModelOtherFlag", "controller-model", u"200a0001", false, nullptr,
                u"'200a0001' is not a controller model: give its six-digit code"},
        SetCase{"ControllerModelFiveDigits", "controller-model", u"10002", false, nullptr, u"'10002' is not"},
        SetCase{"ControllerModelSevenDigits", "controller-model", u"1010002", false, nullptr, u"'1010002' is not"},
        SetCase{"ControllerModelNotHex", "controller-model", u"10002g", false, nullptr, u"'10002g' is not"},
        SetCase{"ControllerModelSigned", "controller-model", u"+10002", false, nullptr, u"'+10002' is not"},
        SetCase{"ControllerModelEmpty", "controller-model", u"", false, nullptr, u"'' is not"},
        SetCase{"ControllerModelEightDigitsTypedByHand", "controller-model", u"10100022", false, nullptr,
                u"'10100022' is not a code to type by hand", true}),
    [](const auto& info) { return std::string(info.param.name); });

// What a Get shows once the controller kept what a Set sent: the text its
// read-back is held to. Nothing for a value that cannot read back as itself.
TEST(SettingReadBack, WhatTheGetShowsOfTheValuesSent) {
  const struct {
    const char* setting;
    std::vector<std::u16string> values;
    const char16_t* shown;  // nullptr: nothing reads back as these values
    bool typed = false;
  } cases[] = {
      {"min-current", {u"0.5"}, u"0.50000"},
      {"max-current", {u"+20"}, u"20.00000"},
      {"min-current", {u"-1"}, u"-1.00000"},
      {"min-current", {u"1000000"}, u"1000000.00000"},
      {"min-current", {u"0.123456"}, u"0.12346"},
      {"min-current", {u"abc"}, nullptr},
      {"min-current", {u" 3"}, nullptr},
      {"min-current", {u"3 "}, nullptr},
      {"min-current", {u"0x10"}, nullptr},
      {"min-current", {u"+-1"}, nullptr},
      {"min-current", {u""}, nullptr},
      {"lens", {u"0160"}, u"160"},
      {"lens", {u"abc"}, nullptr},
      {"lens", {u"65536"}, nullptr},
      {"distortion", {u"32768", u"5"}, u"32768 5"},
      {"distortion", {u"32768", u"-5"}, nullptr},
      {"scale", {u"1.002", u"0.998"}, u"1.00200 0.99800"},
      {"scale", {u"a", u"b"}, nullptr},
      {"serial", {u"-7"}, u"-7"},
      {"serial", {u"2147483648"}, nullptr},
      {"model-name", {u"NZ-7"}, u"NZ-7"},
      {"controller-model", {u"100022"}, u"10100022"},
      {"controller-model", {u"100021"}, u"00100021"},
      {"controller-model", {u"100022"}, u"00100022", true},
      {"controller-model", {u"ABCDEF"}, u"00abcdef"},
      {"controller-model", {u"10ABCDEF"}, u"10abcdef"},
      {"controller-model", {u"xyz"}, nullptr},
      {"mac", {u"00-1a-2b-3c-4d-5e"}, u"00:1A:2B:3C:4D:5E"},
      {"gateway", {u"010.0.0.1"}, u"10.0.0.1"},
  };
  for (const auto& c : cases) {
    const svc::Setting& setting = *svc::FindWritable(c.setting);
    ASSERT_NE(setting.readsBackAs, nullptr) << c.setting;
    const std::optional<std::u16string> shown = setting.readsBackAs({c.values, {}, false, c.typed});
    const std::string what = std::string(c.setting) + " " + svc::ToUtf8(c.values[0]);
    if (c.shown == nullptr) {
      EXPECT_FALSE(shown) << what << ": " << svc::ToUtf8(*shown);
    } else {
      EXPECT_EQ(shown, c.shown) << what;
    }
  }
  // Nothing reads these back: the working time counts on from the value set.
  for (const char* name : {"20-current", "x-multiplier", "y-multiplier", "work-time"})
    EXPECT_EQ(svc::FindWritable(name)->readsBackAs, nullptr) << name;
}

}  // namespace
}  // namespace zortest
