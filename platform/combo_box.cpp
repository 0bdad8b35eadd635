#include "platform/combo_box.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>

namespace zor::platform {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  // QComboBox takes a typed text that equals an entry for a pick of that
  // entry once typing ends (Enter, or the focus leaving the field). Typing
  // is typing: this combo's own handlers bracket the field's report, so the
  // pick it causes can be told apart. Slots run in the order they were
  // connected, and the combo connects its own when it takes the field.
  auto* field = new QLineEdit(this);
  connect(field, &QLineEdit::editingFinished, this, [this] { typingFinished_ = true; });
  setLineEdit(field);
  connect(field, &QLineEdit::editingFinished, this, [this] { typingFinished_ = false; });

  setInsertPolicy(QComboBox::NoInsert);  // Enter must not add what was typed to the list
  setCompleter(nullptr);                 // typed text is taken as typed
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (!typingFinished_) curSel_ = index;
  });
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
            if (openingList_ || view()->isVisible() || selected.indexes().isEmpty()) return;
            const int row = selected.indexes().constFirst().row();
            if (row == curSel_ && currentText() == itemText(row)) return;
            setCurrentIndex(row);
            emit activated(row);
          });
}

// The list marks the combo's current entry before it shows; that is no pick,
// and what was typed stays in the field.
void ComboBox::showPopup() {
  openingList_ = true;
  QComboBox::showPopup();
  openingList_ = false;
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

}  // namespace zor::platform
