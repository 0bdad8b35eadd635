#pragma once
// The texts a value read from the controller is shown as, the same in the
// panel's fields and on zorctl's output.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "service/maintenance.h"

namespace zor::service {

std::u16string FormatFixed5(float value);                // "%.5f": currents and scale corrections
std::u16string FormatUnsigned(std::uint32_t value);      // "%u": distortion corrections
std::u16string FormatHex8(std::uint32_t value);          // "%08x": controller model, ship id
std::u16string FormatModelCode(std::uint32_t value);     // "%06x" of the low 24 bits
std::u16string FormatMacAddress(const MacAddress& mac);  // "%02X:%02X:%02X:%02X:%02X:%02X"
std::u16string FormatDotted(const Ipv4& address);        // "%d.%d.%d.%d"
// The reverse: four decimal octets 0-255 of one to three digits each.
std::optional<Ipv4> ParseDotted(std::u16string_view text);
std::u16string FormatWorkTime(std::uint32_t seconds);     // "%D,%H:%M:%S"
std::u16string FormatWorkTimeBox(std::uint32_t seconds);  // "Total working days: %D,%H:%M:%S", for people

}  // namespace zor::service
