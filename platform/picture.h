#pragma once

#include <vector>

#include <QImage>
#include <QRectF>
#include <QRgb>
#include <QString>

class QPainter;

namespace gyrolux {

// The brush that fills nothing: a rectangle or ellipse drawn with it is an outline only.
inline constexpr QRgb kNoBrush = 0x00000000;  // fully transparent, which qRgb never gives

struct PicturePen {
  QRgb color = qRgb(0, 0, 0);
  int width = 1;
  bool operator==(const PicturePen&) const = default;
};

struct PictureFont {
  QString face = QStringLiteral("ms sans serif");
  int pointSize = 8;
  bool bold = false;
  QRgb color = qRgb(0, 0, 0);
  bool operator==(const PictureFont&) const = default;
};

// One drawing operation with the pen, brush and font that were current when it was
// recorded, so that every operation can be checked and replayed on its own.
struct PictureOp {
  enum class Kind { Line, Rectangle, Ellipse, Pixel, Text, Image };
  Kind kind = Kind::Line;
  // Line: from (x1, y1) to (x2, y2), the end point not drawn.
  // Rectangle, Ellipse: bounding box left x1, top y1, right x2, bottom y2 (exclusive),
  //   outlined with the pen and filled with the brush.
  // Pixel: (x1, y1) in colour `color`.
  // Text: top-left corner of the text cell at (x1, y1), turned counter-clockwise about
  //   that point by escapement tenths of a degree.
  // Image: top-left corner at (x1, y1), drawn at its own size.
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  PicturePen pen;
  QRgb brush = qRgb(255, 255, 255);
  PictureFont font;
  QRgb color = qRgb(0, 0, 0);  // Pixel only
  QString text;                // Text only
  int escapement = 0;          // Text only, tenths of a degree
  QImage image;                // Image only
};

// How texts are replayed: as text in their font, or as the outlines of their glyphs
// (filled paths that look the same where the font is not installed).
enum class TextRendering { Glyphs, Outlines };

// An escapement brought into 0..3599 tenths of a degree (the same direction).
int NormalizedEscapement(int escapement);

// A display list in logical pixels: drawn once by the logic code, then shown,
// stretched, printed, put on the clipboard and written as a Windows metafile.
class Picture {
 public:
  // Sides below 1 or above 32767 pixels (what a metafile can hold) are taken as those limits.
  Picture(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  void setPen(QRgb color, int width = 1);
  void setPenColor(QRgb color);
  void setBrush(QRgb color);  // solid, or kNoBrush
  void setFont(const QString& face, int pointSize, bool bold, QRgb color);
  void setFontFace(const QString& face);
  void setFontSize(int pointSize);
  void setFontBold(bool bold);
  void setFontColor(QRgb color);

  const PicturePen& pen() const { return pen_; }
  QRgb brush() const { return brush_; }
  const PictureFont& font() const { return font_; }

  void line(int x1, int y1, int x2, int y2);
  void rectangle(int left, int top, int right, int bottom);
  void ellipse(int left, int top, int right, int bottom);
  void pixel(int x, int y, QRgb color);
  void text(int x, int y, const QString& text, int escapement = 0);
  void image(int x, int y, const QImage& image);

  const std::vector<PictureOp>& ops() const { return ops_; }

  // A named run of operations (one factor's line, say), so that an export can mark it for
  // other programs: the operations recorded between beginGroup and endGroup. Groups do
  // not nest; beginGroup closes an open one.
  struct Group {
    QString name;
    size_t first = 0;
    size_t end = 0;
  };
  void beginGroup(const QString& name);
  void endGroup();
  const std::vector<Group>& groups() const { return groups_; }

  // Replays the operations onto a painter, the logical picture stretched into target.
  void render(QPainter& painter, const QRectF& target, TextRendering texts = TextRendering::Glyphs) const;
  // The same for the operations first up to end (exclusive) only.
  void render(QPainter& painter, const QRectF& target, TextRendering texts, size_t first, size_t end) const;
  // The picture at its own size (or stretched to size) on a white ground.
  QImage toImage() const;
  QImage toImage(QSize size) const;

 private:
  PictureOp& push(PictureOp::Kind kind);

  int width_;
  int height_;
  PicturePen pen_;
  QRgb brush_ = qRgb(255, 255, 255);
  PictureFont font_;
  std::vector<PictureOp> ops_;
  std::vector<Group> groups_;
  bool groupOpen_ = false;
};

}  // namespace gyrolux
