// MacAddrEdit driven through real key, mouse and context-menu events, with
// the real clipboard of the offscreen platform.
#include "lan/mac_addr_edit.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "tests/support/marked_state.h"

namespace zor::lan {
namespace {

using mac::testing::show;
using mac::testing::st;

constexpr auto kSentinel = "clipboard before";

class MacEditTest : public ::testing::Test {
 public:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    edit = new MacAddrEdit(&window);
    other = new QLineEdit(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QApplication::processEvents();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(kSentinel));
  }

  void setState(std::u16string_view marked) {
    const mac::EditState s = st(marked);
    edit->setText(QString::fromStdU16String(s.text));
    if (s.start == s.end) {
      edit->setCursorPosition(static_cast<int>(s.start));
    } else {
      edit->setSelection(static_cast<int>(s.start), static_cast<int>(s.end - s.start));
    }
  }

  std::string state() const {
    mac::EditState s;
    s.text = edit->text().toStdU16String();
    if (edit->hasSelectedText()) {
      s.start = static_cast<std::size_t>(edit->selectionStart());
      s.end = static_cast<std::size_t>(edit->selectionEnd());
    } else {
      s.start = s.end = static_cast<std::size_t>(edit->cursorPosition());
    }
    return show(s);
  }

  // Single key events, exactly as given. (QTest::keyClick with a modifier
  // would also press and release the modifier key on the same widget, which
  // hides what the Ctrl flag does.) Each press first offers the key to the
  // shortcut system, as real input does.
  static void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text = {}) {
    QTest::simulateEvent(w, true, key, mods, text, false);
  }
  static void release(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text = {}) {
    QTest::simulateEvent(w, false, key, mods, text, false);
  }
  // A letter with Ctrl held: the control character a keyboard sends with it.
  static QString ctrlText(Qt::Key key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key - Qt::Key_A + 1)) : QString();
  }
  static void withCtrl(QWidget* w, Qt::Key key) {
    press(w, key, Qt::ControlModifier, ctrlText(key));
    release(w, key, Qt::ControlModifier, ctrlText(key));
  }
  // Ctrl pressed in this control, the key, Ctrl released.
  static void ctrlChord(QWidget* w, Qt::Key key) {
    press(w, Qt::Key_Control, Qt::ControlModifier);
    withCtrl(w, key);
    release(w, Qt::Key_Control, Qt::NoModifier);
  }

  static QString clipboardText() { return QGuiApplication::clipboard()->text(); }

  QWidget window;
  MacAddrEdit* edit = nullptr;
  QLineEdit* other = nullptr;
};

// --- keystrokes, table-driven -----------------------------------------------

struct KeyCase {
  const char* name;
  std::u16string_view before;
  std::function<void(MacEditTest&)> keys;
  std::u16string_view after;
};

class MacEditKeys : public MacEditTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MacEditKeys, EditsFollowTheMask) {
  const KeyCase& c = GetParam();
  setState(c.before);
  QSignalSpy changes(edit, &QLineEdit::textChanged);
  const bool expectTextChange = st(c.before).text != st(c.after).text;
  c.keys(*this);
  EXPECT_EQ(state(), show(st(c.after)));
  // An ignored keystroke must not rewrite the text at all.
  if (!expectTextChange) {
    EXPECT_EQ(changes.count(), 0);
  }
  EXPECT_EQ(clipboardText(), QString::fromLatin1(kSentinel)) << "the clipboard is only read";
}

#define KEYS(body) [](MacEditTest& t) { body; }

INSTANTIATE_TEST_SUITE_P(
    Gui, MacEditKeys,
    ::testing::Values(
        KeyCase{"TypeAtStart", u"|00:00:00:00:00:00", KEYS(QTest::keyClick(t.edit, '1')), u"1|0:00:00:00:00:00"},
        KeyCase{"TypeAtEndOfFullText", u"00:00:00:00:00:00|", KEYS(QTest::keyClick(t.edit, '1')),
                u"00:00:00:00:00:00|"},
        KeyCase{"TypeBeforeColon", u"00|:00:00:00:00:00", KEYS(QTest::keyClick(t.edit, '5')), u"00:5|0:00:00:00:00"},
        KeyCase{"ColonStepsOver", u"00|:00:00:00:00:00", KEYS(QTest::keyClick(t.edit, ':')), u"00:|00:00:00:00:00"},
        KeyCase{"InvalidKeysKeepSelection", u"[00]:00:00:00:00:00", KEYS(QTest::keyClicks(t.edit, ":#Gg -z")),
                u"[00]:00:00:00:00:00"},
        KeyCase{"ShiftLetters", u"|00:00", KEYS(QTest::keyClick(t.edit, Qt::Key_C, Qt::ShiftModifier)), u"C|0:00"},
        KeyCase{"KeypadDigit", u"|00:00", KEYS(QTest::keyClick(t.edit, Qt::Key_7, Qt::KeypadModifier)), u"7|0:00"},
        KeyCase{"BackspaceAtEnd", u"00:11|", KEYS(QTest::keyClick(t.edit, Qt::Key_Backspace)), u"00:1|"},
        KeyCase {
          "BackspaceInsideTwice", u"11:2|2:33:44:55:66",
              KEYS(QTest::keyClick(t.edit, Qt::Key_Backspace); QTest::keyClick(t.edit, Qt::Key_Backspace)),
              u"11|:02:33:44:55:66"
        },
        KeyCase{"ShiftBackspace", u"00:11|", KEYS(QTest::keyClick(t.edit, Qt::Key_Backspace, Qt::ShiftModifier)),
                u"00:1|"},
        KeyCase{"CtrlBackspaceDoesNotDeleteAWord", u"00:11|", KEYS(t.ctrlChord(t.edit, Qt::Key_Backspace)), u"00:11|"},
        KeyCase {
          "SelectAllBackspace", u"11:22:33:44:55:66|",
              KEYS(t.ctrlChord(t.edit, Qt::Key_A); QTest::keyClick(t.edit, Qt::Key_Backspace)), u"|"
        },
        KeyCase {
          "SelectAllDelete", u"11:22:33:44:55:66|",
              KEYS(t.ctrlChord(t.edit, Qt::Key_A); QTest::keyClick(t.edit, Qt::Key_Delete)), u"|"
        },
        KeyCase{"DeleteInside", u"11:[22:33]:44:55:66", KEYS(QTest::keyClick(t.edit, Qt::Key_Delete)),
                u"11:[00:00]:44:55:66"},
        KeyCase{"ShiftDeleteIsNoCut", u"11:[22:33]:44:55:66",
                KEYS(QTest::keyClick(t.edit, Qt::Key_Delete, Qt::ShiftModifier)), u"11:[00:00]:44:55:66"},
        KeyCase{"CtrlDeleteIsNoWordDelete", u"11:[22:33]:44:55:66", KEYS(t.ctrlChord(t.edit, Qt::Key_Delete)),
                u"11:[00:00]:44:55:66"},
        KeyCase{"BackspaceOnInnerSelection", u"11:[22:33]:44:55:66", KEYS(QTest::keyClick(t.edit, Qt::Key_Backspace)),
                u"11:|00:00:44:55:66"},
        KeyCase{"DeleteWithoutSelection", u"11:2|2:33", KEYS(QTest::keyClick(t.edit, Qt::Key_Delete)), u"11:2|2:33"},
        KeyCase{"CtrlXWithoutSelection", u"11:2|2:33", KEYS(t.ctrlChord(t.edit, Qt::Key_X)), u"11:2|2:33"},
        KeyCase{"InsertAlone", u"11:[22]:33", KEYS(QTest::keyClick(t.edit, Qt::Key_Insert)), u"11:[22]:33"},
        KeyCase{"ShiftInsertDoesNotPaste", u"11:[22]:33",
                KEYS(QTest::keyClick(t.edit, Qt::Key_Insert, Qt::ShiftModifier)), u"11:[22]:33"},
        KeyCase{"CtrlInsertDoesNotCopy", u"11:[22]:33", KEYS(t.ctrlChord(t.edit, Qt::Key_Insert)), u"11:[22]:33"},
        KeyCase {
          "CtrlZDoesNotUndo", u"|00:00", KEYS(QTest::keyClicks(t.edit, "12"); t.ctrlChord(t.edit, Qt::Key_Z)), u"12|:00"
        },
        KeyCase{"CtrlKDoesNotKillLine", u"1|2:34", KEYS(t.ctrlChord(t.edit, Qt::Key_K)), u"1|2:34"},
        KeyCase{"CtrlUDoesNotKillLine", u"12:3|4", KEYS(t.ctrlChord(t.edit, Qt::Key_U)), u"12:3|4"},
        KeyCase{"AltLetterIsAMnemonic", u"|00:00", KEYS(QTest::keyClick(t.edit, Qt::Key_A, Qt::AltModifier)),
                u"|00:00"},
        KeyCase {
          "ArrowsAndShiftSelect", u"00:11:22|",
              KEYS(QTest::keyClick(t.edit, Qt::Key_Home); QTest::keyClick(t.edit, Qt::Key_Right);
                   QTest::keyClick(t.edit, Qt::Key_Right, Qt::ShiftModifier);
                   QTest::keyClick(t.edit, Qt::Key_Right, Qt::ShiftModifier)),
              u"0[0:]11:22"
        },
        KeyCase {
          "EndThenType", u"|00:1", KEYS(QTest::keyClick(t.edit, Qt::Key_End); QTest::keyClick(t.edit, 'e')), u"00:1E|"
        }),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(MacEditTest, TypingIntoAnEmptyFieldPutsInTheColons) {
  QTest::keyClicks(edit, "0a1b2c3d4e5f");
  EXPECT_EQ(state(), "0A:1B:2C:3D:4E:5F|");
}

TEST_F(MacEditTest, TextSetAroundTheRulesIsFittedToTheMask) {
  const std::pair<const char*, const char*> cases[] = {
      {"0a:1b:2c:3d:4e:5f", "0A:1B:2C:3D:4E:5F"},  // what an assistive tool may set
      {"00-1a-2b", "00:1A:2B"},
      {"001a2b3c4d5e", "00:1A:2B:3C:4D:5E"},  // a whole address in another notation
      {"zz:11", "00:11"},
      {"00:11:22:33:44:55:66", "00:11:22:33:44:55"},
      {"00:11:2", "00:11:2"},  // already a prefix of the mask: left as it is
  };
  for (const auto& [in, out] : cases) {
    edit->setText(in);
    EXPECT_EQ(edit->text(), out) << in;
  }
}

// --- the Ctrl flag ----------------------------------------------------------

TEST_F(MacEditTest, CtrlXPutsTheSelectionOnTheClipboardThenClearsIt) {
  setState(u"11:[22:3]3");
  ctrlChord(edit, Qt::Key_X);
  EXPECT_EQ(clipboardText(), QStringLiteral("22:3"));
  EXPECT_EQ(state(), "11:[00:0]3");
}

TEST_F(MacEditTest, CtrlCCopiesTheSelectionUnchanged) {
  setState(u"11:[22:3]3");
  ctrlChord(edit, Qt::Key_C);
  EXPECT_EQ(clipboardText(), QStringLiteral("22:3"));
  EXPECT_EQ(state(), "11:[22:3]3");
}

TEST_F(MacEditTest, CtrlVPastesThroughTheMask) {
  setState(u"[00:00:00:00:00:00]");
  QGuiApplication::clipboard()->setText(QStringLiteral("aa-bb-cc-dd-ee-ff"));
  ctrlChord(edit, Qt::Key_V);
  EXPECT_EQ(state(), "[AA:BB:CC:DD:EE:FF]");
}

TEST_F(MacEditTest, CaretPasteLeavesTheCaretAfterWhatWasWritten) {
  const struct {
    std::u16string_view before;
    const char* clip;
    std::u16string_view after;
  } cases[] = {
      {u"00:|", "11:22", u"00:11:22|"},
      {u"00:|", "1122", u"00:11:2|"},
      {u"00:00:00:00:00:00|", "11", u"00:00:00:00:00:00|"},
  };
  for (const auto& c : cases) {
    setState(c.before);
    QGuiApplication::clipboard()->setText(QString::fromLatin1(c.clip));
    ctrlChord(edit, Qt::Key_V);
    EXPECT_EQ(state(), show(st(c.after))) << c.clip;
  }
}

TEST_F(MacEditTest, CtrlCountsAsEachKeyEventReportsIt) {
  // Pressed while another control had the focus and still held: the keys
  // arrive with Ctrl and act.
  QGuiApplication::clipboard()->setText(QStringLiteral("ff:ff"));
  other->setFocus();
  press(other, Qt::Key_Control, Qt::ControlModifier);
  edit->setFocus();
  setState(u"[11:22]:33");
  withCtrl(edit, Qt::Key_V);
  EXPECT_EQ(state(), "[FF:FF]:33");
  release(edit, Qt::Key_Control, Qt::NoModifier);

  // Pressed here and released on another control: back here, plain keys are
  // plain. C is a digit to type, X and V are no digits; the clipboard stays.
  press(edit, Qt::Key_Control, Qt::ControlModifier);
  other->setFocus();
  release(other, Qt::Key_Control, Qt::NoModifier);
  edit->setFocus();
  setState(u"[11]:22");
  for (const auto& [key, text] : {std::pair{Qt::Key_X, "x"}, std::pair{Qt::Key_V, "v"}, std::pair{Qt::Key_C, "c"}}) {
    press(edit, key, Qt::NoModifier, QString::fromLatin1(text));
    release(edit, key, Qt::NoModifier, QString::fromLatin1(text));
  }
  EXPECT_EQ(state(), "C|1:22");
  EXPECT_EQ(clipboardText(), QStringLiteral("ff:ff"));
}

TEST_F(MacEditTest, ClaimsEditingKeysBeforeShortcuts) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
  } claimed[] = {
      {Qt::Key_X, Qt::ControlModifier},      {Qt::Key_C, Qt::ControlModifier},
      {Qt::Key_V, Qt::ControlModifier},      {Qt::Key_Insert, Qt::ShiftModifier},
      {Qt::Key_Insert, Qt::ControlModifier}, {Qt::Key_Delete, Qt::ShiftModifier},
      {Qt::Key_Delete, Qt::NoModifier},      {Qt::Key_Backspace, Qt::ControlModifier},
  };
  for (const auto& c : claimed) {
    QKeyEvent e(QEvent::ShortcutOverride, c.key, c.mods);
    e.ignore();
    QApplication::sendEvent(edit, &e);
    EXPECT_TRUE(e.isAccepted()) << c.key << " " << c.mods;
  }
}

TEST_F(MacEditTest, AnApplicationPasteShortcutDoesNotBypassTheMask) {
  QAction paste(&window);
  paste.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  paste.setShortcutContext(Qt::WindowShortcut);
  window.addAction(&paste);
  QSignalSpy fired(&paste, &QAction::triggered);
  setState(u"[00]:00");
  QGuiApplication::clipboard()->setText(QStringLiteral("zz"));
  ctrlChord(edit, Qt::Key_V);
  EXPECT_EQ(fired.count(), 0);
  EXPECT_EQ(state(), "[00]:00");  // zz is invalid: both positions become 0 again
  QGuiApplication::clipboard()->setText(QStringLiteral("1g"));
  ctrlChord(edit, Qt::Key_V);
  EXPECT_EQ(state(), "[10]:00");
}

// --- clipboard without text -------------------------------------------------

TEST_F(MacEditTest, PasteWithoutTextOnTheClipboardDoesNothing) {
  setState(u"[11:22]");
  QSignalSpy changes(edit, &QLineEdit::textChanged);
  QGuiApplication::clipboard()->clear();
  edit->Paste();
  auto* image = new QMimeData;
  image->setImageData(QImage(2, 2, QImage::Format_RGB32));
  QGuiApplication::clipboard()->setMimeData(image);
  ctrlChord(edit, Qt::Key_V);
  EXPECT_EQ(state(), "[11:22]");
  EXPECT_EQ(changes.count(), 0);
}

// --- context menu -----------------------------------------------------------

QAction* findAction(QMenu& menu, const char* name) {
  for (QAction* a : menu.actions()) {
    if (a->objectName() == QLatin1String(name)) return a;
  }
  return nullptr;
}

TEST_F(MacEditTest, ContextMenuOffersNoUndoAndEnablesBySelection) {
  setState(u"11:2|2");
  std::unique_ptr<QMenu> menu(edit->createMaskContextMenu());
  for (const char* name : {"edit-undo", "edit-redo"}) EXPECT_EQ(findAction(*menu, name), nullptr);
  for (const QAction* a : menu->actions()) {
    EXPECT_FALSE(a->text().contains(QLatin1String("Undo")));
    EXPECT_FALSE(a->text().contains(QLatin1String("Redo")));
  }
  EXPECT_FALSE(findAction(*menu, "edit-cut")->isEnabled());
  EXPECT_FALSE(findAction(*menu, "edit-copy")->isEnabled());
  EXPECT_FALSE(findAction(*menu, "edit-delete")->isEnabled());
  EXPECT_TRUE(findAction(*menu, "edit-paste")->isEnabled());
  EXPECT_TRUE(findAction(*menu, "select-all")->isEnabled());
}

TEST_F(MacEditTest, ContextMenuActionsGoThroughTheRules) {
  const struct {
    const char* action;
    std::u16string_view before;
    const char* clip;
    std::u16string_view after;
    const char* clipAfter;
  } cases[] = {
      {"edit-cut", u"11:[22:33]:44", "keep", u"11:[00:00]:44", "22:33"},
      {"edit-cut", u"11:[22:33]", "keep", u"11:|", "22:33"},
      {"edit-delete", u"11:[22:33]:44", "keep", u"11:[00:00]:44", "keep"},
      {"edit-paste", u"[11:22]:33", "ab-cd", u"[AB:CD]:33", "ab-cd"},
      {"edit-paste", u"00:|", "1122", u"00:11:2|", "1122"},
      {"edit-copy", u"11:[22:33]:44", "keep", u"11:[22:33]:44", "22:33"},
      {"select-all", u"11:2|2", "keep", u"[11:22]", "keep"},
  };
  for (const auto& c : cases) {
    setState(c.before);
    QGuiApplication::clipboard()->setText(QString::fromLatin1(c.clip));
    std::unique_ptr<QMenu> menu(edit->createMaskContextMenu());
    QAction* a = findAction(*menu, c.action);
    ASSERT_NE(a, nullptr) << c.action;
    ASSERT_TRUE(a->isEnabled()) << c.action;
    a->trigger();
    EXPECT_EQ(state(), show(st(c.after))) << c.action;
    EXPECT_EQ(clipboardText(), QString::fromLatin1(c.clipAfter)) << c.action;
  }
}

TEST_F(MacEditTest, RightClickPopsUpTheMaskMenu) {
  setState(u"11:[22]:33");
  QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(edit, &e);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QAction* cut = findAction(*menu, "edit-cut");
  ASSERT_NE(cut, nullptr);
  cut->trigger();
  menu->close();
  QApplication::processEvents();
  EXPECT_EQ(state(), "11:[00]:33");
  EXPECT_EQ(clipboardText(), QStringLiteral("22"));
}

// --- other ways text could get in -------------------------------------------

TEST_F(MacEditTest, DropsAndDragsAreOff) {
  EXPECT_FALSE(edit->acceptDrops());
  EXPECT_FALSE(edit->dragEnabled());
}

TEST_F(MacEditTest, InputMethodCommitIsTypedThroughTheMask) {
  setState(u"|00:00");
  QInputMethodEvent e(QString(), {});
  e.setCommitString(QStringLiteral("zA\u00E0b"));
  QApplication::sendEvent(edit, &e);
  EXPECT_EQ(state(), "AB|:00");
}

TEST_F(MacEditTest, MiddleClickPastesNothing) {
  setState(u"00:00|");
  QTest::mouseClick(edit, Qt::MiddleButton, Qt::NoModifier, QPoint(2, 2));
  EXPECT_EQ(edit->text(), QStringLiteral("00:00"));
}

// --- GetMACAddress and defaults ---------------------------------------------

TEST_F(MacEditTest, GetMacAddressParsesAndSelectsAll) {
  const struct {
    const char* text;
    std::array<std::uint8_t, 6> expected;
  } cases[] = {
      {"0A:1B:2C:3D:4E:5F", {0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}},
      {"00:11:2", {0x00, 0x11, 0x02, 0x77, 0x77, 0x77}},
      {"", {0x77, 0x77, 0x77, 0x77, 0x77, 0x77}},
  };
  for (const auto& c : cases) {
    edit->setText(QString::fromLatin1(c.text));
    edit->setCursorPosition(1);
    std::array<std::uint8_t, 6> out;
    out.fill(0x77);
    edit->GetMACAddress(out);
    EXPECT_EQ(out, c.expected) << c.text;
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_EQ(edit->cursorPosition(), edit->text().size());
  }
}

TEST(MacEditDefaults, StartsEmptyWithAnAccessibleName) {
  MacAddrEdit edit;
  EXPECT_TRUE(edit.text().isEmpty());
  EXPECT_EQ(edit.accessibleName(), QStringLiteral("MAC Address"));
  edit.setAccessibleName(QStringLiteral("MAC Address :"));
  EXPECT_EQ(edit.accessibleName(), QStringLiteral("MAC Address :"));
  edit.setDefaultText();
  EXPECT_EQ(edit.text(), QStringLiteral("00:00:00:00:00:00"));
  const QFontMetrics fm(edit.font());
  EXPECT_GE(edit.sizeHint().width(), fm.horizontalAdvance(QStringLiteral("00:00:00:00:00:00")));
}

}  // namespace
}  // namespace zor::lan
