#pragma once
// The controller's identity block and the device family it implies.

#include <cstdint>
#include <string>
#include <string_view>

namespace zor::link {

struct SystemInfo {
  std::int32_t serial = 0;     // bytes 0-3
  std::u16string version;      // bytes 9-17, at most 9 characters
  std::u16string releaseDate;  // bytes 18-25, at most 8 characters, never into the model
  std::u16string model;        // bytes 26-35, at most 10 characters, never into the lens
  std::u16string fromVersion;  // from byte 9 to the first zero byte, never past byte 37
  std::uint16_t lens = 0;      // bytes 36-37, focal length in mm
};

// block: the 38-byte reply to CMD_GET_SYSTEM_INFO; nothing past it is read.
// Texts are Latin-1.
SystemInfo ParseSystemInfo(const std::uint8_t* block);

enum class Family { NK, N, NZ };

Family DecideFamily(std::u16string_view model);  // case-insensitive, locale-independent
std::u16string ConnectedMessage(const SystemInfo& info);
// What the model-name field shows for this family.
std::u16string ModelFieldText(const SystemInfo& info, Family family);

}  // namespace zor::link
