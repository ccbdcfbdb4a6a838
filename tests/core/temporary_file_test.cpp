#include "core/temporary_file.h"
#include "test_files.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace {

// Sets TMPDIR for the lifetime of the object, then restores what was there.
class CTemporaryFolderSetting
{
public:
    explicit CTemporaryFolderSetting(const std::string& folder)
    {
        if (const char* old = std::getenv("TMPDIR")) {
            m_old = old;
        }
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~CTemporaryFolderSetting()
    {
        if (m_old) {
            ::setenv("TMPDIR", m_old->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    CTemporaryFolderSetting(const CTemporaryFolderSetting&) = delete;
    CTemporaryFolderSetting& operator=(const CTemporaryFolderSetting&) = delete;

private:
    std::optional<std::string> m_old;
};

TEST(TemporaryFile, IsNewEmptyAndTheUsersAloneInTheTemporaryFolder)
{
    CTempDir folder;
    CTemporaryFolderSetting setting(folder.Path().string() + "/");
    const std::string first = MakeTemporaryFile("cl");
    const std::string second = MakeTemporaryFile("cl");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
    const std::filesystem::path path(first);
    EXPECT_EQ(path.parent_path(), folder.Path());
    EXPECT_EQ(path.filename().string().substr(0, 2), "cl");
    EXPECT_EQ(path.filename().string().size(), 8U);
    struct stat info
    {
    };
    ASSERT_EQ(::stat(first.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_size, 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);
}

TEST(TemporaryFile, MissingTemporaryFolderGivesNoFile)
{
    CTempDir folder;
    CTemporaryFolderSetting setting(folder.File("no-such-folder"));
    EXPECT_EQ(MakeTemporaryFile("cw"), "");
}

} // namespace
