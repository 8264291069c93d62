#include <sys/stat.h>

#include "platform/TextFiles.h"
#include "tests/unit/support/TestWorkspace.h"

class TextFilesTest : public TestWorkspace { };

TEST_F(TextFilesTest, WholeFileLinesAreTheLinesTheReaderReads)
{
    const std::string contents[] = {"", "\n", "\n\n", "a", "a\r\n", "a\r\n\r\nb", "\r", "a\rb\n", "a\r\r\n",
        std::string("x\0y\r\n\0", 6), "last line\r\nno end"};
    for (const std::string& content : contents) {
        WriteFile("lines.txt", content);
        std::vector<CString> read;
        LineReader reader("lines.txt");
        for (CString line; reader.ReadLine(line);)
            read.push_back(line);
        EXPECT_EQ(read, ReadAllLines("lines.txt").value()) << content;
    }
    EXPECT_FALSE(ReadAllLines("missing.txt"));
}

TEST_F(TextFilesTest, FileThatHoldsTheContentAlreadyIsNotReplaced)
{
    auto inode = [](const char* name) {
        struct stat status { };
        stat(name, &status);
        return status.st_ino;
    };
    WriteFile("kept.txt", "same\r\n");
    const auto before = inode("kept.txt");
    EXPECT_TRUE(ReplaceFileContent("kept.txt", "same\r\n"));
    EXPECT_EQ(before, inode("kept.txt"));
    EXPECT_TRUE(ReplaceFileContent("kept.txt", "other\r\n"));
    EXPECT_EQ("other\r\n", ReadFile("kept.txt"));
}
