#include "core/command_text.h"
#include "core/radio_data.h"
#include "core/rig_core.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Arbitrary command sequences, one per line: the image always stays 2816 bytes, and after any
// sequence a HEAL gives an image that a second HEAL leaves unchanged. File commands are left out so
// the fuzzer never writes to arbitrary paths.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CL52RadioData radio;
    radio.Initialize();
    std::string_view input(reinterpret_cast<const char*>(data), size);
    int commands = 0;
    while (!input.empty() && commands < 64) {
        const size_t end = input.find('\n');
        const std::string_view command = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
        if (EqualsNoCase(TextToken(command, ".", 0), "FILE")) {
            continue;
        }
        radio.Execute(command);
        ++commands;
    }
    if (radio.Rig().WorkingImage().GetSize() != CMemoryImage::kTransceiverSize) {
        std::abort();
    }
    radio.Execute("HEAL");
    const std::string once = radio.Execute("IMAGE");
    radio.Execute("HEAL");
    if (radio.Execute("IMAGE") != once) {
        std::abort();
    }
    return 0;
}
