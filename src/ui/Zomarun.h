#pragma once
// The workbench window: the Smith chart on the left, the "Diagram" panel on the right, the one
// network and the one chart of the run, and every control through which the user edits them.
#include <QMainWindow>
#include <memory>

#include "network/NetCalc.h"
#include "platform/Canvas.h"
#include "smith/Smith.h"
#include "ui/ControlTable.h"
#include "ui/PictureFile.h"
#include "synthesis/Optimise.h"
#include "workbench/Export.h"
#include "workbench/Workbench.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class TAboutBox;
class TCirclesForm;
class TMatchForm;
class TOptimiseForm;
class THelpWindow;
class TPaintBox;
class TPlotPanel;
class TPrintDialog;
class TPrefForm;
class TTLineForm;
class TValueEdit;

class TForm1 : public QMainWindow {
  Q_OBJECT
public:
  TForm1();
  ~TForm1() override;

  // The session the window shows and edits, and the program-wide objects, freed by CloseNetwork.
  std::unique_ptr<TWorkbench> Workbench = std::make_unique<TWorkbench>();
  TNetWork* Net = &Workbench->Net;
  std::unique_ptr<TSmithChart> SmithChart;
  TPlotPanel* PlotPanel = nullptr;  // the Bode plot, a hidden child of the window until shown

  // Controls, named as the workbench names them.
  TPaintBox* SmithPbox = nullptr;
  QGroupBox* Schema = nullptr;
  TPaintBox *ZinBox = nullptr, *ZlBox = nullptr;
  TPaintBox *PaintBox1 = nullptr, *PaintBox2 = nullptr, *PaintBox3 = nullptr, *PaintBox4 = nullptr,
            *PaintBox5 = nullptr;
  QPushButton *B0 = nullptr, *B1 = nullptr, *B2 = nullptr, *B3 = nullptr, *B4 = nullptr, *B5 = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel *E0TypeLabel = nullptr, *E1TypeLabel = nullptr, *E2TypeLabel = nullptr, *E3TypeLabel = nullptr,
         *E4TypeLabel = nullptr, *E5TypeLabel = nullptr;
  QLabel *E1ValueLabel = nullptr, *E2ValueLabel = nullptr, *E3ValueLabel = nullptr, *E4ValueLabel = nullptr,
         *E5ValueLabel = nullptr;
  TValueEdit *Edit_1 = nullptr, *Edit0 = nullptr, *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr,
             *Edit4 = nullptr, *Edit5 = nullptr;
  QPushButton *TB1 = nullptr, *TB2 = nullptr, *TB3 = nullptr, *TB4 = nullptr, *TB5 = nullptr;
  QLineEdit *ZinSer = nullptr, *ZinPar = nullptr, *SWRedit = nullptr, *MuisPosEdit = nullptr, *RhoEdit = nullptr;
  QPushButton* DrawSWR = nullptr;
  QPushButton *ZnButton = nullptr, *FreqButton = nullptr;
  QLineEdit *ZnEdit = nullptr, *FreqText = nullptr;
  QRadioButton *CalcE = nullptr, *Scan = nullptr;
  QPushButton *Up = nullptr, *Dwn = nullptr;
  QLabel* MarkerLabel = nullptr;
  QTimer* UDTimer = nullptr;
  QTimer* TuneTimer = nullptr;  // a pause in tuning ends the gesture
  std::unique_ptr<TPrintDialog> PrintDialog1;

  QMenu *Bestand1 = nullptr, *EditMenu = nullptr, *Options1 = nullptr, *ZoomMenu = nullptr, *ToolsMenu = nullptr,
        *Help = nullptr;
  QAction *MatchItem = nullptr, *OptimiseItem = nullptr;
  QAction *UndoItem = nullptr, *RedoItem = nullptr;
  QMenu *ExportMenu = nullptr, *RecentMenu = nullptr;
  QAction *ImportLoadItem = nullptr, *ClearLoadItem = nullptr;
  QAction *ExportChartPng = nullptr, *ExportChartSvg = nullptr, *ExportPlotPng = nullptr, *ExportPlotSvg = nullptr,
          *ExportPlotCsv = nullptr, *ExportSweepCsv = nullptr, *ExportSweepS1p = nullptr, *ExportSweepS2p = nullptr,
          *ExportNetlist = nullptr;
  QAction *Nieuw = nullptr, *Openen = nullptr, *Bewaren = nullptr, *BewarenAls = nullptr, *PrintIt = nullptr,
          *Afsluiten = nullptr;
  QAction *SmithchartLabels = nullptr, *PrefMenu = nullptr, *QFactor = nullptr, *Bodeplot = nullptr;
  QAction *AdmittanceGridItem = nullptr, *CirclesItem = nullptr;
  QAction *BodeReturnLossItem = nullptr, *BodeVswrItem = nullptr, *BodeLinearItem = nullptr, *BodeBelowItem = nullptr;
  QAction *x1 = nullptr, *x2 = nullptr, *x5 = nullptr, *x10 = nullptr;
  QAction *Help2 = nullptr, *About = nullptr;

  // The dialogs, created hidden with the window and kept for the whole run.
  TTLineForm* TLineForm = nullptr;
  TPrefForm* PrefForm = nullptr;
  TAboutBox* AboutBox = nullptr;
  THelpWindow* HelpWindow = nullptr;
  TMatchForm* MatchForm = nullptr;
  TOptimiseForm* OptimiseForm = nullptr;
  TCirclesForm* CirclesForm = nullptr;

  // Control tables by diagram position: 0 is the load, 1 .. 5 the elements from the load
  // towards the input; ValueEdits[-1] is the load reactance.
  TControlTable<TPaintBox*, 0, 5> DiagramBoxes;
  TControlTable<TValueEdit*, -1, 5> ValueEdits;
  TControlTable<QLabel*, 0, 5> TypeLabels;
  TControlTable<QLabel*, 1, 5> ValueLabels;
  TControlTable<QPushButton*, 1, 5> LineButtons;
  TControlTable<QPushButton*, 0, 5> ElementButtons;

  // The preferences, held by the workbench, and the window's own state.
  double &MajorMark = Workbench->Prefs.MajorMark, &MinorMark = Workbench->Prefs.MinorMark,
         &UpDownInterval = Workbench->Prefs.UpDownInterval;
  bool &Normalized = Workbench->Prefs.Normalized, &FullScreen = Workbench->Prefs.FullScreen;
  TBitmap SchemaBitmap;
  int HeightReserve = 26;

  // The repeat machine of the Up and Dwn buttons: phase 0 idle, 1 waiting for the first delay,
  // 2 repeating.
  int UDPhase = 0;
  bool UpHeld = false, DwnHeld = false;

  // The handlers, each run through Guarded by the event it is bound to.
  void LoadPictureClick();
  void NieuwClick();
  void AfsluitenClick();

  void ZinBoxPaint();
  void ZlBoxPaint();
  void PaintBoxPaint(TPaintBox* Sender);
  void SchemaRatioChanged(TPaintBox* Sender);
  void MouseDown(TPaintBox* Sender, Qt::MouseButton Button);
  void VeranderElement(TPaintBox* Sender, bool Forward);
  void ButClick(QPushButton* Sender);
  void SEditClick(TValueEdit* Sender);
  void FormKeyDown(TValueEdit* Sender, int Key, Qt::KeyboardModifiers Shift);
  void Scan_CalcClick();
  void TuneValue(int Position, int Notches, Qt::KeyboardModifiers Shift);
  void TuneTimerTimer();
  void UndoClick();
  void MatchClick();
  void OptimiseClick();
  void RunOptimiser();
  void RedoClick();

  void Bereken();  // the one recalculation path

  void SmithPboxMouseMove(int X, int Y);
  void SmithPboxMouseDown(int X, int Y);
  // The middle button, or Shift with the left, drags the chart; any other press solves.
  void SmithPboxPress(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void SmithPboxRelease();
  void SmithPboxLeave();  // the read-out goes
  void SmithPboxWheel(int Notches, int X, int Y);  // zooms about the mouse
  void SmithPboxPaint();
  void ZoomClick(QAction* Sender);
  void ShowZoomChecks();
  void AdmittanceGridClick();
  void CirclesClick();
  void ShowChartView();  // the workbench's view of the chart on the chart and in the menu
  void SmithchartLabelsClick();
  void DrawSWRClick();

  void FreqButtonClick();
  void ZnButtonClick();
  void QFactorClick();
  void UpDownClick(QPushButton* Sender);
  void UpMouseDown(QPushButton* Sender);
  void UDTimerTimer();
  void UpMouseUp(QPushButton* Sender);

  void TB1Click(QPushButton* Sender);
  void PrefMenuClick();
  void NormalizedClick(bool Checked);
  void FullScreenClick(bool Checked);

  void UpdatePlot();
  void BodeplotClick();
  void PlotMouseMove(int X, int Y);
  void BodeViewClick();

  void OpenenClick();
  void ImportLoadClick();
  void ClearLoadClick();
  void OpenRecent(const std::string& Name);
  void BewarenClick();
  void BewarenAlsClick();
  void ExportChart(TPictureFormat Format);
  void ExportPlot(TPictureFormat Format);
  void ExportTable(TExport What);
  void PrintItClick();
  void Help2Click();
  void AboutClick();

protected:
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

private:
  void CreateMenus();
  void CreateChartArea();
  void CreateDiagram();
  void CreateElementRows();
  void CreateResultRows();
  void CreateFrequencyRows();
  void FillTables();
  void Connect();
  void DockSchema();
  void resizeEvent(QResizeEvent* Event) override;

  void FormCreate();
  void SizeToScreen();
  void ApplyHeight();
  QMargins FrameMargins() const;
  int ClientHeight() const;
  bool FormCloseQuery();
  void CloseNetwork();

  void DrawTile(int Position);
  void ShowRow(int Position, const std::string& ValueText);
  void Commit(int Position);
  void BerekenElementen();
  void RedrawChart();  // as the recalculation draws it
  void ReadWorkingTexts();
  void ShowResults();
  void ShowNotCalculated();
  void SetLoad(double Ro, double Xo);
  void ShowFrequency(int Digits);
  void ShowZn(const char* Unit);
  void ShowMarkerStep();
  void ApplyPreferences();

  void HaalIni();
  void BewaarIni();

  void MaakPlot();
  void ShowBodeView();
  // The plot docked under the chart, which gives up that height, or floating over the chart area
  // where the user dragged it, else over its top-right corner below the chart's title.
  bool PlotDocked() const;
  void DockPlot();
  void FloatPlot();
  QSize FloatingPlotSize() const;
  QPoint DefaultPlotSpot() const;
  QRect ChartTitleBox() const;
  bool PlotGrips(QPoint At) const;  // a press there drags the floating plot: its frame

  void OpenNetwork(const std::string& Name);
  void ShowRecentFiles();
  void ShowNetwork();
  void ShowLoadSource();
  void ShowFixedLoad();
  void ShowMeasuredLoad();
  void ShowNetworkValues();
  void ShowUndone();
  void ShowHistory();
  void WriteNetwork(const std::string& Name);
  bool AskToSaveChanges();
  std::optional<std::string> AskExportName(const char* Filter, const char* Extension);

  bool ResetDone = false;
  std::optional<QPoint> PanFrom;  // where the drag of the chart is, while one goes on
  std::optional<TOptimiseResult> Tuning;  // the optimiser's last run in its dialog
  std::string PlotTitle;  // the title of the last sweep, shown again when the mouse leaves the plot
  std::optional<QPoint> PlotSpot;  // where the user dragged the floating plot
};
