#pragma once
// The small drawing surface the chart, the plot and the diagram speak, over QPainter on a QImage.
// It keeps the conventions that drawing code relies on: lines leave out their end pixel, a
// rectangle's right and bottom edges are exclusive, arcs run counter-clockwise from a start point
// to an end point, text is placed by its top-left corner on an opaque background unless the
// brush is clear, and setting a brush colour makes the brush solid.
// A picture may hold several device pixels per logical pixel (a Hi-DPI screen): the drawing code
// still speaks logical pixels, and lines, outlines and fills cover the device pixels of the
// logical pixels they cover at ratio 1.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

using TColor = std::uint32_t;  // 0x00BBGGRR: red in the low byte

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clBtnFace = 0xF0F0F0;

QColor ToQColor(TColor C);
TColor FromQColor(const QColor& C);

enum class TPenMode { Copy, Xor };
enum class TBrushStyle { Solid, Clear };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenMode Mode = TPenMode::Copy;
  bool operator==(const TPen&) const = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::Solid;
  void SetColor(TColor C) {
    Color = C;
    Style = TBrushStyle::Solid;
  }
};

struct TFont {
  std::string Name = "MS Sans Serif";
  int Size = 8;  // points, on a 96-dpi surface
  bool Bold = false;
  TColor Color = clBlack;
  int Height() const;  // signed pixel height as the toolkit gives it: -(Size * 96 / 72)
  bool operator==(const TFont&) const = default;
};

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};

// The device pixels of Picture under a rectangle in its logical pixels: QPainter reads a source
// rectangle in device pixels.
QRectF DevicePixels(const QImage& Picture, const QRect& Logical);

class TBitmap;

class TCanvas {
public:
  explicit TCanvas(QImage& Target);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TPen Pen;
  TBrush Brush;
  TFont Font;
  // Called after every drawing operation: a widget showing this picture repaints itself.
  std::function<void()> OnChange;

  QPoint PenPos() const { return Position; }
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);  // leaves out the pixel at (X, Y)
  void Ellipse(int X1, int Y1, int X2, int Y2);  // bounding box, corners in any order
  // The arc of the ellipse in the bounding box, counter-clockwise from where the ray from its
  // centre through (X3, Y3) meets it to where the ray through (X4, Y4) does.
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void TextOut(int X, int Y, const std::string& Text);
  int TextWidth(const std::string& Text);  // logical pixels, whatever the ratio
  int TextHeight(const std::string& Text);
  void FillRect(const TRect& R);  // with the brush, no outline
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src);
  void Draw(int X, int Y, TBitmap& Bitmap);

  // Ends painting so the picture can be read or replaced; the next drawing starts it again.
  void Finish();

  // Device pixels per logical pixel of the picture, as its bitmap was last told.
  qreal PixelRatio() const { return Ratio; }

private:
  friend class TBitmap;
  QPainter& Painter();
  QPainter& PlainPainter();  // copies colours as they are, whatever the pen mode
  void ApplyPen();
  void ApplyBrush();
  void Changed();
  qreal StrokeShift() const;
  QLineF DeviceLine(QPoint From, QPoint To) const;

  QImage& Target;
  QPainter Active;
  QPoint Position;
  TPen AppliedPen;
  bool PenApplied = false;
  qreal Ratio = 1;
};

// An off-screen picture with its canvas. Its size is in logical pixels; its image holds
// PixelRatio device pixels for each of them.
class TBitmap {
public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  // A new size or ratio starts white.
  void SetSize(int Width, int Height);
  // The ratio from the next SetSize on; the picture keeps what it holds until then, so its owner
  // draws it again at the new ratio. Anything but a finite ratio above 0 is 1.
  void SetPixelRatio(qreal Ratio);
  qreal PixelRatio() const { return PictureCanvas.Ratio; }
  // Every SetSize takes the ratio of the picture behind Screen (null: none), for a picture
  // copied there one to one.
  void FollowPixelRatio(const TCanvas* Screen) { Leader = Screen; }
  int Width() const { return Logical.width(); }
  int Height() const { return Logical.height(); }
  TCanvas& Canvas() { return PictureCanvas; }
  const QImage& Image();  // in device pixels, its devicePixelRatio the ratio

private:
  QImage Picture;
  QSize Logical{0, 0};
  TCanvas PictureCanvas;
  const TCanvas* Leader = nullptr;
};
