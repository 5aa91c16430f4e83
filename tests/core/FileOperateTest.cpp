// File operations: the bytes each write puts on disk, and what a read
// drops. (A place that cannot be written or read, and a character GBK
// cannot hold, are tested where the user meets them: the generation run
// and the command line's script output.)
#include "TestSupport.h"
#include "vocabulary/FileOperate.h"

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
  EXPECT_EQ(ReadFile(At("out/Model/Model.csproj")), "\xEF\xBB\xBF/*\xE5\x9B\xBE\xE4\xB9\xA6*/\r\n");
}

TEST_F(FileOperateTest, ReadDropsTheFirstThreeBytesWhateverTheyAre) {
  WriteFile(At("with.csproj"), "\xEF\xBB\xBF<Project>$CompileString</Project>");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("with.csproj")), "<Project>$CompileString</Project>");
  WriteFile(At("without.csproj"), "<Project>");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("without.csproj")), "oject>");
  WriteFile(At("short"), "ab");
  EXPECT_EQ(TFileOperate::ReadUtf8File(At("short")), "");
}

}  // namespace
