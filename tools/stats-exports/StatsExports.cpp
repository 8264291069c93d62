#include "tools/stats-exports/StatsExports.h"

namespace {

// The host's date-time object, or null when there is none.
COleDateTime* PointerTo(std::optional<COleDateTime>& date) { return date ? &*date : nullptr; }

template <class QsoExport>
int CallWithQso(QsoExport qsoExport, const LoggedQso& qso)
{
    std::optional<COleDateTime> time = qso.time;
    COleDateTime unread(1999, 9, 9, 9, 9, 0);
    return qsoExport(qso.ownCall, qso.call, PointerTo(time), &unread, &unread, &unread, 7u, qso.frequencyHz, qso.mode,
        qso.sentRst, qso.receivedRst, qso.sentExchange, qso.receivedExchange, "14", "15", "16", "17", "18", "19", "20",
        "21", qso.callPrefix, qso.dxccPrefix, 24, 25, 26, 27.0, 28.0, "29", "30", qso.continent, qso.band, "33");
}

} // namespace

int StatsExports::AddData(const LoggedQso& qso) const { return CallWithQso(AddData0, qso); }

int StatsExports::RemoveData(const LoggedQso& qso) const { return CallWithQso(RemoveData0, qso); }

int StatsExports::ResetStats(const ContestStart& start) const
{
    std::optional<COleDateTime> contestStart = start.start, contestEnd = start.end;
    return ResetStats0(start.hostFolder, start.cabrilloMode, start.contestant, PointerTo(contestStart),
        PointerTo(contestEnd), "6", "7", "8", "9", "10", "11", "12", "13", "14", start.ownDxccPrefix, 16, 17, 18, 19.0,
        20.0, "21", "22", "23");
}

int StatsExports::CheckCall(const EnteredCall& entered) const
{
    // Two texts of the host's that the plug-in neither reads nor writes.
    char text27[] = "27", text28[] = "28";
    return CheckCall0(entered.call, 2u, 3u, entered.mode, "5", "6", "7", "8", "9", "10", "11", "12", entered.callPrefix,
        entered.dxccPrefix, 15, 16, 17, 18.0, 19.0, "20", entered.continent, "22", "23", "24", entered.band,
        entered.secondBand, text27, text28);
}
