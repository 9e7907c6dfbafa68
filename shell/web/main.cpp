// The lab's program in a web page. The page calls lab_run once its script
// is ready and again whenever the program has ended, so that a student who
// ends it finds the title picture again, not a dead page. The other exports
// are small questions the page asks between events.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/lab_app.h"
#include "app/language_choice.h"
#include "app/running_lab.h"
#include "experiment/string_code.h"
#include "platform/focus_ring.h"
#include "platform/resources.h"
#include "report/class_list.h"
#include "res/lab_resources.h"
#include "res/resource_ids.h"
#include "res/texts/text_catalogue.h"
#include "shell/web/page_calls.h"
#include "shell/web/page_copy.h"
#include "shell/web/web_host.h"

namespace lab {

extern "C" {

// Runs the program until it ends (the page waits on it asynchronously).
EMSCRIPTEN_KEEPALIVE int lab_run() {
  InstallResources(LabResources());
  WebHost& host = PageHost();
  if (const DialogTemplate* main = FindDialogTemplate(IDD_MAIN)) {
    host.SetApplicationName(std::string(main->caption));
  }
  SetWindowHost(&host);
  return RunLabApplication();
}

// The string code of the page's address (trelko.html#codi=CODE) for the
// next run; "" for none.
EMSCRIPTEN_KEEPALIVE void lab_set_linked_code(const char* code) {
  SetLinkedStringCode(code != nullptr ? code : "");
}

// The language the page starts in: `code` from its address when there is
// one (then kept), else the kept one, else Catalan. An unknown code changes
// nothing and the lab's message line says so; 0 then.
EMSCRIPTEN_KEEPALIVE int lab_start_language(const char* code) {
  SetWindowHost(&PageHost());
  const std::string given = code != nullptr ? code : "";
  SetStartMessage("");
  if (StartLanguage(given)) return 1;
  SetStartMessage(UnknownLanguageMessage(given));
  StartLanguage("");
  return 0;
}

// The current language's code.
EMSCRIPTEN_KEEPALIVE const char* lab_language() {
  static std::string code;
  code = std::string(CurrentLanguage());
  return code.c_str();
}

// The number of points in the table (the page asks before it is left).
EMSCRIPTEN_KEEPALIVE int lab_point_count() { return LabPointCount(PageHost().OutermostDialog()); }

// Where Tab (backwards: Shift+Tab) takes the focus in the window at `level`
// from a stop of its ring (page_focus: kind * kKindUnit + id); the stop in
// the same form, 0 when the window has none.
EMSCRIPTEN_KEEPALIVE int lab_next_focus_stop(int level, int kind, int id, int backwards) {
  const Dialog* window = PageHost().DialogAt(level);
  if (window == nullptr) return 0;
  const FocusStop next =
      NextFocusStop(*window, FocusStop{static_cast<FocusStop::Kind>(kind), id}, backwards != 0);
  return static_cast<int>(next.kind) * page_focus::kKindUnit + next.id;
}

// Whether a focused instrument takes a key (platform/focus_ring.h).
EMSCRIPTEN_KEEPALIVE int lab_instrument_takes_key(int key, unsigned modifiers, int repeat) {
  return InstrumentTakesKey(key, modifiers, repeat != 0) ? 1 : 0;
}

// The teacher's sheet (teacher_sheet.js) asks the core, so that the page and
// the desktop's --professorat agree to the bit. The CSV of a class's codes
// (report/class_list.h; "" for a blank word or a count outside 1..60), made
// with malloc.
EMSCRIPTEN_KEEPALIVE char* lab_class_csv(const char* word, int count) {
  return CopyForPage(word != nullptr ? ClassListCsv(word, count) : std::string());
}

// A typed code: the code in capitals when it is valid, "" when it is empty,
// else what is wrong with it (string_code::CodeProblem), after a "!".
EMSCRIPTEN_KEEPALIVE char* lab_code_read(const char* typed) {
  const string_code::ParsedCode parsed = string_code::ParseCode(typed != nullptr ? typed : "");
  const char* problem = string_code::CodeProblem(parsed.status);
  return CopyForPage(*problem != '\0' ? std::string("!") + problem : parsed.code);
}

// k of a valid code in capitals, in tenths of N/m; 0 for anything else.
EMSCRIPTEN_KEEPALIVE int lab_code_tenths(const char* code) {
  const string_code::ParsedCode parsed = string_code::ParseCode(code != nullptr ? code : "");
  return parsed.status == string_code::CodeStatus::Valid ? string_code::TenthsOfCode(parsed.code)
                                                         : 0;
}
}

}  // namespace lab
