// Jump-delay multipliers, test power, shutter, aiming and the version display.

#include "service/maintenance.h"
#include "service/operation.h"
#include "service/text.h"

namespace zor::service {

Outcome Maintenance::setXMultiplier(std::u16string_view text) {
  return sendText(Input::XMultiplier, protocol::CMD_SET_X_MULTIPLIER, text);
}

Outcome Maintenance::setYMultiplier(std::u16string_view text) {
  return sendText(Input::YMultiplier, protocol::CMD_SET_Y_MULTIPLIER, text);
}

Outcome Maintenance::setRcJumpDelay(std::u16string_view text) {
  return sendText(u"set rc-jump-delay", Input::RcJumpDelay, protocol::CMD_SET_RC_JUMP_DELAY, text);
}

// A pulse that is not a whole number in range would fire the laser at some
// other power, so it is refused before anything goes out.
Outcome Maintenance::testPowerOn(std::optional<int> pulse) {
  if (!pulse || *pulse < kPulseMin || *pulse > kPulseMax) {
    return Outcome::refused(
        Input::Pulse, text::Tr("zor::service::Maintenance", "The pulse value must be a whole number from %1 to %2.")
                          .arg(kPulseMin)
                          .arg(kPulseMax));
  }
  return send(
      {u"test-power on", Decimal(*pulse), QT_TRANSLATE_NOOP("zor::service::Maintenance", "The test power may be on.")},
      [&] {
        channel_.SendCommand(protocol::CMD_TEST_POWER_ON, *pulse);
        return Outcome::done();
      });
}

Outcome Maintenance::testPowerOff() {
  return send(
      {u"test-power off", {}, QT_TRANSLATE_NOOP("zor::service::Maintenance", "The test power may still be on.")}, [&] {
        channel_.SendCommand(protocol::CMD_TEST_POWER_OFF, 0);
        return Outcome::done();
      });
}

Outcome Maintenance::shutter(bool open) {
  return send({open ? u"shutter open" : u"shutter close",
               {},
               open ? "" : QT_TRANSLATE_NOOP("zor::service::Maintenance", "The shutter may still be open.")},
              [&] {
                channel_.SendCommand(open ? protocol::CMD_SHUTTER_OPEN : protocol::CMD_SHUTTER_CLOSE, 0);
                return Outcome::done();
              });
}

// Aiming goes off with the command that also ends an adjustment.
Outcome Maintenance::aiming(bool on) {
  return send({on ? u"aiming on" : u"aiming off",
               {},
               on ? "" : QT_TRANSLATE_NOOP("zor::service::Maintenance", "The aiming diode may still be on.")},
              [&] {
                channel_.SendCommand(on ? protocol::CMD_AIMING_ON : protocol::CMD_ADJUST_END, 0);
                return Outcome::done();
              });
}

Outcome Maintenance::showVersion() {
  return send({u"show-version", {}}, [&] {
    channel_.SendCommand(protocol::CMD_SHOW_VERSION, 0);
    return Outcome::done();
  });
}

}  // namespace zor::service
