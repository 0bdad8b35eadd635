// Start-up and the main panel as a whole, driven through its real widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <fstream>

#include "link/load_device_link.h"
#include "platform/combo_box.h"
#include "platform/prompter.h"
#include "platform/up_down.h"
#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "resources/templates.h"
#include "tests/support/panel_harness.h"

namespace zor::panel {

using namespace zor::resources::panel;
using zortest::PanelHarness;
using zortest::Transcript;

namespace {

const std::string kTitle = "[" + zortest::Utf8(platform::applicationTitle().toStdU16String()) + "]";

TEST(MainPanelStartup, ShowsTheIdentityOnceBeforeThePanel) {
  PanelHarness h;
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO,
                   PanelHarness::IdentityBlock("NK-100A", 77, "V2.10", "03/04/11", 420));
  h.start(false);  // the panel is shown only after its start-up, so the box comes first
  EXPECT_EQ(h.transcript, (Transcript{"find -> 1", "query 142/38 -> 0",
                                      "box " + kTitle +
                                          " Connected to marking system\\nSYSTEM NAME : NK-100A\\nVERSION NUMBER: "
                                          "V2.10\\nRELEASE DATE: 03/04/11\\nSERIAL NUMBER: 77\\nLENS: 420 mm"}));
  EXPECT_EQ(h.text(IDC_SERIAL_NUMBER), "77");
  EXPECT_EQ(h.text(IDC_MODEL_NAME), "NK-100A");
  EXPECT_EQ(h.text(IDC_LENS), "420");
  EXPECT_EQ(h.panel().m_nLensIndex, 5);
  EXPECT_TRUE(h.enabled(IDC_GET_CURRENTS));
  EXPECT_FALSE(h.enabled(IDC_CONFIG_IP));
}

TEST(MainPanelStartup, NoControllerMeansNoMessageAndTemplateStates) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start(false);
  EXPECT_EQ(h.transcript, (Transcript{"find -> 0"}));
  EXPECT_TRUE(h.enabled(IDC_CONFIG_IP));
  EXPECT_FALSE(h.enabled(IDC_CTRLR_MODEL));
  EXPECT_FALSE(h.enabled(IDC_AIM_SET));
  EXPECT_FALSE(h.panel().GetDlgItem(IDC_RESET_SERIAL)->isVisible());
}

TEST(MainPanelStartup, MissingLibrarySaysSoAndSendsNothing) {
  PanelHarness h;
  h.libraryPresent = false;
  h.start(false);
  EXPECT_EQ(h.transcript, (Transcript{zortest::PanelBox(zor::link::kNoDeviceLinkMessage)}));
}

TEST(MainPanelStartup, InitialisesFieldsAsTheTemplateAndMembersSay) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  EXPECT_EQ(h.text(IDC_WORKING), "");
  EXPECT_EQ(h.text(IDC_MOVE_X), "0");
  EXPECT_EQ(h.text(IDC_MOVE_Y), "0");
  EXPECT_EQ(h.text(IDC_PULSE), "0");
  EXPECT_EQ(h.text(IDC_LENS), "60");
  EXPECT_TRUE(h.text(IDC_BUILD).startsWith("Build : "));
  EXPECT_EQ(h.text(IDC_BUILD).mid(8), BuildDate());
  auto* lens = h.panel().item<platform::ComboBox>(IDC_LENS);
  EXPECT_EQ(lens->count(), 6);
  EXPECT_EQ(lens->curSel(), 0);
  auto* model = h.panel().item<platform::ComboBox>(IDC_CTRLR_MODEL);
  ASSERT_EQ(model->count(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(model->itemText(i).size(), 6);
  auto* pulse = h.panel().item<platform::UpDown>(IDC_PULSE_SPIN);
  EXPECT_EQ(pulse->lower(), 0);
  EXPECT_EQ(pulse->upper(), 100);
  EXPECT_EQ(h.panel().windowTitle(), "SystemMaintenance (N/NK/NZ-Series)");
}

TEST(MainPanel, OkWithAnOutOfRangeMoveTargetStaysOpen) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  h.type(IDC_MOVE_X, "70000");
  h.press(platform::IDOK);
  EXPECT_EQ(h.transcript, (Transcript{"box " + kTitle + " Please enter an integer between 0 and 65535."}));
  EXPECT_TRUE(h.panel().isVisible());
  h.press(platform::IDCANCEL);
  EXPECT_FALSE(h.panel().isVisible());
  EXPECT_EQ(h.panel().result(), platform::IDCANCEL);
}

TEST(MainPanel, AboutComesFromTheSystemMenu) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  QString aboutText;
  h.prompter.queue([&](QDialog& d) {
    aboutText = static_cast<platform::Dialog&>(d).windowTitle();
    QTest::keyClick(&d, Qt::Key_Return);
    return d.result();
  });
  const auto actions = h.panel().systemMenu()->actions();
  const auto about = std::find_if(actions.begin(), actions.end(),
                                  [](QAction* a) { return a->text() == "&About ZORSystemMaintenance..."; });
  ASSERT_NE(about, actions.end());
  (*about)->trigger();
  QCoreApplication::processEvents();  // the command runs once the trigger has returned
  EXPECT_EQ(h.transcript, (Transcript{"modal About ZORSystemMaintence"}));
  EXPECT_TRUE(h.panel().isVisible());
}

TEST(MainPanel, GetInfoRepeatsDiscoveryAndTheIdentity) {
  PanelHarness h;
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-1"));
  h.start();
  h.link.setFindResults({0});
  h.press(IDC_GET_INFO);
  EXPECT_EQ(h.transcript, (Transcript{"find -> 0"}));
  EXPECT_TRUE(h.panel().IsConnected());
}

TEST(MainPanel, MinimisedIconIsCentredWithIntegerDivision) {
  EXPECT_EQ(CZORSystemMaintenanceDlg::MinimizedIconOrigin({100, 50}, {32, 32}), QPoint(34, 9));
  EXPECT_EQ(CZORSystemMaintenanceDlg::MinimizedIconOrigin({33, 33}, {32, 32}), QPoint(1, 1));
}

TEST(MainPanel, EveryControlHasAnAccessibleNameAndRepeatedCaptionsSayWhatTheyActOn) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  QMap<QString, int> names;
  for (const auto& t : resources::kMainPanelTemplate.controls) {
    if (t.id == platform::IDC_STATIC) continue;
    const QString name = zortest::AccessibleName(h.panel().GetDlgItem(t.id));
    EXPECT_FALSE(name.isEmpty()) << t.id;
    if (t.kind == platform::Kind::Button || t.kind == platform::Kind::Edit) ++names[name];
  }
  for (auto it = names.begin(); it != names.end(); ++it) EXPECT_EQ(it.value(), 1) << it.key().toStdString();
  EXPECT_EQ(h.panel().GetDlgItem(IDC_MIN_CURRENT)->accessibleName(), "Min Current:");
  EXPECT_EQ(zortest::AccessibleName(h.panel().GetDlgItem(IDC_SERIAL_SET)), "Set Serial Number");
}

TEST(MainPanel, AServiceLogThatCannotBeWrittenIsReportedOnceAndTheOperationsGoOn) {
  PanelHarness h;
  std::ofstream(h.serviceLog.parent_path() / "file") << "x";
  h.serviceLog = h.serviceLog.parent_path() / "file" / "service-log.jsonl";
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("N-200"));
  h.start();
  h.press(IDC_SHUTTER_CLOSE);
  h.press(IDC_SHUTTER_CLOSE);
  ASSERT_EQ(h.transcript.events().size(), 3u);
  EXPECT_EQ(h.transcript.events()[0], "send 86 00");
  EXPECT_TRUE(h.transcript.events()[1].starts_with(zortest::PanelBox(u"The service log could not be written: ")))
      << h.transcript;
  EXPECT_EQ(h.transcript.events()[2], "send 86 00");
}

}  // namespace

}  // namespace zor::panel
