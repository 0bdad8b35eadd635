#include "simulator/field_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace zor::sim {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Kind = FieldEvent::Kind;

constexpr double kMm = 1e-4;  // what the field log shows
constexpr double kSide163 = 110.025;
constexpr double kStep163 = kSide163 / 2048;

// A simulated controller and its field, driven packet by packet.
struct Rig {
  explicit Rig(ControllerState state = {}, LensError lens = {})
      : controller(state, [] { return 0; }), field(lens, state) {}
  std::vector<FieldEvent> send(std::uint8_t code, std::uint8_t value = 0) {
    const Outcome outcome = controller.command(code, value);
    EXPECT_TRUE(outcome == Outcome::Accepted || outcome == Outcome::Committed) << controller.lastError();
    return field.command(code, controller.snapshot(), controller.activity());
  }
  // The events of the command that takes the text.
  std::vector<FieldEvent> sendText(std::uint8_t code, const std::string& text) {
    for (char c : text) send(CMD_TEXT_CHAR, static_cast<std::uint8_t>(c));
    send(CMD_TEXT_CHAR, 0);
    return send(code);
  }
  // The one event a command gave.
  FieldEvent only(std::uint8_t code, std::uint8_t value = 0) {
    auto events = send(code, value);
    EXPECT_EQ(events.size(), 1u) << int(code);
    return events.empty() ? FieldEvent{} : events.front();
  }
  ControllerModel controller;
  FieldModel field;
};

void expectAt(const std::optional<Point>& p, double x, double y) {
  ASSERT_TRUE(p);
  EXPECT_NEAR(p->x, x, 1e-9);
  EXPECT_NEAR(p->y, y, 1e-9);
}

TEST(FieldModel, FieldSideAndJogStepFollowTheLens) {
  const struct {
    std::uint16_t lens;
    double side;
  } cases[] = {{163, 110.025}, {60, 40.5}, {420, 283.5}};
  for (const auto& c : cases) {
    EXPECT_NEAR(fieldSide(c.lens), c.side, 1e-9) << c.lens;
    EXPECT_NEAR(jogStep(fieldSide(c.lens)), c.side / 2048, 1e-12) << c.lens;
  }
  Rig rig;
  EXPECT_TRUE(rig.sendText(CMD_SET_LENS, "163").empty());  // the same lens: the same field
  const auto events = rig.sendText(CMD_SET_LENS, "420");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, Kind::Field);
  EXPECT_EQ(events[0].side, 283.5);
  EXPECT_EQ(rig.field.view().side, 283.5);
}

TEST(FieldModel, TheDefaultLensMarksTheSquaresOff) {
  const struct {
    Figure figure;
    double width, height, nominal;
    Point corner;  // the bottom left one
  } cases[] = {
      {Figure::OriginalSquare, 55.7927, 54.1485, 55.0125, {-27.7914, -26.9724}},
      {Figure::CorrectedSquare, 55.7927, 54.1485, 55.0125, {-27.7914, -26.9724}},  // neutral corrections
      {Figure::MaxField, 110.3254, 107.0741, 110.025, {-54.3226, -52.7218}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(figureName(c.figure));
    const Outline o = markFigure(c.figure, ControllerState{}, LensError{});
    EXPECT_NEAR(o.width, c.width, kMm);
    EXPECT_NEAR(o.height, c.height, kMm);
    EXPECT_EQ(o.nominal, c.nominal);
    ASSERT_EQ(o.points.size(), 64u);
    EXPECT_NEAR(o.points[0].x, c.corner.x, kMm);
    EXPECT_NEAR(o.points[0].y, c.corner.y, kMm);
  }
}

TEST(FieldModel, CorrectionsChangeTheCorrectedSquareOnly) {
  const double nominal = kSide163 / 2;
  const double h = nominal / 2;
  const struct {
    const char* what;
    void (*set)(ControllerState&);
    double width, height;  // as fractions of the nominal side
    Point corner;          // the corrected square's bottom left corner
    Point shift;           // of both squares
  } cases[] = {
      {"scale 1.002", [](ControllerState& s) { s.xScale = 1.002; }, 1.002, 1, {-h * 1.002, -h}, {}},
      // 32800: 0.32 % outwards at the field's edge, a quarter of that at the square's edge midpoints,
      // half of it at its corners.
      {"distortion 32800", [](ControllerState& s) { s.xDistortion = 32800; }, 1.0008, 1, {-h * 1.0016, -h}, {}},
      {"32 distortion jogs",
       [](ControllerState& s) {
         s.distortionOffset = {0, 32};
       },
       1,
       1.0008,
       {-h, -h * 1.0016},
       {}},
      {"centering",
       [](ControllerState& s) {
         s.centerOffset = {10, -4};
       },
       1,
       1,
       {-h + 10 * kStep163, -h - 4 * kStep163},
       {10 * kStep163, -4 * kStep163}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ControllerState state;
    c.set(state);
    const Outline original = markFigure(Figure::OriginalSquare, state, LensError{0, 0, 0});
    const Outline corrected = markFigure(Figure::CorrectedSquare, state, LensError{0, 0, 0});
    EXPECT_NEAR(original.width, nominal, 1e-9);
    EXPECT_NEAR(original.height, nominal, 1e-9);
    EXPECT_NEAR(original.points[0].x, -h + c.shift.x, 1e-9);
    EXPECT_NEAR(original.points[0].y, -h + c.shift.y, 1e-9);
    EXPECT_NEAR(corrected.width / nominal, c.width, 1e-9);
    EXPECT_NEAR(corrected.height / nominal, c.height, 1e-9);
    EXPECT_NEAR(corrected.points[0].x, c.corner.x, 1e-9);
    EXPECT_NEAR(corrected.points[0].y, c.corner.y, 1e-9);
  }
}

// The technician's check: mark the original square, measure it, set each
// axis's scale to nominal / measured, mark the corrected square.
TEST(FieldModel, AScaleFromTheMeasuredOriginalSquareCorrectsItWithinHalfAPercent) {
  const LensError lenses[] = {{}, {0, 0, 0.03}, {0, 0, -0.03}, {0.02, -0.02, 0.03}, {-0.015, 0.025, -0.03}};
  for (const char* lens : {"163", "60", "420"}) {
    for (const LensError& error : lenses) {
      SCOPED_TRACE(std::string(lens) + " mm, k " + std::to_string(error.radial));
      Rig rig(ControllerState{}, error);
      rig.sendText(CMD_SET_LENS, lens);
      const FieldEvent original = rig.only(CMD_MARK_ORIGINAL_SQUARE);
      ASSERT_TRUE(original.figure);
      char scale[32];
      std::snprintf(scale, sizeof scale, "%.5f", original.figure->nominal / original.figure->width);
      rig.sendText(CMD_SET_X_SCALE, scale);
      std::snprintf(scale, sizeof scale, "%.5f", original.figure->nominal / original.figure->height);
      rig.sendText(CMD_SET_Y_SCALE, scale);
      const FieldEvent corrected = rig.only(CMD_MARK_CORRECTED_SQUARE);
      ASSERT_TRUE(corrected.figure);
      EXPECT_LT(std::abs(corrected.figure->width / corrected.figure->nominal - 1), 0.005);
      EXPECT_LT(std::abs(corrected.figure->height / corrected.figure->nominal - 1), 0.005);
    }
  }
}

TEST(FieldModel, MovePutsTheSpotWhereItsBytesSay) {
  const struct {
    Offset center;
    std::uint8_t x, y;
    Point spot;
  } cases[] = {
      {{}, 0, 0, {-55.0125, -55.0125}},
      {{}, 255, 255, {55.0125, 55.0125}},
      {{}, 51, 128, {-33.0075, 0.2157}},
      {{10, -4}, 51, 128, {-33.0075 + 10 * kStep163, 0.2157 - 4 * kStep163}},
  };
  for (const auto& c : cases) {
    ControllerState state;
    state.centerOffset = c.center;
    Rig rig(state);
    EXPECT_EQ(rig.only(CMD_MOVE_TO_X, c.x).kind, Kind::Move);
    const FieldEvent moved = rig.only(CMD_MOVE_TO_Y, c.y);
    ASSERT_TRUE(moved.at);
    EXPECT_NEAR(moved.at->x, c.spot.x, kMm) << int(c.x);
    EXPECT_NEAR(moved.at->y, c.spot.y, kMm) << int(c.y);
    EXPECT_EQ(rig.field.view().spot, moved.at);
  }
}

TEST(FieldModel, TheAimingDotSitsAtTheMeanOfTheAlignedPoints) {
  ControllerState state;
  state.aimTopLeft = {4, 2};
  state.aimBottomRight = {-2, 6};
  state.centerOffset = {1, 0};
  Rig rig(state);
  const FieldEvent on = rig.only(CMD_AIMING_ON);
  EXPECT_EQ(on.kind, Kind::Aiming);
  EXPECT_TRUE(on.on);
  expectAt(on.at, 2 * kStep163, 4 * kStep163);
  EXPECT_TRUE(rig.send(CMD_AIMING_ON).empty());
  const FieldEvent off = rig.only(CMD_ADJUST_END);
  EXPECT_FALSE(off.on);
  EXPECT_FALSE(rig.field.view().aimingDot);
}

TEST(FieldModel, TheAlignmentPointsMoveWithTheJogs) {
  const double q = kSide163 / 4;
  const struct {
    std::uint8_t code;
    bool shown;
    Offset topLeft, bottomRight;  // jog steps from their places
    bool bottomRightActive;
  } steps[] = {
      {CMD_AIM_ALIGN_BEGIN, true, {0, 0}, {0, 0}, false}, {CMD_JOG_UP, true, {0, 1}, {0, 0}, false},
      {CMD_JOG_LEFT, true, {-1, 1}, {0, 0}, false},       {CMD_AIM_ALIGN_NEXT_POINT, true, {-1, 1}, {0, 0}, true},
      {CMD_JOG_RIGHT, true, {-1, 1}, {1, 0}, true},       {CMD_JOG_RIGHT, true, {-1, 1}, {2, 0}, true},
      {CMD_JOG_DOWN, true, {-1, 1}, {2, -1}, true},       {CMD_AIM_ALIGN_SAVE, false, {}, {}, false},
  };
  Rig rig;
  for (const auto& s : steps) {
    SCOPED_TRACE(int(s.code));
    const FieldEvent event = rig.only(s.code);
    EXPECT_EQ(event.kind, Kind::Alignment);
    EXPECT_EQ(event.on, s.shown);
    if (!s.shown) continue;
    ASSERT_TRUE(event.alignment);
    expectAt(event.alignment->topLeft, -q + s.topLeft.x * kStep163, q + s.topLeft.y * kStep163);
    expectAt(event.alignment->bottomRight, q + s.bottomRight.x * kStep163, -q + s.bottomRight.y * kStep163);
    EXPECT_EQ(event.alignment->bottomRightActive, s.bottomRightActive);
  }
  expectAt(rig.only(CMD_AIMING_ON).at, 0.5 * kStep163, 0);  // the saved points' mean
}

TEST(FieldModel, AdjustmentsShowWhatTheirJogsMove) {
  Rig rig;
  const FieldEvent begun = rig.only(CMD_CENTER_ADJUST_BEGIN);
  EXPECT_EQ(begun.kind, Kind::CenterCross);
  expectAt(begun.at, 0, 0);
  expectAt(rig.only(CMD_JOG_RIGHT).at, kStep163, 0);
  EXPECT_FALSE(rig.only(CMD_CENTER_ADJUST_SAVE).on);
  const Outline square = rig.only(CMD_MARK_ORIGINAL_SQUARE).figure.value();
  EXPECT_NEAR(square.points[0].x, markFigure(Figure::OriginalSquare, {}, {}).points[0].x + kStep163, 1e-9);

  const FieldEvent preview = rig.only(CMD_DISTORTION_ADJUST_BEGIN);
  EXPECT_EQ(preview.kind, Kind::DistortionPreview);
  ASSERT_TRUE(preview.figure);
  EXPECT_DOUBLE_EQ(preview.figure->width, square.width);
  const FieldEvent jogged = rig.only(CMD_JOG_RIGHT);
  ASSERT_TRUE(jogged.figure);
  EXPECT_GT(jogged.figure->width, preview.figure->width);  // one unit more of the X word
  EXPECT_DOUBLE_EQ(jogged.figure->height, preview.figure->height);
  EXPECT_FALSE(rig.only(CMD_ADJUST_END).on);
  EXPECT_DOUBLE_EQ(rig.only(CMD_MARK_CORRECTED_SQUARE).figure->width, square.width);  // abandoned: nothing kept
}

TEST(FieldModel, TheDescriptionSaysWhatIsDrawn) {
  Rig rig;
  EXPECT_EQ(rig.field.describe(), "Scan field 110.03 mm square. Nothing marked.");
  rig.send(CMD_MARK_ORIGINAL_SQUARE);
  rig.send(CMD_MARK_ORIGINAL_SQUARE);
  rig.send(CMD_MARK_MAX_FIELD);
  rig.send(CMD_MARK_MAX_FIELD);  // switched off: nothing more marked
  rig.send(CMD_MOVE_TO_X, 51);
  rig.send(CMD_AIMING_ON);
  rig.send(CMD_AIM_ALIGN_BEGIN);
  EXPECT_EQ(rig.field.describe(),
            "Scan field 110.03 mm square."
            " Original square marked 2 times, the last 55.79 mm wide and 54.15 mm high (meant to be 55.01 mm)."
            " Maximum field marked 110.33 mm wide and 107.07 mm high (meant to be 110.03 mm)."
            " Spot at x -33.01 mm, y -55.01 mm. Aiming dot at x 0.00 mm, y 0.00 mm."
            " Aiming alignment: top left point at x -27.51 mm, y 27.51 mm, right bottom point at x 27.51 mm,"
            " y -27.51 mm; aligning the top left point.");
  EXPECT_EQ(rig.field.clear().kind, Kind::Clear);
  EXPECT_THAT(rig.field.describe(), StartsWith("Scan field 110.03 mm square. Nothing marked. Aiming dot"));
}

TEST(FieldModel, EventsAsJsonLines) {
  ControllerState state;
  state.lens = 160;  // a field of 108 mm: round numbers
  Rig rig(state);
  auto json = [](const FieldEvent& event) { return fieldEventJson(event, 1.25, 100002); };
  EXPECT_EQ(json(rig.only(CMD_MOVE_TO_X, 51)),
            R"({"t":1.250,"system":100002,"event":"move","x_mm":-32.4000,"y_mm":-54.0000})");
  EXPECT_EQ(json(rig.only(CMD_AIM_ALIGN_BEGIN)),
            R"({"t":1.250,"system":100002,"event":"alignment","on":true,"points":[[-27.0000,27.0000],)"
            R"([27.0000,-27.0000]],"active":"top-left"})");
  EXPECT_EQ(json(rig.only(CMD_ADJUST_END)), R"({"t":1.250,"system":100002,"event":"alignment","on":false})");
  const std::string mark = json(rig.only(CMD_MARK_ORIGINAL_SQUARE));
  EXPECT_THAT(mark, StartsWith(R"({"t":1.250,"system":100002,"event":"mark","figure":"original-square",)"
                               R"("points":[[-27.2799,-26.4759],[-23.8910,-26.4994],)"));
  EXPECT_THAT(mark, EndsWith(R"(]],"width_mm":54.7659,"height_mm":53.1519,"nominal_mm":54.0000})"));
  EXPECT_EQ(json(rig.sendText(CMD_SET_LENS, "420").at(0)),
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
      {"0,0,-10", LensError{0, 0, -0.1}, ""},
      {"1,2", std::nullopt, "expected three percentages SX,SY,K"},
      {"1,2,3,4", std::nullopt, "expected three percentages SX,SY,K"},
      {"1,,3", std::nullopt, "the Y scale error is not a number"},
      {"1,2,nan", std::nullopt, "the radial error is not a number"},
      {"1 ,2,3", std::nullopt, "the X scale error is not a number"},
      {"0x1,2,3", std::nullopt, "the X scale error is not a number"},
      {"1,10.5,3", std::nullopt, "the Y scale error 10.50 % is outside -10 to 10 %"},
  };
  for (const auto& c : cases) {
    std::string why;
    const auto lens = parseLensError(c.text, &why);
    EXPECT_EQ(lens.has_value(), c.lens.has_value()) << c.text;
    if (lens && c.lens) {
      EXPECT_NEAR(lens->scaleX, c.lens->scaleX, 1e-12) << c.text;
      EXPECT_NEAR(lens->scaleY, c.lens->scaleY, 1e-12) << c.text;
      EXPECT_NEAR(lens->radial, c.lens->radial, 1e-12) << c.text;
    }
    EXPECT_THAT(why, HasSubstr(c.why)) << c.text;
  }
}

}  // namespace
}  // namespace zor::sim
