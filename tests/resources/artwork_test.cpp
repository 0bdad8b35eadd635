// The family pictures, the application icon and the desktop entry: the files
// as committed, and as the tool finds them in its resources.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace {

const QString kSourceDir = QStringLiteral(ZOR_RESOURCES_DIR);

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

uint32_t le32(const QByteArray& b, int at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t le16(const QByteArray& b, int at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

struct Picture {
  const char* file;  // under resources/
  const char* resource;
  int width;
  int height;
};

const Picture kPictures[] = {
    {"pictures/family-130.bmp", ":/pictures/family-130.bmp", 90, 26},
    {"pictures/family-131.bmp", ":/pictures/family-131.bmp", 60, 19},
    {"pictures/family-132.bmp", ":/pictures/family-132.bmp", 90, 26},
};

class FamilyPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(FamilyPicture, IsAnUncompressed24BitBmpWithInfoHeader) {
  const Picture& pic = GetParam();
  const QByteArray bmp = readAll(kSourceDir + QLatin1Char('/') + QLatin1String(pic.file));
  ASSERT_GE(bmp.size(), 54) << pic.file;
  const uint32_t stride = (pic.width * 3 + 3) & ~3u;

  EXPECT_EQ(bmp.left(2), QByteArray("BM"));
  EXPECT_EQ(le32(bmp, 2), uint32_t(bmp.size())) << "file size field";
  EXPECT_EQ(le32(bmp, 10), 54u) << "pixel data right after the two headers";
  EXPECT_EQ(le32(bmp, 14), 40u) << "BITMAPINFOHEADER";
  EXPECT_EQ(int32_t(le32(bmp, 18)), pic.width);
  EXPECT_EQ(int32_t(le32(bmp, 22)), pic.height) << "positive: bottom-up rows";
  EXPECT_EQ(le16(bmp, 26), 1) << "planes";
  EXPECT_EQ(le16(bmp, 28), 24) << "bits per pixel";
  EXPECT_EQ(le32(bmp, 30), 0u) << "BI_RGB";
  EXPECT_EQ(le32(bmp, 46), 0u) << "no palette";
  EXPECT_EQ(uint32_t(bmp.size()), 54 + stride * pic.height) << "padded rows, nothing else";
}

TEST_P(FamilyPicture, ResourceHoldsTheCommittedFile) {
  const Picture& pic = GetParam();
  const QByteArray embedded = readAll(QLatin1String(pic.resource));
  ASSERT_FALSE(embedded.isEmpty()) << pic.resource << " is not in the resources";
  EXPECT_EQ(embedded, readAll(kSourceDir + QLatin1Char('/') + QLatin1String(pic.file)));
}

TEST_P(FamilyPicture, IsABadgeWithLightTextOnADarkPlate) {
  const Picture& pic = GetParam();
  const QImage image(QLatin1String(pic.resource));
  ASSERT_FALSE(image.isNull()) << pic.resource;
  EXPECT_EQ(image.size(), QSize(pic.width, pic.height));
  EXPECT_FALSE(image.hasAlphaChannel());

  // Rounded corners blend into the light grey dialog.
  for (const QPoint corner :
       {QPoint(0, 0), QPoint(pic.width - 1, 0), QPoint(0, pic.height - 1), QPoint(pic.width - 1, pic.height - 1)}) {
    EXPECT_GT(image.pixelColor(corner).lightness(), 170) << pic.file << " corner " << corner.x() << ',' << corner.y();
  }
  // A dark plate under the middle, and enough near-white pixels to be lettering.
  int dark = 0, light = 0;
  for (int y = pic.height / 4; y < pic.height * 3 / 4; ++y) {
    for (int x = 2; x < pic.width - 2; ++x) {
      const int l = image.pixelColor(x, y).lightness();
      dark += l < 110;
      light += l > 200;
    }
  }
  const int inner = (pic.width - 4) * (pic.height / 2);
  EXPECT_GT(dark, inner / 3) << pic.file;
  EXPECT_GT(light, inner / 12) << pic.file;
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyPicture, ::testing::ValuesIn(kPictures), [](const auto& info) {
  return QString::fromLatin1(info.param.file).mid(16, 3).toStdString();
});

TEST(FamilyPictures, EachFamilyHasItsOwnPicture) {
  QSet<QByteArray> distinct;
  for (const Picture& pic : kPictures) distinct.insert(readAll(QLatin1String(pic.resource)));
  EXPECT_EQ(distinct.size(), 3);
}

TEST(ApplicationIcon, IsA256SquareWithTransparentCorners) {
  const QImage icon(QStringLiteral(":/icons/zor-maintenance.png"));
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(256, 256));
  ASSERT_TRUE(icon.hasAlphaChannel());
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(255, 255)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(128, 128)), 255);
  EXPECT_EQ(readAll(QStringLiteral(":/icons/zor-maintenance.png")),
            readAll(kSourceDir + QStringLiteral("/icons/zor-maintenance.png")));
}

TEST(ApplicationIcon, ScalableVersionIsAnSvgOfTheSameSize) {
  const QByteArray svg = readAll(kSourceDir + QStringLiteral("/icons/zor-maintenance.svg"));
  EXPECT_TRUE(svg.startsWith("<?xml"));
  EXPECT_TRUE(svg.contains("viewBox=\"0 0 256 256\""));
  EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
}

// Keys of the [Desktop Entry] group; duplicates and stray lines are failures.
QMap<QString, QString> desktopEntry(const QByteArray& text, QStringList& problems) {
  QMap<QString, QString> keys;
  bool inEntry = false;
  for (const QByteArray& raw : text.split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    if (line.startsWith(QLatin1Char('['))) {
      if (!inEntry && keys.isEmpty() && line != QLatin1String("[Desktop Entry]"))
        problems << QStringLiteral("first group is ") + line;
      inEntry = line == QLatin1String("[Desktop Entry]");
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0) {
      problems << QStringLiteral("not a key: ") + line;
      continue;
    }
    if (!inEntry) continue;
    const QString key = line.left(eq).trimmed();
    if (keys.contains(key)) problems << QStringLiteral("duplicate key ") + key;
    keys.insert(key, line.mid(eq + 1).trimmed());
  }
  return keys;
}

TEST(DesktopEntry, NamesTheToolItsIconAndItsMenuCategories) {
  const QByteArray text = readAll(kSourceDir + QStringLiteral("/" ZOR_APP_ID ".desktop"));
  ASSERT_FALSE(text.isEmpty());
  QStringList problems;
  const QMap<QString, QString> keys = desktopEntry(text, problems);
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral("; ")).toStdString();

  const struct {
    const char* key;
    const char* value;
  } required[] = {
      {"Type", "Application"},
      {"Name", "ZOR Maintenance"},
      {"Exec", "zor-maintenance"},
      // The installed icon's file name, without extension, the entry's own
      // name and the name the application gives Qt as its desktop file: all
      // are the tool's id.
      {"Icon", ZOR_APP_ID},
  };
  for (const auto& r : required) {
    EXPECT_EQ(keys.value(QLatin1String(r.key)), QLatin1String(r.value)) << r.key;
  }
  EXPECT_FALSE(keys.value(QStringLiteral("GenericName")).isEmpty());
  EXPECT_FALSE(keys.value(QStringLiteral("Comment")).isEmpty());
  const QString categories = keys.value(QStringLiteral("Categories"));
  EXPECT_TRUE(categories.endsWith(QLatin1Char(';'))) << categories.toStdString();
  // One main category the menus know, so the entry is not filed under "Other".
  const QStringList main = {QStringLiteral("Utility"), QStringLiteral("Development"), QStringLiteral("System")};
  bool hasMain = false;
  for (const QString& c : categories.split(QLatin1Char(';'), Qt::SkipEmptyParts)) hasMain |= main.contains(c);
  EXPECT_TRUE(hasMain) << categories.toStdString();
}

// Both entries speak each language the program carries.
TEST(DesktopEntry, NamesItselfInEachLanguage) {
  for (const char* entry : {ZOR_APP_ID ".desktop", ZOR_APP_ID ".simulator.desktop"}) {
    QStringList problems;
    const QMap<QString, QString> keys = desktopEntry(readAll(kSourceDir + u'/' + QLatin1String(entry)), problems);
    for (const char* key : {"Name", "GenericName", "Comment"})
      for (const char* language : {"de", "zh_CN"}) {
        const QString localized = QStringLiteral("%1[%2]").arg(QLatin1String(key), QLatin1String(language));
        EXPECT_FALSE(keys.value(localized).isEmpty()) << entry << ": " << localized.toStdString();
        EXPECT_NE(keys.value(localized), keys.value(QLatin1String(key))) << entry << ": " << localized.toStdString();
      }
  }
}

}  // namespace
