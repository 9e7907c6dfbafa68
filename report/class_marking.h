// A class marked at once: the students' saved data files checked against
// the class word's list of codes, one row a file.
//
// Each file's k is computed again from its own points (the lab's fit), not
// read from its k row, and set beside the k of the string of its code. The
// flags a teacher needs come in the last column: a file that is not the
// lab's, fewer than three points, a line that gives no k, a code missing
// or not of this word's list, a k row that disagrees with the points (an
// edited file), the same points as another file (a copied one; both are
// flagged). A code outside the list never shows its string's k; a file
// without a code is set beside the lab's own string.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/report_table.h"

namespace lab {

struct StudentFile {
  std::string name;   // as the teacher knows it: the file's name
  std::string bytes;  // its content; unreadable files have none
  bool readable = true;
};

// The table: a header row (file, code, k of the points, k of the string,
// deviation in percent, points, remarks), then one row per file in the
// order given. Numbers have the report's conventions (ReportNumber). Empty
// for an empty class word.
ReportGrid MarkClass(std::string_view word, const std::vector<StudentFile>& files);

}  // namespace lab
