#pragma once
// The small drawing surface the chart, the plot and the diagram speak, over QPainter on a QImage.
// It keeps the conventions that drawing code relies on: lines leave out their end pixel, a
// rectangle's right and bottom edges are exclusive, arcs run counter-clockwise from a start point
// to an end point, text is placed by its top-left corner on an opaque background unless the
// brush is clear, and setting a brush colour makes the brush solid.
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
  int TextWidth(const std::string& Text);
  int TextHeight(const std::string& Text);
  void FillRect(const TRect& R);  // with the brush, no outline
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src);
  void Draw(int X, int Y, TBitmap& Bitmap);

  // Ends painting so the picture can be read or replaced; the next drawing starts it again.
  void Finish();

private:
  QPainter& Painter();
  QPainter& PlainPainter();  // copies colours as they are, whatever the pen mode
  void ApplyPen();
  void ApplyBrush();
  void Changed();

  QImage& Target;
  QPainter Active;
  QPoint Position;
  TPen AppliedPen;
  bool PenApplied = false;
};

// An off-screen picture with its canvas.
class TBitmap {
public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  void SetSize(int Width, int Height);  // a new size starts white
  int Width() const { return Picture.width(); }
  int Height() const { return Picture.height(); }
  TCanvas& Canvas() { return PictureCanvas; }
  const QImage& Image();

private:
  QImage Picture;
  TCanvas PictureCanvas;
};
