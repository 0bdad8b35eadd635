#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "link/system_info.h"
#include "tests/link/link_test_util.h"

namespace zortest {
namespace {

using zor::Family;

// --- The identity block ------------------------------------------------------

struct ParseCase {
  const char* name;
  Block block;
  zor::SystemInfo expected;
  friend void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }
};

class ParseBlock : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseBlock, ReadsEveryField) {
  const zor::SystemInfo info = zor::ParseSystemInfo(GetParam().block.bytes.data());
  const zor::SystemInfo& want = GetParam().expected;
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
        ParseCase{"LittleEndianNumbers", Block().serial(0x01020304).lens(0x01A4),
                  {0x01020304, u"", u"", u"", u"", 420}},
        // Bytes 4-8 are not part of any field.
        ParseCase{"UnusedBytesIgnored", Block().put(4, "ABCDE"), {0, u"", u"", u"", u"", 0}},
        ParseCase{"NineVersionBytesThenADateByte", Block().version("123456789").date("2"),
                  {0, u"123456789", u"2", u"", u"1234567892", 0}},
        ParseCase{"FullDateStopsBeforeTheModel", Block().date("07/19/10").model("NZ-5"),
                  {0, u"", u"07/19/10", u"NZ-5", u"", 0}},
        ParseCase{"NForFamilyTextRunsFromByte9", Block().version("N-20 V1").date("2010").model("N-20"),
                  {0, u"N-20 V1", u"2010", u"N-20", u"N-20 V1", 0}},
        ParseCase{"Latin1", Block().model("\xC9\xFF-1").date("\xB0"),
                  {0, u"", u"\u00B0", u"\u00C9\u00FF-1", u"", 0}},
        // A model name that fills its 10 bytes keeps to them: the lens is not text.
        ParseCase{"FullModelStopsBeforeTheLens", Block().model("ABCDEFGHIJ").lens(0x4241),
                  {0, u"", u"", u"ABCDEFGHIJ", u"", 0x4241}},
        ParseCase{"FromVersionEndsAtByte37",
                  Block().version("VVVVVVVVV").date("DDDDDDDD").model("MMMMMMMMMM").lens(0x4C4C),
                  {0, u"VVVVVVVVV", u"DDDDDDDD", u"MMMMMMMMMM", u"VVVVVVVVVDDDDDDDDMMMMMMMMMMLL", 0x4C4C}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemInfo, NoTextIsReadPastTheBlock) {
  std::array<std::uint8_t, 40> memory;
  memory.fill('X');
  memory[36] = 0;  // lens 0x5800, model up to byte 35
  const zor::SystemInfo info = zor::ParseSystemInfo(memory.data());
  EXPECT_EQ(info.model, u"XXXXXXXXXX");
  memory[36] = 'L';
  memory[37] = 'L';
  EXPECT_EQ(zor::ParseSystemInfo(memory.data()).model, u"XXXXXXXXXX");
  EXPECT_EQ(zor::ParseSystemInfo(memory.data()).fromVersion.size(), 29u);
}

// --- Family, picture, lens ---------------------------------------------------

struct FamilyCase {
  std::u16string model;
  Family family;
  int picture;
};

class FamilyDecision : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(FamilyDecision, ComesFromTheModelPrefix) {
  const Family family = zor::DecideFamily(GetParam().model);
  EXPECT_EQ(family, GetParam().family);
  EXPECT_EQ(zor::FamilyPicture(family), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(SystemInfo, FamilyDecision,
                         ::testing::Values(FamilyCase{u"NK-100A", Family::NK, 131},
                                           FamilyCase{u"nk-100a", Family::NK, 131},
                                           FamilyCase{u"nK-", Family::NK, 131},
                                           FamilyCase{u"N-20", Family::N, 132},
                                           FamilyCase{u"n-20", Family::N, 132},
                                           FamilyCase{u"N-", Family::N, 132},
                                           FamilyCase{u"NX-20", Family::NZ, 130},
                                           FamilyCase{u"NZ-300", Family::NZ, 130},
                                           FamilyCase{u"NK", Family::NZ, 130},  // shorter than "NK-"
                                           FamilyCase{u"N", Family::NZ, 130},
                                           FamilyCase{u"", Family::NZ, 130},
                                           FamilyCase{u" NK-1", Family::NZ, 130},
                                           FamilyCase{u"\u00D1K-1", Family::NZ, 130},
                                           FamilyCase{u"\u00F1-1", Family::NZ, 130},
                                           FamilyCase{u"NK_1", Family::NZ, 130}));

TEST(SystemInfo, LensIndexIsThePresetPosition) {
  const std::vector<std::pair<unsigned, int>> cases{{60, 0},  {75, 0},  {100, 1}, {163, 2},   {254, 3},
                                                    {300, 4}, {420, 5}, {0, 0},   {421, 0}, {65535, 0}};
  for (const auto& [lens, index] : cases) EXPECT_EQ(zor::LensIndex(lens), index) << "lens " << lens;
}

// --- Texts -------------------------------------------------------------------

TEST(SystemInfo, ConnectedMessageNamesEveryField) {
  const auto info = zor::ParseSystemInfo(
      Block().serial(0xFFFFFFFF).version("V2.05").date("07/19/10").model("N-20").lens(75).bytes.data());
  EXPECT_EQ(zor::ConnectedMessage(info),
            u"Connected to marking system\nSYSTEM NAME : N-20\nVERSION NUMBER: V2.05\n"
            u"RELEASE DATE: 07/19/10\nSERIAL NUMBER: -1\nLENS: 75 mm");
}

TEST(SystemInfo, ConnectedMessageOfAnEmptyBlock) {
  EXPECT_EQ(zor::ConnectedMessage(zor::ParseSystemInfo(Block().bytes.data())),
            u"Connected to marking system\nSYSTEM NAME : \nVERSION NUMBER: \nRELEASE DATE: \n"
            u"SERIAL NUMBER: 0\nLENS: 0 mm");
}

TEST(SystemInfo, OnlyTheNFamilyShowsTheTextFromByte9InTheModelField) {
  const auto info = zor::ParseSystemInfo(Block().version("VER").model("N-20").bytes.data());
  EXPECT_EQ(zor::ModelFieldText(info, Family::N), u"VER");
  EXPECT_EQ(zor::ModelFieldText(info, Family::NK), u"N-20");
  EXPECT_EQ(zor::ModelFieldText(info, Family::NZ), u"N-20");
}

// --- The layout table --------------------------------------------------------

TEST(FamilyLayout, NamesEachControlOnce) {
  std::set<int> ids;
  for (const auto& row : zor::FamilyLayout()) EXPECT_TRUE(ids.insert(row.id).second) << row.id;
}

TEST(FamilyLayout, LeavesAloneWhatNoFamilyMayTouch) {
  // Hidden or template-disabled controls, and those outside the family's reach:
  // the unused aiming fields, delays, test power, Move, Get Info, AIMING, Mrkr Time,
  // the working-time edit, the picture, OK and Cancel.
  const std::vector<int> untouchable{1013, 1014, 1015, 1016, 6,    5,    1037, 1076, 1077,
                                     1005, 1006, 1007, 1008, 1009, 1010, 1075, 1034, 1090,
                                     1091, 1022, 1023, 1074, 1083, 1085, 1097, 1012, 1011,
                                     1035, 1082, 1064, 1072, 1,    2};
  for (const auto& row : zor::FamilyLayout())
    EXPECT_EQ(std::count(untouchable.begin(), untouchable.end(), row.id), 0) << row.id;
}

}  // namespace
}  // namespace zortest
