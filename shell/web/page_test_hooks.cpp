// The calls that only the page's test build (trelko_test.html) exports:
// the browser tests read the model and put a table in place, and the page's
// benchmark times a tick or a paint alone. The page students open has none
// of them.
#include <emscripten.h>

#include <cstddef>
#include <span>

#include "app/running_lab.h"
#include "shell/web/web_host.h"

namespace lab {

extern "C" {

// The lab's own clock in seconds (what the ticks have advanced it by).
EMSCRIPTEN_KEEPALIVE double lab_model_clock() {
  return LabModelClock(PageHost().OutermostDialog());
}

// The ball's place in the box, metres (which: 0 across, 1 up).
EMSCRIPTEN_KEEPALIVE double lab_ball(int which) {
  const BallPlace ball = LabBallPlace(PageHost().OutermostDialog());
  return which == 0 ? ball.x : ball.y;
}

// Puts a table of points (mass kg, T^2 s^2 pairs) in place of the
// student's; the page's next paint shows it. Returns the number taken.
EMSCRIPTEN_KEEPALIVE int lab_test_set_points(const double* pairs, int count) {
  if (pairs == nullptr || count < 0) return 0;
  return ReplaceLabPoints(PageHost().OutermostDialog(),
                          std::span<const double>(pairs, static_cast<std::size_t>(count) * 2));
}

// One tick, or one full paint, of the outermost window.
EMSCRIPTEN_KEEPALIVE void lab_bench_tick() {
  if (Dialog* window = PageHost().OutermostDialog()) window->DispatchTimer(0);
}
EMSCRIPTEN_KEEPALIVE void lab_bench_paint() {
  if (Dialog* window = PageHost().OutermostDialog()) window->DispatchPaint();
}
// 0 keeps the changes off the canvas, 1 puts them there again.
EMSCRIPTEN_KEEPALIVE void lab_bench_present(int on) { PageHost().SetPresenting(on != 0); }
}

}  // namespace lab
