#include "report/pdf_report.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "report/pdf_characters.h"
#include "report/squares.h"
#include "service/report.h"
#include "service/settings.h"
#include "text/one_line.h"

namespace zor::report {

namespace {

namespace svc = zor::service;

// The report's texts for people, in the reader's language: one translation
// context for the whole report.
struct PdfReport {
  Q_DECLARE_TR_FUNCTIONS(zor::report::PdfReport)
};

constexpr int kDpi = 300;
constexpr double kMargin = 15;  // mm, all round

double Mm(double mm) { return mm * kDpi / 25.4; }

QString NotRead() { return PdfReport::tr("not read"); }

QLatin1String Latin1(std::string_view text) { return QLatin1String(text.data(), static_cast<qsizetype>(text.size())); }

// The report's font: DejaVu Sans, and for Han characters Noto Sans CJK SC
// (fonts-noto-cjk: the Simplified forms); fontconfig falls back to any font
// with the characters where neither is installed. Latin text stays in
// DejaVu Sans in every language: Noto Sans CJK swaps some Latin glyphs for
// contextual alternates (a digit after an x) that the PDF cannot name, so a
// value set in it would not copy or search as shown.
QFont BodyFont(double points) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(points);
  return font;
}

// Text wraps at spaces, and within a word only where the word alone is wider
// than its box (a long key): a longer language's words stay whole.
QTextOption Wrapping(Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
  QTextOption option(alignment);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

// The height of text wrapped to that width, in the painter's font.
double HeightOf(QPainter& painter, double width, const QString& text) {
  return painter.boundingRect(QRectF(0, 0, width, 1e6), text, Wrapping()).height();
}

// A value as the log or the controller gave it, made safe to show. A yes or
// no is a word for the reader; numbers keep the decimal point in every language.
QString Text(const QJsonValue& value) {
  switch (value.type()) {
    case QJsonValue::Double:
      return QString::number(value.toDouble(), 'g', 12);
    case QJsonValue::Bool:
      return value.toBool() ? PdfReport::tr("yes") : PdfReport::tr("no");
    case QJsonValue::String:
      return text::OneLine(value.toString());
    case QJsonValue::Array: {
      QStringList parts;
      for (const QJsonValue& v : value.toArray()) parts << Text(v);
      return parts.join(QStringLiteral(", "));
    }
    case QJsonValue::Object: {
      QStringList parts;
      const QJsonObject object = value.toObject();
      for (auto it = object.begin(); it != object.end(); ++it)
        parts << text::OneLine(it.key()) + QStringLiteral(": ") + Text(it.value());
      return parts.join(QStringLiteral(", "));
    }
    default:
      return QStringLiteral("-");
  }
}

// Local time, with its zone unless the table's heading names it; the same
// digits in every language.
QString LocalTime(const QJsonValue& iso, bool zone = true) {
  const QDateTime time = QDateTime::fromString(iso.toString(), Qt::ISODateWithMs);
  if (!time.isValid()) return Text(iso);
  return time.toLocalTime().toString(zone ? QStringLiteral("yyyy-MM-dd HH:mm:ss t")
                                          : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Pages filled from the top down; a row that does not fit starts a new page.
class Pages {
 public:
  Pages(QPdfWriter& writer, QPainter& painter, QString footer)
      : writer_(writer), painter_(painter), footer_(std::move(footer)) {
    body_ = BodyFont(9);
    bottom_ = writer_.height() - Mm(8);
    drawFooter();
  }

  double width() const { return writer_.width(); }
  double y() const { return y_; }
  QPainter& painter() { return painter_; }

  void title(const QString& text) { line(text, 18, true, Mm(3)); }
  void heading(const QString& text) {
    y_ += Mm(5);
    need(Mm(16));  // a heading never ends a page alone
    line(text, 13, true, Mm(2));
  }
  void subheading(const QString& text) {
    y_ += Mm(3);
    need(Mm(14));
    line(text, 10.5, true, Mm(1.5));
  }
  void paragraph(const QString& text, bool italic = false) {
    QFont font = body_;
    font.setItalic(italic);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const double height = HeightOf(painter_, width(), text);
    need(height);
    painter_.drawText(QRectF(0, y_, width(), height), text, Wrapping());
    y_ += height + Mm(1.5);
  }

  // A table whose columns take these shares of the width; the header repeats on each page.
  void table(const QStringList& header, const std::vector<double>& shares, const std::vector<QStringList>& rows) {
    const double pad = Mm(1.2);
    std::vector<double> widths;
    for (double share : shares) widths.push_back(share * width());
    // A row's cells share the baseline of their first lines: a cell whose
    // first line is lower (a Chinese label, its font's ascent larger) drops
    // the others by the difference.
    struct Laid {
      std::vector<double> drops;
      double height = 0;
    };
    auto layOut = [&](const QStringList& cells, const QFont& font) {
      painter_.setFont(font);
      std::vector<double> ascents;
      for (qsizetype i = 0; i < cells.size(); ++i) ascents.push_back(firstAscent(font, widths[i] - 2 * pad, cells[i]));
      const double top = ascents.empty() ? 0 : *std::max_element(ascents.begin(), ascents.end());
      Laid laid;
      for (qsizetype i = 0; i < cells.size(); ++i) {
        laid.drops.push_back(top - ascents[i]);
        laid.height = std::max(laid.height, laid.drops.back() + HeightOf(painter_, widths[i] - 2 * pad, cells[i]));
      }
      laid.height += 2 * pad;
      return laid;
    };
    QFont bold = body_;
    bold.setBold(true);
    auto draw = [&](const QStringList& cells, const QFont& font, const Laid& laid, bool shaded) {
      const double h = laid.height;
      if (shaded) painter_.fillRect(QRectF(0, y_, width(), h), QColor(0xE8, 0xEC, 0xF0));
      painter_.setFont(font);
      painter_.setPen(Qt::black);
      double x = 0;
      for (qsizetype i = 0; i < cells.size(); ++i) {
        const double drop = laid.drops[i];
        painter_.drawText(QRectF(x + pad, y_ + pad + drop, widths[i] - 2 * pad, h - 2 * pad - drop), cells[i],
                          Wrapping());
        x += widths[i];
      }
      painter_.setPen(QPen(QColor(0xB0, 0xB8, 0xC0), Mm(0.15)));
      painter_.drawLine(QPointF(0, y_ + h), QPointF(width(), y_ + h));
      y_ += h;
    };
    const Laid headerLaid = layOut(header, bold);
    need(headerLaid.height + Mm(6));
    draw(header, bold, headerLaid, true);
    for (const QStringList& row : rows) {
      const Laid laid = layOut(row, body_);
      if (y_ + laid.height > bottom_) {
        newPage();
        draw(header, bold, headerLaid, true);
      }
      draw(row, body_, laid, false);
    }
    y_ += Mm(2);
  }

  // Room for a block of that height: the rest of this page, or a new one.
  void need(double height) {
    if (y_ + height > bottom_ && y_ > 0) newPage();
  }
  void advance(double height) { y_ += height; }

 private:
  // The ascent of text's first line wrapped to that width, in the fonts
  // that draw its characters.
  double firstAscent(const QFont& font, double width, const QString& text) {
    QTextLayout layout(text, font, &writer_);
    layout.setTextOption(Wrapping());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(width);
    const double ascent = line.isValid() ? line.ascent() : 0;
    layout.endLayout();
    return ascent;
  }

  void line(const QString& text, double points, bool bold, double after) {
    QFont font = body_;
    font.setPointSizeF(points);
    font.setBold(bold);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const double height = HeightOf(painter_, width(), text);
    need(height);
    painter_.drawText(QRectF(0, y_, width(), height), text, Wrapping());
    y_ += height + after;
  }

  void newPage() {
    writer_.newPage();
    ++page_;
    y_ = 0;
    drawFooter();
  }

  // The report's line at the left, the page number at the right: the line
  // is elided short of the number, so the two never overlap.
  void drawFooter() {
    QFont font = body_;
    font.setPointSizeF(7.5);
    painter_.setFont(font);
    painter_.setPen(QColor(0x50, 0x50, 0x50));
    const QRectF box(0, writer_.height() - Mm(5), width(), Mm(5));
    const QString page = PdfReport::tr("Page %1").arg(page_);
    const QFontMetricsF metrics(font, &writer_);
    const double room = width() - metrics.horizontalAdvance(page) - Mm(5);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(footer_, Qt::ElideRight, room));
    painter_.drawText(box, Qt::AlignRight | Qt::AlignVCenter, page);
  }

  QPdfWriter& writer_;
  QPainter& painter_;
  QString footer_;
  QFont body_;
  double y_ = 0;
  double bottom_ = 0;
  int page_ = 1;
};

// The settings' fields by key, and the keys of those not read.
struct SettingValues {
  std::map<QString, QString> text;
  std::set<QString> notRead;
  std::set<QString> notOnFamily;  // setting names
  QString of(const QString& key, const QString& setting) const {
    if (const auto it = text.find(key); it != text.end()) return it->second;
    if (notRead.contains(key)) return NotRead();
    if (notOnFamily.contains(setting)) return PdfReport::tr("not on this family");
    return QStringLiteral("-");
  }
};

// The row of the table of settings whose Get reads a feature's value: the
// setting's name and first key are the table's.
const svc::Setting* SettingOf(svc::Feature feature) {
  for (const svc::Setting& setting : svc::Settings())
    if (setting.feature == feature && setting.read != nullptr) return &setting;
  return nullptr;
}

void SystemPart(Pages& pages, const QJsonObject& content, const SettingValues& values) {
  using K = svc::IdentityKeys;
  const QJsonValue identity = content.value(QLatin1String("identity"));
  const QJsonObject id = identity.toObject();
  auto field = [&](std::string_view key) { return identity.isObject() ? Text(id.value(Latin1(key))) : NotRead(); };
  auto setting = [&](svc::Feature feature) {
    const svc::Setting* row = SettingOf(feature);
    return row ? values.of(Latin1(row->keys[0].name), Latin1(row->name)) : QStringLiteral("-");
  };
  pages.heading(PdfReport::tr("System"));
  pages.table({PdfReport::tr("Item"), PdfReport::tr("Value")}, {0.35, 0.65},
              {{PdfReport::tr("System name"), field(K::kSystemName)},
               {PdfReport::tr("Serial number"), field(K::kSerialNumber)},
               {PdfReport::tr("Version"), field(K::kVersion)},
               {PdfReport::tr("Release date"), field(K::kReleaseDate)},
               {PdfReport::tr("Lens (mm)"), field(K::kLens)},
               {PdfReport::tr("Family"), field(K::kFamily)},
               {PdfReport::tr("Controller model"), setting(svc::Feature::ControllerModel)},
               {PdfReport::tr("Working time"), setting(svc::Feature::WorkingTime)}});
  if (!identity.isObject()) pages.paragraph(PdfReport::tr("The system's identity could not be read."), true);
}

void SettingsPart(Pages& pages, const QJsonObject& content) {
  pages.heading(PdfReport::tr("Settings as read now"));
  std::vector<QStringList> rows;
  for (const QJsonValue& v : content.value(QLatin1String("settings")).toArray()) {
    const QJsonObject row = v.toObject();
    const QString setting = Text(row.value(QLatin1String("setting")));
    if (row.value(QLatin1String("not_read")).toBool()) {
      QStringList keys;
      for (const QJsonValue& k : row.value(QLatin1String("keys")).toArray()) keys << Text(k);
      rows.push_back({setting, keys.join(QStringLiteral(", ")), NotRead()});
      continue;
    }
    for (const QJsonValue& f : row.value(QLatin1String("fields")).toArray())
      rows.push_back(
          {setting, Text(f.toObject().value(QLatin1String("key"))), Text(f.toObject().value(QLatin1String("text")))});
  }
  pages.table({PdfReport::tr("Setting"), PdfReport::tr("Key"), PdfReport::tr("Value")}, {0.28, 0.30, 0.42}, rows);
  QStringList lacking;
  for (const QJsonValue& n : content.value(QLatin1String("not_on_family")).toArray()) lacking << Text(n);
  if (!lacking.isEmpty())
    pages.paragraph(PdfReport::tr("Not on this system's family: %1.").arg(lacking.join(QStringLiteral(", "))), true);
}

// Why the log part holds no entries, in the reader's words; the log's own
// message (a file's error) stays as the service layer gave it.
QString Problem(const QJsonObject& log) {
  const QString kind = log.value(QLatin1String("problem_kind")).toString();
  if (kind == Latin1(svc::kLogUnreadable))
    return PdfReport::tr("the service log could not be read: %1.").arg(Text(log.value(QLatin1String("reason"))));
  if (kind == Latin1(svc::kIdentityUnread))
    return PdfReport::tr("the system's identity could not be read, so its entries are not known.");
  return Text(log.value(QLatin1String("problem"))) + u'.';
}

void LogPart(Pages& pages, const QJsonObject& content) {
  const QString since = LocalTime(content.value(QLatin1String("since")));
  pages.heading(PdfReport::tr("Service log since %1").arg(since));
  const QJsonObject log = content.value(QLatin1String("log")).toObject();
  const QJsonArray entries = log.value(QLatin1String("entries")).toArray();
  if (log.contains(QLatin1String("problem"))) pages.paragraph(Problem(log), true);
  if (log.value(QLatin1String("older_left_out")).toBool())
    pages.paragraph(
        PdfReport::tr("The service log is larger than can be read at once: only its newest entries were read."), true);
  if (const int skipped = log.value(QLatin1String("skipped")).toInt(); skipped > 0)
    pages.paragraph(PdfReport::tr("%n lines of the service log could not be read.", nullptr, skipped), true);
  if (entries.isEmpty()) {
    if (!log.contains(QLatin1String("problem")))
      pages.paragraph(PdfReport::tr("No operations were logged for this system in that time."), true);
    return;
  }
  std::vector<QStringList> rows;
  for (const QJsonValue& v : entries) {
    const QJsonObject e = v.toObject();
    QString outcome = Text(e.value(QLatin1String("outcome")));
    if (e.contains(QLatin1String("message"))) outcome += QStringLiteral(": ") + Text(e.value(QLatin1String("message")));
    const QString value = e.value(QLatin1String("value")).toString();
    rows.push_back({LocalTime(e.value(QLatin1String("time")), false), Text(e.value(QLatin1String("front_end"))),
                    Text(e.value(QLatin1String("operation"))), value.isEmpty() ? QStringLiteral("-") : Text(value),
                    outcome});
  }
  pages.table({PdfReport::tr("Time"), PdfReport::tr("From"), PdfReport::tr("Operation"), PdfReport::tr("Value"),
               PdfReport::tr("Outcome")},
              {0.22, 0.09, 0.20, 0.24, 0.25}, rows);
}

// The round's squares to one scale in a box of side mm, the legend beside it.
void Drawing(Pages& pages, const RoundShapes& shapes) {
  const double side = Mm(80);
  pages.need(side + Mm(4));
  QPainter& p = pages.painter();
  const double top = pages.y();
  double extent = std::max(shapes.nominal, std::max(shapes.measured.width, shapes.measured.height));
  if (shapes.measured.top) extent = std::max({extent, *shapes.measured.top, *shapes.measured.left});
  if (shapes.expectedWidth) extent = std::max({extent, *shapes.expectedWidth, *shapes.expectedHeight});
  const double scale = side / (extent * 1.12);  // device units per mm
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), Mm(0.2)));
  p.drawRect(QRectF(0, top, side, side));
  p.translate(side / 2, top + side / 2);
  p.scale(scale, -scale);  // millimetres, y up
  // A 10 mm grid, so the drawing can be measured.
  QPen grid(QColor(0xE0, 0xE4, 0xE8), 0);
  p.setPen(grid);
  const double half = side / 2 / scale;
  for (double g = 0; g <= half; g += 10)
    for (double s : {g, -g}) {
      p.drawLine(QPointF(s, -half), QPointF(s, half));
      p.drawLine(QPointF(-half, s), QPointF(half, s));
    }
  const QColor nominalColor(0x60, 0x60, 0x60), measuredColor(0xC0, 0x20, 0x20), expectedColor(0x10, 0x80, 0x30);
  QPen nominal(nominalColor, Mm(0.35) / scale, Qt::DashLine);
  p.setPen(nominal);
  p.drawPath(RectangleOutline(shapes.nominal, shapes.nominal));
  if (shapes.expectedWidth) {
    p.setPen(QPen(expectedColor, Mm(0.35) / scale));
    p.drawPath(RectangleOutline(*shapes.expectedWidth, *shapes.expectedHeight));
  }
  p.setPen(QPen(measuredColor, Mm(0.45) / scale));
  p.drawPath(MeasuredOutline(shapes.measured));
  p.restore();

  // The legend.
  p.save();
  const double x = side + Mm(6);
  double y = top + Mm(2);
  // Each text as high as it wraps to (a longer language takes more lines).
  auto text = [&](double left, const QString& words) {
    const double height = HeightOf(p, pages.width() - left, words);
    p.drawText(QRectF(left, y, pages.width() - left, height), words, Wrapping());
    return height;
  };
  auto entry = [&](const QColor& color, Qt::PenStyle style, const QString& words) {
    p.setPen(QPen(color, Mm(0.45), style));
    p.drawLine(QPointF(x, y + Mm(2)), QPointF(x + Mm(10), y + Mm(2)));
    p.setPen(Qt::black);
    y += text(x + Mm(13), words) + Mm(2.5);
  };
  p.setFont(BodyFont(8.5));
  const Measured& m = shapes.measured;
  auto number = [](double mm) { return QString::number(mm, 'g', 8); };
  // The sentence with the edges is one text, not two joined.
  const QString measured =
      m.top ? PdfReport::tr("Measured before: %1 x %2 mm across the middle; top edge %3 mm, left edge %4 mm")
                  .arg(number(m.width), number(m.height), number(*m.top), number(*m.left))
            : PdfReport::tr("Measured before: %1 x %2 mm across the middle").arg(number(m.width), number(m.height));
  entry(measuredColor, Qt::SolidLine, measured);
  if (shapes.expectedWidth)
    entry(
        expectedColor, Qt::SolidLine,
        PdfReport::tr("Expected after: %1 x %2 mm").arg(number(*shapes.expectedWidth), number(*shapes.expectedHeight)));
  entry(nominalColor, Qt::DashLine, PdfReport::tr("Nominal: %1 x %1 mm").arg(number(shapes.nominal)));
  p.setPen(Qt::black);
  text(x, PdfReport::tr("Drawn to scale, centred; grid lines 10 mm apart."));
  p.restore();
  pages.advance(side + Mm(4));
}

void CalibrationPart(Pages& pages, const QJsonObject& content) {
  const QJsonArray rounds = content.value(QLatin1String("calibrations")).toArray();
  pages.heading(PdfReport::tr("Calibration rounds"));
  if (rounds.isEmpty()) {
    pages.paragraph(PdfReport::tr("No calibration rounds were logged for this system in that time."), true);
    return;
  }
  int number = 0;
  for (const QJsonValue& v : rounds) {
    const QJsonObject round = v.toObject();
    const QJsonObject c = round.value(QLatin1String("calibration")).toObject();
    pages.subheading(
        PdfReport::tr("Round %1, %2 (%3)")
            .arg(++number)
            .arg(LocalTime(round.value(QLatin1String("time"))), Text(round.value(QLatin1String("outcome")))));
    const QJsonObject measured = c.value(QLatin1String("measured")).toObject();
    const QJsonObject before = c.value(QLatin1String("old")).toObject();
    const QJsonObject after = c.value(QLatin1String("new")).toObject();
    const QJsonObject expected = c.value(QLatin1String("expected")).toObject();
    std::vector<QStringList> rows;
    auto mm = [&](const QString& what, const QJsonObject& of, const char* key) {
      if (of.contains(QLatin1String(key))) rows.push_back({what, Text(of.value(QLatin1String(key))) + " mm", {}});
    };
    mm(PdfReport::tr("Measured width"), measured, "width_mm");
    mm(PdfReport::tr("Measured height"), measured, "height_mm");
    mm(PdfReport::tr("Measured top edge"), measured, "top_mm");
    mm(PdfReport::tr("Measured left edge"), measured, "left_mm");
    mm(PdfReport::tr("Nominal square"), c, "nominal_mm");
    // The corrections by their keys, as zorctl's calibrate names them.
    for (const char* key : {"scale_x", "scale_y", "distortion_x", "distortion_y"}) {
      rows.push_back(
          {QString::fromLatin1(key), Text(before.value(QLatin1String(key))), Text(after.value(QLatin1String(key)))});
    }
    mm(PdfReport::tr("Expected width"), expected, "width_mm");
    mm(PdfReport::tr("Expected height"), expected, "height_mm");
    rows.push_back({PdfReport::tr("Within tolerance"), Text(c.value(QLatin1String("within_tolerance"))), {}});
    rows.push_back({PdfReport::tr("Sent"), Text(c.value(QLatin1String("sent"))), {}});
    pages.table({PdfReport::tr("Measurement or correction"), PdfReport::tr("Before / value"), PdfReport::tr("After")},
                {0.40, 0.30, 0.30}, rows);
    if (const auto shapes = ShapesOf(c))
      Drawing(pages, *shapes);
    else
      pages.paragraph(PdfReport::tr("This round's sizes cannot be drawn."), true);
  }
}

}  // namespace

std::optional<QByteArray> RenderReportPdf(const QJsonObject& content, std::string* why) {
  const QString format = content.value(QLatin1String("format")).toString();
  if (format != QLatin1String(svc::kReportFormat.data(), static_cast<qsizetype>(svc::kReportFormat.size())) ||
      content.value(QLatin1String("version")).toInt() != svc::kReportVersion) {
    if (why) *why = "the content is not a service report of this tool";
    return std::nullopt;
  }
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter));
    writer.setTitle(PdfReport::tr("Service Report"));
    writer.setCreator(QStringLiteral("zor-maintenance ") + Text(content.value(QLatin1String("tool_version"))));
    QPainter painter(&writer);
    const QJsonValue identity = content.value(QLatin1String("identity"));
    const QString serial = identity.isObject() ? Text(identity.toObject().value(QLatin1String("serial_number")))
                                               : PdfReport::tr("(not read)");
    const QString made = LocalTime(content.value(QLatin1String("made")));
    const QString host = Text(content.value(QLatin1String("host")));
    Pages pages(writer, painter, PdfReport::tr("Service report, serial number %1, made %2").arg(serial, made));

    SettingValues values;
    for (const QJsonValue& v : content.value(QLatin1String("settings")).toArray()) {
      const QJsonObject row = v.toObject();
      if (row.value(QLatin1String("not_read")).toBool()) {
        for (const QJsonValue& k : row.value(QLatin1String("keys")).toArray()) values.notRead.insert(k.toString());
      }
      for (const QJsonValue& f : row.value(QLatin1String("fields")).toArray())
        values.text[f.toObject().value(QLatin1String("key")).toString()] =
            Text(f.toObject().value(QLatin1String("text")));
    }
    for (const QJsonValue& n : content.value(QLatin1String("not_on_family")).toArray())
      values.notOnFamily.insert(n.toString());

    pages.title(PdfReport::tr("Service Report"));
    const QString name = identity.isObject() ? Text(identity.toObject().value(QLatin1String("system_name")))
                                             : PdfReport::tr("(identity not read)");
    pages.paragraph(PdfReport::tr("ZOR laser marking system %1, serial number %2").arg(name, serial));
    pages.paragraph(PdfReport::tr("Made on %1 on host %2 with zor-maintenance %3")
                        .arg(made, host, Text(content.value(QLatin1String("tool_version")))));
    SystemPart(pages, content, values);
    SettingsPart(pages, content);
    LogPart(pages, content);
    CalibrationPart(pages, content);
  }
  buffer.close();
  // Glyphs the writer named by a radical get their ideograph's name: a
  // Chinese report's text copies and searches as it reads.
  if (const std::set<char16_t> radicals = RadicalsNamed(pdf); !radicals.empty())
    NameIdeographs(pdf, IdeographsOf(radicals, QRawFont::fromFont(BodyFont(9), QFontDatabase::SimplifiedChinese)));
  return pdf;
}

}  // namespace zor::report
