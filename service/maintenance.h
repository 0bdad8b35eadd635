#pragma once
// The service layer: every maintenance operation of a marking system, free of
// any window. Each operation checks its input, sends its packets in their
// order with their pauses, decodes what it reads, and returns an outcome for
// the front end (the panel or zorctl) to show. The outside world is reached
// only through the three seams: the device link, the pacer and the host.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/channel.h"
#include "link/device_link.h"
#include "link/found_systems.h"
#include "link/pacer.h"
#include "link/system_info.h"
#include "service/outcome.h"

namespace zor::service {

// What the controller reported about itself when the system was found.
struct Identity {
  bool readable = false;  // false: a system answered, but its identity block could not be read
  link::SystemInfo info;
  link::Family family = link::Family::NZ;
};

// What happens in the middle of an operation, for the front end to show.
class Host {
 public:
  virtual ~Host() = default;
  // No system is connected: tell the user kNotConnectedMessage before the one
  // connection attempt that follows.
  virtual void notConnected() = 0;
  // A system was found (at start, on request, or by a connection check inside
  // an operation, which then goes on): its identity, as read right away.
  virtual void identified(const Identity& identity) = 0;
  // A discovery at start or on request listed several systems: which one to
  // work with, as its index in systems; nothing to cancel (the front end then
  // stays not connected). addressed: the one this process addresses now,
  // which the front end is on; nothing when none of them is. A front end
  // that does not ask keeps it.
  virtual std::optional<std::size_t> chooseSystem(std::span<const link::FoundSystem> systems,
                                                  std::optional<std::size_t> addressed) {
    (void)systems;
    return addressed;
  }
};

// One operation that sent something to a controller, as the service log keeps it.
struct OperationRecord {
  std::u16string operation;  // e.g. "set max-current", "shutter close", "adjust center"
  std::u16string value;      // the value sent, as sent; never a password
  Outcome outcome;
  // Set when the value was read back afterwards (a restore and zorctl do) and the
  // controller did not keep it: "differs" or "unreadable", which the log gives
  // as the outcome, with what was read back in outcome.message.
  std::string_view readBack{};
  // Further members of the log line, as JSON text after a comma:
  // "\"calibration\":{...}"; empty for none.
  std::string extraJson{};
};

class OperationObserver {
 public:
  virtual ~OperationObserver() = default;
  virtual void operationEnded(const OperationRecord& record) = 0;
};

struct Currents {
  float min = 0;
  float max = 0;
};
struct Distortion {
  std::uint16_t x = 0;
  std::uint16_t y = 0;
};
struct Scale {
  float x = 0;
  float y = 0;
};
using MacAddress = std::array<std::uint8_t, 6>;
using Ipv4 = std::array<std::uint8_t, 4>;

enum class Figure { OriginalSquare, CorrectedSquare, MaxField };
enum class Adjustment { Distortion, Center, Aiming };
enum class Direction { Up, Down, Left, Right };
enum class AddressKind { Ip, SubnetMask, Gateway };
struct CalibrationInput;  // service/calibration.h
struct CalibrationPlan;

// The controller-model codes the panel offers, in list order. The first is a
// plain model; the others carry the flag byte 0x10, which travels as the text
// prefix "10" ("00" for the plain one and for any code typed by hand).
inline constexpr std::u16string_view kControllerModelCodes[] = {u"100021", u"100022", u"200031", u"200041"};

// Test power pulse values the controller takes.
inline constexpr int kPulseMin = 0;
inline constexpr int kPulseMax = 100;
// A move packet carries one value byte; the panel's Move To fields take more.
inline constexpr std::uint32_t kMaxMoveTarget = 255;
inline constexpr std::uint32_t kMoveFieldMax = 65535;

// Pauses, in ms, besides the 100 ms after each text character.
inline constexpr int kBetweenHalves = 100;     // between the X and Y halves of a two-field write
inline constexpr int kAfterMove = 200;         // after each move packet
inline constexpr int kAfterResetSerial = 100;  // after the serial reset
inline constexpr int kAfterAimingSave = 500;   // the controller stores the alignment
inline constexpr int kLanQueryPause = 300;     // after every network status query
inline constexpr int kLanCommitPause = 100;    // after a network setting's commit

class Maintenance final : private link::ChannelHost {
 public:
  Maintenance(const link::DeviceLink& link, link::Pacer& pacer, Host& host);
  ~Maintenance() override;
  Maintenance(const Maintenance&) = delete;
  Maintenance& operator=(const Maintenance&) = delete;

  // Reports every operation that sent something; nullptr for none.
  void setObserver(OperationObserver* observer) { observer_ = observer; }
  OperationObserver* observer() const { return observer_; }
  // Reports an operation made of several (a restore) as one more record.
  void reportOperation(std::u16string_view name, std::u16string value, const Outcome& outcome);

  // ---- the connection ----
  bool isConnected() const { return channel_.isConnected(); }
  // The connection check on its own, for work that reads before it sends:
  // when not connected, tells the host and looks for the system once.
  Outcome checkConnection();
  // Looks for the system; when found, reads its identity and tells the host.
  // A failed attempt says nothing and changes nothing. When several systems
  // are listed, the host chooses first: the one picked is addressed (and,
  // unless it is the one that just answered, looked for again); a cancel
  // leaves the service not connected. The connection checks inside
  // operations never ask: they keep the system addressed.
  void connect();
  // One discovery and nothing more: whether the system addressed answered;
  // systems() then holds what it listed.
  bool findSystems() { return channel_.FindSystems(); }
  // What the last discovery listed.
  const std::vector<link::FoundSystem>& systems() const { return channel_.systems(); }
  // The identity read at the last connection, if any.
  const std::optional<Identity>& identity() const { return identity_; }
  // Reads the identity block again (no connection check, as at a connection).
  Reading<Identity> readIdentity();
  link::Pacer& pacer() const { return channel_.pacer(); }

  // ---- laser currents, identity and model ----
  Outcome setMinCurrent(std::u16string_view text);
  Outcome set20PercentCurrent(std::u16string_view text);
  Outcome setMaxCurrent(std::u16string_view text);
  Reading<Currents> readCurrents();
  Outcome initPowerBoard();
  Outcome setLens(std::u16string_view text);
  // The three identity settings need the service password.
  Outcome setSerialNumber(std::u16string_view password, std::u16string_view text);
  Outcome resetSerial();
  Outcome setModelName(std::u16string_view password, std::u16string_view text);
  // listIndex: the code's position in kControllerModelCodes when it was picked
  // from the list, -1 when typed.
  Outcome setControllerModel(std::u16string_view password, std::u16string_view code, int listIndex);
  // The whole value as the controller reports it: the flag byte goes out as
  // its two-digit prefix ("10" or "00" for the models the panel lists).
  Outcome setControllerModelValue(std::u16string_view password, std::uint32_t value);
  // The flag byte and the 24-bit model code.
  Reading<std::uint32_t> readControllerModel();

  // ---- scan-field geometry ----
  Reading<Distortion> readDistortion();
  Outcome setDistortion(std::u16string_view x, std::u16string_view y);
  Reading<Scale> readScale();
  Outcome setScale(std::u16string_view x, std::u16string_view y);
  Outcome mark(Figure figure);
  Outcome moveTo(std::uint32_t x, std::uint32_t y);
  // The field calibration (service/calibration.h): reads the lens, the scale
  // and the distortion and computes, sending nothing; then sends the plan's
  // Set scale and Set distortion (only what changes), reported as one
  // operation "calibrate".
  Reading<CalibrationPlan> planCalibration(const CalibrationInput& input);
  Outcome applyCalibration(const CalibrationPlan& plan);

  // ---- delays, test power, shutter, aiming ----
  Outcome setXMultiplier(std::u16string_view text);
  Outcome setYMultiplier(std::u16string_view text);
  Outcome setRcJumpDelay(std::u16string_view text);
  // nullopt: the pulse field held no whole number.
  Outcome testPowerOn(std::optional<int> pulse);
  Outcome testPowerOff();
  Outcome shutter(bool open);
  Outcome aiming(bool on);
  Outcome showVersion();

  // ---- guided adjustments: see AdjustmentSession (service/adjustment.h) ----

  // ---- working time ----
  Reading<std::uint32_t> readWorkTime();  // seconds
  Outcome resetWorkTime(std::u16string_view password, std::uint32_t seconds);

  // ---- network ----
  Reading<MacAddress> readMacAddress();
  // fieldText: the MAC field as shown, "XX:XX:XX:XX:XX:XX"; anything less is refused.
  Outcome setMacAddress(std::u16string_view fieldText);
  Reading<Ipv4> readAddress(AddressKind kind);
  // nullopt: not all four fields were filled in.
  Outcome setAddress(AddressKind kind, const std::optional<Ipv4>& address);
  Reading<std::uint32_t> readShipId();

 private:
  struct Operation;
  struct XYSet {
    Input inputX, inputY;
    int codeX, codeY;
  };
  template <class Body>
  Outcome send(const Operation& operation, Body&& body);
  template <class T, class Body>
  Reading<T> read(Body&& body);
  // A Set of the table's row whose field the input is, logged by the row's name.
  Outcome sendText(Input input, int code, std::u16string_view text);
  Outcome sendText(std::u16string operation, Input input, int code, std::u16string_view text);
  Outcome sendHalves(const XYSet& set, std::u16string_view x, std::u16string_view y);
  Outcome sendControllerModel(std::u16string_view password, std::u16string text);
  friend class AdjustmentSession;
  // reached: the packet was handed to the device link.
  Outcome adjustmentCommand(int code, bool& reached);
  void report(const Operation& operation, const Outcome& outcome);

  // ChannelHost
  void showNotConnected() override;
  void onConnected() override;

  link::CommandChannel channel_;
  Host& host_;
  OperationObserver* observer_ = nullptr;
  std::optional<Identity> identity_;
};

// Whole texts, letter case ignored the same way in every locale.
bool MatchesServicePassword(std::u16string_view typed);

// A wrong or cancelled password ends an operation without a word: the panel
// says nothing, zorctl says kWrongPasswordMessage.
inline Outcome PasswordRefused() { return Outcome::refused(Input::Password, {}); }
inline constexpr std::u16string_view kWrongPasswordMessage = u"the service password is wrong; nothing was sent";

// The name the panel gives an input, for messages ("Max Current"); a
// setting's from the table of settings (service/settings.h).
std::u16string InputName(Input input);

// Refuses, naming the field, a text the controller cannot take as one text:
// a character its one-byte characters cannot carry (a UTF-16 code unit above
// 0xFF, or 0, which ends a text), or more than kMaxTextLength characters.
Outcome CheckOneByteText(Input input, std::u16string_view text);

// The reset value of a typed working-time entry, or the refusal to show.
Reading<std::uint32_t> ParseWorkTimeReset(std::u16string_view entry);

// Texts the front ends show.
inline constexpr std::u16string_view kMacIncompleteMessage =
    u"The MAC address is incomplete. Enter all six groups of two hexadecimal digits, for example "
    u"00:1A:2B:3C:4D:5E. Nothing was sent.";
inline constexpr std::u16string_view kIdentityUnreadableMessage =
    u"A marking system was found, but its identity could not be read.\n"
    u"Check the connection and press \"Get Info\" to try again.";

}  // namespace zor::service
