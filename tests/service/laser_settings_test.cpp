// Currents, lens, identity and controller model on the fake device link: the
// packets each Set sends for the text its field holds, what is refused before
// anything goes out, the connection check, and how the reads decode.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "service/format.h"
#include "service/maintenance.h"
#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

using zor::service::Input;
using zor::service::kControllerModelCodes;
using zor::service::Maintenance;
using zor::service::Outcome;
using zor::service::Status;

constexpr std::u16string_view kPassword = u"KPLVoxen";

class LaserSettings : public ServiceOnLink {
 protected:
  void SetUp() override { connect(Block().serial(42).model("NK-100")); }
};

// ---- what each Set sends ------------------------------------------------------

struct SetCase {
  const char* name;
  std::function<Outcome(Maintenance&)> run;
  Transcript sent;
};

class LaserSets : public LaserSettings, public ::testing::WithParamInterface<SetCase> {};

TEST_P(LaserSets, SendTheTextExactlyAsHeld) {
  const Outcome outcome = GetParam().run(service);
  EXPECT_TRUE(outcome.ok()) << Utf8(outcome.message);
  EXPECT_EQ(t, GetParam().sent);
  EXPECT_EQ(host.records.size(), 1u);
}

Outcome ModelCode(Maintenance& s, int listIndex) {
  return s.setControllerModel(kPassword, kControllerModelCodes[listIndex], listIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Service, LaserSets,
    ::testing::Values(
        SetCase{"MaxEachCharacterThenTheCommand", [](Maintenance& s) { return s.setMaxCurrent(u"1.5"); },
                Transcript{"send 42 31", "wait 100", "send 42 2E", "wait 100", "send 42 35", "wait 100", "send 42 00",
                           "wait 100", "send 44 00"}},
        SetCase{"EmptyMinOnlyTheEndOfText", [](Maintenance& s) { return s.setMinCurrent(u""); },
                Transcript{"send 42 00", "wait 100", "send 43 00"}},
        SetCase{"MinBlanksKept", [](Maintenance& s) { return s.setMinCurrent(u" 3 "); },
                TextSent(zor::protocol::CMD_SET_MIN_CURRENT, " 3 ")},
        SetCase{"TwentyPercent", [](Maintenance& s) { return s.set20PercentCurrent(u"12.25"); },
                TextSent(zor::protocol::CMD_SET_20_PERCENT_CURRENT, "12.25")},
        SetCase{"MaxNotANumberGoesOutAsIs", [](Maintenance& s) { return s.setMaxCurrent(u"abc"); },
                TextSent(zor::protocol::CMD_SET_MAX_CURRENT, "abc")},
        // Latin-1 goes out byte for byte.
        SetCase{"MaxLatin1", [](Maintenance& s) { return s.setMaxCurrent(u"\u00B5"); },
                TextSent(zor::protocol::CMD_SET_MAX_CURRENT, "\xB5")},
        SetCase{"Lens", [](Maintenance& s) { return s.setLens(u"210"); }, TextSent(zor::protocol::CMD_SET_LENS, "210")},
        SetCase{"SerialNumber", [](Maintenance& s) { return s.setSerialNumber(kPassword, u"B-88"); },
                TextSent(zor::protocol::CMD_SET_SERIAL_NUMBER, "B-88")},
        SetCase{"ModelName", [](Maintenance& s) { return s.setModelName(kPassword, u"B-88"); },
                TextSent(zor::protocol::CMD_SET_MODEL_NAME, "B-88")},
        // The list entry decides the prefix; the text ends with one blank.
        SetCase{"ControllerModelFirstEntry", [](Maintenance& s) { return ModelCode(s, 0); },
                TextSent(zor::protocol::CMD_SET_CONTROLLER_MODEL, "00100021 ")},
        SetCase{"ControllerModelSecondEntry", [](Maintenance& s) { return ModelCode(s, 1); },
                TextSent(zor::protocol::CMD_SET_CONTROLLER_MODEL, "10100022 ")},
        SetCase{"ControllerModelThirdEntry", [](Maintenance& s) { return ModelCode(s, 2); },
                TextSent(zor::protocol::CMD_SET_CONTROLLER_MODEL, "10200031 ")},
        SetCase{"ControllerModelFourthEntry", [](Maintenance& s) { return ModelCode(s, 3); },
                TextSent(zor::protocol::CMD_SET_CONTROLLER_MODEL, "10200041 ")},
        SetCase{"ControllerModelTyped", [](Maintenance& s) { return s.setControllerModel(kPassword, u"123456", -1); },
                TextSent(zor::protocol::CMD_SET_CONTROLLER_MODEL, "00123456 ")},
        SetCase{"ControllerModelEmpty", [](Maintenance& s) { return s.setControllerModel(kPassword, u"", -1); },
                TextSent(zor::protocol::CMD_SET_CONTROLLER_MODEL, "00 ")},
        SetCase{"InitPowerBoard", [](Maintenance& s) { return s.initPowerBoard(); }, Transcript{"send F3 00"}},
        // The value byte is 0xFF, and a pause follows.
        SetCase{"ResetSerial", [](Maintenance& s) { return s.resetSerial(); }, Transcript{"send 31 FF", "wait 100"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- refused before anything is sent ----------------------------------------------

// A character the one-byte text cannot carry would arrive as another one, or
// (low byte 0) end the text early: every text Set checks it first.
struct WideCase {
  const char* name;
  std::function<Outcome(Maintenance&, std::u16string_view)> run;
  Input input;
};

class WideCharacter : public LaserSettings, public ::testing::WithParamInterface<WideCase> {};

TEST_P(WideCharacter, IsRefusedNamingTheFieldWithNothingSent) {
  const Outcome outcome = GetParam().run(service, u"1\u01005");
  EXPECT_EQ(outcome.status, Status::Refused);
  EXPECT_EQ(outcome.input, GetParam().input);
  EXPECT_NE(outcome.message.find(u"(U+0100)"), std::u16string::npos) << Utf8(outcome.message);
  EXPECT_EQ(t, Transcript{});
  EXPECT_TRUE(host.records.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Service, WideCharacter,
    ::testing::Values(
        WideCase{"Min", [](Maintenance& s, std::u16string_view v) { return s.setMinCurrent(v); }, Input::MinCurrent},
        WideCase{"TwentyPercent", [](Maintenance& s, std::u16string_view v) { return s.set20PercentCurrent(v); },
                 Input::Current20},
        WideCase{"Max", [](Maintenance& s, std::u16string_view v) { return s.setMaxCurrent(v); }, Input::MaxCurrent},
        WideCase{"Lens", [](Maintenance& s, std::u16string_view v) { return s.setLens(v); }, Input::Lens},
        WideCase{"SerialNumber", [](Maintenance& s, std::u16string_view v) { return s.setSerialNumber(kPassword, v); },
                 Input::SerialNumber},
        WideCase{"ModelName", [](Maintenance& s, std::u16string_view v) { return s.setModelName(kPassword, v); },
                 Input::ModelName}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaserSettings, TheWideCharacterRefusalSaysWhatAndWhy) {
  EXPECT_EQ(Utf8(service.setMaxCurrent(u"1\u01005").message),
            Utf8(u"The Max Current holds the character \u201C\u0100\u201D (U+0100), which the controller cannot "
                 u"take: it takes Latin-1 characters only. Nothing was sent."));
}

// ---- the connection check ---------------------------------------------------------

class LaserUnconnected : public ServiceOnLink, public ::testing::WithParamInterface<SetCase> {};

TEST_P(LaserUnconnected, SaysSoOnceAndSendsNothingWhenNoSystemAnswers) {
  fake.setFindResults({0});
  EXPECT_EQ(GetParam().run(service).status, Status::NotConnected);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 0"}));
  EXPECT_TRUE(host.records.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Service, LaserUnconnected,
    ::testing::Values(SetCase{"MaxCurrent", [](Maintenance& s) { return s.setMaxCurrent(u"12.5"); }, {}},
                      SetCase{"InitPowerBoard", [](Maintenance& s) { return s.initPowerBoard(); }, {}},
                      SetCase{"ResetSerial", [](Maintenance& s) { return s.resetSerial(); }, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ServiceOnLink, AConnectionMadeByTheFirstPacketNamesTheSystemAndTheTextGoesOn) {
  fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, Block().serial(42).model("NK-100").reply());
  EXPECT_TRUE(service.setMaxCurrent(u"1.5").ok());
  Transcript expected{kNotConnectedBox, "find -> 1", "query 142/38 -> 0", "identified NK-100"};
  const Transcript text = TextSent(zor::protocol::CMD_SET_MAX_CURRENT, "1.5");
  for (const std::string& e : text.events()) expected.add(e);
  EXPECT_EQ(t, expected);
}

// The reads make no connection check: they ask the controller right away.
TEST_F(ServiceOnLink, TheReadsAskWithoutAConnectionCheck) {
  fake.setFindResults({0});
  fake.setStatus(zor::protocol::CMD_GET_CURRENTS, FloatBytes({2.0f, 3.0f}));
  fake.setStatus(zor::protocol::CMD_GET_CONTROLLER_MODEL, {0x22, 0x00, 0x10, 0x00});
  EXPECT_TRUE(service.readCurrents().ok());
  EXPECT_EQ(service.readControllerModel().value, 0x00100022u);
  EXPECT_EQ(t, (Transcript{"query 84/8 -> 0", "query 166/4 -> 0"}));
}

// ---- the currents read ---------------------------------------------------------

struct CurrentsCase {
  const char* name;
  std::vector<std::uint8_t> reply;  // empty: nothing written
  std::int32_t result;
  const char16_t* min;  // as shown; nullptr: the read failed
  const char16_t* max;
};

class CurrentsRead : public LaserSettings, public ::testing::WithParamInterface<CurrentsCase> {};

TEST_P(CurrentsRead, DecodesBothSinglePrecisionValuesOrFails) {
  const CurrentsCase& c = GetParam();
  if (c.reply.empty())
    fake.setStatusUntouched(zor::protocol::CMD_GET_CURRENTS, c.result);
  else
    fake.setStatus(zor::protocol::CMD_GET_CURRENTS, c.reply, c.result);
  const auto reading = service.readCurrents();
  EXPECT_EQ(t, (Transcript{"query 84/8 -> " + std::to_string(c.result)}));
  if (c.min == nullptr) {
    // A failed read is not passed off as 0 A.
    EXPECT_EQ(reading.status, Status::ReadFailed);
    EXPECT_EQ(reading.message, u"The currents could not be read from the controller.");
    return;
  }
  ASSERT_TRUE(reading.ok());
  EXPECT_EQ(zor::service::FormatFixed5(reading.value.min), c.min);
  EXPECT_EQ(zor::service::FormatFixed5(reading.value.max), c.max);
}

INSTANTIATE_TEST_SUITE_P(
    Service, CurrentsRead,
    ::testing::Values(CurrentsCase{"Plain", FloatBytes({1.5f, 20.0f}), 0, u"1.50000", u"20.00000"},
                      CurrentsCase{"Zero", FloatBytes({0.0f, 0.0f}), 0, u"0.00000", u"0.00000"},
                      // Single precision, rounded to five decimals.
                      CurrentsCase{"SinglePrecision", FloatBytes({1234.567f, -0.25f}), 0, u"1234.56702", u"-0.25000"},
                      CurrentsCase{"FailedWithBytesWritten", FloatBytes({1.5f, 20.0f}), 1, nullptr, nullptr},
                      CurrentsCase{"FailedWithNothingWritten", {}, 1, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the controller model read ------------------------------------------------------

struct ModelReadCase {
  const char* name;
  std::vector<std::uint8_t> reply;  // empty: nothing written
  std::int32_t result;
  const char16_t* whole;  // all eight digits; nullptr: the read failed
  const char16_t* code;   // the low six
};

class ControllerModelRead : public LaserSettings, public ::testing::WithParamInterface<ModelReadCase> {};

TEST_P(ControllerModelRead, GivesTheFlagByteAndTheCodeOrFails) {
  const ModelReadCase& c = GetParam();
  if (c.reply.empty())
    fake.setStatusUntouched(zor::protocol::CMD_GET_CONTROLLER_MODEL, c.result);
  else
    fake.setStatus(zor::protocol::CMD_GET_CONTROLLER_MODEL, c.reply, c.result);
  const auto reading = service.readControllerModel();
  EXPECT_EQ(t, (Transcript{"query 166/4 -> " + std::to_string(c.result)}));
  if (c.whole == nullptr) {
    EXPECT_EQ(reading.status, Status::ReadFailed);
    EXPECT_EQ(reading.message, u"The controller model could not be read.");
    return;
  }
  ASSERT_TRUE(reading.ok());
  EXPECT_EQ(zor::service::FormatHex8(reading.value), c.whole);
  EXPECT_EQ(zor::service::FormatModelCode(reading.value), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Service, ControllerModelRead,
    ::testing::Values(ModelReadCase{"Flagged", {0xEF, 0xCD, 0xAB, 0x10}, 0, u"10abcdef", u"abcdef"},
                      ModelReadCase{"Zero", {0, 0, 0, 0}, 0, u"00000000", u"000000"},
                      ModelReadCase{"LeadingZerosKept", {0x01, 0x00, 0x00, 0xFF}, 0, u"ff000001", u"000001"},
                      ModelReadCase{"Failed", {}, 1, nullptr, nullptr},
                      // Bytes written by a failed read are no value.
                      ModelReadCase{"FailedWithBytesWritten", {0xEF, 0xCD, 0xAB, 0x10}, 5, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zortest
