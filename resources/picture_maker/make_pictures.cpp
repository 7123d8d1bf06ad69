// Draws the program's artwork: the title picture, the cover picture, the application
// icon and a sheet with every glyph of the symbol font for checking it by eye.
//
//   gyrolux-make-pictures <font file> <output folder>
//
// writes title.jpg (765 x 569), cover.jpg (525 x 553), icon.png (32 x 32, the window
// icon), the desktop icons under icons/ (scalable SVG and PNG at 48, 64, 128 and 256
// pixels) and symbol_font_sheet.png. The pictures are committed; the program itself only decodes them.
#include <QtMath>

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSvgGenerator>
#include <algorithm>
#include <cstdio>

namespace {

const QString kSymbolFamily = QStringLiteral("RuduzodediRuvedur");
const QColor kGold(0xE9, 0xC7, 0x6B);
const QColor kPaleGold(0xF4, 0xE3, 0xB0);
const QColor kStarWhite(0xEE, 0xF2, 0xFF);

// Factor glyphs are the characters 97 + i, signs C7..CC, C1..C6.
QString FactorGlyph(int factor) { return QString(QChar(char16_t(97 + factor))); }
QString SignGlyph(int sign) {
  static const char16_t codes[12] = {0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6};
  return QString(QChar(codes[sign]));
}

QPointF Polar(QPointF centre, double radius, double degrees) {
  const double a = qDegreesToRadians(degrees);
  return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

QFont SymbolFont(double pixels) {
  QFont font(kSymbolFamily);
  font.setPixelSize(qRound(pixels));
  return font;
}

QFont TextFont(const QString& family, double pixels, bool bold = false, bool italic = false) {
  QFont font(family);
  font.setPixelSize(qRound(pixels));
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// Text centred on a point.
void CentredText(QPainter& painter, QPointF centre, const QString& text) {
  const QRectF box(centre.x() - 100, centre.y() - 100, 200, 200);
  painter.drawText(box, Qt::AlignCenter, text);
}

// A star field that stays the same from run to run; none behind the texts in keepClear.
void Stars(QPainter& painter, const QRectF& area, int count, quint32 seed, const QList<QRectF>& keepClear = {}) {
  QRandomGenerator random(seed);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF at(area.left() + random.bounded(area.width()), area.top() + random.bounded(area.height()));
    if (std::any_of(keepClear.begin(), keepClear.end(), [&](const QRectF& clear) { return clear.contains(at); }))
      continue;
    const double size = 0.35 + std::pow(random.bounded(1.0), 3.0) * 1.5;
    QColor color = kStarWhite;
    color.setAlphaF(0.25 + random.bounded(0.75));
    painter.setBrush(color);
    painter.drawEllipse(at, size, size);
    if (size > 1.45) {  // a few bright ones with a soft halo
      QRadialGradient halo(at, size * 5);
      QColor glow = kStarWhite;
      glow.setAlphaF(0.25);
      halo.setColorAt(0, glow);
      halo.setColorAt(1, Qt::transparent);
      painter.setBrush(halo);
      painter.drawEllipse(at, size * 5, size * 5);
    }
  }
}

// The zodiac wheel of the title picture.
void Wheel(QPainter& painter, QPointF centre, double radius) {
  const double signInner = radius * 0.82;
  const double planetInner = radius * 0.60;
  const double core = radius * 0.16;

  QRadialGradient glow(centre, radius * 1.35);
  glow.setColorAt(0.0, QColor(0x3A, 0x5B, 0xC8, 120));
  glow.setColorAt(0.6, QColor(0x23, 0x3C, 0x9A, 50));
  glow.setColorAt(1.0, Qt::transparent);
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(centre, radius * 1.35, radius * 1.35);

  // Sign ring with alternating shades.
  for (int sign = 0; sign < 12; ++sign) {
    QPainterPath sector;
    sector.moveTo(centre);
    sector.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), sign * 30, 30);
    sector.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, signInner, signInner);
    painter.setBrush(sign % 2 ? QColor(0x1B, 0x2C, 0x72, 230) : QColor(0x24, 0x39, 0x8C, 230));
    painter.drawPath(sector.subtracted(hole));
  }
  painter.setBrush(QColor(0x0E, 0x18, 0x4A, 200));
  painter.drawEllipse(centre, signInner, signInner);

  // Degree ticks on the inside of the sign ring.
  for (int degree = 0; degree < 360; ++degree) {
    const double length = degree % 10 == 0 ? 7 : degree % 5 == 0 ? 4.5 : 2.5;
    painter.setPen(QPen(QColor(kPaleGold.red(), kPaleGold.green(), kPaleGold.blue(), degree % 5 ? 110 : 200), 0.8));
    painter.drawLine(Polar(centre, signInner, degree), Polar(centre, signInner - length, degree));
  }

  // Ring outlines and sign boundaries.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kGold, 2.0));
  painter.drawEllipse(centre, radius, radius);
  painter.setPen(QPen(kGold, 1.2));
  painter.drawEllipse(centre, signInner, signInner);
  painter.setPen(QPen(QColor(0xC9, 0xA9, 0x55, 160), 0.9));
  painter.drawEllipse(centre, planetInner, planetInner);
  painter.drawEllipse(centre, core, core);
  for (int sign = 0; sign < 12; ++sign) {
    painter.setPen(QPen(kGold, 1.2));
    painter.drawLine(Polar(centre, signInner, sign * 30), Polar(centre, radius, sign * 30));
    painter.setPen(QPen(QColor(0xC9, 0xA9, 0x55, 90), 0.8));
    painter.drawLine(Polar(centre, core, sign * 30), Polar(centre, planetInner, sign * 30));
  }

  // The signs, each upright in the middle of its sector.
  painter.setPen(kPaleGold);
  painter.setFont(SymbolFont(radius * 0.125));
  for (int sign = 0; sign < 12; ++sign)
    CentredText(painter, Polar(centre, (radius + signInner) / 2, sign * 30 + 15), SignGlyph(sign));

  // Planets of a pleasant constellation and the lines between those in aspect.
  struct Placed { int factor; double longitude; };
  const Placed planets[] = {{2, 254}, {4, 118}, {6, 236}, {7, 283}, {8, 31}, {9, 164},
                            {10, 332}, {11, 58}, {12, 352}, {13, 299}, {5, 200}, {0, 96}, {3, 186}};
  const double aspectRadius = planetInner - 4;
  for (const Placed& a : planets) {
    for (const Placed& b : planets) {
      if (a.factor >= b.factor) continue;
      double distance = std::fmod(std::abs(a.longitude - b.longitude), 360.0);
      if (distance > 180) distance = 360 - distance;
      QColor color;
      if (std::abs(distance - 120) < 6 || std::abs(distance - 60) < 5) color = QColor(0x6F, 0xB7, 0xFF, 150);
      else if (std::abs(distance - 90) < 5 || std::abs(distance - 180) < 6) color = QColor(0xFF, 0x7A, 0x6A, 140);
      else continue;
      painter.setPen(QPen(color, 1.0));
      painter.drawLine(Polar(centre, aspectRadius, a.longitude), Polar(centre, aspectRadius, b.longitude));
    }
  }
  painter.setFont(SymbolFont(radius * 0.115));
  for (const Placed& planet : planets) {
    painter.setPen(QPen(kGold, 1.4));
    painter.drawLine(Polar(centre, signInner, planet.longitude), Polar(centre, signInner - 10, planet.longitude));
    painter.setPen(planet.factor == 0 ? QColor(0x8C, 0xE0, 0x9A) : planet.factor == 3 ? QColor(0xFF, 0x9C, 0x8C) : kStarWhite);
    CentredText(painter, Polar(centre, (signInner + planetInner) / 2 - 2, planet.longitude), FactorGlyph(planet.factor));
  }

  // The centre: a small sun.
  QRadialGradient sun(centre, core);
  sun.setColorAt(0, QColor(0xFF, 0xF3, 0xC4));
  sun.setColorAt(0.55, kGold);
  sun.setColorAt(1, QColor(0xB8, 0x86, 0x2B));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sun);
  painter.drawEllipse(centre, core * 0.55, core * 0.55);
}

// The largest pixel size at which text fits into width.
double FittingSize(const QFont& base, const QString& text, double width, double largest) {
  QFont font = base;
  for (double size = largest; size > 6; size -= 0.5) {
    font.setPixelSize(qRound(size));
    if (QFontMetricsF(font).horizontalAdvance(text) <= width) return size;
  }
  return 6;
}

QImage TitlePicture() {
  QImage image(765, 569, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

  QRadialGradient sky(QPointF(250, 250), 640);
  sky.setColorAt(0.0, QColor(0x1A, 0x2C, 0x78));
  sky.setColorAt(0.45, QColor(0x0E, 0x19, 0x52));
  sky.setColorAt(1.0, QColor(0x03, 0x07, 0x22));
  painter.fillRect(image.rect(), sky);
  Stars(painter, image.rect(), 420, 17, {QRectF(462, 80, 290, 345), QRectF(28, 478, 300, 50)});

  Wheel(painter, QPointF(236, 252), 200);

  // Title, subtitle and version on the right.
  const double left = 470, width = 270;
  QFont title = TextFont(QStringLiteral("Liberation Serif"), 30, true, true);
  painter.setPen(kPaleGold);
  painter.setFont(title);
  painter.drawText(QPointF(left, 118), QStringLiteral("Die"));
  title.setPixelSize(qRound(FittingSize(title, QStringLiteral("Mini-Gyrolux"), width, 60)));
  QLinearGradient goldText(QPointF(0, 130), QPointF(0, 185));
  goldText.setColorAt(0, QColor(0xFF, 0xEB, 0xB0));
  goldText.setColorAt(1, QColor(0xD9, 0xA5, 0x3C));
  QPainterPath titlePath;
  titlePath.addText(QPointF(left, 180), title, QStringLiteral("Mini-Gyrolux"));
  painter.setPen(QPen(QColor(0x5A, 0x3C, 0x0A, 160), 1.2));
  painter.setBrush(goldText);
  painter.drawPath(titlePath);

  painter.setPen(QPen(kGold, 1.0));
  painter.drawLine(QPointF(left, 204), QPointF(left + width, 204));
  painter.setBrush(kGold);
  painter.drawEllipse(QPointF(left + width / 2, 204), 2.5, 2.5);

  painter.setPen(kStarWhite);
  QFont subtitle = TextFont(QStringLiteral("Liberation Serif"), 19, false, true);
  subtitle.setPixelSize(qRound(FittingSize(subtitle, QStringLiteral("mit Halbsummen und Planetenbildern"), width, 19)));
  painter.setFont(subtitle);
  painter.drawText(QPointF(left, 238), QStringLiteral("Die astrologische Uhr"));
  painter.drawText(QPointF(left, 262), QStringLiteral("mit Halbsummen und Planetenbildern"));
  painter.setPen(QColor(0xA9, 0xBC, 0xF0));
  painter.setFont(TextFont(QStringLiteral("Liberation Sans"), 13));
  painter.drawText(QPointF(left, 292), QStringLiteral("im 22,5°-Modus, in Echtzeit und im Zeitraffer"));
  painter.setPen(kGold);
  painter.setFont(TextFont(QStringLiteral("Liberation Sans"), 15, true));
  painter.drawText(QPointF(left, 330), QStringLiteral("Version 5.0"));

  // The eight hypothetical factors as a frieze.
  painter.setPen(QColor(0xC9, 0xD6, 0xFF));
  painter.setFont(SymbolFont(22));
  for (int i = 0; i < 8; ++i) CentredText(painter, QPointF(left + 16 + i * 34, 382), FactorGlyph(14 + i));
  painter.setPen(QColor(0xA9, 0xBC, 0xF0));
  painter.setFont(TextFont(QStringLiteral("Liberation Sans"), 11));
  painter.drawText(QRectF(left, 400, width, 40), Qt::AlignHCenter | Qt::TextWordWrap,
                   QStringLiteral("mit den acht transneptunischen Faktoren"));

  // Maker's lines under the wheel.
  painter.setPen(kGold);
  painter.setFont(TextFont(QStringLiteral("Liberation Sans"), 16, true));
  painter.drawText(QPointF(36, 500), QStringLiteral("Gyrolux Software"));
  painter.setPen(QColor(0xC9, 0xD6, 0xFF));
  painter.setFont(TextFont(QStringLiteral("Liberation Sans"), 12));
  painter.drawText(QPointF(36, 520), QStringLiteral("Sternwartenweg 7  ·  35037 Marburg an der Lahn"));

  // A quiet band for the two controls at the bottom right.
  QLinearGradient band(QPointF(0, 532), QPointF(0, 569));
  band.setColorAt(0, QColor(0x02, 0x05, 0x18, 0));
  band.setColorAt(0.35, QColor(0x02, 0x05, 0x18, 170));
  band.setColorAt(1, QColor(0x02, 0x05, 0x18, 220));
  painter.fillRect(QRectF(0, 532, 765, 37), band);
  painter.setPen(QPen(QColor(0xC9, 0xA9, 0x55, 120), 1.0));
  painter.drawLine(QPointF(20, 538.5), QPointF(745, 538.5));
  return image;
}

QImage CoverPicture() {
  const int width = 525, height = 553;
  const double horizon = 322;
  const QPointF sunCentre(262, horizon - 8);
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

  QLinearGradient sky(QPointF(0, 0), QPointF(0, horizon));
  sky.setColorAt(0.00, QColor(0x16, 0x14, 0x45));
  sky.setColorAt(0.35, QColor(0x52, 0x2B, 0x6B));
  sky.setColorAt(0.62, QColor(0xB0, 0x45, 0x5E));
  sky.setColorAt(0.84, QColor(0xEE, 0x7E, 0x48));
  sky.setColorAt(1.00, QColor(0xFC, 0xC0, 0x6A));
  painter.fillRect(QRectF(0, 0, width, horizon), sky);
  Stars(painter, QRectF(0, 0, width, 110), 60, 5);

  // Glow and disc of the sun.
  QRadialGradient glow(sunCentre, 230);
  glow.setColorAt(0.0, QColor(0xFF, 0xE6, 0xA0, 210));
  glow.setColorAt(0.25, QColor(0xFF, 0xB0, 0x60, 110));
  glow.setColorAt(1.0, Qt::transparent);
  painter.fillRect(QRectF(0, 0, width, horizon), glow);
  QRadialGradient disc(sunCentre, 46);
  disc.setColorAt(0.0, QColor(0xFF, 0xFC, 0xE8));
  disc.setColorAt(0.7, QColor(0xFF, 0xDD, 0x88));
  disc.setColorAt(1.0, QColor(0xFF, 0xB3, 0x52));
  painter.setPen(Qt::NoPen);
  painter.setBrush(disc);
  painter.save();
  painter.setClipRect(QRectF(0, 0, width, horizon));
  painter.drawEllipse(sunCentre, 46, 46);
  painter.restore();

  // Long soft clouds, lit from below: drawn at a quarter of the size and enlarged
  // smoothly, which blurs their edges.
  QRandomGenerator random(11);
  {
    QImage layer(width / 4, qRound(horizon / 4), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter clouds(&layer);
    clouds.setRenderHint(QPainter::Antialiasing);
    clouds.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
      const double y = (60 + random.bounded(215.0)) / 4;
      const double x = (-80 + random.bounded(double(width))) / 4;
      const double w = (140 + random.bounded(260.0)) / 4;
      const double h = (5 + random.bounded(14.0)) / 4;
      const double lit = y * 4 / horizon;
      QLinearGradient cloud(QPointF(0, y - h / 2), QPointF(0, y + h / 2));
      cloud.setColorAt(0, QColor(0x3E, 0x20, 0x52, 120));
      cloud.setColorAt(1, QColor(0xFF, qRound(0x88 + 0x48 * lit), 0x6A, qRound(70 + 90 * lit)));
      clouds.setBrush(cloud);
      clouds.drawEllipse(QRectF(x, y - h / 2, w, h));
      clouds.drawEllipse(QRectF(x + w * 0.2, y - h, w * 0.45, h * 1.3));
    }
    clouds.end();
    painter.drawImage(QRectF(0, 0, width, horizon), layer);
  }

  // Hills on both sides of the bay.
  QPainterPath hills;
  hills.moveTo(0, horizon);
  hills.cubicTo(40, horizon - 40, 90, horizon - 52, 140, horizon - 22);
  hills.cubicTo(165, horizon - 10, 185, horizon - 6, 205, horizon);
  hills.closeSubpath();
  hills.moveTo(330, horizon);
  hills.cubicTo(370, horizon - 16, 410, horizon - 34, 455, horizon - 30);
  hills.cubicTo(490, horizon - 27, 510, horizon - 44, 525, horizon - 48);
  hills.lineTo(525, horizon);
  hills.closeSubpath();
  painter.setBrush(QColor(0x2A, 0x16, 0x38));
  painter.drawPath(hills);

  // The water, darker towards the front.
  QLinearGradient water(QPointF(0, horizon), QPointF(0, height));
  water.setColorAt(0.0, QColor(0xC8, 0x6A, 0x55));
  water.setColorAt(0.25, QColor(0x6E, 0x33, 0x5E));
  water.setColorAt(1.0, QColor(0x0D, 0x0B, 0x2A));
  painter.fillRect(QRectF(0, horizon, width, height - horizon), water);

  // The sun's path on the waves: short bright strokes, narrower and fewer with distance from
  // the sun's column, wider towards the front.
  for (int row = 0; row < 150; ++row) {
    const double t = row / 150.0;
    const double y = horizon + 2 + t * t * (height - horizon - 4);
    const double spread = 30 + t * 120;
    const int strokes = 3 + qRound(t * 6);
    for (int s = 0; s < strokes; ++s) {
      const double offset = (random.bounded(2.0) - 1.0) * spread * (0.3 + random.bounded(0.7));
      const double length = (6 + random.bounded(24.0)) * (0.4 + t);
      const double brightness = std::max(0.0, 1.0 - std::abs(offset) / (spread * 1.1));
      QColor stroke(0xFF, qRound(0xC8 + 0x30 * brightness), qRound(0x80 + 0x50 * brightness),
                    qRound(40 + 190 * brightness * (1.0 - 0.55 * t)));
      painter.setPen(QPen(stroke, 0.8 + 2.2 * t, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(sunCentre.x() + offset - length / 2, y), QPointF(sunCentre.x() + offset + length / 2, y));
    }
  }
  // Faint swell lines across the whole bay.
  for (int row = 0; row < 40; ++row) {
    const double t = row / 40.0;
    const double y = horizon + 6 + t * t * (height - horizon - 8);
    painter.setPen(QPen(QColor(0xFF, 0xB0, 0x90, qRound(30 * (1 - t) + 10)), 0.6 + 1.4 * t));
    const double x = random.bounded(double(width));
    painter.drawLine(QPointF(x - 60 - 200 * t, y), QPointF(x + 60 + 200 * t, y));
  }

  // A sailing boat on the left and two birds.
  const double boatX = 118, boatY = horizon + 30;
  QPainterPath boat;
  boat.moveTo(boatX - 16, boatY);
  boat.lineTo(boatX + 18, boatY);
  boat.lineTo(boatX + 12, boatY + 5);
  boat.lineTo(boatX - 11, boatY + 5);
  boat.closeSubpath();
  boat.moveTo(boatX + 1, boatY - 2);
  boat.lineTo(boatX + 1, boatY - 44);
  boat.lineTo(boatX + 17, boatY - 3);
  boat.closeSubpath();
  boat.moveTo(boatX - 1, boatY - 38);
  boat.lineTo(boatX - 1, boatY - 2);
  boat.lineTo(boatX - 19, boatY - 2);
  boat.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1E, 0x10, 0x2C));
  painter.drawPath(boat);
  painter.setBrush(QColor(0x1E, 0x10, 0x2C, 90));
  painter.drawRect(QRectF(boatX - 12, boatY + 6, 26, 2));

  painter.setPen(QPen(QColor(0x2A, 0x16, 0x38), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  for (const QPointF bird : {QPointF(360, 150), QPointF(384, 166)}) {
    QPainterPath wings;
    wings.moveTo(bird + QPointF(-9, -3));
    wings.quadTo(bird + QPointF(-4, -6), bird);
    wings.quadTo(bird + QPointF(4, -6), bird + QPointF(9, -3));
    painter.drawPath(wings);
  }
  return image;
}

// The application icon in a 128 x 128 square: the zodiac ring with its twelve signs as
// dots, a triangle of aspects and the Sun in the middle. Drawn as vectors, so the same
// drawing gives the SVG and every PNG size.
void DrawIcon(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(64, 64);
  QRadialGradient ground(centre, 62);
  ground.setColorAt(0, QColor(0x2E, 0x4C, 0xB8));
  ground.setColorAt(1, QColor(0x0C, 0x17, 0x52));
  painter.setPen(QPen(kGold, 6));
  painter.setBrush(ground);
  painter.drawEllipse(centre, 59, 59);
  painter.setPen(QPen(kGold, 4));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, 40, 40);
  for (int sign = 0; sign < 12; ++sign) {
    painter.setPen(QPen(kGold, 4));
    painter.drawLine(Polar(centre, 40, sign * 30), Polar(centre, 58, sign * 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sign % 3 == 0 ? QColor(0xFF, 0x8C, 0x6A) : kPaleGold);
    painter.drawEllipse(Polar(centre, 49, sign * 30 + 15), 4.5, 4.5);
  }
  painter.setPen(QPen(QColor(0x9F, 0xC4, 0xFF), 3));
  painter.drawLine(Polar(centre, 38, 20), Polar(centre, 38, 140));
  painter.drawLine(Polar(centre, 38, 140), Polar(centre, 38, 260));
  painter.drawLine(Polar(centre, 38, 260), Polar(centre, 38, 20));
  QRadialGradient sun(centre, 14);
  sun.setColorAt(0, QColor(0xFF, 0xF6, 0xD0));
  sun.setColorAt(1, kGold);
  painter.setPen(Qt::NoPen);
  painter.setBrush(sun);
  painter.drawEllipse(centre, 12, 12);
}

// The icon as a size x size picture: drawn four times as large and scaled down, so the
// fine lines come out smooth.
QImage Icon(int size) {
  const int big = 4 * size;
  QImage large(big, big, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::transparent);
  QPainter painter(&large);
  painter.scale(big / 128.0, big / 128.0);
  DrawIcon(painter);
  painter.end();
  return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool WriteIconSvg(const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(128, 128));
  svg.setViewBox(QRect(0, 0, 128, 128));
  svg.setTitle(QStringLiteral("Gyrolux"));
  svg.setDescription(QStringLiteral("Das Programmsymbol der Mini-Gyrolux"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  DrawIcon(painter);
  return painter.end();
}

// The icons of the desktop: icons/scalable/<id>.svg and icons/<n>x<n>/<id>.png.
bool WriteDesktopIcons(const QDir& out) {
  const QString id = QStringLiteral("de.gyrolux.Gyrolux");
  if (!out.mkpath(QStringLiteral("icons/scalable")) ||
      !WriteIconSvg(out.filePath(QStringLiteral("icons/scalable/%1.svg").arg(id))))
    return false;
  for (int size : {48, 64, 128, 256}) {
    const QString folder = QStringLiteral("icons/%1x%1").arg(size);
    if (!out.mkpath(folder) || !Icon(size).save(out.filePath(folder + u'/' + id + ".png"), "PNG"))
      return false;
  }
  return true;
}

QImage GlyphSheet() {
  static const char* factors[23] = {"MC", "WI", "SO", "AS", "MO", "KN", "ME", "VE", "MA", "JU", "SA", "UR",
                                    "NE", "PL", "CU", "HA", "ZE", "KR", "AP", "AD", "VU", "PO", "GZ"};
  static const char* signs[12] = {"Widder", "Stier", "Zwillinge", "Krebs", "Löwe", "Jungfrau",
                                  "Waage", "Skorpion", "Schütze", "Steinbock", "Wassermann", "Fische"};
  const int columns = 7, cellWidth = 120, cellHeight = 104;
  QImage image(columns * cellWidth, 5 * cellHeight + 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  painter.setFont(TextFont(QStringLiteral("Liberation Sans"), 15, true));
  painter.drawText(QPointF(10, 26), QStringLiteral("RuduzodediRuvedur: the 35 glyphs, code and meaning"));
  for (int i = 0; i < 35; ++i) {
    const QRectF cell((i % columns) * cellWidth, 40 + (i / columns) * cellHeight, cellWidth, cellHeight);
    painter.setPen(QColor(0xDD, 0xDD, 0xDD));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(0.5, 0.5, -0.5, -0.5));
    const QString glyph = i < 23 ? FactorGlyph(i) : SignGlyph(i - 23);
    painter.setPen(QColor(0x00, 0x00, 0x80));
    painter.setFont(SymbolFont(52));
    painter.drawText(cell.adjusted(0, 4, 0, -30), Qt::AlignCenter, glyph);
    painter.setPen(Qt::black);
    painter.setFont(TextFont(QStringLiteral("Liberation Sans"), 12));
    const QString label = QStringLiteral("%1  %2").arg(glyph[0].unicode(), 2, 16, QLatin1Char('0')).toUpper()
                              .arg(i < 23 ? QString::fromLatin1(factors[i]) : QString::fromUtf8(signs[i - 23]));
    painter.drawText(cell.adjusted(0, 0, 0, -8), Qt::AlignHCenter | Qt::AlignBottom, label);
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <font file> <output folder>\n", argv[0]);
    return 2;
  }
  if (QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1])) < 0) {
    std::fprintf(stderr, "cannot load the symbol font %s\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  const bool written = TitlePicture().save(out.filePath(QStringLiteral("title.jpg")), "JPEG", 90) &&
                       CoverPicture().save(out.filePath(QStringLiteral("cover.jpg")), "JPEG", 90) &&
                       Icon(32).save(out.filePath(QStringLiteral("icon.png")), "PNG") &&
                       WriteDesktopIcons(out) &&
                       GlyphSheet().save(out.filePath(QStringLiteral("symbol_font_sheet.png")), "PNG") &&
                       Icon(32).scaled(256, 256).save(out.filePath(QStringLiteral("icon_preview.png")), "PNG");
  if (!written) {
    std::fprintf(stderr, "cannot write into %s\n", argv[2]);
    return 1;
  }
  return 0;
}
