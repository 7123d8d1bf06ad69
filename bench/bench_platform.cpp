// The platform work of one clock tick: the dial picture shown, put on the clipboard and
// written as a metafile, and the decoding of the title picture at start.
#include <benchmark/benchmark.h>

#include <cmath>

#include <QGuiApplication>
#include <QMimeData>

#include "platform/clipboard.h"
#include "platform/colors.h"
#include "platform/jpeg_image.h"
#include "platform/picture.h"
#include "platform/bundled_images.h"
#include "platform/symbol_font.h"
#include "platform/wmf_writer.h"

namespace {

using namespace gyrolux;

// About as many operations as the wheel has: rings, sign lines, house ring, cusps, glyphs.
Picture DialLikePicture() {
  Picture picture(520, 520);
  picture.setFont(QStringLiteral("ms sans serif"), 8, false, clBlack);
  picture.rectangle(5, 5, 550, 520);
  picture.ellipse(50, 50, 470, 470);
  for (int k = 0; k < 12; ++k) {
    const double a = 30 * k * M_PI / 180;
    picture.line(260 + int(76 * std::cos(a)), 260 - int(77 * std::sin(a)), 260 + int(212 * std::cos(a)),
                 260 - int(213 * std::sin(a)));
  }
  picture.ellipse(155, 155, 365, 365);
  picture.ellipse(185, 185, 335, 335);
  picture.ellipse(215, 215, 305, 305);
  picture.setFont(QStringLiteral("ariel"), 8, false, clBlack);
  for (int k = 0; k < 12; ++k) picture.text(256 + 5 * k, 255, QString::number(k + 1));
  picture.setFont(QStringLiteral("RuduzodediRuvedur"), 11, false, clBlack);
  for (int k = 0; k < 12; ++k) picture.text(100 + 20 * k, 130, QString(SymbolFontSignGlyph(k)));
  picture.setFont(QStringLiteral("RuduzodediRuvedur"), 9, false, clNavy);
  for (int k = 0; k < 12; ++k) {
    picture.setPenColor(k == 0 ? clGreen : clNavy);
    picture.line(260, 260, 260 + int(210 * std::cos(k)), 260 - int(210 * std::sin(k)));
    picture.text(260 + int(90 * std::cos(k)), 260 - int(90 * std::sin(k)), QString::number(k + 1));
  }
  picture.setFont(QStringLiteral("RuduzodediRuvedur"), 10, true, clNavy);
  for (int i = 0; i < 23; ++i) {
    const double lon = i * 15.3;
    const double a = lon * M_PI / 180;
    picture.line(260 + int(220 * std::cos(a)), 260 - int(220 * std::sin(a)), 260 + int(200 * std::cos(a)),
                 260 - int(200 * std::sin(a)));
    picture.text(260 + int(235 * std::cos(a)), 260 - int(235 * std::sin(a)), QString(SymbolFontFactorGlyph(i)),
                 int(lon * 10) + 2700);
  }
  return picture;
}

void BM_DialToImage(benchmark::State& state) {
  const Picture picture = DialLikePicture();
  for (auto _ : state) benchmark::DoNotOptimize(picture.toImage());
}
BENCHMARK(BM_DialToImage)->Unit(benchmark::kMicrosecond);

void BM_DialToMetafile(benchmark::State& state) {
  const Picture picture = DialLikePicture();
  for (auto _ : state) benchmark::DoNotOptimize(WmfBytes(picture));
}
BENCHMARK(BM_DialToMetafile)->Unit(benchmark::kMicrosecond);

void BM_DialToClipboardData(benchmark::State& state) {
  const Picture picture = DialLikePicture();
  for (auto _ : state) delete PictureMimeData(picture);
}
BENCHMARK(BM_DialToClipboardData)->Unit(benchmark::kMicrosecond);

void BM_DecodeTitlePicture(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TitlePicture());
}
BENCHMARK(BM_DecodeTitlePicture)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  gyrolux::SymbolFontRegistration font;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
