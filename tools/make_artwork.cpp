// make_artwork: draws the family pictures and the application icon.
//
//   make_artwork OUTPUT_DIR [FONT_FILE]
//
// Writes OUTPUT_DIR/pictures/family-130.bmp, -131.bmp, -132.bmp (24-bit BMP),
// OUTPUT_DIR/icons/zor-maintenance.png (256 x 256) and
// OUTPUT_DIR/icons/zor-maintenance.svg (the same drawing, scalable).
// The font is loaded from a file rather than looked up by family name, so the
// output depends on nothing but that file and this program.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTextStream>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

// Qt's Fusion window colour: the corners of a badge blend into the dialog.
const QColor kDialogGrey(239, 239, 239);

// ---------------------------------------------------------------- BMP writer

void put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(v & 0xFF);
  out.push_back(v >> 8);
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

// Written by hand so the header is exactly what the panel's picture control
// expects: BITMAPINFOHEADER, 24 bits, BI_RGB, bottom-up rows padded to 4 bytes.
bool writeBmp24(const QImage& source, const QString& path) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const uint32_t width = image.width();
  const uint32_t height = image.height();
  const uint32_t stride = (width * 3 + 3) & ~3u;
  const uint32_t pixelBytes = stride * height;
  std::vector<uint8_t> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + pixelBytes);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, width);
  put32(out, height);
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // BI_RGB
  put32(out, pixelBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (uint32_t x = 0; x < width; ++x) {
      out.push_back(qBlue(row[x]));
      out.push_back(qGreen(row[x]));
      out.push_back(qRed(row[x]));
    }
    for (uint32_t pad = width * 3; pad < stride; ++pad) out.push_back(0);
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(reinterpret_cast<const char*>(out.data()), out.size()) == static_cast<qint64>(out.size());
}

// ------------------------------------------------------------ family badges

struct Badge {
  int resourceId;
  int width;
  int height;
  QString series;  // drawn bright
  QString suffix;  // drawn softer
  QColor top, bottom, border, suffixColour;
};

QFont fittingFont(const QString& family, const QString& text, double maxWidth, double maxHeight) {
  QFont font(family);
  font.setWeight(QFont::Bold);  // the loaded face is the bold one; ask for it, not a regular substitute
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  // Largest whole pixel size that fits: whole sizes keep the hinted stems sharp.
  for (int px = 20; px >= 6; --px) {
    font.setPixelSize(px);
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= maxWidth && metrics.capHeight() <= maxHeight) return font;
  }
  return font;
}

QImage drawBadge(const Badge& badge, const QString& fontFamily) {
  QImage image(badge.width, badge.height, QImage::Format_RGB32);
  image.fill(kDialogGrey);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  const QRectF plate(0.5, 0.5, badge.width - 1.0, badge.height - 1.0);
  const double radius = badge.height * 0.2;
  QLinearGradient fill(0, 0, 0, badge.height);
  fill.setColorAt(0, badge.top);
  fill.setColorAt(1, badge.bottom);
  p.setPen(QPen(badge.border, 1));
  p.setBrush(fill);
  p.drawRoundedRect(plate, radius, radius);

  // A faint highlight along the top edge gives the plate some depth.
  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.drawLine(QPointF(radius, 1.5), QPointF(badge.width - radius, 1.5));

  // The laser spot: only where there is room for it beside the name.
  const bool withSpot = badge.width >= 80;
  const double textLeft = withSpot ? badge.height * 0.72 : 3.0;
  if (withSpot) {
    const QPointF centre(badge.height * 0.4, badge.height / 2.0);
    QRadialGradient glow(centre, badge.height * 0.28);
    glow.setColorAt(0.0, QColor(255, 255, 240));
    glow.setColorAt(0.3, QColor(255, 140, 60));
    glow.setColorAt(0.65, QColor(230, 50, 30, 150));
    glow.setColorAt(1.0, QColor(230, 50, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, badge.height * 0.28, badge.height * 0.28);
  }

  const QString text = badge.series + badge.suffix;
  const double room = badge.width - textLeft - 3.0;
  const QFont font = fittingFont(fontFamily, text, room, badge.height * 0.5);
  const QFontMetricsF metrics(font);
  const double textWidth = metrics.horizontalAdvance(text);
  const double x = std::round(textLeft + (room - textWidth) / 2.0);
  // Centre the capitals, not the whole line box: the name has no descenders.
  const double baseline = std::round((badge.height + metrics.capHeight()) / 2.0);
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 70));  // a one-pixel shadow lifts the text off the plate
  p.drawText(QPointF(x, baseline + 1), text);
  p.setPen(Qt::white);
  p.drawText(QPointF(x, baseline), badge.series);
  p.setPen(badge.suffixColour);
  p.drawText(QPointF(x + metrics.horizontalAdvance(badge.series), baseline), badge.suffix);
  return image;
}

// ---------------------------------------------------------- application icon
//
// A scan head with its lens over a metal plate; the beam converges to a bright
// spot that is just finishing a marked square. The same geometry feeds the
// raster drawing and the SVG.

struct IconGeometry {
  QRectF tile{16, 16, 224, 224};
  double tileRadius = 44;
  QRectF head{94, 36, 68, 34};
  QRectF lens{80, 64, 96, 22};
  QPolygonF plate;      // far left, far right, near right, near left
  QPolygonF marked;     // the engraved part of the square
  QPolygonF remaining;  // the part still to be marked
  QPointF spot;
  QPolygonF beam;  // converging cone from the lens to the spot

  IconGeometry() {
    plate << QPointF(70, 142) << QPointF(186, 142) << QPointF(214, 214) << QPointF(42, 214);
    auto on = [this](double u, double v) {
      // Bilinear point on the plate: u across, v from far (0) to near (1).
      const QPointF farPt = plate[0] + (plate[1] - plate[0]) * u;
      const QPointF nearPt = plate[3] + (plate[2] - plate[3]) * u;
      return farPt + (nearPt - farPt) * v;
    };
    const QPointF a = on(0.22, 0.2), b = on(0.78, 0.2), c = on(0.78, 0.8), d = on(0.22, 0.8);
    spot = d + (a - d) * 0.55;
    marked << a << b << c << d << spot;
    remaining << spot << a;
    beam << QPointF(lens.left() + 20, lens.center().y() + 4) << QPointF(lens.right() - 20, lens.center().y() + 4)
         << spot;
  }
};

void paintIcon(QPainter& p, const IconGeometry& g) {
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient tile(0, g.tile.top(), 0, g.tile.bottom());
  tile.setColorAt(0, QColor(0x2A, 0x4B, 0x7C));
  tile.setColorAt(1, QColor(0x12, 0x20, 0x36));
  p.setPen(QPen(QColor(0x0B, 0x14, 0x24), 2));
  p.setBrush(tile);
  p.drawRoundedRect(g.tile, g.tileRadius, g.tileRadius);

  QLinearGradient plate(0, g.plate[0].y(), 0, g.plate[2].y());
  plate.setColorAt(0, QColor(0x9A, 0xA6, 0xB4));
  plate.setColorAt(1, QColor(0xE4, 0xE9, 0xEF));
  p.setPen(QPen(QColor(0x5C, 0x68, 0x78), 2));
  p.setBrush(plate);
  p.drawPolygon(g.plate);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x2B, 0x33, 0x3E), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(g.marked);
  p.setPen(QPen(QColor(0x2B, 0x33, 0x3E, 90), 3, Qt::DashLine, Qt::RoundCap));
  p.drawPolyline(g.remaining);

  QLinearGradient beam(0, g.beam[0].y(), 0, g.spot.y());
  beam.setColorAt(0, QColor(255, 60, 40, 120));
  beam.setColorAt(1, QColor(255, 90, 40, 230));
  p.setPen(Qt::NoPen);
  p.setBrush(beam);
  p.drawPolygon(g.beam);

  QLinearGradient head(g.head.left(), 0, g.head.right(), 0);
  head.setColorAt(0, QColor(0x4B, 0x55, 0x63));
  head.setColorAt(0.5, QColor(0x8C, 0x97, 0xA5));
  head.setColorAt(1, QColor(0x3A, 0x42, 0x4D));
  p.setPen(QPen(QColor(0x1C, 0x22, 0x2A), 2));
  p.setBrush(head);
  p.drawRoundedRect(g.head, 6, 6);

  QLinearGradient lens(0, g.lens.top(), 0, g.lens.bottom());
  lens.setColorAt(0, QColor(0xC8, 0xEC, 0xFF));
  lens.setColorAt(1, QColor(0x3C, 0x8D, 0xC8));
  p.setPen(QPen(QColor(0x1C, 0x3D, 0x5A), 2));
  p.setBrush(lens);
  p.drawEllipse(g.lens);

  QRadialGradient spot(g.spot, 26);
  spot.setColorAt(0, QColor(255, 255, 255));
  spot.setColorAt(0.18, QColor(255, 236, 170));
  spot.setColorAt(0.45, QColor(255, 110, 40, 200));
  spot.setColorAt(1, QColor(255, 60, 30, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(spot);
  p.drawEllipse(g.spot, 26, 26);
}

QString pts(const QPolygonF& polygon) {
  QStringList list;
  for (const QPointF& pt : polygon) list << QStringLiteral("%1,%2").arg(pt.x(), 0, 'f', 2).arg(pt.y(), 0, 'f', 2);
  return list.join(QLatin1Char(' '));
}

QString num(double v) { return QString::number(v, 'f', 2); }

QString iconSvg(const IconGeometry& g) {
  QString s;
  QTextStream o(&s);
  o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    << "<!-- ZOR Maintenance application icon; written by resources/make_artwork.cpp -->\n"
    << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
    << "  <defs>\n"
    << "    <linearGradient id=\"tile\" x1=\"0\" y1=\"" << num(g.tile.top()) << "\" x2=\"0\" y2=\""
    << num(g.tile.bottom()) << "\" gradientUnits=\"userSpaceOnUse\">"
    << "<stop offset=\"0\" stop-color=\"#2a4b7c\"/><stop offset=\"1\" stop-color=\"#122036\"/></linearGradient>\n"
    << "    <linearGradient id=\"plate\" x1=\"0\" y1=\"" << num(g.plate[0].y()) << "\" x2=\"0\" y2=\""
    << num(g.plate[2].y()) << "\" gradientUnits=\"userSpaceOnUse\">"
    << "<stop offset=\"0\" stop-color=\"#9aa6b4\"/><stop offset=\"1\" stop-color=\"#e4e9ef\"/></linearGradient>\n"
    << "    <linearGradient id=\"beam\" x1=\"0\" y1=\"" << num(g.beam[0].y()) << "\" x2=\"0\" y2=\"" << num(g.spot.y())
    << "\" gradientUnits=\"userSpaceOnUse\">"
    << "<stop offset=\"0\" stop-color=\"#ff3c28\" stop-opacity=\"0.47\"/>"
    << "<stop offset=\"1\" stop-color=\"#ff5a28\" stop-opacity=\"0.9\"/></linearGradient>\n"
    << "    <linearGradient id=\"head\" x1=\"" << num(g.head.left()) << "\" y1=\"0\" x2=\"" << num(g.head.right())
    << "\" y2=\"0\" gradientUnits=\"userSpaceOnUse\">"
    << "<stop offset=\"0\" stop-color=\"#4b5563\"/><stop offset=\"0.5\" stop-color=\"#8c97a5\"/>"
    << "<stop offset=\"1\" stop-color=\"#3a424d\"/></linearGradient>\n"
    << "    <linearGradient id=\"lens\" x1=\"0\" y1=\"" << num(g.lens.top()) << "\" x2=\"0\" y2=\""
    << num(g.lens.bottom()) << "\" gradientUnits=\"userSpaceOnUse\">"
    << "<stop offset=\"0\" stop-color=\"#c8ecff\"/><stop offset=\"1\" stop-color=\"#3c8dc8\"/></linearGradient>\n"
    << "    <radialGradient id=\"spot\" cx=\"" << num(g.spot.x()) << "\" cy=\"" << num(g.spot.y())
    << "\" r=\"26\" gradientUnits=\"userSpaceOnUse\">"
    << "<stop offset=\"0\" stop-color=\"#ffffff\"/><stop offset=\"0.18\" stop-color=\"#ffecaa\"/>"
    << "<stop offset=\"0.45\" stop-color=\"#ff6e28\" stop-opacity=\"0.78\"/>"
    << "<stop offset=\"1\" stop-color=\"#ff3c1e\" stop-opacity=\"0\"/></radialGradient>\n"
    << "  </defs>\n"
    << "  <rect x=\"" << num(g.tile.x()) << "\" y=\"" << num(g.tile.y()) << "\" width=\"" << num(g.tile.width())
    << "\" height=\"" << num(g.tile.height()) << "\" rx=\"" << num(g.tileRadius)
    << "\" fill=\"url(#tile)\" stroke=\"#0b1424\" stroke-width=\"2\"/>\n"
    << "  <polygon points=\"" << pts(g.plate) << "\" fill=\"url(#plate)\" stroke=\"#5c6878\" stroke-width=\"2\"/>\n"
    << "  <polyline points=\"" << pts(g.marked)
    << "\" fill=\"none\" stroke=\"#2b333e\" stroke-width=\"7\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
    << "  <polyline points=\"" << pts(g.remaining)
    << "\" fill=\"none\" stroke=\"#2b333e\" stroke-opacity=\"0.35\" stroke-width=\"3\" stroke-dasharray=\"12 6\""
    << " stroke-linecap=\"round\"/>\n"
    << "  <polygon points=\"" << pts(g.beam) << "\" fill=\"url(#beam)\"/>\n"
    << "  <rect x=\"" << num(g.head.x()) << "\" y=\"" << num(g.head.y()) << "\" width=\"" << num(g.head.width())
    << "\" height=\"" << num(g.head.height()) << "\" rx=\"6\" fill=\"url(#head)\" stroke=\"#1c222a\""
    << " stroke-width=\"2\"/>\n"
    << "  <ellipse cx=\"" << num(g.lens.center().x()) << "\" cy=\"" << num(g.lens.center().y()) << "\" rx=\""
    << num(g.lens.width() / 2) << "\" ry=\"" << num(g.lens.height() / 2)
    << "\" fill=\"url(#lens)\" stroke=\"#1c3d5a\" stroke-width=\"2\"/>\n"
    << "  <circle cx=\"" << num(g.spot.x()) << "\" cy=\"" << num(g.spot.y()) << "\" r=\"26\" fill=\"url(#spot)\"/>\n"
    << "</svg>\n";
  return s;
}

bool writeText(const QString& path, const QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(text.toUtf8()) >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: make_artwork OUTPUT_DIR [FONT_FILE]\n");
    return 2;
  }
  // Drawing needs no screen; this keeps the generator usable on a headless host.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QString outDir = QString::fromLocal8Bit(argv[1]);
  const QString fontFile = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString::fromLatin1(kDefaultFont);
  const int fontId = QFontDatabase::addApplicationFont(fontFile);
  if (fontId < 0) {
    std::fprintf(stderr, "make_artwork: cannot load font %s\n", qPrintable(fontFile));
    return 1;
  }
  const QString family = QFontDatabase::applicationFontFamilies(fontId).value(0);

  QDir(outDir).mkpath(QStringLiteral("pictures"));
  QDir(outDir).mkpath(QStringLiteral("icons"));

  const Badge badges[] = {
      {130, 90, 26, QStringLiteral("NZ"), QStringLiteral("-Series"), QColor(0x24, 0x5A, 0x9A), QColor(0x15, 0x3A, 0x68),
       QColor(0x0F, 0x2C, 0x4F), QColor(0xBF, 0xD8, 0xF2)},
      {131, 60, 19, QStringLiteral("NK"), QStringLiteral("-Series"), QColor(0x16, 0x7C, 0x78), QColor(0x0B, 0x52, 0x50),
       QColor(0x07, 0x3D, 0x3B), QColor(0xBC, 0xEB, 0xE6)},
      {132, 90, 26, QStringLiteral("N"), QStringLiteral("-Series"), QColor(0x56, 0x62, 0x72), QColor(0x33, 0x3B, 0x46),
       QColor(0x24, 0x2A, 0x32), QColor(0xD6, 0xDD, 0xE6)},
  };
  bool ok = true;
  for (const Badge& badge : badges) {
    const QString path = QStringLiteral("%1/pictures/family-%2.bmp").arg(outDir).arg(badge.resourceId);
    if (!writeBmp24(drawBadge(badge, family), path)) {
      std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
      ok = false;
    }
  }

  const IconGeometry geometry;
  QImage icon(256, 256, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  {
    QPainter p(&icon);
    paintIcon(p, geometry);
  }
  const QString png = outDir + QStringLiteral("/icons/zor-maintenance.png");
  // Highest zlib level: the icon is committed and embedded, so smaller is better.
  if (!icon.save(png, "PNG", 0)) {
    std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(png));
    ok = false;
  }
  const QString svg = outDir + QStringLiteral("/icons/zor-maintenance.svg");
  if (!writeText(svg, iconSvg(geometry))) {
    std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(svg));
    ok = false;
  }
  return ok ? 0 : 1;
}
