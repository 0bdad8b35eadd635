#include "link/system_info.h"

#include <string>

#include "protocol/zor_protocol.h"

namespace zor::link {

namespace {

using namespace protocol::identity;
constexpr int kLastTextByte = protocol::kSystemInfoLength - 1;  // texts never run past the block

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

}  // namespace

SystemInfo ParseSystemInfo(const std::uint8_t* block) {
  SystemInfo info;
  info.serial = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(block[kSerialAt]) | static_cast<std::uint32_t>(block[kSerialAt + 1]) << 8 |
      static_cast<std::uint32_t>(block[kSerialAt + 2]) << 16 | static_cast<std::uint32_t>(block[kSerialAt + 3]) << 24);
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

}  // namespace zor::link
