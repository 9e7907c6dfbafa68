// The Qt host's side of the lab report and the kept series: the clipboard's
// two formats, the save dialog, a failed save's message box, the kept state
// in its folder, and the real window menu's greyed items.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "platform/window_host.h"
#include "res/resource_ids.h"
#include "shell/files/desktop_files.h"
#include "shell_test_support.h"

namespace lab {

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(QtHostReport, TheClipboardGetsTextAndHtml) {
  GetWindowHost().SetClipboard("Punt\tm (kg)\n1\t0,7\n",
                               "<table><tr><td>T\u00b2</td></tr></table>");
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QStringLiteral("Punt\tm (kg)\n1\t0,7\n"));
  EXPECT_TRUE(data->hasHtml());
  EXPECT_EQ(data->html(), QString::fromUtf8("<table><tr><td>T\u00b2</td></tr></table>"));
}

TEST(QtHostReport, TheStateLivesInItsFolderAndOnlyUnderPlainNames) {
  WindowHost& host = GetWindowHost();
  const std::string folder = desktop_files::StateFolder();
  EXPECT_EQ(folder, std::string(LAB_TEST_STATE_HOME) + "/trelko");
  std::filesystem::remove_all(folder);
  EXPECT_FALSE(host.ReadState("probe").has_value());
  ASSERT_TRUE(host.WriteState("probe", "trelko-series 1\n"));
  EXPECT_EQ(ReadAll(folder + "/probe"), "trelko-series 1\n");
  EXPECT_EQ(host.ReadState("probe"), std::optional<std::string>("trelko-series 1\n"));
  for (const char* name : {"", ".", "..", "../probe", "a/b"}) {
    EXPECT_FALSE(host.WriteState(name, "x")) << name;
    EXPECT_FALSE(host.ReadState(name).has_value()) << name;
  }
  // A folder under the state's name, or a huge file, is not a state.
  std::filesystem::create_directory(folder + "/a-folder");
  EXPECT_FALSE(host.ReadState("a-folder").has_value());
  std::ofstream(folder + "/huge") << std::string(2 << 20, 'x');
  EXPECT_FALSE(host.ReadState("huge").has_value());
  std::filesystem::remove_all(folder);
}

// Three points on the real window, drawn.
void SetKnownTable(DialogWindow& w) {
  CLabDlg& lab = Lab();
  const double mass[] = {0.7, 1.0, 1.2};
  const double t2[] = {1.0, 1.44, 1.69};
  for (int i = 0; i < 3; ++i) {
    lab.m_pointMass[i] = mass[i];
    lab.m_pointT2[i] = t2[i];
  }
  lab.m_lastPoint = 2;
  w.Dispatch([](Dialog& d) { d.DispatchPaint(); });
}

// The darkest grey of an item's text as the menu draws it.
int DarkestOf(const QImage& picture, const QRect& item) {
  int darkest = 255;
  for (int y = item.top(); y <= item.bottom(); ++y) {
    for (int x = item.left(); x <= item.right(); ++x)
      darkest = std::min(darkest, qGray(picture.pixel(x, y)));
  }
  return darkest;
}

// "+" an enabled item drawn black, "0" a greyed one drawn grey, "?" either
// drawn as the other.
QStringList MenuOf(DialogWindow& w) {
  QStringList items;
  WhenMenuAppears([&items](QMenu* menu) {
    const QImage picture = menu->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    for (QAction* a : menu->actions()) {
      if (a->isSeparator()) {
        items << QStringLiteral("-");
        continue;
      }
      const QRect g = menu->actionGeometry(a);
      const int darkest = DarkestOf(picture, QRect(g.topLeft() * ratio, g.size() * ratio));
      const bool drawnGrey = darkest > 96;
      items << (a->isEnabled() == !drawnGrey ? (a->isEnabled() ? "+" : "0") : "?") + a->text();
    }
    menu->close();
  });
  ClickAt(&w, QPoint(600, 440), Qt::RightButton);
  return items;
}

TEST(QtHostReport, TheRealMenuGreysItsItemsWhileTheTableIsEmpty) {
  std::filesystem::remove_all(desktop_files::StateFolder());
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Return); });
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    EXPECT_EQ(MenuOf(w), (QStringList{"-", "+Acerca de trelko.exe", "-", "0Copia les dades",
                                      QString::fromUtf8("0Desa les dades\u2026"),
                                      QString::fromUtf8("0Desa el gr\u00e0fic\u2026"),
                                      QString::fromUtf8("0Recupera la s\u00e8rie anterior"),
                                      QString::fromUtf8("+Fil amb codi\u2026"),
                                      QString::fromUtf8("+Llengua\u2026")}));
    SetKnownTable(w);
    w.Dispatch([](Dialog& d) { d.DispatchCommand(IDC_START, BN_CLICKED); });
    EXPECT_EQ(MenuOf(w), (QStringList{"-", "+Acerca de trelko.exe", "-", "0Copia les dades",
                                      QString::fromUtf8("0Desa les dades\u2026"),
                                      QString::fromUtf8("0Desa el gr\u00e0fic\u2026"),
                                      QString::fromUtf8("+Recupera la s\u00e8rie anterior"),
                                      QString::fromUtf8("+Fil amb codi\u2026"),
                                      QString::fromUtf8("+Llengua\u2026")}));
    w.Dispatch([](Dialog& d) { d.DispatchSysCommand(IDM_RESTORE_SERIES); });
    EXPECT_EQ(Lab().m_lastPoint, 2);
    EXPECT_EQ(MenuOf(w).mid(3, 3),
              (QStringList{"+Copia les dades", QString::fromUtf8("+Desa les dades\u2026"),
                           QString::fromUtf8("+Desa el gr\u00e0fic\u2026")}));
    KeyOn(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(RunLabApplication(), 0);
  std::filesystem::remove_all(desktop_files::StateFolder());
}

TEST(QtHostReport, SaveDataInTheDialogsFolderAndACancelledDialog) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("informe"));  // no ending typed
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Return); });
  WhenWindowShown(IDD_MAIN, [&](DialogWindow& w) {
    SetKnownTable(w);
    const QString message = qobject_cast<QLineEdit*>(w.Control(IDC_MESSAGE))->text();

    QString proposed;
    WhenModalAppears<QFileDialog>([&](QFileDialog* chooser) {
      proposed = chooser->selectedFiles().value(0);
      chooser->selectFile(path);
      static_cast<QDialog*>(chooser)->accept();
    });
    w.Dispatch([](Dialog& d) { d.DispatchSysCommand(IDM_SAVE_DATA); });
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(documents).exists()) documents = QDir::homePath();
    EXPECT_EQ(proposed, QDir(documents).filePath(QStringLiteral("dades-llei-de-trelko.csv")));
    const std::string csv = ReadAll((path + QStringLiteral(".csv")).toStdString());
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("Nombre de punts;3\r\n"), std::string::npos) << csv;

    // A place no one can write to, root included: the host's sentence.
    // (QtHost::SaveFile writes what its dialog chose with this call; the
    // dialog is not sent to /proc, whose files it would read for their type.)
    const std::string failure = desktop_files::WriteFileAtomically("/proc/dades.csv", csv);
    EXPECT_EQ(failure.rfind("No s'ha pogut desar el fitxer \u00ab/proc/dades.csv\u00bb: ", 0), 0u)
        << failure;
    EXPECT_NE(failure.find("\u00ab/proc\u00bb"), std::string::npos) << failure;

    // A cancelled dialog: nothing.
    WhenModalAppears<QFileDialog>([](QFileDialog* chooser) { chooser->reject(); });
    w.Dispatch([](Dialog& d) { d.DispatchSysCommand(IDM_SAVE_GRAPH); });
    EXPECT_EQ(Lab().m_lastPoint, 2);
    EXPECT_EQ(qobject_cast<QLineEdit*>(w.Control(IDC_MESSAGE))->text(), message);
    KeyOn(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(RunLabApplication(), 0);
  std::filesystem::remove_all(desktop_files::StateFolder());
}

}  // namespace

}  // namespace lab
