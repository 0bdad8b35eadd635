// The panel when three systems answer: the chooser at start-up and at Get
// Info, then the panel on the system picked; never a chooser inside an
// operation.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <cstdlib>

#include "resources/resource.h"
#include "tests/support/panel_harness.h"

namespace zor::panel {

using namespace zor::resources::panel;
using zortest::PanelHarness;
using zortest::Transcript;

namespace {

const std::string kConnected =
    "box [ZORSystemMaintenance] Connected to marking system\\nSYSTEM NAME : NZ-SIM\\nVERSION NUMBER: "
    "V1.00\\nRELEASE DATE: 01/02/26\\nSERIAL NUMBER: 1234\\nLENS: 163 mm";

// Presses the keys in the chooser; records the row preselected.
zortest::ScriptedPrompter::Script Keys(std::vector<Qt::Key> keys, int* preselected = nullptr) {
  return [keys, preselected](QDialog& dialog) {
    auto* list = dialog.findChild<QListWidget*>();
    if (preselected) *preselected = list->currentRow();
    for (Qt::Key key : keys) QTest::keyClick(list, key);
    return dialog.result();
  };
}

class SeveralSystems : public ::testing::Test {
 protected:
  PanelHarness h;
  void SetUp() override {
    ::unsetenv("ZORCOMM_SYSTEM");
    h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-SIM"));
    h.link.setSystems({{100001, "NZ-SIM", {192, 168, 1, 10}},
                       {100002, "NZ-SIM", {192, 168, 1, 11}},
                       {100003, "NZ-SIM", {192, 168, 1, 12}}});
  }
  void TearDown() override { ::unsetenv("ZORCOMM_SYSTEM"); }
};

TEST_F(SeveralSystems, TheChooserAtStartUpThenThePanelWorksWithThePick) {
  int preselected = -1;
  h.prompter.queue(Keys({Qt::Key_Down, Qt::Key_Return}, &preselected));
  h.start(false);
  EXPECT_EQ(preselected, 0);
  EXPECT_EQ(h.transcript, (Transcript{"find (ZORCOMM_SYSTEM unset) -> 1", "modal Select System",
                                      "find (ZORCOMM_SYSTEM=100002) -> 1", "query 142/38 -> 0", kConnected}));
  h.transcript.clear();
  h.press(IDC_SHOW_VERSION);
  EXPECT_EQ(h.transcript, (Transcript{"send F1 00"}));
  EXPECT_STREQ(std::getenv("ZORCOMM_SYSTEM"), "100002");
}

TEST_F(SeveralSystems, GetInfoOffersTheChooserOnTheCurrentOneAndEscapeLeavesThePanelNotConnected) {
  h.prompter.queue(Keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}));
  h.start();
  int preselected = -1;
  h.prompter.queue(Keys({Qt::Key_Escape}, &preselected));
  h.press(IDC_GET_INFO);
  EXPECT_EQ(preselected, 2);
  EXPECT_EQ(h.transcript, (Transcript{"find (ZORCOMM_SYSTEM=100003) -> 1", "modal Select System"}));
  EXPECT_FALSE(h.panel().IsConnected());

  // The next operation's connection check keeps the system addressed: no chooser.
  h.transcript.clear();
  h.press(IDC_SHOW_VERSION);
  EXPECT_EQ(h.transcript,
            (Transcript{"box [ZORSystemMaintenance] USB is not connected.  Please to to connect before continuing.",
                        "find (ZORCOMM_SYSTEM=100003) -> 1", "query 142/38 -> 0", kConnected, "send F1 00"}));
}

}  // namespace

}  // namespace zor::panel
