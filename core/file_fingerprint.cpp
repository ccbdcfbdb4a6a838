#include "core/file_fingerprint.h"

#include <array>
#include <fstream>

namespace {

// FNV-1a, 64 bits: enough to tell one version of a small file from another.
constexpr uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr uint64_t kFnvPrime = 1099511628211ULL;
constexpr std::streamsize kChunk = 4096;

} // namespace

SFileFingerprint FingerprintFile(const std::string& path)
{
    SFileFingerprint fingerprint;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return fingerprint;
    }
    fingerprint.hash = kFnvOffset;
    std::array<char, kChunk> buffer{};
    while (file) {
        file.read(buffer.data(), kChunk);
        const std::streamsize count = file.gcount();
        for (std::streamsize i = 0; i < count; ++i) {
            fingerprint.hash ^= static_cast<unsigned char>(buffer[static_cast<size_t>(i)]);
            fingerprint.hash *= kFnvPrime;
        }
        fingerprint.size += static_cast<uint64_t>(count);
    }
    if (file.bad()) {
        return SFileFingerprint{};
    }
    fingerprint.exists = true;
    return fingerprint;
}
