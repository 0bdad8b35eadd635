#include "tests/support/panel_harness.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cstring>

#include "platform/combo_box.h"
#include "platform/prompter.h"

namespace zortest {

PanelHarness::PanelHarness() : serviceLog(stateFolder.filePath("service-log.jsonl").toStdString()) {}
PanelHarness::~PanelHarness() = default;

zor::panel::CZORSystemMaintenanceDlg& PanelHarness::start(bool clearTranscript) {
  panel_ = std::make_unique<zor::panel::CZORSystemMaintenanceDlg>(
      zor::panel::CZORSystemMaintenanceDlg::Services{pacer, prompter,
                                                     [this](zor::link::DeviceLink& target) {
                                                       if (!libraryPresent) return false;
                                                       target = link.link();
                                                       return true;
                                                     },
                                                     serviceLog});
  panel_->Initialize();
  panel_->show();
  if (clearTranscript) transcript.clear();
  return *panel_;
}

void PanelHarness::press(int id) {
  auto* button = panel_->item<QAbstractButton>(id);
  if (!button) {
    ADD_FAILURE() << "no button " << id;
    return;
  }
  QTest::mouseClick(button, Qt::LeftButton);
}

void PanelHarness::invoke(int id) { panel_->runCommand(id); }

void PanelHarness::type(int id, const QString& text) {
  QWidget* w = panel_->GetDlgItem(id);
  QLineEdit* edit = qobject_cast<QLineEdit*>(w);
  if (auto* combo = qobject_cast<QComboBox*>(w)) edit = combo->lineEdit();
  if (!edit) {
    ADD_FAILURE() << "no field " << id;
    return;
  }
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

void PanelHarness::choose(int id, int index) {
  auto* combo = panel_->item<QComboBox>(id);
  if (!combo) {
    ADD_FAILURE() << "no combo " << id;
    return;
  }
  combo->setCurrentIndex(index);
  emit combo->activated(index);  // what picking from the list sends
}

QString PanelHarness::text(int id) const { return panel_->GetDlgItemText(id); }

bool PanelHarness::enabled(int id) const {
  QWidget* w = panel_->GetDlgItem(id);
  return w && w->isEnabled();
}

std::vector<std::uint8_t> PanelHarness::IdentityBlock(const char* model, std::int32_t serial, const char* version,
                                                      const char* date, std::uint16_t lens) {
  return Block().serial(static_cast<std::uint32_t>(serial)).version(version).date(date).model(model).lens(lens).reply();
}

std::string PanelBox(std::u16string_view text) {
  return BoxEvent(zor::platform::applicationTitle().toStdU16String(), text);
}

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace zortest
