#include "platform/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

namespace zor::platform {

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

namespace {

enum class Grow { AfterEnd, BeforeStart, BothSides };

// The extent [start, start + length) grown to `needed`.
void grow(int& start, int& length, int needed, Grow where) {
  if (needed <= length) return;
  const int extra = needed - length;
  if (where == Grow::BeforeStart) start -= extra;
  if (where == Grow::BothSides) start -= extra / 2;
  length = needed;
}

// Moved back inside [lo, hi), then cut to it.
void keepInside(int& start, int& length, int lo, int hi) {
  if (start + length > hi) start = hi - length;
  if (start < lo) start = lo;
  if (start + length > hi) length = hi - start;
}

}  // namespace

QRect grownToFit(const QRect& r, QSize needed, Qt::Alignment alignment, const QRect& bounds) {
  int x = r.x(), w = r.width(), y = r.y(), h = r.height();
  const Grow across = (alignment & Qt::AlignRight)     ? Grow::BeforeStart
                      : (alignment & Qt::AlignHCenter) ? Grow::BothSides
                                                       : Grow::AfterEnd;
  grow(x, w, needed.width(), across);
  grow(y, h, needed.height(), Grow::BothSides);
  keepInside(x, w, bounds.left(), bounds.left() + bounds.width());
  keepInside(y, h, bounds.top(), bounds.top() + bounds.height());
  return {x, y, w, h};
}

}  // namespace zor::platform
