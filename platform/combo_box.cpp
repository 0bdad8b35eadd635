#include "platform/combo_box.h"

#include <QLineEdit>

namespace platform {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);  // Enter must not add what was typed to the list
  setCompleter(nullptr);                 // typed text is taken as typed
  connect(this, &QComboBox::activated, this, [this](int index) { curSel_ = index; });
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { curSel_ = -1; });
}

void ComboBox::setCurSel(int index) {
  curSel_ = (index >= 0 && index < count()) ? index : -1;
  if (curSel_ >= 0) {
    setCurrentIndex(curSel_);
    setEditText(itemText(curSel_));
  }
}

void ComboBox::setFieldText(const QString& text) { setEditText(text); }

}  // namespace platform
