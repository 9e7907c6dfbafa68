// The kept series: the table is stored after every accepted point, so that
// a series ended by "Començar", a close or a crash can be brought back.
#include <algorithm>
#include <utility>

#include "app/lab_dlg.h"
#include "platform/runtime.h"
#include "platform/window_host.h"
#include "report/kept_series.h"
#include "res/texts/text_catalogue.h"

namespace lab {

void CLabDlg::LoadKeptSeries() {
  // A missing, unreadable or malformed text is ignored: the lab starts as it
  // always does.
  const std::optional<std::string> text = GetWindowHost().ReadState(kKeptSeriesName);
  if (!text) return;
  const std::optional<KeptSeries> kept = ReadKeptSeries(*text);
  if (!kept) return;
  // The table the last run was measuring; if it had none, the series it
  // had kept as its previous one.
  const bool current = !kept->current.Empty();
  if (m_reopened) {
    // The same window in another language: the table is the one on the
    // screen a moment ago, on its string.
    const int count = std::min(kept->current.Size(), kPointCapacity);
    for (int i = 0; i < count; ++i) {
      m_pointMass[i] = kept->current.mass[i];
      m_pointT2[i] = kept->current.t2[i];
    }
    m_lastPoint = count - 1;
    m_previousSeries = kept->previous;
    m_previousCode = kept->previousCode;
    UseStringCode(kept->currentCode);
    m_pendulum.Setup(m_mass, m_radius, m_k, m_naturalLength, m_g, m_damping);
    return;
  }
  m_previousSeries = current ? kept->current : kept->previous;
  m_previousCode = current ? kept->currentCode : kept->previousCode;
}

void CLabDlg::KeepSeries() {
  // The table on the screen is intact whatever happens here; a failure is
  // told once the handler has drawn (TellKeepFailure).
  WindowHost& host = GetWindowHost();
  const KeptSeries kept{CurrentSeries(), m_previousSeries, m_stringCode, m_previousCode};
  if (!host.WriteState(kKeptSeriesName, WriteKeptSeries(kept)) && !host.StateLocation().empty()) {
    m_keepFailed = true;
  }
}

void CLabDlg::TellKeepFailure() {
  if (!m_keepFailed || m_keepFailureTold || IsEnding()) return;
  m_keepFailureTold = true;
  // The box may uncover the window, and its repaint rewrites the fit's
  // message; the line keeps what it showed.
  const std::string message = m_message;
  MessageBox(Format(TextOf(TextId::KeepFailureMessage), GetWindowHost().StateLocation().c_str()));
  if (m_message != message && !IsEnding()) ShowMessage(message);
}

void CLabDlg::OnRestoreSeries() {
  if (m_previousSeries.Empty()) return;
  PointSeries current = CurrentSeries();
  const std::string restoredCode = m_previousCode;
  m_previousCode = m_stringCode;
  const int count = std::min(m_previousSeries.Size(), kPointCapacity);
  for (int i = 0; i < count; ++i) {
    m_pointMass[i] = m_previousSeries.mass[i];
    m_pointT2[i] = m_previousSeries.t2[i];
  }
  m_lastPoint = count - 1;
  m_previousSeries = std::move(current);
  {
    CClientDC dc(this);
    // The series comes back on the string it was measured on: its k, the
    // caption, the ball at rest on it.
    if (restoredCode != m_stringCode) {
      UseStringCode(restoredCode);
      m_pendulum.Setup(m_mass, m_radius, m_k, m_naturalLength, m_g, m_damping);
      RepaintSimulationBox(dc);
      DrawBall(dc);
    }
    KeepSeries();
    UpdateReportMenu();
    // As after the last of these points was plotted: accepted, then from
    // three points on the fit's message.
    ShowMessage(TextOf(TextId::PointAcceptedMessage));
    DrawGraphPanel(dc);
  }
  TellKeepFailure();
}

}  // namespace lab
