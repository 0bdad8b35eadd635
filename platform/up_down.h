#pragma once
// An up-down control bound to an edit (its buddy): it keeps its position as
// the number in the buddy's text, steps it with its arrows or the Up and Down
// keys in the buddy, and reads it back from whatever the text says.

#include <QWidget>
#include <vector>

class QLineEdit;
class QToolButton;

namespace zor::platform {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  struct Accel {
    unsigned seconds;  // time the arrow must be held before this step applies
    int increment;
  };
  struct Position {
    int value;
    bool ok;  // false: the buddy's text is not a whole number in range
  };

  explicit UpDown(QWidget* parent = nullptr);

  void setBuddy(QLineEdit* buddy);
  QLineEdit* buddy() const { return buddy_; }
  void setRange(int lower, int upper);
  int lower() const { return lower_; }
  int upper() const { return upper_; }
  void setAccel(std::vector<Accel> table);
  const std::vector<Accel>& accel() const { return accel_; }

  // Reads the number from the buddy's text. When it is not a whole number
  // between lower and upper, ok is false and value is the last good position.
  Position position() const;
  void setPosition(int value);
  // One step up (+1) or down (-1), as the arrows and the arrow keys do.
  // heldSeconds: how long the arrow has been held, which picks the increment.
  void step(int direction, double heldSeconds = 0);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void arrowPressed(int direction);

  QLineEdit* buddy_ = nullptr;
  QToolButton* up_;
  QToolButton* down_;
  int lower_ = 0;
  int upper_ = 100;
  mutable int last_ = 0;
  std::vector<Accel> accel_;
  qint64 holdStarted_ = 0;
};

}  // namespace zor::platform
