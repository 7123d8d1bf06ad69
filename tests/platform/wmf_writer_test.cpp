#include "platform/wmf_writer.h"

#include <gtest/gtest.h>

#include "tests/test_support/files.h"

#include <QDir>
#include <QRegularExpression>
#include <QtEndian>

#include "platform/colors.h"

namespace gyrolux {
namespace {

// One drawing with every kind of operation, at places that are easy to find again.
Picture EveryOperation() {
  Picture picture(500, 400);
  picture.setPen(clBlack);
  picture.setBrush(clWhite);
  picture.rectangle(0, 0, 500, 400);  // the frame gives the drawing its full extent
  picture.setBrush(clRed);
  picture.rectangle(100, 50, 200, 150);
  picture.setBrush(clYellow);
  picture.ellipse(300, 200, 400, 260);
  picture.setPen(clGreen, 3);
  picture.line(20, 380, 120, 380);
  picture.pixel(250, 300, clRed);
  picture.setFont(QStringLiteral("ms sans serif"), 8, false, clBlack);
  picture.text(400, 10, QStringLiteral("0° Größe"));
  picture.setFont(QStringLiteral("RuduzodediRuvedur"), 10, true, clNavy);
  picture.text(250, 100, QStringLiteral("c"), 900);
  picture.text(150, 300, QStringLiteral("e"), 2700);
  // Its left half transparent, as the main wheel's centre picture is around its circle.
  QImage image(8, 4, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < 4; ++y)
    for (int x = 4; x < 8; ++x) image.setPixel(x, y, clTeal);
  picture.image(60, 250, image);
  return picture;
}

struct FontRecord {
  int height, escapement, weight;
  QByteArray face;
  bool operator==(const FontRecord&) const = default;
};
void PrintTo(const FontRecord& f, std::ostream* out) {
  *out << f.height << '/' << f.escapement << '/' << f.weight << ' ' << f.face.toStdString();
}

struct Records {
  int creates = 0, deletes = 0;
  std::vector<FontRecord> fonts;
  std::vector<int> functions;
};

// Walks the records behind the placeable header and the metafile header.
Records ReadRecords(const QByteArray& wmf) {
  Records records;
  const auto* data = reinterpret_cast<const uchar*>(wmf.constData());
  qsizetype at = 22 + 18;
  while (at + 6 <= wmf.size()) {
    const qsizetype size = qsizetype(qFromLittleEndian<quint32>(data + at)) * 2;
    const int function = qFromLittleEndian<quint16>(data + at + 4);
    if (size < 6 || at + size > wmf.size()) break;
    records.functions.push_back(function);
    if (function == 0x02FA || function == 0x02FC || function == 0x02FB) ++records.creates;
    if (function == 0x01F0) ++records.deletes;
    if (function == 0x02FB) {
      const uchar* p = data + at + 6;
      const char* face = reinterpret_cast<const char*>(p + 18);
      records.fonts.push_back({qFromLittleEndian<qint16>(p), qFromLittleEndian<qint16>(p + 4),
                               qFromLittleEndian<qint16>(p + 8), QByteArray(face, qstrnlen(face, size - 6 - 18))});
    }
    at += size;
  }
  return records;
}

TEST(WmfWriterTest, HeaderAndRecordsKeepFacesEscapementsAndASmallObjectTable) {
  const std::optional<QByteArray> wmf = WmfBytes(EveryOperation());
  ASSERT_TRUE(wmf.has_value() && wmf->size() > 100);
  const auto* data = reinterpret_cast<const uchar*>(wmf->constData());
  // (The placeable header's key, box and units: the draw verb's case in calc_cli_test.cpp.)
  // At most the pen, brush and font in use plus the one replacing one of them.
  EXPECT_LE(qFromLittleEndian<quint16>(data + 22 + 10), 4);

  const Records records = ReadRecords(*wmf);
  EXPECT_EQ(records.creates, records.deletes);  // every object is deleted again
  ASSERT_FALSE(records.functions.empty());
  EXPECT_EQ(records.functions.back(), 0x0000);  // end of file
  // 8 points at 96 dpi are 11 pixels, 10 points 13.
  EXPECT_EQ(records.fonts, (std::vector<FontRecord>{{-11, 0, 400, "ms sans serif"}, {-13, 900, 700, "RuduzodediRuvedur"},
                                                     {-13, 2700, 700, "RuduzodediRuvedur"}}));
  EXPECT_NE(std::find(records.functions.begin(), records.functions.end(), 0x0F43), records.functions.end());  // image
  // The text as Windows-1252 bytes.
  EXPECT_TRUE(wmf->contains(QByteArray("0\xB0 Gr\xF6\xDF" "e")));
}

double Attribute(const QString& element, const QString& name) {
  const QRegularExpression pattern(QStringLiteral("\\b%1=\"(-?[0-9.]+)\"").arg(name));
  const QRegularExpressionMatch match = pattern.match(element);
  return match.hasMatch() ? match.captured(1).toDouble() : -1e9;
}

TEST(WmfWriterTest, AConverterFindsEveryShapeAndTextInItsPlace) {
  QString error;
  ASSERT_TRUE(WriteWmf(EveryOperation(), QStringLiteral("MCPic-01.WMF"), &error)) << error.toStdString();
  const QString svg = testing::WmfToSvg(QStringLiteral("MCPic-01.WMF"));

  const QRegularExpression elements(QStringLiteral("<(rect|ellipse|line|text|image)\\b[^>]*>([^<]*)"));
  QStringList rects, ellipses, lines, texts, images;
  for (const QRegularExpressionMatch& match : elements.globalMatch(svg)) {
    const QString kind = match.captured(1);
    QStringList& list = kind == "rect" ? rects : kind == "ellipse" ? ellipses : kind == "line" ? lines
                      : kind == "text" ? texts : images;
    list << match.captured(0);
  }
  ASSERT_EQ(rects.size(), 3);  // frame, red rectangle, the pixel
  ASSERT_EQ(ellipses.size(), 1);
  ASSERT_EQ(lines.size(), 1);
  ASSERT_EQ(texts.size(), 3);
  ASSERT_EQ(images.size(), 1);

  // The converter scales the drawing to its own size; the frame tells by how much.
  const double scale = Attribute(rects[0], "width") / 500.0;
  ASSERT_GT(scale, 0.5);
  auto near = [&](double svgValue, double logical) { EXPECT_NEAR(svgValue / scale, logical, 2.0); };
  const struct {
    const QString& element;
    const char* attribute;
    double logical;
  } places[] = {{rects[1], "x", 100},      {rects[1], "y", 50},      {rects[1], "height", 100},
                {rects[2], "x", 250} /* the pixel */, {ellipses[0], "cy", 230}, {ellipses[0], "rx", 50},
                {lines[0], "x2", 120},     {lines[0], "y1", 380},    {images[0], "y", 250}};
  for (const auto& p : places) {
    SCOPED_TRACE(p.attribute);
    near(Attribute(p.element, QString::fromLatin1(p.attribute)), p.logical);
  }
  EXPECT_TRUE(rects[1].contains("fill:red") && ellipses[0].contains("fill:yellow") && lines[0].contains("stroke:green"));
  // The image's transparent half white, not black, its other half teal.
  // The converter writes it beside the SVG as a PNG file.
  const QImage read(QRegularExpression(QStringLiteral("xlink:href=\"([^\"]+)\"")).match(images[0]).captured(1));
  ASSERT_FALSE(read.isNull()) << images[0].left(200).toStdString();
  EXPECT_EQ(read.pixel(0, 0) & 0xffffff, QColor(Qt::white).rgb() & 0xffffff);
  EXPECT_EQ(read.pixel(read.width() - 1, 0) & 0xffffff, clTeal & 0xffffff);

  // Texts: content, and the transform that puts the baseline below the top-left point
  // (a quarter turn counter-clockwise puts it to the right of the point, three quarters to the left).
  const QRegularExpression matrix(QStringLiteral("matrix\\(([-0-9. ]+)\\)"));
  auto transformOf = [&](const QString& text) {
    QList<double> numbers;
    for (const QString& part : matrix.match(text).captured(1).split(' ', Qt::SkipEmptyParts)) numbers << part.toDouble();
    return numbers;
  };
  EXPECT_TRUE(texts[0].endsWith(QStringLiteral("0\u00B0 Gr\u00F6\u00DFe")));
  EXPECT_TRUE(texts[1].endsWith(QStringLiteral(">c")) && texts[1].contains("font-weight:bold"));
  // {cos, sin} of the text's direction, then where the baseline's start may lie: the
  // converter's own font decides how far from the point.
  const struct {
    double cosine, sine, xLow, xHigh, yLow, yHigh;
  } directions[] = {{1, 0, 398, 402, 10 + 5, 10 + 13},        // flat
                    {0, -1, 250 + 5, 250 + 20, 98, 102},      // up the screen
                    {0, 1, 150 - 20, 150 - 5, 298, 302}};     // down the screen
  for (int i = 0; i < 3; ++i) {
    const QList<double> m = transformOf(texts[i]);
    ASSERT_EQ(m.size(), 6) << i;
    const auto& d = directions[i];
    EXPECT_NEAR(m[0], d.cosine, 1e-3) << i;
    EXPECT_NEAR(m[1], d.sine, 1e-3) << i;
    EXPECT_TRUE(m[4] / scale > d.xLow && m[4] / scale < d.xHigh) << i << ": " << m[4] / scale;
    EXPECT_TRUE(m[5] / scale > d.yLow && m[5] / scale < d.yHigh) << i << ": " << m[5] / scale;
  }
}

// A full disk behind each metafile the program writes: write_cut_short_test.cpp.
TEST(WmfWriterTest, AMissingFolderIsReportedAndNoTemporaryFolderIsNeeded) {
  QString error;
  EXPECT_FALSE(WriteWmf(EveryOperation(), QStringLiteral("no/such/folder/dia.wmf"), &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei dia.wmf kann nicht geschrieben werden."))) << error.toStdString();
  const QByteArray savedTemp = qgetenv("TMPDIR");
  qputenv("TMPDIR", "/nonexistent/gyrolux");
  EXPECT_TRUE(WriteWmf(EveryOperation(), QStringLiteral("dia.wmf")));
  qputenv("TMPDIR", savedTemp);
  EXPECT_EQ(testing::ReadBytes(QStringLiteral("dia.wmf")), WmfBytes(EveryOperation()).value());
}

TEST(WmfWriterTest, OutOfRangeInputIsClampedNotBroken) {
  Picture picture(100, 100);
  picture.line(-1000000, 5, 1000000, 5);
  picture.rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  picture.setFont(QString(64, QLatin1Char('F')), 100000, false, clBlack);  // face longer than a record holds
  picture.text(1, 1, QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b\u0416"), INT_MIN);
  picture.text(1, 1, QString());
  picture.image(0, 0, QImage());
  const std::optional<QByteArray> wmf = WmfBytes(picture);
  ASSERT_TRUE(wmf.has_value());
  const Records records = ReadRecords(*wmf);
  ASSERT_EQ(records.fonts.size(), 1u);
  EXPECT_EQ(records.fonts[0].face, QByteArray(31, 'F'));
  EXPECT_TRUE(wmf->contains(QByteArray("a b?")));
}

}  // namespace
}  // namespace gyrolux
