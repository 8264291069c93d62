#include "reports/CabrilloLog.h"

#include "platform/SettingsFile.h"

int CabrilloLog::EditHeader(const CString& newCallsign, CabrilloHeaderForm& form, const SettingsFile&)
{
    // The header form and its stored fields arrive with the Cabrillo export; until then the
    // form is shown with the callsign only.
    callsign = newCallsign;
    fileBaseName = newCallsign;
    return form.Edit(*this) ? 1 : 0;
}

void CabrilloLog::AddQso(const CString& call, int frequencyKhz, const CString& mode, const COleDateTime& time,
                         const CString& sentRst, const CString& sentExchange, const CString& receivedRst,
                         const CString& receivedExchange)
{
    qsoLines.push_back(CString::Formatted("QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", frequencyKhz,
                                          mode.c_str(), time.Format("%Y-%m-%d %H%M").c_str(), callsign.c_str(),
                                          sentRst.c_str(), sentExchange.c_str(), call.c_str(),
                                          receivedRst.c_str(), receivedExchange.c_str()));
}

CString CabrilloLog::WriteFile(int, const CString&) const
{
    return "File produced: " + fileBaseName + ".cbr";
}
