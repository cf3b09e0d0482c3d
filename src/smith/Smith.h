#pragma once
// The Smith chart of the workbench. It draws the grid, the network's path and the frequency-scan
// trace into its own off-screen bitmap, maps between impedances and pixels, solves an element
// from a chart point, and copies the finished picture to the screen canvas it was given.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "network/NetCalc.h"
#include "network/SweepEngine.h"
#include "platform/Canvas.h"
#include "smith/ChartMath.h"
#include "smith/LabelLayout.h"

// A circle the user asked for: constant VSWR, constant Q (two arcs), or constant resistance or
// reactance in ohm.
enum class TCircleKind { Vswr, Q, R, X };
struct TChartCircle {
  TCircleKind Kind;
  double Value;
  TColor Color;
};

class TSmithChart {
public:
  // ScreenCanvas may be null: then Paint copies nowhere.
  explicit TSmithChart(TCanvas* ScreenCanvas);
  TSmithChart(const TSmithChart&) = delete;
  TSmithChart& operator=(const TSmithChart&) = delete;

  int CenterX = 0, CenterY = 0;
  double Rho = 0;  // |reflection| of the last point given to CalcRho
  int Radius = 0;  // of the unit circle in pixels, zoom included
  double ChartZn = 50;
  int ChartWidth = 0, ChartHeight = 0;
  TCanvas* BitmapCanvas;
  TCanvas* ScreenCanvas;
  TBitmap ChartBitmap;
  TRect ChartRect;
  bool ShowLabels = false;
  std::array<int, 21> NodeX{}, NodeY{};  // marker of each node, 0 = the load
  int ScanLeftOut = 0;                    // points of the last scan trace that had no load
  double Zoom = 1;  // 1 .. MaxZoom
  // The reflection coefficient shown in the middle of the picture: 0 + j0 centres the chart.
  double ViewRe = 0, ViewIm = 0;
  static constexpr double MaxZoom = 20;
  bool Normalized = false;
  bool ShowSWR = false;
  bool AdmittanceGrid = false;  // the main constant-g circles and constant-b arcs
  std::vector<TChartCircle> Circles;

  // Bounds on the loops whose length comes from the user's numbers, so that every drawing ends.
  static constexpr int MaxLinePieces = 60000;  // pieces of one line's locus
  static constexpr int MaxMarkerDots = 10000;  // dots of one marker interval

  // The empty chart, sized AWidth x AHeight, with its labels in AZn ohms.
  void DrawChart(int AWidth, int AHeight, double AZn);
  void Paint();

  // The view for the next DrawChart. ZoomAbout multiplies the zoom by Factor, within 1 .. MaxZoom,
  // keeping the point under pixel (X, Y) of the last picture in its place; back at 1 x the chart
  // is centred again. Pan moves the picture by (DX, DY) pixels. The middle of the picture always
  // stays on the chart.
  void ZoomAbout(int X, int Y, double Factor);
  void Pan(int DX, int DY);
  void ResetView(double AZoom);
  void ZToPixel(const TComplex& Z, int& PX, int& PY, double Zn) const;
  QPoint GammaPixel(const smith_detail::TGamma& G) const;  // the pixel of a reflection coefficient
  // Normalised impedance, |reflection| and a plain arctangent angle of a pixel; false outside
  // the rim (the outputs are set all the same).
  bool PixelToZ(int X, int Y, double& Rn, double& Xn, double& Rho, double& Angle) const;
  static void ZToY(double& A, double& B);

  // The path of an evaluated network on a freshly drawn chart of the same Zn.
  void DrawNetwork(TNetWork& Network);
  double GetSWR() const;  // -1 from |reflection| 0.999 on
  void CalcRho(const TComplex& Z);
  void DrawPoint(int Index, double R, double X);
  void DrawSWRCircle(double R, double X);

  // The value, in the selected element's base unit, that brings its input node onto the grid
  // line of the clicked point. A line is left at the length found, the network evaluated. False
  // outside the rim or without an element; also when no value does it, after a warning that
  // says why, with the network as it was.
  bool CalcElement(TNetWork& Network, int X, int Y, double& Value);

  // The chart with the input impedance's trace over the scan range; the network ends evaluated
  // at its working frequency.
  void DrawScan(TNetWork& Network, double MajorMark, double MinorMark);
  void DrawDot(int X, int Y, TColor Color, int Size);

  // The scan trace of the last DrawScan, point by point; empty after a DrawChart alone.
  struct TTracePoint {
    QPoint Pixel;
    double Frequency;
    bool Joined;  // drawn from the point before; not after points without a load
  };
  std::vector<TTracePoint> TracePoints;
  // The point of the trace nearest to (X, Y), on its dots or the lines between, within Reach
  // pixels; its frequency is interpolated along the line.
  std::optional<TTracePoint> NearestTracePoint(int X, int Y, int Reach) const;
  // The read-out over the picture on the screen, from now until the next DrawChart: Lines in a box
  // at the top left, under "Inductive", and a ring round Mark. No lines and no mark show the bare
  // picture. The bitmap never holds it.
  void ShowPointer(const std::vector<std::string>& Lines, std::optional<QPoint> Mark);

  // Every text of the picture with its box, refilled by each DrawChart: no two boxes overlap.
  TLabelLayout Labels;
  // The knock-out round a text: wide enough at its sides that a grid line ending there does not
  // read as a minus sign.
  static constexpr QPoint LabelMargin{3, 1};
  // Writes Text with its top-left corner at the first of Corners where its box overlaps no text
  // placed before, on a knock-out of Back LabelMargin wider than the text; false, drawing nothing,
  // when no corner is free.
  bool PutLabel(std::initializer_list<QPoint> Corners, const std::string& Text, TColor Back);
  // A label at the first free corner around the point (X, Y): below right, below left,
  // above right, above left.
  bool PutLabelAround(int X, int Y, const std::string& Text, TColor Back);

private:
  struct TPendingLabel {
    QPoint Corner;
    std::string Text;
    TColor Color = clBlack;
  };
  std::vector<TPendingLabel> GridLabels;    // placed once every grid line is drawn
  std::vector<TPendingLabel> CircleLabels;  // placed after the grid's, around their points
  std::vector<std::string> PointerLines;    // the read-out Paint shows over the picture
  std::optional<QPoint> PointerMark;
  void DrawPointer();

  void DrawImpedanceGrid();
  void PlaceGridLabels();
  void DrawAdmittanceGrid();
  void DrawCircles(double Zn);
  // The part on the chart of the circle of centre Re + j Im and radius Rho in the reflection
  // plane; the pixel of its point nearest the chart's centre, none when it misses the chart.
  std::optional<QPoint> DrawReflectionCircle(double Re, double Im, double Rho);

  struct TMarkerPixels {
    int PX, PY, QX, QY;  // the node and its admittance mirrored through the centre
  };

  void DrawRCircle(double R);
  void DrawXArc(double X);
  void DrawTitlesAndLegend(int M);

  void DrawNodeLabels(int NrOfElements);
  TMarkerPixels MarkerPixels(double R, double X) const;
  void DrawMarkers(const TMarkerPixels& M, bool Load);

  void DrawLocus(const TNetWork& Network, int p);
  void DrawCs(const TNetWork& Network, int p);
  void DrawCp(const TNetWork& Network, int p);
  void DrawLs(const TNetWork& Network, int p);
  void DrawLp(const TNetWork& Network, int p);
  void DrawRs(const TNetWork& Network, int p);
  void DrawRp(const TNetWork& Network, int p);
  void DrawLine(const TNetWork& Network, int p);
  void DrawParallelSteps(const TNetWork& Network, int p, const TComplex& Zs);
  void DrawStub(const TNetWork& Network, int p);
  void DrawCircleStep(double X1, double Y1, double X2, double Y2, QPointF Start, QPointF End);
  void MoveToZ(const TComplex& Z, double Zn);
  void LineToZ(const TComplex& Z, double Zn);
  QPoint LinePixel(const TComplex& Z, double Zn) const;

  bool SearchLineLength(TNetWork& Network, int p, const TComplex& Zt);

  QPoint ScanPoint(TNetWork& Network, double F);
  std::optional<QPoint> ScanPixel(TNetWork& Network, std::span<const double> F, const TLadderResult& Zin,
                                  std::size_t i);
  void DrawTrace(TNetWork& Network);
  void DrawMeasuredLoad(const TNetWork& Network);
  // The marks' dots, and their frequencies with the place of each dot.
  std::vector<TPendingLabel> DrawFrequencyMarks(TNetWork& Network, double Interval, TColor Color, int Size);
};
