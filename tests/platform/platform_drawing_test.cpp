// What draws: pictures into pixels, the faces and sizes of the fonts, the symbol font, the
// metafile and the clipboard, the exported files, printing, and the boxes and dialogs that
// speak to the user.
#include <gtest/gtest.h>

#include <set>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTimer>
#include <QtEndian>

#include "platform/clipboard.h"
#include "platform/colors.h"
#include "platform/font_faces.h"
#include "platform/picture.h"
#include "platform/picture_bounds.h"
#include "platform/picture_export.h"
#include "platform/printing.h"
#include "platform/qt_prompter.h"
#include "platform/scripted_prompter.h"
#include "platform/symbol_font.h"
#include "platform/translations.h"
#include "platform/wmf_writer.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

using testing::PdfText;

// The box of the pixels darker than the grey level `below` (255: all but white), and their number.
QRect InkBox(const QImage& image, int below = 255, int* count = nullptr) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < below) {
        box |= QRect(x, y, 1, 1);
        if (count) ++*count;
      }
  return box;
}

TEST(PictureTest, ShapesLeaveOutTheirRightAndBottomEdgeAndPixelsAreExact) {
  Picture picture(100, 100);
  picture.setPen(clBlack);
  picture.setBrush(clRed);
  picture.rectangle(10, 20, 30, 40);
  picture.setBrush(clYellow);
  picture.ellipse(40, 10, 90, 50);
  picture.setPen(clNavy);
  picture.line(2, 5, 12, 5);
  picture.line(5, 60, 5, 70);
  picture.pixel(30, 80, clGreen);
  QImage icon(4, 3, QImage::Format_RGB32);
  icon.fill(clTeal);
  picture.image(60, 70, icon);
  picture.image(0, 0, QImage());  // nothing, and no crash
  const QImage image = picture.toImage();
  ASSERT_EQ(image.size(), QSize(100, 100));
  const auto inkIn = [&image](const QRect& area) {
    QImage part = image.copy(area);
    return InkBox(part).translated(area.topLeft());
  };
  EXPECT_EQ(inkIn(QRect(8, 18, 30, 30)), QRect(QPoint(10, 20), QPoint(29, 39)));
  EXPECT_EQ(image.pixel(29, 39), clBlack);  // the outline's far corner
  EXPECT_EQ(image.pixel(28, 38), clRed);    // filled inside
  EXPECT_EQ(inkIn(QRect(38, 8, 60, 50)), QRect(QPoint(40, 10), QPoint(89, 49)));
  EXPECT_EQ(image.pixel(65, 30), clYellow);
  EXPECT_EQ(image.pixel(41, 11), clWhite);  // the corners of the ellipse's box stay free
  EXPECT_EQ(inkIn(QRect(0, 0, 15, 8)), QRect(2, 5, 10, 1));   // the line stops before its end
  EXPECT_EQ(inkIn(QRect(0, 55, 10, 20)), QRect(5, 60, 1, 10));
  EXPECT_EQ(inkIn(QRect(25, 75, 10, 10)), QRect(30, 80, 1, 1));
  EXPECT_EQ(image.pixel(30, 80), clGreen);
  EXPECT_EQ(inkIn(QRect(55, 65, 20, 20)), QRect(60, 70, 4, 3));  // an image at its own size
  EXPECT_EQ(image.pixel(5, 70), clWhite);
  EXPECT_EQ(image.pixel(5, 60), clNavy);
}

TEST(FontFacesTest, OldFaceNamesFindInstalledFacesAndSizesRoundAsMulDiv) {
  const std::pair<const char*, const char*> faces[] = {{"MS Sans Serif", "Liberation Sans"},
                                                       {"Courier New", "Liberation Mono"},
                                                       {"RuduzodediRuvedur", "RuduzodediRuvedur"}};
  for (const auto& [name, installed] : faces)
    EXPECT_EQ(InstalledFamilyFor(QString::fromLatin1(name)), QLatin1String(installed)) << name;
  // 233.3 pixels at 600 dpi (8 and 10 points at 96 dpi: the metafile's fonts below); limits,
  // never an overflow.
  EXPECT_EQ(FontPixelHeight(28, 600), 233);
  EXPECT_EQ(FontPixelHeight(-5), 1);
  EXPECT_GT(FontPixelHeight(1 << 30, 1 << 30), 0);
  // The face that is really drawn with, for a name in any case.
  EXPECT_EQ(QFontInfo(QFontFor(PictureFont{QStringLiteral("ariel"), 8, true, clBlack})).family(),
            QStringLiteral("Liberation Sans"));
}

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

// wmf2svg, an independent converter, reads the shapes in their colours, the image with its
// transparent half on white (as the wheel's centre picture must stand), and each text in its
// direction with its baseline's start where the point and the turn put it. Every diagram's
// lines and flat texts in place: picture_frames_test.cpp.
TEST(WmfWriterTest, AConverterReadsColoursTheImageOnWhiteAndTurnedTexts) {
  ASSERT_TRUE(WriteWmf(EveryOperation(), QStringLiteral("MCPic-01.WMF")));
  const QString svg = testing::WmfToSvg(QStringLiteral("MCPic-01.WMF"));
  EXPECT_TRUE(svg.contains("fill:red") && svg.contains("fill:yellow") && svg.contains("stroke:green"));
  const QImage read(QRegularExpression(QStringLiteral("<image\\b[^>]*xlink:href=\"([^\"]+)\"")).match(svg).captured(1));
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(read.pixel(0, 0) & 0xffffff, 0xffffffu);
  EXPECT_EQ(read.pixel(read.width() - 1, 0) & 0xffffff, clTeal & 0xffffff);
  // The converter scales the drawing to its own size; the frame (the first rectangle) tells by how much.
  const double scale =
      QRegularExpression(QStringLiteral("<rect\\b[^>]*\\bwidth=\"([0-9.]+)\"")).match(svg).captured(1).toDouble() / 500;
  ASSERT_GT(scale, 0.5);
  // {cos, sin} of the text's direction, then where the baseline's start may lie: the
  // converter's own font decides how far from the point.
  const struct {
    double cosine, sine, xLow, xHigh, yLow, yHigh;
  } directions[] = {{1, 0, 398, 402, 10 + 5, 10 + 13},        // flat
                    {0, -1, 250 + 5, 250 + 20, 98, 102},      // up the screen
                    {0, 1, 150 - 20, 150 - 5, 298, 302}};     // down the screen
  const QString texts[] = {QStringLiteral("0\u00B0 Gr\u00F6\u00DFe"), QStringLiteral("c"), QStringLiteral("e")};
  const QRegularExpression text(QStringLiteral("<text\\b[^>]*matrix\\(([-0-9. ]+)\\)[^>]*>([^<]*)"));
  int i = 0;
  for (const QRegularExpressionMatch& match : text.globalMatch(svg)) {
    ASSERT_LT(i, 3);
    QList<double> m;
    for (const QString& part : match.captured(1).split(u' ', Qt::SkipEmptyParts)) m << part.toDouble();
    ASSERT_EQ(m.size(), 6) << i;
    const auto& d = directions[i];
    EXPECT_NEAR(m[0], d.cosine, 1e-3) << i;
    EXPECT_NEAR(m[1], d.sine, 1e-3) << i;
    EXPECT_TRUE(m[4] / scale > d.xLow && m[4] / scale < d.xHigh) << i << ": " << m[4] / scale;
    EXPECT_TRUE(m[5] / scale > d.yLow && m[5] / scale < d.yHigh) << i << ": " << m[5] / scale;
    EXPECT_TRUE(match.captured(2).endsWith(texts[i])) << i;
    ++i;
  }
  EXPECT_EQ(i, 3);
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
  const Picture tooLarge(0, 100000);  // sizes clamped to what a metafile holds
  EXPECT_EQ(QSize(tooLarge.width(), tooLarge.height()), QSize(1, 32767));
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

TEST(ClipboardTest, APictureGoesOnAsImageAndAsMetafile) {
  Picture picture(520, 520);
  picture.setPen(clNavy);
  picture.setBrush(clNavy);
  picture.rectangle(5, 5, 50, 60);
  CopyPictureToClipboard(picture);

  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(image.size(), QSize(520, 520));
  EXPECT_EQ(image.pixel(20, 30), clNavy);
  EXPECT_EQ(image.pixel(50, 60), clWhite);

  ASSERT_TRUE(data->hasFormat(QLatin1String(kWmfMimeType)));
  EXPECT_EQ(data->data(QLatin1String(kWmfMimeType)), WmfBytes(picture).value());
}

// The file is written by ReplaceFileContents, whose refusals are TextFileTest's.
TEST(PictureExportTest, FormatsByExtensionAndThePngsSize) {
  const std::pair<const char*, std::optional<ExportFormat>> formats[] = {
      {"a/b.PDF", ExportFormat::Pdf}, {"b.svg", ExportFormat::Svg}, {"b.Png", ExportFormat::Png}, {"b.wmf", {}}, {"pdf", {}}};
  for (const auto& [name, format] : formats) EXPECT_EQ(ExportFormatOfFile(QString::fromLatin1(name)), format) << name;
  Picture picture(100, 50);
  picture.text(10, 10, QStringLiteral("Ort"));
  // At twice its size (the draw verb's case in calc_cli_test.cpp), marked to show at its own size.
  ASSERT_TRUE(ExportPicture(picture, QStringLiteral("picture.png"), ExportFormat::Png));
  EXPECT_NEAR(QImage(QStringLiteral("picture.png")).dotsPerMeterX(), 2 * 96 / 0.0254, 1);
}

// The dark pixels of a picture drawn with its texts as glyphs or as outlines: their box and number.
QRect Ink(const Picture& picture, TextRendering texts, int* count) {
  QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  picture.render(painter, QRectF(0, 0, picture.width(), picture.height()), texts);
  painter.end();
  return InkBox(image, 128, count);
}

// A text stands below and right of its point and turns counter-clockwise; drawn as outlines
// (as PDF and SVG take it) it stands where its glyphs stand, and the measured bounds hold it.
TEST(PictureTest, TextStandsBelowRightOfItsPointTurnsAndItsOutlinesMatchItsGlyphs) {
  int flatWidth = 0;
  for (int escapement : {0, 900, 2700, -900}) {
    SCOPED_TRACE(escapement);
    Picture picture(200, 200);
    picture.setFont(QStringLiteral("Arial"), 14, true, clBlack);
    picture.text(100, 100, QStringLiteral("Achse 22°"), escapement);
    int glyphs = 0, outlines = 0;
    const QRect g = Ink(picture, TextRendering::Glyphs, &glyphs), outlineBox = Ink(picture, TextRendering::Outlines, &outlines);
    ASSERT_GT(glyphs, 50);
    EXPECT_NEAR(outlines, glyphs, glyphs / 5);
    EXPECT_NEAR(outlineBox.center().x(), g.center().x(), 2);
    EXPECT_NEAR(outlineBox.center().y(), g.center().y(), 2);
    const QRectF bounds = DrawnBounds(picture);
    EXPECT_TRUE(bounds.adjusted(-1, -1, 1, 1).contains(QRectF(g)));
    // 14 points are 19 pixels. Unturned the cell's top-left corner is the point; a quarter
    // turn runs the text upwards with its cell right of the point, three quarters (and a
    // quarter clockwise) run it downwards with its cell left of the point.
    if (escapement == 0) {
      flatWidth = g.width();
      EXPECT_TRUE(g.left() >= 100 && g.left() <= 102 && g.top() >= 100 && g.bottom() <= 119);
    } else if (escapement == 900) {
      EXPECT_TRUE(g.left() >= 100 && g.right() <= 119 && g.bottom() <= 102 && bounds.bottom() < 101);
    } else {
      EXPECT_TRUE(g.right() <= 100 && g.left() >= 81 && g.top() >= 98 && bounds.top() > 99);
    }
    EXPECT_NEAR(escapement ? g.height() : g.width(), flatWidth, 2);
  }
}

TEST(SymbolFontTest, TheCodesAndTheFontBesideTheProgramWhichRegistersAndCoversThemAndTheDigits) {
  // MC is "a", GZ "w"; Aries is C7, Libra C1, Pisces C6; outside the tables a blank.
  const std::pair<int, char16_t> factors[] = {{0, u'a'}, {22, u'w'}, {23, u' '}, {-1, u' '}};
  for (const auto& [factor, glyph] : factors) EXPECT_EQ(SymbolFontFactorGlyph(factor), QChar(glyph)) << factor;
  const std::pair<int, char16_t> signs[] = {{0, 0xC7}, {6, 0xC1}, {11, 0xC6}, {12, u' '}};
  for (const auto& [sign, glyph] : signs) EXPECT_EQ(SymbolFontSignGlyph(sign), QChar(glyph)) << sign;
  // The family check is a case-sensitive substring.
  EXPECT_TRUE(HasSymbolFontFamily({QStringLiteral("Arial"), QStringLiteral("RuduzodediRuvedur")}));
  EXPECT_TRUE(HasSymbolFontFamily({QStringLiteral("RuduzodediRuvedur Regular")}));
  EXPECT_FALSE(HasSymbolFontFamily({QStringLiteral("ruduzodediruvedur")}));

  const QString file = FindSymbolFontFile();
  ASSERT_EQ(QFileInfo(file).absolutePath(), QCoreApplication::applicationDirPath());
  EXPECT_FALSE(SymbolFontPresent());
  {
    SymbolFontRegistration registration(file);
    ASSERT_TRUE(registration.registered());
    EXPECT_EQ(registration.families(), QStringList{QStringLiteral("RuduzodediRuvedur")});
    EXPECT_TRUE(SymbolFontPresent());

    const QRawFont font(file, 40);
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName(), QStringLiteral("RuduzodediRuvedur"));
    // The 35 codes (WI is drawn as the sign of Aries) and the digits of the wheel's house
    // numbers: each drawn, each with a glyph of its own; the digits all of one width.
    ASSERT_EQ(SymbolFontCharacters().size(), 35);
    const QString characters = SymbolFontCharacters() + QStringLiteral("0123456789");
    const QList<quint32> glyphs = font.glyphIndexesForString(characters);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    for (int i = 0; i < characters.size(); ++i) {
      EXPECT_TRUE(font.supportsCharacter(characters[i])) << i;
      EXPECT_FALSE(font.pathForGlyph(glyphs[i]).isEmpty()) << i;
      EXPECT_TRUE(i < 35 || advances[i] == advances[35]) << i;
    }
    EXPECT_EQ(std::set<quint32>(glyphs.begin(), glyphs.end()).size(), 45u);
    EXPECT_FALSE(font.supportsCharacter(QLatin1Char('x')));
  }
  // Removed at the end of the registration.
  EXPECT_FALSE(SymbolFontPresent());
}

// That the tests never see an installed symbol font (test_support/private_environment.h)
// shows in the main window's start-up case, which expects the message of the missing font.
TEST(SymbolFontTest, AMissingOrBrokenFileIsNotRegistered) {
  testing::WriteBytes(QStringLiteral("Radivuru.TTF"), "not a font at all");
  for (const QString& file : {QStringLiteral("no/such/Radivuru.TTF"), QStringLiteral("Radivuru.TTF"), QString()}) {
    SymbolFontRegistration registration(file);
    EXPECT_FALSE(registration.registered()) << file.toStdString();
    EXPECT_TRUE(registration.families().isEmpty());
  }
}

TEST(PrintingTest, PageSizesRoundUpToTheNextHundredStrictlyAboveAPrinterThatCannotPrintIsReportedInGerman) {
  // Strictly above, and never an overflow.
  const std::pair<int, int> rounded[] = {{5000, 5100}, {INT_MAX, 2147483600}};
  for (const auto& [size, above] : rounded) EXPECT_EQ(NextHundredAbove(size), above) << size;

  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QStringLiteral("x.pdf"));
  const QSize page = PrintablePageSize(printer);
  // A4 at 600 dpi is 4961 x 7016 pixels; the printable part lies within.
  EXPECT_TRUE(page.width() > 4000 && page.width() <= 4961) << page.width();
  EXPECT_TRUE(page.height() > 6000 && page.height() <= 7016) << page.height();
  EXPECT_GT(DefaultPrinterPageSize().width(), 0);

  QPrinter broken(QPrinter::HighResolution);
  SetUpPdfPrinter(broken, QStringLiteral("no/such/folder/out.pdf"));
  PrintJob refused(broken);
  QString error;
  EXPECT_FALSE(refused.begin(&error));
  EXPECT_EQ(error, PrintFailedText());
  EXPECT_FALSE(refused.end());
  TextPrinter refusedText(broken);
  EXPECT_FALSE(refusedText.begin());
  refusedText.writeLine(QStringLiteral("nothing happens"));
}

TEST(PrintingTest, EmptyLinesAdvanceAndLongLinesWrap) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QStringLiteral("wrap.pdf"));
  TextPrinter text(printer);
  ASSERT_TRUE(text.begin());
  text.writeLine(QString());
  text.writeLine(QStringLiteral("Kopf"));
  text.writeLine(QString(300, QLatin1Char('x')));  // far wider than the page
  text.writeLine(QStringLiteral("Ende"));
  ASSERT_TRUE(text.end());
  const QStringList lines = testing::NonEmptyTrimmed(PdfText(QStringLiteral("wrap.pdf")).split(u'\n'));
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines.front(), QStringLiteral("Kopf"));
  EXPECT_EQ(lines.back(), QStringLiteral("Ende"));
  QString wrapped;
  for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
    EXPECT_LT(lines[i].size(), 300);
    wrapped += lines[i];
  }
  EXPECT_EQ(wrapped, QString(300, QLatin1Char('x')));
}

QString Plain(QString caption) { return caption.remove(QLatin1Char('&')); }

// Runs check on the message box that opens next and then presses its button `press`.
void WhenTheBoxOpens(std::function<void(QMessageBox&)> check, QMessageBox::StandardButton press) {
  QTimer::singleShot(0, [check = std::move(check), press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      ADD_FAILURE() << "no message box open";
      return;
    }
    check(*box);
    if (QAbstractButton* button = box->button(press)) button->click();
    else box->reject();
  });
}

TEST(QtPrompterTest, BoxesSpeakGermanAndShowCrAsLineBreaks) {
  // Qt's German comes from the copy compiled into the program, whatever is installed.
  ASSERT_TRUE(InstallGermanTranslations(*QCoreApplication::instance()));
  EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Drucken"));
  QtPrompter prompter;

  WhenTheBoxOpens([](QMessageBox& box) {
    EXPECT_EQ(Plain(box.button(QMessageBox::Yes)->text()), QStringLiteral("Ja"));
    EXPECT_EQ(Plain(box.button(QMessageBox::No)->text()), QStringLiteral("Nein"));
    EXPECT_EQ(box.text(), QStringLiteral("Soll bei jedem\nStellium gestoppt werden?"));
    EXPECT_EQ(box.icon(), QMessageBox::Question);
  }, QMessageBox::No);
  EXPECT_FALSE(prompter.question(QStringLiteral("Soll bei jedem\rStellium gestoppt werden?")));

  WhenTheBoxOpens([](QMessageBox&) {}, QMessageBox::Yes);
  EXPECT_TRUE(prompter.question(QStringLiteral("Ja?")));

  WhenTheBoxOpens([](QMessageBox& box) {
    EXPECT_EQ(Plain(box.button(QMessageBox::Ok)->text()), QStringLiteral("OK"));
    EXPECT_EQ(box.buttons().size(), 1);
    EXPECT_EQ(box.icon(), QMessageBox::Critical);
  }, QMessageBox::Ok);
  prompter.error(QStringLiteral("Die Datei ALT.DAT kann nicht geschrieben werden."));

  WhenTheBoxOpens([](QMessageBox& box) { EXPECT_EQ(box.icon(), QMessageBox::Information); }, QMessageBox::Ok);
  prompter.information(QStringLiteral("a\r\rb"));
}

// The queue and the record of shown boxes serve every window test; a box that no answer
// was queued for ends the test program.
TEST(ScriptedPrompterDeathTest, ByDefaultAnUnscriptedQuestionEndsTheTestProgram) {
  ScriptedPrompter prompter;
  EXPECT_DEATH(prompter.question(QStringLiteral("niemand antwortet")), "unscripted question");
}

}  // namespace
}  // namespace gyrolux
