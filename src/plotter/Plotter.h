#pragma once
// The X-Y plot control: a raised panel that shows a plot area with a grid, mark texts, a title
// and up to eight layers of points. It builds its picture off screen and shows the last picture
// copied to "the screen"; Hold keeps new pictures off screen while a caller changes a lot.
#include <QFrame>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "plotter/PlotAxes.h"
#include "plotter/PlotLabels.h"
#include "plotter/PlotStyle.h"

enum TPlotMode : std::uint8_t { pmDot = 0, pmLine = 1, pmBar = 2 };

struct TPlotPoint {
  long double X = 0;  // its logarithm when it was added under XLog
  long double Y = 0;
  TColor Color = clBlack;
};

inline constexpr int PlotLayers = 8;

// A second Y scale, at the left of the plot area, for the layers put on it: its marks are short
// ticks inside the plot area and texts in its colour.
struct TPlotScale {
  long double Min = 0, Max = 1, Interval = 1;
  TColor Color = clBlack;
};

// A trace's name in the legend, written in the trace's colour.
struct TLegendEntry {
  std::string Text;
  TColor Color = clBlack;
};

// Properties are a getter named as the property and a Set... method; every setter that stores
// a value redraws, except SetXLog and SetLayerOption. The fonts and the pen redraw on any change
// of their own. Fields the panel computes are read through getters only.
class TPlotPanel : public QFrame {
  Q_OBJECT
public:
  static constexpr int BevelWidth = 1;

  explicit TPlotPanel(QWidget* Owner);

  TColor GridColor() const { return FGridColor; }
  void SetGridColor(TColor Value);
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor Value);
  int Margin() const { return Axes.Margin; }
  void SetMargin(int Value);
  // Bounds raise EMathError, keeping the previous value, when they cannot be stored.
  long double XMin() const { return Axes.XMin; }
  void SetXMin(long double Value);
  long double XMax() const { return Axes.XMax; }
  void SetXMax(long double Value);
  long double YMin() const { return Axes.YMin; }
  void SetYMin(long double Value);
  long double YMax() const { return Axes.YMax; }
  void SetYMax(long double Value);
  bool XLog() const { return Axes.XLog; }
  void SetXLog(bool Value);
  bool XMarks() const { return FXMarks; }
  void SetXMarks(bool Value);
  TPlotFont& XMarksFont() { return FXMarksFont; }
  void SetXMarksFont(const TFont& Value) { FXMarksFont.Assign(Value); }
  long double XMarksInterval() const { return FXMarksInterval; }
  void SetXMarksInterval(long double Value);
  bool YMarks() const { return FYMarks; }
  void SetYMarks(bool Value);
  TPlotFont& YMarksFont() { return FYMarksFont; }
  void SetYMarksFont(const TFont& Value) { FYMarksFont.Assign(Value); }
  long double YMarksInterval() const { return FYMarksInterval; }
  void SetYMarksInterval(long double Value);
  TPlotMode PlotMode() const { return FPlotMode; }
  void SetPlotMode(TPlotMode Value);
  TPlotPen& PlotPen() { return FPlotPen; }
  void SetPlotPen(const TPen& Value) { FPlotPen.Assign(Value); }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value);
  bool LayerOption() const { return FLayerOption; }
  void SetLayerOption(bool Value);
  TBitmap& PlotBMP() { return FPlotBMP; }
  // A vertical line at the data value X, in MarkerColor under the points; none when empty.
  static constexpr TColor MarkerColor = clFuchsia;
  const std::optional<long double>& XMarker() const { return FXMarker; }
  void SetXMarker(std::optional<long double> Value);
  // The scale at the left; none when empty. A layer on it plots its Y values against it.
  const std::optional<TPlotScale>& LeftScale() const { return FLeftScale; }
  void SetLeftScale(std::optional<TPlotScale> Value);
  bool LayerOnLeftScale(int Layer) const { return FOnLeftScale.at(Layer); }
  void SetLayerOnLeftScale(int Layer, bool Value);
  // The traces' names in a row under the X marks.
  const std::vector<TLegendEntry>& Legend() const { return FLegend; }
  void SetLegend(std::vector<TLegendEntry> Value);

  // The title font. It follows the parent's font (colour included) until it is changed.
  TPlotFont& Font() { return FFont; }
  TColor Color() const { return clBtnFace; }

  int LeftMargin() const { return Axes.LeftMargin; }
  int TopMargin() const { return Axes.TopMargin; }
  int RightMargin() const { return Axes.RightMargin; }
  int BottomMargin() const { return Axes.BottomMargin; }
  int PlotWidth() const { return Axes.PlotWidth; }
  int PlotHeight() const { return Axes.PlotHeight; }
  long double XScale() const { return Axes.XScale; }
  long double YScale() const { return Axes.YScale; }
  long double FirstXMark() const { return FFirstXMark; }
  long double FirstYMark() const { return FFirstYMark; }
  const TRect& PlotRect() const { return FPlotRect; }
  const TRect& InnerRect() const { return FInnerRect; }
  // The X mark texts the last redraw wrote, with their boxes along the axis.
  const std::vector<TMarkBox>& XMarkBoxes() const { return FXMarkBoxes; }
  bool PenUp() const { return FPenUp; }
  // Entry 0 of a layer holds no point: an empty layer has a count of 1.
  int PointCount(int Layer) const { return static_cast<int>(FPoints.at(Layer).size()); }
  const std::vector<TPlotPoint>& Points(int Layer) const { return FPoints.at(Layer); }
  long double LastX(int Layer) const { return FLastX.at(Layer); }
  long double LastY(int Layer) const { return FLastY.at(Layer); }
  TPlotMode LayerMode(int Layer) const { return FLayerMode.at(Layer); }
  int LayerWidth(int Layer) const { return FLayerWidth.at(Layer); }
  TBitmap& Buffer() { return FBuffer; }
  // What the panel shows inside its bevel: the picture last copied to the screen.
  const QImage& Screen() { return FScreen.Image(); }

  bool PixelToValue(int X, int Y, long double& XV, long double& YV) const;

  bool Hold() const { return FHold; }
  void SetHold(bool Value);
  void Clear();
  // Any integer selects a layer by its low three bits. Under XLog, X is a data value: 0 raises
  // EMathError::DivisionByZero, a negative one InvalidOperation, as does a non-finite X or Y.
  void AddPoint(TColor Color, int Layer, long double X, long double Y);
  void DrawDataPoint(TColor Color, int Layer, long double X, long double Y);
  void Redraw();

signals:
  void MouseDown(Qt::MouseButton Button, int X, int Y);
  void MouseMove(int X, int Y);

protected:
  void paintEvent(QPaintEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;

private:
  void CalcMargins();
  void DrawXGrid(TCanvas& C);
  void DrawXLogGrid(TCanvas& C);
  void DrawYGrid(TCanvas& C);
  void DrawXMarks(TCanvas& C);
  void DrawXLogMarks(TCanvas& C);
  void DrawYMarks(TCanvas& C);
  void DrawTitle(TCanvas& C);
  void DrawXLine(TCanvas& C, int X);
  TMarkBox XMarkBox(TCanvas& C, long double Value, long double AxisX, const std::string& Text);
  void DrawXMarkBoxes(TCanvas& C, std::vector<TMarkBox> Boxes);
  void DrawLeftScale(TCanvas& C);
  void DrawXMarker(TCanvas& C);
  void DrawLegend(TCanvas& C);
  long double LayerY(int Layer, long double Y) const;
  void DrawDot(TCanvas& C, TColor Color, long double XV, long double YV);
  void DrawSegment(TCanvas& C, int Layer, long double XV, long double YV);
  void DrawBar(TCanvas& C, long double XV, long double YV);
  void ReplayPoints();
  void CopyToPlotBMP();
  void CopyToScreen();
  void StyleChanged() { Redraw(); }
  void TitleFontChanged();
  void TakeParentFont();
  void TakePixelRatio();

  TPlotAxes Axes;
  TColor FGridColor = clBlack;
  TColor FBackColor = clWhite;
  long double FFirstXMark = 0, FFirstYMark = 0;
  bool FXMarks = false;
  TPlotFont FXMarksFont;
  long double FXMarksInterval = 1;
  bool FYMarks = false;
  TPlotFont FYMarksFont;
  long double FYMarksInterval = 1;
  TPlotMode FPlotMode = pmLine;
  TPlotPen FPlotPen;
  TRect FPlotRect, FInnerRect;
  bool FPenUp = true;
  std::array<std::vector<TPlotPoint>, PlotLayers> FPoints;
  std::array<long double, PlotLayers> FLastX{}, FLastY{};
  TBitmap FBuffer, FPlotBMP, FScreen;
  bool FHold = false;
  bool FStale = false;  // a redraw was asked for while held; it runs once the hold ends
  std::string FTitle;
  std::array<TPlotMode, PlotLayers> FLayerMode;
  std::array<int, PlotLayers> FLayerWidth;
  bool FLayerOption = false;
  std::optional<long double> FXMarker;
  std::optional<TPlotScale> FLeftScale;
  std::array<bool, PlotLayers> FOnLeftScale{};
  std::vector<TLegendEntry> FLegend;
  std::vector<TMarkBox> FXMarkBoxes;
  TPlotFont FFont;
  bool ParentFont = true;
  bool Painting = false;
};
