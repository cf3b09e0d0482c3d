#include "ui/SchemaTiles.h"

#include <string>

#include "network/ValueText.h"

namespace {

constexpr int UpperWire = 23;
constexpr int LowerWire = 71;
constexpr int TileWidth = 39;

constexpr TElementType TileTypes[] = {TElementType::None, TElementType::Cs,       TElementType::Cp,
                                      TElementType::Ls,   TElementType::Lp,       TElementType::Rs,
                                      TElementType::Rp,   TElementType::Line,     TElementType::OpenStub,
                                      TElementType::ShortStub};

// The stubs' tiles follow the load symbol, leaving the tiles of the older types where they were.
int TileLeft(TElementType T) {
  switch (T) {
    case TElementType::OpenStub: return LoadTileLeft + 21;
    case TElementType::ShortStub: return LoadTileLeft + 61;
    default: return 21 + 40 * static_cast<int>(T);
  }
}

class TPainter {
public:
  explicit TPainter(TCanvas& C) : C(C) {
    C.Pen.Color = clBlue;
    C.Pen.Width = 1;
    C.Brush.Style = TBrushStyle::Clear;
  }
  void HLine(int X1, int X2, int Y) {
    C.MoveTo(X1, Y);
    C.LineTo(X2 + 1, Y);
  }
  void VLine(int X, int Y1, int Y2) {
    C.MoveTo(X, Y1);
    C.LineTo(X, Y2 + 1);
  }
  void Bar(int X1, int Y1, int X2, int Y2) {  // inclusive corners
    C.Brush.SetColor(clBlue);
    C.FillRect({X1, Y1, X2 + 1, Y2 + 1});
    C.Brush.Style = TBrushStyle::Clear;
  }
  void Box(int X1, int Y1, int X2, int Y2) {
    HLine(X1, X2, Y1);
    HLine(X1, X2, Y2);
    VLine(X1, Y1, Y2);
    VLine(X2, Y1, Y2);
  }
  // Half loops of a coil: bumps above a horizontal run or right of a vertical one.
  void CoilAcross(int X, int Y, int Loops) {
    for (int i = 0; i < Loops; ++i) C.Arc(X + 8 * i, Y - 5, X + 8 * i + 9, Y + 5, X + 8 * i + 9, Y, X + 8 * i, Y);
  }
  void CoilDown(int X, int Y, int Loops) {
    for (int i = 0; i < Loops; ++i) C.Arc(X - 5, Y + 8 * i, X + 5, Y + 8 * i + 9, X, Y + 8 * i, X, Y + 8 * i + 9);
  }
  void Label(int X, int Y, const std::string& Text, int Size) {
    C.Font = TFont{"MS Sans Serif", Size, true, clBlue};
    C.TextOut(X, Y, Text);
  }
  TCanvas& C;
};

void Wires(TPainter& P, int Left) {
  P.HLine(Left, Left + TileWidth - 1, UpperWire);
  P.HLine(Left, Left + TileWidth - 1, LowerWire);
}

// A break in the upper wire between X1 and X2, for a series element.
void BreakUpper(TCanvas& C, int X1, int X2) {
  C.Brush.SetColor(clWhite);
  C.FillRect({X1, UpperWire, X2 + 1, UpperWire + 1});
  C.Brush.Style = TBrushStyle::Clear;
}

void SeriesC(TPainter& P, int Cx) {
  BreakUpper(P.C, Cx - 1, Cx + 1);
  P.Bar(Cx - 3, UpperWire - 8, Cx - 2, UpperWire + 8);
  P.Bar(Cx + 2, UpperWire - 8, Cx + 3, UpperWire + 8);
}

void ParallelC(TPainter& P, int Cx) {
  P.VLine(Cx, UpperWire, 44);
  P.Bar(Cx - 8, 45, Cx + 8, 46);
  P.Bar(Cx - 8, 50, Cx + 8, 51);
  P.VLine(Cx, 51, LowerWire);
}

void SeriesL(TPainter& P, int Cx) {
  BreakUpper(P.C, Cx - 12, Cx + 12);
  P.CoilAcross(Cx - 12, UpperWire, 3);
}

void ParallelL(TPainter& P, int Cx) {
  P.VLine(Cx, UpperWire, 35);
  P.CoilDown(Cx, 35, 3);
  P.VLine(Cx, 59, LowerWire);
}

void SeriesR(TPainter& P, int Cx) {
  BreakUpper(P.C, Cx - 10, Cx + 10);
  P.Box(Cx - 10, UpperWire - 4, Cx + 10, UpperWire + 4);
}

void ParallelR(TPainter& P, int Cx) {
  P.VLine(Cx, UpperWire, 37);
  P.Box(Cx - 4, 37, Cx + 4, 57);
  P.VLine(Cx, 57, LowerWire);
}

void Line(TPainter& P, int Left) {
  const int X1 = Left + 4, X2 = Left + TileWidth - 1 - 3;
  BreakUpper(P.C, X1 + 1, X2 - 1);
  P.VLine(X1, UpperWire, LowerWire);
  P.VLine(X2, UpperWire, LowerWire);
  P.Bar(X1, 43, X2, 45);
  P.Bar(X1, 48, X2, 50);
}

// A line hanging across the wires, its far end at the right left open or shorted.
void Stub(TPainter& P, int Left, bool Shorted) {
  const int X1 = Left + 8, X2 = Left + TileWidth - 1 - 5;
  P.VLine(X1, UpperWire, 45);
  P.VLine(X1, 48, LowerWire);
  P.Bar(X1, 43, X2, 45);
  P.Bar(X1, 48, X2, 50);
  if (Shorted) P.Bar(X2 - 1, 43, X2, 50);
}

void ElementTile(TPainter& P, TElementType T) {
  const int Left = TileLeft(T);
  const int Cx = Left + TileWidth / 2;
  Wires(P, Left);
  switch (T) {
    case TElementType::Cs: SeriesC(P, Cx); break;
    case TElementType::Cp: ParallelC(P, Cx); break;
    case TElementType::Ls: SeriesL(P, Cx); break;
    case TElementType::Lp: ParallelL(P, Cx); break;
    case TElementType::Rs: SeriesR(P, Cx); break;
    case TElementType::Rp: ParallelR(P, Cx); break;
    case TElementType::Line: Line(P, Left); break;
    case TElementType::OpenStub: Stub(P, Left, false); return P.Label(Left + 4, 1, "Open", 7);
    case TElementType::ShortStub: Stub(P, Left, true); return P.Label(Left + 4, 1, "Short", 7);
    default: return;  // None: the wires only
  }
  P.Label(Left + 4, 1, TypeName(T), 7);
}

void LoadSymbol(TPainter& P) {
  const int Cx = LoadTileLeft + 9;
  P.HLine(LoadTileLeft, Cx, UpperWire);
  P.HLine(LoadTileLeft, Cx, LowerWire);
  P.VLine(Cx, UpperWire, 35);
  P.Box(Cx - 4, 35, Cx + 4, 59);
  P.VLine(Cx, 59, LowerWire);
  P.Label(LoadTileLeft + 2, 1, "Z", 8);
  P.Label(LoadTileLeft + 11, 8, "L", 6);
}

void InputSymbol(TPainter& P) {
  P.HLine(8, 18, UpperWire);
  P.HLine(8, 18, LowerWire);
  P.C.Ellipse(5, UpperWire - 2, 10, UpperWire + 3);
  P.C.Ellipse(5, LowerWire - 2, 10, LowerWire + 3);
  P.Label(2, 38, "Z", 8);
  P.Label(6, 49, "in", 6);
}

// Ticks below the visible rows that mark where every tile starts.
void AlignmentMarks(TPainter& P) {
  P.VLine(0, 110, SchemaHeight - 1);
  for (const TElementType T : TileTypes) P.VLine(TileLeft(T), 110, SchemaHeight - 1);
  P.VLine(LoadTileLeft, 110, SchemaHeight - 1);
}

}  // namespace

int TileOffset(TElementType T) { return -TileLeft(T); }

void DrawSchema(TBitmap& Strip) {
  Strip.SetSize(SchemaWidth, SchemaHeight);
  TCanvas& C = Strip.Canvas();
  C.Brush.SetColor(clWhite);
  C.FillRect({0, 0, SchemaWidth, SchemaHeight});
  TPainter P(C);
  InputSymbol(P);
  for (const TElementType T : TileTypes) ElementTile(P, T);
  LoadSymbol(P);
  AlignmentMarks(P);
}
