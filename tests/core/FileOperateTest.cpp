// File operations: the bytes each write puts on disk, what a read drops,
// and which files the resource copy keeps or replaces.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "generate/Encoding.h"
#include "generate/FileOperate.h"

namespace fs = std::filesystem;

namespace {

class FileOperateTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() /
           ("corvane-files-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  fs::path At(const std::string& relative) const { return dir_ / relative; }

  static std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void Put(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

private:
  fs::path dir_;
};

// "图书" is CD BC CA E9 in GBK and E5 9B BE E4 B9 A6 in UTF-8.
const std::string kText = "/*图书*/\r\n";

TEST_F(FileOperateTest, AnsiFileIsGbkWithoutMarkAndUtf8FileHasMark) {
  TFileOperate::WriteAnsiFile(At("out/Model/Book.cs"), kText);
  EXPECT_EQ(Bytes(At("out/Model/Book.cs")), "/*\xCD\xBC\xCA\xE9*/\r\n");

  TFileOperate::WriteUtf8File(At("out/Model/Model.csproj"), kText);
  EXPECT_EQ(Bytes(At("out/Model/Model.csproj")), "\xEF\xBB\xBF/*\xE5\x9B\xBE\xE4\xB9\xA6*/\r\n");
}

TEST_F(FileOperateTest, WritingTwiceLeavesOnlyTheSecondText) {
  TFileOperate::WriteAnsiFile(At("a.cs"), "a much longer first text\r\n");
  TFileOperate::WriteAnsiFile(At("a.cs"), "second\r\n");
  EXPECT_EQ(Bytes(At("a.cs")), "second\r\n");

  TFileOperate::WriteUtf8File(At("a.csproj"), "a much longer first text\r\n");
  TFileOperate::WriteUtf8File(At("a.csproj"), "second\r\n");
  EXPECT_EQ(Bytes(At("a.csproj")), "\xEF\xBB\xBFsecond\r\n");
}

TEST_F(FileOperateTest, CharacterGbkCannotHoldIsAnErrorAndTheOldFileStays) {
  Put(At("x/Book.cs"), "old");
  try {
    TFileOperate::WriteAnsiFile(At("x/Book.cs"), "ok\r\n/*笑脸 \xF0\x9F\x98\x80*/\r\n");
    FAIL() << "no error";
  } catch (const TEncodingError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find(At("x/Book.cs").string()), std::string::npos) << what;
    EXPECT_NE(what.find("\xF0\x9F\x98\x80"), std::string::npos) << what;
    EXPECT_NE(what.find("U+1F600"), std::string::npos) << what;
  }
  EXPECT_EQ(Bytes(At("x/Book.cs")), "old");
}

TEST_F(FileOperateTest, UnwritablePlaceIsAnErrorNamingIt) {
  Put(At("blocked"), "a file where a directory is wanted");
  try {
    TFileOperate::WriteUtf8File(At("blocked/Model/Model.csproj"), "x");
    FAIL() << "no error";
  } catch (const TFileError& e) {
    EXPECT_NE(std::string(e.what()).find(At("blocked").string()), std::string::npos) << e.what();
  }
  fs::create_directories(At("dir.cs"));
  EXPECT_THROW(TFileOperate::WriteAnsiFile(At("dir.cs"), "x"), TFileError);
}

TEST_F(FileOperateTest, ReadDropsTheFirstThreeBytesWhateverTheyAre) {
  Put(At("with.csproj"), "\xEF\xBB\xBF<Project>$CompileString</Project>");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("with.csproj")), "<Project>$CompileString</Project>");
  Put(At("without.csproj"), "<Project>");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("without.csproj")), "oject>");
  Put(At("short"), "ab");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("short")), "");
  try {
    TFileOperate::ReadUtf8File(At("missing.csproj"));
    FAIL() << "no error";
  } catch (const TFileError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.csproj"), std::string::npos) << e.what();
  }
}

TEST_F(FileOperateTest, CopyKeepsTopLevelFilesButReplacesDeeperOnes) {
  Put(At("bak/LoginFrame.sln"), "skeleton solution");
  Put(At("bak/readme.txt"), "new top-level file");
  Put(At("bak/DAL/DBHelp.cs"), "skeleton helper");
  Put(At("bak/LoginFrame/pic/NoImage.jpg"), "picture");
  Put(At("out/LoginFrame.sln"), "user's solution");
  Put(At("out/DAL/DBHelp.cs"), "generated file of the same name");
  Put(At("out/DAL/dalBook.cs"), "generated");

  EXPECT_TRUE(TFileOperate::CopyDirectory(At("bak"), At("out"), true));
  EXPECT_EQ(Bytes(At("out/LoginFrame.sln")), "user's solution");
  EXPECT_EQ(Bytes(At("out/readme.txt")), "new top-level file");
  EXPECT_EQ(Bytes(At("out/DAL/DBHelp.cs")), "skeleton helper");
  EXPECT_EQ(Bytes(At("out/DAL/dalBook.cs")), "generated");
  EXPECT_EQ(Bytes(At("out/LoginFrame/pic/NoImage.jpg")), "picture");

  EXPECT_TRUE(TFileOperate::CopyDirectory(At("bak"), At("out"), false));
  EXPECT_EQ(Bytes(At("out/LoginFrame.sln")), "skeleton solution");
}

TEST_F(FileOperateTest, CopyCreatesTheDestinationAndEmptySubdirectories) {
  Put(At("bak/top.txt"), "t");
  fs::create_directories(At("bak/empty"));
  EXPECT_TRUE(TFileOperate::CopyDirectory(At("bak"), At("a/b/out"), true));
  EXPECT_EQ(Bytes(At("a/b/out/top.txt")), "t");
  EXPECT_TRUE(fs::is_directory(At("a/b/out/empty")));
}

TEST_F(FileOperateTest, CopyOfMissingSourceFailsAndOfEmptySourceCopiesNothing) {
  EXPECT_THROW(TFileOperate::CopyDirectory(At("nowhere"), At("out"), true), TFileError);
  EXPECT_FALSE(fs::exists(At("out")));
  fs::create_directories(At("empty"));
  EXPECT_FALSE(TFileOperate::CopyDirectory(At("empty"), At("out"), true));
  EXPECT_FALSE(fs::exists(At("out")));
}

TEST_F(FileOperateTest, CopyThatCannotWriteAFileIsAnError) {
  Put(At("bak/DAL/DBHelp.cs"), "helper");
  fs::create_directories(At("out/DAL/DBHelp.cs"));  // a directory in the way
  EXPECT_THROW(TFileOperate::CopyDirectory(At("bak"), At("out"), true), TFileError);
}

}  // namespace
