// Files on a desktop system, for the hosts: what the core asks for as
// "write this file" or "keep this state" becomes POSIX calls here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lab {

namespace desktop_files {

// Writes bytes to a new temporary file in the folder of `path`, flushes
// it to the disc, then renames it to `path`, so that `path` holds either
// its old content or all the new bytes, never a part. "" on success; else
// a Catalan sentence that says what failed and where, and no temporary
// file is left behind.
std::string WriteFileAtomically(std::string_view path, std::string_view bytes);

// The whole content of a regular file of at most maxBytes; nullopt when it
// is missing, unreadable, not a regular file or longer.
std::optional<std::string> ReadSmallFile(std::string_view path, std::size_t maxBytes);

// Makes a folder and the folders above it (as mkdir -p); true when it
// exists afterwards.
bool MakeFolders(std::string_view path);

// The lab's state folder: $XDG_STATE_HOME/trelko when that is an absolute
// path, else $HOME/.local/state/trelko; "" when neither can be found.
std::string StateFolder();

// The sentence for a failed system call, in Catalan ("no hi ha permís
// d'escriptura", "el disc és ple", ...).
std::string DescribeError(int error);

}  // namespace desktop_files

}  // namespace lab
