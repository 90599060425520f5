#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/exception.h"
#include "platform/filestream.h"
#include "platform/text.h"
#include "support/window_fixture.h"

namespace {

namespace fs = std::filesystem;

class FileStreamTest : public WindowTest {
  protected:
    static void Put(const std::string& name, const std::string& content) {
        std::ofstream(name, std::ios::binary) << content;
    }
    static std::string Get(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    size_t FilesInDir() const {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(Dir()), fs::directory_iterator()));
    }
};

TEST_F(FileStreamTest, AReplacementTakesThePlaceOfTheFileOnlyOnCommit) {
    Put("data", "old");
    {
        TFileReplacement file("data");
        file.WriteBuffer("new content", 11);
        EXPECT_EQ(Get("data"), "old");
        file.Commit();
    }
    EXPECT_EQ(Get("data"), "new content");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(FileStreamTest, AReplacementLeftWithoutCommitLeavesNoTrace) {
    Put("data", "old");
    {
        TFileReplacement file("data");
        file.WriteBuffer("half", 4);
    }
    EXPECT_EQ(Get("data"), "old");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(FileStreamTest, AReplacementKeepsThePermissionsOfTheFile) {
    Put("data", "old");
    fs::permissions("data", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TFileReplacement file("data");
    file.WriteBuffer("new", 3);
    file.Commit();
    EXPECT_EQ(fs::status("data").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FileStreamTest, ADirectoryIsNoFile) {
    fs::create_directory("folder");
    EXPECT_FALSE(FileExists("folder"));
    EXPECT_THROW(TFileStream("folder", fmOpenRead | fmShareDenyNone), EFOpenError);

    // Nothing can be renamed over it; the temporary file goes again.
    {
        TFileReplacement file("folder");
        file.WriteBuffer("x", 1);
        EXPECT_THROW(file.Commit(), EFCreateError);
    }
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(FileStreamTest, ReadsTellWhatMovedAndTheCheckedReadThrows) {
    Put("data", "abcde");
    TFileStream file("data", fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(file.Size(), 5);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 3), 3);
    EXPECT_EQ(file.Read(buffer, 8), 2);
    try {
        file.ReadBuffer(buffer, 1);
        FAIL() << "read past the end";
    } catch (const EReadError& e) {
        EXPECT_EQ(Cp932ToUtf8(e.what()), "ﾌｧｲﾙ data を読み込めません");
    }
}

TEST_F(FileStreamTest, CreateEmptiesAnExistingFile) {
    Put("data", "old content");
    {
        TFileStream file("data", fmCreate);
        file.WriteBuffer("ab", 2);
    }
    EXPECT_EQ(Get("data"), "ab");
}

TEST_F(FileStreamTest, OpeningAMissingFileNamesIt) {
    try {
        TFileStream file("missing.dat", fmOpenRead | fmShareDenyNone);
        FAIL() << "opened";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(Cp932ToUtf8(e.what()), "ﾌｧｲﾙ missing.dat は開けません");
    }
}

} // namespace
