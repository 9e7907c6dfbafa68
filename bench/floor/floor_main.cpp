// The floor program: a bare window of the lab's client size (690 x 479)
// with a precise 50 ms timer. Each tick changes one 40 x 40 square of its
// picture and asks for a repaint of that square only. It is the least any
// window with the lab's timer does, and the process benchmark compares the
// lab against it.
//
// The square stays in one place, as a display that counts does: a repaint
// over the part of the window shown at the last tick makes Qt's X11 backing
// store wait for the X server to finish reading its shared memory (one
// round trip a tick), which every animated window pays and so does the lab.
//
//   lab_floor [--side <px>] [--walk]
//     --side  the square's side, 40 unless given
//     --walk  move the square to a new place each tick (no overlap, so no
//             wait): for measuring what that wait costs
//
// When LAB_BENCH_REPORT names a file, the program writes one line to it on
// exit (a normal quit, or SIGTERM):
//   first_frame_ms=<ms from start to the first frame shown>
//   ticks=<timer ticks handled> run_ms=<ms from the first tick to exit>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace lab {

namespace {

constexpr int kClientWidth = 690;   // px
constexpr int kClientHeight = 479;  // px
constexpr int kDefaultSquare = 40;  // px
constexpr int kPeriodMs = 50;

// The clock of the whole run, started first thing in main.
QElapsedTimer g_sinceStart;

// SIGTERM: one byte down a socket pair, read in the event loop, which then
// quits cleanly (nothing else may be done in a signal handler).
int g_signalPipe[2] = {-1, -1};

void OnTerminate(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[0], &byte, 1);
}

class FloorWindow : public QWidget {
 public:
  FloorWindow(int square, bool walk)
      : m_square(square),
        m_walk(walk),
        m_picture(kClientWidth, kClientHeight, QImage::Format_RGB32) {
    setWindowTitle(QStringLiteral("Floor"));
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_picture.fill(Qt::black);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kPeriodMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
    m_timer.start();
  }

  qint64 FirstFrameMs() const { return m_firstFrameMs; }
  long long Ticks() const { return m_ticks; }
  qint64 FirstTickMs() const { return m_firstTickMs; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    for (const QRect& part : event->region()) painter.drawImage(part, m_picture, part);
    if (m_firstFrameMs < 0) m_firstFrameMs = g_sinceStart.elapsed();
  }

 private:
  void Tick() {
    if (m_ticks == 0) m_firstTickMs = g_sinceStart.elapsed();
    ++m_ticks;
    // The square's colour changes each tick, so every repaint shows new
    // pixels; walking, it moves along the rows of the window.
    const int columns = kClientWidth / m_square;
    const int rows = kClientHeight / m_square;
    const int cell = m_walk ? static_cast<int>(m_ticks % (columns * rows)) : 0;
    const QRect square((cell % columns) * m_square, (cell / columns) * m_square, m_square,
                       m_square);
    const int shade = static_cast<int>(m_ticks * 37 % 256);
    QPainter painter(&m_picture);
    painter.fillRect(square, QColor(shade, 255 - shade, 128));
    painter.end();
    update(square);
  }

  int m_square;
  bool m_walk;
  QImage m_picture;
  QTimer m_timer;
  long long m_ticks = 0;
  qint64 m_firstFrameMs = -1;
  qint64 m_firstTickMs = -1;
};

void WriteReport(const FloorWindow& window) {
  const char* path = std::getenv("LAB_BENCH_REPORT");
  if (path == nullptr || *path == '\0') return;
  std::FILE* file = std::fopen(path, "w");
  if (file == nullptr) return;
  const qint64 runMs = window.FirstTickMs() < 0 ? 0 : g_sinceStart.elapsed() - window.FirstTickMs();
  std::fprintf(file, "first_frame_ms=%lld ticks=%lld run_ms=%lld\n",
               static_cast<long long>(window.FirstFrameMs()), window.Ticks(),
               static_cast<long long>(runMs));
  std::fclose(file);
}

}  // namespace

}  // namespace lab

using namespace lab;

int main(int argc, char* argv[]) {
  g_sinceStart.start();

  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return 1;
  struct sigaction action = {};
  action.sa_handler = OnTerminate;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);

  QApplication application(argc, argv);
  QSocketNotifier terminate(g_signalPipe[1], QSocketNotifier::Read);
  QObject::connect(&terminate, &QSocketNotifier::activated, &application, [] {
    char byte = 0;
    [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[1], &byte, 1);
    QApplication::quit();
  });

  int square = kDefaultSquare;
  bool walk = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--side" && i + 1 < argc) {
      square = std::clamp(std::atoi(argv[++i]), 1, kClientHeight);
    } else if (arg == "--walk") {
      walk = true;
    }
  }
  FloorWindow window(square, walk);
  window.show();
  const int status = application.exec();
  WriteReport(window);
  return status;
}
