#include "tests/support/transcript.h"

#include <iomanip>
#include <ostream>

namespace zortest {

std::ostream& operator<<(std::ostream& out, const Transcript& transcript) {
  out << "{";
  for (std::size_t i = 0; i < transcript.events().size(); ++i)
    out << "\n  " << std::setw(2) << i << ": " << transcript.events()[i];
  return out << (transcript.events().empty() ? " }" : "\n}");
}

void PrintTo(const Transcript& transcript, std::ostream* out) { *out << transcript; }

std::string Utf8(std::u16string_view text) {
  std::string out;
  auto put = [&out](char32_t c) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      put(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      put(0xFFFD);
    } else {
      put(unit);
    }
  }
  return out;
}

std::string BoxEvent(std::u16string_view title, std::u16string_view text) {
  std::string event = "box [" + Utf8(title) + "] ";
  for (char c : Utf8(text)) {
    if (c == '\n')
      event += "\\n";
    else
      event += c;
  }
  return event;
}

}  // namespace zortest
