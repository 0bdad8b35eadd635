// The service-password step in front of the identity Sets: what is accepted,
// how it is refused, and that every guarded press asks afresh.
#include <gtest/gtest.h>

#include <QLabel>

#include "platform/combo_box.h"
#include "resources/resource.h"
#include "tests/panel/panel_test_util.h"

namespace zor::panel {

using namespace zor::resources::panel;
using namespace paneltest;

namespace {

// ---- the prompt itself ----------------------------------------------------------

TEST(ServicePassword, PromptIsAFreshMaskedEmptyFieldEveryTime) {
  PanelHarness h;
  Start(h, kNZ);
  int runs = 0;
  auto look = [&](QDialog& d) {
    auto& dlg = AsDialog(d);
    auto* edit = dlg.item<QLineEdit>(dialogs::password::IDC_PASSWORD);
    EXPECT_EQ(d.windowTitle(), "Password");
    EXPECT_EQ(dlg.GetDlgItemText(dialogs::password::IDC_PROMPT), "Password :");
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->text(), "");  // nothing kept from the previous entry
    EXPECT_EQ(edit->accessibleName(), "Password :");
    EXPECT_TRUE(dlg.item<QPushButton>(platform::IDOK)->isDefault());
    EXPECT_EQ(d.parentWidget(), &h.panel());
    ++runs;
    return EnterPassword(kPassword)(d);
  };
  h.prompter.queue(look);
  h.prompter.queue(look);
  h.press(IDC_SERIAL_SET);
  h.press(IDC_SERIAL_SET);
  EXPECT_EQ(runs, 2);
}

// ---- accepting and refusing ---------------------------------------------------------

struct EntryCase {
  const char* name;
  QString typed;
  Leave leave;
  bool goesOn;
};

class PasswordEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(PasswordEntry, GoesOnOnlyOnAMatchConfirmedWithOk) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kNZ);
  h.type(IDC_SERIAL_NUMBER, "5678");
  h.prompter.queue(EnterPassword(c.typed, c.leave));
  h.press(IDC_SERIAL_SET);
  if (c.goesOn) {
    EXPECT_EQ(h.transcript, Events({{"modal Password"}, TextEvents(zor::protocol::CMD_SET_SERIAL_NUMBER, "5678")}));
  } else {
    EXPECT_EQ(h.transcript, (Transcript{"modal Password"}));  // silent: no box, nothing sent
  }
  EXPECT_EQ(h.text(IDC_SERIAL_NUMBER), "5678");
  EXPECT_EQ(h.text(IDC_MODEL_NAME), "NZ-300");
  EXPECT_TRUE(h.panel().isVisible());  // Esc in the prompt does not close the panel
}

INSTANTIATE_TEST_SUITE_P(ServicePassword, PasswordEntry,
                         ::testing::Values(EntryCase{"Exact", kPassword, Leave::OkButton, true},
                                           EntryCase{"EnterKey", kPassword, Leave::EnterKey, true},
                                           EntryCase{"AllLowerCase", "kplvoxen", Leave::OkButton, true},
                                           EntryCase{"AllUpperCase", "KPLVOXEN", Leave::OkButton, true},
                                           EntryCase{"TrailingBlank", "KPLVoxen ", Leave::OkButton, false},
                                           EntryCase{"LeadingBlank", " KPLVoxen", Leave::OkButton, false},
                                           EntryCase{"Empty", "", Leave::OkButton, false},
                                           EntryCase{"EmptyEnter", "", Leave::EnterKey, false},
                                           EntryCase{"OneShort", "KPLVoxe", Leave::OkButton, false},
                                           EntryCase{"OneLong", "KPLVoxenn", Leave::OkButton, false},
                                           EntryCase{"RightThenCancel", kPassword, Leave::CancelButton, false},
                                           EntryCase{"RightThenEsc", kPassword, Leave::EscKey, false},
                                           EntryCase{"RightThenCloseBox", kPassword, Leave::CloseBox, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct GuardedCase {
  const char* name;
  int button;
};

class GuardedOperations : public ::testing::TestWithParam<GuardedCase> {};

TEST_P(GuardedOperations, EveryWayOfRefusingEndsSilentlyWithNoFieldChanged) {
  for (const auto& [typed, leave] : {std::pair<QString, Leave>{"nope", Leave::OkButton},
                                     {"", Leave::OkButton},
                                     {kPassword, Leave::CancelButton},
                                     {kPassword, Leave::EscKey},
                                     {kPassword, Leave::CloseBox}}) {
    PanelHarness h;
    Start(h, kNZ);
    h.choose(IDC_CTRLR_MODEL, 1);
    h.type(IDC_MOVE_X, "12");
    h.prompter.queue(EnterPassword(typed, leave));
    h.press(GetParam().button);
    EXPECT_EQ(h.transcript, (Transcript{"modal Password"})) << typed.toStdString();
    EXPECT_EQ(h.text(IDC_SERIAL_NUMBER), "1234");
    EXPECT_EQ(h.text(IDC_MODEL_NAME), "NZ-300");
    EXPECT_EQ(h.text(IDC_CTRLR_MODEL), "100022");
    EXPECT_EQ(h.panel().item<platform::ComboBox>(IDC_CTRLR_MODEL)->curSel(), 1);
    EXPECT_EQ(h.text(IDC_MOVE_X), "12");
  }
}

// The password comes before the connection check: a refusal never asks for
// the controller, and a match then finds it missing.
TEST_P(GuardedOperations, AskBeforeTheConnectionCheck) {
  PanelHarness h;
  StartUnconnected(h);
  h.prompter.queue(EnterPassword("nope"));
  h.invoke(GetParam().button);
  h.prompter.queue(EnterPassword(kPassword));
  h.invoke(GetParam().button);
  EXPECT_EQ(h.transcript, (Transcript{"modal Password", "modal Password", kNotConnectedBox, "find -> 0"}));
}

INSTANTIATE_TEST_SUITE_P(ServicePassword, GuardedOperations,
                         ::testing::Values(GuardedCase{"SerialNumber", IDC_SERIAL_SET},
                                           GuardedCase{"ModelName", IDC_MODEL_SET},
                                           GuardedCase{"ControllerModel", IDC_CTRLR_MODEL_SET}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ServicePassword, TwoGuardedOperationsInARowEachAsk) {
  PanelHarness h;
  Start(h, kNZ);
  h.type(IDC_SERIAL_NUMBER, "9");
  h.type(IDC_MODEL_NAME, "M");
  h.prompter.queue(EnterPassword(kPassword));
  h.prompter.queue(EnterPassword(kPassword));
  h.prompter.queue(EnterPassword(kPassword));
  h.press(IDC_SERIAL_SET);
  h.press(IDC_MODEL_SET);
  h.press(IDC_MODEL_SET);
  EXPECT_EQ(h.transcript, Events({{"modal Password"},
                                  TextEvents(zor::protocol::CMD_SET_SERIAL_NUMBER, "9"),
                                  {"modal Password"},
                                  TextEvents(zor::protocol::CMD_SET_MODEL_NAME, "M"),
                                  {"modal Password"},
                                  TextEvents(zor::protocol::CMD_SET_MODEL_NAME, "M")}));
}

TEST(ServicePassword, ARefusalIsForgottenByTheNextPress) {
  PanelHarness h;
  Start(h, kNZ);
  h.type(IDC_MODEL_NAME, "Q");
  h.prompter.queue(EnterPassword("wrong"));
  h.prompter.queue(EnterPassword("kplVOXEN"));
  h.press(IDC_MODEL_SET);
  h.press(IDC_MODEL_SET);
  EXPECT_EQ(h.transcript,
            Events({{"modal Password", "modal Password"}, TextEvents(zor::protocol::CMD_SET_MODEL_NAME, "Q")}));
}

}  // namespace

}  // namespace zor::panel
