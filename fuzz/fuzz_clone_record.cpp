#include "core/clone_record.h"
#include "core/command_text.h"
#include "core/memory_map.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// A record text from a file or the serial line: parsing never writes the image, and a record that
// parses formats back to the same text up to letter case.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemoryImage image(memory_map::kImageSize);
    CCloneRecord record;
    record.Attach(&image);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (record.Parse(text) != answer::kOk) {
        return 0;
    }
    if (!EqualsNoCase(record.Format(), text) || image.IsDifferent(CMemoryImage(memory_map::kImageSize))) {
        std::abort();
    }
    record.Store();
    return 0;
}
