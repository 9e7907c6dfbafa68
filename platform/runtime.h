// Run-time bits of the classic C library, with its ranges.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace lab {

constexpr int RAND_MAX_CLASSIC = 32767;

// Seeds the generator; rand yields 0 .. 32767 whatever the C library's range.
void LabSrand(unsigned seed);
int LabRand();

// Calendar time in seconds.
std::time_t LabTime();

// Elapsed milliseconds (1000 ticks a second of wall time) from the window
// host's clock.
long LabClock();
constexpr long CLOCKS_PER_SEC_CLASSIC = 1000;

// Formats like printf into a std::string, always with the C library's
// classic rules: a decimal point, no grouping, whatever the process's locale
// (a toolkit may adopt the user's one, a comma on a Catalan desktop). Every
// number the lab shows goes through here.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Reads a number as strtod does, with the same classic rules as Format:
// where the reading stopped goes to *end. An overflow reads as an infinity;
// an underflow as zero or the nearest subnormal.
double ReadNumber(const char* text, char** end);

}  // namespace lab
