#pragma once
// CInfo, one stored QSO, and CContestRules, a list of permitted band or mode names.
#include "platform/COleDateTime.h"
#include "platform/Collections.h"

class CInfo : public CObject {
public:
    CString call;
    CString dxccPrefix;
    CString continent;
    CString band;
    CString mode;
    CString receivedRst;
    CString sentRst;
    CString receivedExchange;
    CString sentExchange;
    int frequencyKhz = 0;
    int isDupe = 0;
    int dupeCount = 0;
    int callArea = -1; // the call-area digit of a station of a call-area entity (CallAreas.h), or -1
    COleDateTime time;
};

class CContestRules : public CStringArray {
public:
    CContestRules(const char* const* names, int count);

    // 1 when `name` equals an entry, ignoring letter case; else 0.
    int Contains(CString name) const;
};
