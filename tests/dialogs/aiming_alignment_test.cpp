// The aiming diode alignment, opened from the main panel and walked through
// its two points with the real buttons and keys.
#include "dialogs/aiming_alignment.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "tests/dialogs/dialog_script.h"
#include "tests/support/panel_harness.h"

namespace zor::dialogs {

using zortest::ClickStep;
using zortest::KeyStep;
using zortest::PanelHarness;
using zortest::Sent;
using zortest::Step;
using zortest::Transcript;

namespace {

const std::string kBox = zortest::PanelBox(u"");
const std::string kNotConnected = zortest::kNotConnectedPanelBox;

void StartNz(PanelHarness& h) {
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-100"));
  h.start();
}

struct AlignmentRun {
  const char* name;
  std::vector<Step> steps;
  Transcript expected;  // after "send 0B 00" and "modal Aiming Diode Alignment"
  int result;
};

TEST(AimingAlignment, EveryWayOutSendsTheEndOnce) {
  const Step next = ClickStep("Next", aiming::IDC_NEXT);
  const Step save = ClickStep("Save", aiming::IDC_NEXT);
  const Step cancel = ClickStep("Cancel", platform::IDCANCEL);
  const Step enter = KeyStep("Enter", Qt::Key_Return);
  const Step esc = KeyStep("Esc", Qt::Key_Escape);
  const Step closeBox = zortest::CloseBoxStep();
  const Step up = ClickStep("UP", aiming::IDC_UP), down = ClickStep("DOWN", aiming::IDC_DOWN),
             right = ClickStep("RIGHT", aiming::IDC_RIGHT), left = ClickStep("LEFT", aiming::IDC_LEFT);
  const AlignmentRun runs[] = {
      {"Cancel at once", {cancel}, {"send 9A 00"}, platform::IDCANCEL},
      {"Esc at once", {esc}, {"send 9A 00"}, platform::IDCANCEL},
      {"close box at once", {closeBox}, {"send 9A 00"}, platform::IDCANCEL},
      {"Next, Save", {next, save}, {"send 0C 00", "send 0D 00", "wait 500", "send 9A 00"}, platform::IDOK},
      {"Enter, Enter", {enter, enter}, {"send 0C 00", "send 0D 00", "wait 500", "send 9A 00"}, platform::IDOK},
      {"Next, Cancel: never 13", {next, cancel}, {"send 0C 00", "send 9A 00"}, platform::IDCANCEL},
      {"Next, Esc", {next, esc}, {"send 0C 00", "send 9A 00"}, platform::IDCANCEL},
      {"Next, close box", {next, closeBox}, {"send 0C 00", "send 9A 00"}, platform::IDCANCEL},
      {"jogs at both points",
       {up, down, right, left, next, left, right, down, up, save},
       {"send 04 00", "send 05 00", "send 06 00", "send 07 00", "send 0C 00", "send 07 00", "send 06 00", "send 05 00",
        "send 04 00", "send 0D 00", "wait 500", "send 9A 00"},
       platform::IDOK},
  };
  for (const AlignmentRun& r : runs) {
    SCOPED_TRACE(r.name);
    PanelHarness h;
    StartNz(h);
    int result = -1;
    h.prompter.queue([&](QDialog& d) {
      for (const Step& step : r.steps) {
        SCOPED_TRACE(step.name);
        EXPECT_TRUE(d.isVisible());
        step.act(d);
      }
      EXPECT_FALSE(d.isVisible());
      result = d.result();
      return result;
    });
    h.press(resources::panel::IDC_AIMING_ALIGNMENT);
    Transcript expected{"send 0B 00", "modal Aiming Diode Alignment"};
    for (const std::string& e : r.expected.events()) expected.add(e);
    EXPECT_EQ(h.transcript, expected);
    EXPECT_EQ(result, r.result);
  }
}

struct FailedRun {
  const char* name;
  std::size_t refused;  // counted from the begin (11)
  std::vector<Step> steps;
  std::vector<bool> openAfter;  // whether the dialog is still open after each step
  std::vector<std::string> sent;
};

// The alignment keeps its codes whatever failed, and every way out ends the
// mode with exactly one 154 that reached the link.
TEST(AimingAlignment, AFailedStepKeepsTheAlignmentItsOwnCodes) {
  const Step next = ClickStep("Next", aiming::IDC_NEXT);
  const Step save = ClickStep("Save", aiming::IDC_NEXT);
  const Step cancel = ClickStep("Cancel", platform::IDCANCEL);
  const FailedRun runs[] = {
      {"save refused, saved again",
       3,
       {next, save, save},
       {true, true, false},
       {"send 0B 00", "send 0C 00", "send 0D 00 -> 2", "send 0D 00", "wait 500", "send 9A 00"}},
      {"the end after the save refused: closed, never a second end",
       4,
       {next, save},
       {true, false},
       {"send 0B 00", "send 0C 00", "send 0D 00", "wait 500", "send 9A 00 -> 2"}},
      {"next refused stays at the first point",
       2,
       {next, cancel},
       {true, false},
       {"send 0B 00", "send 0C 00 -> 2", "send 9A 00"}},
  };
  for (const FailedRun& r : runs) {
    SCOPED_TRACE(r.name);
    PanelHarness h;
    StartNz(h);
    h.link.refusePacket(r.refused);
    h.prompter.queue([&](QDialog& d) {
      for (std::size_t i = 0; i < r.steps.size(); ++i) {
        SCOPED_TRACE(r.steps[i].name);
        r.steps[i].act(d);
        EXPECT_EQ(d.isVisible(), r.openAfter[i]);
      }
      return d.result();
    });
    h.press(resources::panel::IDC_AIMING_ALIGNMENT);
    EXPECT_EQ(Sent(h.transcript), r.sent);
  }
}

struct Shown {
  QString label, labelName, button, buttonName;
  int step;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << s.step << " [" << s.label.toStdString() << "|" << s.labelName.toStdString() << "] ["
             << s.button.toStdString() << "|" << s.buttonName.toStdString() << "]";
}

Shown What(QDialog& d) {
  auto& dialog = static_cast<AimingAlignment&>(d);
  auto* label = dialog.item<QLabel>(aiming::IDC_POINT);
  auto* button = dialog.item<QPushButton>(aiming::IDC_NEXT);
  EXPECT_EQ(dialog.m_wndPointLabel, label);
  EXPECT_EQ(dialog.m_btnNext, button);
  return {label->text(), zortest::AccessibleName(label), button->text(), zortest::AccessibleName(button),
          dialog.m_nStep};
}

TEST(AimingAlignment, NextNamesTheSecondPointAndAFreshRunStartsOver) {
  const Shown first{"CENTER OF TOP LEFT", "CENTER OF TOP LEFT", "Next", "Next", 0};
  const Shown second{"CENTER OF RIGHT BOTTOM", "CENTER OF RIGHT BOTTOM", "Save", "Save", 1};
  PanelHarness h;
  StartNz(h);
  std::vector<Shown> seen;
  h.prompter.queue([&](QDialog& d) {
    seen.push_back(What(d));
    zortest::Click(d, aiming::IDC_NEXT);
    seen.push_back(What(d));
    zortest::Click(d, aiming::IDC_UP);  // jogs leave the point alone
    seen.push_back(What(d));
    zortest::Click(d, platform::IDCANCEL);
    return d.result();
  });
  h.prompter.queue([&](QDialog& d) {
    seen.push_back(What(d));
    zortest::Key(d, Qt::Key_Escape);
    return d.result();
  });
  h.press(resources::panel::IDC_AIMING_ALIGNMENT);
  h.press(resources::panel::IDC_AIMING_ALIGNMENT);
  EXPECT_EQ(seen, (std::vector<Shown>{first, second, second, first}));
}

TEST(AimingAlignment, TemplateCaptionsAndGeometry) {
  PanelHarness h;
  StartNz(h);
  h.prompter.queue([&](QDialog& d) {
    platform::Dialog& dialog = zortest::AsDialog(d);
    EXPECT_EQ(d.windowTitle(), "Aiming Diode Alignment");
    const platform::DialogUnits& u = dialog.units();
    EXPECT_EQ(d.size(), QSize(u.x(212), u.y(106)));
    const struct {
      int id;
      const char* caption;
      QRect at;
    } controls[] = {
        {aiming::IDC_NEXT, "Next", u.rect(155, 65, 50, 14)},
        {platform::IDCANCEL, "Cancel", u.rect(155, 85, 50, 14)},
        {aiming::IDC_UP, "UP", u.rect(51, 7, 50, 14)},
        {aiming::IDC_LEFT, "LEFT", u.rect(7, 35, 50, 14)},
        {aiming::IDC_RIGHT, "RIGHT", u.rect(91, 35, 50, 14)},
        {aiming::IDC_DOWN, "DOWN", u.rect(51, 62, 50, 14)},
        {aiming::IDC_POINT, "CENTER OF TOP LEFT", u.rect(43, 91, 71, 8)},
    };
    for (const auto& c : controls) {
      QWidget* w = dialog.GetDlgItem(c.id);
      if (!w) {
        ADD_FAILURE() << "no control " << c.id;
        continue;
      }
      EXPECT_EQ(dialog.GetDlgItemText(c.id), c.caption);
      EXPECT_EQ(zortest::AccessibleName(w), c.caption);
      if (qobject_cast<QLabel*>(w)) {
        // A static text keeps its place and grows only as far as its text needs.
        EXPECT_TRUE(w->geometry().contains(c.at)) << c.caption;
        EXPECT_EQ(w->geometry().left(), c.at.left()) << c.caption;
      } else {
        EXPECT_EQ(w->geometry(), c.at) << c.caption;
      }
      if (auto* button = qobject_cast<QPushButton*>(w)) {
        EXPECT_EQ(button->isDefault(), c.id == aiming::IDC_NEXT);
      }
    }
    zortest::Click(d, platform::IDCANCEL);
    return d.result();
  });
  h.press(resources::panel::IDC_AIMING_ALIGNMENT);
}

// The dialog never runs unconnected from the panel, but if it did, Cancel
// must still close it.
TEST(AimingAlignment, CancelClosesEvenWhenTheEndCannotBeSent) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  zor::service::AdjustmentSession adjustment(h.panel().service(), zor::service::Adjustment::Aiming);
  const auto shown = zortest::ShowWithoutOpener<AimingAlignment>(h, adjustment);
  AimingAlignment& dialog = *shown;
  zortest::Click(dialog, platform::IDCANCEL);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), platform::IDCANCEL);
  EXPECT_EQ(h.transcript, (Transcript{kNotConnected, "find -> 0"}));
}

}  // namespace

}  // namespace zor::dialogs
