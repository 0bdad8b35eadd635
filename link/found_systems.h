#pragma once
// The systems a discovery found, as its block lists them, and which of them
// this process addresses. Our device link addresses the system whose serial
// ZORCOMM_SYSTEM names at every discovery; a device link of another make may
// ignore it and list its systems its own way, or not at all.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "protocol/discovery.h"

namespace zor::link {

// Serial number, name (Latin-1 bytes) and IPv4 address of one system.
using FoundSystem = protocol::discovery::Entry;

// The systems the block lists when its count agrees with the out value
// `found`; nothing otherwise (a device link that fills the block otherwise).
std::vector<FoundSystem> ParseDiscovery(const std::uint8_t* block, std::int32_t found);

// Makes the next discoveries of this process address the system with this
// serial (sets ZORCOMM_SYSTEM). False when the environment could not be set.
bool AddressSystem(std::int32_t serial);

// The one among systems that the next discovery addresses: the one
// ZORCOMM_SYSTEM names, else the first; nothing when it names none of them.
std::optional<std::size_t> AddressedSystem(std::span<const FoundSystem> systems);

// "192.168.1.10".
std::string AddressText(const FoundSystem& system);

}  // namespace zor::link
