// The scan-field geometry on the fake device link: the two-field writes with
// their pause between the halves, the test figures, the move to a point and
// its one-byte range, and how the two reads decode.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "service/format.h"
#include "service/maintenance.h"
#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

using zor::service::Figure;
using zor::service::Input;
using zor::service::Maintenance;
using zor::service::Outcome;
using zor::service::Status;

class Geometry : public ServiceOnLink {
 protected:
  void SetUp() override { connect(Block().serial(42).model("NZ-100")); }
};

// ---- what each operation sends ------------------------------------------------

struct SendCase {
  const char* name;
  std::function<Outcome(Maintenance&)> run;
  Transcript sent;
};

class GeometrySends : public Geometry, public ::testing::WithParamInterface<SendCase> {};

TEST_P(GeometrySends, TheirPacketsAndPauses) {
  const Outcome outcome = GetParam().run(service);
  EXPECT_TRUE(outcome.ok()) << Utf8(outcome.message);
  EXPECT_EQ(t, GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Service, GeometrySends,
    ::testing::Values(
        // The X text, a pause, then the Y text; each exactly as held.
        SendCase{"ScaleWithEmptyY", [](Maintenance& s) { return s.setScale(u"1.002", u""); },
                 Transcript{"send 42 31", "wait 100", "send 42 2E", "wait 100", "send 42 30", "wait 100", "send 42 30",
                            "wait 100", "send 42 32", "wait 100", "send 42 00", "wait 100", "send 1A 00", "wait 100",
                            "send 42 00", "wait 100", "send 1B 00"}},
        SendCase{"ScaleBlanksAndAll", [](Maintenance& s) { return s.setScale(u" 1", u"-2"); },
                 Transcript{"send 42 20", "wait 100", "send 42 31", "wait 100", "send 42 00", "wait 100", "send 1A 00",
                            "wait 100", "send 42 2D", "wait 100", "send 42 32", "wait 100", "send 42 00", "wait 100",
                            "send 1B 00"}},
        SendCase{"Distortion", [](Maintenance& s) { return s.setDistortion(u"12", u"3"); },
                 Transcript{"send 42 31", "wait 100", "send 42 32", "wait 100", "send 42 00", "wait 100", "send 4E 00",
                            "wait 100", "send 42 33", "wait 100", "send 42 00", "wait 100", "send 4F 00"}},
        SendCase{
            "DistortionBothEmpty", [](Maintenance& s) { return s.setDistortion(u"", u""); },
            Transcript{"send 42 00", "wait 100", "send 4E 00", "wait 100", "send 42 00", "wait 100", "send 4F 00"}},
        SendCase{"OriginalSquare", [](Maintenance& s) { return s.mark(Figure::OriginalSquare); },
                 Transcript{"send 09 00"}},
        SendCase{"CorrectedSquare", [](Maintenance& s) { return s.mark(Figure::CorrectedSquare); },
                 Transcript{"send 0A 00"}},
        // The same packet each time: no on/off state.
        SendCase{"MaxFieldTwice",
                 [](Maintenance& s) {
                   s.mark(Figure::MaxField);
                   return s.mark(Figure::MaxField);
                 },
                 Transcript{"send 40 00", "send 40 00"}},
        SendCase{"Move", [](Maintenance& s) { return s.moveTo(5, 7); },
                 Transcript{"send BE 05", "wait 200", "send BF 07", "wait 200"}},
        SendCase{"MoveToTheBytesEdges", [](Maintenance& s) { return s.moveTo(0, 255); },
                 Transcript{"send BE 00", "wait 200", "send BF FF", "wait 200"}},
        SendCase{"MoveTo255And0", [](Maintenance& s) { return s.moveTo(255, 0); },
                 Transcript{"send BE FF", "wait 200", "send BF 00", "wait 200"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A target above one byte would travel as its low byte (300 moves to 44, 256
// to 0): the move is refused before anything goes out.
struct MoveRangeCase {
  const char* name;
  std::uint32_t x, y;
  Input input;
};

class MoveRange : public Geometry, public ::testing::WithParamInterface<MoveRangeCase> {};

TEST_P(MoveRange, RefusesATargetBeyondOneByte) {
  const Outcome outcome = service.moveTo(GetParam().x, GetParam().y);
  EXPECT_EQ(outcome.status, Status::Refused);
  EXPECT_EQ(outcome.input, GetParam().input);
  EXPECT_EQ(outcome.message, u"The Move To X and Y targets must be whole numbers from 0 to 255.");
  EXPECT_EQ(t, Transcript{});
  EXPECT_TRUE(host.records.empty());
}

INSTANTIATE_TEST_SUITE_P(Service, MoveRange,
                         ::testing::Values(MoveRangeCase{"X300", 300, 5, Input::MoveX},
                                           MoveRangeCase{"X256", 256, 5, Input::MoveX},
                                           MoveRangeCase{"Y256", 5, 256, Input::MoveY},
                                           MoveRangeCase{"BothAtTheFieldsMaximum", 65535, 65535, Input::MoveX}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the connection check ---------------------------------------------------------

TEST_F(ServiceOnLink, AnUnconnectedMoveConnectsBeforeTheFirstPacket) {
  fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, Block().serial(42).model("NZ-100").reply());
  EXPECT_TRUE(service.moveTo(1, 2).ok());
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 1", "query 142/38 -> 0", "identified NZ-100", "send BE 01",
                           "wait 200", "send BF 02", "wait 200"}));
}

TEST_F(ServiceOnLink, TheDistortionReadChecksTheConnectionFirst) {
  fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, Block().serial(42).model("NZ-100").reply());
  fake.setStatus(zor::protocol::CMD_GET_XY_DISTORTION, {1, 0, 2, 0});
  const auto reading = service.readDistortion();
  ASSERT_TRUE(reading.ok());
  EXPECT_EQ(reading.value.x, 1);
  EXPECT_EQ(reading.value.y, 2);
  EXPECT_EQ(t,
            (Transcript{kNotConnectedBox, "find -> 1", "query 142/38 -> 0", "identified NZ-100", "query 76/4 -> 0"}));
}

TEST_F(ServiceOnLink, TheDistortionReadEndsWhenNoSystemAnswers) {
  fake.setFindResults({0});
  EXPECT_EQ(service.readDistortion().status, Status::NotConnected);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 0"}));
}

TEST_F(ServiceOnLink, TheScaleReadMakesNoConnectionCheck) {
  fake.setFindResults({0});
  fake.setStatus(zor::protocol::CMD_GET_XY_SCALE, FloatBytes({2.5f, 3.0f}));
  const auto reading = service.readScale();
  ASSERT_TRUE(reading.ok());
  EXPECT_EQ(reading.value.x, 2.5f);
  EXPECT_EQ(reading.value.y, 3.0f);
  EXPECT_EQ(t, (Transcript{"query 75/8 -> 0"}));
}

// ---- the reads ---------------------------------------------------------------------

struct ReadCase {
  const char* name;
  std::optional<std::vector<std::uint8_t>> reply;  // none: the library leaves the block alone
  std::int32_t result;
  const char16_t* x;  // as shown; nullptr: the read failed
  const char16_t* y;
};

void Reply(RecordingLink& fake, int code, const ReadCase& c) {
  if (c.reply)
    fake.setStatus(code, *c.reply, c.result);
  else
    fake.setStatusUntouched(code, c.result);
}

class DistortionRead : public Geometry, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(DistortionRead, GivesTwoUnsignedHalvesOrFails) {
  const ReadCase& c = GetParam();
  Reply(fake, zor::protocol::CMD_GET_XY_DISTORTION, c);
  const auto reading = service.readDistortion();
  EXPECT_EQ(t, (Transcript{"query 76/4 -> " + std::to_string(c.result)}));
  if (c.x == nullptr) {
    EXPECT_EQ(reading.status, Status::ReadFailed);
    return;
  }
  ASSERT_TRUE(reading.ok());
  EXPECT_EQ(zor::service::FormatUnsigned(reading.value.x), c.x);
  EXPECT_EQ(zor::service::FormatUnsigned(reading.value.y), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Service, DistortionRead,
    ::testing::Values(ReadCase{"LittleEndianHalves", std::vector<std::uint8_t>{0x34, 0x12, 0x00, 0x80}, 0, u"4660",
                               u"32768"},
                      ReadCase{"LargestAndZero", std::vector<std::uint8_t>{0xFF, 0xFF, 0x00, 0x00}, 0, u"65535", u"0"},
                      ReadCase{"UntouchedBlockReadsAsZeros", std::nullopt, 0, u"0", u"0"},
                      ReadCase{"Failure", std::vector<std::uint8_t>{0x34, 0x12, 0x00, 0x80}, 1, nullptr, nullptr},
                      ReadCase{"NegativeFailureCode", std::nullopt, -1, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

class ScaleRead : public Geometry, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ScaleRead, GivesTwoSinglePrecisionValuesOrFails) {
  const ReadCase& c = GetParam();
  Reply(fake, zor::protocol::CMD_GET_XY_SCALE, c);
  const auto reading = service.readScale();
  EXPECT_EQ(t, (Transcript{"query 75/8 -> " + std::to_string(c.result)}));
  if (c.x == nullptr) {
    EXPECT_EQ(reading.status, Status::ReadFailed);
    return;
  }
  ASSERT_TRUE(reading.ok());
  EXPECT_EQ(zor::service::FormatFixed5(reading.value.x), c.x);
  EXPECT_EQ(zor::service::FormatFixed5(reading.value.y), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Service, ScaleRead,
    ::testing::Values(ReadCase{"TwoNumbers", FloatBytes({1.002f, -0.5f}), 0, u"1.00200", u"-0.50000"},
                      ReadCase{"RoundedToFiveDecimals", FloatBytes({0.999996f, 12345.678f}), 0, u"1.00000",
                               u"12345.67773"},
                      ReadCase{"UntouchedBlockReadsAsZero", std::nullopt, 0, u"0.00000", u"0.00000"},
                      ReadCase{"Failure", FloatBytes({1.0f, 1.0f}), 1, nullptr, nullptr},
                      ReadCase{"FailureUntouched", std::nullopt, 7, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zortest
