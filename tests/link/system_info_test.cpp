#include "link/system_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/support/link_test_util.h"

namespace zortest {
namespace {

using zor::link::Family;

// --- The identity block ------------------------------------------------------

struct ParseCase {
  const char* name;
  Block block;
  zor::link::SystemInfo expected;
  friend void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }
};

class ParseBlock : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseBlock, ReadsEveryField) {
  const zor::link::SystemInfo info = zor::link::ParseSystemInfo(GetParam().block.bytes.data());
  const zor::link::SystemInfo& want = GetParam().expected;
  EXPECT_EQ(info.serial, want.serial);
  EXPECT_EQ(info.version, want.version);
  EXPECT_EQ(info.releaseDate, want.releaseDate);
  EXPECT_EQ(info.model, want.model);
  EXPECT_EQ(info.fromVersion, want.fromVersion);
  EXPECT_EQ(info.lens, want.lens);
}

INSTANTIATE_TEST_SUITE_P(
    SystemInfo, ParseBlock,
    ::testing::Values(
        ParseCase{"AllZero", Block(), {0, u"", u"", u"", u"", 0}},
        ParseCase{"Typical",
                  Block().serial(12345).version("V2.05").date("07/19/10").model("NK-100A").lens(163),
                  {12345, u"V2.05", u"07/19/10", u"NK-100A", u"V2.05", 163}},
        ParseCase{"SerialAllOnesIsMinusOne", Block().serial(0xFFFFFFFF), {-1, u"", u"", u"", u"", 0}},
        ParseCase{
            "LittleEndianNumbers", Block().serial(0x01020304).lens(0x01A4), {0x01020304, u"", u"", u"", u"", 420}},
        // Bytes 4-8 are not part of any field.
        ParseCase{"UnusedBytesIgnored", Block().put(4, "ABCDE"), {0, u"", u"", u"", u"", 0}},
        ParseCase{"NineVersionBytesThenADateByte",
                  Block().version("123456789").date("2"),
                  {0, u"123456789", u"2", u"", u"1234567892", 0}},
        ParseCase{"FullDateStopsBeforeTheModel",
                  Block().date("07/19/10").model("NZ-5"),
                  {0, u"", u"07/19/10", u"NZ-5", u"", 0}},
        ParseCase{"NForFamilyTextRunsFromByte9",
                  Block().version("N-20 V1").date("2010").model("N-20"),
                  {0, u"N-20 V1", u"2010", u"N-20", u"N-20 V1", 0}},
        ParseCase{"Latin1", Block().model("\xC9\xFF-1").date("\xB0"), {0, u"", u"\u00B0", u"\u00C9\u00FF-1", u"", 0}},
        // A model name that fills its 10 bytes keeps to them: the lens is not text.
        ParseCase{"FullModelStopsBeforeTheLens",
                  Block().model("ABCDEFGHIJ").lens(0x4241),
                  {0, u"", u"", u"ABCDEFGHIJ", u"", 0x4241}},
        ParseCase{"FromVersionEndsAtByte37",
                  Block().version("VVVVVVVVV").date("DDDDDDDD").model("MMMMMMMMMM").lens(0x4C4C),
                  {0, u"VVVVVVVVV", u"DDDDDDDD", u"MMMMMMMMMM", u"VVVVVVVVVDDDDDDDDMMMMMMMMMMLL", 0x4C4C}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemInfo, NoTextIsReadPastTheBlock) {
  std::array<std::uint8_t, 40> memory;
  memory.fill('X');
  memory[36] = 0;  // lens 0x5800, model up to byte 35
  const zor::link::SystemInfo info = zor::link::ParseSystemInfo(memory.data());
  EXPECT_EQ(info.model, u"XXXXXXXXXX");
  memory[36] = 'L';
  memory[37] = 'L';
  EXPECT_EQ(zor::link::ParseSystemInfo(memory.data()).model, u"XXXXXXXXXX");
  EXPECT_EQ(zor::link::ParseSystemInfo(memory.data()).fromVersion.size(), 29u);
}

// --- Family ---------------------------------------------------

struct FamilyCase {
  std::u16string model;
  Family family;
};

class FamilyDecision : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(FamilyDecision, ComesFromTheModelPrefix) {
  EXPECT_EQ(zor::link::DecideFamily(GetParam().model), GetParam().family);
}

INSTANTIATE_TEST_SUITE_P(SystemInfo, FamilyDecision,
                         ::testing::Values(FamilyCase{u"NK-100A", Family::NK}, FamilyCase{u"nk-100a", Family::NK},
                                           FamilyCase{u"nK-", Family::NK}, FamilyCase{u"N-20", Family::N},
                                           FamilyCase{u"n-20", Family::N}, FamilyCase{u"N-", Family::N},
                                           FamilyCase{u"NX-20", Family::NZ}, FamilyCase{u"NZ-300", Family::NZ},
                                           FamilyCase{u"NK", Family::NZ},  // shorter than "NK-"
                                           FamilyCase{u"N", Family::NZ}, FamilyCase{u"", Family::NZ},
                                           FamilyCase{u" NK-1", Family::NZ}, FamilyCase{u"\u00D1K-1", Family::NZ},
                                           FamilyCase{u"\u00F1-1", Family::NZ}, FamilyCase{u"NK_1", Family::NZ}));

// --- Texts -------------------------------------------------------------------

TEST(SystemInfo, ConnectedMessageNamesEveryField) {
  const auto info = zor::link::ParseSystemInfo(
      Block().serial(0xFFFFFFFF).version("V2.05").date("07/19/10").model("N-20").lens(75).bytes.data());
  EXPECT_EQ(zor::link::ConnectedMessage(info),
            u"Connected to marking system\nSYSTEM NAME : N-20\nVERSION NUMBER: V2.05\n"
            u"RELEASE DATE: 07/19/10\nSERIAL NUMBER: -1\nLENS: 75 mm");
}

TEST(SystemInfo, ConnectedMessageOfAnEmptyBlock) {
  EXPECT_EQ(zor::link::ConnectedMessage(zor::link::ParseSystemInfo(Block().bytes.data())),
            u"Connected to marking system\nSYSTEM NAME : \nVERSION NUMBER: \nRELEASE DATE: \n"
            u"SERIAL NUMBER: 0\nLENS: 0 mm");
}

TEST(SystemInfo, OnlyTheNFamilyShowsTheTextFromByte9InTheModelField) {
  const auto info = zor::link::ParseSystemInfo(Block().version("VER").model("N-20").bytes.data());
  EXPECT_EQ(zor::link::ModelFieldText(info, Family::N), u"VER");
  EXPECT_EQ(zor::link::ModelFieldText(info, Family::NK), u"N-20");
  EXPECT_EQ(zor::link::ModelFieldText(info, Family::NZ), u"N-20");
}

}  // namespace
}  // namespace zortest
