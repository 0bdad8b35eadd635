#include "simulator/field_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/controller_test_util.h"

namespace zor::simulator {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Kind = FieldEvent::Kind;

constexpr double kMm = 1e-4;  // what the field log shows
constexpr double kStep = 110.025 / 2048;

// A simulated controller and its field, driven packet by packet.
struct Rig {
  explicit Rig(controller::ControllerState state = {}, LensError lens = {})
      : controller(state, [] { return 0; }), field(lens, state) {}
  controller::TextInput text;
  std::vector<FieldEvent> send(std::uint8_t code, std::uint8_t value = 0) {
    const controller::CommandResult taken = controller.command(code, value, text);
    EXPECT_TRUE(taken && taken->effect != controller::Taken::Effect::Ignored) << test::reasonOf(taken);
    return field.command(code, controller.snapshot(), controller.activity());
  }
  std::vector<FieldEvent> sendText(std::uint8_t code, const std::string& text) {
    for (char c : text) send(protocol::CMD_TEXT_CHAR, static_cast<std::uint8_t>(c));
    send(protocol::CMD_TEXT_CHAR, 0);
    return send(code);
  }
  FieldEvent only(std::uint8_t code, std::uint8_t value = 0) {  // the one event a command gives
    auto events = send(code, value);
    EXPECT_EQ(events.size(), 1u) << int(code);
    return events.empty() ? FieldEvent{} : events.front();
  }
  controller::ControllerModel controller;
  FieldModel field;
};

void expectAt(const std::optional<Point>& p, double x, double y, double within = 1e-9) {
  ASSERT_TRUE(p);
  EXPECT_NEAR(p->x, x, within);
  EXPECT_NEAR(p->y, y, within);
}

TEST(FieldModel, TheFieldFollowsTheLens) {
  EXPECT_NEAR(fieldSide(60), 40.5, 1e-9);
  EXPECT_NEAR(fieldSide(163), 110.025, 1e-9);
  EXPECT_NEAR(jogStep(fieldSide(163)), 0.0537, kMm);
  Rig rig;
  EXPECT_TRUE(rig.sendText(protocol::CMD_SET_LENS, "163").empty());
  const auto events = rig.sendText(protocol::CMD_SET_LENS, "420");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, Kind::Field);
  EXPECT_NEAR(events[0].side, 283.5, 1e-9);
}

TEST(FieldModel, TheDefaultLensMarksTheFiguresOff) {
  const struct {
    Figure figure;
    double width, height, nominal;
    Point corner;  // the bottom left one
  } cases[] = {
      {Figure::OriginalSquare, 55.7927, 54.1485, 55.0125, {-27.7914, -26.9724}},
      {Figure::MaxField, 110.3254, 107.0741, 110.025, {-54.3226, -52.7218}},
  };
  for (const auto& c : cases) {
    const Outline o = markFigure(c.figure, controller::ControllerState{}, LensError{});
    EXPECT_NEAR(o.width, c.width, kMm) << figureName(c.figure);
    EXPECT_NEAR(o.height, c.height, kMm) << figureName(c.figure);
    EXPECT_NEAR(o.nominal, c.nominal, 1e-9) << figureName(c.figure);
    ASSERT_EQ(o.points.size(), 64u);
    expectAt(o.points[0], c.corner.x, c.corner.y, kMm);
  }
}

TEST(FieldModel, CorrectionsChangeTheCorrectedSquareOnly) {
  const double nominal = 110.025 / 2, h = nominal / 2;
  const struct {
    void (*set)(controller::ControllerState&);
    double width, height;  // as fractions of the nominal side
    Point corner;          // the bottom left one
  } cases[] = {
      {[](controller::ControllerState& s) { s.xScale = 1.002; }, 1.002, 1, {-h * 1.002, -h}},
      // 32800: 0.32 % out at the field's edge, a quarter of it at the square's edges, half at its corners.
      {[](controller::ControllerState& s) { s.xDistortion = 32800; }, 1.0008, 1, {-h * 1.0016, -h}},
      {[](controller::ControllerState& s) {
         s.distortionOffset = {0, 32};
       },
       1,
       1.0008,
       {-h, -h * 1.0016}},
  };
  for (const auto& c : cases) {
    controller::ControllerState state;
    c.set(state);
    const Outline original = markFigure(Figure::OriginalSquare, state, LensError{0, 0, 0});
    const Outline corrected = markFigure(Figure::CorrectedSquare, state, LensError{0, 0, 0});
    EXPECT_NEAR(original.width, nominal, 1e-9);
    EXPECT_NEAR(original.height, nominal, 1e-9);
    EXPECT_NEAR(corrected.width / nominal, c.width, 1e-9);
    EXPECT_NEAR(corrected.height / nominal, c.height, 1e-9);
    expectAt(corrected.points[0], c.corner.x, c.corner.y);
  }
}

// The technician's check: mark the uncorrected square, measure it, set each
// axis's scale to nominal / measured, mark the corrected square.
TEST(FieldModel, AScaleFromTheMeasuredOriginalSquareCorrectsItWithinHalfAPercent) {
  const LensError lenses[] = {{}, {0, 0, 0.03}, {0, 0, -0.03}, {0.02, -0.02, 0.03}, {-0.015, 0.025, -0.03}};
  for (const char* focal : {"163", "60", "420"}) {
    for (const LensError& lens : lenses) {
      SCOPED_TRACE(std::string(focal) + " mm, K " + std::to_string(lens.radial));
      Rig rig(controller::ControllerState{}, lens);
      rig.sendText(protocol::CMD_SET_LENS, focal);
      const Outline original = rig.only(protocol::CMD_MARK_ORIGINAL_SQUARE).figure.value();
      char scale[32];
      std::snprintf(scale, sizeof scale, "%.5f", original.nominal / original.width);
      rig.sendText(protocol::CMD_SET_X_SCALE, scale);
      std::snprintf(scale, sizeof scale, "%.5f", original.nominal / original.height);
      rig.sendText(protocol::CMD_SET_Y_SCALE, scale);
      const Outline corrected = rig.only(protocol::CMD_MARK_CORRECTED_SQUARE).figure.value();
      EXPECT_LT(std::abs(corrected.width / corrected.nominal - 1), 0.005);
      EXPECT_LT(std::abs(corrected.height / corrected.nominal - 1), 0.005);
    }
  }
}

TEST(FieldModel, MovePutsTheSpotWhereItsBytesSay) {
  const struct {
    std::uint8_t x, y;
    Point spot;
  } cases[] = {{0, 255, {-55.0125, 55.0125}}, {51, 128, {-33.0075, 0.2157}}};
  for (const auto& c : cases) {
    Rig rig;
    EXPECT_EQ(rig.only(protocol::CMD_MOVE_TO_X, c.x).kind, Kind::Move);
    expectAt(rig.only(protocol::CMD_MOVE_TO_Y, c.y).at, c.spot.x, c.spot.y, kMm);
  }
}

TEST(FieldModel, TheAlignmentPointsMoveWithTheJogsAndPlaceTheAimingDot) {
  const double q = 110.025 / 4;
  const struct {
    std::uint8_t code;
    controller::Offset topLeft, bottomRight;  // jog steps from their places
    bool bottomRightActive;
  } steps[] = {
      {protocol::CMD_AIM_ALIGN_BEGIN, {0, 0}, {0, 0}, false},
      {protocol::CMD_JOG_UP, {0, 1}, {0, 0}, false},
      {protocol::CMD_JOG_LEFT, {-1, 1}, {0, 0}, false},
      {protocol::CMD_AIM_ALIGN_NEXT_POINT, {-1, 1}, {0, 0}, true},
      {protocol::CMD_JOG_RIGHT, {-1, 1}, {1, 0}, true},
      {protocol::CMD_JOG_RIGHT, {-1, 1}, {2, 0}, true},
      {protocol::CMD_JOG_DOWN, {-1, 1}, {2, -1}, true},
  };
  Rig rig;
  for (const auto& s : steps) {
    const FieldEvent event = rig.only(s.code);
    ASSERT_TRUE(event.kind == Kind::Alignment && event.on && event.alignment) << int(s.code);
    expectAt(event.alignment->topLeft, -q + s.topLeft.x * kStep, q + s.topLeft.y * kStep);
    expectAt(event.alignment->bottomRight, q + s.bottomRight.x * kStep, -q + s.bottomRight.y * kStep);
    EXPECT_EQ(event.alignment->bottomRightActive, s.bottomRightActive);
  }
  EXPECT_FALSE(rig.only(protocol::CMD_AIM_ALIGN_SAVE).on);
  const FieldEvent dot = rig.only(protocol::CMD_AIMING_ON);
  EXPECT_EQ(dot.kind, Kind::Aiming);
  expectAt(dot.at, 0.5 * kStep, 0);  // the mean of the saved points' jogs
  EXPECT_TRUE(rig.send(protocol::CMD_AIMING_ON).empty());
  EXPECT_FALSE(rig.only(protocol::CMD_ADJUST_END).on);
}

TEST(FieldModel, AdjustmentsShowWhatTheirJogsMove) {
  Rig rig;
  expectAt(rig.only(protocol::CMD_CENTER_ADJUST_BEGIN).at, 0, 0);
  expectAt(rig.only(protocol::CMD_JOG_RIGHT).at, kStep, 0);
  EXPECT_FALSE(rig.only(protocol::CMD_CENTER_ADJUST_SAVE).on);
  const Outline square = rig.only(protocol::CMD_MARK_ORIGINAL_SQUARE).figure.value();
  EXPECT_NEAR(square.points[0].x, markFigure(Figure::OriginalSquare, {}, {}).points[0].x + kStep, 1e-9);

  const Outline preview = rig.only(protocol::CMD_DISTORTION_ADJUST_BEGIN).figure.value();
  EXPECT_DOUBLE_EQ(preview.width, square.width);
  const Outline jogged = rig.only(protocol::CMD_JOG_RIGHT).figure.value();
  EXPECT_GT(jogged.width, preview.width);  // one unit more of the X word
  EXPECT_DOUBLE_EQ(jogged.height, preview.height);
  EXPECT_FALSE(rig.only(protocol::CMD_ADJUST_END).on);
  EXPECT_DOUBLE_EQ(rig.only(protocol::CMD_MARK_CORRECTED_SQUARE).figure->width,
                   square.width);  // abandoned: nothing kept
}

TEST(FieldModel, TheDescriptionSaysWhatIsDrawn) {
  Rig rig;
  EXPECT_EQ(rig.field.describe(), "Scan field 110.03 mm square. Nothing marked.");
  rig.send(protocol::CMD_MARK_ORIGINAL_SQUARE);
  rig.send(protocol::CMD_MARK_ORIGINAL_SQUARE);
  rig.send(protocol::CMD_MARK_MAX_FIELD);
  rig.send(protocol::CMD_MARK_MAX_FIELD);  // switched off: nothing more marked
  rig.send(protocol::CMD_MOVE_TO_X, 51);
  rig.send(protocol::CMD_AIMING_ON);
  rig.send(protocol::CMD_AIM_ALIGN_BEGIN);
  EXPECT_EQ(rig.field.describe(),
            "Scan field 110.03 mm square."
            " Original square marked 2 times, the last 55.79 mm wide and 54.15 mm high (meant to be 55.01 mm)."
            " Maximum field marked 110.33 mm wide and 107.07 mm high (meant to be 110.03 mm)."
            " Spot at x -33.01 mm, y -55.01 mm. Aiming dot at x 0.00 mm, y 0.00 mm."
            " Aiming alignment: top left point at x -27.51 mm, y 27.51 mm, right bottom point at x 27.51 mm,"
            " y -27.51 mm; aligning the top left point.");
  EXPECT_EQ(rig.field.clear().kind, Kind::Clear);
  EXPECT_THAT(rig.field.describe(), StartsWith("Scan field 110.03 mm square. Nothing marked. Aiming dot"));
  rig.send(protocol::CMD_MARK_CORRECTED_SQUARE);
  for (int i = 0; i < 300; ++i) rig.send(protocol::CMD_MARK_ORIGINAL_SQUARE);
  EXPECT_EQ(rig.field.view().marks.size(), FieldView::kKeptMarks);  // the latest
  EXPECT_THAT(rig.field.describe(), HasSubstr("Original square marked 300 times, the last 55.79 mm wide and 54.15 mm "
                                              "high (meant to be 55.01 mm). Corrected square marked. Aiming"));
}

TEST(FieldModel, EventsAsJsonLines) {
  controller::ControllerState state;
  state.lens = 160;  // a field of 108 mm: round numbers
  Rig rig(state);
  auto json = [](const FieldEvent& event) { return fieldEventJson(event, 1.25, 100002); };
  EXPECT_EQ(json(rig.only(protocol::CMD_MOVE_TO_X, 51)),
            R"({"t":1.250,"system":100002,"event":"move","x_mm":-32.4000,"y_mm":-54.0000})");
  EXPECT_EQ(json(rig.only(protocol::CMD_AIM_ALIGN_BEGIN)),
            R"({"t":1.250,"system":100002,"event":"alignment","on":true,"points":[[-27.0000,27.0000],)"
            R"([27.0000,-27.0000]],"active":"top-left"})");
  EXPECT_EQ(json(rig.only(protocol::CMD_ADJUST_END)), R"({"t":1.250,"system":100002,"event":"alignment","on":false})");
  const std::string mark = json(rig.only(protocol::CMD_MARK_ORIGINAL_SQUARE));
  EXPECT_THAT(mark, StartsWith(R"({"t":1.250,"system":100002,"event":"mark","figure":"original-square",)"
                               R"("points":[[-27.2799,-26.4759],[-23.8910,-26.4994],)"));
  EXPECT_THAT(mark, EndsWith(R"(]],"width_mm":54.7659,"height_mm":53.1519,"nominal_mm":54.0000})"));
  EXPECT_EQ(json(rig.sendText(protocol::CMD_SET_LENS, "420").at(0)),
            R"({"t":1.250,"system":100002,"event":"field","side_mm":283.5000})");
  EXPECT_EQ(json(rig.field.clear()), R"({"t":1.250,"system":100002,"event":"clear"})");
}

TEST(FieldModel, LensErrorOption) {
  const struct {
    const char* text;
    std::optional<LensError> lens;
    const char* why;
  } cases[] = {
      {"1.8,-1.2,-1.5", LensError{}, ""},
      {"+2,0,10", LensError{0.02, 0, 0.1}, ""},
      {"1,2", std::nullopt, "expected three percentages SX,SY,K"},
      {"1,2,3,4", std::nullopt, "expected three percentages SX,SY,K"},
      {"1,,3", std::nullopt, "the Y scale error is not a number"},
      {"1,2,nan", std::nullopt, "the radial error is not a number"},
      {"1,-10.5,3", std::nullopt, "the Y scale error -10.50 % is outside -10 to 10 %"},
  };
  for (const auto& c : cases) {
    const auto lens = parseLensError(c.text);
    ASSERT_EQ(lens.ok(), c.lens.has_value()) << c.text;
    if (lens) {
      EXPECT_NEAR(lens->scaleX, c.lens->scaleX, 1e-12) << c.text;
      EXPECT_NEAR(lens->scaleY, c.lens->scaleY, 1e-12) << c.text;
      EXPECT_NEAR(lens->radial, c.lens->radial, 1e-12) << c.text;
    }
    EXPECT_THAT(lens.why(), HasSubstr(c.why)) << c.text;
  }
}

}  // namespace
}  // namespace zor::simulator
