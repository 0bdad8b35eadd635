// The scan-field geometry: distortion and scale corrections, the test
// figures and the move to a point.

#include <QtEndian>
#include <array>

#include "service/maintenance.h"
#include "service/operation.h"
#include "service/text.h"

namespace zor::service {

namespace {

std::u16string Pair(std::u16string_view x, std::u16string_view y) {
  std::u16string value(x);
  value += u' ';
  value += y;
  return value;
}

}  // namespace

Reading<Distortion> Maintenance::readDistortion() {
  return read<Distortion>([&]() -> Reading<Distortion> {
    channel_.EnsureConnected();
    std::array<std::uint8_t, protocol::kDistortionReplyLength> reply{};
    if (channel_.QueryStatus(protocol::CMD_GET_XY_DISTORTION, reply.data(), protocol::kDistortionReplyLength) != 0)
      return ReadFailed(
          text::Tr("zor::service::Maintenance", "The distortion correction could not be read from the controller."));
    return Distortion{qFromLittleEndian<std::uint16_t>(&reply[0]), qFromLittleEndian<std::uint16_t>(&reply[2])};
  });
}

// Both texts are checked before either goes out; the controller takes the X
// half before the Y half comes.
Outcome Maintenance::sendHalves(const XYSet& set, std::u16string_view x, std::u16string_view y) {
  return send({SetOperationName(set.inputX), Pair(x, y)}, [&] {
    if (Outcome check = CheckOneByteText(set.inputX, x); !check.ok()) return check;
    if (Outcome check = CheckOneByteText(set.inputY, y); !check.ok()) return check;
    channel_.SendText(set.codeX, x);
    channel_.pacer().sleep(kBetweenHalves);
    channel_.SendText(set.codeY, y);
    return Outcome::done();
  });
}

Outcome Maintenance::setDistortion(std::u16string_view x, std::u16string_view y) {
  return sendHalves(
      {Input::DistortionX, Input::DistortionY, protocol::CMD_SET_X_DISTORTION, protocol::CMD_SET_Y_DISTORTION}, x, y);
}

// Read without a connection check; both numbers read 0.0 when the library
// leaves the block alone.
Reading<Scale> Maintenance::readScale() {
  static_assert(std::bit_cast<std::uint32_t>(0.0f) == 0);
  std::array<std::uint8_t, protocol::kScaleReplyLength> reply{};
  if (channel_.QueryStatus(protocol::CMD_GET_XY_SCALE, reply.data(), protocol::kScaleReplyLength) != 0)
    return ReadFailed(
        text::Tr("zor::service::Maintenance", "The scale correction could not be read from the controller."));
  return Scale{LittleEndianFloat(&reply[0]), LittleEndianFloat(&reply[4])};
}

Outcome Maintenance::setScale(std::u16string_view x, std::u16string_view y) {
  return sendHalves({Input::ScaleX, Input::ScaleY, protocol::CMD_SET_X_SCALE, protocol::CMD_SET_Y_SCALE}, x, y);
}

// The maximum field toggles on the controller; nothing here keeps its state.
Outcome Maintenance::mark(Figure figure) {
  struct Mark {
    std::u16string_view name;
    protocol::Command code;
  };
  const Mark m = figure == Figure::OriginalSquare ? Mark{u"mark original-square", protocol::CMD_MARK_ORIGINAL_SQUARE}
                 : figure == Figure::CorrectedSquare
                     ? Mark{u"mark corrected-square", protocol::CMD_MARK_CORRECTED_SQUARE}
                     : Mark{u"mark max-field", protocol::CMD_MARK_MAX_FIELD};
  return send({std::u16string(m.name), {}}, [&] {
    channel_.SendCommand(m.code, 0);
    return Outcome::done();
  });
}

// A target above one byte would arrive as its low byte: 300 would move to 44.
Outcome Maintenance::moveTo(std::uint32_t x, std::uint32_t y) {
  return send({u"move", Pair(Decimal(x), Decimal(y))}, [&] {
    const text::PeopleText range =
        text::Tr("zor::service::Maintenance", "The Move To X and Y targets must be whole numbers from 0 to %1.")
            .arg(kMaxMoveTarget);
    if (x > kMaxMoveTarget) return Outcome::refused(Input::MoveX, range);
    if (y > kMaxMoveTarget) return Outcome::refused(Input::MoveY, range);
    channel_.SendCommand(protocol::CMD_MOVE_TO_X, static_cast<int>(x));
    channel_.pacer().sleep(kAfterMove);
    channel_.SendCommand(protocol::CMD_MOVE_TO_Y, static_cast<int>(y));
    channel_.pacer().sleep(kAfterMove);
    return Outcome::done();
  });
}

}  // namespace zor::service
