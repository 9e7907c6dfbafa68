// The main window's picture: a black background with framed panels for the
// simulation box, the stopwatch, the weights rack and the graph. Every paint
// redraws the whole picture, and from three points on writes the fit's
// message again. A paint moves nothing: the ball is drawn where it was last
// drawn, and only the message line is written, never the count box.
#include "app/lab_dlg.h"
#include "experiment/graph_panel.h"
#include "res/lab_colours.h"

namespace lab {

namespace {
constexpr int kSunken = 1;
constexpr int kRaised = 2;
}  // namespace

void CLabDlg::OnPaint() {
  if (IsIconic()) {
    // Minimised: only the icon, centred.
    CPaintDC dc(this);
    EraseIconBackground(dc);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    const CRect rect = GetClientRect();
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
    return;
  }

  Default();
  CClientDC dc(this);
  if (!m_graphPenReady) {
    // The graph's later pen changes put this context's default pen back.
    m_graphPenReady = true;
    m_graph.SelectPen(dc, kBlack);
  }

  m_panel.SetRect(layout::kBackground.Rect());
  m_panel.DrawBox(dc, false, 0, true, kBlack);

  m_panel.SetRect(layout::kGraphPanel.Rect());
  m_panel.DrawBox(dc, false, 0, true, kWhite);
  m_panel.DrawBevel(dc, kRaised);

  m_panel.SetRect(m_stopwatchX, m_stopwatchY, layout::kStopwatchPanel.width,
                  layout::kStopwatchPanel.height);
  m_panel.DrawBox(dc, true, kBlack, true, kPanelBlue);
  m_panel.DrawBevel(dc, kRaised);

  m_panel.SetRect(m_stopwatchX + layout::kDisplayAt.x, m_stopwatchY + layout::kDisplayAt.y,
                  layout::kDisplayWindow.width, layout::kDisplayWindow.height);
  m_panel.DrawBox(dc, false, 0, false, 0);
  m_panel.DrawBevel(dc, kSunken);

  m_stopwatch.Draw(dc);

  m_simBox.SetRect(layout::kSimulationBox.Rect());
  m_simBox.DrawBox(dc, true, kBoxOutline, true, kPanelBlue);
  m_simBox.DrawBevel(dc, kSunken);

  m_pendulum.Redraw(dc);

  m_panel.SetRect(layout::kWeightsPanel.Rect());
  m_panel.DrawBox(dc, false, 0, true, kBlack);
  m_panel.DrawBevel(dc, kRaised);

  for (CImageToggle& weight : m_weights) weight.Draw(dc);

  DrawGraphPanel(dc);
}

void CLabDlg::DrawGraphPanel(CDC& dc) {
  // From three points on, the line's slope and k (or that there is no line)
  // replace whatever the message line showed; with fewer the line keeps
  // its text.
  // Only the message line: the count box keeps whatever the student is
  // typing in it. Every other caller has just shown a message with the
  // dialog's whole data.
  const std::string message =
      FitMessage(DrawGraph(dc, m_panel, m_graph, m_pointMass, m_pointT2, m_lastPoint));
  if (message.empty()) return;
  m_message = message;
  GetDlgItem(IDC_MESSAGE).SetWindowText(m_message);
}

}  // namespace lab
