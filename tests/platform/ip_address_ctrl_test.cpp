// The IP address control driven with real keys on the offscreen platform.
#include "platform/ip_address_ctrl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <string>

namespace zor::platform {
namespace {

class IpCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    before = new QLineEdit(&window);
    ip = new IpAddressCtrl(&window);
    after = new QLineEdit(&window);
    layout->addWidget(before);
    layout->addWidget(ip);
    layout->addWidget(after);
    window.show();
    QApplication::setActiveWindow(&window);
    ip->setFocus();
    QApplication::processEvents();
  }

  // Keys go wherever the focus is, as they would from a keyboard.
  static void typeKeys(const char* keys) {
    for (const char* k = keys; *k != '\0'; ++k) QTest::keyClick(QApplication::focusWidget(), *k);
  }
  static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, mods);
  }
  int focusedField() const {
    for (int i = 0; i < IpAddressCtrl::kFieldCount; ++i) {
      if (ip->field(i)->hasFocus()) return i;
    }
    return -1;
  }
  std::string fields() const {
    std::string s;
    for (int i = 0; i < IpAddressCtrl::kFieldCount; ++i) {
      if (i > 0) s += '.';
      s += ip->field(i)->text().isEmpty() ? std::string("_") : ip->field(i)->text().toStdString();
    }
    return s;
  }

  QWidget window;
  QLineEdit* before = nullptr;
  IpAddressCtrl* ip = nullptr;
  QLineEdit* after = nullptr;
};

TEST_F(IpCtrlTest, FocusGoesToTheFirstField) { EXPECT_EQ(focusedField(), 0); }

TEST_F(IpCtrlTest, TypingFillsTheFieldsInTurn) {
  // Fields as typed ('_' = blank), and the field that has the focus after.
  const struct {
    const char* keys;
    const char* fields;
    int focus;
  } cases[] = {
      {"192.168.1.10", "192.168.1.10", 3},
      {"19216811", "192.168.11._", 2},  // three digits move on by themselves
      {"1..2", "1.2._._", 1},           // a dot in a blank field is ignored
      {"1 2 3 4", "1.2.3.4", 3},        // a blank moves on like a dot
      {"1a.b2-", "1.2._._", 1},         // nothing but digits gets in
      {"1.2.3.4.5", "1.2.3.45", 3},     // no field after the last
      {"300", "255._._._", 1},          // above 255 is held at 255
      {"256.999.1000", "255.255.100.0", 3},
      {"0.0.0.0", "0.0.0.0", 3},
      {"", "_._._._", 0},
  };
  for (const auto& c : cases) {
    ip->clear();
    ip->field(0)->setFocus();
    typeKeys(c.keys);
    EXPECT_EQ(fields(), c.fields) << c.keys;
    EXPECT_EQ(focusedField(), c.focus) << c.keys;
  }
}

TEST_F(IpCtrlTest, BackspaceAtTheStartOfAFieldGoesBack) {
  typeKeys("10.2");
  key(Qt::Key_Backspace);
  EXPECT_EQ(fields(), "10._._._");
  EXPECT_EQ(focusedField(), 1);
  key(Qt::Key_Backspace);  // empty field: back to the end of the previous one
  EXPECT_EQ(focusedField(), 0);
  EXPECT_EQ(ip->field(0)->cursorPosition(), 2);
  key(Qt::Key_Backspace);
  key(Qt::Key_Backspace);
  key(Qt::Key_Backspace);  // nothing before the first field
  EXPECT_EQ(fields(), "_._._._");
  EXPECT_EQ(focusedField(), 0);
  EXPECT_TRUE(ip->isBlank());
}

TEST_F(IpCtrlTest, ArrowsCrossFieldBoundaries) {
  ASSERT_TRUE(ip->setText(QStringLiteral("1.22.3.4")));
  ip->field(0)->setFocus();
  ip->field(0)->setCursorPosition(0);
  key(Qt::Key_Right);
  EXPECT_EQ(focusedField(), 0);
  key(Qt::Key_Right);  // at the end: into the next field, caret first
  EXPECT_EQ(focusedField(), 1);
  EXPECT_EQ(ip->field(1)->cursorPosition(), 0);
  key(Qt::Key_Left);  // at the start: back to the end of the previous one
  EXPECT_EQ(focusedField(), 0);
  EXPECT_EQ(ip->field(0)->cursorPosition(), 1);
  key(Qt::Key_End);
  EXPECT_EQ(focusedField(), 3);
  key(Qt::Key_Home);
  EXPECT_EQ(focusedField(), 0);
}

TEST_F(IpCtrlTest, DigitIntoAFullFieldStartsTheNext) {
  ASSERT_TRUE(ip->setText(QStringLiteral("192.168.1.1")));
  ip->field(0)->setFocus();
  ip->field(0)->setCursorPosition(3);
  typeKeys("5");
  EXPECT_EQ(fields(), "192.5.1.1");
  EXPECT_EQ(focusedField(), 1);
  ip->field(3)->setFocus();
  ip->field(3)->setText(QStringLiteral("123"));
  ip->field(3)->setCursorPosition(3);
  typeKeys("4");  // nowhere to go: ignored
  EXPECT_EQ(fields(), "192.5.1.123");
}

TEST_F(IpCtrlTest, PastedValueAboveTheRangeIsHeldAt255) {
  QGuiApplication::clipboard()->setText(QStringLiteral("300"));
  ip->field(2)->setFocus();
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(fields(), "_._.255._");
}

TEST_F(IpCtrlTest, AWholeAddressPastedOrSetIntoAFieldIsSpreadFromThere) {
  QGuiApplication::clipboard()->setText(QStringLiteral("192.168.1.10"));
  ip->field(0)->setFocus();
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(fields(), "192.168.1.10");
  QGuiApplication::clipboard()->setText(QStringLiteral("7.300"));
  ip->field(2)->setFocus();
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(fields(), "192.168.17.255");  // inserted at the caret, after the 1 already there
  // What an assistive tool does when it sets a field's text.
  ip->field(0)->setText(QStringLiteral("10.0.0.1"));
  EXPECT_EQ(fields(), "10.0.0.1");
  ip->field(3)->setText(QStringLiteral("x9"));
  EXPECT_EQ(fields(), "10.0.0.9");
}

TEST_F(IpCtrlTest, BlankFieldsAreNotZeros) {
  ip->clear();
  EXPECT_TRUE(ip->isBlank());
  EXPECT_EQ(ip->blankFieldCount(), 4);
  EXPECT_FALSE(ip->isComplete());
  EXPECT_EQ(ip->text(), QStringLiteral("0.0.0.0"));
  EXPECT_EQ(ip->address(), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));

  ip->setAddress({0, 0, 0, 0});
  EXPECT_FALSE(ip->isBlank());
  EXPECT_TRUE(ip->isComplete());
  EXPECT_EQ(fields(), "0.0.0.0");

  ip->clear();
  typeKeys("10.0");
  EXPECT_EQ(ip->blankFieldCount(), 2);
  EXPECT_EQ(ip->text(), QStringLiteral("10.0.0.0"));
}

TEST_F(IpCtrlTest, TextAndBytesRoundTrip) {
  const struct {
    const char* text;
    bool accepted;
    std::array<std::uint8_t, 4> bytes;  // after setText from 9.9.9.9
    const char* readBack;
  } cases[] = {
      {"192.168.1.10", true, {192, 168, 1, 10}, "192.168.1.10"},
      {"0.0.0.0", true, {0, 0, 0, 0}, "0.0.0.0"},
      {"255.255.255.0", true, {255, 255, 255, 0}, "255.255.255.0"},
      {"010.001.0.7", true, {10, 1, 0, 7}, "10.1.0.7"},
      {" 1. 2 .3.4 ", true, {1, 2, 3, 4}, "1.2.3.4"},
      {"256.1.1.1", false, {9, 9, 9, 9}, "9.9.9.9"},
      {"1.2.3", false, {9, 9, 9, 9}, "9.9.9.9"},
      {"1.2.3.4.5", false, {9, 9, 9, 9}, "9.9.9.9"},
      {"1..3.4", false, {9, 9, 9, 9}, "9.9.9.9"},
      {"-1.2.3.4", false, {9, 9, 9, 9}, "9.9.9.9"},
      {"a.b.c.d", false, {9, 9, 9, 9}, "9.9.9.9"},
      {"1000.1.1.1", false, {9, 9, 9, 9}, "9.9.9.9"},
      {"", false, {9, 9, 9, 9}, "9.9.9.9"},
  };
  for (const auto& c : cases) {
    ip->setAddress({9, 9, 9, 9});
    EXPECT_EQ(ip->setText(QString::fromLatin1(c.text)), c.accepted) << c.text;
    EXPECT_EQ(ip->address(), c.bytes) << c.text;
    EXPECT_EQ(ip->text(), QString::fromLatin1(c.readBack)) << c.text;
  }
  for (const std::array<std::uint8_t, 4>& a :
       {std::array<std::uint8_t, 4>{192, 168, 0, 254}, std::array<std::uint8_t, 4>{255, 0, 128, 1}}) {
    ip->setAddress(a);
    IpAddressCtrl copy;
    ASSERT_TRUE(copy.setText(ip->text()));
    EXPECT_EQ(copy.address(), a);
  }
}

TEST_F(IpCtrlTest, ReportsChanges) {
  QSignalSpy changed(ip, &IpAddressCtrl::addressChanged);
  typeKeys("1");
  ip->setAddress({1, 2, 3, 4});
  ip->clear();
  EXPECT_EQ(changed.count(), 3);
}

TEST_F(IpCtrlTest, TabRunsThroughTheFieldsThenOn) {
  before->setFocus();
  key(Qt::Key_Tab);
  for (int i = 0; i < IpAddressCtrl::kFieldCount; ++i) {
    EXPECT_EQ(focusedField(), i);
    key(Qt::Key_Tab);
  }
  EXPECT_TRUE(after->hasFocus());
  key(Qt::Key_Backtab);
  EXPECT_EQ(focusedField(), 3);
}

TEST_F(IpCtrlTest, FieldsAreNamedAfterTheControl) {
  EXPECT_EQ(ip->field(0)->accessibleName(), QStringLiteral("IP address field 1"));
  ip->setAccessibleNames(QStringLiteral("IP Address :"));
  EXPECT_EQ(ip->accessibleName(), QStringLiteral("IP Address :"));
  for (int i = 0; i < IpAddressCtrl::kFieldCount; ++i) {
    EXPECT_EQ(ip->field(i)->accessibleName(), QStringLiteral("IP Address field %1").arg(i + 1));
  }
  IpAddressCtrl gateway;
  gateway.setAccessibleName(QStringLiteral("Gateway IP :"));
  gateway.show();
  EXPECT_EQ(gateway.field(3)->accessibleName(), QStringLiteral("Gateway IP field 4"));
}

TEST_F(IpCtrlTest, SizedForFourOctets) {
  const QFontMetrics fm(ip->font());
  EXPECT_GE(ip->sizeHint().width(), 4 * fm.horizontalAdvance(QStringLiteral("000")));
  EXPECT_GE(ip->sizeHint().height(), fm.height());
  EXPECT_LE(ip->minimumSizeHint().width(), ip->sizeHint().width());
}

}  // namespace
}  // namespace zor::platform
