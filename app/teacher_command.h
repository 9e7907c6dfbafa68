// The teacher's commands: trelko --professorat WORD N writes the CSV of N
// codes for the class word (report/class_list.h); trelko --professorat WORD
// --corregeix FILES... writes the class marked from the students' saved
// data files (report/class_marking.h). Both end before any window is
// needed.
#pragma once

#include <string>

namespace lab {

struct TeacherCommand {
  bool asked = false;  // the first argument is --professorat
  int status = 0;      // the program's exit status: 0, or 2 for bad arguments
  std::string out;     // for standard output: the CSV
  std::string err;     // for standard error: the usage line
};

inline constexpr const char* kTeacherOption = "--professorat";
inline constexpr const char* kMarkOption = "--corregeix";

TeacherCommand RunTeacherCommand(int argc, const char* const* argv);

}  // namespace lab
