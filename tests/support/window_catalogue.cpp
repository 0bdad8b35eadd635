#include "tests/support/window_catalogue.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "dialogs/calibrate_field_dialog.h"
#include "dialogs/password_dialog.h"
#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "tests/support/panel_harness.h"
#include "tests/support/snapshot_files.h"

namespace zortest {
namespace {

using Look = std::function<void(QWidget&)>;

// Model names that pick each device family.
constexpr const char* kNK = "NK-100A";
constexpr const char* kN = "N-20";
constexpr const char* kNZ = "NZ-SIM";

zor::panel::CZORSystemMaintenanceDlg& StartConnected(PanelHarness& h, const char* model) {
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(model));
  return h.start();
}

// The next modal run: look at it, then leave it with Esc.
ScriptedPrompter::Script LookThenLeave(const Look& look) {
  return [look](QDialog& d) {
    look(d);
    QTest::keyClick(&d, Qt::Key_Escape);
    return d.result();
  };
}

// The service password typed and confirmed, so the operation goes on.
ScriptedPrompter::Script GivePassword() {
  return [](QDialog& d) {
    auto* field = static_cast<zor::platform::Dialog&>(d).item<QLineEdit>(zor::dialogs::password::IDC_PASSWORD);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("KPLVoxen"));
    QTest::keyClick(field, Qt::Key_Return);
    return d.result();
  };
}

void Panel(PanelHarness& h, const char* model, const Look& look) { look(StartConnected(h, model)); }

// Chooses the window menu's item of a command, in whatever language it reads.
void MenuItem(PanelHarness& h, int command) {
  for (QAction* action : h.panel().systemMenu()->actions()) {
    if (action->data() == QVariant(command)) {
      action->trigger();
      QCoreApplication::processEvents();  // the command runs once the trigger has returned
      return;
    }
  }
  ADD_FAILURE() << "no window-menu item of command " << command;
}

// A dialog behind a panel button, on the panel of the family that enables it.
void DialogBehind(PanelHarness& h, const char* model, int button, ScriptedPrompter::Script script) {
  StartConnected(h, model);
  h.prompter.queue(std::move(script));
  h.press(button);
}

const WindowEntry kWindows[] = {
    {"panel-unconnected",
     [](PanelHarness& h, const Look& look) {
       h.link.setFindResults({0});
       look(h.start());
     }},
    {"panel-NK", [](PanelHarness& h, const Look& look) { Panel(h, kNK, look); }},
    {"panel-N", [](PanelHarness& h, const Look& look) { Panel(h, kN, look); }},
    {"panel-NZ", [](PanelHarness& h, const Look& look) { Panel(h, kNZ, look); }},
    {"about",
     [](PanelHarness& h, const Look& look) {
       StartConnected(h, kNZ);
       h.prompter.queue(LookThenLeave(look));
       MenuItem(h, zor::resources::IDM_ABOUTBOX);
     }},
    {"password",
     [](PanelHarness& h, const Look& look) {
       DialogBehind(h, kNZ, zor::resources::panel::IDC_MODEL_SET, LookThenLeave(look));
     }},
    {"working-time",
     [](PanelHarness& h, const Look& look) {
       h.prompter.queue(GivePassword());
       DialogBehind(h, kNZ, zor::resources::panel::IDC_INIT_WORK_TIME, LookThenLeave(look));
     }},
    {"aiming-alignment-1",
     [](PanelHarness& h, const Look& look) {
       DialogBehind(h, kNZ, zor::resources::panel::IDC_AIMING_ALIGNMENT, LookThenLeave(look));
     }},
    {"aiming-alignment-2",
     [](PanelHarness& h, const Look& look) {
       DialogBehind(h, kNZ, zor::resources::panel::IDC_AIMING_ALIGNMENT, [look](QDialog& d) {
         QTest::keyClick(&d, Qt::Key_Return);  // Next, the default button
         return LookThenLeave(look)(d);
       });
     }},
    {"jog-distortion",
     [](PanelHarness& h, const Look& look) {
       DialogBehind(h, kNZ, zor::resources::panel::IDC_ADJUST_DISTORTION, LookThenLeave(look));
     }},
    {"jog-centering",
     [](PanelHarness& h, const Look& look) {
       DialogBehind(h, kNK, zor::resources::panel::IDC_ADJUST_CENTER, LookThenLeave(look));
     }},
    {"config-lan",
     [](PanelHarness& h, const Look& look) {
       DialogBehind(h, kNZ, zor::resources::panel::IDC_CONFIG_IP, LookThenLeave(look));
     }},
    {"compare-restore",
     [](PanelHarness& h, const Look& look) {
       StartConnected(h, kNZ);
       h.prompter.queueFile(WriteSnapshotFile(4711));
       h.prompter.queue(LookThenLeave(look));
       MenuItem(h, zor::resources::IDM_RESTORE);
     }},
    {"calibrate-field",
     [](PanelHarness& h, const Look& look) {
       // After one round, so the corrections and the rounds list are filled in.
       h.link.setStatus(zor::protocol::CMD_GET_XY_SCALE, {0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3F});
       h.link.setStatus(zor::protocol::CMD_GET_XY_DISTORTION, {0x00, 0x80, 0x00, 0x80});
       StartConnected(h, kNZ);
       h.prompter.queue([look](QDialog& d) {
         auto& dialog = static_cast<zor::platform::Dialog&>(d);
         const std::pair<int, const char*> sizes[] = {{zor::dialogs::calibrate::IDC_WIDTH, "55.31"},
                                                      {zor::dialogs::calibrate::IDC_HEIGHT, "54.87"},
                                                      {zor::dialogs::calibrate::IDC_TOP, "55.40"},
                                                      {zor::dialogs::calibrate::IDC_LEFT, "54.95"}};
         for (const auto& [id, text] : sizes) QTest::keyClicks(dialog.item<QLineEdit>(id), QString::fromLatin1(text));
         dialog.runCommand(zor::dialogs::calibrate::IDC_APPLY);
         return LookThenLeave(look)(d);
       });
       MenuItem(h, zor::resources::IDM_CALIBRATE);
     }},
    {"select-system",
     [](PanelHarness& h, const Look& look) {
       h.link.setSystems({{100001, "NZ-SIM", {192, 168, 1, 10}}, {100002, "NK-100A", {192, 168, 1, 11}}});
       h.prompter.queue(LookThenLeave(look));
       h.start();
     }},
};

}  // namespace

std::span<const WindowEntry> WindowCatalogue() { return kWindows; }

}  // namespace zortest
