#include "core/memory_map.h"
#include "core/rig/radio_data.h"
#include "core/rig/rig_core.h"
#include "interchange/channel_csv.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Arbitrary text as a CSV channel list: the import never leaves the image other than 2816 bytes, and
// whatever it stored survives an export and an import onto a new document unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CL52RadioData imported;
    static CL52RadioData again;
    // A new document's image without saving its temporary file on every run.
    imported.Execute("INITIALIZE");
    again.Execute("INITIALIZE");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const channel_csv::SReport report = channel_csv::Import(imported, text);
    if (imported.Rig().WorkingImage().GetSize() != memory_map::kImageSize) {
        std::abort();
    }
    for (const channel_csv::SNote& note : report.notes) {
        if (note.text.empty() || note.line < 1) {
            std::abort();
        }
    }
    const channel_csv::SReport second = channel_csv::Import(again, channel_csv::Export(imported, true));
    if (!second.readable || second.skipped != 0 || again.Execute("IMAGE") != imported.Execute("IMAGE")) {
        std::abort();
    }
    return 0;
}
