// The kept series: the table is stored after every accepted point, so that
// a series ended by "Començar", a close or a crash can be brought back.
#include <algorithm>
#include <utility>

#include "app/lab_dlg.h"
#include "experiment/messages.h"
#include "platform/window_host.h"
#include "report/kept_series.h"

void CLabDlg::LoadKeptSeries() {
  // A missing, unreadable or malformed text is ignored: the lab starts as it
  // always does.
  const std::optional<std::string> text = GetWindowHost().ReadState(kKeptSeriesName);
  if (!text) return;
  const std::optional<KeptSeries> kept = ReadKeptSeries(*text);
  if (!kept) return;
  // The table the last run was measuring; if it had none, the series it
  // had kept as its previous one.
  m_previousSeries = kept->current.Empty() ? kept->previous : kept->current;
}

void CLabDlg::KeepSeries() {
  // A state that cannot be written is not the student's concern while
  // measuring; the table on the screen is intact.
  GetWindowHost().WriteState(kKeptSeriesName,
                             WriteKeptSeries(KeptSeries{CurrentSeries(), m_previousSeries}));
}

void CLabDlg::OnRestoreSeries() {
  if (m_previousSeries.Empty()) return;
  PointSeries current = CurrentSeries();
  const int count = std::min(m_previousSeries.Size(), kPointCapacity);
  for (int i = 0; i < count; ++i) {
    m_pointMass[i] = m_previousSeries.mass[i];
    m_pointT2[i] = m_previousSeries.t2[i];
  }
  m_lastPoint = count - 1;
  m_previousSeries = std::move(current);
  KeepSeries();
  UpdateReportMenu();
  // As after the last of these points was plotted: accepted, then from
  // three points on the fit's message.
  CClientDC dc(this);
  ShowMessage(kPointAcceptedMessage);
  DrawGraphPanel(dc);
}
