#include "channels/command_keys.h"
#include "core/channel_id.h"
#include "core/command_text.h"
#include "core/memory_map.h"
#include "core/rig/rig_core.h"

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
const std::string kModelCommands[] = {keys::Path(keys::Model(keys::kCountry), keys::kByNumber),
                                      keys::Model(keys::kExpand), keys::Model(keys::kMatrix50)};

std::string Assignment(std::string_view key, std::string_view value)
{
    std::string command(key);
    command += '=';
    command += value;
    return command;
}

struct SNewDocument
{
    SNewDocument()
    {
        rig.Execute(keys::kInitialize);
        rig.Execute(Assignment(keys::kEditFlag, answer::kOff));
        for (const std::string& command : kModelCommands) {
            model.push_back(Assignment(command, rig.Execute(command)));
        }
        image = rig.WorkingImage();
        imageCommand = Assignment(keys::kImage, rig.Execute(keys::kImage));
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
        rig.Execute(Assignment(keys::kEditFlag, answer::kOn));
        rig.Execute(CChannelId(CChannelId::kMch, 0).Path() + std::string(keys::kCopy));
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
        if (EqualsNoCase(TextToken(command, ".", 0), keys::kFile)) {
            continue;
        }
        rig.Execute(command);
        ++commands;
    }
    if (rig.WorkingImage().GetSize() != memory_map::kImageSize) {
        std::abort();
    }
    rig.Execute(keys::kHeal);
    const CMemoryImage once = rig.WorkingImage();
    rig.Execute(keys::kHeal);
    if (rig.WorkingImage().IsDifferent(once)) {
        std::abort();
    }
    return 0;
}
