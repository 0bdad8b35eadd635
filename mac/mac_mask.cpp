#include "mac/mac_mask.h"

#include <algorithm>

namespace zor::mac {
namespace {

constexpr std::array<std::uint32_t, 16> kValidChars = {u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7',
                                                       u'8', u'9', u'A', u'B', u'C', u'D', u'E', u'F'};

// Write c at p: replace inside the text, append right at its end. The rules
// never reach further than one past the end; if they did, nothing is written.
void writeAt(std::u16string& t, std::size_t p, char16_t c) {
  if (p < t.size()) {
    t[p] = c;
  } else if (p == t.size()) {
    t.push_back(c);
  }
}

// A caller may hand over a selection that no longer fits the text; keep the
// rules inside it rather than trust it.
EditState normalised(const EditState& s) {
  EditState n = s;
  n.end = std::min(n.end, n.text.size());
  n.start = std::min(n.start, n.end);
  return n;
}

EditResult finish(const EditState& before, std::u16string text, std::size_t a, std::size_t b) {
  EditResult r;
  r.state.end = std::min(b, text.size());
  r.state.start = std::min(a, r.state.end);
  r.state.text = std::move(text);
  r.changed = !(r.state == before);
  return r;
}

EditResult unchanged(const EditState& before) { return {before, false}; }

bool isHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

std::uint32_t hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return c - u'A' + 10;
}

bool isSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

struct Number {
  std::uint32_t value;  // two's complement of the 32-bit long wcstol returns
  std::size_t end;      // one past the last character consumed
};

// wcstol(text + pos, &end, 16) with the 32-bit long of the platform the
// controller's tools were written for: overflow saturates at LONG_MAX or
// LONG_MIN, and when no digit follows nothing at all is consumed.
Number readHex(std::u16string_view text, std::size_t pos) {
  std::size_t q = pos;
  while (q < text.size() && isSpace(text[q])) ++q;
  bool negative = false;
  if (q < text.size() && (text[q] == u'+' || text[q] == u'-')) {
    negative = text[q] == u'-';
    ++q;
  }
  if (q + 2 < text.size() && text[q] == u'0' && (text[q + 1] == u'x' || text[q + 1] == u'X') &&
      isHexDigit(text[q + 2])) {
    q += 2;
  }
  const std::size_t firstDigit = q;
  std::uint64_t magnitude = 0;
  bool overflow = false;
  for (; q < text.size() && isHexDigit(text[q]); ++q) {
    magnitude = magnitude * 16 + hexValue(text[q]);
    if (magnitude > 0x80000000u) {
      overflow = true;
      magnitude = 0x80000000u;  // keeps the product small; the result saturates anyway
    }
  }
  if (q == firstDigit) return {0, pos};
  constexpr std::uint32_t kLongMax = 0x7FFFFFFFu;
  constexpr std::uint32_t kLongMin = 0x80000000u;
  if (!negative) {
    return {overflow || magnitude > kLongMax ? kLongMax : static_cast<std::uint32_t>(magnitude), q};
  }
  if (overflow) return {kLongMin, q};
  return {static_cast<std::uint32_t>(0u - static_cast<std::uint32_t>(magnitude)), q};
}

}  // namespace

const std::array<std::uint32_t, 16>& validChars() { return kValidChars; }

bool isValidChar(char16_t c) {
  return std::any_of(kValidChars.begin(), kValidChars.end(),
                     [c](std::uint32_t v) { return static_cast<char16_t>(v & 0xFFFFu) == c; });
}

bool isPlaceholder(std::size_t pos) { return pos < kMaskLength && kMask[pos] == kPlaceholder; }

bool isSeparator(std::size_t pos) { return pos < kMaskLength && kMask[pos] != kPlaceholder; }

char16_t toUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

EditResult applyTypedChar(const EditState& state, char16_t typed) {
  const char16_t c = toUpper(typed);
  if (c == u'\b') return applyBackspace(state);
  const EditState s = normalised(state);
  if (s.start >= kMaskLength) return unchanged(state);

  std::u16string t = s.text;
  std::size_t p = s.start;
  if (isValidChar(c)) {
    if (isSeparator(p)) {
      writeAt(t, p, kMask[p]);
      ++p;
    }
    if (isPlaceholder(p)) {
      writeAt(t, p, c);
      ++p;
    }
    return finish(state, std::move(t), p, p);
  }
  if (isSeparator(p) && c == kMask[p]) {
    writeAt(t, p, c);
    return finish(state, std::move(t), p + 1, p + 1);
  }
  return unchanged(state);
}

EditResult applyBackspace(const EditState& state) {
  const EditState s = normalised(state);
  std::u16string t = s.text;
  std::size_t start = s.start;
  if (start == s.end && start > 0) --start;
  if (s.end == t.size()) {
    t.erase(start, s.end - start);
  } else {
    for (std::size_t i = start; i < s.end; ++i) {
      if (isPlaceholder(i)) t[i] = kFill;
    }
  }
  return finish(state, std::move(t), start, start);
}

EditResult applyClear(const EditState& state) {
  const EditState s = normalised(state);
  if (s.start == s.end) return unchanged(state);
  std::u16string t = s.text;
  if (s.end == t.size()) {
    t.erase(s.start, s.end - s.start);
  } else {
    // Past the mask there is nothing to reset to; such characters stay.
    for (std::size_t i = s.start; i < s.end && i < kMaskLength; ++i) {
      t[i] = isPlaceholder(i) ? kFill : kMask[i];
    }
  }
  return finish(state, std::move(t), s.start, s.end);
}

EditResult applyPaste(const EditState& state, std::u16string_view clip) {
  const EditState s = normalised(state);
  if (std::optional<std::u16string> whole = wholeMacAddress(clip)) {
    // Like any paste: a selection becomes the whole new text, a caret goes behind it.
    return finish(state, std::move(*whole), s.start < s.end ? 0 : kMaskLength, kMaskLength);
  }
  std::u16string t = s.text;
  const auto put = [&t, clip](std::size_t k, std::size_t pos) {
    if (isPlaceholder(pos)) {
      const char16_t c = toUpper(clip[k]);
      writeAt(t, pos, isValidChar(c) ? c : kFill);
    } else {
      writeAt(t, pos, kMask[pos]);  // the clipboard's character here is dropped
    }
  };

  if (s.start < s.end) {
    const std::size_t limit = std::min(s.end, kMaskLength);
    for (std::size_t k = 0; k < clip.size() && s.start + k < limit; ++k) put(k, s.start + k);
    return finish(state, std::move(t), s.start, s.end);
  }

  const std::size_t planned = t.size() >= kMaskLength ? 0 : kMaskLength - t.size();
  const std::size_t count = std::min(planned, clip.size());
  for (std::size_t k = 0; k < count; ++k) put(k, s.start + k);
  return finish(state, std::move(t), s.start + count, s.start + count);
}

std::optional<std::u16string> wholeMacAddress(std::u16string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);

  struct Notation {
    std::size_t groupWidth;  // digits per group
    char16_t separator;      // between groups; none for a single group
  };
  static constexpr Notation kNotations[] = {{12, 0}, {2, u':'}, {2, u'-'}, {2, u' '}, {4, u'.'}};
  constexpr std::size_t kDigits = 12;

  for (const Notation& n : kNotations) {
    std::u16string digits;
    std::size_t i = 0;
    bool matches = true;
    for (std::size_t group = 0; matches && group < kDigits / n.groupWidth; ++group) {
      if (group > 0) matches = i < text.size() && text[i++] == n.separator;
      for (std::size_t k = 0; matches && k < n.groupWidth; ++k) {
        matches = i < text.size() && isHexDigit(text[i]);
        if (matches) digits.push_back(toUpper(text[i++]));
      }
    }
    if (!matches || i != text.size()) continue;
    std::u16string address;
    for (std::size_t d = 0; d < kDigits; d += 2) {
      if (d > 0) address.push_back(u':');
      address.append(digits, d, 2);
    }
    return address;
  }
  return std::nullopt;
}

void parseMacAddress(std::u16string_view text, std::array<std::uint8_t, 6>& out) {
  std::size_t pos = 0;
  for (std::size_t i = 0; pos < text.size() && i < out.size(); ++i) {
    const Number n = readHex(text, pos);
    out[i] = static_cast<std::uint8_t>(n.value & 0xFFu);
    pos = n.end + 1;
  }
}

bool isMaskPrefix(std::u16string_view text) {
  if (text.size() > kMaskLength) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isPlaceholder(i) ? !isValidChar(text[i]) : text[i] != kMask[i]) return false;
  }
  return true;
}

bool isCompleteMacAddress(std::u16string_view text) { return text.size() == kMaskLength && isMaskPrefix(text); }

std::u16string formatMacAddress(const std::array<std::uint8_t, 6>& bytes) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string s;
  s.reserve(kMaskLength);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) s.push_back(u':');
    s.push_back(kHex[bytes[i] >> 4]);
    s.push_back(kHex[bytes[i] & 0x0F]);
  }
  return s;
}

}  // namespace zor::mac
