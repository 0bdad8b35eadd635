#pragma once
// The IP address control: four fields of 0 to 255 between dots, drawn as
// one bordered edit. A blank field is kept apart from
// a 0 until the address is read, where it counts as 0.

#include <QWidget>
#include <array>
#include <cstdint>

class QLineEdit;

namespace zor::platform {

class IpAddressCtrl : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kFieldCount = 4;

  explicit IpAddressCtrl(QWidget* parent = nullptr);
  ~IpAddressCtrl() override;

  bool isBlank() const;  // all four fields blank
  int blankFieldCount() const;
  bool isComplete() const { return blankFieldCount() == 0; }

  std::array<std::uint8_t, 4> address() const;  // a blank field reads as 0
  void setAddress(std::array<std::uint8_t, 4> octets);
  void clear();  // all fields blank

  // "%d.%d.%d.%d", blank fields as 0.
  QString text() const;
  // Takes "%d.%d.%d.%d" (each 0 to 255, optional blanks around the numbers).
  // Anything else is refused and the fields stay as they were.
  bool setText(const QString& text);

  // The control's accessible name, and "<name> field 1" to "4" for the
  // fields. QWidget::setAccessibleName alone also works: the fields follow
  // when the control is next polished or shown.
  void setAccessibleNames(const QString& name);

  // For the owner's focus handling and for tests; index 0 is the leftmost.
  QLineEdit* field(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // A field's text was changed by the user or through this API.
  void addressChanged();

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  int indexOf(const QObject* o) const;
  bool handleFieldKey(int index, QKeyEvent* e);
  void onFieldEdited(int index);
  void spreadFrom(int index, const QString& text);
  void moveTo(int index, bool selectAll, bool caretAtEnd);
  void updateFieldNames();

  std::array<QLineEdit*, kFieldCount> m_fields{};
  QString m_namedFor;  // the accessible name the fields were last named after
};

}  // namespace zor::platform
