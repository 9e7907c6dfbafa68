#include "app/lab_dlg.h"
#include "app/lab_app.h"

#include "app/title_dlg.h"
#include "experiment/graph_texts.h"
#include "physics/ball_radius.h"
#include "platform/resources.h"
#include "platform/runtime.h"
#include "res/lab_colours.h"
#include "res/texts/text_catalogue.h"

namespace lab {

CLabDlg::CLabDlg(bool reopened) : Dialog(IDD_MAIN), m_reopened(reopened) {
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
    menu->AppendItem(IDM_COPY_DATA, TextOf(TextId::CopyDataItem));
    menu->AppendItem(IDM_SAVE_DATA, TextOf(TextId::SaveDataItem));
    menu->AppendItem(IDM_SAVE_GRAPH, TextOf(TextId::SaveGraphItem));
    menu->AppendItem(IDM_RESTORE_SERIES, TextOf(TextId::RestoreSeriesItem));
    menu->AppendItem(IDM_STRING_CODE, TextOf(TextId::StringCodeItem));
    menu->AppendItem(IDM_LANGUAGE, TextOf(TextId::LanguageItem));
  }
  SetIcon(m_hIcon, true);
  SetIcon(m_hIcon, false);

  // The title picture comes first; no timer runs yet, so nothing moves.
  if (!m_reopened) {
    CTitleDlg title;
    title.DoModal();
  }

  LabSrand(static_cast<unsigned>(LabTime()));

  m_mass = physical::kStartMass;
  m_radius = BallRadiusFromMass(m_mass);
  m_k = physical::kStringK;
  m_naturalLength = physical::kNaturalLength;
  m_g = physical::kGravity;
  m_damping = physical::kDamping;

  m_message = TextOf(TextId::WelcomeMessage);
  // Like every message of the line, a start's own begins with a space.
  if (!StartMessage().empty() && !m_reopened) m_message = " " + StartMessage();
  UpdateData(false);

  m_lastPoint = -1;
  m_graphPenReady = false;
  m_startPressed = false;
  m_timingAvailable = false;

  LayOutGraph(m_graph);
  // The simulation box's frame is also set on every paint; setting it now
  // keeps a press that arrives before the first paint inside the right box.
  m_simBox.SetRect(layout::kSimulationBox.Rect());

  // The weights: 0.5 kg, 0.3 kg (on the string at start), 0.2 kg, 0.2 kg.
  static constexpr int kWeightImage[layout::kWeightCount] = {IDB_WEIGHT_05, IDB_WEIGHT_03,
                                                             IDB_WEIGHT_02, IDB_WEIGHT_02};
  const layout::HitOffsets& rack = layout::kWeightOnRackHit;
  const layout::HitOffsets& peg = layout::kEmptyPegHit;
  for (int i = 0; i < layout::kWeightCount; ++i) {
    m_weights[i].Init(layout::kWeightLeft[i], layout::kWeightTop, IDB_EMPTY_PEG, rack.left,
                      rack.top, rack.right, rack.bottom, kWeightImage[i], peg.left, peg.top,
                      peg.right, peg.bottom, physical::kWeightOnStringAtStart[i]);
  }

  SetTimer(0, physical::kTickMilliseconds);

  m_stopwatchX = layout::kStopwatchOrigin.x;
  m_stopwatchY = layout::kStopwatchOrigin.y;
  m_clock = 0.0;
  m_stopwatch.Init(m_stopwatchX, m_stopwatchY);

  m_pendulum.Setup(m_mass, m_radius, m_k, m_naturalLength, m_g, m_damping);
  m_pendulum.SetTimeStep(physical::kTimeStep);

  m_dragging = false;
  m_traceMode = true;

  // The series left by the last run, closed or not, is the previous one.
  LoadKeptSeries();
  UpdateReportMenu();
  UseLinkedStringCode();
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
  switch (id & kSysCommandMask) {
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
    case IDM_STRING_CODE:
      OnStringCode();
      break;
    case IDM_LANGUAGE:
      OnLanguage();
      break;
    default:
      Dialog::OnSysCommand(id, lParam);
  }
}

const Icon* CLabDlg::OnQueryDragIcon() { return m_hIcon; }

void CLabDlg::OnTimer(unsigned) {
  CClientDC dc(this);
  if (!m_dragging) {
    for (int i = 0; i < physical::kStepsPerTick; ++i) m_pendulum.Step();
    m_pendulum.Erase(dc, m_traceMode);
    DrawBall(dc);
  }
  m_clock += physical::kTickSeconds;
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

void CLabDlg::DrawBall(CDC& dc) {
  m_pendulum.ApplyWalls();
  m_pendulum.Draw(dc);
}

void CLabDlg::RepaintSimulationBox(CDC& dc) {
  m_simBox.DrawBox(dc, true, kBoxOutline, true, kPanelBlue);
}

}  // namespace lab
