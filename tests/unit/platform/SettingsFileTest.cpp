#include "platform/SettingsFile.h"
#include "tests/unit/support/TestWorkspace.h"

class SettingsFileTest : public TestWorkspace {
protected:
    SettingsFile settings{"Plugins\\BARTG-SPRINT.ini", "Settings"};
};

TEST_F(SettingsFileTest, MissingFileOrKeyReadsAsTheDefault)
{
    EXPECT_EQ("", settings.ReadString("Start"));
    EXPECT_EQ("dflt", settings.ReadString("Name", "dflt"));
    EXPECT_EQ(0, settings.ReadInt("setup_x"));
}

TEST_F(SettingsFileTest, FirstWriteCreatesTheFileWithItsSection)
{
    EXPECT_TRUE(settings.WriteString("Start", "1"));
    EXPECT_EQ("[Settings]\r\nStart=1\r\n", ReadFile("Plugins/BARTG-SPRINT.ini"));
    EXPECT_EQ(1, settings.ReadInt("Start"));
}

TEST_F(SettingsFileTest, RewritingAKeyKeepsEverythingElse)
{
    WriteFile("Plugins/BARTG-SPRINT.ini",
        "; operator notes\r\n[Other]\r\nStart=7\r\n\r\n[settings]\r\nNAME = Ann \r\nClub=\"X "
        "Club\"\r\n\r\n[Last]\r\nk=v\r\n");
    EXPECT_EQ("Ann", settings.ReadString("Name"));
    EXPECT_EQ("X Club", settings.ReadString("club"));
    EXPECT_TRUE(settings.WriteString("Name", "Bob"));
    EXPECT_TRUE(settings.WriteInt("Claimed", -18));
    EXPECT_EQ(
        "; operator notes\r\n[Other]\r\nStart=7\r\n\r\n[settings]\r\nName=Bob\r\nClub=\"X Club\"\r\nClaimed=-18\r\n"
        "\r\n[Last]\r\nk=v\r\n",
        ReadFile("Plugins/BARTG-SPRINT.ini"));
    EXPECT_EQ(0, settings.ReadInt("Start"));
}

TEST_F(SettingsFileTest, LongValuesAreReadBackAs99Characters)
{
    settings.WriteString("Address", std::string(120, 'a'));
    EXPECT_EQ(std::string(99, 'a'), settings.ReadString("Address"));
}

TEST_F(SettingsFileTest, LineBreaksInAValueCannotInjectKeys)
{
    settings.WriteString("Name", "Ann\r\nStart=1");
    EXPECT_EQ("Ann  Start=1", settings.ReadString("Name"));
    EXPECT_EQ("", settings.ReadString("Start"));
}

TEST_F(SettingsFileTest, MissingFolderFailsQuietly)
{
    SettingsFile nowhere("NoSuchFolder\\x.ini", "Settings");
    EXPECT_FALSE(nowhere.WriteString("Start", "1"));
    EXPECT_EQ("", nowhere.ReadString("Start"));
}

TEST(ReadNumber, FollowsTheAtoiRuleWithoutOverflow)
{
    EXPECT_EQ(-5, ReadNumber("  -5x"));
    EXPECT_EQ(12, ReadNumber("+12"));
    EXPECT_EQ(0, ReadNumber("letters"));
    EXPECT_EQ(0, ReadNumber(""));
    EXPECT_EQ(0, ReadNumber(nullptr));
    EXPECT_EQ(2147483647, ReadNumber("99999999999999999999"));
    EXPECT_EQ(-2147483647 - 1, ReadNumber("-99999999999999999999"));
}
