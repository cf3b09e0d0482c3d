// The window's controls, at the places and sizes of the workbench's design.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "platform/Fonts.h"
#include "platform/PaintBox.h"
#include "ui/CirclesForm.h"
#include "ui/HelpWindow.h"
#include "ui/PrefUnit.h"
#include "ui/PrintDialog.h"
#include "ui/Zomarabt.h"
#include "ui/TLine.h"
#include "ui/ToolForms.h"
#include "ui/Layout.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

namespace {

constexpr int SchemaWidth = 244;
constexpr int Panel1Width = 240;
constexpr int Panel1Height = 401;
constexpr int ElementRowTop[] = {0, 132, 100, 68, 36, 4};  // by position 1 .. 5

TValueEdit* Edit(QWidget* Parent, const char* Text, int Left, int Top, int Width) {
  return Place(new TValueEdit(QString::fromUtf8(Text), Parent), Left, Top, Width, 20);
}

QLineEdit* ReadOnlyEdit(QWidget* Parent, const char* Text, int Left, int Top, int Width) {
  auto* E = Place(new QLineEdit(QString::fromUtf8(Text), Parent), Left, Top, Width, 20);
  E->setReadOnly(true);
  return E;
}

QPushButton* Button(QWidget* Parent, const char* Caption, int Left, int Top, int Width, int Height) {
  return Place(new QPushButton(QString::fromUtf8(Caption), Parent), Left, Top, Width, Height);
}

TPaintBox* DiagramBox(QWidget* Parent, int Left, int Width) {
  auto* Box = Place(new TPaintBox(Parent), Left, 16, Width, 89);
  return Box;
}

QAction* Item(QMenu* Menu, const char* Caption, bool Checkable = false) {
  QAction* A = Menu->addAction(QString::fromUtf8(Caption));
  A->setCheckable(Checkable);
  return A;
}

}  // namespace

TForm1::TForm1() {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(PixelFont("System", 13, true));
  auto* Client = new QWidget(this);
  Client->setAutoFillBackground(true);
  Client->setPalette(QPalette(Qt::white));
  Client->setBackgroundRole(QPalette::Window);
  setCentralWidget(Client);
  CreateMenus();
  CreateChartArea();
  CreateDiagram();
  CreateElementRows();
  CreateResultRows();
  CreateFrequencyRows();
  UDTimer = new QTimer(this);
  TuneTimer = new QTimer(this);
  TuneTimer->setSingleShot(true);
  TuneTimer->setInterval(500);
  TLineForm = new TTLineForm(this);
  PrefForm = new TPrefForm(this);
  AboutBox = new TAboutBox(this);
  HelpWindow = new THelpWindow(this);
  MatchForm = new TMatchForm(this);
  OptimiseForm = new TOptimiseForm(this);
  CirclesForm = new TCirclesForm(this);
  PrintDialog1 = std::make_unique<TPrintDialog>(this);
  FillTables();
  Connect();
  resize(792, 554 + menuBar()->sizeHint().height());
  setMinimumSize(SchemaWidth + 320, Panel1Height + 40 + menuBar()->sizeHint().height());
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::CreateMenus() {
  Bestand1 = menuBar()->addMenu(QStringLiteral("&File"));
  Nieuw = Item(Bestand1, "&New");
  Openen = Item(Bestand1, "&Open");
  RecentMenu = Bestand1->addMenu(QStringLiteral("&Recent Files"));
  ImportLoadItem = Item(Bestand1, "Import Load...");
  ClearLoadItem = Item(Bestand1, "Clear Measured Load");
  ClearLoadItem->setEnabled(false);
  Bewaren = Item(Bestand1, "&Save");
  BewarenAls = Item(Bestand1, "Save &As...");
  ExportMenu = Bestand1->addMenu(QStringLiteral("&Export"));
  ExportChartPng = Item(ExportMenu, "Chart as PNG...");
  ExportChartSvg = Item(ExportMenu, "Chart as SVG...");
  ExportPlotPng = Item(ExportMenu, "Bode Plot as PNG...");
  ExportPlotSvg = Item(ExportMenu, "Bode Plot as SVG...");
  ExportPlotCsv = Item(ExportMenu, "Bode Plot as CSV...");
  ExportMenu->addSeparator();
  ExportSweepCsv = Item(ExportMenu, "Sweep as CSV...");
  ExportSweepS1p = Item(ExportMenu, "Sweep as Touchstone s1p...");
  ExportSweepS2p = Item(ExportMenu, "Sweep as Touchstone s2p...");
  ExportMenu->addSeparator();
  ExportNetlist = Item(ExportMenu, "SPICE Netlist...");
  Bestand1->addSeparator();
  PrintIt = Item(Bestand1, "Print...");
  Bestand1->addSeparator();
  Afsluiten = Item(Bestand1, "&Exit");
  EditMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
  UndoItem = Item(EditMenu, "&Undo");
  UndoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  RedoItem = Item(EditMenu, "&Redo");
  RedoItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  Options1 = menuBar()->addMenu(QStringLiteral("Options"));
  SmithchartLabels = Item(Options1, "Show Smithchart Labels", true);
  AdmittanceGridItem = Item(Options1, "Admittance Grid", true);
  CirclesItem = Item(Options1, "Circles...");
  PrefMenu = Item(Options1, "Preferences");
  QFactor = Item(Options1, "Q Factor");
  Bodeplot = Item(Options1, "Bode-plot", true);
  BodeReturnLossItem = Item(Options1, "Bode-plot Return Loss", true);
  BodeVswrItem = Item(Options1, "Bode-plot VSWR", true);
  BodeLinearItem = Item(Options1, "Bode-plot Linear Frequency Steps", true);
  BodeBelowItem = Item(Options1, "Bode-plot Below Chart", true);
  ZoomMenu = menuBar()->addMenu(QStringLiteral("Zoom"));
  x1 = Item(ZoomMenu, "1 x", true);
  x2 = Item(ZoomMenu, "2 x", true);
  x5 = Item(ZoomMenu, "5 x", true);
  x10 = Item(ZoomMenu, "10 x", true);
  x1->setChecked(true);
  ToolsMenu = menuBar()->addMenu(QStringLiteral("&Tools"));
  MatchItem = Item(ToolsMenu, "Match...");
  OptimiseItem = Item(ToolsMenu, "Optimise over Band...");
  Help = menuBar()->addMenu(QStringLiteral("&Help"));
  Help2 = Item(Help, "&Help");
  Help2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  About = Item(Help, "&About");
}

void TForm1::CreateChartArea() {
  SmithPbox = new TPaintBox(centralWidget());
  SmithPbox->move(0, 0);
  SmithPbox->setFont(PixelFont("Arial Narrow", 9, false));
  SmithPbox->setCursor(Qt::ArrowCursor);
}

void TForm1::CreateDiagram() {
  Schema = new QGroupBox(QStringLiteral("Diagram"), centralWidget());
  Schema->setFont(PixelFont("Verdana", 11, true));
  Schema->setAutoFillBackground(true);
  ZinBox = DiagramBox(Schema, 1, 19);
  PaintBox5 = DiagramBox(Schema, 21, 39);
  PaintBox4 = DiagramBox(Schema, 61, 39);
  PaintBox3 = DiagramBox(Schema, 101, 39);
  PaintBox2 = DiagramBox(Schema, 141, 39);
  PaintBox1 = DiagramBox(Schema, 181, 39);
  ZlBox = DiagramBox(Schema, 221, 20);
  for (TPaintBox* Box : {PaintBox1, PaintBox2, PaintBox3, PaintBox4, PaintBox5, ZlBox})
    Box->setToolTip(QStringLiteral("Click here"));
  B5 = Button(Schema, "5", 21, 104, 40, 21);
  B4 = Button(Schema, "4", 61, 104, 40, 21);
  B3 = Button(Schema, "3", 101, 104, 40, 21);
  B2 = Button(Schema, "2", 141, 104, 40, 21);
  B1 = Button(Schema, "1", 181, 104, 40, 21);
  B0 = Button(Schema, "ZL", 221, 104, 20, 21);
  Panel1 = new QFrame(Schema);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setFont(PixelFont("MS Sans Serif", 9, true));
  Panel1->setAutoFillBackground(true);
  Panel1->resize(Panel1Width, Panel1Height);
}

void TForm1::CreateElementRows() {
  const char* Numbers[] = {"", "1. ", "2. ", "3. ", "4. ", "5."};
  QLabel** Types[] = {nullptr, &E1TypeLabel, &E2TypeLabel, &E3TypeLabel, &E4TypeLabel, &E5TypeLabel};
  QLabel** Captions[] = {nullptr, &E1ValueLabel, &E2ValueLabel, &E3ValueLabel, &E4ValueLabel, &E5ValueLabel};
  TValueEdit** Edits[] = {nullptr, &Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
  QPushButton** Lines[] = {nullptr, &TB1, &TB2, &TB3, &TB4, &TB5};
  for (int p = 5; p >= 1; --p) {
    const int Top = ElementRowTop[p];
    NewLabel(Panel1, Numbers[p], 4, Top);
    *Types[p] = Place(new QLabel(QStringLiteral("none"), Panel1), 20, Top, 40, 16);
    *Captions[p] = Place(new QLabel(QStringLiteral("Value :"), Panel1), 60, Top + 12, 52, 14);
    *Edits[p] = Edit(Panel1, "0", 112, Top + 8, 60);
    *Lines[p] = Button(Panel1, "...", 184, Top + 8, 25, 20);
    (*Lines[p])->hide();
  }
  E0TypeLabel = Place(new QLabel(QStringLiteral("Z Load"), Panel1), 4, 172, 56, 16);
  NewLabel(Panel1, "Re:", 62, 174);
  Edit0 = Edit(Panel1, "20", 88, 172, 57);
  NewLabel(Panel1, "Im :", 148, 174);
  Edit_1 = Edit(Panel1, "30", 176, 172, 57);
  for (QLabel* L : {E0TypeLabel, E1TypeLabel, E2TypeLabel, E3TypeLabel, E4TypeLabel, E5TypeLabel})
    L->setAutoFillBackground(true);
}

void TForm1::CreateResultRows() {
  const QFont ResultFont = PixelFont("MS Sans Serif", 9, false);
  NewLabel(Panel1, "Zin:", 4, 198);
  ZinSer = ReadOnlyEdit(Panel1, "ZinSer", 28, 196, 209);
  NewLabel(Panel1, "Zin:", 4, 222);
  ZinPar = ReadOnlyEdit(Panel1, "ZinPar", 28, 220, 209);
  for (QLineEdit* E : {ZinSer, ZinPar}) {
    E->setReadOnly(false);
    E->setFont(ResultFont);
    QPalette P = E->palette();
    P.setColor(QPalette::Text, Qt::red);
    E->setPalette(P);
  }
  DrawSWR = Button(Panel1, "Draw SWR", 4, 248, 75, 20);
  NewLabel(Panel1, "SWR:", 88, 250);
  SWRedit = Place(new QLineEdit(QStringLiteral("SWRedit"), Panel1), 124, 248, 65, 20);
  NewLabel(Panel1, "Mouse   Z :", 4, 274);
  MuisPosEdit = ReadOnlyEdit(Panel1, "MuisPosEdit", 72, 272, 165);
  NewLabel(Panel1, "rho :", 4, 298);
  RhoEdit = ReadOnlyEdit(Panel1, "RhoEdit", 72, 296, 165);
}

void TForm1::CreateFrequencyRows() {
  ZnButton = Button(Panel1, "Zn (ohm)", 4, 320, 62, 22);
  ZnEdit = ReadOnlyEdit(Panel1, "50", 68, 321, 48);
  FreqButton = Button(Panel1, "Freq ", 120, 320, 40, 22);
  FreqText = ReadOnlyEdit(Panel1, "100000", 162, 321, 75);
  for (QPushButton* B : {ZnButton, FreqButton}) B->setToolTip(QStringLiteral("Click to change value"));
  CalcE = Place(new QRadioButton(QStringLiteral("Calc Elements"), Panel1), 4, 352, 150, 20);
  Scan = Place(new QRadioButton(QStringLiteral("Scan"), Panel1), 4, 376, 58, 20);
  CalcE->setChecked(true);
  Up = Button(Panel1, "Up", 176, 344, 30, 25);
  Dwn = Button(Panel1, "Dwn", 206, 344, 30, 25);
  MarkerLabel = NewLabel(Panel1, "MarkerLabel", 64, 378);
  MarkerLabel->hide();
}

void TForm1::FillTables() {
  DiagramBoxes[0] = ZlBox;
  ElementButtons[0] = B0;
  TypeLabels[0] = E0TypeLabel;
  ValueEdits[-1] = Edit_1;
  ValueEdits[0] = Edit0;
  TPaintBox* Boxes[] = {PaintBox1, PaintBox2, PaintBox3, PaintBox4, PaintBox5};
  QPushButton* Buttons[] = {B1, B2, B3, B4, B5};
  QLabel* Types[] = {E1TypeLabel, E2TypeLabel, E3TypeLabel, E4TypeLabel, E5TypeLabel};
  QLabel* Captions[] = {E1ValueLabel, E2ValueLabel, E3ValueLabel, E4ValueLabel, E5ValueLabel};
  TValueEdit* Edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
  QPushButton* Lines[] = {TB1, TB2, TB3, TB4, TB5};
  for (int p = 1; p <= 5; ++p) {
    DiagramBoxes[p] = Boxes[p - 1];
    ElementButtons[p] = Buttons[p - 1];
    TypeLabels[p] = Types[p - 1];
    ValueLabels[p] = Captions[p - 1];
    ValueEdits[p] = Edits[p - 1];
    LineButtons[p] = Lines[p - 1];
  }
}

// The "Diagram" group box stays docked to the right edge at full height, its lower panel to the
// group box's bottom; the chart area keeps the size the reset gave it.
void TForm1::DockSchema() {
  const QSize Client = centralWidget()->size();
  Schema->setGeometry(Client.width() - SchemaWidth, 0, SchemaWidth, Client.height());
  Panel1->move(2, Client.height() - Panel1Height - 2);
}

void TForm1::resizeEvent(QResizeEvent* Event) {
  QMainWindow::resizeEvent(Event);
  DockSchema();
}
