#include "core/file_fingerprint.h"
#include "core/temporary_file.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace {

void Write(const std::string& path, const std::string& contents)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
}

TEST(FileFingerprintTest, ChangesWithTheBytesOnly)
{
    const std::string path = MakeTemporaryFile("zq-fingerprint");
    ASSERT_FALSE(path.empty());
    Write(path, "21350001\r\nABCDEF\r\n");
    const SFileFingerprint recorded = FingerprintFile(path);
    EXPECT_TRUE(recorded.exists);
    EXPECT_EQ(recorded.size, 18U);

    const struct
    {
        const char* contents;
        bool same;
    } cases[] = {
        {"21350001\r\nABCDEF\r\n", true},
        {"21350001\r\nABCDEX\r\n", false},
        {"21350001\r\nABCDEF\r\n\r\n", false},
        {"", false},
    };
    for (const auto& c : cases) {
        Write(path, c.contents);
        EXPECT_EQ(FingerprintFile(path) == recorded, c.same) << c.contents;
    }
    std::remove(path.c_str());
}

TEST(FileFingerprintTest, MissingFileDoesNotExist)
{
    EXPECT_EQ(FingerprintFile("/nonexistent/zq-fingerprint"), SFileFingerprint{});
}

} // namespace
