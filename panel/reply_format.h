#pragma once
// Reading the controller's little-endian replies into panel text.

#include <QString>
#include <QtEndian>
#include <bit>
#include <cstdint>

// A single-precision number in fixed point with five decimals ("%.5f"), as
// the panel shows currents and scale corrections.
inline QString FixedPoint5(const std::uint8_t* littleEndian) {
  const float value = std::bit_cast<float>(qFromLittleEndian<std::uint32_t>(littleEndian));
  return QString::asprintf("%.5f", static_cast<double>(value));
}
