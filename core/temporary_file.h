#pragma once

#include <string>
#include <string_view>

// Creates a new, empty file named the prefix and six random characters in the temporary folder
// ($TMPDIR when set, else /tmp), readable and writable by the user alone. Answers its path, or an
// empty text when no such file can be made. Removing it is the caller's business.
std::string MakeTemporaryFile(std::string_view prefix);

// A template for mkstemp() of a temporary file beside `target`, in its folder, to be renamed over it:
// the target's name followed by "." and six characters to replace. A name too long for that is cut, so
// the temporary name stays within the file system's limit of a name.
std::string TemporaryNameBeside(const std::string& target);
