// Every diagram's frame holds what it draws (measured with the installed fonts), and
// every metafile the program writes reads back with an independent converter (wmf2svg)
// with each text in its place.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QRegularExpression>
#include <QtEndian>

#include "pictures/axis_graphic.h"
#include "pictures/axis_strip.h"
#include "pictures/calculating_dial.h"
#include "pictures/dial_picture.h"
#include "pictures/enlarged_dial.h"
#include "platform/font_faces.h"
#include "platform/picture_bounds.h"
#include "platform/symbol_font.h"
#include "platform/wmf_writer.h"
#include "tests/test_support/charts.h"
#include "tests/clock/started_clock.h"

namespace gyrolux {
namespace {

Chart MomentChart(double hours) {
  Chart chart = testing::ChartOn(5, 12, 2026, hours);
  RecomputeChart(chart);
  return chart;
}

struct Diagram {
  const char* name;
  Picture picture;
};

// The diagrams of a chart, the strip with all its rows.
std::vector<Diagram> Diagrams(const Chart& chart) {
  const QString place = QStringLiteral("010°00' E, 50°00' N");
  return {{"enlarged dial", DrawEnlargedDial(chart, {AS, -5}, true, place)},
          {"calculating dial", DrawCalculatingDial(chart, true, true, place)},
          {"axis graphic", DrawAxisGraphic(chart)},
          {"strip", DrawAxisStrip(chart, {true, true, true})},
          {"wheel", DrawDial(chart.state, true, QImage())}};
}

TEST(PictureFramesTest, EachDiagramsFrameHoldsWhatItDraws) {
  const SymbolFontRegistration font;
  ASSERT_TRUE(font.registered());
  // Moments a few hours apart.
  for (double hours : {0.0, 7.3, 15.9}) {
    const Chart chart = MomentChart(hours);
    for (const Diagram& diagram : Diagrams(chart)) {
      // The main window's wheel cuts its own frame line and outer glyphs as it always has.
      if (QLatin1String(diagram.name) == QLatin1String("wheel")) continue;
      const QRectF drawn = DrawnBounds(diagram.picture);
      EXPECT_TRUE(QRectF(0, 0, diagram.picture.width(), diagram.picture.height()).contains(drawn))
          << diagram.name << ": drawn " << drawn.left() << ',' << drawn.top() << " to " << drawn.right() << ','
          << drawn.bottom();
    }
  }
  // Every factor at the end of the strip: the glyphs stand on the white strip's right edge,
  // the picture still holds them; the frame crosses none of the legend's texts.
  Chart crowded = MomentChart(10.5);
  for (int i = 0; i < kFactorCount; ++i) crowded.state.factorLongitude[i] = 22.49 + 22.5 * i;
  const Picture strip = DrawAxisStrip(crowded, {true, true, true});
  EXPECT_TRUE(QRectF(0, 0, strip.width(), strip.height()).contains(DrawnBounds(strip)));
  EXPECT_GT(DrawnBounds(strip).right(), 510);
  const auto frame = std::find_if(strip.ops().begin(), strip.ops().end(),
                                  [](const PictureOp& op) { return op.kind == PictureOp::Kind::Rectangle; });
  ASSERT_NE(frame, strip.ops().end());
  for (const PictureOp& op : strip.ops()) {
    if (op.kind != PictureOp::Kind::Text || op.font.face == SymbolFace()) continue;
    Picture alone(strip.width(), strip.height());
    alone.setFont(op.font.face, op.font.pointSize, op.font.bold, op.font.color);
    alone.text(op.x1, op.y1, op.text);
    const QRectF box = DrawnBounds(alone);
    EXPECT_FALSE(box.left() < frame->x2 && box.right() > frame->x2) << op.text.toStdString();
  }
}

// The elements of one kind in the converter's SVG, in the order they were drawn.
struct SvgElement {
  QString attributes;
  QString content;
};
std::vector<SvgElement> Elements(const QString& svg, const QString& kind) {
  std::vector<SvgElement> elements;
  const QRegularExpression pattern(QStringLiteral("<%1\\b([^>]*)>([^<]*)").arg(kind));
  for (const QRegularExpressionMatch& m : pattern.globalMatch(svg)) {
    QString content = m.captured(2);
    content.replace(QStringLiteral("&apos;"), QStringLiteral("'")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    elements.push_back({m.captured(1), content});
  }
  return elements;
}

double Attribute(const QString& attributes, const char* name) {
  const QRegularExpression pattern(QStringLiteral("\\b%1=\"(-?[0-9.]+)\"").arg(QLatin1String(name)));
  return pattern.match(attributes).captured(1).toDouble();
}

// A straight fit svg = offset + scale * logical.
struct Axis {
  double scale = 1, offset = 0;
  double map(double logical) const { return offset + scale * logical; }
};
// Through the points (logical, svg) farthest apart.
Axis Fit(const std::vector<std::pair<double, double>>& points) {
  const auto [low, high] = std::minmax_element(points.begin(), points.end());
  Axis axis;
  axis.scale = (high->second - low->second) / (high->first - low->first);
  axis.offset = low->second - axis.scale * low->first;
  return axis;
}

// Reads the metafile back with wmf2svg and finds each of the picture's texts in it, in
// drawing order and, unless turned, at its place.
void ExpectTextsInPlace(const Picture& picture, const QString& wmf) {
  const QString svg = testing::WmfToSvg(wmf);

  // The converter scales the drawing to a size of its own: the lines tell how.
  std::vector<const PictureOp*> lines, texts;
  for (const PictureOp& op : picture.ops()) {
    if (op.kind == PictureOp::Kind::Line) lines.push_back(&op);
    if (op.kind == PictureOp::Kind::Text) texts.push_back(&op);
  }
  const std::vector<SvgElement> svgLines = Elements(svg, QStringLiteral("line"));
  ASSERT_EQ(svgLines.size(), lines.size());
  std::vector<std::pair<double, double>> xs, ys;
  for (size_t i = 0; i < lines.size(); ++i) {
    xs.push_back({lines[i]->x1, Attribute(svgLines[i].attributes, "x1")});
    xs.push_back({lines[i]->x2, Attribute(svgLines[i].attributes, "x2")});
    ys.push_back({lines[i]->y1, Attribute(svgLines[i].attributes, "y1")});
    ys.push_back({lines[i]->y2, Attribute(svgLines[i].attributes, "y2")});
  }
  const Axis x = Fit(xs), y = Fit(ys);
  ASSERT_GT(x.scale, 0.1);
  ASSERT_GT(y.scale, 0.1);

  const std::vector<SvgElement> svgTexts = Elements(svg, QStringLiteral("text"));
  ASSERT_EQ(svgTexts.size(), texts.size());
  const QRegularExpression matrix(QStringLiteral("matrix\\(([-0-9. ]+)\\)"));
  for (size_t i = 0; i < texts.size(); ++i) {
    const PictureOp& op = *texts[i];
    EXPECT_EQ(svgTexts[i].content.trimmed(), op.text.trimmed()) << i;
    if (op.escapement != 0) continue;
    const QStringList m = matrix.match(svgTexts[i].attributes).captured(1).split(u' ', Qt::SkipEmptyParts);
    ASSERT_EQ(m.size(), 6);
    // Left edge at x; the baseline below the top of the cell, within the text's height.
    EXPECT_NEAR((m[4].toDouble() - x.offset) / x.scale, op.x1, 2.5) << op.text.toStdString();
    const double baseline = (m[5].toDouble() - y.offset) / y.scale;
    EXPECT_GT(baseline, op.y1) << op.text.toStdString();
    EXPECT_LT(baseline, op.y1 + FontPixelHeight(op.font.pointSize) + 2) << op.text.toStdString();
  }
}

TEST(PictureFramesTest, EveryMetafileReadsBackWithItsTextsInPlace) {
  const SymbolFontRegistration font;
  for (const Diagram& diagram : Diagrams(MomentChart(10.4972))) {
    SCOPED_TRACE(diagram.name);
    ASSERT_TRUE(WriteWmf(diagram.picture, QStringLiteral("picture.wmf")));
    ExpectTextsInPlace(diagram.picture, QStringLiteral("picture.wmf"));
  }
}

TEST(PictureFramesTest, TheMainWindowsStripKeepsItsWholeScaleInDiaWmfAndOnTheClipboard) {
  const SymbolFontRegistration font;
  testing::StartedClock clock(testing::Moment(5, 12, 2026, 10, 29, 50));
  clock.checkBox("withMcBox")->setChecked(true);
  clock.checkBox("withTransplutoBox")->setChecked(true);
  clock.checkBox("linearGraphicBox")->setChecked(true);
  const Picture& strip = *clock.dial().picture();
  const QByteArray wmf = testing::ReadBytes(QStringLiteral("dia.wmf"));
  ASSERT_GT(wmf.size(), 22);  // the metafile's header holds the whole picture
  EXPECT_EQ(qFromLittleEndian<qint16>(wmf.constData() + 10), 530);
  EXPECT_EQ(qFromLittleEndian<qint16>(wmf.constData() + 12), 525);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(530, 525));
  ExpectTextsInPlace(strip, QStringLiteral("dia.wmf"));
  // The scale's last label and the last legend column stand in it.
  int beyondTheStrip = 0;
  for (const PictureOp& op : strip.ops()) beyondTheStrip += op.kind == PictureOp::Kind::Text && op.x1 >= 440;
  EXPECT_GE(beyondTheStrip, 4);
}

}  // namespace
}  // namespace gyrolux
