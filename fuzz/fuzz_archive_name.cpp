#include "clone/clone_archive.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Arbitrary file names found in the archive folder, and arbitrary comments made into names: a name is
// read without going outside it, and every name the archive makes is read back as what it is, with
// nothing in it that could leave the folder.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto name = ParseArchiveFileName(text)) {
        if (name->stamp.size() != 17 || name->copy < 1) {
            std::abort();
        }
    }

    std::tm when{};
    when.tm_year = 126 + static_cast<int>(size % 50);
    when.tm_mon = static_cast<int>(size % 12);
    when.tm_mday = 1 + static_cast<int>(size % 28);
    const EArchiveKind kind = size % 2 == 0 ? EArchiveKind::Read : EArchiveKind::Write;
    const std::string made = ArchiveFileName(when, kind, text);
    const auto parsed = ParseArchiveFileName(made);
    if (!parsed || parsed->kind != kind || parsed->copy != 1 || made.find('/') != std::string::npos ||
        made.find('\0') != std::string::npos) {
        std::abort();
    }
    return 0;
}
