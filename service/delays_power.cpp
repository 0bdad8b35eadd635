// Jump-delay multipliers, test power, shutter, aiming and the version display.

#include "service/maintenance.h"
#include "service/operation.h"
#include "service/text.h"

namespace zor::service {

Outcome Maintenance::setXMultiplier(std::u16string_view text) {
  return sendText(Input::XMultiplier, CMD_SET_X_MULTIPLIER, text);
}

Outcome Maintenance::setYMultiplier(std::u16string_view text) {
  return sendText(Input::YMultiplier, CMD_SET_Y_MULTIPLIER, text);
}

Outcome Maintenance::setRcJumpDelay(std::u16string_view text) {
  return sendText(u"set rc-jump-delay", Input::RcJumpDelay, CMD_SET_RC_JUMP_DELAY, text);
}

// A pulse that is not a whole number in range would fire the laser at some
// other power, so it is refused before anything goes out.
Outcome Maintenance::testPowerOn(std::optional<int> pulse) {
  if (!pulse || *pulse < kPulseMin || *pulse > kPulseMax) {
    return Outcome::refused(Input::Pulse, u"The pulse value must be a whole number from " + Decimal(kPulseMin) +
                                              u" to " + Decimal(kPulseMax) + u".");
  }
  return send({u"test-power on", Decimal(*pulse), u"The test power may be on."}, [&] {
    channel_.SendCommand(CMD_TEST_POWER_ON, *pulse);
    return Outcome::done();
  });
}

Outcome Maintenance::testPowerOff() {
  return send({u"test-power off", {}, u"The test power may still be on."}, [&] {
    channel_.SendCommand(CMD_TEST_POWER_OFF, 0);
    return Outcome::done();
  });
}

Outcome Maintenance::shutter(bool open) {
  return send({open ? u"shutter open" : u"shutter close", {}, open ? u"" : u"The shutter may still be open."}, [&] {
    channel_.SendCommand(open ? CMD_SHUTTER_OPEN : CMD_SHUTTER_CLOSE, 0);
    return Outcome::done();
  });
}

// Aiming goes off with the command that also ends an adjustment.
Outcome Maintenance::aiming(bool on) {
  return send({on ? u"aiming on" : u"aiming off", {}, on ? u"" : u"The aiming diode may still be on."}, [&] {
    channel_.SendCommand(on ? CMD_AIMING_ON : CMD_ADJUST_END, 0);
    return Outcome::done();
  });
}

Outcome Maintenance::showVersion() {
  return send({u"show-version", {}}, [&] {
    channel_.SendCommand(CMD_SHOW_VERSION, 0);
    return Outcome::done();
  });
}

}  // namespace zor::service
