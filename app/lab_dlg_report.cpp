// The lab report from the window menu: the table and the fit onto the
// clipboard or into a CSV file, the graph panel into a PNG file.
#include <string>

#include "app/lab_dlg.h"
#include "platform/window_host.h"
#include "report/panel_picture.h"
#include "report/png_encoder.h"
#include "report/report_table.h"
#include "res/texts/text_catalogue.h"

namespace lab {

PointSeries CLabDlg::CurrentSeries() const {
  PointSeries series;
  for (int i = 0; i <= m_lastPoint; ++i) series.Add(m_pointMass[i], m_pointT2[i]);
  return series;
}

void CLabDlg::OnCopyData() {
  if (m_lastPoint < 0) return;
  const ReportGrid grid = BuildReport(CurrentSeries(), m_stringCode);
  GetWindowHost().SetClipboard(ReportAsTabText(grid), ReportAsHtml(grid));
}

void CLabDlg::OnSaveData() {
  if (m_lastPoint < 0) return;
  SaveReportFile(TextOf(TextId::DataFileName), TextOf(TextId::DataFileFilter),
                 ReportAsCsv(BuildReport(CurrentSeries(), m_stringCode)));
}

void CLabDlg::OnSaveGraph() {
  if (m_lastPoint < 0) return;
  // The panel as it stands on the surface now, before any dialog covers it.
  const RgbPicture picture =
      PictureOfSurface(GetSurface(), layout::kGraphPanel.Rect(), GetWindowHost().PixelScale(*this));
  SaveReportFile(TextOf(TextId::GraphFileName), TextOf(TextId::GraphFileFilter),
                 EncodePng(picture));
}

void CLabDlg::SaveReportFile(const char* defaultName, const char* filter,
                             const std::string& bytes) {
  // The save dialog or the message box may uncover the window, and its
  // repaint rewrites the fit's message; the line keeps what it showed.
  const std::string message = m_message;
  const std::string failure = GetWindowHost().SaveFile(*this, defaultName, filter, bytes);
  if (!failure.empty()) MessageBox(failure);
  if (m_message != message && !IsEnding()) ShowMessage(message);
}

void CLabDlg::UpdateReportMenu() {
  CMenu* menu = GetSystemMenu(false);
  if (menu == nullptr) return;
  const bool points = m_lastPoint >= 0;
  menu->EnableItem(IDM_COPY_DATA, points);
  menu->EnableItem(IDM_SAVE_DATA, points);
  menu->EnableItem(IDM_SAVE_GRAPH, points);
  menu->EnableItem(IDM_RESTORE_SERIES, !m_previousSeries.Empty());
}

}  // namespace lab
