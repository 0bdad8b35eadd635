#pragma once
// What the user does inside a sub-dialog run through the scripted prompter:
// real clicks on its buttons, real keys, the window's close box.

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "service/adjustment.h"
#include "tests/support/panel_harness.h"

namespace zortest {

inline zor::platform::Dialog& AsDialog(QDialog& d) { return static_cast<zor::platform::Dialog&>(d); }

inline void Click(QDialog& d, int id) {
  auto* button = AsDialog(d).item<QPushButton>(id);
  if (!button) {
    ADD_FAILURE() << "no button " << id;
    return;
  }
  QTest::mouseClick(button, Qt::LeftButton);
}

// Keys go to the dialog itself, as they do when no other button holds the focus.
inline void Key(QDialog& d, Qt::Key key) { QTest::keyClick(&d, key); }

inline void CloseBox(QDialog& d) { d.close(); }

// One user step inside a dialog, with a name for the failure message.
struct Step {
  std::string name;
  std::function<void(QDialog&)> act;
};

inline Step ClickStep(const char* name, int id) {
  return {name, [id](QDialog& d) { Click(d, id); }};
}
inline Step KeyStep(const char* name, Qt::Key key) {
  return {name, [key](QDialog& d) { Key(d, key); }};
}
inline Step CloseBoxStep() { return {"close box", CloseBox}; }

// The packets and pauses, without the messages and the reconnection between them.
inline std::vector<std::string> Sent(const Transcript& t) {
  std::vector<std::string> sent;
  for (const std::string& e : t.events())
    if (e.starts_with("send") || e.starts_with("wait")) sent.push_back(e);
  return sent;
}

// An adjustment dialog shown on the panel directly, without its opener: for
// what the panel itself never lets happen, such as running it unconnected.
// More arguments of the dialog's (a title) come after the adjustment.
template <class D, class... More>
std::unique_ptr<D> ShowWithoutOpener(PanelHarness& h, zor::service::AdjustmentSession& adjustment, More&&... more) {
  auto dialog = std::make_unique<D>(adjustment, std::forward<More>(more)..., h.prompter, &h.panel());
  dialog->Initialize();
  dialog->show();
  return dialog;
}

}  // namespace zortest
