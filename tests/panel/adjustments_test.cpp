// The openers of the guided adjustments: no dialog without a system, and a
// system found by the begin command's own connection check still gets one.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "tests/support/panel_harness.h"

namespace zor::panel {

using zortest::PanelHarness;
using zortest::Transcript;

namespace {

const std::string kNotConnected = zortest::kNotConnectedPanelBox;

TEST(Adjustments, NoConnectionMeansNoDialog) {
  for (const int button : {resources::panel::IDC_AIMING_ALIGNMENT, resources::panel::IDC_ADJUST_DISTORTION}) {
    PanelHarness h;
    h.link.setFindResults({0});
    h.start();
    h.press(button);
    EXPECT_EQ(h.transcript, (Transcript{kNotConnected, "find -> 0"})) << button;
  }
}

TEST(Adjustments, ConnectingDuringTheBeginCommandStillOpensTheDialog) {
  PanelHarness h;
  h.link.setFindResults({0, 1});
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-100"));
  h.start();
  h.prompter.queue([](QDialog& d) {
    QTest::mouseClick(static_cast<platform::Dialog&>(d).item<QPushButton>(platform::IDOK), Qt::LeftButton);
    return d.result();
  });
  h.press(resources::panel::IDC_ADJUST_DISTORTION);
  const auto& events = h.transcript.events();
  ASSERT_EQ(events.size(), 7u) << h.transcript;
  EXPECT_EQ(events[0], kNotConnected);
  EXPECT_EQ(events[1], "find -> 1");
  EXPECT_EQ(std::vector<std::string>(events.begin() + 4, events.end()),
            (std::vector<std::string>{"send 03 00", "modal Distortion Correction", "send 08 00"}));
}

}  // namespace

}  // namespace zor::panel
