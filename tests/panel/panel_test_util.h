#pragma once
// Shared pieces of the panel command tests: a started panel for a device
// family, the expected events of a text transfer, and the user's part in the
// password prompt.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/password_dialog.h"
#include "panel/main_dialog.h"
#include "platform/prompter.h"
#include "protocol/zor_protocol.h"
#include "tests/support/panel_harness.h"
#include "tests/support/recording_link.h"
#include "tests/support/virtual_pacer.h"

namespace paneltest {

using zortest::PanelHarness;
using zortest::Transcript;

inline const std::string kTitle = "[" + zortest::Utf8(zor::platform::applicationTitle().toStdU16String()) + "]";
inline const std::string kNotConnectedBox = zortest::kNotConnectedPanelBox;

// Model names that pick each family (which decides what is enabled).
inline constexpr const char* kNK = "NK-100";
inline constexpr const char* kN = "N-200";
inline constexpr const char* kNZ = "NZ-300";

// The identity box of a system made from IdentityBlock(model).
inline std::string IdentityBox(const char* model) {
  return "box " + kTitle + " Connected to marking system\\nSYSTEM NAME : " + model +
         "\\nVERSION NUMBER: V1.00\\nRELEASE DATE: 01/02/26\\nSERIAL NUMBER: 1234\\nLENS: 163 mm";
}

// A panel connected to a system of the given model, transcript cleared.
inline zor::panel::CZORSystemMaintenanceDlg& Start(PanelHarness& h, const char* model) {
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(model));
  return h.start();
}

// A panel whose start-up found no system.
inline zor::panel::CZORSystemMaintenanceDlg& StartUnconnected(PanelHarness& h) {
  h.link.setFindResults({0});
  return h.start();
}

inline std::string Send(int code, int value) {
  char event[16];
  std::snprintf(event, sizeof event, "send %02X %02X", code & 0xFF, value & 0xFF);
  return event;
}

// The events of a text transfer: each byte under CMD_TEXT_CHAR and the end of
// text, each followed by 100 ms, then the command that takes the text.
inline std::vector<std::string> TextEvents(int code, const std::string& bytes) {
  std::vector<std::string> events;
  for (unsigned char c : bytes) {
    events.push_back(Send(zor::protocol::CMD_TEXT_CHAR, c));
    events.push_back("wait 100");
  }
  events.push_back(Send(zor::protocol::CMD_TEXT_CHAR, 0));
  events.push_back("wait 100");
  events.push_back(Send(code, 0));
  return events;
}

inline Transcript Events(std::initializer_list<std::vector<std::string>> parts) {
  Transcript t;
  for (const auto& part : parts)
    for (const auto& e : part) t.add(e);
  return t;
}

// How the user leaves the password prompt.
enum class Leave { OkButton, EnterKey, CancelButton, EscKey, CloseBox };

inline zor::platform::Dialog& AsDialog(QDialog& d) { return static_cast<zor::platform::Dialog&>(d); }

// Types text into the prompt's field and leaves it as given; `meanwhile` runs
// while the prompt is still open (to change the panel behind it).
inline zortest::ScriptedPrompter::Script EnterPassword(QString text, Leave leave = Leave::OkButton,
                                                       std::function<void()> meanwhile = {}) {
  return [text = std::move(text), leave, meanwhile = std::move(meanwhile)](QDialog& d) {
    auto& dlg = AsDialog(d);
    auto* edit = dlg.item<QLineEdit>(zor::dialogs::password::IDC_PASSWORD);
    edit->setFocus();
    QTest::keyClicks(edit, text);
    if (meanwhile) meanwhile();
    switch (leave) {
      case Leave::OkButton:
        QTest::mouseClick(dlg.item<QPushButton>(zor::platform::IDOK), Qt::LeftButton);
        break;
      case Leave::EnterKey:
        QTest::keyClick(edit, Qt::Key_Return);
        break;
      case Leave::CancelButton:
        QTest::mouseClick(dlg.item<QPushButton>(zor::platform::IDCANCEL), Qt::LeftButton);
        break;
      case Leave::EscKey:
        QTest::keyClick(&d, Qt::Key_Escape);
        break;
      case Leave::CloseBox:
        d.close();
        break;
    }
    return d.result();
  };
}

inline const QString kPassword = QStringLiteral("KPLVoxen");

// A panel on a prompter that keeps each box's icon, which the scripted
// prompter does not record, and can look at the panel while a box is up.
class IconPanel {
 public:
  struct Box {
    QString text;
    QString title;
    zor::platform::Prompter::Icon icon;
  };

  explicit IconPanel(const char* model) {
    link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(model));
    panel.Initialize();
    prompter.boxes.clear();
    transcript.clear();
  }

  class Recorder final : public zor::platform::Prompter {
   public:
    std::vector<Box> boxes;
    std::function<void()> whileShown;  // runs while a box is up
    void showMessage(QWidget*, const QString& text, const QString& title, Icon icon) override {
      boxes.push_back({text, title, icon});
      if (whileShown) whileShown();
    }
    int runModal(QDialog&) override { return zor::platform::IDCANCEL; }
    QString chooseFile(QWidget*, FileChoice, const QString&, const QString&, const QString&) override { return {}; }
  };

  Transcript transcript;
  zortest::RecordingLink link{transcript};
  zortest::VirtualPacer pacer{transcript};
  Recorder prompter;
  QTemporaryDir stateFolder;  // the service log's
  zor::panel::CZORSystemMaintenanceDlg panel{
      zor::panel::CZORSystemMaintenanceDlg::Services{pacer, prompter,
                                                     [this](zor::link::DeviceLink& target) {
                                                       target = link.link();
                                                       return true;
                                                     },
                                                     stateFolder.filePath("service-log.jsonl").toStdString()}};
};

}  // namespace paneltest
