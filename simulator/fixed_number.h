#pragma once
// Numbers with a fixed count of decimals for the logs and the window.

#include <string>

namespace zor::simulator {

// value with decimals decimals ("0.50"), the same in every locale (the
// packet and field logs are JSON, and Qt takes the user's locale for the C
// library too); no "-0.00".
std::string fixed(double value, int decimals);

}  // namespace zor::simulator
