#include "tests/support/panel_harness.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cstring>

#include "platform/combo_box.h"

namespace zortest {

PanelHarness::PanelHarness() : serviceLog(stateFolder.filePath("service-log.jsonl").toStdString()) {}
PanelHarness::~PanelHarness() = default;

CZORSystemMaintenanceDlg& PanelHarness::start(bool clearTranscript) {
  panel_ =
      std::make_unique<CZORSystemMaintenanceDlg>(CZORSystemMaintenanceDlg::Services{pacer, prompter,
                                                                                    [this](zor::DeviceLink& target) {
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
  std::vector<std::uint8_t> block(38, 0);
  const auto u = static_cast<std::uint32_t>(serial);
  for (int i = 0; i < 4; ++i) block[i] = static_cast<std::uint8_t>(u >> (8 * i));
  std::memcpy(&block[9], version, std::min<std::size_t>(std::strlen(version), 9));
  std::memcpy(&block[18], date, std::min<std::size_t>(std::strlen(date), 8));
  std::memcpy(&block[26], model, std::min<std::size_t>(std::strlen(model), 10));
  block[36] = static_cast<std::uint8_t>(lens);
  block[37] = static_cast<std::uint8_t>(lens >> 8);
  return block;
}

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace zortest
