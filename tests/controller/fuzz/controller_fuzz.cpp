// Fuzz target: the simulated controller fed packets, texts, status queries,
// passing time, saves onto a state file's content and other processes' saves. The input is a list of
// steps: one byte picks the step, the bytes after it are its arguments.
// Invariants: adjustment offsets stay in their range, a reply has exactly its
// length, a save applied once is not applied again, a command refused or
// ignored says why.

#include <cstddef>
#include <cstdint>
#include <limits>

#include "controller/controller_model.h"
#include "controller/text_settings.h"
#include "protocol/zor_protocol.h"

namespace {

using namespace zor;
using namespace zor::controller;
using namespace zor::protocol;

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool more() const { return at_ < size_; }
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  // Little-endian, from the next count bytes.
  std::uint32_t number(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value |= std::uint32_t{byte()} << (8 * i);
    return value;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void check(bool ok) {
  if (!ok) __builtin_trap();
}

// A refusal and an ignored command each say why; a command taken otherwise says nothing.
void checkResult(const CommandResult& result) {
  if (!result)
    check(!result.why().empty());
  else
    check(result->why.empty() == (result->effect != Taken::Effect::Ignored));
}

void checkState(const ControllerState& s) {
  check(validOffset(s.distortionOffset) && validOffset(s.centerOffset) && validOffset(s.aimTopLeft) &&
        validOffset(s.aimBottomRight));
  check(s.modelName.size() <= kModelNameLength);
}

// A state file's content at the moment of a save or a reading again; the
// bits pick its offsets' ends and a counter near its top, the span bits a
// span of working time another process counted before now, on this boot or
// another.
ControllerState onDisk(std::uint8_t bits, std::uint8_t span, std::int64_t now) {
  ControllerState s;
  const std::int32_t end = bits & 1 ? kOffsetLimit : -kOffsetLimit;
  if (bits & 2) s.centerOffset = {end, -end};
  if (bits & 4) s.distortionOffset = {-end, end};
  if (bits & 8) s.aimTopLeft = s.aimBottomRight = {end, end};
  if (bits & 16) s.workSeconds = std::numeric_limits<std::uint32_t>::max() - (bits >> 5);
  const std::int64_t back = (span & 63) * 100;
  if (span & 64) s.workCounted.spans = {{now - 2 * back - 1, now - back}};
  s.workCounted.boot = span & 128 ? "another boot" : "this boot";
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  std::int64_t now = 0;
  ControllerModel model(
      ControllerState{}, [&now] { return now; }, "this boot");
  TextInput text;
  while (in.more()) {
    switch (in.byte() % 6) {
      case 0: {  // one packet
        const std::uint8_t code = in.byte();
        checkResult(model.command(code, in.byte(), text));
        break;
      }
      case 1: {  // a text and the command that takes it
        const int length = in.byte() % (kMaxTextLength + 8);
        for (int i = 0; i < length; ++i) check(model.command(CMD_TEXT_CHAR, in.byte(), text).ok());
        check(model.command(CMD_TEXT_CHAR, 0, text).ok());
        const auto settings = textSettings();
        checkResult(model.command(settings[in.byte() % settings.size()].code, 0, text));
        break;
      }
      case 2: {  // a status query
        const int code = static_cast<std::int16_t>(in.number(2));
        const auto reply = model.status(code);
        check(reply.has_value() == (ReplyLength(code) != 0));
        if (reply)
          check(reply->size == static_cast<std::size_t>(ReplyLength(code)) && reply->size <= reply->bytes.size());
        break;
      }
      case 3:  // time passes, up to about four and a half hours
        now += in.number(3);
        break;
      case 4: {  // a save onto what the file holds
        const std::uint8_t bits = in.byte();
        const ControllerState disk = onDisk(bits, in.byte(), now);
        const ControllerModel::Save save = model.changesOnto(disk);
        checkState(save.state);
        model.saved(save);
        // Saved once, applied once: nothing is left to add at the same moment.
        check(!model.unsaved());
        check(model.changesOnto(save.state).state == save.state);
        break;
      }
      case 5: {  // another process saved: taken up, this one's unsaved commits on top
        const std::uint8_t bits = in.byte();
        model.takeUp(onDisk(bits, in.byte(), now));
        break;
      }
    }
    checkState(model.snapshot());
  }
  return 0;
}
