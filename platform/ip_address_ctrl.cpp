#include "platform/ip_address_ctrl.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace zor::platform {
namespace {

constexpr int kMaxOctet = 255;
constexpr int kFieldDigits = 3;
constexpr int kAddressChars = 15;  // "255.255.255.255"

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

int frameWidth(const QWidget* w) {
  QStyleOptionFrame opt;
  opt.initFrom(w);
  return w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, w);
}

}  // namespace

IpAddressCtrl::IpAddressCtrl(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  const int frame = frameWidth(this);
  layout->setContentsMargins(frame, frame, frame, frame);
  layout->setSpacing(0);

  // A field takes up to three digits, or a whole dotted address pasted into
  // it, which is then spread over the fields from there on.
  const auto* digits = new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]{0,3}|([0-9]{0,3}\\.){1,3}[0-9]{0,3}")), this);
  const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 4;
  for (int i = 0; i < kFieldCount; ++i) {
    if (i > 0) {
      auto* dot = new QLabel(QStringLiteral("."), this);
      dot->setAlignment(Qt::AlignCenter);
      dot->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
      layout->addWidget(dot);
    }
    auto* f = new QLineEdit(this);
    f->setFrame(false);
    f->setAlignment(Qt::AlignCenter);
    f->setMaxLength(kAddressChars);
    f->setValidator(digits);
    f->setMinimumWidth(fieldWidth);
    f->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    f->installEventFilter(this);
    connect(f, &QLineEdit::textEdited, this, [this, i] { onFieldEdited(i); });
    // Text set from outside (an assistive tool, a paste) may hold a whole address.
    connect(f, &QLineEdit::textChanged, this, [this, i](const QString& text) {
      if (std::any_of(text.begin(), text.end(), [](QChar c) { return !isAsciiDigit(c); })) spreadFrom(i, text);
    });
    layout->addWidget(f, 1);
    m_fields[static_cast<std::size_t>(i)] = f;
  }
  // One control to its owner: focus given to it lands in the first field,
  // and Tab then runs through the fields in order before moving on.
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(m_fields[0]);
  for (int i = 1; i < kFieldCount; ++i) {
    QWidget::setTabOrder(m_fields[static_cast<std::size_t>(i - 1)], m_fields[static_cast<std::size_t>(i)]);
  }
  setBackgroundRole(QPalette::Base);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  updateFieldNames();
}

IpAddressCtrl::~IpAddressCtrl() = default;

QLineEdit* IpAddressCtrl::field(int index) const {
  return index >= 0 && index < kFieldCount ? m_fields[static_cast<std::size_t>(index)] : nullptr;
}

int IpAddressCtrl::blankFieldCount() const {
  int n = 0;
  for (const QLineEdit* f : m_fields) n += f->text().isEmpty() ? 1 : 0;
  return n;
}

bool IpAddressCtrl::isBlank() const { return blankFieldCount() == kFieldCount; }

std::array<std::uint8_t, 4> IpAddressCtrl::address() const {
  std::array<std::uint8_t, 4> out{};
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<std::uint8_t>(std::clamp(m_fields[i]->text().toInt(), 0, kMaxOctet));
  }
  return out;
}

void IpAddressCtrl::setAddress(std::array<std::uint8_t, 4> octets) {
  for (std::size_t i = 0; i < octets.size(); ++i) m_fields[i]->setText(QString::number(octets[i]));
  emit addressChanged();
}

void IpAddressCtrl::clear() {
  for (QLineEdit* f : m_fields) f->clear();
  emit addressChanged();
}

QString IpAddressCtrl::text() const {
  const auto a = address();
  return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}

bool IpAddressCtrl::setText(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('.'));
  if (parts.size() != kFieldCount) return false;
  std::array<std::uint8_t, 4> octets{};
  for (std::size_t i = 0; i < octets.size(); ++i) {
    const QString p = parts[static_cast<qsizetype>(i)].trimmed();
    if (p.isEmpty() || p.size() > kFieldDigits || !std::all_of(p.begin(), p.end(), isAsciiDigit)) return false;
    const int v = p.toInt();
    if (v > kMaxOctet) return false;
    octets[i] = static_cast<std::uint8_t>(v);
  }
  setAddress(octets);
  return true;
}

void IpAddressCtrl::setAccessibleNames(const QString& name) {
  setAccessibleName(name);
  updateFieldNames();
}

void IpAddressCtrl::updateFieldNames() {
  m_namedFor = accessibleName();
  // "IP Address :" reads better as "IP Address field 1" than with the colon.
  QString base = m_namedFor;
  base.remove(QRegularExpression(QStringLiteral("\\s*[:\\x{FF1A}]\\s*$")));  // also the full-width colon
  if (base.isEmpty()) base = tr("IP address");
  for (int i = 0; i < kFieldCount; ++i) {
    m_fields[static_cast<std::size_t>(i)]->setAccessibleName(tr("%1 field %2").arg(base).arg(i + 1));
  }
}

bool IpAddressCtrl::event(QEvent* e) {
  if ((e->type() == QEvent::Polish || e->type() == QEvent::Show) && accessibleName() != m_namedFor) {
    updateFieldNames();
  }
  return QWidget::event(e);
}

void IpAddressCtrl::paintEvent(QPaintEvent*) {
  // The border of one ordinary line edit around all four fields.
  QPainter p(this);
  QStyleOptionFrame opt;
  opt.initFrom(this);
  opt.rect = rect();
  opt.lineWidth = frameWidth(this);
  opt.midLineWidth = 0;
  opt.state |= QStyle::State_Sunken;
  if (std::any_of(m_fields.begin(), m_fields.end(), [](const QLineEdit* f) { return f->hasFocus(); })) {
    opt.state |= QStyle::State_HasFocus;
  }
  opt.features = QStyleOptionFrame::None;
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opt, &p, this);
}

QSize IpAddressCtrl::sizeHint() const {
  ensurePolished();
  const QFontMetrics fm = fontMetrics();
  const int frame = frameWidth(this);
  const int fieldWidth = fm.horizontalAdvance(QStringLiteral("000")) + 8;
  const int dotWidth = fm.horizontalAdvance(QLatin1Char('.')) + 2;
  const int h = m_fields[0]->sizeHint().height() + 2 * frame;
  return {kFieldCount * fieldWidth + (kFieldCount - 1) * dotWidth + 2 * frame, h};
}

QSize IpAddressCtrl::minimumSizeHint() const {
  ensurePolished();
  const QFontMetrics fm = fontMetrics();
  const int frame = frameWidth(this);
  const int fieldWidth = fm.horizontalAdvance(QStringLiteral("000")) + 4;
  const int dotWidth = fm.horizontalAdvance(QLatin1Char('.'));
  return {kFieldCount * fieldWidth + (kFieldCount - 1) * dotWidth + 2 * frame,
          m_fields[0]->minimumSizeHint().height() + 2 * frame};
}

int IpAddressCtrl::indexOf(const QObject* o) const {
  for (int i = 0; i < kFieldCount; ++i) {
    if (m_fields[static_cast<std::size_t>(i)] == o) return i;
  }
  return -1;
}

bool IpAddressCtrl::eventFilter(QObject* watched, QEvent* e) {
  const int index = indexOf(watched);
  if (index >= 0) {
    switch (e->type()) {
      case QEvent::KeyPress:
        return handleFieldKey(index, static_cast<QKeyEvent*>(e));
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        update();  // the shared border shows the focus
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, e);
}

void IpAddressCtrl::moveTo(int index, bool selectAll, bool caretAtEnd) {
  QLineEdit* f = m_fields[static_cast<std::size_t>(index)];
  f->setFocus(Qt::OtherFocusReason);
  if (selectAll) {
    f->selectAll();
  } else {
    f->setCursorPosition(caretAtEnd ? static_cast<int>(f->text().size()) : 0);
  }
}

bool IpAddressCtrl::handleFieldKey(int index, QKeyEvent* e) {
  // Shortcuts (copy, paste, select all) and mnemonics stay the field's and
  // the dialog's.
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  QLineEdit* f = m_fields[static_cast<std::size_t>(index)];
  const bool caret = !f->hasSelectedText();
  const int pos = f->cursorPosition();
  const int len = static_cast<int>(f->text().size());
  const bool shift = e->modifiers() & Qt::ShiftModifier;
  const bool last = index == kFieldCount - 1;

  switch (e->key()) {
    case Qt::Key_Period:
    case Qt::Key_Space:
      // The separator moves on once something was typed; in a blank field it
      // is ignored, so "1..2" does not skip a field.
      if (!last && len > 0) moveTo(index + 1, true, false);
      return true;
    case Qt::Key_Right:
      if (!shift && caret && pos == len && !last) {
        moveTo(index + 1, false, false);
        return true;
      }
      return false;
    case Qt::Key_Left:
      if (!shift && caret && pos == 0 && index > 0) {
        moveTo(index - 1, false, true);
        return true;
      }
      return false;
    case Qt::Key_Backspace:
      if (caret && pos == 0 && index > 0) {
        moveTo(index - 1, false, true);
        return true;
      }
      return false;
    case Qt::Key_Home:
      if (shift) return false;
      moveTo(0, false, false);
      return true;
    case Qt::Key_End:
      if (shift) return false;
      moveTo(kFieldCount - 1, false, true);
      return true;
    default:
      break;
  }

  const QString text = e->text();
  if (text.size() == 1 && isAsciiDigit(text[0])) {
    if (caret && len >= kFieldDigits) {
      // A full field: the digit starts the next one.
      if (!last) {
        moveTo(index + 1, true, false);
        QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text());
        QApplication::sendEvent(m_fields[static_cast<std::size_t>(index + 1)], &copy);
      }
      return true;
    }
    return false;  // the field inserts it; onFieldEdited checks the value
  }
  // Anything else printable has no place in an address.
  return !text.isEmpty() && text[0].isPrint();
}

void IpAddressCtrl::spreadFrom(int index, const QString& text) {
  const QStringList parts = text.split(QLatin1Char('.'));
  int last = index;
  for (int k = 0; k < parts.size() && index + k < kFieldCount; ++k) {
    QString digits;
    for (QChar c : parts[k]) {
      if (isAsciiDigit(c) && digits.size() < kFieldDigits) digits += c;
    }
    if (!digits.isEmpty() && digits.toInt() > kMaxOctet) digits = QString::number(kMaxOctet);
    last = index + k;
    m_fields[static_cast<std::size_t>(last)]->setText(digits);
  }
  if (m_fields[static_cast<std::size_t>(index)]->hasFocus()) moveTo(last, false, true);
  emit addressChanged();
}

void IpAddressCtrl::onFieldEdited(int index) {
  QLineEdit* f = m_fields[static_cast<std::size_t>(index)];
  if (f->text().toInt() > kMaxOctet) f->setText(QString::number(kMaxOctet));
  if (f->text().size() == kFieldDigits && !f->hasSelectedText() && f->cursorPosition() == kFieldDigits &&
      index < kFieldCount - 1 && f->hasFocus()) {
    moveTo(index + 1, true, false);
  }
  emit addressChanged();
}

}  // namespace zor::platform
