// "Calibrate Field" from the panel's window menu, driven through its real
// fields, buttons and keys. What it computes and sends is the service
// layer's (tested there); here: that the dialog hands it the sizes as typed,
// refuses what is not a number, lists the rounds and leads from step to step.
#include "dialogs/calibrate_field_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <functional>

#include "protocol/zor_protocol.h"
#include "service/calibration.h"
#include "tests/dialogs/dialog_script.h"
#include "tests/support/panel_harness.h"

namespace zor::dialogs {

using namespace calibrate;
using zortest::PanelHarness;
using zortest::Sent;

namespace {

namespace svc = zor::service;

// The controller holds scale 1.0 1.0 and distortion 32768 32768; the lens is 163 mm.
void ControllerAtRest(PanelHarness& h) {
  h.link.setStatus(zor::protocol::CMD_GET_XY_SCALE, {0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3F});
  h.link.setStatus(zor::protocol::CMD_GET_XY_DISTORTION, {0x00, 0x80, 0x00, 0x80});
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-SIM"));
}

// Opens the dialog from the window menu; the script acts in it and ends it.
void OpenCalibration(PanelHarness& h, std::function<void(QDialog&)> script) {
  h.prompter.queue([script](QDialog& d) {
    QApplication::setActiveWindow(&d);
    script(d);
    return d.result();
  });
  for (QAction* action : h.panel().systemMenu()->actions()) {
    if (action->text() == "Calibrate &Field...") {
      action->trigger();
      QApplication::processEvents();  // the command runs once the trigger has returned
      EXPECT_EQ(h.prompter.pending(), 0u);
      return;
    }
  }
  ADD_FAILURE() << "no window-menu item Calibrate Field";
}

void Type(QDialog& d, int id, const QString& text) {
  auto* edit = zortest::AsDialog(d).item<QLineEdit>(id);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

struct Sizes {
  QString width, height, top, left, nominal;
};

void TypeSizes(QDialog& d, const Sizes& s) {
  Type(d, IDC_WIDTH, s.width);
  Type(d, IDC_HEIGHT, s.height);
  Type(d, IDC_TOP, s.top);
  Type(d, IDC_LEFT, s.left);
  Type(d, IDC_NOMINAL, s.nominal);
}

// The texts of a row of the rounds list.
std::vector<std::string> RoundRow(QDialog& d, int row) {
  auto* rounds = static_cast<CalibrateFieldDialog&>(d).rounds();
  std::vector<std::string> cells;
  for (int c = 0; c < RoundColumnCount; ++c) cells.push_back(rounds->item(row, c)->text().toStdString());
  return cells;
}

class LocaleScope {
 public:
  explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
  ~LocaleScope() { QLocale::setDefault(saved_); }

 private:
  QLocale saved_;
};

// In a German locale, sizes typed with commas go to the service layer as the
// numbers they are: the dialog sends exactly what planCalibration and
// applyCalibration send for them, and nothing of its own.
TEST(CalibrateField, SendsWhatTheServiceLayerSendsForTheSameSizes) {
  const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
  std::vector<std::string> byDialog, byService;
  {
    PanelHarness h;
    ControllerAtRest(h);
    h.start();
    OpenCalibration(h, [](QDialog& d) {
      TypeSizes(d, {"55,31", "54,87", "55,40", "54,95", ""});
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Apply, the default button
      EXPECT_EQ(RoundRow(d, 0).at(Measured), "55,31 × 54,87");
      EXPECT_EQ(RoundRow(d, 0).at(Edges), "55,40 / 54,95");
      EXPECT_EQ(RoundRow(d, 0).at(Result), "Sent");
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    byDialog = Sent(h.transcript);
  }
  {
    PanelHarness h;
    ControllerAtRest(h);
    h.start();
    svc::CalibrationInput input;
    input.measured = {55.31, 54.87, 55.40, 54.95};
    const auto plan = h.panel().service().planCalibration(input);
    ASSERT_TRUE(plan.ok());
    ASSERT_TRUE(plan.value.scaleChanges && plan.value.distortionChanges);
    EXPECT_TRUE(h.panel().service().applyCalibration(plan.value).ok());
    byService = Sent(h.transcript);
  }
  EXPECT_EQ(byDialog, byService);
  EXPECT_TRUE(std::find(byDialog.begin(), byDialog.end(), "send 1A 00") != byDialog.end());  // the X scale's Set
}

// What is not a number is refused before anything goes out, naming the
// field, which then holds the focus with its text selected.
TEST(CalibrateField, RefusesWhatIsNotANumberNamingTheField) {
  struct Case {
    Sizes typed;
    int field;
    std::string box;  // "" for the service layer's own refusal
  };
  const Case cases[] = {
      {{"55.2x", "55", "", "", ""},
       IDC_WIDTH,
       "Width across the middle: \"55.2x\" is not a number of millimetres. Type it as 55.01. Nothing was sent."},
      {{"55", "", "", "", ""},
       IDC_HEIGHT,
       "Height across the middle: type the size you measured, in millimetres. "
       "Nothing was sent."},
      {{"55", "55", "nan", "55", ""},
       IDC_TOP,
       "Top edge: \"nan\" is not a number of millimetres. Type it as 55.01. Nothing was sent."},
      {{"55", "55", "55", "55,1", ""},
       IDC_LEFT,
       "Left edge: \"55,1\" is not a number of millimetres. Type it as 55.01. Nothing was sent."},
      {{"55", "55", "", "", "inf"},
       IDC_NOMINAL,
       "Nominal size: \"inf\" is not a number of millimetres. Type it as 55.01. Nothing was sent."},
      {{"-55", "55", "", "", ""}, IDC_WIDTH, ""},
      {{"55", "0", "", "", ""}, IDC_HEIGHT, ""},
      {{"55", "55", "55", "", ""}, IDC_LEFT, ""},  // an edge without its partner
  };
  const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.width.toStdString() + " " + c.typed.height.toStdString() + " " + c.typed.top.toStdString() +
                 " " + c.typed.left.toStdString() + " " + c.typed.nominal.toStdString());
    PanelHarness h;
    ControllerAtRest(h);
    h.start();
    OpenCalibration(h, [&](QDialog& d) {
      TypeSizes(d, c.typed);
      zortest::Click(d, IDC_APPLY);
      auto* field = zortest::AsDialog(d).item<QLineEdit>(c.field);
      EXPECT_EQ(QApplication::focusWidget(), field);
      EXPECT_EQ(field->selectedText(), field->text());
      EXPECT_EQ(static_cast<CalibrateFieldDialog&>(d).rounds()->rowCount(), 0);
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(Sent(h.transcript), std::vector<std::string>{});
    const auto& events = h.transcript.events();
    const auto box =
        std::find_if(events.begin(), events.end(), [](const std::string& e) { return e.starts_with("box"); });
    ASSERT_NE(box, events.end());
    if (!c.box.empty()) {
      EXPECT_EQ(*box, zortest::BoxEvent(u"Calibrate Field", QString::fromStdString(c.box).toStdU16String()));
    }
  }
}

// A Set the device link does not take is reported and listed; the next
// round reads the corrections afresh before it computes.
TEST(CalibrateField, ARoundNotTakenIsListedAndTheNextReadsAfresh) {
  PanelHarness h;
  ControllerAtRest(h);
  h.start();
  OpenCalibration(h, [&](QDialog& d) {
    TypeSizes(d, {"55.31", "54.87", "", "", ""});
    h.link.refusePacket(3);
    zortest::Click(d, IDC_APPLY);
    EXPECT_EQ(RoundRow(d, 0).at(Result), "Not taken");
    EXPECT_EQ(RoundRow(d, 0).at(Edges), "not measured");
    // Which value was not taken stays in view.
    EXPECT_TRUE(zortest::AsDialog(d).GetDlgItemText(IDC_STATUS).startsWith("The new scale correction was not taken."));
    const auto& shown = h.transcript.events();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const std::string& e) { return e.starts_with("box"); }));
    h.transcript.clear();
    zortest::Click(d, IDC_APPLY);
    EXPECT_EQ(RoundRow(d, 1).at(Result), "Sent");
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  const auto& events = h.transcript.events();
  const auto scaleRead = std::find(events.begin(), events.end(), "query 75/8 -> 0");
  const auto firstSend =
      std::find_if(events.begin(), events.end(), [](const std::string& e) { return e.starts_with("send"); });
  EXPECT_LT(scaleRead, firstSend);
}

// Sizes within tolerance send nothing and say so.
TEST(CalibrateField, WithinToleranceSendsNothing) {
  PanelHarness h;
  ControllerAtRest(h);
  h.start();
  OpenCalibration(h, [](QDialog& d) {
    TypeSizes(d, {"50.01", "49.99", "50", "50", "50"});
    zortest::Click(d, IDC_APPLY);
    EXPECT_EQ(RoundRow(d, 0).at(Result), "Within tolerance; nothing sent");
    EXPECT_EQ(RoundRow(d, 0).at(Measured), "50.01 × 49.99");
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(Sent(h.transcript), std::vector<std::string>{});
}

// The keyboard leads through the steps: Tab in the order of the steps, Enter
// applies from a field, then marks again; Esc closes. Every control says
// what it is.
TEST(CalibrateField, KeyboardAndNames) {
  PanelHarness h;
  ControllerAtRest(h);
  h.start();
  OpenCalibration(h, [&](QDialog& d) {
    platform::Dialog& dialog = zortest::AsDialog(d);
    EXPECT_EQ(d.windowTitle(), "Calibrate Field");
    const std::pair<int, const char*> order[] = {
        {IDC_MARK, "Mark Corrected Square"},
        {IDC_WIDTH, "Width across the middle"},
        {IDC_HEIGHT, "Height across the middle"},
        {IDC_TOP, "Top edge"},
        {IDC_LEFT, "Left edge"},
        {IDC_NOMINAL, "Nominal size"},
        {IDC_APPLY, "Apply"},
        {IDC_ROUNDS, "Calibration rounds"},
        {platform::IDCANCEL, "Close"},
    };
    EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDC_MARK));
    for (const auto& [id, name] : order) {
      EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(id)) << name;
      EXPECT_EQ(zortest::AccessibleName(dialog.GetDlgItem(id)), name);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_FALSE(zortest::AccessibleName(dialog.GetDlgItem(IDC_FIGURE)).isEmpty());

    QTest::keyClick(dialog.GetDlgItem(IDC_MARK), Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDC_WIDTH));  // measure next
    TypeSizes(d, {"55.31", "54.87", "", "", ""});
    h.transcript.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SCALE_X_NOW), "1.00000");
    EXPECT_NE(dialog.GetDlgItemText(IDC_SCALE_X_NEW), "");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DISTORTION_X_NEW), "32768");  // width and height alone keep it
    // Then marking again is the default step, with the focus.
    EXPECT_TRUE(dialog.item<QPushButton>(IDC_MARK)->isDefault());
    EXPECT_FALSE(dialog.item<QPushButton>(IDC_APPLY)->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDC_MARK));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Sent(h.transcript).back(), "send 0A 00");
    EXPECT_TRUE(dialog.item<QPushButton>(IDC_APPLY)->isDefault());
    // The same sizes again: the square came no closer, and the dialog says so.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dialog.item<QPushButton>(IDC_MARK)->isDefault());
    const auto& events = h.transcript.events();
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [](const std::string& e) {
      return e.starts_with("box [Calibrate Field] The last round did not bring the square closer");
    }));
    // Sizes typed while Mark is the default: Enter applies them.
    Type(d, IDC_WIDTH, "55.02");
    EXPECT_TRUE(dialog.item<QPushButton>(IDC_APPLY)->isDefault());
    EXPECT_FALSE(dialog.item<QPushButton>(IDC_MARK)->isDefault());
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
  });
}

// A family without the square marks has no Mark button to press.
TEST(CalibrateField, MarkFollowsTheFamily) {
  PanelHarness h;
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("N-20"));
  h.start();
  OpenCalibration(h, [](QDialog& d) {
    EXPECT_FALSE(zortest::AsDialog(d).GetDlgItem(IDC_MARK)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), zortest::AsDialog(d).GetDlgItem(IDC_WIDTH));
    QTest::keyClick(&d, Qt::Key_Escape);
  });
}

}  // namespace

}  // namespace zor::dialogs
