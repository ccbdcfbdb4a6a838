#pragma once

#include "core/memory_image.h"
#include "core/memory_map.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The clone data file (*.vlk): a header line of model code and revision ("21350001"), a "#" comment
// line, then one clone record per line, every line ending in CR LF.

struct SAddressRange
{
    uint32_t first;
    uint32_t last;
};

inline constexpr std::string_view kCloneFileLineEnd = "\r\n";
// Starts a comment line; the header is followed by one.
inline constexpr char kCloneFileCommentMark = '#';

// The header line: the model code and the revision as the transceiver sends them, four hex digits
// each ("21350001").
std::string CloneFileHeader(uint16_t modelCode, uint16_t revision);

// The whole image.
std::span<const SAddressRange> NormalSaveRanges();
// Everything but the byte the transceiver keeps for itself (memory_map::kKeptByte).
std::span<const SAddressRange> SafetySaveRanges();

// Writes the records of the ranges, cut at 16-byte boundaries. The previous file at the path is
// replaced only once the new one is completely on disk. Answers "OK", "CANNOT_OPEN_FILE" or "ERROR".
std::string SaveCloneFile(const std::string& path, std::span<const SAddressRange> ranges,
                          const CMemoryImage& image, std::string_view comment,
                          uint16_t modelCode = memory_map::kModelCode,
                          uint16_t revision = memory_map::kModelRevision);

// Replaces the file at `path` with `text` as SaveCloneFile does: written beside it and renamed over
// it once complete on disk, keeping an existing file's mode and owner, following symbolic links but
// never one in a shared sticky folder (such as /tmp) that belongs to another user. Answers "OK",
// "CANNOT_OPEN_FILE" or "ERROR".
std::string ReplaceFile(const std::string& path, std::string_view text);

// Loads every record into the image and checks that all of its bytes were covered. Answers "OK" or
// the first failure word; on failure the image is left exactly as it was.
std::string LoadCloneFile(const std::string& path, CMemoryImage& image,
                          uint16_t modelCode = memory_map::kModelCode,
                          uint16_t revision = memory_map::kModelRevision);

// The same for a file that needs to supply only the `required` ranges (a file saved with the safety
// ranges, say); the bytes outside them keep what the image held.
std::string LoadCloneFileCovering(const std::string& path, CMemoryImage& image,
                                  std::span<const SAddressRange> required,
                                  uint16_t modelCode = memory_map::kModelCode,
                                  uint16_t revision = memory_map::kModelRevision);
