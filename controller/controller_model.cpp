#include "controller/controller_model.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

#include "controller/text_settings.h"

namespace zor::controller {
namespace {

void putLe16(std::uint8_t* out, std::uint16_t v) {
  out[0] = static_cast<std::uint8_t>(v);
  out[1] = static_cast<std::uint8_t>(v >> 8);
}

void putLe32(std::uint8_t* out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void putFloat(std::uint8_t* out, double v) {
  const float f = static_cast<float>(v);
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  putLe32(out, bits);
}

// Text written into a fixed field, zero-padded; never past the field.
void putText(std::uint8_t* out, std::size_t width, std::string_view text) {
  std::memcpy(out, text.data(), std::min(width, text.size()));
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
      out += static_cast<char>(c);
    } else {
      static const char* hex = "0123456789abcdef";
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out + "\"";
}

// The kept offset an adjustment mode moves.
Offset ControllerState::*adjusted(Mode mode) {
  switch (mode) {
    case Mode::DistortionAdjust:
      return &ControllerState::distortionOffset;
    case Mode::CenterAdjust:
      return &ControllerState::centerOffset;
    case Mode::AimTopLeft:
      return &ControllerState::aimTopLeft;
    case Mode::AimBottomRight:
      return &ControllerState::aimBottomRight;
    case Mode::Idle:
      break;
  }
  return nullptr;
}

// The counter stops at its top rather than wrapping back to zero.
std::uint32_t addSeconds(std::uint32_t counter, std::uint32_t seconds) {
  return static_cast<std::uint32_t>(
      std::min<std::uint64_t>(std::uint64_t{counter} + seconds, std::numeric_limits<std::uint32_t>::max()));
}

std::int32_t clampAxis(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, -kOffsetLimit, kOffsetLimit));
}

// A jog never takes an axis beyond the range; one back toward it always goes.
bool jogAllowed(std::int32_t kept, std::int32_t pending, std::int32_t step) {
  const std::int64_t to = std::int64_t{kept} + pending + step;
  return step == 0 || std::abs(to) <= kOffsetLimit || std::abs(to) < std::abs(to - step);
}

}  // namespace

bool validOffset(const Offset& offset) {
  return std::abs(std::int64_t{offset.x}) <= kOffsetLimit && std::abs(std::int64_t{offset.y}) <= kOffsetLimit;
}

Offset shifted(const Offset& offset, const Offset& by) {
  return {clampAxis(std::int64_t{offset.x} + by.x), clampAxis(std::int64_t{offset.y} + by.y)};
}

const char* modeName(Mode mode) {
  switch (mode) {
    case Mode::Idle:
      return "idle";
    case Mode::DistortionAdjust:
      return "distortion adjust";
    case Mode::CenterAdjust:
      return "center adjust";
    case Mode::AimTopLeft:
      return "aiming alignment, top left";
    case Mode::AimBottomRight:
      return "aiming alignment, bottom right";
  }
  return "?";
}

ControllerModel::ControllerModel(ControllerState state, Clock clock, std::string clockBoot)
    : state_(std::move(state)), clock_(std::move(clock)), boot_(std::move(clockBoot)), since_(clock_()) {
  if (state_.modelName.size() > kModelNameLength) state_.modelName.resize(kModelNameLength);
}

CommandResult ControllerModel::reject(std::string why) { return files::Failure{std::move(why)}; }

CommandResult ControllerModel::ignore(std::string why) { return Taken{Taken::Effect::Ignored, std::move(why)}; }

Count ControllerModel::uncounted(const ControllerState& kept) const {
  // Spans of another boot are over: no process of that boot still runs.
  // Without the boot's name no span is known to be of this clock.
  const bool thisClock = !boot_.empty() && kept.workCounted.boot == boot_;
  return countSince(thisClock ? std::span<const Span>(kept.workCounted.spans) : std::span<const Span>(), since_,
                    clock_());
}

std::uint32_t ControllerModel::workSeconds() const { return addSeconds(state_.workSeconds, uncounted(state_).seconds); }

ControllerState ControllerModel::snapshot() const {
  ControllerState copy = state_;
  copy.workSeconds = workSeconds();
  return copy;
}

CommandResult ControllerModel::commit(std::uint8_t code, StateChange change) {
  change(state_);
  std::erase_if(unsavedSets_, [code](const auto& set) { return set.first == code; });
  unsavedSets_.emplace_back(code, std::move(change));
  return committed();
}

template <typename T>
CommandResult ControllerModel::set(std::uint8_t code, T ControllerState::*member, T value) {
  return commit(code, [member, value](ControllerState& s) { s.*member = value; });
}

CommandResult ControllerModel::committed() { return Taken{Taken::Effect::Committed}; }

void ControllerModel::rename(std::string name) {
  if (name.size() > kModelNameLength) name.resize(kModelNameLength);
  // Always taken: the name was cut to fit.
  (void)set(protocol::CMD_SET_MODEL_NAME, &ControllerState::modelName, std::move(name));
}

void ControllerModel::keepJogs(Offset ControllerState::*member, const Offset& jogs) {
  state_.*member = shifted(state_.*member, jogs);
  auto kept =
      std::find_if(unsavedJogs_.begin(), unsavedJogs_.end(), [member](const auto& j) { return j.first == member; });
  if (kept == unsavedJogs_.end()) kept = unsavedJogs_.emplace(unsavedJogs_.end(), member, Offset{});
  // Within the range on both sides, so the sum always fits.
  kept->second = shifted(kept->second, jogs);
}

ControllerState ControllerModel::withUnsaved(ControllerState onDisk) const {
  for (const auto& [code, apply] : unsavedSets_) apply(onDisk);
  for (const auto& [member, jogs] : unsavedJogs_) onDisk.*member = shifted(onDisk.*member, jogs);
  if (onDisk.modelName.size() > kModelNameLength) onDisk.modelName.resize(kModelNameLength);
  return onDisk;
}

void ControllerModel::takeUp(ControllerState onDisk) { state_ = withUnsaved(std::move(onDisk)); }

ControllerModel::Save ControllerModel::changesOnto(ControllerState onDisk) const {
  onDisk = withUnsaved(std::move(onDisk));
  const Count count = uncounted(onDisk);
  onDisk.workSeconds = addSeconds(onDisk.workSeconds, count.seconds);
  if (count.until > since_) {
    if (onDisk.workCounted.boot != boot_) onDisk.workCounted = {boot_, {}};
    onDisk.workCounted.spans = withSpan(std::move(onDisk.workCounted.spans), {since_, count.until});
  }
  return {std::move(onDisk), count.until};
}

void ControllerModel::saved(const Save& save) {
  state_ = save.state;
  if (state_.modelName.size() > kModelNameLength) state_.modelName.resize(kModelNameLength);
  since_ = save.countedTo;  // the part of a second not yet counted stays
  unsavedSets_.clear();
  unsavedJogs_.clear();
}

bool ControllerModel::unsaved() const {
  return !unsavedSets_.empty() || !unsavedJogs_.empty() || uncounted(state_).seconds > 0;
}

CommandResult ControllerModel::jog(std::int32_t dx, std::int32_t dy, const char* name) {
  if (activity_.mode == Mode::Idle) return ignore(std::string(name) + " outside an adjustment: nothing moves");
  const Offset& kept = state_.*adjusted(activity_.mode);
  if (!jogAllowed(kept.x, activity_.pending.x, dx) || !jogAllowed(kept.y, activity_.pending.y, dy))
    return ignore(std::string(name) + " at the edge of the " + modeName(activity_.mode) + " range (" +
                  std::to_string(kOffsetLimit) + " steps either way)");
  activity_.pending.x += dx;
  activity_.pending.y += dy;
  return Taken{};
}

CommandResult ControllerModel::command(std::uint8_t code, std::uint8_t value, TextInput& input) {
  if (code == protocol::CMD_TEXT_CHAR) return type(value, input);
  if (const TextSetting* setting = textSetting(code)) return commitText(*setting, input);
  if (auto adjusted = adjust(code)) return *adjusted;
  return operate(code, value);
}

CommandResult ControllerModel::type(std::uint8_t value, TextInput& input) {
  if (value == 0) {
    input.ended = true;
    return Taken{};
  }
  if (input.ended) input = {};  // a new text begins after the last one ended
  if (input.text.size() < protocol::kMaxTextLength)
    input.text += static_cast<char>(value);
  else
    input.overflow = true;
  return Taken{};
}

CommandResult ControllerModel::commitText(const TextSetting& setting, TextInput& input) {
  const TextInput taken = std::exchange(input, {});
  const std::string name = setting.name;
  if (!taken.ended) return reject(name + ": no ended text before the command");
  if (taken.overflow) return reject(name + ": text longer than " + std::to_string(protocol::kMaxTextLength) + " bytes");
  auto change = setting.read(taken.text);
  if (!change) return reject(name + ": " + quoted(taken.text) + " is not " + setting.expected);
  if (setting.code == protocol::CMD_SET_WORK_TIME) {
    // Counting starts again from the value set: it holds every moment
    // before, of this process and of any other.
    since_ = clock_();
    const CountedTime counted{boot_, {{std::numeric_limits<std::int64_t>::min(), since_}}};
    change = [set = std::move(*change), counted](ControllerState& s) {
      set(s);
      s.workCounted = counted;
    };
  }
  return commit(setting.code, std::move(*change));
}

std::optional<CommandResult> ControllerModel::adjust(std::uint8_t code) {
  switch (code) {
    case protocol::CMD_DISTORTION_ADJUST_BEGIN:
    case protocol::CMD_CENTER_ADJUST_BEGIN:
    case protocol::CMD_AIM_ALIGN_BEGIN: {
      activity_.mode = code == protocol::CMD_DISTORTION_ADJUST_BEGIN ? Mode::DistortionAdjust
                       : code == protocol::CMD_CENTER_ADJUST_BEGIN   ? Mode::CenterAdjust
                                                                     : Mode::AimTopLeft;
      activity_.pending = {};
      activity_.pendingTopLeft = {};
      // A begin during another adjustment abandons that one, its jogs unsaved.
      return Taken{};
    }
    case protocol::CMD_JOG_UP:
      return jog(0, 1, "jog up");
    case protocol::CMD_JOG_DOWN:
      return jog(0, -1, "jog down");
    case protocol::CMD_JOG_RIGHT:
      return jog(1, 0, "jog right");
    case protocol::CMD_JOG_LEFT:
      return jog(-1, 0, "jog left");
    case protocol::CMD_DISTORTION_ADJUST_SAVE:
    case protocol::CMD_CENTER_ADJUST_SAVE:
    case protocol::CMD_AIM_ALIGN_NEXT_POINT:
    case protocol::CMD_AIM_ALIGN_SAVE:
      return saveAdjustment(code);
    case protocol::CMD_ADJUST_END:
      // Ends any adjustment without saving; the same code switches aiming off.
      activity_.mode = Mode::Idle;
      activity_.pending = {};
      activity_.pendingTopLeft = {};
      activity_.aiming = false;
      return Taken{};
    default:
      return std::nullopt;
  }
}

// The saves of the adjustments, and the step from the first alignment point to the second.
CommandResult ControllerModel::saveAdjustment(std::uint8_t code) {
  if (code == protocol::CMD_DISTORTION_ADJUST_SAVE || code == protocol::CMD_CENTER_ADJUST_SAVE) {
    const bool distortion = code == protocol::CMD_DISTORTION_ADJUST_SAVE;
    const Mode wanted = distortion ? Mode::DistortionAdjust : Mode::CenterAdjust;
    if (activity_.mode != wanted)
      return reject(std::string(distortion ? "distortion" : "center") + " save outside its adjustment (" +
                    modeName(activity_.mode) + ")");
    const Offset jogs = activity_.pending;
    activity_.mode = Mode::Idle;
    activity_.pending = {};
    keepJogs(distortion ? &ControllerState::distortionOffset : &ControllerState::centerOffset, jogs);
    return committed();
  }
  if (code == protocol::CMD_AIM_ALIGN_NEXT_POINT) {
    if (activity_.mode != Mode::AimTopLeft)
      return reject(std::string("next point outside the first alignment point (") + modeName(activity_.mode) + ")");
    activity_.pendingTopLeft = activity_.pending;
    activity_.pending = {};
    activity_.mode = Mode::AimBottomRight;
    return Taken{};
  }
  if (activity_.mode != Mode::AimBottomRight)
    return reject(std::string("alignment save outside the second alignment point (") + modeName(activity_.mode) + ")");
  keepJogs(&ControllerState::aimTopLeft, activity_.pendingTopLeft);
  keepJogs(&ControllerState::aimBottomRight, activity_.pending);
  activity_.mode = Mode::Idle;
  activity_.pending = {};
  activity_.pendingTopLeft = {};
  return committed();
}

CommandResult ControllerModel::operate(std::uint8_t code, std::uint8_t value) {
  switch (code) {
    case protocol::CMD_MARK_ORIGINAL_SQUARE:
      ++activity_.originalSquares;
      return Taken{};
    case protocol::CMD_MARK_CORRECTED_SQUARE:
      ++activity_.correctedSquares;
      return Taken{};
    case protocol::CMD_MARK_MAX_FIELD:
      activity_.maxField = !activity_.maxField;
      return Taken{};
    case protocol::CMD_MOVE_TO_X:
      activity_.moveX = value;
      return Taken{};
    case protocol::CMD_MOVE_TO_Y:
      activity_.moveY = value;
      return Taken{};
    case protocol::CMD_AIMING_ON:
      activity_.aiming = true;
      return Taken{};
    case protocol::CMD_SHUTTER_OPEN:
      activity_.shutterOpen = true;
      return Taken{};
    case protocol::CMD_SHUTTER_CLOSE:
      activity_.shutterOpen = false;
      return Taken{};
    case protocol::CMD_TEST_POWER_ON:
      if (value > 100) return reject("test power pulse " + std::to_string(value) + " above 100");
      activity_.testPower = true;
      activity_.pulse = value;
      return Taken{};
    case protocol::CMD_TEST_POWER_OFF:
      activity_.testPower = false;
      return Taken{};
    case protocol::CMD_SHOW_VERSION:
      ++activity_.versionShown;
      return Taken{};
    case protocol::CMD_INIT_POWER_BOARD:
      ++activity_.powerBoardInits;
      return Taken{};
    case protocol::CMD_RESET_SERIAL:
      // The 0xFF value guards against a stray packet wiping the serial.
      if (value != 0xFF) return reject("reset serial without the 0xFF guard value");
      return set(code, &ControllerState::serial, 0);
  }
  return reject("unknown command " + std::to_string(code));
}

std::optional<std::size_t> ControllerModel::replyLength(int statusCode) {
  const int length = protocol::ReplyLength(statusCode);
  if (length == 0) return std::nullopt;
  return static_cast<std::size_t>(length);
}

std::optional<Reply> ControllerModel::status(int statusCode) const {
  const auto length = replyLength(statusCode);
  if (!length) return std::nullopt;
  Reply reply;
  reply.size = *length;
  std::uint8_t* out = reply.bytes.data();
  auto octets = [out](const Ipv4& ip) { std::copy(ip.begin(), ip.end(), out); };
  switch (statusCode) {
    case protocol::CMD_GET_XY_SCALE:
      putFloat(out, state_.xScale);
      putFloat(out + 4, state_.yScale);
      break;
    case protocol::CMD_GET_XY_DISTORTION:
      putLe16(out, state_.xDistortion);
      putLe16(out + 2, state_.yDistortion);
      break;
    case protocol::CMD_GET_CURRENTS:
      putFloat(out, state_.minCurrent);
      putFloat(out + 4, state_.maxCurrent);
      break;
    case protocol::CMD_GET_SYSTEM_INFO:
      putLe32(out + protocol::identity::kSerialAt, static_cast<std::uint32_t>(state_.serial));
      putText(out + protocol::identity::kVersionAt, protocol::identity::kVersionWidth, kSimVersion);
      putText(out + protocol::identity::kDateAt, protocol::identity::kDateWidth, kSimReleaseDate);
      putText(out + protocol::identity::kModelAt, kModelNameLength, state_.modelName);
      putLe16(out + protocol::identity::kLensAt, state_.lens);
      break;
    case protocol::CMD_GET_CONTROLLER_MODEL:
      putLe32(out, std::uint32_t{state_.controllerModel.flag} << 24 | (state_.controllerModel.code & 0xffffff));
      break;
    case protocol::CMD_GET_SHIP_ID:
      putLe32(out, state_.shipId);
      break;
    case protocol::CMD_GET_MAC_ADDRESS:
      std::copy(state_.mac.begin(), state_.mac.end(), out);
      break;
    case protocol::CMD_GET_IP_ADDRESS:
      octets(state_.ip);
      break;
    case protocol::CMD_GET_GATEWAY:
      octets(state_.gateway);
      break;
    case protocol::CMD_GET_SUBNET_MASK:
      octets(state_.subnetMask);
      break;
    case protocol::CMD_GET_WORK_TIME:
      putLe32(out, workSeconds());
      break;
    default:
      break;
  }
  return reply;
}

}  // namespace zor::controller
