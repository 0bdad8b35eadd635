// Laser currents, lens, and the identity settings behind the service password.

#include <QtEndian>
#include <array>

#include "service/format.h"
#include "service/maintenance.h"
#include "service/operation.h"

namespace zor::service {

// Every Set hands the text over exactly as typed; the controller alone
// decides whether it makes sense.
Outcome Maintenance::setMinCurrent(std::u16string_view text) {
  return sendText(Input::MinCurrent, protocol::CMD_SET_MIN_CURRENT, text);
}

Outcome Maintenance::set20PercentCurrent(std::u16string_view text) {
  return sendText(Input::Current20, protocol::CMD_SET_20_PERCENT_CURRENT, text);
}

Outcome Maintenance::setMaxCurrent(std::u16string_view text) {
  return sendText(Input::MaxCurrent, protocol::CMD_SET_MAX_CURRENT, text);
}

Outcome Maintenance::setLens(std::u16string_view text) { return sendText(Input::Lens, protocol::CMD_SET_LENS, text); }

// Read without a connection check. Both numbers are 0.0 (all bits clear)
// until the reply fills them.
Reading<Currents> Maintenance::readCurrents() {
  std::array<std::uint8_t, protocol::kCurrentsReplyLength> reply{};
  if (channel_.QueryStatus(protocol::CMD_GET_CURRENTS, reply.data(), protocol::kCurrentsReplyLength) != 0)
    return ReadFailed(text::Tr("zor::service::Maintenance", "The currents could not be read from the controller."));
  return Currents{LittleEndianFloat(&reply[0]), LittleEndianFloat(&reply[4])};
}

Outcome Maintenance::initPowerBoard() {
  return send({u"init-power-board", {}}, [&] {
    channel_.SendCommand(protocol::CMD_INIT_POWER_BOARD, 0);
    return Outcome::done();
  });
}

Outcome Maintenance::setSerialNumber(std::u16string_view password, std::u16string_view text) {
  if (!MatchesServicePassword(password)) return PasswordRefused();
  return sendText(Input::SerialNumber, protocol::CMD_SET_SERIAL_NUMBER, text);
}

Outcome Maintenance::resetSerial() {
  return send({u"reset-serial", {}}, [&] {
    channel_.SendCommand(protocol::CMD_RESET_SERIAL, 0xFF);
    channel_.pacer().sleep(kAfterResetSerial);
    return Outcome::done();
  });
}

Outcome Maintenance::setModelName(std::u16string_view password, std::u16string_view text) {
  if (!MatchesServicePassword(password)) return PasswordRefused();
  return sendText(Input::ModelName, protocol::CMD_SET_MODEL_NAME, text);
}

// The flag byte travels as a text prefix: the first listed model is the plain
// one, the others carry the flag; a typed code counts as plain. A space ends
// the text.
Outcome Maintenance::setControllerModel(std::u16string_view password, std::u16string_view code, int listIndex) {
  std::u16string text = listIndex > 0 ? u"10" : u"00";
  text += code;
  return sendControllerModel(password, std::move(text));
}

Outcome Maintenance::setControllerModelValue(std::u16string_view password, std::uint32_t value) {
  return sendControllerModel(password, FormatHex8(value));
}

Outcome Maintenance::sendControllerModel(std::u16string_view password, std::u16string text) {
  if (!MatchesServicePassword(password)) return PasswordRefused();
  text += u' ';
  return sendText(Input::ControllerModel, protocol::CMD_SET_CONTROLLER_MODEL, text);
}

// Read without a connection check.
Reading<std::uint32_t> Maintenance::readControllerModel() {
  std::array<std::uint8_t, protocol::kControllerModelReplyLength> reply{};
  if (channel_.QueryStatus(protocol::CMD_GET_CONTROLLER_MODEL, reply.data(), protocol::kControllerModelReplyLength) !=
      0)
    return ReadFailed(text::Tr("zor::service::Maintenance", "The controller model could not be read."));
  return qFromLittleEndian<std::uint32_t>(reply.data());
}

}  // namespace zor::service
