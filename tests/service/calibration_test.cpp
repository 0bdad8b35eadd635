// The field calibration: the computation against the scan field's model it
// inverts, its refusals and tolerance, and the operations' packets and record.
#include "service/calibration.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <cmath>
#include <limits>

#include "field/scan_field.h"
#include "service/text.h"
#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

namespace svc = zor::service;
using svc::CalibrationInput;
using svc::CalibrationPlan;
using svc::Distortion;
using svc::Input;
using svc::Scale;
using svc::Status;
using zor::field::Corrections;
using zor::field::LensError;

constexpr std::uint16_t kLens = 163;
const double kNominal = zor::field::fieldSide(kLens) / 2;  // 55.0125

CalibrationInput In(svc::SquareSizes measured, std::optional<double> nominal = {},
                    svc::CalibrationTolerance tolerance = {}) {
  return {measured, nominal, tolerance};
}

double Round(double mm) { return std::round(mm * 100) / 100; }

// What calipers read, to 0.01 mm, on the corrected square through this lens.
svc::SquareSizes Measure(const LensError& lens, const Corrections& c, bool edges) {
  const zor::field::SquareSizes s = zor::field::correctedSquareSizes(c, lens, kNominal, kNominal);
  svc::SquareSizes m{Round(s.width), Round(s.height), {}, {}};
  if (edges) {
    m.topMm = Round(s.top);
    m.leftMm = Round(s.left);
  }
  return m;
}

// The corrections as the controller holds them once the plan's texts are set.
Corrections Held(const CalibrationPlan& p) {
  return {svc::ToQString(p.scaleXText).toDouble(), svc::ToQString(p.scaleYText).toDouble(),
          svc::ToQString(p.distortionXText).toDouble(), svc::ToQString(p.distortionYText).toDouble()};
}

// ---- one round brings any lens within tolerance --------------------------------------

struct LensCase {
  LensError lens;
  Corrections start;
};

class OneRound : public ::testing::TestWithParam<LensCase> {};

TEST_P(OneRound, BringsTheSquareWithinTolerance) {
  const LensCase& c = GetParam();
  CalibrationInput input;
  input.measured = Measure(c.lens, c.start, true);
  const auto plan = svc::ComputeCalibration(
      input, kLens, Scale{static_cast<float>(c.start.scaleX), static_cast<float>(c.start.scaleY)},
      Distortion{static_cast<std::uint16_t>(c.start.distortionX), static_cast<std::uint16_t>(c.start.distortionY)});
  ASSERT_TRUE(plan.ok()) << svc::ToUtf8(plan.message);
  EXPECT_NEAR(plan.value.nominalMm, 55.0125, 1e-9);
  const zor::field::SquareSizes after = zor::field::correctedSquareSizes(Held(plan.value), c.lens, kNominal, kNominal);
  EXPECT_NEAR(after.width, kNominal, kNominal * 0.0005);
  EXPECT_NEAR(after.height, kNominal, kNominal * 0.0005);
  EXPECT_NEAR(after.top, after.width, 0.02);
  EXPECT_NEAR(after.left, after.height, 0.02);
  EXPECT_LT(plan.value.modelMisfitMm, 0.01) << "the model fits what this lens marks";
  // What it expects is what the lens then marks, to within the measurements' rounding.
  EXPECT_NEAR(plan.value.expectedWidthMm, after.width, 0.01);
  EXPECT_NEAR(plan.value.expectedHeightMm, after.height, 0.01);
  ASSERT_TRUE(plan.value.expectedTopMm.has_value());
  EXPECT_NEAR(*plan.value.expectedTopMm, after.top, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Calibration, OneRound,
                         ::testing::Values(LensCase{{0.018, -0.012, -0.015}, {}}, LensCase{{0, 0, 0.03}, {}},
                                           LensCase{{0, 0, -0.03}, {}}, LensCase{{0.05, 0.05, 0.03}, {}},
                                           LensCase{{-0.05, -0.05, -0.03}, {}}, LensCase{{0.05, -0.05, -0.03}, {}},
                                           LensCase{{-0.05, 0.05, 0.03}, {}}, LensCase{{0.031, -0.044, 0.012}, {}},
                                           // Corrections already in force, even ones that make it worse.
                                           LensCase{{0.018, -0.012, -0.015}, {0.98602, 1.01596, 32768, 32768}},
                                           LensCase{{-0.02, 0.03, 0.025}, {1.03, 0.97, 32400, 33200}},
                                           LensCase{{0.04, 0.01, -0.02}, {1.0, 1.0, 33100, 32500}}));

// Edges bowed one way along x and the other along y: no single radial error
// explains them, and the plan says by how much the model misses.
TEST(Calibration, SaysHowFarTheModelMissesTheMeasurements) {
  const auto plan = svc::ComputeCalibration(In({55.3, 54.8, 55.4, 54.7}), kLens, Scale{1, 1}, Distortion{32768, 32768});
  ASSERT_TRUE(plan.ok()) << svc::ToUtf8(plan.message);
  EXPECT_NEAR(plan.value.modelMisfitMm, 0.05, 0.005) << "half the 0.1 mm each way, the other half on the other axis";
}

// Width and height alone correct the scale and keep the distortion words.
TEST(Calibration, WidthAndHeightAloneKeepTheDistortion) {
  const LensError lens{0.03, -0.04, 0};
  const Corrections start{1, 1, 32900, 32700};
  CalibrationInput input;
  input.measured = Measure(lens, start, false);
  const auto plan = svc::ComputeCalibration(input, kLens, Scale{1, 1}, Distortion{32900, 32700});
  ASSERT_TRUE(plan.ok()) << svc::ToUtf8(plan.message);
  EXPECT_FALSE(plan.value.distortionChanges);
  EXPECT_TRUE(plan.value.scaleChanges);
  EXPECT_EQ(plan.value.distortionXText, u"32900");
  EXPECT_FALSE(plan.value.expectedTopMm.has_value());
  const auto after = zor::field::correctedSquareSizes(Held(plan.value), lens, kNominal, kNominal);
  EXPECT_NEAR(after.width, kNominal, kNominal * 0.0005);
  EXPECT_NEAR(after.height, kNominal, kNominal * 0.0005);
}

// A nominal size given stands for the square's side and the field's half side.
TEST(Calibration, NominalGivenOverridesTheLens) {
  CalibrationInput input;
  input.nominalMm = 50;
  input.measured = {50.5, 49.5, {}, {}};
  const auto plan = svc::ComputeCalibration(input, 0, Scale{1, 1}, Distortion{32768, 32768});
  ASSERT_TRUE(plan.ok()) << svc::ToUtf8(plan.message);
  EXPECT_EQ(plan.value.scaleXText, u"0.99010");
  EXPECT_EQ(plan.value.scaleYText, u"1.01010");
  EXPECT_NEAR(plan.value.expectedWidthMm, 50, 0.001);
}

// ---- the tolerance ----------------------------------------------------------------------

struct ToleranceCase {
  const char* name;
  svc::SquareSizes measured;
  svc::CalibrationTolerance tolerance;
  bool within;
};

class Tolerance : public ::testing::TestWithParam<ToleranceCase> {};

TEST_P(Tolerance, WithinSendsNothing) {
  const ToleranceCase& c = GetParam();
  CalibrationInput input{c.measured, 50.0, c.tolerance};
  const auto plan = svc::ComputeCalibration(input, kLens, Scale{1, 1}, Distortion{32768, 32768});
  ASSERT_TRUE(plan.ok()) << svc::ToUtf8(plan.message);
  EXPECT_EQ(plan.value.withinTolerance, c.within);
  if (c.within) {
    EXPECT_FALSE(plan.value.scaleChanges || plan.value.distortionChanges);
    EXPECT_EQ(svc::CalibrationSummary(plan.value), u"");
  }
}

INSTANTIATE_TEST_SUITE_P(Calibration, Tolerance,
                         ::testing::Values(ToleranceCase{"Nominal", {50, 50, 50, 50}, {}, true},
                                           ToleranceCase{"OnThePercent", {50.025, 49.975, {}, {}}, {}, true},
                                           ToleranceCase{"PastThePercent", {50.03, 50, {}, {}}, {}, false},
                                           ToleranceCase{"EdgeOnItsLimit", {50, 50, 50.02, 49.98}, {}, true},
                                           ToleranceCase{"EdgePastItsLimit", {50, 50, 50, 49.97}, {}, false},
                                           ToleranceCase{"WiderTolerance", {50.2, 50, 50.25, 50}, {0.5, 0.1}, true},
                                           ToleranceCase{"NoTolerance", {50.01, 50, {}, {}}, {0, 0}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- refusals ---------------------------------------------------------------------------

struct RefusalCase {
  const char* name;
  CalibrationInput input;
  std::uint16_t lens;
  Scale scale;
  Distortion distortion;
  Input input_named;
  const char16_t* says;
};

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NamesTheInput) {
  const RefusalCase& c = GetParam();
  const auto plan = svc::ComputeCalibration(c.input, c.lens, c.scale, c.distortion);
  EXPECT_EQ(plan.status, Status::Refused);
  EXPECT_EQ(plan.input, c.input_named);
  EXPECT_NE(plan.message.find(c.says), std::u16string::npos) << svc::ToUtf8(plan.message);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr Scale kOne{1, 1};
constexpr Distortion kNeutral{32768, 32768};

INSTANTIATE_TEST_SUITE_P(
    Calibration, Refusal,
    ::testing::Values(
        RefusalCase{"ZeroWidth", In({0, 55, {}, {}}), kLens, kOne, kNeutral, Input::CalibrationWidth, u"positive"},
        RefusalCase{"NegativeHeight", In({55, -55, {}, {}}), kLens, kOne, kNeutral, Input::CalibrationHeight,
                    u"positive"},
        RefusalCase{"NaNTop", In({55, 55, kNaN, 55}), kLens, kOne, kNeutral, Input::CalibrationTop, u"positive"},
        RefusalCase{"InfiniteLeft", In({55, 55, 55, kInf}), kLens, kOne, kNeutral, Input::CalibrationLeft, u"positive"},
        RefusalCase{"TopWithoutLeft", In({55, 55, 55, {}}), kLens, kOne, kNeutral, Input::CalibrationLeft,
                    u"without the left edge"},
        RefusalCase{"LeftWithoutTop", In({55, 55, {}, 55}), kLens, kOne, kNeutral, Input::CalibrationTop,
                    u"without the top edge"},
        RefusalCase{"FarFromNominal", In({66.1, 55, {}, {}}), kLens, kOne, kNeutral, Input::CalibrationWidth,
                    u"more than 20 % away from the nominal 55.0125 mm"},
        RefusalCase{"EdgeFarFromNominal", In({55, 55, 43.9, 55}), kLens, kOne, kNeutral, Input::CalibrationTop,
                    u"more than 20 %"},
        RefusalCase{"NominalZero", In({55, 55, {}, {}}, 0.0), kLens, kOne, kNeutral, Input::CalibrationNominal,
                    u"nominal size must be a positive"},
        RefusalCase{"NoLens", In({55, 55, {}, {}}), 0, kOne, kNeutral, Input::CalibrationNominal, u"no lens"},
        RefusalCase{"NoScaleInForce", In({55, 55, {}, {}}), kLens, Scale{0, 0}, kNeutral, Input::ScaleX,
                    u"not a positive factor"},
        RefusalCase{"WordPastItsRange", In({55.2, 55.2, 55.5, 55.5}), kLens, kOne, Distortion{65530, 65530},
                    Input::DistortionX, u"outside the 0 to 65535"},
        RefusalCase{"ScalePastItsText", In({54, 54, {}, {}}), kLens, Scale{1e-6f, 1e-6f}, kNeutral, Input::ScaleX,
                    u"cannot take as a scale"},
        RefusalCase{"NegativeTolerance", In({55, 55, {}, {}}, {}, {-1, 0.02}), kLens, kOne, kNeutral, Input::None,
                    u"tolerance"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the previous round -----------------------------------------------------------------

TEST(Calibration, SaysWhenTheLastRoundBroughtTheSquareNoCloser) {
  CalibrationPlan now;
  now.nominalMm = 50;
  const auto previous = [](double width) {
    return QJsonObject{{"nominal_mm", 50.0},
                       {"measured", QJsonObject{{"width_mm", width}, {"height_mm", 50.0}}},
                       {"expected", QJsonObject{{"width_mm", 50.0}, {"height_mm", 50.0}}}};
  };
  struct Case {
    double before, now;
    bool warns;
  } cases[] = {{50.5, 50.1, false}, {50.5, 50.5, true}, {50.2, 49.7, true}};
  for (const Case& c : cases) {
    now.measured = {c.now, 50, {}, {}};
    const auto warning = svc::CalibrationProgress(previous(c.before), now);
    EXPECT_EQ(warning.has_value(), c.warns) << c.before << " then " << c.now;
    if (warning) {
      EXPECT_NE(warning->find(u"did not bring the square closer"), std::u16string::npos) << c.before;
      EXPECT_NE(warning->find(u"expected to measure 50.00 x 50.00 mm"), std::u16string::npos) << c.before;
    }
  }
  // Another nominal size, or a record without its sizes: nothing to compare.
  EXPECT_FALSE(svc::CalibrationProgress(QJsonObject{{"nominal_mm", 40.0}}, now));
  EXPECT_FALSE(svc::CalibrationProgress(QJsonObject{}, now));
}

// ---- the operations ---------------------------------------------------------------------

class CalibrationService : public ServiceOnLink {
 protected:
  void SetUp() override {
    connect(Block().serial(42).model("NZ-7").lens(kLens));
    fake.setStatus(zor::protocol::CMD_GET_XY_SCALE, {0, 0, 0x80, 0x3F, 0, 0, 0x80, 0x3F});  // 1.0f, 1.0f
    fake.setStatus(zor::protocol::CMD_GET_XY_DISTORTION, {0x00, 0x80, 0x00, 0x80});         // 32768, 32768
  }
  CalibrationInput input() const {
    CalibrationInput in;
    in.measured = Measure(LensError{}, Corrections{}, true);
    return in;
  }
};

// Set scale, then Set distortion, with the panel's packets and pauses; one record.
TEST_F(CalibrationService, AppliesScaleThenDistortionAsOneRecord) {
  const auto plan = service.planCalibration(input());
  ASSERT_TRUE(plan.ok()) << svc::ToUtf8(plan.message);
  ASSERT_TRUE(plan.value.scaleChanges && plan.value.distortionChanges);
  t.clear();
  ASSERT_TRUE(service.applyCalibration(plan.value).ok());
  ASSERT_EQ(host.records.size(), 1u);
  const Transcript applied = t;
  t.clear();
  ASSERT_TRUE(service.setScale(plan.value.scaleXText, plan.value.scaleYText).ok());
  ASSERT_TRUE(service.setDistortion(plan.value.distortionXText, plan.value.distortionYText).ok());
  EXPECT_EQ(applied, t);

  const svc::OperationRecord& r = host.records[0];
  EXPECT_EQ(r.operation, u"calibrate");
  EXPECT_EQ(r.value, u"scale " + plan.value.scaleXText + u' ' + plan.value.scaleYText + u", distortion " +
                         plan.value.distortionXText + u' ' + plan.value.distortionYText);
  const QJsonObject calibration =
      QJsonDocument::fromJson(QByteArray::fromStdString("{" + r.extraJson + "}")).object()["calibration"].toObject();
  EXPECT_TRUE(calibration["sent"].toBool());
  EXPECT_FALSE(calibration["within_tolerance"].toBool());
  EXPECT_EQ(calibration["new"].toObject()["distortion_x"].toInt(), plan.value.newDistortion.x);
  EXPECT_EQ(calibration["measured"].toObject().keys(), (QStringList{"height_mm", "left_mm", "top_mm", "width_mm"}));
  EXPECT_EQ(calibration.keys(),
            (QStringList{"expected", "measured", "new", "nominal_mm", "old", "sent", "within_tolerance"}));
}

TEST_F(CalibrationService, ARefusedSetEndsTheRoundAndIsLoggedAsFailed) {
  const auto plan = service.planCalibration(input());
  ASSERT_TRUE(plan.ok());
  fake.refusePacket(1);
  const svc::Outcome outcome = service.applyCalibration(plan.value);
  EXPECT_EQ(outcome.status, Status::NotAccepted);
  EXPECT_TRUE(outcome.message.starts_with(u"The new scale correction was not taken.")) << svc::ToUtf8(outcome.message);
  ASSERT_EQ(host.records.size(), 1u);
  EXPECT_EQ(host.records[0].outcome.status, Status::NotAccepted);
  EXPECT_NE(host.records[0].extraJson.find("\"sent\":false"), std::string::npos);
}

}  // namespace
}  // namespace zortest
