#include "core/command_text.h"
#include "core/memory_map.h"
#include "core/rig_core.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Arbitrary command sequences, one per line: the image always stays 2816 bytes, and after any
// sequence a HEAL gives an image that a second HEAL leaves unchanged. File commands are left out so
// the fuzzer never writes to arbitrary paths.
//
// One rig serves every input: building a document per input, or even healing it back to a new
// one's image, would take most of the time. Each input starts from the same model, edit flag and
// clipboard kind, and from the new document's image unless the previous input left that unchanged.
namespace {

constexpr int kMaxCommands = 64;
constexpr std::string_view kModelCommands[] = {"MODEL.COUNTRY.ByNumber", "MODEL.EXPAND",
                                               "MODEL.MATRIX_50M_ENABLE"};

struct SNewDocument
{
    SNewDocument()
    {
        rig.Execute("INITIALIZE");
        rig.Execute("EDIT_FLAG=OFF");
        for (std::string_view command : kModelCommands) {
            model.push_back(std::string(command) + "=" + rig.Execute(command));
        }
        image = rig.WorkingImage();
        imageCommand = "IMAGE=" + rig.Execute("IMAGE");
    }

    void Restore()
    {
        // Setting the model it already has changes nothing.
        for (const std::string& command : model) {
            rig.Execute(command);
        }
        if (rig.WorkingImage().IsDifferent(image)) {
            rig.Execute(imageCommand);
        }
        rig.Execute("EDIT_FLAG=ON");
        rig.Execute("CH.MCH.0.COPY");
    }

    CRigCore rig;
    std::vector<std::string> model;
    CMemoryImage image;
    std::string imageCommand;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SNewDocument document;
    document.Restore();
    CRigCore& rig = document.rig;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    int commands = 0;
    while (!input.empty() && commands < kMaxCommands) {
        const size_t end = input.find('\n');
        const std::string_view command = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
        if (EqualsNoCase(TextToken(command, ".", 0), "FILE")) {
            continue;
        }
        rig.Execute(command);
        ++commands;
    }
    if (rig.WorkingImage().GetSize() != memory_map::kImageSize) {
        std::abort();
    }
    rig.Execute("HEAL");
    const CMemoryImage once = rig.WorkingImage();
    rig.Execute("HEAL");
    if (rig.WorkingImage().IsDifferent(once)) {
        std::abort();
    }
    return 0;
}
