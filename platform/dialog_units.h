#pragma once
// Dialog units: a quarter of the font's average character width across, an
// eighth of its height down. Layouts given in them keep their proportions at
// any font size and screen scale.

#include <QFont>
#include <QRect>
#include <QSize>

namespace zor::platform {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  DialogUnits(double baseX, double baseY) : baseX_(baseX), baseY_(baseY) {}

  int x(int du) const;
  int y(int du) const;
  QRect rect(int x, int y, int cx, int cy) const;
  double baseX() const { return baseX_; }
  double baseY() const { return baseY_; }

 private:
  double baseX_;
  double baseY_;
};

// Room for a static text: r grown to at least `needed` on the side its
// alignment leaves free (a left-aligned text grows rightwards, a
// right-aligned one leftwards, a centred one on both sides; vertically about
// its middle), then moved back inside bounds, and cut to them as a last resort.
QRect grownToFit(const QRect& r, QSize needed, Qt::Alignment alignment, const QRect& bounds);

}  // namespace zor::platform
