// What the panel does with the identity read when a system is found: the
// family layout, the picture, the identity fields and the message.
#include "panel/identity.h"

#include <gtest/gtest.h>

#include <map>

#include "resources/family_layout.h"
#include "service/maintenance.h"
#include "tests/support/link_test_util.h"
#include "tests/support/recording_link.h"
#include "tests/support/virtual_pacer.h"

namespace zortest {
namespace {

// Records what the refresh does to the panel and keeps the enabled state of
// every control it touched. Consecutive enables (or disables) share one event:
// "enable 1000 1078 1057".
class RecordingPanel final : public zor::panel::PanelSurface {
 public:
  explicit RecordingPanel(Transcript& transcript) : transcript_(transcript) {}

  std::map<int, bool> enabled;  // controls never touched are absent
  int lensIndex = -1;

  void setControlEnabled(int id, bool on) override {
    enabled[id] = on;
    const std::string verb = on ? "enable" : "disable";
    const auto& events = transcript_.events();
    if (!events.empty() && events.back().rfind(verb + " ", 0) == 0) {
      std::string merged = events.back() + " " + std::to_string(id);
      Transcript rest;
      for (std::size_t i = 0; i + 1 < events.size(); ++i) rest.add(events[i]);
      rest.add(std::move(merged));
      transcript_ = std::move(rest);
    } else {
      transcript_.add(verb + " " + std::to_string(id));
    }
  }
  void setControlText(int id, const std::u16string& text) override {
    transcript_.add("text " + std::to_string(id) + " " + Utf8(text));
  }
  void showFamilyPicture(int bitmapId) override { transcript_.add("picture " + std::to_string(bitmapId)); }
  void setLensIndex(int index) override {
    lensIndex = index;
    transcript_.add("lens index " + std::to_string(index));
  }
  void rewriteBoundFields() override { transcript_.add("rewrite bound fields"); }
  void showMessage(const std::u16string& text) override { transcript_.add(BoxEvent(u"", text)); }

 private:
  Transcript& transcript_;
};

// The family layouts as a RecordingPanel records them, read off the panel's
// table column by column.
inline const std::vector<std::string> kNkLayout{
    "enable 1000 1078 1057 1001 1080 1058 1002 1079 1056 1036 1038 1041 1042 1017 1018 8 7 1086",
    "disable 1040 1094 1092 1093",
    "enable 1095 1096 1087 1088",
    "disable 1089",
};
inline const std::vector<std::string> kNLayout{
    "enable 1000 1078 1057 1001 1080 1058 1002 1079 1056",
    "disable 1036 1038 1041 1042 1017 1018 8 7 1086",
    "enable 1003 1004 4 3",
    "disable 1065",
    "enable 1068 1069 1070 1071",
    "disable 1066 1067 1062 1060",
    "enable 1061 1081",
    "disable 1040 1094 1092 1093",
    "enable 1095 1096 1084",
    "disable 1087 1088 1089",
};
inline const std::vector<std::string> kNzLayout{
    "enable 1000 1078 1057",
    "disable 1001 1080 1058 1002 1079 1056 1036 1041 1042 1017 1018 8 7 1086",
    "enable 1003 1004 4 3 1065 1068 1069 1070 1071 1066 1067 1062 1060 1061 1073 1081 1040 1094 1092 1093",
    "disable 1095 1096",
    "enable 1084 1087 1088 1089",
};

// Pieces of a transcript, one after the other.
inline Transcript Concat(std::initializer_list<std::vector<std::string>> parts) {
  Transcript all;
  for (const auto& part : parts)
    for (const auto& event : part) all.add(event);
  return all;
}

const std::string kUnreadableBox = BoxEvent(u"", zor::service::kIdentityUnreadableMessage);

// The service's host as the panel is: the not-connected box, and the
// identity shown on the recording panel.
class PanelHost final : public zor::service::Host {
 public:
  PanelHost(Transcript& t, RecordingPanel& panel) : t_(t), panel_(panel) {}
  void notConnected() override { t_.add(kNotConnectedBox); }
  void identified(const zor::service::Identity& identity) override { zor::panel::ShowIdentity(identity, panel_); }

 private:
  Transcript& t_;
  RecordingPanel& panel_;
};

class RefreshTest : public ::testing::Test {
 protected:
  Transcript t;
  RecordingLink fake{t};
  VirtualPacer pacer{t};
  RecordingPanel panel{t};
  PanelHost host{t, panel};
  zor::link::DeviceLink link = fake.link();
  zor::service::Maintenance service{link, pacer, host};

  void refreshWith(const Block& block) {
    fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, block.reply());
    service.connect();
  }
};

TEST_F(RefreshTest, NkFamily) {
  refreshWith(Block().serial(12345).version("V2.05").date("07/19/10").model("NK-100A").lens(163));
  EXPECT_EQ(t, Concat({{"find -> 1", "query 142/38 -> 0"},
                       kNkLayout,
                       {"picture 131", "lens index 2", "text 1064 12345", "text 1072 NK-100A", "text 1082 163",
                        "rewrite bound fields",
                        "box [] Connected to marking system\\nSYSTEM NAME : NK-100A\\nVERSION NUMBER: "
                        "V2.05\\nRELEASE DATE: 07/19/10\\nSERIAL NUMBER: 12345\\nLENS: 163 mm"}}));
}

TEST_F(RefreshTest, NFamilyShowsTheTextFromByte9InTheModelField) {
  refreshWith(Block().serial(0xFFFFFFFF).version("N20 V3.1").date("2010").model("N-20").lens(420));
  EXPECT_EQ(t, Concat({{"find -> 1", "query 142/38 -> 0"},
                       kNLayout,
                       {"picture 132", "lens index 5", "text 1064 -1", "text 1072 N20 V3.1", "text 1082 420",
                        "rewrite bound fields",
                        "box [] Connected to marking system\\nSYSTEM NAME : N-20\\nVERSION NUMBER: "
                        "N20 V3.1\\nRELEASE DATE: 2010\\nSERIAL NUMBER: -1\\nLENS: 420 mm"}}));
}

TEST_F(RefreshTest, AllZeroBlockThatWasReadGivesTheNzLayout) {
  refreshWith(Block());
  EXPECT_EQ(t,
            Concat({{"find -> 1", "query 142/38 -> 0"},
                    kNzLayout,
                    {"picture 130", "lens index 0", "text 1064 0", "text 1072 ", "text 1082 0", "rewrite bound fields",
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
  fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, Block().model("NK-1").reply(), 1);
  service.connect();
  EXPECT_EQ(t, (Transcript{"find -> 1", "query 142/38 -> 1", kUnreadableBox}));
}

TEST_F(RefreshTest, MissingStatusEntryPointIsAFailedRead) {
  fake.remove(RecordingLink::Entry::GetStatus);
  link = fake.link();
  service.connect();
  EXPECT_EQ(t, (Transcript{"find -> 1", kUnreadableBox}));
}

TEST_F(RefreshTest, FailedReadAfterAGoodOneKeepsTheEarlierLayout) {
  refreshWith(Block().model("NK-1"));
  const auto before = panel.enabled;
  t.clear();
  fake.setStatusUntouched(zor::protocol::CMD_GET_SYSTEM_INFO, 2);
  service.connect();
  EXPECT_EQ(t, (Transcript{"find -> 1", "query 142/38 -> 2", kUnreadableBox}));
  EXPECT_EQ(panel.enabled, before);
}

TEST_F(RefreshTest, ConnectionWithAnUnreadableIdentityStaysConnected) {
  fake.setStatusUntouched(zor::protocol::CMD_GET_SYSTEM_INFO, 1);
  EXPECT_TRUE(service.showVersion().ok());
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 1", "query 142/38 -> 1", kUnreadableBox, "send F1 00"}));
  EXPECT_TRUE(service.isConnected());
}

// A connection made by the check inside an operation shows the identity
// before the operation's packet goes out.
TEST_F(RefreshTest, ConnectingInsideASendShowsTheIdentityBeforeThePacket) {
  fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, Block().serial(7).model("NZ-9").lens(100).reply());
  EXPECT_TRUE(service.shutter(true).ok());
  EXPECT_EQ(t, Concat({{kNotConnectedBox, "find -> 1", "query 142/38 -> 0"},
                       kNzLayout,
                       {"picture 130", "lens index 1", "text 1064 7", "text 1072 NZ-9", "text 1082 100",
                        "rewrite bound fields",
                        "box [] Connected to marking system\\nSYSTEM NAME : NZ-9\\nVERSION NUMBER: "
                        "\\nRELEASE DATE: \\nSERIAL NUMBER: 7\\nLENS: 100 mm",
                        "send 87 00"}}));
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

const std::vector<int> kNzOnly{1003, 1004, 4,    3,    1068, 1069, 1070, 1071, 1061,
                               1073, 1081, 1084, 1060, 1062, 1066, 1067, 1065};

std::vector<std::pair<int, bool>> All(const std::vector<int>& ids, bool on) {
  std::vector<std::pair<int, bool>> states;
  for (int id : ids) states.emplace_back(id, on);
  return states;
}

INSTANTIATE_TEST_SUITE_P(
    Refresh, RefreshSequence,
    ::testing::Values(SequenceCase{"NkThenNzKeepsGetCurrEnabled", {"NK-1", "NZ-1"}, {{1038, true}}, {}},
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
