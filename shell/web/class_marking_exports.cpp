// The teacher's sheet marks a class with the core (report/class_marking.h),
// so the page and the desktop's "trelko --professorat WORD --corregeix"
// give the same table. The sheet hands the students' files over one by one
// (lab_mark_add), then asks for the table.
#include <emscripten.h>

#include <string>
#include <vector>

#include "report/class_marking.h"
#include "shell/web/page_copy.h"

namespace lab {

namespace {
std::vector<StudentFile>& Files() {
  static std::vector<StudentFile> files;
  return files;
}

}  // namespace

extern "C" {

// Forgets the files handed over.
EMSCRIPTEN_KEEPALIVE void lab_mark_clear() { Files().clear(); }

// Hands over one file: its name and `size` bytes of content.
EMSCRIPTEN_KEEPALIVE void lab_mark_add(const char* name, const char* bytes, int size) {
  StudentFile file;
  file.name = name != nullptr ? name : "";
  if (bytes != nullptr && size > 0) file.bytes.assign(bytes, static_cast<std::size_t>(size));
  Files().push_back(std::move(file));
}

// The class marked, made with malloc: as CSV (csv 1) for the download, or
// as tab-separated rows for the sheet's table; "" for a blank word.
EMSCRIPTEN_KEEPALIVE char* lab_mark_table(const char* word, int csv) {
  const ReportGrid grid = MarkClass(word != nullptr ? word : "", Files());
  if (grid.empty()) return CopyForPage("");
  return CopyForPage(csv != 0 ? ReportAsCsv(grid) : ReportAsTabText(grid));
}
}

}  // namespace lab
