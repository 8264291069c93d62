#include "tests/unit/support/Host.h"

namespace host {

namespace {
const char* const kUnused = "unused";
}

int ResetStats(const Start& s)
{
    COleDateTime start = s.start, end = s.end;
    return ResetStats0(s.hostFolder, s.cabrilloMode, s.contestant, &start, &end, kUnused, kUnused, kUnused,
                       kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, s.ownDxccPrefix, 7, 7, 7, 1.5, 2.5,
                       kUnused, kUnused, kUnused);
}

int AddData(const Qso& q)
{
    COleDateTime time = q.time, other;
    return AddData0(q.ownCall, q.call, &time, &other, &other, &other, 9, q.frequencyHz, q.mode, q.sentRst,
                    q.receivedRst, q.sentNumber, q.receivedNumber, kUnused, kUnused, kUnused, kUnused, kUnused,
                    kUnused, kUnused, kUnused, q.callPrefix, q.dxccPrefix, 7, 7, 7, 1.5, 2.5, kUnused, kUnused,
                    q.continent, q.band, kUnused);
}

int RemoveData(const Qso& q)
{
    COleDateTime time = q.time, other;
    return RemoveData0(q.ownCall, q.call, &time, &other, &other, &other, 9, q.frequencyHz, q.mode, q.sentRst,
                       q.receivedRst, q.sentNumber, q.receivedNumber, kUnused, kUnused, kUnused, kUnused,
                       kUnused, kUnused, kUnused, kUnused, q.callPrefix, q.dxccPrefix, 7, 7, 7, 1.5, 2.5, kUnused,
                       kUnused, q.continent, q.band, kUnused);
}

int CheckCall(const Entered& e)
{
    char scratch1[8] = "", scratch2[8] = "";
    return CheckCall0(e.call, 9, 9, e.mode, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                      kUnused, e.callPrefix, e.dxccPrefix, 7, 7, 7, 1.5, 2.5, kUnused, e.continent, kUnused,
                      kUnused, kUnused, e.band, e.secondBand, scratch1, scratch2);
}

std::string Result(int* status)
{
    return GetResult0(status);
}

Qso GermanStation(const char* band)
{
    Qso qso;
    qso.band = band;
    return qso;
}

Qso UsStation(const char* call, const char* callPrefix, const char* band)
{
    Qso qso;
    qso.call = call;
    qso.callPrefix = callPrefix;
    qso.dxccPrefix = "K";
    qso.continent = "NA";
    qso.band = band;
    return qso;
}

} // namespace host
