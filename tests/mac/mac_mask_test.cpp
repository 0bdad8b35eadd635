// The mask rules without a window.
#include "mac/mac_mask.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/marked_state.h"

namespace zor::mac {
namespace {

using testing::show;
using testing::st;

// An unchanged result must say so and hand back the very same state.
void expectResult(const EditResult& r, const EditState& before, std::u16string_view expected) {
  const EditState want = st(expected);
  EXPECT_EQ(show(r.state), show(want));
  EXPECT_EQ(r.changed, !(want == before)) << show(before);
}

// --- typed characters -------------------------------------------------------

struct TypedCase {
  std::u16string_view before;
  char16_t typed;
  std::u16string_view after;
};

class TypedChar : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedChar, FollowsTheMask) {
  const auto& c = GetParam();
  const EditState before = st(c.before);
  expectResult(applyTypedChar(before, c.typed), before, c.after);
}

INSTANTIATE_TEST_SUITE_P(Rules, TypedChar,
                         ::testing::Values(
                             // Overwrite in place, never shift.
                             TypedCase{u"|00:00:00:00:00:00", u'1', u"1|0:00:00:00:00:00"},
                             TypedCase{u"00:00:00:00:00:0|0", u'f', u"00:00:00:00:00:0F|"},
                             TypedCase{u"00:00:00:00:00:00|", u'1', u"00:00:00:00:00:00|"},
                             // In front of a colon: the colon is written too and the caret skips it.
                             TypedCase{u"00|:00:00:00:00:00", u'5', u"00:5|0:00:00:00:00"},
                             TypedCase{u"00|", u'7', u"00:7|"}, TypedCase{u"00:11|", u'a', u"00:11:A|"},
                             // ':' steps over (or appends) a colon, nowhere else.
                             TypedCase{u"00|:00:00:00:00:00", u':', u"00:|00:00:00:00:00"},
                             TypedCase{u"00|", u':', u"00:|"},
                             TypedCase{u"|00:00:00:00:00:00", u':', u"|00:00:00:00:00:00"},
                             TypedCase{u"0|0:00:00:00:00:00", u':', u"0|0:00:00:00:00:00"},
                             TypedCase{u"|00:00:00:00:00:00", u'#', u"|00:00:00:00:00:00"},
                             TypedCase{u"|00:00:00:00:00:00", u'G', u"|00:00:00:00:00:00"},
                             TypedCase{u"|00:00:00:00:00:00", u'g', u"|00:00:00:00:00:00"},
                             TypedCase{u"|00:00:00:00:00:00", u' ', u"|00:00:00:00:00:00"},
                             TypedCase{u"00|:00:00:00:00:00", u'-', u"00|:00:00:00:00:00"},
                             // Nothing outside ASCII is upper-cased into the valid set.
                             TypedCase{u"|00", u'\u00E0', u"|00"}, TypedCase{u"|00", u'\uFF21', u"|00"},
                             TypedCase{u"|00", u'\uFF41', u"|00"}, TypedCase{u"|00", u'\u0000', u"|00"},
                             TypedCase{u"|00", u'\u007F', u"|00"},
                             // Lower case is stored upper case.
                             TypedCase{u"|", u'b', u"B|"},
                             // A selection: only its first position is overwritten, then a caret.
                             TypedCase{u"[00:00]:00:00:00:00", u'a', u"A|0:00:00:00:00:00"},
                             TypedCase{u"00[:00]:00:00:00:00", u'1', u"00:1|0:00:00:00:00"},
                             TypedCase{u"00[:00]:00:00:00:00", u':', u"00:|00:00:00:00:00"},
                             TypedCase{u"[00:00:00]:00:00:00", u'z', u"[00:00:00]:00:00:00"},
                             // Backspace arrives as a character too.
                             TypedCase{u"00:11|", u'\b', u"00:1|"},
                             // Past the mask nothing is typed; before it, typing still works.
                             TypedCase{u"00:00:00:00:00:00:12|", u'1', u"00:00:00:00:00:00:12|"},
                             TypedCase{u"00:00:00:00:00:00|:12", u'1', u"00:00:00:00:00:00|:12"},
                             TypedCase{u"00:00:00:00:00:0|0:12", u'1', u"00:00:00:00:00:01|:12"},
                             TypedCase{u"00:|00:00:00:00:00:12", u'e', u"00:E|0:00:00:00:00:12"}));

TEST(TypedChar, SequenceIntoEmptyFieldPutsInTheColons) {
  EditState s;
  for (char16_t c : std::u16string_view(u"0a1b2c3d4e5f")) s = applyTypedChar(s, c).state;
  EXPECT_EQ(show(s), "0A:1B:2C:3D:4E:5F|");
  // A seventh group does not fit.
  EXPECT_FALSE(applyTypedChar(s, u'1').changed);
}

// --- Backspace --------------------------------------------------------------

struct EditCase {
  std::u16string_view before;
  std::u16string_view after;
};

class Backspace : public ::testing::TestWithParam<EditCase> {};

TEST_P(Backspace, DeletesAtTheEndResetsInside) {
  const auto& c = GetParam();
  const EditState before = st(c.before);
  expectResult(applyBackspace(before), before, c.after);
}

INSTANTIATE_TEST_SUITE_P(Rules, Backspace,
                         ::testing::Values(EditCase{u"00:11|", u"00:1|"}, EditCase{u"00:|", u"00|"},
                                           EditCase{u"11:2|2:33:44:55:66", u"11:|02:33:44:55:66"},
                                           EditCase{u"11:|02:33:44:55:66", u"11|:02:33:44:55:66"},
                                           EditCase{u"|11:22:33:44:55:66", u"|11:22:33:44:55:66"}, EditCase{u"|", u"|"},
                                           EditCase{u"[11:22:33:44:55:66]", u"|"},
                                           EditCase{u"11:[22:33]:44:55:66", u"11:|00:00:44:55:66"},
                                           EditCase{u"11:2[2]", u"11:2|"}, EditCase{u"[11]:22", u"|00:22"},
                                           // Longer than the mask: the end still deletes, nothing past the mask
                                           // is reset.
                                           EditCase{u"00:00:00:00:00:00:12|", u"00:00:00:00:00:00:1|"},
                                           EditCase{u"00:00:00:00:00:00:1|2", u"00:00:00:00:00:00:|12"},
                                           EditCase{u"00:00:00:00:00:1[1:1]2", u"00:00:00:00:00:1|0:12"}));

TEST(Backspace, TwiceFromInsideAGroupStopsOnTheColon) {
  EditState s = st(u"11:22:33:44:55:66");
  s.start = s.end = 4;
  s = applyBackspace(s).state;
  EXPECT_EQ(show(s), "11:|02:33:44:55:66");
  const EditResult second = applyBackspace(s);
  EXPECT_TRUE(second.changed);
  EXPECT_EQ(show(second.state), "11|:02:33:44:55:66");
}

// --- Clear (Delete, cut) ----------------------------------------------------

class Clear : public ::testing::TestWithParam<EditCase> {};

TEST_P(Clear, ResetsOrRemovesTheSelection) {
  const auto& c = GetParam();
  const EditState before = st(c.before);
  expectResult(applyClear(before), before, c.after);
}

INSTANTIATE_TEST_SUITE_P(Rules, Clear,
                         ::testing::Values(EditCase{u"[11:22:33:44:55:66]", u"|"},
                                           EditCase{u"11:[22:33]:44:55:66", u"11:[00:00]:44:55:66"},
                                           EditCase{u"11:22|:33:44:55:66", u"11:22|:33:44:55:66"},
                                           EditCase{u"11:22:33:44:55:66|", u"11:22:33:44:55:66|"},
                                           EditCase{u"11:2[2:33]", u"11:2|"}, EditCase{u"1[1:2]2:33", u"1[0:0]2:33"},
                                           EditCase{u"[11:22]:33", u"[00:00]:33"},
                                           EditCase{u"00:00:00:00:00:[11:A]B", u"00:00:00:00:00:[00:A]B"},
                                           EditCase{u"00:00:00:00:00:00[:12]", u"00:00:00:00:00:00|"}));

// --- Paste ------------------------------------------------------------------

struct PasteCase {
  std::u16string_view before;
  std::u16string_view clip;
  std::u16string_view after;
};

class Paste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Paste, FitsTheClipboardToTheMask) {
  const auto& c = GetParam();
  const EditState before = st(c.before);
  expectResult(applyPaste(before, c.clip), before, c.after);
}

INSTANTIATE_TEST_SUITE_P(Rules, Paste,
                         ::testing::Values(
                             // Over a selection: the selection stays, at most its positions change.
                             PasteCase{u"[00:00:00:00:00:00]", u"aa-bb-cc-dd-ee-ff", u"[AA:BB:CC:DD:EE:FF]"},
                             PasteCase{u"[00:00:00:00:00:00]", u"00-1a-2b-3c-4d-5e", u"[00:1A:2B:3C:4D:5E]"},
                             PasteCase{u"[11]:22:33:44:55:66", u"zz", u"[00]:22:33:44:55:66"},
                             PasteCase{u"[11]:22:33:44:55:66", u"abcdef", u"[AB]:22:33:44:55:66"},
                             PasteCase{u"[11:22:33]:44:55:66", u"f", u"[F1:22:33]:44:55:66"},
                             PasteCase{u"11[:22]:33", u"x99", u"11[:99]:33"}, PasteCase{u"[11:22]", u"", u"[11:22]"},
                             // At a caret: 17 - size positions from the caret, caret after them.
                             PasteCase{u"00:00:00:00:00:00|", u"11", u"00:00:00:00:00:00|"},
                             PasteCase{u"|00:00:00:00:00:00", u"11", u"|00:00:00:00:00:00"},
                             PasteCase{u"00:|", u"11:22", u"00:11:22|"}, PasteCase{u"00:|", u"1122", u"00:11:2|"},
                             PasteCase{u"|", u"0a:1b:2c:3d:4e:5f:99", u"0A:1B:2C:3D:4E:5F|"},
                             PasteCase{u"|", u"ab", u"AB|"}, PasteCase{u"0|0:11", u"ab", u"0A:|11"},
                             // 17 - size positions are planned, however far the caret is from the end.
                             PasteCase{u"|00:11", u"ffffffffffffffffffff", u"FF:FF:FF:FF:|"},
                             PasteCase{u"00:|", u"", u"00:|"},
                             // Longer than the mask: nothing past it is written.
                             PasteCase{u"00:00:00:00:00:00[:12]", u"99", u"00:00:00:00:00:00[:12]"},
                             PasteCase{u"00:00:00:00:00:[00:12]", u"abcd", u"00:00:00:00:00:[AB:12]"},
                             PasteCase{u"00:00:00:00:00:00:12|", u"99", u"00:00:00:00:00:00:12|"},
                             // A whole address in a usual notation replaces the field, wherever
                             // the caret or the selection is.
                             PasteCase{u"[00:00:00:00:00:00]", u"001a2b3c4d5e", u"[00:1A:2B:3C:4D:5E]"},
                             PasteCase{u"00:00:00:00:00:00|", u"00-1a-2b-3c-4d-5e", u"00:1A:2B:3C:4D:5E|"},
                             PasteCase{u"11:2|2", u"001a.2b3c.4d5e\n", u"00:1A:2B:3C:4D:5E|"},
                             PasteCase{u"11:[22]:33:44:55:66", u"00 1A 2B 3C 4D 5E", u"[00:1A:2B:3C:4D:5E]"},
                             PasteCase{u"|", u"00:1A:2B:3C:4D:5E", u"00:1A:2B:3C:4D:5E|"},
                             // Anything else still goes position by position.
                             PasteCase{u"[00:00:00:00:00:00]", u"001a2b3c4d5", u"[00:A2:3C:D5:00:00]"},
                             PasteCase{u"[00:00:00:00:00:00]", u"00:1a-2b:3c:4d:5e", u"[00:1A:2B:3C:4D:5E]"},
                             PasteCase{u"00:|", u"0a1b2c", u"00:0A:B2:|"}));

// --- whole addresses pasted -------------------------------------------------

TEST(WholeAddress, RecognisesTheUsualNotationsOnly) {
  const struct {
    std::u16string_view text;
    std::u16string_view whole;  // empty: not a whole address
  } cases[] = {
      {u"001a2b3c4d5e", u"00:1A:2B:3C:4D:5E"},
      {u"00:1a:2b:3c:4d:5e", u"00:1A:2B:3C:4D:5E"},
      {u"00-1A-2b-3C-4d-5E", u"00:1A:2B:3C:4D:5E"},
      {u"00 1a 2b 3c 4d 5e", u"00:1A:2B:3C:4D:5E"},
      {u"001a.2b3c.4d5e", u"00:1A:2B:3C:4D:5E"},
      {u" \t00:1a:2b:3c:4d:5e\r\n", u"00:1A:2B:3C:4D:5E"},
      {u"FFFFFFFFFFFF", u"FF:FF:FF:FF:FF:FF"},
      // Not whole, or not in one usual notation.
      {u"", u""},
      {u"   ", u""},
      {u"001a2b3c4d5", u""},
      {u"001a2b3c4d5e6", u""},
      {u"001a2b3c4d5g", u""},
      {u"00:1a:2b:3c:4d", u""},
      {u"00:1a:2b:3c:4d:5e:6f", u""},
      {u"00:1a:2b:3c:4d:5e:", u""},
      {u"00:1a-2b:3c:4d:5e", u""},
      {u"00::1a:2b:3c:4d:5e", u""},
      {u"0:1a:2b:3c:4d:5e", u""},
      {u"00  1a 2b 3c 4d 5e", u""},
      {u"00.1a.2b.3c.4d.5e", u""},
      {u"001a:2b3c:4d5e", u""},
      {u"0x001a2b3c4d5e", u""},
      {u"00:1a:2b:3c:4d:5e zz", u""},
      {u"\uFF10\uFF10:1a:2b:3c:4d:5e", u""},
  };
  for (const auto& c : cases) {
    const std::optional<std::u16string> whole = wholeMacAddress(c.text);
    EXPECT_EQ(whole.value_or(u""), c.whole) << show(st(c.text));
  }
}

// --- GetMACAddress parsing --------------------------------------------------

struct ParseCase {
  std::u16string_view text;
  std::array<std::uint8_t, 6> expected;  // from a caller's array of 0xAA
};

class ParseMac : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseMac, ReadsLikeWcstolBase16) {
  std::array<std::uint8_t, 6> out;
  out.fill(0xAA);
  parseMacAddress(GetParam().text, out);
  EXPECT_EQ(out, GetParam().expected);
}

constexpr std::uint8_t A = 0xAA;

INSTANTIATE_TEST_SUITE_P(
    Rules, ParseMac,
    ::testing::Values(ParseCase{u"0A:1B:2C:3D:4E:5F", {0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}},
                      ParseCase{u"00:00:00:00:00:00", {0, 0, 0, 0, 0, 0}},
                      ParseCase{u"00:11:2", {0x00, 0x11, 0x02, A, A, A}}, ParseCase{u"", {A, A, A, A, A, A}},
                      ParseCase{u"ff:fe", {0xFF, 0xFE, A, A, A, A}}, ParseCase{u"1:2:3:4:5:6:7:8", {1, 2, 3, 4, 5, 6}},
                      // Separators of any kind are skipped, one at a time.
                      ParseCase{u"01-02.03 04", {1, 2, 3, 4, A, A}},
                      // No digit: the value is 0 and only the separator step moves on.
                      ParseCase{u"::", {0, 0, A, A, A, A}}, ParseCase{u"G1", {0, 1, A, A, A, A}},
                      // White space, sign and 0x prefix as wcstol takes them.
                      ParseCase{u" 1:\t2", {1, 2, A, A, A, A}}, ParseCase{u"-1:+5", {0xFF, 0x05, A, A, A, A}},
                      ParseCase{u"0x1A:0X2b", {0x1A, 0x2B, A, A, A, A}}, ParseCase{u"0xg", {0, 0, A, A, A, A}},
                      ParseCase{u"- 1", {0, 1, A, A, A, A}},
                      // Longer numbers keep their low byte; overflow saturates (32-bit long).
                      ParseCase{u"123:4567", {0x23, 0x67, A, A, A, A}}, ParseCase{u"7FFFFFFF", {0xFF, A, A, A, A, A}},
                      ParseCase{u"100000000", {0xFF, A, A, A, A, A}}, ParseCase{u"-100000000", {0x00, A, A, A, A, A}},
                      ParseCase{u"-80000000", {0x00, A, A, A, A, A}}, ParseCase{u"-7FFFFFFF", {0x01, A, A, A, A, A}},
                      ParseCase{u"123456789ABCDEF0123:01", {0xFF, 0x01, A, A, A, A}}));

// --- whole addresses --------------------------------------------------------

TEST(CompleteAddress, OnlySixFullGroupsInTheMask) {
  const struct {
    std::u16string_view text;
    bool complete;
  } cases[] = {
      {u"00:1A:2B:3C:4D:5E", true},
      {u"FF:FF:FF:FF:FF:FF", true},
      {u"00:00:00:00:00:00", true},
      {u"00:11:2", false},
      {u"", false},
      {u"00:1a:2B:3C:4D:5E", false},
      {u"00-1A-2B-3C-4D-5E", false},
      {u"00:1A:2B:3C:4D:5E:", false},
      {u"00:1A:2B:3C:4D:5G", false},
      {u"00:1A:2B:3C:4D:5 ", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isCompleteMacAddress(c.text), c.complete) << show(st(c.text));
  }
}

TEST(CompleteAddress, FormatAndParseRoundTrip) {
  const std::array<std::uint8_t, 6> bytes = {0x00, 0x1A, 0x2B, 0xC3, 0xD4, 0xFF};
  const std::u16string text = formatMacAddress(bytes);
  EXPECT_EQ(text, u"00:1A:2B:C3:D4:FF");
  EXPECT_TRUE(isCompleteMacAddress(text));
  std::array<std::uint8_t, 6> back{};
  parseMacAddress(text, back);
  EXPECT_EQ(back, bytes);
}

// --- the invariant over every selection of many texts -----------------------

void checkAfter(const EditState& before, const EditResult& r, const std::string& what) {
  ASSERT_LE(r.state.start, r.state.end) << what;
  ASSERT_LE(r.state.end, r.state.text.size()) << what;
  if (!r.changed) {
    ASSERT_EQ(r.state, before) << what;
  }
}

TEST(Invariant, EveryRuleKeepsAMaskPrefix) {
  const std::u16string_view fulls[] = {u"0A:1B:2C:3D:4E:5F", u"FF:00:FF:00:FF:00"};
  const char16_t typed[] = {u'0', u'9', u'a',  u'F',      u'G',      u'g',  u':',
                            u'-', u' ', u'\b', u'\u00E0', u'\uFF21', u'\0', u'#'};
  const std::u16string_view clips[] = {
      u"", u"1", u"zz", u"aa-bb", u":::", u"11:22:33:44:55:66:77", u"1122334455667788990011aabb", u"aabbccddeeff"};
  int checked = 0;
  for (auto full : fulls) {
    for (std::size_t len = 0; len <= full.size(); ++len) {
      for (std::size_t s = 0; s <= len; ++s) {
        for (std::size_t e = s; e <= len; ++e) {
          const EditState before{std::u16string(full.substr(0, len)), s, e};
          const std::string where = show(before);
          std::vector<std::pair<std::string, EditResult>> results;
          for (char16_t c : typed) results.push_back({"type " + std::to_string(c), applyTypedChar(before, c)});
          results.push_back({"backspace", applyBackspace(before)});
          results.push_back({"clear", applyClear(before)});
          for (auto clip : clips) results.push_back({"paste", applyPaste(before, clip)});
          for (const auto& [rule, r] : results) {
            checkAfter(before, r, rule + " at " + where);
            ASSERT_TRUE(isMaskPrefix(r.state.text)) << rule << " at " << where << " -> " << show(r.state);
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 20000);
}

TEST(Invariant, TextLongerThanTheMaskIsHandledSafely) {
  // Only a caller can put such a text in. Whatever the rule, the mask part
  // stays a mask prefix and typing or pasting never writes past position 16.
  const std::u16string_view texts[] = {u"00:11:22:33:44:55:66:77", u"0A:1B:2C:3D:4E:5Fzz"};
  for (auto text : texts) {
    for (std::size_t s = 0; s <= text.size(); ++s) {
      for (std::size_t e = s; e <= text.size(); ++e) {
        const EditState before{std::u16string(text), s, e};
        const std::string where = show(before);
        const EditResult writes[] = {applyTypedChar(before, u'7'), applyTypedChar(before, u':'),
                                     applyPaste(before, u"99:99:99:99:99:99:99:99:99")};
        for (const auto& r : writes) {
          checkAfter(before, r, where);
          ASSERT_EQ(r.state.text.size(), text.size()) << where;
          ASSERT_EQ(r.state.text.substr(kMaskLength), text.substr(kMaskLength)) << where;
          ASSERT_TRUE(isMaskPrefix(r.state.text.substr(0, kMaskLength))) << where;
        }
        const EditResult removes[] = {applyBackspace(before), applyClear(before)};
        for (const auto& r : removes) {
          checkAfter(before, r, where);
          const auto head = r.state.text.substr(0, std::min(r.state.text.size(), kMaskLength));
          ASSERT_TRUE(isMaskPrefix(head)) << where;
        }
      }
    }
  }
}

TEST(Invariant, OutOfRangeSelectionFromACallerIsClamped) {
  const EditState wild{u"00:11", 9, 40};
  for (const EditResult& r :
       {applyTypedChar(wild, u'1'), applyBackspace(wild), applyClear(wild), applyPaste(wild, u"1234")}) {
    if (!r.changed) continue;  // the caller's own state, left alone
    EXPECT_LE(r.state.start, r.state.end);
    EXPECT_LE(r.state.end, r.state.text.size());
    EXPECT_TRUE(isMaskPrefix(r.state.text));
  }
}

}  // namespace
}  // namespace zor::mac
