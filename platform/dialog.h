#pragma once
// Our dialog layer over Qt Widgets: a QDialog built from a template,
// with controls reached by identifier, one table of button handlers, modal
// runs through the prompter, and value exchange with validation.

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/prompter.h"

class QLineEdit;
class QMenu;
class QPixmap;
class QMenuBar;

namespace zor::platform {

class Dialog;

// Copies values between members and controls. Saving (controls to members)
// stops at the first field that fails its check, after the standard prompt:
// every field after it is left alone, control and member, and ok() is false.
class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool saveAndValidate) : dialog_(dialog), saving_(saveAndValidate) {}
  bool saving() const { return saving_; }
  // No field has failed its check.
  bool ok() const { return !failed_; }

  void text(int id, QString& value);
  void number(int id, std::uint32_t& value, std::uint32_t min, std::uint32_t max);
  void number(int id, std::int32_t& value);
  // Saving: takes the field's number when it is a whole number, without a
  // prompt when it is not (the member then keeps its value).
  void numberIfWhole(int id, std::int32_t& value);

 private:
  std::optional<std::int32_t> wholeNumber(int id) const;
  // Prompts, puts the focus on the field, and ends the exchange.
  void fail(int id, const QString& prompt);
  Dialog& dialog_;
  bool saving_;
  bool failed_ = false;
};

// The standard prompts of a field that fails its check, in the user's language.
QString promptInteger();                               // "Please enter an integer."
QString promptPositiveInteger();                       // "Please enter a positive integer."
QString promptIntegerBetween(qint64 min, qint64 max);  // "Please enter an integer between %1 and %2."

class Dialog : public QDialog {
  Q_OBJECT
 public:
  Dialog(const DialogTemplate& tmpl, Prompter& prompter, QWidget* parent = nullptr);
  ~Dialog() override;

  // Creates the controls, runs OnInitDialog and then the modal loop.
  int DoModal();
  // The same without the modal loop: what tests drive directly.
  void Initialize();
  void EndDialog(int result);
  // false: from members to controls; true: from controls to members, with checks.
  bool UpdateData(bool saveAndValidate = true);
  // The same for some of the fields only: an operation takes just what it uses.
  bool Exchange(bool saveAndValidate, const std::function<void(DataExchange&)>& fields);

  QWidget* GetDlgItem(int id) const;
  template <class W>
  W* item(int id) const {
    return qobject_cast<W*>(GetDlgItem(id));
  }
  QString GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const QString& text);
  void EnableDlgItem(int id, bool enable);
  // Shows a bitmap in a picture control at the bitmap's own size.
  void SetPicture(int id, const QPixmap& bitmap);

  const DialogTemplate& dialogTemplate() const { return tmpl_; }
  // A text of the template in the user's language (its context's translation).
  QString templateText(const char* text) const;
  const DialogUnits& units() const { return units_; }
  Prompter& prompter() const { return prompter_; }
  // The window menu, made on first use: a menu bar above the template's area
  // that Alt+Space also opens. Commands arrive at OnSysCommand.
  QMenu* systemMenu();
  void appendSystemMenuItem(int id, const QString& text);

  // Runs the command bound to a control as a press of it would.
  void runCommand(int id);

 protected:
  using Handler = std::function<void()>;

  virtual bool OnInitDialog();
  virtual void DoDataExchange(DataExchange&) {}
  virtual void OnOK();
  virtual void OnCancel();
  virtual void OnSysCommand(int id);
  // Controls of Kind::Custom are made here.
  virtual QWidget* createCustomControl(const ControlTemplate&) { return nullptr; }

  // The one table of button handlers of this dialog.
  void bindCommands(std::initializer_list<std::pair<const int, Handler>> table);

  void changeEvent(QEvent* event) override;

 private:
  friend class DataExchange;
  void ensureCreated();
  void createControls();
  QWidget* createControl(const ControlTemplate& t, QString& lastLabel, QLineEdit*& lastEdit);
  void nameControl(const ControlTemplate& t, QWidget* w, const QString& lastLabel);
  void layoutControls();
  // Gives every static text of the template the room its text needs.
  void fitStaticTexts();
  QRect templateRect(const ControlTemplate& t) const;  // pixels, below the menu bar
  int menuBarHeight() const;
  void reject() override;
  void accept() override;

  const DialogTemplate& tmpl_;
  Prompter& prompter_;
  DialogUnits units_;
  bool created_ = false;
  std::map<int, QWidget*> items_;                                     // by identifier
  std::vector<std::pair<const ControlTemplate*, QWidget*>> widgets_;  // template order
  std::map<int, Handler> commands_;
  QMenuBar* menuBar_ = nullptr;
  QMenu* systemMenu_ = nullptr;
};

inline constexpr int SC_CLOSE = 0xF060;

}  // namespace zor::platform
