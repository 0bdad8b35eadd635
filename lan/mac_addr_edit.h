#pragma once
// The MAC address field: a line edit that only ever holds (a prefix of)
// "##:##:##:##:##:##". Typing, Backspace, Delete, cut and paste go through the
// mask rules; caret movement, selection and copy stay the line edit's own.

#include <QLineEdit>
#include <array>
#include <cstdint>
#include <string>

#include "mac/mac_mask.h"

class QMenu;

namespace zor::lan {

class MacAddrEdit : public QLineEdit {
  Q_OBJECT

 public:
  // Starts empty, as an edit that a dialog template created; the owner puts
  // the text in (setDefaultText() for "00:00:00:00:00:00").
  explicit MacAddrEdit(QWidget* parent = nullptr);
  ~MacAddrEdit() override;

  void setDefaultText();

  // Up to six bytes parsed from the text; bytes the text does not reach keep
  // the values in out. Selects the whole text.
  void GetMACAddress(std::array<std::uint8_t, 6>& out);

  // The edit's cut, clear and paste under the mask. Cut puts the selected
  // text on the clipboard first; Clear does not touch the clipboard.
  // (QLineEdit::cut()/paste() bypass the mask: do not call them.)
  void Cut();
  void Clear();
  void Paste();

  // The context menu: Cut, Copy, Paste, Delete and Select All, the editing
  // ones routed through the mask. No Undo/Redo: the history could bring back
  // text the rules never produced. The caller owns the menu.
  QMenu* createMaskContextMenu(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  mac::EditState currentState() const;
  void applyResult(const mac::EditResult& r);
  void typeChar(char16_t c);

  std::u16string m_strMask;
  std::array<std::uint32_t, 16> m_arrValidChars;
};

}  // namespace zor::lan
