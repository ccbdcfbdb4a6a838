#pragma once

#include <cstdint>
#include <string>

// What a file held when the program last opened or saved it, to tell whether another program has changed
// it since: its size and a hash of its bytes. A file written again with the same bytes counts as unchanged.
struct SFileFingerprint
{
    // False for a file that is gone or cannot be read.
    bool exists = false;
    uint64_t size = 0;
    uint64_t hash = 0;

    bool operator==(const SFileFingerprint&) const = default;
};

// The file's fingerprint now.
SFileFingerprint FingerprintFile(const std::string& path);
