#include "lan/mac_addr_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace zor::lan {
namespace {

// Keys that only move the caret or the selection, or belong to the dialog
// (focus, default button, Escape): the line edit's own handling is safe.
bool isNavigationKey(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      return true;
    default:
      return e->matches(QKeySequence::SelectAll);
  }
}

constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// Ctrl as this very key event reports it (Shift may come along, Alt and Meta
// may not): a Ctrl pressed or released while another window or control had
// the focus counts exactly as it is held now.
bool withCtrl(const QKeyEvent* e) { return (e->modifiers() & kCommandModifiers) == Qt::ControlModifier; }

}  // namespace

MacAddrEdit::MacAddrEdit(QWidget* parent)
    : QLineEdit(parent), m_strMask(mac::kMask), m_arrValidChars(mac::validChars()) {
  setAccessibleName(tr("MAC Address"));
  // Text only ever enters through the rules: no drops, no dragging a
  // selection away (a move drag would delete it), no input-method composing.
  setAcceptDrops(false);
  setDragEnabled(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  // Text that arrives around the rules (an assistive tool setting the field,
  // a caller's setText) is fitted to the mask the way a paste over an empty
  // field is, so the field never holds what the rules could not produce.
  connect(this, &QLineEdit::textChanged, this, [this](const QString& changed) {
    const std::u16string t = changed.toStdU16String();
    if (mac::isMaskPrefix(t)) return;
    const mac::EditResult fitted = mac::applyPaste({}, t);
    setText(QString::fromStdU16String(fitted.state.text));
  });
}

MacAddrEdit::~MacAddrEdit() = default;

void MacAddrEdit::setDefaultText() { setText(QString::fromStdU16String(std::u16string(mac::kDefaultText))); }

void MacAddrEdit::GetMACAddress(std::array<std::uint8_t, 6>& out) {
  const std::u16string t = text().toStdU16String();
  selectAll();
  mac::parseMacAddress(t, out);
}

mac::EditState MacAddrEdit::currentState() const {
  mac::EditState s;
  s.text = text().toStdU16String();
  if (hasSelectedText()) {
    s.start = static_cast<std::size_t>(selectionStart());
    s.end = static_cast<std::size_t>(selectionEnd());
  } else {
    s.start = s.end = static_cast<std::size_t>(cursorPosition());
  }
  return s;
}

void MacAddrEdit::applyResult(const mac::EditResult& r) {
  if (!r.changed || isReadOnly()) return;
  const QString t = QString::fromStdU16String(r.state.text);
  if (t != text()) setText(t);
  if (r.state.start == r.state.end) {
    setCursorPosition(static_cast<int>(r.state.start));
  } else {
    setSelection(static_cast<int>(r.state.start), static_cast<int>(r.state.end - r.state.start));
  }
}

void MacAddrEdit::typeChar(char16_t c) { applyResult(mac::applyTypedChar(currentState(), c)); }

// As in any editor, the selected text goes to the clipboard before it is
// cleared; Clear (the Delete key) leaves the clipboard alone.
void MacAddrEdit::Cut() {
  if (hasSelectedText() && !isReadOnly()) copy();
  applyResult(mac::applyClear(currentState()));
}

void MacAddrEdit::Clear() { applyResult(mac::applyClear(currentState())); }

void MacAddrEdit::Paste() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  if (data == nullptr || !data->hasText()) return;
  applyResult(mac::applyPaste(currentState(), data->text().toStdU16String()));
}

bool MacAddrEdit::event(QEvent* e) {
  // Claim the editing keys before any shortcut (the application's or the
  // line edit's own) can act on them; keyPressEvent decides what they do.
  if (e->type() == QEvent::ShortcutOverride) {
    const auto* ke = static_cast<QKeyEvent*>(e);
    switch (ke->key()) {
      case Qt::Key_Insert:
      case Qt::Key_Delete:
      case Qt::Key_Backspace:
        e->accept();
        return true;
      case Qt::Key_X:
      case Qt::Key_C:
      case Qt::Key_V:
        if (withCtrl(ke)) {
          e->accept();
          return true;
        }
        break;
      default:
        break;
    }
  }
  return QLineEdit::event(e);
}

void MacAddrEdit::keyPressEvent(QKeyEvent* e) {
  const Qt::KeyboardModifiers mods = e->modifiers();
  bool actedOnKey = false;
  switch (e->key()) {
    case Qt::Key_Insert:  // with Shift or Ctrl it would paste or copy: neither here
      e->accept();
      return;
    case Qt::Key_Delete:  // with or without Ctrl or Shift; never a cut
      Clear();
      e->accept();
      return;
    case Qt::Key_Backspace:
      // Ctrl+Backspace types DEL, which the mask refuses.
      if (!(mods & kCommandModifiers)) typeChar(u'\b');
      e->accept();
      return;
    case Qt::Key_X:
      if (withCtrl(e)) {
        Cut();
        actedOnKey = true;
      }
      break;
    case Qt::Key_C:
      if (withCtrl(e)) {
        copy();
        actedOnKey = true;
      }
      break;
    case Qt::Key_V:
      if (withCtrl(e)) {
        Paste();
        actedOnKey = true;
      }
      break;
    default:
      break;
  }

  if (!actedOnKey && isNavigationKey(e)) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  // The key's character, if it has one, is typed through the mask. With Ctrl
  // it would be a control character, with Alt a mnemonic for the dialog.
  const QString chars = e->text();
  if ((mods & kCommandModifiers) || chars.isEmpty()) {
    if (actedOnKey) {
      e->accept();
    } else {
      e->ignore();
    }
    return;
  }
  for (const QChar ch : chars) typeChar(ch.unicode());
  e->accept();
}

void MacAddrEdit::inputMethodEvent(QInputMethodEvent* e) {
  // Composing is off; should a commit still arrive, it is typed like keys.
  for (const QChar ch : e->commitString()) typeChar(ch.unicode());
  e->accept();
}

void MacAddrEdit::mouseReleaseEvent(QMouseEvent* e) {
  // The middle button would paste the X11 selection past the mask.
  if (e->button() == Qt::MiddleButton) {
    e->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

QMenu* MacAddrEdit::createMaskContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  const bool editable = !isReadOnly();
  const bool selected = hasSelectedText();

  QAction* a = menu->addAction(tr("Cu&t"), this, &MacAddrEdit::Cut);
  a->setObjectName(QStringLiteral("edit-cut"));
  a->setEnabled(editable && selected);

  a = menu->addAction(tr("&Copy"), this, &QLineEdit::copy);
  a->setObjectName(QStringLiteral("edit-copy"));
  a->setEnabled(selected && echoMode() == QLineEdit::Normal);

  a = menu->addAction(tr("&Paste"), this, &MacAddrEdit::Paste);
  a->setObjectName(QStringLiteral("edit-paste"));
  const QMimeData* clip = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  a->setEnabled(editable && clip != nullptr && clip->hasText() && !clip->text().isEmpty());

  a = menu->addAction(tr("Delete"), this, &MacAddrEdit::Clear);
  a->setObjectName(QStringLiteral("edit-delete"));
  a->setEnabled(editable && selected);

  menu->addSeparator();
  a = menu->addAction(tr("Select All"), this, &QLineEdit::selectAll);
  a->setObjectName(QStringLiteral("select-all"));
  a->setEnabled(!text().isEmpty() && selectedText().size() != text().size());
  return menu;
}

void MacAddrEdit::contextMenuEvent(QContextMenuEvent* e) {
  QMenu* menu = createMaskContextMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(e->globalPos());
  e->accept();
}

QSize MacAddrEdit::sizeHint() const {
  // Wide enough for a full address in the widest hex digits, plus the frame.
  ensurePolished();
  const QFontMetrics fm(font());
  const QSize base = QLineEdit::sizeHint();
  QStyleOptionFrame opt;
  initStyleOption(&opt);
  const int textWidth = fm.horizontalAdvance(QStringLiteral("DD:DD:DD:DD:DD:DDW")) + 2 * 2;
  const QSize content(textWidth, fm.height());
  const QSize framed = style()->sizeFromContents(QStyle::CT_LineEdit, &opt, content, this);
  return {framed.width(), base.height()};
}

QSize MacAddrEdit::minimumSizeHint() const { return QLineEdit::minimumSizeHint(); }

}  // namespace zor::lan
