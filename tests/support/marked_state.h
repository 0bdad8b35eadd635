#pragma once
// Edit states written as the text with the selection marked: '|' is a caret,
// '[' and ']' enclose a selection. "00:1|1" is a caret at 4.
#include <string>
#include <string_view>

#include "mac/mac_mask.h"

namespace zor::mac::testing {

inline EditState st(std::u16string_view marked) {
  EditState s;
  for (char16_t c : marked) {
    if (c == u'|') {
      s.start = s.end = s.text.size();
    } else if (c == u'[') {
      s.start = s.text.size();
    } else if (c == u']') {
      s.end = s.text.size();
    } else {
      s.text.push_back(c);
    }
  }
  return s;
}

inline std::string show(const EditState& s) {
  std::string out;
  for (std::size_t i = 0; i <= s.text.size(); ++i) {
    if (s.start == s.end && i == s.start) out += '|';
    if (s.start != s.end && i == s.start) out += '[';
    if (s.start != s.end && i == s.end) out += ']';
    if (i < s.text.size()) {
      const char16_t c = s.text[i];
      out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "\\u" + std::to_string(c);
    }
  }
  return out;
}

}  // namespace zor::mac::testing
