#include "platform/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

namespace platform {

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetricsF metrics(font);
  baseX_ = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
  baseY_ = metrics.height();
}

int DialogUnits::x(int du) const { return static_cast<int>(std::lround(du * baseX_ / 4.0)); }
int DialogUnits::y(int du) const { return static_cast<int>(std::lround(du * baseY_ / 8.0)); }

// Edges are mapped, not sizes, so neighbouring controls never drift apart by rounding.
QRect DialogUnits::rect(int left, int top, int cx, int cy) const {
  const int l = x(left), t = y(top);
  return {l, t, x(left + cx) - l, y(top + cy) - t};
}

}  // namespace platform
