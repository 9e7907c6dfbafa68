// On a dense screen (QT_SCALE_FACTOR=2) the window is twice the size and
// every pixel of the lab's picture is a 2 x 2 block of the same colour. The
// test runs in its own process with the factor set (tests/shell's
// CMakeLists.txt); elsewhere it is skipped.
#include <gtest/gtest.h>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "platform/window_host.h"
#include "res/resource_ids.h"
#include "shell/qt/client_area.h"
#include "shell_test_support.h"

namespace lab {

namespace {

TEST(DenseScreen, EveryPixelIsATwoByTwoBlock) {
  const char* factor = std::getenv("QT_SCALE_FACTOR");
  if (factor == nullptr || std::strcmp(factor, "2") != 0) GTEST_SKIP() << "QT_SCALE_FACTOR=2 only";
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Return); });
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    auto* client = w.findChild<ClientArea*>();
    ASSERT_NE(client, nullptr);
    const QImage grabbed = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const Surface& surface = AfxGetApp()->m_pMainWnd->GetSurface();
    ASSERT_EQ(grabbed.size(), QSize(2 * surface.Width(), 2 * surface.Height()));
    int wrong = 0;
    for (int y = 0; y < 438; ++y) {
      for (int x = 0; x < surface.Width(); ++x) {
        const QRgb expected = surface.RawPixel(x, y);
        for (int d = 0; d < 4; ++d) {
          if (grabbed.pixel(2 * x + d % 2, 2 * y + d / 2) != expected) ++wrong;
        }
      }
    }
    EXPECT_EQ(wrong, 0);

    // The graph's picture is the panel as the screen shows it, 2 x 2 blocks.
    EXPECT_EQ(GetWindowHost().PixelScale(*AfxGetApp()->m_pMainWnd), 2);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("grafic.png"));
    WhenModalAppears<QFileDialog>([&path](QFileDialog* chooser) {
      chooser->selectFile(path);
      static_cast<QDialog*>(chooser)->accept();
    });
    auto& lab = *static_cast<CLabDlg*>(AfxGetApp()->m_pMainWnd);
    lab.m_pointMass[0] = 1.0;
    lab.m_pointT2[0] = 1.4;
    lab.m_lastPoint = 0;
    w.Dispatch([](Dialog& d) { d.DispatchPaint(); });
    w.Dispatch([](Dialog& d) { d.DispatchSysCommand(IDM_SAVE_GRAPH); });
    const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
    // Packed: far smaller than its 3 bytes a pixel.
    EXPECT_LT(QFileInfo(path).size(), saved.width() * saved.height() * 3 / 4);
    const QImage shown = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const CRect panel = layout::kGraphPanel.Rect();
    EXPECT_EQ(saved,
              shown.copy(2 * panel.left, 2 * panel.top, 2 * panel.Width(), 2 * panel.Height()));
    KeyOn(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(RunLabApplication(), 0);
}

}  // namespace

}  // namespace lab
