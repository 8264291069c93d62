#include "reports/RejectedQsoLog.h"
#include "tests/unit/support/TestWorkspace.h"

using namespace RejectedQsoLog;

class RejectedQsoLogTest : public TestWorkspace {
protected:
    const CString log = "bad.txt";
    Backlog backlog;

    static RejectedQsoLine Line(const char* call, const char* time, const char* reason)
    {
        RejectedQsoLine line;
        line.frequencyKhz = 3580;
        line.mode = "RTTY";
        line.time = time;
        line.ownCall = "N0CALL";
        line.sentRst = "599";
        line.sentExchange = "001";
        line.call = call;
        line.receivedRst = "599";
        line.receivedExchange = "005";
        line.reason = reason;
        return line;
    }
};

TEST_F(RejectedQsoLogTest, LineFieldsAreSeparatedByTwoBlanks)
{
    EXPECT_EQ("QSO:  3580  RTTY  2018-01-20 1405  N0CALL  599  001  DL1ABC  599  005   WRONG BAND !!!",
        Line("DL1ABC", "2018-01-20 1405", kWrongBand).Text());
}

TEST_F(RejectedQsoLogTest, CreateStartsWithTheHeaderOnly)
{
    WriteFile("bad.txt", "old content\r\n");
    Create(log, backlog);
    EXPECT_EQ("BARTG SPRINT RTTY TEST UBN file \r\n", ReadFile("bad.txt"));
}

TEST_F(RejectedQsoLogTest, CountsOnlyRejectionsNotDupesNorCallsThatLookLikeMarkers)
{
    Create(log, backlog);
    Append(log, Line("DL1ABC", "2018-01-20 1405", kWrongBand), backlog);
    Append(log, Line("R3UBN", "2018-01-20 1406", kWrongMode), backlog);
    Append(log, Line("DUPE1", "2018-01-20 1407", kNoRxNumber), backlog);
    Append(log, Line("DL1ABC", "2018-01-20 1408", kDupe), backlog);
    EXPECT_EQ(3, CountRejected(log, backlog));
    EXPECT_EQ(0, CountRejected("missing.txt", backlog));
}

TEST_F(RejectedQsoLogTest, RemovingAQsoKeepsOtherCallsAndOtherTimes)
{
    Create(log, backlog);
    Append(log, Line("DL1ABC", "2018-01-20 1405", kWrongBand), backlog);
    Append(log, Line("DL1ABCD", "2018-01-20 1405", kWrongBand), backlog); // longer call, same minute
    Append(log, Line("DL1ABC", "2018-01-21 1405", kWrongBand), backlog);  // same minute, next day
    Append(log, Line("DL1ABC", "2018-01-20 1405", kDupe), backlog);
    RemoveQsoLines(log, "DL1ABC", "2018-01-20 1405", backlog);
    EXPECT_EQ(std::string("BARTG SPRINT RTTY TEST UBN file \r\n")
            + Line("DL1ABCD", "2018-01-20 1405", kWrongBand).Text() + "\r\n"
            + Line("DL1ABC", "2018-01-21 1405", kWrongBand).Text() + "\r\n",
        ReadFile("bad.txt"));
}

TEST_F(RejectedQsoLogTest, RewriteRestoresALostHeader)
{
    WriteFile("bad.txt", "garbage first line\r\n" + Line("K1AA", "2018-01-20 1405", kWrongMode).Text() + "\r\n");
    RemoveQsoLines(log, "W1XYZ", "2018-01-20 1405", backlog);
    EXPECT_EQ("BARTG SPRINT RTTY TEST UBN file \r\n" + Line("K1AA", "2018-01-20 1405", kWrongMode).Text() + "\r\n",
        ReadFile("bad.txt"));
}

TEST_F(RejectedQsoLogTest, NothingIsWrittenWithoutAFileName)
{
    Create("", backlog);
    Append("", Line("DL1ABC", "2018-01-20 1405", kWrongBand), backlog);
    RemoveQsoLines("", "DL1ABC", "2018-01-20 1405", backlog);
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::current_path() / "Plugins"));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()));
}
