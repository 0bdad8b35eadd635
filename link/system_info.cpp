#include "link/system_info.h"

#include <array>
#include <string>

#include "protocol/zor_protocol.h"

namespace zor {

namespace {

using CD = ControlChange;
constexpr CD E = CD::Enable;
constexpr CD D = CD::Disable;
constexpr CD U = CD::Unchanged;

using namespace identity;
constexpr int kLastTextByte = kSystemInfoLength - 1;  // texts never run past the block

// Latin-1 maps each byte to the code point of the same value.
std::u16string Latin1(const std::uint8_t* from, int maxLength) {
  std::u16string text;
  for (int i = 0; i < maxLength && from[i] != 0; ++i) text.push_back(static_cast<char16_t>(from[i]));
  return text;
}

// Only ASCII letters matter for the prefixes; no Latin-1 character folds onto
// N or K, so plain ASCII folding is exact and needs no locale.
char16_t FoldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c; }

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (FoldAscii(text[i]) != FoldAscii(prefix[i])) return false;
  return true;
}

std::u16string Ascii(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// Panel order, as the controls are laid out from top to bottom.
constexpr std::array<FamilyLayoutRow, 44> kLayout{{
    //   id    NK- N-  NZ
    {1000, E, E, E},  // "Min Current:"
    {1078, E, E, E},  // minimum current
    {1057, E, E, E},  // "Set Min"
    {1001, E, E, D},  // "20% Current:"
    {1080, E, E, D},  // 20% current
    {1058, E, E, D},  // "Set" (20% current)
    {1002, E, E, D},  // "Max Current:"
    {1079, E, E, D},  // maximum current
    {1056, E, E, D},  // "Set Max"
    {1036, E, D, D},  // "Init Power B/d"
    {1038, E, D, U},  // "Get Curr"
    {1041, E, D, D},  // "X:" centering
    {1042, E, D, D},  // "Y:" centering
    {1017, E, D, D},  // centering X
    {1018, E, D, D},  // centering Y
    {8, E, D, D},     // "Set" centering
    {7, E, D, D},     // "Get" centering
    {1086, E, D, D},  // "Adjust Center"
    {1003, U, E, E},  // distortion X
    {1004, U, E, E},  // distortion Y
    {4, U, E, E},     // "Set" distortion
    {3, U, E, E},     // "Get" distortion
    {1065, U, D, E},  // "Adjust Distortion"
    {1068, U, E, E},  // X scale correction
    {1069, U, E, E},  // Y scale correction
    {1070, U, E, E},  // "Set" scale
    {1071, U, E, E},  // "Get" scale
    {1066, U, D, E},  // "Mark Original Square"
    {1067, U, D, E},  // "Mark Corrected Square"
    {1062, U, D, E},  // "ON/OFF" Mark Max Field
    {1060, U, D, E},  // "Aiming Alignment..."
    {1061, U, E, E},  // "Set" serial number
    {1073, U, U, E},  // "Set" model name
    {1081, U, E, E},  // "Set" lens
    {1040, D, D, E},  // "Ctrlr Model:"
    {1094, D, D, E},  // controller model
    {1092, D, D, E},  // "Set" controller model
    {1093, D, D, E},  // "Get" controller model
    {1095, E, E, D},  // "OPEN" shutter
    {1096, E, E, D},  // "CLOSE" shutter
    {1084, U, E, E},  // "Show Version"
    {1087, E, D, E},  // "Get Work Time"
    {1088, E, D, E},  // "Init. Work Time"
    {1089, D, D, E},  // "Config IP"
}};

}  // namespace

SystemInfo ParseSystemInfo(const std::uint8_t* block) {
  SystemInfo info;
  info.serial = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(block[kSerialAt]) | static_cast<std::uint32_t>(block[kSerialAt + 1]) << 8 |
      static_cast<std::uint32_t>(block[kSerialAt + 2]) << 16 |
      static_cast<std::uint32_t>(block[kSerialAt + 3]) << 24);
  info.version = Latin1(block + kVersionAt, kVersionWidth);
  // The date keeps to its own 8 bytes: a full date must not swallow the model name.
  info.releaseDate = Latin1(block + kDateAt, kDateWidth);
  info.model = Latin1(block + kModelAt, kModelWidth);
  info.fromVersion = Latin1(block + kVersionAt, kLastTextByte + 1 - kVersionAt);
  info.lens = static_cast<std::uint16_t>(block[kLensAt] | block[kLensAt + 1] << 8);
  return info;
}

Family DecideFamily(std::u16string_view model) {
  if (StartsWithNoCase(model, u"NK-")) return Family::NK;
  if (StartsWithNoCase(model, u"N-")) return Family::N;
  return Family::NZ;
}

int FamilyPicture(Family family) {
  switch (family) {
    case Family::NK: return 131;
    case Family::N: return 132;
    case Family::NZ: return 130;
  }
  return 130;
}

int LensIndex(unsigned lens) {
  // The lens combo's presets; 60 sits at 0, where every unknown lens goes too.
  switch (lens) {
    case 100: return 1;
    case 163: return 2;
    case 254: return 3;
    case 300: return 4;
    case 420: return 5;
    default: return 0;
  }
}

std::u16string ConnectedMessage(const SystemInfo& info) {
  std::u16string text = u"Connected to marking system\nSYSTEM NAME : ";
  text += info.model;
  text += u"\nVERSION NUMBER: ";
  text += info.version;
  text += u"\nRELEASE DATE: ";
  text += info.releaseDate;
  text += u"\nSERIAL NUMBER: ";
  text += Ascii(std::to_string(info.serial));
  text += u"\nLENS: ";
  text += Ascii(std::to_string(info.lens));
  text += u" mm";
  return text;
}

std::u16string ModelFieldText(const SystemInfo& info, Family family) {
  return family == Family::N ? info.fromVersion : info.model;
}

std::span<const FamilyLayoutRow> FamilyLayout() { return kLayout; }

}  // namespace zor
