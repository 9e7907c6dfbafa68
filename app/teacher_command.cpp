#include "app/teacher_command.h"

#include <string_view>

#include "experiment/string_code.h"
#include "platform/data_exchange.h"
#include "report/class_list.h"
#include "res/texts/text_catalogue.h"

namespace lab {

TeacherCommand RunTeacherCommand(int argc, const char* const* argv) {
  TeacherCommand command;
  if (argc < 2 || std::string_view(argv[1]) != kTeacherOption) return command;
  command.asked = true;
  int count = 0;
  if (argc == 4 && ParseInteger(argv[3], count) && count >= 1 &&
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
