#include "platform/combo_box.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>

namespace platform {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);  // Enter must not add what was typed to the list
  setCompleter(nullptr);                 // typed text is taken as typed
  connect(this, &QComboBox::activated, this, [this](int index) { curSel_ = index; });
  // Any change of the field that did not come from the list or from code is
  // typing (by hand or by an assistive tool) and clears the selection. Picking
  // an entry changes the text first and then reports the pick.
  connect(this, &QComboBox::editTextChanged, this, [this] {
    if (!settingText_) curSel_ = -1;
  });
  // An entry selected in the closed list (as assistive tools select one) is
  // a pick like any other; the open list reports its own picks.
  connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected) {
            if (view()->isVisible() || selected.indexes().isEmpty()) return;
            const int row = selected.indexes().constFirst().row();
            if (row == curSel_ && currentText() == itemText(row)) return;
            setCurrentIndex(row);
            emit activated(row);
          });
}

void ComboBox::setCurSel(int index) {
  curSel_ = (index >= 0 && index < count()) ? index : -1;
  if (curSel_ >= 0) {
    settingText_ = true;
    setCurrentIndex(curSel_);
    setEditText(itemText(curSel_));
    settingText_ = false;
  }
}

void ComboBox::setFieldText(const QString& text) {
  settingText_ = true;
  setEditText(text);
  settingText_ = false;
}

}  // namespace platform
