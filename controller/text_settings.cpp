#include "controller/text_settings.h"

#include <algorithm>
#include <limits>
#include <string>

namespace zor::controller {
namespace {

using S = ControllerState;

// The change that sets field to the value parse reads from the text.
template <auto field, auto parse>
std::optional<StateChange> into(std::string_view text) {
  auto value = parse(text);
  if (!value) return std::nullopt;
  return StateChange([value = *value](ControllerState& state) { state.*field = value; });
}

template <bool (*valid)(double)>
std::optional<double> decimal(std::string_view text) {
  auto value = parseDecimal(text);
  if (!value || !valid(*value)) return std::nullopt;
  return value;
}

template <std::uint64_t min>
std::optional<std::uint16_t> whole16(std::string_view text) {
  auto value = parseUnsigned(text, 65535);
  if (!value || *value < min) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

std::optional<std::uint32_t> seconds(std::string_view text) {
  auto value = parseUnsigned(text, std::numeric_limits<std::uint32_t>::max());
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

std::optional<std::string> modelName(std::string_view text) {
  if (text.empty() || text.size() > kModelNameLength) return std::nullopt;
  return std::string(text);
}

constexpr const char* kCurrent = "a current from 0 to 1000";
constexpr const char* kScale = "a scale above 0, at most 100";
constexpr const char* kFactor = "a number from 0 to 1000000";
constexpr const char* kAddress = "four hexadecimal octets xx.xx.xx.xx";

constexpr TextSetting kSettings[] = {
    {protocol::CMD_SET_X_SCALE, "X scale", kScale, into<&S::xScale, decimal<validScale>>},
    {protocol::CMD_SET_Y_SCALE, "Y scale", kScale, into<&S::yScale, decimal<validScale>>},
    {protocol::CMD_SET_RC_JUMP_DELAY, "RC jump delay", kFactor, into<&S::rcJumpDelay, decimal<validFactor>>},
    {protocol::CMD_SET_SERIAL_NUMBER, "serial number", "a whole number in the signed 32-bit range",
     into<&S::serial, parseInt32>},
    {protocol::CMD_SET_MIN_CURRENT, "minimum current", kCurrent, into<&S::minCurrent, decimal<validCurrent>>},
    {protocol::CMD_SET_MAX_CURRENT, "maximum current", kCurrent, into<&S::maxCurrent, decimal<validCurrent>>},
    {protocol::CMD_SET_LENS, "lens", "a whole number from 1 to 65535", into<&S::lens, whole16<1>>},
    {protocol::CMD_SET_20_PERCENT_CURRENT, "20% current", kCurrent, into<&S::current20Percent, decimal<validCurrent>>},
    {protocol::CMD_SET_MODEL_NAME, "model name", "a name of 1 to 10 characters", into<&S::modelName, modelName>},
    {protocol::CMD_SET_X_DISTORTION, "X distortion", "a whole number from 0 to 65535",
     into<&S::xDistortion, whole16<0>>},
    {protocol::CMD_SET_Y_DISTORTION, "Y distortion", "a whole number from 0 to 65535",
     into<&S::yDistortion, whole16<0>>},
    {protocol::CMD_SET_X_MULTIPLIER, "X multiplier", kFactor, into<&S::xMultiplier, decimal<validFactor>>},
    {protocol::CMD_SET_Y_MULTIPLIER, "Y multiplier", kFactor, into<&S::yMultiplier, decimal<validFactor>>},
    {protocol::CMD_SET_CONTROLLER_MODEL, "controller model", "a flag and a model code like \"10abcdef \"",
     into<&S::controllerModel, parseControllerModel>},
    {protocol::CMD_SET_MAC_ADDRESS, "MAC address", "a MAC address XX:XX:XX:XX:XX:XX", into<&S::mac, parseMac>},
    {protocol::CMD_SET_IP_ADDRESS, "IP address", kAddress, into<&S::ip, parseHexOctets>},
    {protocol::CMD_SET_GATEWAY, "gateway", kAddress, into<&S::gateway, parseHexOctets>},
    {protocol::CMD_SET_SUBNET_MASK, "subnet mask", kAddress, into<&S::subnetMask, parseHexOctets>},
    {protocol::CMD_SET_WORK_TIME, "working time", "a number of seconds from 0 to 4294967295",
     into<&S::workSeconds, seconds>},
};

}  // namespace

std::span<const TextSetting> textSettings() { return kSettings; }

const TextSetting* textSetting(std::uint8_t code) {
  auto row = std::find_if(std::begin(kSettings), std::end(kSettings), [code](const auto& s) { return s.code == code; });
  return row == std::end(kSettings) ? nullptr : &*row;
}

}  // namespace zor::controller
