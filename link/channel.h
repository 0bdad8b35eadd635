#pragma once
// The command channel: every exchange with the controller passes through here.

#include <cstdint>
#include <string_view>
#include <vector>

#include "link/device_link.h"
#include "link/found_systems.h"
#include "link/pacer.h"
#include "protocol/zor_protocol.h"

namespace zor::link {

inline constexpr std::u16string_view kNotConnectedMessage =
    u"USB is not connected.  Please to to connect before continuing.";
inline constexpr std::u16string_view kCommandSystemName = u"SYSTEM NAME NOT USED";
inline constexpr std::u16string_view kStatusSystemName = u"NOT USED";
inline constexpr int kTextCharPause = 100;  // ms after every text character and the end of text
// What QueryStatus reports when the library has no status entry point.
inline constexpr std::int32_t kNoStatusEntryPoint = -1;

// What the channel needs from whoever owns it.
class ChannelHost {
 public:
  virtual ~ChannelHost() = default;
  // Tells the user kNotConnectedMessage; returns when it was acknowledged.
  virtual void showNotConnected() = 0;
  // Called right after a successful connection, before the operation goes on.
  virtual void onConnected() = 0;
};

// Thrown out of the channel to end the current operation at once: nothing
// more may go to the controller. The service layer turns it into an outcome.
struct ChannelStopped {
  enum class Why {
    NotConnected,  // no system answered the connection check; the user was told
    NotAccepted,   // the device link did not hand a packet to the controller
  };
  Why why;
  std::int32_t result = 0;  // the device link's result, for NotAccepted
  std::uint8_t code = 0;    // the packet that was not accepted
  std::uint8_t value = 0;
};

class CommandChannel {
 public:
  CommandChannel(const DeviceLink& link, Pacer& pacer, ChannelHost& host);

  bool isConnected() const { return connected_ != 0; }
  Pacer& pacer() const { return pacer_; }

  // When not connected: tells the user once and makes one connection attempt.
  // If that fails, throws ChannelStopped (NotConnected): nothing further is
  // sent to a controller that is not there.
  void EnsureConnected();

  // EnsureConnected, then one packet FF FF code value (low 8 bits of each).
  // A packet the device link does not accept (nonzero result) marks the
  // channel not connected, so the next operation looks for the system again,
  // and throws ChannelStopped (NotAccepted). Result 5 is no refusal: the
  // controller took the packet but could not save the change; it is counted
  // (packetsNotKept) and the operation goes on. Without the entry point
  // nothing is sent and nothing is reported.
  void SendCommand(int code, int value);

  // Each UTF-16 code unit's low byte as a CMD_TEXT_CHAR packet, 100 ms after
  // each, the end of text (0) and 100 ms, then the consuming code with 0. The
  // caller has made sure every unit fits one byte. Stops at the first packet
  // that is not accepted, so a partial text is never committed.
  void SendText(int code, std::u16string_view text);

  // One status query; 0 = the block was filled. Makes no connection check.
  // Without the query entry point nothing is called, the block is left as it
  // was, and the result is nonzero.
  std::int32_t QueryStatus(int code, void* buffer, std::int32_t length);

  // Looks for a system; on success marks the channel connected and runs the
  // host's reaction. A failed attempt changes nothing and says nothing.
  void ConnectToSystem();

  // One discovery on its own: keeps the systems it lists (systems()) and
  // returns whether the system this process addresses answered. Changes
  // nothing else; MarkConnected then connects.
  bool FindSystems();
  // What the last discovery listed (nothing when the device link lists its
  // systems otherwise; see ParseDiscovery).
  const std::vector<FoundSystem>& systems() const { return systems_; }
  // Marks the channel connected and runs the host's reaction.
  void MarkConnected();
  // The next operation's connection check looks for the system again.
  void MarkNotConnected() { connected_ = 0; }

  // Packets handed to the device link so far (accepted or not).
  std::uint64_t packetsOffered() const { return packetsOffered_; }
  // Packets the controller took but could not save the change of, so far.
  std::uint64_t packetsNotKept() const { return packetsNotKept_; }

 private:
  const DeviceLink& link_;
  Pacer& pacer_;
  ChannelHost& host_;
  std::int32_t connected_ = 0;
  std::uint64_t packetsOffered_ = 0;
  std::uint64_t packetsNotKept_ = 0;
  std::vector<FoundSystem> systems_;
};

}  // namespace zor::link
