#include <gtest/gtest.h>

#include "link/refresh.h"
#include "tests/link/link_test_util.h"
#include "tests/support/fake_link.h"
#include "tests/support/virtual_pacer.h"

namespace zortest {
namespace {

const std::string kUnreadableBox = BoxEvent(u"", zor::kIdentityUnreadableMessage);

class RefreshTest : public ::testing::Test {
 protected:
  Transcript t;
  FakeLink fake{t};
  VirtualPacer pacer{t};
  TestHost host{t};
  zor::DeviceLink link = fake.link();
  zor::CommandChannel channel{link, pacer, host};
  RecordingPanel panel{t};

  void refreshWith(const Block& block) {
    fake.setStatus(zor::CMD_GET_SYSTEM_INFO, block.reply());
    zor::RefreshSystemInfo(channel, panel);
  }
};

TEST_F(RefreshTest, NkFamily) {
  refreshWith(Block().serial(12345).version("V2.05").date("07/19/10").model("NK-100A").lens(163));
  EXPECT_EQ(t, Concat({{"query 142/38 -> 0"},
                       kNkLayout,
                       {"picture 131", "lens index 2", "text 1064 12345", "text 1072 NK-100A",
                        "text 1082 163", "rewrite bound fields",
                        "box [] Connected to marking system\\nSYSTEM NAME : NK-100A\\nVERSION NUMBER: "
                        "V2.05\\nRELEASE DATE: 07/19/10\\nSERIAL NUMBER: 12345\\nLENS: 163 mm"}}));
}

TEST_F(RefreshTest, NFamilyShowsTheTextFromByte9InTheModelField) {
  refreshWith(Block().serial(0xFFFFFFFF).version("N20 V3.1").date("2010").model("N-20").lens(420));
  EXPECT_EQ(t, Concat({{"query 142/38 -> 0"},
                       kNLayout,
                       {"picture 132", "lens index 5", "text 1064 -1", "text 1072 N20 V3.1",
                        "text 1082 420", "rewrite bound fields",
                        "box [] Connected to marking system\\nSYSTEM NAME : N-20\\nVERSION NUMBER: "
                        "N20 V3.1\\nRELEASE DATE: 2010\\nSERIAL NUMBER: -1\\nLENS: 420 mm"}}));
}

TEST_F(RefreshTest, AllZeroBlockThatWasReadGivesTheNzLayout) {
  refreshWith(Block());
  EXPECT_EQ(t, Concat({{"query 142/38 -> 0"},
                       kNzLayout,
                       {"picture 130", "lens index 0", "text 1064 0", "text 1072 ", "text 1082 0",
                        "rewrite bound fields",
                        "box [] Connected to marking system\\nSYSTEM NAME : \\nVERSION NUMBER: "
                        "\\nRELEASE DATE: \\nSERIAL NUMBER: 0\\nLENS: 0 mm"}}));
}

TEST_F(RefreshTest, UnknownLensGoesToTheFirstPresetButIsShownAsRead) {
  refreshWith(Block().model("NZ-1").lens(75));
  EXPECT_EQ(panel.lensIndex, 0);
  EXPECT_EQ(t.events()[t.events().size() - 6], "lens index 0");
  EXPECT_EQ(t.events()[t.events().size() - 3], "text 1082 75");
  EXPECT_NE(t.events().back().find("\\nLENS: 75 mm"), std::string::npos);
}

// --- A failed identity read --------------------------------------------------

TEST_F(RefreshTest, FailedReadIsReportedAndChangesNothing) {
  // Even if the library wrote something before failing, it is not trusted.
  fake.setStatus(zor::CMD_GET_SYSTEM_INFO, Block().model("NK-1").reply(), 1);
  zor::RefreshSystemInfo(channel, panel);
  EXPECT_EQ(t, (Transcript{"query 142/38 -> 1", kUnreadableBox}));
}

TEST_F(RefreshTest, MissingStatusEntryPointIsAFailedRead) {
  fake.remove(FakeLink::Entry::GetStatus);
  link = fake.link();
  zor::RefreshSystemInfo(channel, panel);
  EXPECT_EQ(t, (Transcript{kUnreadableBox}));
}

TEST_F(RefreshTest, FailedReadAfterAGoodOneKeepsTheEarlierLayout) {
  refreshWith(Block().model("NK-1"));
  const auto before = panel.enabled;
  t.clear();
  fake.setStatusUntouched(zor::CMD_GET_SYSTEM_INFO, 2);
  zor::RefreshSystemInfo(channel, panel);
  EXPECT_EQ(t, (Transcript{"query 142/38 -> 2", kUnreadableBox}));
  EXPECT_EQ(panel.enabled, before);
}

TEST_F(RefreshTest, ConnectionWithAnUnreadableIdentityStaysConnected) {
  host.refresh = [&] { zor::RefreshSystemInfo(channel, panel); };
  fake.setStatusUntouched(zor::CMD_GET_SYSTEM_INFO, 1);
  channel.SendCommand(zor::CMD_SHOW_VERSION, 0);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 1", "query 142/38 -> 1", kUnreadableBox, "send F1 00"}));
  EXPECT_TRUE(channel.isConnected());
}

// --- One family after another ------------------------------------------------

struct SequenceCase {
  const char* name;
  std::vector<std::string> models;
  std::vector<std::pair<int, bool>> enabled;  // control, state afterwards
  std::vector<int> untouched;
  friend void PrintTo(const SequenceCase& c, std::ostream* out) { *out << c.name; }
};

class RefreshSequence : public RefreshTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(RefreshSequence, UnchangedRowsKeepTheEarlierFamilysState) {
  for (const auto& model : GetParam().models) refreshWith(Block().model(model));
  for (const auto& [id, on] : GetParam().enabled) {
    ASSERT_TRUE(panel.enabled.contains(id)) << id;
    EXPECT_EQ(panel.enabled.at(id), on) << id;
  }
  for (int id : GetParam().untouched) EXPECT_FALSE(panel.enabled.contains(id)) << id;
}

const std::vector<int> kNzOnly{1003, 1004, 4, 3, 1068, 1069, 1070, 1071, 1061, 1073, 1081,
                               1084, 1060, 1062, 1066, 1067, 1065};

std::vector<std::pair<int, bool>> All(const std::vector<int>& ids, bool on) {
  std::vector<std::pair<int, bool>> states;
  for (int id : ids) states.emplace_back(id, on);
  return states;
}

INSTANTIATE_TEST_SUITE_P(
    Refresh, RefreshSequence,
    ::testing::Values(
        SequenceCase{"NkThenNzKeepsGetCurrEnabled", {"NK-1", "NZ-1"}, {{1038, true}}, {}},
        SequenceCase{"NThenNzKeepsGetCurrDisabled", {"N-1", "NZ-1"}, {{1038, false}}, {}},
        SequenceCase{"NzThenNkKeepsWhatNkDoesNotTouch", {"NZ-1", "NK-1"}, All(kNzOnly, true), {}},
        SequenceCase{"NThenNkKeepsTheNDisables",
                     {"N-1", "NK-1"},
                     {{1065, false}, {1066, false}, {1062, false}, {1003, true}, {1036, true}},
                     {1073}},
        SequenceCase{"NzAloneLeavesGetCurrAlone", {"NZ-1"}, {{1073, true}}, {1038}},
        SequenceCase{"NkAloneLeavesTheNzControlsAlone", {"NK-1"}, {}, kNzOnly}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zortest
