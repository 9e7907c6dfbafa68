// CLabDlg: the main dialog of the lab and the owner of every object in it.
//
// It holds, for the life of the window: the squared-period graph, the
// simulation box and a scratch area for framing panels; the stopwatch; the
// ball on the elastic string; the four weights of the rack; the six physical
// values; the table of accepted points; the message line and the count of
// oscillations. A 50 ms timer advances the ball by 50 steps of 0.001 s and
// the application clock by 0.05 s, so the model runs in real time.
//
// Start-up, the tick, the paint and the ball's mouse handling live in app/;
// the experiment's handlers (weights, stopwatch results, "Començar", "plot")
// and the graph live in experiment/. The lab report (copying and saving the
// table, the fit and the graph) and the kept series (the table saved after
// every point, the previous series and its restoring) are handled in
// app/lab_dlg_report.cpp and app/lab_dlg_series.cpp on top of report/.
#pragma once

#include <string>
#include <vector>

#include "draw/image_toggle.h"
#include "draw/plot_area.h"
#include "experiment/point_series.h"
#include "physics/elastic_pendulum.h"
#include "platform/dialog.h"
#include "res/lab_layout.h"
#include "res/resource_ids.h"
#include "stopwatch/stopwatch.h"

namespace lab {

class CLabDlg : public Dialog {
 public:
  static constexpr int kPointCapacity = PointSeries::kCapacity;
  static constexpr int kMinOscillations = 1;
  static constexpr int kMaxOscillations = 999;

  // reopened: the window opened again in a newly chosen language (no title
  // picture; the table the student was measuring comes back as it was).
  explicit CLabDlg(bool reopened = false);
  // The result that ends the window to open it again in the new language.
  static constexpr int kReopenInNewLanguage = 0x4C4C;

  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnCommand(int id, int notification) override;

  void OnSysCommand(unsigned id, long lParam) override;
  void OnPaint() override;
  const Icon* OnQueryDragIcon() override;
  void OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  void OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonDown(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  // The right button aims and throws the ball inside the simulation box.
  bool OwnsRightButton(CPoint point) const override;
  void OnTimer(unsigned id) override;
  // The instruments by keyboard (app/lab_dlg_instruments.cpp).
  std::vector<Instrument> Instruments() const override;
  bool OnInstrumentKey(int id, int key, unsigned modifiers) override;
  void OnInstrumentFocus(int id) override;

  // "Començar": a new series. "plot": the last timing becomes a point.
  void OnStart();
  void OnPlot();
  // The count box changed: read the dialog's data back with validation.
  void OnChangeOscillations();
  // Redraws the central panel: graph, points and, from three points on, the
  // fitted line and its message.
  void DrawGraphPanel(CDC& dc);

  // The window menu's report items: the table and the fit onto the
  // clipboard, into a CSV file, the graph panel into a PNG file. None
  // changes the table, the graph, the message line or the count box.
  void OnCopyData();
  void OnSaveData();
  void OnSaveGraph();
  // Swaps the table with the previous series and draws it as if its points
  // had just been plotted in order.
  void OnRestoreSeries();
  // The table's points, in order.
  PointSeries CurrentSeries() const;
  // "Fil amb codi…": asks for a code; a valid one gives the string its k
  // and starts a new series, an empty one brings back the lab's own string.
  void OnStringCode();
  void OnLanguage();

  // Members, in this order.
  bool m_startPressed = false;
  bool m_timingAvailable = false;
  double m_pointMass[kPointCapacity];  // kg
  double m_pointT2[kPointCapacity];    // s^2
  int m_lastPoint = -1;                // last accepted point, -1 when empty
  bool m_graphPenReady = false;
  CPlotArea m_graph;
  bool m_traceMode = true;
  double m_clock = 0.0;  // s, the application clock
  bool m_dragging = false;
  CPlotArea m_simBox;
  int m_stopwatchX = layout::kStopwatchOrigin.x;
  int m_stopwatchY = layout::kStopwatchOrigin.y;
  CPlotArea m_panel;
  CStopwatch m_stopwatch;
  CElasticPendulum m_pendulum;
  CImageToggle m_weights[layout::kWeightCount];       // 0.5, 0.3, 0.2, 0.2 kg
  double m_mass = physical::kStartMass;               // kg
  double m_radius = 0.0;                              // m
  double m_k = physical::kStringK;                    // N/m
  double m_naturalLength = physical::kNaturalLength;  // m
  double m_g = physical::kGravity;                    // m/s^2
  double m_damping = physical::kDamping;              // 1/s
  std::string m_message;
  int m_oscillations = 10;
  const Icon* m_hIcon = nullptr;
  // The last count of oscillations that passed the range check: a timing is
  // always divided by a count the student accepted.
  int m_acceptedOscillations = 10;
  // The series before the last "Començar" (or left by the last run), which
  // "Recupera la sèrie anterior" brings back; empty when there is none.
  PointSeries m_previousSeries;
  // The ball held (left button) or aimed (right button) by keys, and the
  // pointer those keys have moved.
  enum class BallKeys { kFree, kHeld, kAiming };
  BallKeys m_ballKeys = BallKeys::kFree;
  CPoint m_ballKeyPoint;
  CPoint m_ballAimStart;
  // The code of the string on the lab ("" for its own, physical::kStringK),
  // which the table is measured on, and the previous series' code.
  std::string m_stringCode;
  std::string m_previousCode;
  // A keep of the series failed in this run, and the student was told.
  bool m_keepFailed = false;
  bool m_keepFailureTold = false;

 private:
  void RepaintSimulationBox(CDC& dc);
  // The ball where a tick or a handler has moved it: the walls once, then
  // its picture. A repaint of the window draws it without either.
  void DrawBall(CDC& dc);
  void PressInSimulationBox(CDC& dc, unsigned flags, CPoint point);
  void ShowMessage(const std::string& text);
  int CountForPeriod();
  // The kept series: read at start-up, written after every change of the
  // table or of the previous series.
  void LoadKeptSeries();
  void KeepSeries();
  // The first failed keep of the run brings a message box; later ones do
  // not. Called once a handler has drawn its change.
  void TellKeepFailure();
  // The string of a code ("" the lab's own): its k and the window's caption.
  void UseStringCode(const std::string& code);
  // At the start: the string of the link's code (LinkedStringCode), if any.
  void UseLinkedStringCode();
  bool m_reopened = false;
  // "Començar" on the string of a code: the table becomes the previous
  // series, with the code it was measured on.
  void StartSeries(const std::string& code);
  // Greys the report's items while the table is empty and the restore item
  // while there is no previous series.
  void UpdateReportMenu();
  void SaveReportFile(const char* defaultName, const char* filter, const std::string& bytes);
  bool OnBallKey(int key, unsigned modifiers);
  void LetBallGo();
  CPoint BallCentre() const;
};

}  // namespace lab
