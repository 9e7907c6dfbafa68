#include "app/teacher_command.h"

#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "experiment/string_code.h"
#include "platform/data_exchange.h"
#include "report/class_list.h"
#include "report/class_marking.h"
#include "report/saved_data.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace {

// A student's file as the marking reads it: unreadable when it cannot be
// opened or is larger than any data file of the lab (so a wrong argument
// such as a film is not read whole into memory).
StudentFile ReadStudentFile(const char* path) {
  StudentFile file;
  file.name = path;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    file.readable = false;
    return file;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0 || static_cast<std::size_t>(size) > kSavedDataMaxBytes) {
    file.bytes = std::string(kSavedDataMaxBytes + 1, '\0');  // too large: not the lab's
    return file;
  }
  file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  file.readable = !in.bad();
  return file;
}

}  // namespace

TeacherCommand RunTeacherCommand(int argc, const char* const* argv) {
  TeacherCommand command;
  if (argc < 2 || std::string_view(argv[1]) != kTeacherOption) return command;
  command.asked = true;
  int count = 0;
  if (argc >= 5 && std::string_view(argv[3]) == kMarkOption) {
    std::vector<StudentFile> files;
    for (int i = 4; i < argc; ++i) files.push_back(ReadStudentFile(argv[i]));
    const ReportGrid marks = MarkClass(argv[2], files);
    if (!marks.empty()) command.out = ReportAsCsv(marks);
  } else if (argc == 4 && ParseInteger(argv[3], count) && count >= 1 &&
             count <= string_code::kMaxClassSize) {
    command.out = ClassListCsv(argv[2], count);
  }
  if (command.out.empty()) {  // a wrong count, a blank word, more arguments
    command.status = 2;
    command.err = TextOf(TextId::TeacherUsage);
  }
  return command;
}

}  // namespace lab
