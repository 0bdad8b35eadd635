#pragma once
// The simulated marking controller: takes the command packets one by one and
// answers the status queries, as the firmware of a marking controller would.
// No I/O here; the device link around it persists and traces.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "controller/text_values.h"
#include "controller/work_time.h"
#include "files/result.h"
#include "protocol/zor_protocol.h"

namespace zor::controller {

struct Offset {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Offset&) const = default;
};

// Adjustment offsets (distortion, center, aiming) are jog steps of the
// scanner's 16-bit field: at most half the field either way, per axis.
constexpr std::int32_t kOffsetLimit = 32767;
bool validOffset(const Offset& offset);
// offset + by, each axis held within -kOffsetLimit..kOffsetLimit.
Offset shifted(const Offset& offset, const Offset& by);

// What the controller keeps across power cycles.
struct ControllerState {
  std::int32_t serial = 100001;
  std::string modelName = "NZ-SIM";  // at most kModelNameLength bytes
  std::uint16_t lens = 163;
  double minCurrent = 0.5;
  double maxCurrent = 20.0;
  double current20Percent = 4.0;
  double xScale = 1.0;
  double yScale = 1.0;
  std::uint16_t xDistortion = 32768;
  std::uint16_t yDistortion = 32768;
  Offset distortionOffset;
  Offset centerOffset;
  Offset aimTopLeft;
  Offset aimBottomRight;
  double xMultiplier = 1.0;
  double yMultiplier = 1.0;
  double rcJumpDelay = 100.0;
  ControllerModelCode controllerModel{0x10, 0x0a0001};
  MacAddress mac{0x02, 0x00, 0x5a, 0x4f, 0x52, 0x01};
  Ipv4 ip{192, 168, 1, 10};
  Ipv4 gateway{192, 168, 1, 1};
  Ipv4 subnetMask{255, 255, 255, 0};
  std::uint32_t shipId = 0x5a4f5201;
  std::uint32_t workSeconds = 0;
  CountedTime workCounted;  // the moments workSeconds holds already
  bool operator==(const ControllerState&) const = default;
};

// A change of the kept state: made here at once, and on the state file's content at the next save.
using StateChange = std::function<void(ControllerState&)>;
struct TextSetting;

constexpr std::size_t kModelNameLength = protocol::identity::kModelWidth;
// Fixed identity texts: a simulated system says so in its version.
constexpr const char* kSimVersion = "SIM-1.00";
constexpr const char* kSimReleaseDate = "6/3/24";  // shorter than 8: ends before the model name

enum class Mode { Idle, DistortionAdjust, CenterAdjust, AimTopLeft, AimBottomRight };

// What the controller is doing now; gone when the power goes.
struct Activity {
  Mode mode = Mode::Idle;
  Offset pending;         // jogs of the running adjustment
  Offset pendingTopLeft;  // aiming alignment: the first point, once taken
  bool aiming = false;
  bool shutterOpen = false;
  bool testPower = false;
  std::uint8_t pulse = 0;
  bool maxField = false;
  std::uint8_t moveX = 0;
  std::uint8_t moveY = 0;
  unsigned originalSquares = 0;
  unsigned correctedSquares = 0;
  unsigned versionShown = 0;
  unsigned powerBoardInits = 0;
};

// What the controller did with a command it took. A command it refuses is
// no Taken: the CommandResult's failure says why.
struct Taken {
  enum class Effect {
    Accepted,   // taken, nothing to keep
    Committed,  // the kept state changed: persist it
    Ignored,    // valid but meaningless now (a jog outside a mode): why says so
  };
  Effect effect = Effect::Accepted;
  std::string why{};  // for Ignored: why nothing happened; empty otherwise
};
using CommandResult = files::Result<Taken>;

struct Reply {
  std::array<std::uint8_t, protocol::kSystemInfoLength> bytes{};
  std::size_t size = 0;
};

// A text on its way to the controller: one CMD_TEXT_CHAR per byte, its end
// (a 0), then the set command that takes it. Every sender has its own, so
// that one sender's characters never join another's; when the sender goes,
// its unfinished text goes with it.
struct TextInput {
  std::string text;
  bool ended = false;
  bool overflow = false;
};

class ControllerModel {
 public:
  // Monotonic milliseconds; the working-time counter runs on it. Models of
  // one boot (clockBoot) read the same clock, so they count each moment once;
  // without a clockBoot each counts its own time.
  using Clock = std::function<std::int64_t()>;

  ControllerModel(ControllerState state, Clock clock, std::string clockBoot = {});

  // What the controller did with the command, or a failure saying why it
  // refused it. input: the text the sender of the packet has typed so far.
  CommandResult command(std::uint8_t code, std::uint8_t value, TextInput& input);
  // The reply to a status code, or nothing for a code the controller does not know.
  std::optional<Reply> status(int statusCode) const;
  static std::optional<std::size_t> replyLength(int statusCode);

  // The kept state with the working-time counter as of now.
  ControllerState snapshot() const;
  std::uint32_t workSeconds() const;
  const Activity& activity() const { return activity_; }

  // The model name as set from outside the protocol (the environment); kept like a set.
  void rename(std::string name);

  // Saving. onDisk is what the state file holds at the moment of the save:
  // every setting committed here since the last save replaces its value there,
  // saved adjustments add to it, and so do the whole seconds of working time
  // of this process that no other has counted. What another process saved
  // meanwhile stays.
  struct Save {
    ControllerState state;
    std::int64_t countedTo = 0;  // the clock reading this process's working time is counted up to
  };
  Save changesOnto(ControllerState onDisk) const;
  // The save was written: it is the kept state now, and nothing is unsaved.
  void saved(const Save& save);
  // The kept state as another process saved it. It replaces what was kept
  // here; the commits made here and not saved yet stay on top of it, and so
  // does what the controller is doing (an adjustment, its outputs).
  void takeUp(ControllerState onDisk);
  // A commit or a whole counted second not saved yet.
  bool unsaved() const;

 private:
  CommandResult type(std::uint8_t value, TextInput& input);
  CommandResult commitText(const TextSetting& setting, TextInput& input);
  // The adjustments and their jogs; nothing for any other code.
  std::optional<CommandResult> adjust(std::uint8_t code);
  CommandResult saveAdjustment(std::uint8_t code);
  // The marking, the outputs and the other commands of a value byte alone.
  CommandResult operate(std::uint8_t code, std::uint8_t value);
  // A setting committed: it changes the state here now, and the file's at the next save.
  CommandResult commit(std::uint8_t code, StateChange change);
  template <typename T>
  CommandResult set(std::uint8_t code, T ControllerState::*member, T value);
  void keepJogs(Offset ControllerState::*member, const Offset& jogs);
  // onDisk with the commits not saved yet applied.
  ControllerState withUnsaved(ControllerState onDisk) const;
  // This process's working time that kept does not hold yet.
  Count uncounted(const ControllerState& kept) const;
  CommandResult jog(std::int32_t dx, std::int32_t dy, const char* name);
  static CommandResult committed();
  static CommandResult reject(std::string why);
  static CommandResult ignore(std::string why);

  ControllerState state_;
  Clock clock_;
  std::string boot_;
  std::int64_t since_ = 0;  // this process's working time is counted up to this clock reading
  // Since the last save: each set by its command (a later one replaces it), in
  // the order made, and the kept jogs per offset.
  std::vector<std::pair<std::uint8_t, StateChange>> unsavedSets_;
  std::vector<std::pair<Offset ControllerState::*, Offset>> unsavedJogs_;
  Activity activity_;
};

const char* modeName(Mode mode);

}  // namespace zor::controller
