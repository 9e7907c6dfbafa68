#include "shell/qt/classic_numbers.h"

#include <clocale>

namespace lab {

void UseClassicNumbers() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace lab
