#include "link/found_systems.h"

#include <cstdlib>

namespace zor::link {

std::vector<FoundSystem> ParseDiscovery(const std::uint8_t* block, std::int32_t found) {
  if (found <= 0 || static_cast<std::size_t>(found) > protocol::discovery::kMaxSystems) return {};
  std::vector<FoundSystem> systems = protocol::discovery::Read(block);
  // Read stops at kMaxSystems; a count beyond it disagrees with found as well.
  std::uint32_t count = 0;
  for (std::size_t i = 0; i < protocol::discovery::kCountSize; ++i) count |= std::uint32_t{block[i]} << (8 * i);
  if (count != static_cast<std::uint32_t>(found)) return {};
  return systems;
}

bool AddressSystem(std::int32_t serial) {
  return ::setenv(protocol::discovery::kSystemVariable, std::to_string(serial).c_str(), 1) == 0;
}

std::optional<std::size_t> AddressedSystem(std::span<const FoundSystem> systems) {
  return protocol::discovery::Addressed(systems, std::getenv(protocol::discovery::kSystemVariable));
}

std::string AddressText(const FoundSystem& system) {
  std::string text;
  for (std::size_t i = 0; i < system.address.size(); ++i)
    text += (i == 0 ? "" : ".") + std::to_string(system.address[i]);
  return text;
}

}  // namespace zor::link
