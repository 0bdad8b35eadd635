// The dialog layer: templates, command dispatch, keyboard,
// value exchange and the up-down and combo controls.
#include "platform/dialog.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>
#include <functional>
#include <string>
#include <utility>

#include "platform/combo_box.h"
#include "platform/up_down.h"
#include "tests/support/scripted_prompter.h"

namespace {

using zor::platform::Kind;
using zortest::Transcript;

const zor::platform::ControlTemplate kControls[] = {
    {zor::platform::IDC_STATIC, Kind::Label, "Target:", 5, 5, 30, 8},
    {10, Kind::Edit, "", 40, 5, 40, 12},
    {11, Kind::Edit, "", 40, 20, 40, 12, zor::platform::Password},
    {12, Kind::UpDown, "", 0, 0, 10, 12},
    {13, Kind::Button, "Go", 5, 40, 40, 14, zor::platform::DefaultButton},
    {14, Kind::Button, "Later", 50, 40, 40, 14, zor::platform::Disabled},
    {15, Kind::Button, "Secret", 95, 40, 40, 14, zor::platform::Hidden},
    {16, Kind::ComboDropDown, "", 5, 60, 60, 13},
    {zor::platform::IDOK, Kind::Button, "OK", 100, 60, 40, 14},
    {zor::platform::IDCANCEL, Kind::Button, "Cancel", 100, 78, 40, 14},
    {18, Kind::Label, "Note", 95, 20, 50, 8, zor::platform::AlignRight},
};
const zor::platform::DialogTemplate kTemplate = {900, "Test Dialog", 150, 95, 8, kControls};

class TestDialog : public zor::platform::Dialog {
 public:
  TestDialog(zor::platform::Prompter& prompter, Transcript& t) : zor::platform::Dialog(kTemplate, prompter), t_(t) {
    bindCommands({{13, [this] { t_.add("go"); }}, {14, [this] { t_.add("later"); }}});
  }
  std::uint32_t target = 5;
  std::int32_t level = -3;

 protected:
  void DoDataExchange(zor::platform::DataExchange& dx) override {
    dx.number(10, target, 0, 255);
    dx.number(11, level);
  }
  Transcript& t_;
};

struct DialogFixture : ::testing::Test {
  Transcript t;
  zortest::ScriptedPrompter prompter{t};
  TestDialog dialog{prompter, t};
  void SetUp() override {
    dialog.Initialize();
    dialog.show();
  }
  QLineEdit* edit(int id) { return dialog.item<QLineEdit>(id); }
};

TEST_F(DialogFixture, BuildsControlsFromTheTemplate) {
  EXPECT_EQ(dialog.windowTitle(), "Test Dialog");
  EXPECT_EQ(edit(10)->text(), "5");  // OnInitDialog wrote the members
  EXPECT_EQ(edit(11)->text(), "-3");
  EXPECT_EQ(edit(11)->echoMode(), QLineEdit::Password);
  EXPECT_TRUE(dialog.item<QPushButton>(13)->isDefault());
  EXPECT_FALSE(dialog.item<QPushButton>(14)->isEnabled());
  EXPECT_FALSE(dialog.item<QPushButton>(15)->isVisible());
  EXPECT_EQ(edit(10)->accessibleName(), "Target:");
  EXPECT_EQ(dialog.GetDlgItem(999), nullptr);
  // The up-down sits inside its buddy's rectangle, on its right edge.
  const QRect buddy = edit(11)->geometry(), spin = dialog.GetDlgItem(12)->geometry();
  EXPECT_EQ(spin.left(), buddy.right() + 1);
  EXPECT_EQ(spin.top(), buddy.top());
}

TEST_F(DialogFixture, DialogUnitsFollowTheFont) {
  const QRect before = dialog.GetDlgItem(16)->geometry();
  const QSize size = dialog.size();
  QFont bigger = dialog.font();
  bigger.setPointSize(16);
  dialog.setFont(bigger);
  const QRect after = dialog.GetDlgItem(16)->geometry();
  EXPECT_GT(after.width(), before.width() * 3 / 2);
  EXPECT_GT(dialog.width(), size.width() * 3 / 2);
  // Proportions hold: the combo keeps its share of the dialog's width.
  EXPECT_NEAR(double(after.width()) / dialog.width(), double(before.width()) / size.width(), 0.02);
}

TEST_F(DialogFixture, ButtonsRunTheirCommandsAndDisabledOnesDoNot) {
  QTest::mouseClick(dialog.item<QPushButton>(13), Qt::LeftButton);
  QTest::mouseClick(dialog.item<QPushButton>(14), Qt::LeftButton);
  EXPECT_EQ(t, (Transcript{"go"}));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogFixture, EnterPressesTheDefaultButtonFromAField) {
  edit(10)->setFocus();
  QTest::keyClick(edit(10), Qt::Key_Return);
  EXPECT_EQ(t, (Transcript{"go"}));
}

TEST_F(DialogFixture, EscapeAndTheCloseBoxCancel) {
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), zor::platform::IDCANCEL);
  dialog.show();
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), zor::platform::IDCANCEL);
}

// However its text is set, a static text gets the room the text needs at
// once, on the side its alignment leaves free; a short text gets the template
// rectangle back.
TEST_F(DialogFixture, StaticTextGrowsToItsTextAtOnce) {
  auto* note = dialog.item<QLabel>(18);
  const QRect templ = note->geometry();
  const QString longText = QStringLiteral("A somewhat longer note");
  for (const auto& set : std::initializer_list<std::function<void(const QString&)>>{
           [&](const QString& text) { dialog.SetDlgItemText(18, text); },
           [&](const QString& text) { note->setText(text); }}) {
    set(longText);
    EXPECT_EQ(note->geometry().right(), templ.right());
    EXPECT_GE(note->contentsRect().width(), note->fontMetrics().horizontalAdvance(longText));
    set(QStringLiteral("Note"));
    EXPECT_EQ(note->geometry(), templ);
  }
}

TEST(StaticText, SetBeforeTheDialogIsShownFitsWhenShown) {
  Transcript t;
  zortest::ScriptedPrompter prompter{t};
  TestDialog dialog{prompter, t};
  dialog.Initialize();
  auto* note = dialog.item<QLabel>(18);
  const QString longText = QStringLiteral("A somewhat longer note");
  note->setText(longText);
  dialog.show();
  EXPECT_GE(note->contentsRect().width(), note->fontMetrics().horizontalAdvance(longText));
}

TEST(StaticText, GrowsOnTheFreeSideAndStaysInside) {
  const QRect bounds(0, 0, 200, 100);
  const struct {
    const char* name;
    QRect at;
    QSize needed;
    Qt::Alignment alignment;
    QRect grown;
  } cases[] = {
      {"fits", {50, 40, 60, 12}, {40, 10}, Qt::AlignLeft, {50, 40, 60, 12}},
      {"left grows right", {50, 40, 60, 12}, {90, 12}, Qt::AlignLeft | Qt::AlignVCenter, {50, 40, 90, 12}},
      {"right grows left", {50, 40, 60, 12}, {90, 12}, Qt::AlignRight, {20, 40, 90, 12}},
      {"centre grows both ways", {50, 40, 60, 12}, {90, 12}, Qt::AlignHCenter, {35, 40, 90, 12}},
      {"taller about the middle", {50, 40, 60, 12}, {60, 16}, Qt::AlignLeft, {50, 38, 60, 16}},
      {"moved back from the right edge", {150, 40, 40, 12}, {90, 12}, Qt::AlignLeft, {110, 40, 90, 12}},
      {"moved back from the left edge", {10, 40, 40, 12}, {90, 12}, Qt::AlignRight, {0, 40, 90, 12}},
      {"moved back from the top", {10, 0, 40, 12}, {40, 16}, Qt::AlignLeft, {10, 0, 40, 16}},
      {"cut to the dialog", {10, 40, 40, 12}, {300, 12}, Qt::AlignHCenter, {0, 40, 200, 12}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zor::platform::grownToFit(c.at, c.needed, c.alignment, bounds), c.grown) << c.name;
  }
}

struct ExchangeCase {
  const char* target;
  const char* level;
  bool ok;
  const char* prompt;
  std::uint32_t target_after;
  std::int32_t level_after;
};

TEST_F(DialogFixture, OkTakesTheValuesBackWithTheStandardPrompts) {
  const ExchangeCase cases[] = {
      {"255", "-7", true, nullptr, 255, -7},
      {" 12 ", "+4", true, nullptr, 12, 4},
      {"256", "1", false, "Please enter an integer between 0 and 255.", 5, -3},
      {"256", "x", false, "Please enter an integer between 0 and 255.", 5, -3},  // one prompt: the first field's
      {"-1", "1", false, "Please enter a positive integer.", 5, -3},
      {"abc", "1", false, "Please enter a positive integer.", 5, -3},
      {"", "1", false, "Please enter a positive integer.", 5, -3},
      {"7", "x", false, "Please enter an integer.", 7, -3},  // the first field was taken
      {"7", "2147483648", false, "Please enter an integer.", 7, -3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.target) + " / " + c.level);
    t.clear();
    dialog.target = 5;
    dialog.level = -3;
    dialog.show();
    edit(10)->setText(c.target);
    edit(11)->setText(c.level);
    QTest::mouseClick(dialog.item<QPushButton>(zor::platform::IDOK), Qt::LeftButton);
    EXPECT_EQ(dialog.isVisible(), !c.ok);
    EXPECT_EQ(dialog.target, c.target_after);
    EXPECT_EQ(dialog.level, c.level_after);
    if (c.prompt)
      EXPECT_EQ(t, (Transcript{std::string("box [ZORSystemMaintenance] ") + c.prompt}));
    else
      EXPECT_EQ(t, Transcript{});
  }
}

TEST(UpDown, ReadsItsPositionFromTheBuddysText) {
  QLineEdit buddy;
  zor::platform::UpDown spin;
  spin.setBuddy(&buddy);
  spin.setRange(0, 100);
  spin.setPosition(40);
  struct Case {
    const char* text;
    int value;
    bool ok;
  } cases[] = {{"100", 100, true}, {"0", 0, true},    {" 7 ", 7, true}, {"101", 7, false},
               {"-1", 7, false},   {"5.5", 7, false}, {"", 7, false},   {"abc", 7, false}};
  for (const auto& c : cases) {
    buddy.setText(c.text);
    const auto p = spin.position();
    EXPECT_EQ(p.value, c.value) << c.text;
    EXPECT_EQ(p.ok, c.ok) << c.text;
  }
}

TEST(UpDown, StepsByTheAccelerationTableAndStaysInRange) {
  QLineEdit buddy;
  zor::platform::UpDown spin;
  spin.setBuddy(&buddy);
  spin.setRange(0, 100);
  spin.setAccel({{1000, 10}});
  spin.setPosition(0);
  spin.step(+1);
  EXPECT_EQ(buddy.text(), "10");
  spin.setPosition(95);
  spin.step(+1);
  EXPECT_EQ(buddy.text(), "100");
  spin.step(-1);
  EXPECT_EQ(buddy.text(), "90");
  spin.setAccel({{0, 1}, {2, 5}});
  spin.step(+1, 0.5);
  EXPECT_EQ(buddy.text(), "91");
  spin.step(+1, 3);
  EXPECT_EQ(buddy.text(), "96");
  buddy.setFocus();
  QTest::keyClick(&buddy, Qt::Key_Down);
  EXPECT_EQ(buddy.text(), "95");
}

TEST(ComboBox, TracksTheSelectedEntryAsTheHandlersExpect) {
  zor::platform::ComboBox combo;
  combo.addItems({"60", "100", "163"});
  combo.setCurSel(2);
  EXPECT_EQ(combo.curSel(), 2);
  EXPECT_EQ(combo.editText(), "163");
  combo.setFieldText("420");  // code sets the field: the selection stays
  EXPECT_EQ(combo.curSel(), 2);
  EXPECT_EQ(combo.editText(), "420");
  combo.show();
  QTest::keyClicks(combo.lineEdit(), "5");  // typing clears it
  EXPECT_EQ(combo.curSel(), -1);
  EXPECT_EQ(combo.editText(), "4205");
  combo.setCurrentIndex(1);
  emit combo.activated(1);
  EXPECT_EQ(combo.curSel(), 1);
  QTest::keyClick(combo.lineEdit(), Qt::Key_Return);  // Enter adds nothing to the list
  EXPECT_EQ(combo.count(), 3);
  combo.lineEdit()->setText("9");  // an assistive tool setting the field is typing too
  EXPECT_EQ(combo.curSel(), -1);
  // ... and one selecting an entry of the closed list picks it.
  combo.view()->selectionModel()->select(combo.model()->index(2, 0), QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(combo.curSel(), 2);
  EXPECT_EQ(combo.editText(), "163");
}

// Opening, moving through and closing the list pick nothing: the field keeps
// what was typed (or set) and the selection stays as it was.
TEST(ComboBox, BrowsingTheListPicksNothing) {
  struct Case {
    const char* name;
    std::function<void(zor::platform::ComboBox&)> before;  // what the field holds
    const char* text;
    int selected;
  };
  const Case cases[] = {
      {"typed", [](zor::platform::ComboBox& c) { QTest::keyClicks(c.lineEdit(), "75"); }, "75", -1},
      {"picked, then set from code",
       [](zor::platform::ComboBox& c) {
         c.setCurSel(1);
         c.setFieldText("abc");
       },
       "abc", 1},
  };
  const std::pair<const char*, std::function<void(zor::platform::ComboBox&)>> browsing[] = {
      {"open and close",
       [](zor::platform::ComboBox& c) {
         c.showPopup();
         c.hidePopup();
       }},
      {"open, move, Esc",
       [](zor::platform::ComboBox& c) {
         c.showPopup();
         QTest::keyClick(c.view(), Qt::Key_Down);
         QTest::keyClick(c.view(), Qt::Key_Escape);
       }},
      {"open, scroll, close",
       [](zor::platform::ComboBox& c) {
         c.showPopup();
         QWheelEvent wheel(QPointF(5, 5), c.view()->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
         QApplication::sendEvent(c.view()->viewport(), &wheel);
         c.hidePopup();
       }},
  };
  for (const Case& c : cases) {
    for (const auto& [how, browse] : browsing) {
      SCOPED_TRACE(std::string(c.name) + ", " + how);
      QWidget window;
      auto* combo = new zor::platform::ComboBox(&window);
      combo->addItems({"60", "100", "163"});
      combo->setCurSel(0);
      window.show();
      QApplication::setActiveWindow(&window);
      combo->lineEdit()->setFocus();
      combo->lineEdit()->selectAll();
      c.before(*combo);
      browse(*combo);
      EXPECT_FALSE(combo->view()->isVisible());
      EXPECT_EQ(combo->editText().toStdString(), c.text);
      EXPECT_EQ(combo->curSel(), c.selected);
    }
  }
}

TEST(ComboBox, PicksAreAClickOrEnterOnARowArrowsOnTheClosedListOrAnAssistiveSelection) {
  QWidget window;
  auto* combo = new zor::platform::ComboBox(&window);
  combo->addItems({"60", "100", "163"});
  window.show();
  QApplication::setActiveWindow(&window);
  combo->lineEdit()->setFocus();
  QTest::keyClicks(combo->lineEdit(), "75");
  combo->showPopup();
  QTest::keyClick(combo->view(), Qt::Key_Down);
  QTest::keyClick(combo->view(), Qt::Key_Return);
  EXPECT_EQ(combo->editText(), "100");
  EXPECT_EQ(combo->curSel(), 1);
  combo->showPopup();
  const QPoint row0 = combo->view()->visualRect(combo->model()->index(0, 0)).center();
  QTest::mouseMove(combo->view()->viewport(), row0);
  QTest::mouseClick(combo->view()->viewport(), Qt::LeftButton, {}, row0);
  EXPECT_EQ(combo->editText(), "60");
  EXPECT_EQ(combo->curSel(), 0);
  QTest::keyClick(combo->lineEdit(), Qt::Key_Down);  // the next entry of the closed list
  EXPECT_EQ(combo->editText(), "100");
  EXPECT_EQ(combo->curSel(), 1);
  combo->view()->selectionModel()->select(combo->model()->index(2, 0), QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(combo->editText(), "163");
  EXPECT_EQ(combo->curSel(), 2);
}

// A typed text that happens to equal an entry is still typed, however typing ends.
TEST(ComboBox, TypingAListedTextIsNoPick) {
  QWidget window;
  auto* combo = new zor::platform::ComboBox(&window);
  auto* next = new QLineEdit(&window);
  combo->addItems({"60", "100", "163"});
  window.show();
  QApplication::setActiveWindow(&window);
  for (const bool enter : {false, true}) {
    SCOPED_TRACE(enter ? "Enter" : "focus leaves");
    combo->setCurSel(0);
    combo->lineEdit()->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "163");
    if (enter) {
      QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    } else {
      next->setFocus();
    }
    EXPECT_EQ(combo->editText().toStdString(), "163");
    EXPECT_EQ(combo->curSel(), -1);
  }
}

// A translator that brackets every text of one context, so a test sees
// which texts went through the translation and under which context.
class BracketingTranslator : public QTranslator {
 public:
  explicit BracketingTranslator(const char* context) : context_(context) {}
  QString translate(const char* context, const char* source, const char*, int) const override {
    return QLatin1String(context) == QLatin1String(context_) ? QStringLiteral("[%1]").arg(QString::fromUtf8(source))
                                                             : QString();
  }
  bool isEmpty() const override { return false; }

 private:
  const char* context_;
};

const zor::platform::ControlTemplate kTranslatedControls[] = {
    {zor::platform::IDC_STATIC, Kind::GroupBox, "Group", 2, 2, 140, 60},
    {20, Kind::Label, "Name:", 5, 10, 30, 8},
    {21, Kind::Edit, "1.5", 40, 10, 40, 12},
    {22, Kind::Button, "Set", 5, 30, 40, 14, zor::platform::None, "Set Name"},
    {23, Kind::CheckBox, "Enable", 50, 30, 40, 10},
};
const zor::platform::DialogTemplate kTranslatedTemplate = {901,           "Title", 150, 95, 8, kTranslatedControls,
                                                           "TestTemplate"};

TEST(TemplateTexts, ShowInTheUsersLanguageUnderTheTemplatesContextButAnEditsValueStays) {
  BracketingTranslator translator("TestTemplate");
  ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
  zortest::Transcript t;
  zortest::ScriptedPrompter prompter{t};
  zor::platform::Dialog translated(kTranslatedTemplate, prompter);
  translated.Initialize();
  zor::platform::Dialog untouched(kTemplate, prompter);  // no context: shown as written
  untouched.Initialize();
  QCoreApplication::removeTranslator(&translator);

  EXPECT_EQ(translated.windowTitle(), "[Title]");
  EXPECT_EQ(untouched.windowTitle(), "Test Dialog");
  EXPECT_EQ(untouched.GetDlgItemText(13), "Go");
  const struct {
    int id;
    const char* text;
    const char* accessibleName;
  } rows[] = {
      {20, "[Name:]", ""},
      {21, "1.5", "[Name:]"},  // a value; the field is named after its label
      {22, "[Set]", "[Set Name]"},
      {23, "[Enable]", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.id);
    EXPECT_EQ(translated.GetDlgItemText(row.id), row.text);
    EXPECT_EQ(translated.GetDlgItem(row.id)->accessibleName(), row.accessibleName);
  }
  const auto* group = translated.findChild<QGroupBox*>();
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->title(), "[Group]");
}

}  // namespace
