#include "platform/up_down.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace zor::platform {

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  for (auto* button : {up_, down_}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);  // the buddy keeps the focus; its arrow keys step
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setAccessibleName(tr("Increase"));
  down_->setAccessibleName(tr("Decrease"));
  connect(up_, &QToolButton::pressed, this, [this] { holdStarted_ = QDateTime::currentMSecsSinceEpoch(); });
  connect(down_, &QToolButton::pressed, this, [this] { holdStarted_ = QDateTime::currentMSecsSinceEpoch(); });
  connect(up_, &QToolButton::clicked, this, [this] { arrowPressed(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { arrowPressed(-1); });
}

void UpDown::setBuddy(QLineEdit* buddy) {
  if (buddy_) buddy_->removeEventFilter(this);
  buddy_ = buddy;
  if (buddy_) buddy_->installEventFilter(this);
}

void UpDown::setRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
}

void UpDown::setAccel(std::vector<Accel> table) { accel_ = std::move(table); }

UpDown::Position UpDown::position() const {
  if (!buddy_) return {last_, true};
  bool ok = false;
  const QString text = buddy_->text().trimmed();
  const int value = text.toInt(&ok, 10);
  const int lo = std::min(lower_, upper_), hi = std::max(lower_, upper_);
  if (!ok || value < lo || value > hi) return {last_, false};
  last_ = value;
  return {value, true};
}

void UpDown::setPosition(int value) {
  const int lo = std::min(lower_, upper_), hi = std::max(lower_, upper_);
  last_ = std::clamp(value, lo, hi);
  if (buddy_) buddy_->setText(QString::number(last_));
}

// The first entry's increment applies from the first step; each later entry
// takes over once the arrow has been held for its time.
void UpDown::step(int direction, double heldSeconds) {
  int increment = 1;
  for (std::size_t i = 0; i < accel_.size(); ++i) {
    if (i == 0 || heldSeconds >= accel_[i].seconds) increment = accel_[i].increment;
  }
  if (upper_ < lower_) direction = -direction;  // an inverted range counts the other way
  setPosition(position().value + direction * increment);
}

void UpDown::arrowPressed(int direction) {
  const double held = (QDateTime::currentMSecsSinceEpoch() - holdStarted_) / 1000.0;
  step(direction, held);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == buddy_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
      step(key->key() == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace zor::platform
