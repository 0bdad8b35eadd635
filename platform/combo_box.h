#pragma once
// A drop-down combo box with an editable text field. It tracks the selected
// list entry the way the handlers expect: picking an entry selects it, typing
// into the field clears the selection, setting the text from code keeps it.
// Opening, scrolling and closing the list pick nothing.

#include <QComboBox>

namespace zor::platform {

class ComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ComboBox(QWidget* parent = nullptr);

  int curSel() const { return curSel_; }  // -1: nothing selected
  void setCurSel(int index);              // selects the entry and shows its text
  QString editText() const { return currentText(); }
  void setFieldText(const QString& text);  // the field only; the selection stays

  void showPopup() override;

 private:
  int curSel_ = -1;
  bool settingText_ = false;
  bool openingList_ = false;     // the list marks the current entry as it opens
  bool typingFinished_ = false;  // the field reports the end of typing
};

}  // namespace zor::platform
