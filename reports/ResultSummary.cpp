#include "reports/ResultSummary.h"

namespace {

const char* const kPageHead = "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
                              "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
                              "background-color: #fffac6; color: black; }</style></head><body>";
const char* const kTitleBlock = "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
const char* const kTitleText = "   BARTG-SPRINT RTTY Contest %s-%s";
const char* const kHeadingRow =
    "<tr><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th>"
    "<th>%s</th></tr>";
const char* const kBandRow =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%s</center></td><td><center>%s</center></td><td><center>%s</center></td>"
    "<td><center>%s</center></td><td><center>%s</center></td><td><center>%s</center></td></tr>";
const char* const kTotalRow =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td><td><center>%i</center></td><td><center>%i</center></td></tr>";
const char* const kCountRow = "<tr><th><center>%s</center></th><td><center>%i</center></td><td colspan=7> </td></tr>";
const char* const kScoreRow = "<tr><th>%s</th><td colspan=8><center>%i * %i * %i = %i</center></td></tr>";
// Closes the table that the title block opens.
const char* const kPageFoot = "</table></body></html>";

} // namespace

CString FormatResultText(const ResultHeading& heading, const TallyResult& tally)
{
    CString text = CString::Formatted("\t\tBARTG-SPRINT RTTY %s-%s \r\n\t\t\tContestant: %s\r\n"
                                      "Band\tQSOs\tPoints\tDXCC\tCont\t K \tJA\tVE\tVK\tiMults\r\n",
        heading.startDayMonth.c_str(), heading.endDate.c_str(), heading.contestant.c_str());
    for (const BandTally& band : tally.bands)
        text.AppendFormat("%s\t %i\t %i\r\n", band.band.c_str(), band.qsos, band.points);
    text.AppendFormat("Total\t %i\t %i\t %i\t %i\t %i\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n"
                      "Score = %i * %i * %i = %i \r\n",
        tally.totalQsos, tally.pointsTotal, tally.dxccCount, tally.contCount, tally.AreaCount("K"),
        tally.AreaCount("JA"), tally.AreaCount("VE"), tally.AreaCount("VK"), tally.iMults, tally.dupeTotal,
        tally.badQsoCount, tally.pointsTotal, tally.iMults, tally.contCount, tally.score);
    return text;
}

CString FormatResultHtml(const ResultHeading& heading, const TallyResult& tally)
{
    const CString title = CString::Formatted(kTitleText, heading.startDayMonth.c_str(), heading.endDate.c_str());
    CString page = kPageHead;
    page.AppendFormat(kTitleBlock, title.c_str(), heading.contestant.c_str());
    page.AppendFormat(kHeadingRow, "Band", "QSOs", "Points", "DXCC", "Cont", "K", "JA", "VE", "VK");
    for (const BandTally& band : tally.bands)
        page.AppendFormat(kBandRow, band.band.c_str(), band.qsos, band.points, " ", " ", " ", " ", " ", " ");
    page.AppendFormat(kTotalRow, "Total", tally.totalQsos, tally.pointsTotal, tally.dxccCount, tally.contCount,
        tally.AreaCount("K"), tally.AreaCount("JA"), tally.AreaCount("VE"), tally.AreaCount("VK"));
    page.AppendFormat(kCountRow, "Dupe", tally.dupeTotal);
    page.AppendFormat(kCountRow, "Bad QSO", tally.badQsoCount);
    page.AppendFormat(kScoreRow, "Score:", tally.pointsTotal, tally.iMults, tally.contCount, tally.score);
    return page + kPageFoot;
}
