#pragma once
// QSO admission and removal: what the host logs and deletes.
#include "engine/ContestRecords.h"

// The arguments of AddData0 and RemoveData0 that the plug-in reads.
struct QsoArguments {
    CString ownCall;
    CString call;
    COleDateTime time;
    unsigned int frequencyHz = 0;
    CString mode;
    CString sentRst;
    CString receivedRst;
    CString sentExchange;
    CString receivedExchange;
    CString callPrefix;
    CString dxccPrefix;
    CString continent;
    CString band;
};

// Checks band, mode and serial numbers, marks a duplicate and stores the QSO. Every
// rejection and every duplicate gets a line in the rejected-QSO log. 1 = stored, 0 = rejected.
int AddQso(const QsoArguments& qso);

// Removes the first stored QSO with the same call, band, mode and time, and the QSO's lines of
// the rejected-QSO log. Always 1.
int RemoveQso(const QsoArguments& key);
