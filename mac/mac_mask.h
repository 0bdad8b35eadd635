#pragma once
// The MAC address mask "##:##:##:##:##:##" and the editing rules that keep a
// text inside it. Window-free: each rule takes the text, the selection and its
// input, and returns what the edit control should show afterwards.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zor::mac {

inline constexpr std::u16string_view kMask = u"##:##:##:##:##:##";
inline constexpr std::size_t kMaskLength = 17;
inline constexpr char16_t kPlaceholder = u'#';
inline constexpr char16_t kFill = u'0';
inline constexpr std::u16string_view kDefaultText = u"00:00:00:00:00:00";

// Text plus selection as the edit control holds them: start <= end <= size.
// start == end is a plain caret.
struct EditState {
  std::u16string text;
  std::size_t start = 0;
  std::size_t end = 0;

  friend bool operator==(const EditState&, const EditState&) = default;
};

// What a rule leaves behind. When changed is false the caller must not touch
// the window at all (no text rewrite, selection kept), as for an ignored key.
struct EditResult {
  EditState state;
  bool changed = false;
};

// The valid characters, in their fixed order: 0-9 then A-F.
const std::array<std::uint32_t, 16>& validChars();
bool isValidChar(char16_t c);
bool isPlaceholder(std::size_t pos);  // false past the mask's end
bool isSeparator(std::size_t pos);    // false past the mask's end
// Upper case for the characters that matter here. Only ASCII letters map, as
// towupper does in the C locale; everything else comes back unchanged.
char16_t toUpper(char16_t c);

// A typed character (Backspace, 0x08, goes to applyBackspace).
EditResult applyTypedChar(const EditState& s, char16_t typed);
EditResult applyBackspace(const EditState& s);
// Cut and Clear alike: the selection is reset to the mask, or removed when it
// reaches the end of the text.
EditResult applyClear(const EditState& s);
// The clipboard's text fitted to the mask. A whole address (wholeMacAddress)
// replaces the whole field, which ends up selected when there was a selection
// and with the caret at its end otherwise. Any other text: with a selection it
// overwrites at most the selected positions and the selection stays; at a
// caret it fills up to 17 - size positions and leaves the caret after the
// last one written.
EditResult applyPaste(const EditState& s, std::u16string_view clip);

// A whole MAC address in one of the usual notations, as "XX:XX:XX:XX:XX:XX":
// 12 hexadecimal digits alone, six pairs joined by ':', '-' or ' ' (one kind
// throughout), or three groups of four joined by '.'. White space around the
// address is ignored (a copied line often brings its line end). Nothing for
// any other text.
std::optional<std::u16string> wholeMacAddress(std::u16string_view text);

// Up to six bytes read from the text the way wcstol(base 16) reads each group
// ("00:1A:..."). Bytes the text does not reach keep the caller's values.
void parseMacAddress(std::u16string_view text, std::array<std::uint8_t, 6>& out);

// True only for a full address: 17 characters that match the mask exactly
// (upper-case hex digits, colons). Anything else must not be sent.
bool isCompleteMacAddress(std::u16string_view text);
// True when the text is 0 to 17 characters of such an address (the invariant
// of the rules).
bool isMaskPrefix(std::u16string_view text);

// "%02X:%02X:%02X:%02X:%02X:%02X".
std::u16string formatMacAddress(const std::array<std::uint8_t, 6>& bytes);

}  // namespace zor::mac
