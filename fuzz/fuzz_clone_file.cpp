#include "channels/command_keys.h"
#include "core/clone_file.h"
#include "core/command_text.h"
#include "core/memory_map.h"
#include "core/rig/rig_core.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// Any file content: the load answers a word, and a failed load leaves the image exactly as it was.
// The rig's "FILE.LOAD." answers the same word; after a successful one the heal that follows gives
// an image that a second heal leaves unchanged.
namespace {

// The input lives in a memory file, opened by its /proc name: nothing is left in the file system,
// not even when a run ends in a crash.
struct SInputFile
{
    SInputFile() : fd(::memfd_create("zqfuzz-file", MFD_CLOEXEC)), path("/proc/self/fd/" + std::to_string(fd))
    {
        if (fd < 0) {
            std::abort();
        }
    }

    void Replace(const uint8_t* data, size_t size) const
    {
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
            std::abort();
        }
    }

    int fd;
    std::string path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const SInputFile file;
    static CRigCore rig;
    file.Replace(data, size);

    CMemoryImage image(memory_map::kImageSize);
    image.Fill(0, 0x5A, image.GetSize());
    const CMemoryImage before = image;
    const std::string result = LoadCloneFile(file.path, image);
    if (image.GetSize() != memory_map::kImageSize || (result != answer::kOk && image.IsDifferent(before))) {
        std::abort();
    }

    const CMemoryImage working = rig.WorkingImage();
    if (rig.Execute(keys::Path(keys::kFile, keys::kLoad) + ".\"" + file.path + "\"") != result) {
        std::abort();
    }
    if (result != answer::kOk) {
        if (rig.WorkingImage().IsDifferent(working)) {
            std::abort();
        }
        return 0;
    }
    rig.Execute(keys::kHeal);
    const CMemoryImage healed = rig.WorkingImage();
    rig.Execute(keys::kHeal);
    if (rig.WorkingImage().IsDifferent(healed)) {
        std::abort();
    }
    return 0;
}
