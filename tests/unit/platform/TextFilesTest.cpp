#include <sys/stat.h>

#include "platform/TextFiles.h"
#include "tests/unit/support/TestWorkspace.h"

class TextFilesTest : public TestWorkspace { };

TEST_F(TextFilesTest, LinesEndAtLfWithoutTheCrBeforeIt)
{
    const std::pair<std::string, std::vector<CString>> cases[] = {{"", {}}, {"\n", {""}}, {"\n\n", {"", ""}},
        {"a", {"a"}}, {"a\r\n", {"a"}}, {"a\r\n\r\nb", {"a", "", "b"}}, {"\r", {""}}, {"a\rb\n", {"a\rb"}},
        {"a\r\r\n", {"a\r"}}, {std::string("x\0y\r\n\0", 6), {CString("x\0y", 3), CString("\0", 1)}},
        {"last line\r\nno end", {"last line", "no end"}}};
    for (const auto& [content, lines] : cases) {
        WriteFile("lines.txt", content);
        EXPECT_EQ(lines, ReadAllLines("lines.txt").value()) << content;
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
