#include "platform/wmf_writer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <optional>

#include <QPainter>

#include "platform/font_faces.h"
#include "platform/text_file.h"

extern "C" {
#include <uwmf.h>
}

namespace gyrolux {

namespace {

// A Windows metafile has 16-bit coordinates.
int16_t Coordinate(int value) {
  return static_cast<int16_t>(std::clamp(value, int(std::numeric_limits<int16_t>::min()),
                                         int(std::numeric_limits<int16_t>::max())));
}

U_POINT16 Point(int x, int y) { return U_POINT16{Coordinate(x), Coordinate(y)}; }

U_RECT16 Rect(int left, int top, int right, int bottom) {
  return U_RECT16{Coordinate(left), Coordinate(top), Coordinate(right), Coordinate(bottom)};
}

U_COLORREF ColorRef(QRgb color) { return U_RGB(qRed(color), qGreen(color), qBlue(color)); }

// The font of a text as Windows creates it: the escapement is part of the font.
struct WmfFont {
  PictureFont font;
  int escapement = 0;
  bool operator==(const WmfFont&) const = default;
};

// Builds the records of one metafile; the first failure is kept and ends the writing.
class WmfBuilder {
 public:
  WmfBuilder() = default;
  ~WmfBuilder() {
    if (handles_) wmf_htable_free(&handles_);
    if (track_) wmf_free(&track_);
  }
  WmfBuilder(const WmfBuilder&) = delete;
  WmfBuilder& operator=(const WmfBuilder&) = delete;

  bool start(const Picture& picture) {
    wmf_highwater(U_HIGHWATER_CLEAR);  // the object count of the header starts afresh
    // The records are assembled in the library's buffer; its file is only where the
    // finished buffer is copied to, so the null device takes that copy.
    if (wmf_start("/dev/null", 1 << 16, 1 << 16, &track_) != 0 ||
        wmf_htable_create(64, 64, &handles_) != 0)
      return fail("Der Speicher reicht nicht.");
    U_PAIRF* inches = U_PAIRF_set(float(picture.width() / 96.0), float(picture.height() / 96.0));
    char* header = inches ? U_WMRHEADER_set(inches, 96) : nullptr;
    std::free(inches);
    if (!header || wmf_header_append(reinterpret_cast<U_METARECORD*>(header), track_, 1) != 0)
      return fail("Der Kopf der Metadatei kann nicht angelegt werden.");
    append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    append(U_WMRSETWINDOWORG_set(Point(0, 0)));
    append(U_WMRSETWINDOWEXT_set(Point(picture.width(), picture.height())));
    append(U_WMRSETBKMODE_set(U_TRANSPARENT));
    append(U_WMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT | U_TA_NOUPDATECP));
    return ok();
  }

  void draw(const PictureOp& op) {
    switch (op.kind) {
      case PictureOp::Kind::Line:
        usePen(op.pen);
        append(U_WMRMOVETO_set(Point(op.x1, op.y1)));
        append(U_WMRLINETO_set(Point(op.x2, op.y2)));
        break;
      case PictureOp::Kind::Rectangle:
        usePen(op.pen);
        useBrush(op.brush);
        append(U_WMRRECTANGLE_set(Rect(op.x1, op.y1, op.x2, op.y2)));
        break;
      case PictureOp::Kind::Ellipse:
        usePen(op.pen);
        useBrush(op.brush);
        append(U_WMRELLIPSE_set(Rect(op.x1, op.y1, op.x2, op.y2)));
        break;
      case PictureOp::Kind::Pixel:
        append(U_WMRSETPIXEL_set(ColorRef(op.color), Point(op.x1, op.y1)));
        break;
      case PictureOp::Kind::Text:
        text(op);
        break;
      case PictureOp::Kind::Image:
        image(op);
        break;
    }
  }

  bool finish() {
    // The objects still selected are deleted, so a player's table is empty at the end.
    deleteObject(pen_);
    deleteObject(brush_);
    deleteObject(font_);
    append(U_WMREOF_set());
    if (!ok()) return false;
    // Completes the header (file size, largest record, object count) in the buffer.
    if (wmf_finish(track_) != 0) return fail("Die Metadatei kann nicht abgeschlossen werden.");
    return true;
  }

  // The finished metafile; its header must give the size of what was built.
  std::optional<QByteArray> bytes() {
    if (!ok() || !track_ || !track_->buf) return std::nullopt;
    QByteArray bytes(track_->buf, qsizetype(track_->used));
    // The placeable header (22 bytes) is followed by the standard one, whose size field
    // (at offset 6) counts the 16-bit words of the metafile; the library counts the
    // placeable header in.
    constexpr qsizetype kPlaceable = 22;
    if (bytes.size() < kPlaceable + 18) {
      fail("Die Metadatei ist unvollständig.");
      return std::nullopt;
    }
    uint32_t words = 0;
    std::memcpy(&words, bytes.constData() + kPlaceable + 6, sizeof words);
    if (qsizetype(words) * 2 != bytes.size()) {
      fail("Die Metadatei ist unvollständig.");
      return std::nullopt;
    }
    return bytes;
  }

  bool ok() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }

 private:
  bool fail(const char* text) {
    if (error_.isEmpty()) error_ = QString::fromUtf8(text);
    return false;
  }

  void append(char* record) {
    if (!ok()) {
      std::free(record);
      return;
    }
    if (!record || wmf_append(reinterpret_cast<U_METARECORD*>(record), track_, 1) != 0)
      fail("Der Speicher reicht nicht.");
  }

  // The new object is selected before the one it replaces is deleted.
  void select(std::optional<uint32_t>& slot, char* created, uint32_t handle) {
    append(created);
    append(wselectobject_set(handle, handles_));
    deleteObject(slot);
    slot = handle;
  }

  void deleteObject(std::optional<uint32_t>& slot) {
    if (!slot) return;
    uint32_t handle = *slot;
    append(wdeleteobject_set(&handle, handles_));
    slot.reset();
  }

  void usePen(const PicturePen& pen) {
    if (pen_ && pen == currentPen_) return;
    uint32_t handle = 0;
    char* record = wcreatepenindirect_set(&handle, handles_,
                                          U_PEN_set(U_PS_SOLID, uint16_t(std::clamp(pen.width, 1, 32767)),
                                                    ColorRef(pen.color)));
    select(pen_, record, handle);
    currentPen_ = pen;
  }

  void useBrush(QRgb brush) {
    if (brush_ && brush == currentBrush_) return;
    uint32_t handle = 0;
    char* record = wcreatebrushindirect_set(&handle, handles_, U_WLOGBRUSH_set(brush == kNoBrush ? U_BS_NULL : U_BS_SOLID, ColorRef(brush), 0));
    select(brush_, record, handle);
    currentBrush_ = brush;
  }

  void useFont(const WmfFont& font) {
    if (font_ && font == currentFont_) return;
    // The face name as given, at most 31 bytes and the closing zero.
    QByteArray face = EncodeWindows1252(font.font.face).left(31);
    face.replace('\0', '?');
    const int16_t escapement = int16_t(font.escapement);
    U_FONT* record = U_FONT_set(int16_t(-FontPixelHeight(font.font.pointSize)), 0, escapement, escapement,
                                font.font.bold ? U_FW_BOLD : U_FW_NORMAL, 0, 0, 0, U_DEFAULT_CHARSET, 0, 0, 0, 0,
                                face.data());
    if (!record) {
      fail("Der Speicher reicht nicht.");
      return;
    }
    uint32_t handle = 0;
    char* created = wcreatefontindirect_set(&handle, handles_, record);
    std::free(record);
    select(font_, created, handle);
    currentFont_ = font;
  }

  void text(const PictureOp& op) {
    // A record holds at most 32767 bytes of text; a zero byte would end it early.
    QByteArray bytes = EncodeWindows1252(op.text).left(32000);
    bytes.replace('\0', ' ');
    if (bytes.isEmpty()) return;
    useFont(WmfFont{op.font, NormalizedEscapement(op.escapement)});
    if (!textColorSet_ || op.font.color != textColor_) {
      append(U_WMRSETTEXTCOLOR_set(ColorRef(op.font.color)));
      textColor_ = op.font.color;
      textColorSet_ = true;
    }
    append(U_WMRTEXTOUT_set(Point(op.x1, op.y1), bytes.data()));
  }

  void image(const PictureOp& op) {
    if (op.image.isNull()) return;
    // A bitmap record has no transparency: where the image is transparent, readers show
    // whatever its colour channels hold (black, mostly). It goes in laid on white, as the
    // screen shows it on the white dial.
    QImage source(op.image.size(), QImage::Format_RGB888);
    source.fill(Qt::white);
    {
      QPainter painter(&source);
      painter.drawImage(0, 0, op.image);
    }
    const int width = std::min(source.width(), 32767);
    const int height = std::min(source.height(), 32767);
    // A 24-bit device-independent bitmap: rows from the bottom up, each padded to 4 bytes.
    const qsizetype rowBytes = (qsizetype(width) * 3 + 3) / 4 * 4;
    if (rowBytes * height > 64 * 1024 * 1024) {
      fail("Das Bild ist für die Metadatei zu groß.");
      return;
    }
    QByteArray pixels(rowBytes * height, '\0');
    for (int y = 0; y < height; ++y) {
      const uchar* from = source.constScanLine(y);
      char* to = pixels.data() + rowBytes * (height - 1 - y);
      for (int x = 0; x < width; ++x) {
        to[3 * x] = char(from[3 * x + 2]);  // blue, green, red
        to[3 * x + 1] = char(from[3 * x + 1]);
        to[3 * x + 2] = char(from[3 * x]);
      }
    }
    U_BITMAPINFOHEADER header = bitmapinfoheader_set(width, height, 1, 24, U_BI_RGB, uint32_t(pixels.size()),
                                                     3780, 3780, 0, 0);
    U_BITMAPINFO* info = bitmapinfo_set(header, nullptr);
    if (!info) {
      fail("Der Speicher reicht nicht.");
      return;
    }
    append(U_WMRSTRETCHDIB_set(Point(op.x1, op.y1), Point(width, height), Point(0, 0), Point(width, height),
                               U_DIB_RGB_COLORS, U_SRCCOPY, info, uint32_t(pixels.size()), pixels.constData()));
    std::free(info);
  }

  WMFTRACK* track_ = nullptr;
  WMFHANDLES* handles_ = nullptr;
  QString error_;
  std::optional<uint32_t> pen_, brush_, font_;  // handles of the selected objects
  PicturePen currentPen_;
  QRgb currentBrush_ = 0;
  WmfFont currentFont_;
  QRgb textColor_ = 0;
  bool textColorSet_ = false;
};

}  // namespace

std::optional<QByteArray> WmfBytes(const Picture& picture, QString* error) {
  // The library counts the objects of a metafile in one global.
  static std::mutex oneAtATime;
  const std::lock_guard<std::mutex> lock(oneAtATime);
  WmfBuilder builder;
  if (builder.start(picture)) {
    for (const PictureOp& op : picture.ops()) {
      builder.draw(op);
      if (!builder.ok()) break;
    }
    builder.finish();
  }
  std::optional<QByteArray> bytes = builder.bytes();
  if (!bytes && error) *error = builder.error();
  return bytes;
}

bool WriteWmf(const Picture& picture, const QString& path, QString* error) {
  QString reason;
  const std::optional<QByteArray> bytes = WmfBytes(picture, &reason);
  if (!bytes) {
    if (error) *error = CannotWriteFileText(path, reason);
    return false;
  }
  return ReplaceFileContents(path, *bytes, error);
}

}  // namespace gyrolux
