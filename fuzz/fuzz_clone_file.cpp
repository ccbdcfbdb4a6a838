#include "core/clone_file.h"
#include "core/command_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// Any file content: the load answers a word, and a failed load leaves the image exactly as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = [] {
        std::string pattern = "/tmp/zqfuzz-file-XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0) {
            ::close(fd);
        }
        return pattern;
    }();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CMemoryImage image(CMemoryImage::kTransceiverSize);
    image.Fill(0, 0x5A, image.GetSize());
    const CMemoryImage before = image;
    const std::string result = LoadCloneFile(path, image);
    if (image.GetSize() != CMemoryImage::kTransceiverSize ||
        (result != answer::kOk && image.IsDifferent(before))) {
        std::abort();
    }
    return 0;
}
