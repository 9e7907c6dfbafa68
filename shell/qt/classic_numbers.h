// The C library's numbers in the lab's program: always a decimal point.
//
// On Unix, Qt's application object adopts the user's locale for the C
// library (setlocale(LC_ALL, "")), so on a Catalan desktop every printf-style
// call would write "0,7" instead of "0.7". The lab's own formatting and
// parsing ignore the process's locale already (platform/runtime.h); this puts
// the numeric category back to "C" for the whole process as well, so that no
// later call anywhere, the lab's or a library's, can fall into a comma. The
// other categories (character type, messages) stay the user's.
#pragma once

namespace lab {

// Call right after the application object is made.
void UseClassicNumbers();

}  // namespace lab
