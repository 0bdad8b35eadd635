#include "platform/dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include "platform/combo_box.h"
#include "platform/ip_address_ctrl.h"
#include "platform/up_down.h"

namespace zor::platform {

namespace {

QFont dialogFont(int pointSize) {
  QFont font = QApplication::font();
  font.setPointSize(pointSize);
  return font;
}

// The dialog's layout. Controls keep the rectangles of their template; this
// layout only hears from Qt whenever a control's size hint may have changed
// (a label's new text, whoever sets it, or a control being shown), which is
// when static texts are fitted again.
class TemplateLayout final : public QLayout {
 public:
  TemplateLayout(QWidget* dialog, std::function<void()> hintsChanged)
      : QLayout(dialog), hintsChanged_(std::move(hintsChanged)) {
    setSizeConstraint(QLayout::SetNoConstraint);  // the dialog keeps its template size
    setContentsMargins(0, 0, 0, 0);
  }
  void addItem(QLayoutItem* item) override { delete item; }
  QLayoutItem* itemAt(int) const override { return nullptr; }
  QLayoutItem* takeAt(int) override { return nullptr; }
  int count() const override { return 0; }
  QSize sizeHint() const override { return {}; }
  void invalidate() override {
    QLayout::invalidate();
    hintsChanged_();
  }

 private:
  std::function<void()> hintsChanged_;
};

}  // namespace

QString promptInteger() { return QCoreApplication::translate("platform::Dialog", "Please enter an integer."); }

QString promptPositiveInteger() {
  return QCoreApplication::translate("platform::Dialog", "Please enter a positive integer.");
}

QString promptIntegerBetween(qint64 min, qint64 max) {
  return QCoreApplication::translate("platform::Dialog", "Please enter an integer between %1 and %2.")
      .arg(min)
      .arg(max);
}

// ---- value exchange -------------------------------------------------------

void DataExchange::text(int id, QString& value) {
  if (failed_) return;
  if (saving_) {
    value = dialog_.GetDlgItemText(id);
  } else {
    dialog_.SetDlgItemText(id, value);
  }
}

void DataExchange::number(int id, std::uint32_t& value, std::uint32_t min, std::uint32_t max) {
  if (failed_) return;
  if (!saving_) {
    dialog_.SetDlgItemText(id, QString::number(value));
    return;
  }
  const QString text = dialog_.GetDlgItemText(id).trimmed();
  bool ok = !text.startsWith(QLatin1Char('-'));
  const qulonglong parsed = ok ? text.toULongLong(&ok, 10) : 0;
  if (!ok || parsed > 0xFFFFFFFFull) return fail(id, promptPositiveInteger());
  if (parsed < min || parsed > max) return fail(id, promptIntegerBetween(min, max));
  value = static_cast<std::uint32_t>(parsed);
}

void DataExchange::number(int id, std::int32_t& value) {
  if (failed_) return;
  if (!saving_) {
    dialog_.SetDlgItemText(id, QString::number(value));
    return;
  }
  const std::optional<std::int32_t> parsed = wholeNumber(id);
  if (!parsed) return fail(id, promptInteger());
  value = *parsed;
}

void DataExchange::numberIfWhole(int id, std::int32_t& value) {
  if (failed_) return;
  if (!saving_) {
    dialog_.SetDlgItemText(id, QString::number(value));
    return;
  }
  if (const std::optional<std::int32_t> parsed = wholeNumber(id)) value = *parsed;
}

std::optional<std::int32_t> DataExchange::wholeNumber(int id) const {
  bool ok = false;
  const int parsed = dialog_.GetDlgItemText(id).trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return parsed;
}

void DataExchange::fail(int id, const QString& prompt) {
  dialog_.prompter().showMessage(&dialog_, prompt, applicationTitle(), Prompter::Icon::Warning);
  if (QWidget* control = dialog_.GetDlgItem(id)) {
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
  }
  failed_ = true;
}

// ---- dialog ---------------------------------------------------------------

Dialog::Dialog(const DialogTemplate& tmpl, Prompter& prompter, QWidget* parent)
    : QDialog(parent), tmpl_(tmpl), prompter_(prompter), units_(dialogFont(tmpl.pointSize)) {
  setWindowTitle(templateText(tmpl.caption));
  setFont(dialogFont(tmpl.pointSize));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

// The layout goes first: it must not call back into a dialog that is half gone.
Dialog::~Dialog() { delete layout(); }

int Dialog::DoModal() {
  Initialize();
  return prompter_.runModal(*this);
}

void Dialog::Initialize() {
  ensureCreated();
  OnInitDialog();
}

void Dialog::EndDialog(int result) { done(result); }

QString Dialog::templateText(const char* text) const {
  if (!text || !*text) return {};
  return tmpl_.context ? QCoreApplication::translate(tmpl_.context, text) : QString::fromUtf8(text);
}

bool Dialog::UpdateData(bool saveAndValidate) {
  return Exchange(saveAndValidate, [this](DataExchange& dx) { DoDataExchange(dx); });
}

bool Dialog::Exchange(bool saveAndValidate, const std::function<void(DataExchange&)>& fields) {
  ensureCreated();
  DataExchange exchange(*this, saveAndValidate);
  fields(exchange);
  return exchange.ok();
}

QWidget* Dialog::GetDlgItem(int id) const {
  const auto it = items_.find(id);
  return it == items_.end() ? nullptr : it->second;
}

QString Dialog::GetDlgItemText(int id) const {
  QWidget* w = GetDlgItem(id);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
  if (auto* address = qobject_cast<IpAddressCtrl*>(w)) return address->text();
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
  if (w) return w->property("text").toString();
  return {};
}

void Dialog::SetDlgItemText(int id, const QString& text) {
  QWidget* w = GetDlgItem(id);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(text);
    edit->setCursorPosition(0);  // show the start of a long text, as a fresh field does
  } else if (auto* combo = qobject_cast<ComboBox*>(w)) {
    combo->setFieldText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->setEditText(text);
  } else if (auto* address = qobject_cast<IpAddressCtrl*>(w)) {
    address->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(text);
  } else if (w) {
    w->setProperty("text", text);
  }
}

void Dialog::EnableDlgItem(int id, bool enable) {
  if (QWidget* w = GetDlgItem(id)) w->setEnabled(enable);
}

void Dialog::SetPicture(int id, const QPixmap& bitmap) {
  if (auto* picture = item<QLabel>(id)) {
    picture->setPixmap(bitmap);
    picture->resize(bitmap.deviceIndependentSize().toSize());
  }
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::OnSysCommand(int id) {
  if (id == SC_CLOSE) close();
}

void Dialog::bindCommands(std::initializer_list<std::pair<const int, Handler>> table) {
  commands_.insert(table.begin(), table.end());
}

// One press, one user operation. An aborted operation ends here quietly: the
// code that aborted it has already told the user.
void Dialog::runCommand(int id) {
  if (const auto it = commands_.find(id); it != commands_.end()) {
    it->second();
  } else if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  }
}

// Esc and the close box cancel; both arrive here.
void Dialog::reject() { runCommand(IDCANCEL); }
void Dialog::accept() { runCommand(IDOK); }

QMenu* Dialog::systemMenu() {
  if (!systemMenu_) {
    menuBar_ = new QMenuBar(this);
    systemMenu_ = menuBar_->addMenu(tr("&System"));
    QAction* close = systemMenu_->addAction(tr("&Close"));
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    // Queued: a command that runs a modal loop must not hold up whoever
    // triggered the item (an assistive tool waits for its call to return).
    connect(
        close, &QAction::triggered, this, [this] { OnSysCommand(SC_CLOSE); }, Qt::QueuedConnection);
    auto* open = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(open, &QShortcut::activated, this,
            [this] { systemMenu_->popup(mapToGlobal(QPoint(0, menuBar_->height()))); });
    layoutControls();
  }
  return systemMenu_;
}

void Dialog::appendSystemMenuItem(int id, const QString& text) {
  QAction* action = systemMenu()->addAction(text);
  action->setData(id);  // the command, whatever language the text is in
  connect(
      action, &QAction::triggered, this, [this, id] { OnSysCommand(id); }, Qt::QueuedConnection);
}

void Dialog::ensureCreated() {
  if (created_) return;
  created_ = true;
  createControls();
  layoutControls();
  new TemplateLayout(this, [this] { fitStaticTexts(); });
}

void Dialog::createControls() {
  QString lastLabel;
  QLineEdit* lastEdit = nullptr;
  for (const ControlTemplate& t : tmpl_.controls) {
    QWidget* w = createControl(t, lastLabel, lastEdit);
    nameControl(t, w, lastLabel);
    if (t.style & Hidden) w->setVisible(false);
    if (t.style & Disabled) w->setEnabled(false);
    if (t.id != IDC_STATIC) items_[t.id] = w;
    widgets_.emplace_back(&t, w);
  }
}

// The widget of one control; a label is remembered for the field after it,
// an edit for the up-down after it.
QWidget* Dialog::createControl(const ControlTemplate& t, QString& lastLabel, QLineEdit*& lastEdit) {
  // An edit's caption is its initial value, never translated.
  const QString caption = t.kind == Kind::Edit ? QString::fromUtf8(t.caption) : templateText(t.caption);
  QWidget* w = nullptr;
  switch (t.kind) {
    case Kind::GroupBox: {
      auto* group = new QGroupBox(caption, this);
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      w = group;
      break;
    }
    case Kind::Label: {
      auto* label = new QLabel(caption, this);
      label->setAlignment(((t.style & AlignRight) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      lastLabel = caption;
      w = label;
      break;
    }
    case Kind::Edit: {
      auto* edit = new QLineEdit(caption, this);
      if (t.style & Password) edit->setEchoMode(QLineEdit::Password);
      lastEdit = edit;
      w = edit;
      break;
    }
    case Kind::Button: {
      auto* button = new QPushButton(caption, this);
      if (t.style & DefaultButton) button->setDefault(true);
      const int id = t.id;
      connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
      w = button;
      break;
    }
    case Kind::CheckBox:
      w = new QCheckBox(caption, this);
      break;
    case Kind::ComboDropDown:
      w = new ComboBox(this);
      break;
    case Kind::UpDown: {
      auto* upDown = new UpDown(this);
      upDown->setBuddy(lastEdit);
      w = upDown;
      break;
    }
    case Kind::Picture: {
      auto* picture = new QLabel(this);
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      w = picture;
      break;
    }
    case Kind::IpAddress:
      w = new IpAddressCtrl(this);
      break;
    case Kind::Custom:
      w = createCustomControl(t);
      if (!w) w = new QLineEdit(this);
      w->setParent(this);
      break;
  }
  return w;
}

// The control's accessible name and description, and the label that is its buddy.
void Dialog::nameControl(const ControlTemplate& t, QWidget* w, const QString& lastLabel) {
  QString name = templateText(t.accessibleName);
  // Labels, group boxes and buttons name themselves after their text, and
  // keep doing so when the text changes; fields take their label's text.
  const bool field = t.kind == Kind::Edit || t.kind == Kind::ComboDropDown || t.kind == Kind::IpAddress ||
                     t.kind == Kind::Custom || t.kind == Kind::UpDown;
  if (name.isEmpty() && field) name = lastLabel;
  if (!name.isEmpty()) w->setAccessibleName(name);
  // Qt names an editable combo after its current text on this platform; the
  // label's text then stays reachable as its description (and its label relation).
  if (t.kind == Kind::ComboDropDown) w->setAccessibleDescription(name);
  if (t.kind == Kind::Edit || t.kind == Kind::ComboDropDown || t.kind == Kind::IpAddress || t.kind == Kind::Custom) {
    if (auto* label = widgets_.empty() ? nullptr : qobject_cast<QLabel*>(widgets_.back().second)) {
      if (widgets_.back().first->kind == Kind::Label) label->setBuddy(w);
    }
  }
}

int Dialog::menuBarHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

QRect Dialog::templateRect(const ControlTemplate& t) const {
  return units_.rect(t.x, t.y, t.cx, t.cy).translated(0, menuBarHeight());
}

void Dialog::layoutControls() {
  units_ = DialogUnits(font());
  const int top = menuBarHeight();
  if (menuBar_) menuBar_->setGeometry(0, 0, units_.x(tmpl_.cx), top);
  for (auto& [t, w] : widgets_) {
    QRect r = templateRect(*t);
    if (t->kind == Kind::Picture) {
      if (auto* picture = qobject_cast<QLabel*>(w); picture && !picture->pixmap().isNull()) {
        r.setSize(picture->pixmap().deviceIndependentSize().toSize());
      }
    }
    w->setGeometry(r);
  }
  // An up-down sits on the right edge of its buddy, inside the buddy's rectangle.
  for (auto& [t, w] : widgets_) {
    if (auto* upDown = qobject_cast<UpDown*>(w); upDown && upDown->buddy()) {
      QRect b = upDown->buddy()->geometry();
      const int width = units_.x(t->cx);
      upDown->setGeometry(b.right() - width + 1, b.top(), width, b.height());
      upDown->buddy()->setGeometry(b.adjusted(0, 0, -width, 0));
    }
  }
  setFixedSize(units_.x(tmpl_.cx), units_.y(tmpl_.cy) + top);
  fitStaticTexts();
}

// A static text set at run time, or one that the font makes wider than its
// template rectangle, would be cut off: it grows, keeping its alignment, as
// far as the dialog allows. A shorter text takes the template rectangle again.
void Dialog::fitStaticTexts() {
  const QRect client(0, menuBarHeight(), units_.x(tmpl_.cx), units_.y(tmpl_.cy));
  for (auto& [t, w] : widgets_) {
    if (t->kind != Kind::Label) continue;
    auto* label = static_cast<QLabel*>(w);
    const QRect r = grownToFit(templateRect(*t), label->sizeHint(), label->alignment(), client);
    if (label->geometry() != r) label->setGeometry(r);
  }
}

void Dialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange && created_) layoutControls();
  QDialog::changeEvent(event);
}

}  // namespace zor::platform
