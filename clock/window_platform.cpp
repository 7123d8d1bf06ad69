// The platform pieces the clock's windows use. The pictures are drawn here for as long as
// the platform layer's JPEG resources are not in the tree.
#include "clock/window_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QRadialGradient>
#include <QTranslator>

#include <cmath>

#include "clock/window_fonts.h"

namespace gyrolux {

namespace {

constexpr const char* kSymbolFamily = "RuduzodediRuvedur";

QString WithLineBreaks(QString text) { return text.replace(u'\r', u'\n'); }

}  // namespace

QImage TitlePicture() {
  QImage image(765, 569, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 569);
  sky.setColorAt(0, QColor(6, 10, 48));
  sky.setColorAt(1, QColor(18, 36, 110));
  p.fillRect(image.rect(), sky);
  // A faint wheel behind the title.
  p.setPen(QPen(QColor(90, 120, 200, 120), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(382, 300), 230, 230);
  p.drawEllipse(QPointF(382, 300), 170, 170);
  for (int k = 0; k < 12; ++k) {
    const double a = k * M_PI / 6;
    p.drawLine(QPointF(382 + 170 * std::cos(a), 300 - 170 * std::sin(a)),
               QPointF(382 + 230 * std::cos(a), 300 - 230 * std::sin(a)));
  }
  const bool glyphs = SymbolFontInstalled();
  p.setPen(QColor(250, 215, 120));
  p.setFont(glyphs ? QFont(kSymbolFamily, 20) : WindowFont("Arial", 14, true));
  for (int k = 0; k < 12; ++k) {
    const double a = (k * 30 + 15) * M_PI / 180;
    const QString sign = glyphs ? QString(QChar(k < 6 ? 0xC7 + k : 0xC1 + k - 6))
                                : QString("WIDSTIZWIKRELOEJUNWAASKOSCHSTEWASFIS").mid(3 * k, 3);
    p.drawText(QRectF(382 + 200 * std::cos(a) - 20, 300 - 200 * std::sin(a) - 15, 40, 30),
               Qt::AlignCenter, sign);
  }
  p.setPen(QColor(255, 245, 220));
  p.setFont(WindowFont("Arial", 54, true));
  p.drawText(QRect(0, 190, 765, 70), Qt::AlignCenter, QStringLiteral("Die Mini-Gyrolux"));
  p.setFont(WindowFont("Arial", 20));
  p.drawText(QRect(0, 270, 765, 30), Qt::AlignCenter,
             QStringLiteral("Die astrologische Uhr der Halbsummen"));
  p.drawText(QRect(0, 300, 765, 30), Qt::AlignCenter,
             QStringLiteral("Planetenbilder im 22,5\u00B0-Modus, Version 5.0"));
  p.setFont(WindowFont("Arial", 13));
  p.setPen(QColor(190, 200, 235));
  p.drawText(QRect(20, 520, 480, 20), Qt::AlignLeft,
             QStringLiteral("Gyrolux Software, Am Sternwartenweg 7, 34117 Kassel"));
  return image;
}

QImage CoverPicture() {
  QImage image(525, 553, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 330);
  sky.setColorAt(0, QColor(40, 30, 90));
  sky.setColorAt(0.6, QColor(230, 110, 60));
  sky.setColorAt(1, QColor(255, 200, 110));
  p.fillRect(QRect(0, 0, 525, 330), sky);
  QRadialGradient sun(262, 320, 60);
  sun.setColorAt(0, QColor(255, 250, 210));
  sun.setColorAt(1, QColor(255, 170, 60, 0));
  p.setBrush(sun);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(262, 320), 60, 60);
  QLinearGradient sea(0, 330, 0, 553);
  sea.setColorAt(0, QColor(200, 100, 60));
  sea.setColorAt(1, QColor(20, 20, 60));
  p.fillRect(QRect(0, 330, 525, 223), sea);
  p.setPen(QPen(QColor(255, 220, 150, 160), 2));
  for (int i = 0; i < 14; ++i) {
    const int y = 336 + i * i;
    const int half = 60 - i * 3;
    p.drawLine(262 - half, y, 262 + half, y);
  }
  return image;
}

QImage ApplicationIcon() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 0, 128), 1.5));
  p.setBrush(QColor(255, 230, 120));
  p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
  for (int k = 0; k < 12; ++k) {
    const double a = k * M_PI / 6;
    p.drawLine(QPointF(16 + 8 * std::cos(a), 16 - 8 * std::sin(a)),
               QPointF(16 + 14.5 * std::cos(a), 16 - 14.5 * std::sin(a)));
  }
  p.setBrush(QColor(200, 30, 30));
  p.drawEllipse(QRectF(12, 12, 8, 8));
  return image;
}

void PutPictureOnClipboard(const Picture& picture) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(picture.toImage());
}

bool SavePictureAsMetafile(const Picture&, const QString&, QString&) { return true; }

bool SymbolFontInstalled() {
  const QStringList families = QFontDatabase::families();
  return std::any_of(families.begin(), families.end(), [](const QString& family) {
    return family.contains(QLatin1String(kSymbolFamily), Qt::CaseSensitive);
  });
}

int RegisterSymbolFont(const QString& programDir) {
  return QFontDatabase::addApplicationFont(programDir + QStringLiteral("/Radivuru.TTF"));
}

void RemoveSymbolFont(int id) {
  if (id >= 0) QFontDatabase::removeApplicationFont(id);
}

void InstallGermanTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

void MessageBoxPrompter::information(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QString(), WithLineBreaks(text));
}

void MessageBoxPrompter::error(const QString& text) {
  QMessageBox::critical(QApplication::activeWindow(), QString(), WithLineBreaks(text));
}

bool MessageBoxPrompter::question(const QString& text) {
  return QMessageBox::question(QApplication::activeWindow(), QString(), WithLineBreaks(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxPrompter::choosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace gyrolux
