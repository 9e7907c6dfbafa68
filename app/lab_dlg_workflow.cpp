// The experiment's buttons: "Començar" starts a new series, "plot" accepts
// the last timing as a point of the graph.
#include <cmath>

#include "app/lab_dlg.h"
#include "experiment/graph_texts.h"
#include "platform/runtime.h"
#include "res/lab_layout.h"
#include "res/texts/text_catalogue.h"

namespace lab {

void CLabDlg::OnStart() { StartSeries(m_stringCode); }

void CLabDlg::StartSeries(const std::string& code) {
  {
    CClientDC dc(this);
    // The string's own k: the lab's, or its code's.
    const std::string measuredOn = m_stringCode;
    UseStringCode(code);
    m_pendulum.Setup(m_mass, m_radius, m_k, m_naturalLength, m_g, m_damping);
    RepaintSimulationBox(dc);
    DrawBall(dc);
    ShowMessage(TextOf(TextId::NewSeriesMessage));
    ResetGraphWorld(m_graph);
    // A table that held points is kept as the previous series, with the
    // code of the string it was measured on.
    if (m_lastPoint >= 0) {
      m_previousSeries = CurrentSeries();
      m_previousCode = measuredOn;
      m_lastPoint = -1;
      KeepSeries();
      UpdateReportMenu();
    }
    DrawGraphPanel(dc);
  }
  TellKeepFailure();
}

void CLabDlg::OnPlot() {
  const double t = m_stopwatch.GetMeasured();
  if (t == 0.0 || !m_timingAvailable) {
    ShowMessage(TextOf(TextId::NotTimedMessage));
    return;
  }
  if (m_lastPoint >= kPointCapacity - 1) {
    ShowMessage(TextOf(TextId::TableFullMessage));
    return;
  }
  {
    CClientDC dc(this);
    const int i = m_lastPoint + 1;
    m_pointT2[i] = std::pow(t / CountForPeriod(), 2.0);
    m_pointMass[i] = m_mass;
    m_lastPoint = i;
    KeepSeries();
    UpdateReportMenu();
    ShowMessage(TextOf(TextId::PointAcceptedMessage));
    DrawGraphPanel(dc);
    GetDlgItem(IDC_PLOT).EnableWindow(false);
  }
  TellKeepFailure();
}

}  // namespace lab
