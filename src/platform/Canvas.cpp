#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/Fonts.h"

QColor ToQColor(TColor C) { return QColor(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF); }

TColor FromQColor(const QColor& C) {
  return static_cast<TColor>(C.red()) | static_cast<TColor>(C.green()) << 8 | static_cast<TColor>(C.blue()) << 16;
}

int TFont::Height() const { return -PointsToPixels(Size); }

namespace {

QFont ToQFont(const TFont& F) { return PointFont(F.Name, F.Size, F.Bold); }

// The box an outline fits in, right and bottom edges exclusive; QPainter draws an outline one
// pixel beyond the width and height it is given.
QRect Normalized(int X1, int Y1, int X2, int Y2) {
  return QRect(std::min(X1, X2), std::min(Y1, Y2), std::abs(X2 - X1) - 1, std::abs(Y2 - Y1) - 1);
}

QRect ToQRect(const TRect& R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }

// Enough device pixels to cover Length logical ones; the margin keeps a product such as
// 10 * 1.1 from rounding up a pixel.
int DeviceLength(int Length, qreal Ratio) { return static_cast<int>(std::ceil(Length * Ratio - 1e-6)); }

// Angle in degrees, counter-clockwise from 3 o'clock, at which the ray from the centre of Box
// through P meets the ellipse, in the ellipse's own parameter as QPainter::drawArc reads it.
double ArcAngle(const QRectF& Box, int X, int Y) {
  const QPointF C = Box.center();
  const double Rx = std::max(Box.width() / 2, 1e-9), Ry = std::max(Box.height() / 2, 1e-9);
  return std::atan2(-(Y - C.y()) / Ry, (X - C.x()) / Rx) * 180 / std::numbers::pi;
}

}  // namespace

QRectF DevicePixels(const QImage& Picture, const QRect& Logical) {
  const qreal R = Picture.devicePixelRatio();
  return {Logical.x() * R, Logical.y() * R, Logical.width() * R, Logical.height() * R};
}

TCanvas::TCanvas(QImage& Target) : Target(Target) {}

TCanvas::~TCanvas() { Finish(); }

void TCanvas::Finish() {
  if (Active.isActive()) Active.end();
  PenApplied = false;
}

QPainter& TCanvas::Painter() {
  if (!Active.isActive()) {
    Active.begin(&Target);
    PenApplied = false;
  }
  return Active;
}

QPainter& TCanvas::PlainPainter() {
  QPainter& P = Painter();
  P.setCompositionMode(QPainter::CompositionMode_SourceOver);
  PenApplied = false;
  return P;
}

void TCanvas::Changed() {
  if (OnChange) OnChange();
}

void TCanvas::ApplyPen() {
  if (PenApplied && AppliedPen == Pen) return;
  QPainter& P = Painter();
  P.setPen(QPen(ToQColor(Pen.Color), std::max(Pen.Width, 1), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  P.setCompositionMode(Pen.Mode == TPenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                 : QPainter::CompositionMode_SourceOver);
  AppliedPen = Pen;
  PenApplied = true;
}

void TCanvas::ApplyBrush() {
  Painter().setBrush(Brush.Style == TBrushStyle::Clear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(Brush.Color)));
}

// At ratio 1 QPainter puts a pen of odd width right of and below its line, at a higher ratio it
// centres it: half a logical pixel down and right brings it onto the same pixels.
qreal TCanvas::StrokeShift() const {
  return Target.devicePixelRatio() == 1 || std::max(Pen.Width, 1) % 2 == 0 ? 0 : 0.5;
}

// The line that covers at a higher ratio what From-To covers at ratio 1: whichever way it is
// drawn, QPainter covers the pixel at the lower end of its longer axis and leaves out the pixel
// at the other end. Through the pixels' centres and moved back half a pixel along itself, the
// line covers the same, and the short steps of a curve drawn as a polyline join up.
QLineF TCanvas::DeviceLine(QPoint From, QPoint To) const {
  const QPoint D = To - From;
  const bool Reversed = std::abs(D.x()) >= std::abs(D.y()) ? D.x() < 0 : D.y() < 0;
  const QLineF Line = Reversed ? QLineF(To, From) : QLineF(From, To);
  const QPointF Along = (Line.p2() - Line.p1()) / Line.length();
  return Line.translated((QPointF(1, 1) - Along) * StrokeShift());
}

void TCanvas::MoveTo(int X, int Y) { Position = QPoint(X, Y); }

void TCanvas::LineTo(int X, int Y) {
  const QPoint To(X, Y);
  if (!Target.isNull() && To != Position) {
    ApplyPen();
    if (Target.devicePixelRatio() == 1)
      Active.drawLine(Position, To);  // a flat cap leaves out the end pixel
    else
      Active.drawLine(DeviceLine(Position, To));
    Changed();
  }
  Position = To;
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  if (Target.isNull()) return;
  ApplyPen();
  ApplyBrush();
  if (Target.devicePixelRatio() == 1)
    Active.drawEllipse(Normalized(X1, Y1, X2, Y2));
  else
    Active.drawEllipse(QRectF(Normalized(X1, Y1, X2, Y2)).translated(StrokeShift(), StrokeShift()));
  Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  if (Target.isNull()) return;
  ApplyPen();
  const QRectF Box = Normalized(X1, Y1, X2, Y2);
  const double Start = ArcAngle(Box, X3, Y3);
  double Span = ArcAngle(Box, X4, Y4) - Start;
  if (Span <= 0) Span += 360;  // equal directions draw the whole ellipse
  QPainterPath Path;
  Path.arcMoveTo(Box, Start);
  Path.arcTo(Box, Start, Span);
  if (Target.devicePixelRatio() != 1) Path.translate(StrokeShift(), StrokeShift());
  Active.strokePath(Path, Active.pen());
  Changed();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  if (Target.isNull()) return;
  QPainter& P = PlainPainter();
  const QString S = QString::fromStdString(Text);
  P.setFont(ToQFont(Font));
  const QFontMetrics M = P.fontMetrics();
  if (Brush.Style == TBrushStyle::Solid) P.fillRect(X, Y, M.horizontalAdvance(S), M.height(), ToQColor(Brush.Color));
  P.setPen(ToQColor(Font.Color));
  P.drawText(QPoint(X, Y + M.ascent()), S);
  Changed();
}

int TCanvas::TextWidth(const std::string& Text) {
  return QFontMetrics(ToQFont(Font)).horizontalAdvance(QString::fromStdString(Text));
}

int TCanvas::TextHeight(const std::string&) { return QFontMetrics(ToQFont(Font)).height(); }

void TCanvas::FillRect(const TRect& R) {
  if (Target.isNull() || Brush.Style == TBrushStyle::Clear) return;
  PlainPainter().fillRect(ToQRect(R), ToQColor(Brush.Color));
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src) {
  Source.Finish();
  if (Target.isNull() || Source.Target.isNull()) return;
  PlainPainter().drawImage(QRectF(ToQRect(Dest)), Source.Target, DevicePixels(Source.Target, ToQRect(Src)));
  Changed();
}

void TCanvas::Draw(int X, int Y, TBitmap& Bitmap) {
  const QImage& Picture = Bitmap.Image();
  if (Target.isNull() || Picture.isNull()) return;
  PlainPainter().drawImage(QPoint(X, Y), Picture);
  Changed();
}

TBitmap::TBitmap() : PictureCanvas(Picture) {}

void TBitmap::SetPixelRatio(qreal Ratio) { PictureCanvas.Ratio = Ratio > 0 && std::isfinite(Ratio) ? Ratio : 1; }

void TBitmap::SetSize(int Width, int Height) {
  if (Leader) SetPixelRatio(Leader->PixelRatio());
  const qreal Ratio = PixelRatio();
  if (Width <= 0 || Height <= 0) Width = Height = 0;
  if (QSize(Width, Height) == Logical && (Picture.isNull() || Picture.devicePixelRatio() == Ratio)) return;
  PictureCanvas.Finish();
  Logical = QSize(Width, Height);
  Picture = Logical.isEmpty() ? QImage()
                              : QImage(DeviceLength(Width, Ratio), DeviceLength(Height, Ratio), QImage::Format_RGB32);
  if (Picture.isNull()) return;
  Picture.setDevicePixelRatio(Ratio);
  Picture.fill(Qt::white);
}

const QImage& TBitmap::Image() {
  PictureCanvas.Finish();
  return Picture;
}
