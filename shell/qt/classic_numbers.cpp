#include "shell/qt/classic_numbers.h"

#include <clocale>

void UseClassicNumbers() { std::setlocale(LC_NUMERIC, "C"); }
