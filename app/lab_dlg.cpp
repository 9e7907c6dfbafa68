#include "app/lab_dlg.h"

#include "app/ball_radius.h"
#include "app/lab_colours.h"
#include "app/title_dlg.h"
#include "experiment/graph_texts.h"
#include "experiment/messages.h"
#include "platform/resources.h"
#include "platform/runtime.h"
#include "report/report_texts.h"

CLabDlg::CLabDlg() : Dialog(IDD_MAIN) {
  m_message = "";
  m_oscillations = 10;
  m_hIcon = LoadIcon(IDR_MAINFRAME);
}

void CLabDlg::DoDataExchange(CDataExchange* pDX) {
  Dialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_MESSAGE, m_message);
  DDX_Text(pDX, IDC_OSCILLATIONS, m_oscillations);
  DDV_MinMaxInt(pDX, m_oscillations, kMinOscillations, kMaxOscillations);
}

bool CLabDlg::OnInitDialog() {
  Dialog::OnInitDialog();

  // The title dialog is also offered from the window menu.
  if (CMenu* menu = GetSystemMenu(false)) {
    const std::string about = LoadString(IDS_ABOUTBOX);
    if (!about.empty()) {
      menu->AppendSeparator();
      menu->AppendItem(IDM_ABOUTBOX, about);
    }
    menu->AppendSeparator();
    menu->AppendItem(IDM_COPY_DATA, kCopyDataItem);
    menu->AppendItem(IDM_SAVE_DATA, kSaveDataItem);
    menu->AppendItem(IDM_SAVE_GRAPH, kSaveGraphItem);
    menu->AppendItem(IDM_RESTORE_SERIES, kRestoreSeriesItem);
  }
  SetIcon(m_hIcon, true);
  SetIcon(m_hIcon, false);

  // The title picture comes first; no timer runs yet, so nothing moves.
  {
    CTitleDlg title;
    title.DoModal();
  }

  LabSrand(static_cast<unsigned>(LabTime()));

  m_mass = 1.0;
  m_radius = BallRadiusFromMass(m_mass);
  m_k = 27.9;
  m_naturalLength = 0.21;
  m_g = 9.805;
  m_damping = 0.02;

  m_message = kWelcomeMessage;
  UpdateData(false);

  m_lastPoint = -1;
  m_graphPenReady = false;
  m_startPressed = false;
  m_timingAvailable = false;

  LayOutGraph(m_graph);
  // The simulation box's frame is also set on every paint; setting it now
  // keeps a press that arrives before the first paint inside the right box.
  m_simBox.SetRect(20, 20, 200, 400);

  // The weights: 0.5 kg, 0.3 kg (on the string at start), 0.2 kg, 0.2 kg.
  m_weights[0].Init(612, 20, IDB_EMPTY_PEG, 8, 42, 46, 82, IDB_WEIGHT_05, 1, 1, 59, 85, false);
  m_weights[1].Init(552, 20, IDB_EMPTY_PEG, 8, 42, 46, 82, IDB_WEIGHT_03, 1, 1, 59, 85, true);
  m_weights[2].Init(492, 20, IDB_EMPTY_PEG, 8, 42, 46, 82, IDB_WEIGHT_02, 1, 1, 59, 85, false);
  m_weights[3].Init(432, 20, IDB_EMPTY_PEG, 8, 42, 46, 82, IDB_WEIGHT_02, 1, 1, 59, 85, false);

  SetTimer(0, 50);

  m_stopwatchX = 241;
  m_stopwatchY = 20;
  m_clock = 0.0;
  m_stopwatch.Init(241, 20);

  m_pendulum.Setup(m_mass, m_radius, m_k, m_naturalLength, m_g, m_damping);
  m_pendulum.SetTimeStep(0.001);

  m_dragging = false;
  m_traceMode = true;

  // The series left by the last run, closed or not, is the previous one.
  LoadKeptSeries();
  UpdateReportMenu();
  return true;
}

bool CLabDlg::OnCommand(int id, int notification) {
  if (notification == BN_CLICKED && id == IDC_START) {
    OnStart();
    return true;
  }
  if (notification == BN_CLICKED && id == IDC_PLOT) {
    OnPlot();
    return true;
  }
  if (notification == EN_CHANGE && id == IDC_OSCILLATIONS) {
    OnChangeOscillations();
    return true;
  }
  return Dialog::OnCommand(id, notification);
}

void CLabDlg::OnSysCommand(unsigned id, long lParam) {
  switch (id & 0xFFF0u) {
    case IDM_ABOUTBOX: {
      CTitleDlg title;
      title.DoModal();
      break;
    }
    case IDM_COPY_DATA:
      OnCopyData();
      break;
    case IDM_SAVE_DATA:
      OnSaveData();
      break;
    case IDM_SAVE_GRAPH:
      OnSaveGraph();
      break;
    case IDM_RESTORE_SERIES:
      OnRestoreSeries();
      break;
    default:
      Dialog::OnSysCommand(id, lParam);
  }
}

const Icon* CLabDlg::OnQueryDragIcon() { return m_hIcon; }

void CLabDlg::OnTimer(unsigned) {
  CClientDC dc(this);
  if (!m_dragging) {
    for (int i = 0; i < 50; ++i) m_pendulum.Step();
    m_pendulum.Erase(dc, m_traceMode);
    m_pendulum.Draw(dc);
  }
  m_clock += 0.05;
  m_stopwatch.SetClock(m_clock);
  m_stopwatch.Refresh(dc);
  Default();
}

void CLabDlg::OnChangeOscillations() {
  if (UpdateData(true)) m_acceptedOscillations = m_oscillations;
}

int CLabDlg::CountForPeriod() {
  // A count that failed the range check was never accepted: the timing is
  // divided by the last accepted one, which every message then writes back
  // into the count box.
  if (m_oscillations < kMinOscillations || m_oscillations > kMaxOscillations) {
    m_oscillations = m_acceptedOscillations;
  }
  return m_oscillations;
}

void CLabDlg::ShowMessage(const std::string& text) {
  m_message = text;
  UpdateData(false);
}

void CLabDlg::RepaintSimulationBox(CDC& dc) {
  m_simBox.DrawBox(dc, true, kBoxOutline, true, kPanelBlue);
}
