// File operations: the bytes each write puts on disk, what a read drops,
// and which files the resource copy keeps or replaces.
#include "TempDesign.h"
#include "TestSupport.h"
#include "vocabulary/Encoding.h"
#include "vocabulary/FileOperate.h"

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

namespace {

using FileOperateTest = TempDir;

// "图书" is CD BC CA E9 in GBK and E5 9B BE E4 B9 A6 in UTF-8.
const std::string kText = "/*图书*/\r\n";
const std::string kLonger = "a much longer first text that the second write must not leave\r\n";

TEST_F(FileOperateTest, AnsiFileIsGbkWithoutMarkAndUtf8FileHasMarkEachReplacingTheOld) {
  TFileOperate::WriteAnsiFile(At("out/Model/Book.cs"), kLonger);
  TFileOperate::WriteAnsiFile(At("out/Model/Book.cs"), kText);
  EXPECT_EQ(ReadFile(At("out/Model/Book.cs")), "/*\xCD\xBC\xCA\xE9*/\r\n");

  TFileOperate::WriteUtf8File(At("out/Model/Model.csproj"), kLonger);
  TFileOperate::WriteUtf8File(At("out/Model/Model.csproj"), kText);
  EXPECT_EQ(ReadFile(At("out/Model/Model.csproj")),
            "\xEF\xBB\xBF/*\xE5\x9B\xBE\xE4\xB9\xA6*/\r\n");
}

TEST_F(FileOperateTest, CharacterGbkCannotHoldIsAnErrorAndTheOldFileStays) {
  WriteFile(At("x/Book.cs"), "old");
  const std::string what = test::ErrorOf<TEncodingError>(
      [&] { TFileOperate::WriteAnsiFile(At("x/Book.cs"), "ok\r\n/*笑脸 \xF0\x9F\x98\x80*/\r\n"); });
  for (const std::string& named : {At("x/Book.cs").string(), std::string("\xF0\x9F\x98\x80"),
                                   std::string("U+1F600")})
    EXPECT_NE(what.find(named), std::string::npos) << what;
  EXPECT_EQ(ReadFile(At("x/Book.cs")), "old");
}

TEST_F(FileOperateTest, UnwritableOrUnreadablePlaceIsAnErrorNamingIt) {
  WriteFile(At("blocked"), "a file where a directory is wanted");
  std::string what = test::ErrorOf<TFileError>(
      [&] { TFileOperate::WriteUtf8File(At("blocked/Model/Model.csproj"), "x"); });
  EXPECT_NE(what.find(At("blocked").string()), std::string::npos) << what;
  fs::create_directories(At("dir.cs"));
  EXPECT_THROW(TFileOperate::WriteAnsiFile(At("dir.cs"), "x"), TFileError);
  what = test::ErrorOf<TFileError>([&] { TFileOperate::ReadUtf8File(At("missing.csproj")); });
  EXPECT_NE(what.find("missing.csproj"), std::string::npos) << what;
}

TEST_F(FileOperateTest, ReadDropsTheFirstThreeBytesWhateverTheyAre) {
  WriteFile(At("with.csproj"), "\xEF\xBB\xBF<Project>$CompileString</Project>");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("with.csproj")), "<Project>$CompileString</Project>");
  WriteFile(At("without.csproj"), "<Project>");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("without.csproj")), "oject>");
  WriteFile(At("short"), "ab");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("short")), "");
}

TEST_F(FileOperateTest, CopyKeepsTopLevelFilesButReplacesDeeperOnes) {
  WriteFile(At("bak/LoginFrame.sln"), "skeleton solution");
  WriteFile(At("bak/readme.txt"), "new top-level file");
  WriteFile(At("bak/DAL/DBHelp.cs"), "skeleton helper");
  WriteFile(At("bak/LoginFrame/pic/NoImage.jpg"), "picture");
  WriteFile(At("out/LoginFrame.sln"), "user's solution");
  WriteFile(At("out/DAL/DBHelp.cs"), "generated file of the same name");
  WriteFile(At("out/DAL/dalBook.cs"), "generated");

  EXPECT_TRUE(TFileOperate::CopyDirectory(At("bak"), At("out"), true));
  EXPECT_EQ(ReadFile(At("out/LoginFrame.sln")), "user's solution");
  EXPECT_EQ(ReadFile(At("out/readme.txt")), "new top-level file");
  EXPECT_EQ(ReadFile(At("out/DAL/DBHelp.cs")), "skeleton helper");
  EXPECT_EQ(ReadFile(At("out/DAL/dalBook.cs")), "generated");
  EXPECT_EQ(ReadFile(At("out/LoginFrame/pic/NoImage.jpg")), "picture");

  EXPECT_TRUE(TFileOperate::CopyDirectory(At("bak"), At("out"), false));
  EXPECT_EQ(ReadFile(At("out/LoginFrame.sln")), "skeleton solution");
}

TEST_F(FileOperateTest, CopyMakesWhatIsMissingAndFailsRatherThanCopyInPart) {
  WriteFile(At("bak/top.txt"), "t");
  fs::create_directories(At("bak/empty"));
  EXPECT_TRUE(TFileOperate::CopyDirectory(At("bak"), At("a/b/out"), true));
  EXPECT_EQ(ReadFile(At("a/b/out/top.txt")), "t");
  EXPECT_TRUE(fs::is_directory(At("a/b/out/empty")));

  EXPECT_THROW(TFileOperate::CopyDirectory(At("nowhere"), At("out"), true), TFileError);
  EXPECT_FALSE(TFileOperate::CopyDirectory(At("bak/empty"), At("out"), true));
  EXPECT_FALSE(fs::exists(At("out")));

  WriteFile(At("bak/DAL/DBHelp.cs"), "helper");
  fs::create_directories(At("in-the-way/DAL/DBHelp.cs"));  // a directory where a file goes
  EXPECT_THROW(TFileOperate::CopyDirectory(At("bak"), At("in-the-way"), true), TFileError);
}

}  // namespace
