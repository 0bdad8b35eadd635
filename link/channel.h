#pragma once
// The command channel: every exchange with the controller passes through here.

#include <cstdint>
#include <string_view>

#include "link/device_link.h"
#include "protocol/zor_protocol.h"
#include "platform/pacer.h"

namespace zor {

inline constexpr std::u16string_view kNotConnectedMessage =
    u"USB is not connected.  Please to to connect before continuing.";
inline constexpr std::u16string_view kCommandSystemName = u"SYSTEM NAME NOT USED";
inline constexpr std::u16string_view kStatusSystemName = u"NOT USED";
inline constexpr int kTextCharPause = 100;  // ms after every text character and the end of text
// What QueryStatus reports when the library has no status entry point.
inline constexpr std::int32_t kNoStatusEntryPoint = -1;

// What the channel needs from the window that owns it.
class ChannelHost {
 public:
  virtual ~ChannelHost() = default;
  // Shows kNotConnectedMessage in a modal box and returns when it was closed.
  virtual void showNotConnected() = 0;
  // Runs the identity refresh; called right after a successful connection.
  virtual void onConnected() = 0;
};

class CommandChannel {
 public:
  CommandChannel(const DeviceLink& link, platform::Pacer& pacer, ChannelHost& host);

  bool isConnected() const { return m_bConnected != 0; }

  // When not connected: tells the user once and makes one connection attempt.
  // If that fails the current user operation ends: platform::OperationAborted
  // is thrown, so nothing further is sent to a controller that is not there.
  void EnsureConnected();

  // EnsureConnected, then one packet FF FF code value (low 8 bits of each).
  void SendCommand(int code, int value);

  // Each UTF-16 code unit's low byte as a CMD_TEXT_CHAR packet, 100 ms after
  // each, the end of text (0) and 100 ms, then the consuming code with 0.
  void SendText(int code, std::u16string_view text);

  // One status query; 0 = the block was filled. Makes no connection check.
  // Without the query entry point nothing is called, the block is left as it
  // was, and the result is nonzero.
  std::int32_t QueryStatus(int code, void* buffer, std::int32_t length);

  // Looks for a system; on success marks the channel connected and runs the
  // host's refresh. A failed attempt changes nothing and says nothing.
  void ConnectToSystem();

 private:
  const DeviceLink& link_;
  platform::Pacer& pacer_;
  ChannelHost& host_;
  std::int32_t m_bConnected = 0;
};

}  // namespace zor
