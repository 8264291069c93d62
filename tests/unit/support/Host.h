#pragma once
// Calls the exports the way the host does, with every argument in its place.
#include <string>

#include "engine/Exports.h"

namespace host {

struct Qso {
    const char* ownCall = "N0CALL";
    const char* call = "DL1ABC";
    COleDateTime time = COleDateTime(2018, 1, 20, 14, 5, 0);
    unsigned int frequencyHz = 3580000;
    const char* mode = "RTTY";
    const char* sentRst = "599";
    const char* receivedRst = "599";
    const char* sentNumber = "001";
    const char* receivedNumber = "005";
    const char* callPrefix = "DL1";
    const char* dxccPrefix = "DL";
    const char* continent = "EU";
    const char* band = "80m";
};

struct Start {
    const char* hostFolder = "";
    int cabrilloMode = 0;
    const char* contestant = "N0CALL";
    COleDateTime start = COleDateTime(2018, 1, 20, 12, 0, 0);
    COleDateTime end = COleDateTime(2018, 1, 21, 11, 59, 0);
    const char* ownDxccPrefix = "K";
};

struct Entered {
    const char* call = "DL1ABC";
    const char* mode = "RTTY";
    const char* callPrefix = "DL1";
    const char* dxccPrefix = "DL";
    const char* continent = "EU";
    const char* band = "80m";
    const char* secondBand = nullptr;
};

int ResetStats(const Start& start = Start());
int AddData(const Qso& qso);
int RemoveData(const Qso& qso);
int CheckCall(const Entered& entered);
std::string Result(int* status = nullptr);

// QSOs of typical stations, to be adjusted field by field.
Qso GermanStation(const char* band = "80m");
Qso UsStation(const char* call, const char* callPrefix, const char* band = "80m");

} // namespace host
