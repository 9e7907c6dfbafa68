// The lab's program in a web page. The page calls lab_run once its script
// is ready and again whenever the program has ended, so that a student who
// ends it finds the title picture again, not a dead page. The other exports
// are small questions the page asks between events.
#include <emscripten.h>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "platform/resources.h"
#include "res/lab_resources.h"
#include "res/resource_ids.h"
#include "shell/web/web_host.h"

namespace {
WebHost& Host() {
  static WebHost host;
  return host;
}

CLabDlg* Lab() { return dynamic_cast<CLabDlg*>(Host().OutermostDialog()); }

}  // namespace

extern "C" {

// Runs the program until it ends (the page waits on it asynchronously).
EMSCRIPTEN_KEEPALIVE int lab_run() {
  InstallResources(LabResources());
  WebHost& host = Host();
  if (const DialogTemplate* main = FindDialogTemplate(IDD_MAIN)) {
    host.SetApplicationName(std::string(main->caption));
  }
  SetWindowHost(&host);
  return RunLabApplication();
}

// The number of points in the table (the page asks before it is left).
EMSCRIPTEN_KEEPALIVE int lab_point_count() {
  const CLabDlg* lab = Lab();
  return lab != nullptr ? lab->m_lastPoint + 1 : 0;
}

// The lab's own clock in seconds (what the ticks have advanced it by).
EMSCRIPTEN_KEEPALIVE double lab_model_clock() {
  const CLabDlg* lab = Lab();
  return lab != nullptr ? lab->m_clock : 0.0;
}

// The ball's place in the box, metres (which: 0 across, 1 up).
EMSCRIPTEN_KEEPALIVE double lab_ball(int which) {
  const CLabDlg* lab = Lab();
  if (lab == nullptr) return 0.0;
  return which == 0 ? lab->m_pendulum.m_x : lab->m_pendulum.m_y;
}

// For the browser tests: puts a table of points (mass kg, T^2 s^2 pairs)
// in place of the student's; the page's next paint shows it. Returns the
// number of points taken.
EMSCRIPTEN_KEEPALIVE int lab_test_set_points(const double* pairs, int count) {
  CLabDlg* lab = Lab();
  if (lab == nullptr || pairs == nullptr || count < 0) return 0;
  const int n = count < CLabDlg::kPointCapacity ? count : CLabDlg::kPointCapacity;
  for (int i = 0; i < n; ++i) {
    lab->m_pointMass[i] = pairs[2 * i];
    lab->m_pointT2[i] = pairs[2 * i + 1];
  }
  lab->m_lastPoint = n - 1;
  return n;
}

// For the page's benchmark: one tick, or one full paint, of the main window.
EMSCRIPTEN_KEEPALIVE void lab_bench_tick() {
  if (CLabDlg* lab = Lab()) lab->DispatchTimer(0);
}
EMSCRIPTEN_KEEPALIVE void lab_bench_paint() {
  if (CLabDlg* lab = Lab()) lab->DispatchPaint();
}
// For the page's benchmark: 0 keeps the changes off the canvas, 1 puts
// them there again.
EMSCRIPTEN_KEEPALIVE void lab_bench_present(int on) { Host().SetPresenting(on != 0); }
}
