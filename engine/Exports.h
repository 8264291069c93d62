#pragma once
// The eleven functions the host calls. Only C types cross this boundary; every function uses
// the caller-cleans (cdecl) convention and never lets an exception escape. The library exports
// each under its plain name and again under the MSVC-decorated name of its own name
// (ExportList.h).
#include "platform/COleDateTime.h"

#if defined(_WIN32)
#define STATS_CDECL __cdecl
#else
#define STATS_CDECL
#endif

extern "C" {

// AddData0 and RemoveData0 take the same 33 arguments; the plug-in reads the named ones.
// clang-format off
#define STATS_QSO_PARAMETERS                                                                                          \
    const char* ownCall, const char* call, COleDateTime* time, COleDateTime*, COleDateTime*, COleDateTime*,           \
    unsigned int, unsigned int frequencyHz, const char* mode, const char* sentRst, const char* receivedRst,           \
    const char* sentExchange, const char* receivedExchange, const char*, const char*, const char*, const char*,       \
    const char*, const char*, const char*, const char*, const char* callPrefix, const char* dxccPrefix, int, int,     \
    int, double, double, const char*, const char*, const char* continent, const char* band, const char*
// clang-format on

int STATS_CDECL AddData0(STATS_QSO_PARAMETERS);
int STATS_CDECL RemoveData0(STATS_QSO_PARAMETERS);

int STATS_CDECL ResetStats0(const char* hostFolder, int cabrilloMode, const char* contestant,
    COleDateTime* contestStart, COleDateTime* contestEnd, const char*, const char*, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char* ownDxccPrefix, int, int, int, double,
    double, const char*, const char*, const char*);

int STATS_CDECL CheckCall0(const char* call, unsigned int, unsigned int, const char* mode, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char* callPrefix,
    const char* dxccPrefix, int, int, int, double, double, const char*, const char* continent, const char*, const char*,
    const char*, const char* band, const char* secondBand, char*, char*);

const char* STATS_CDECL GetResult0(int* status);
const char* STATS_CDECL GetSetName(int index);
int STATS_CDECL GetNumberOfSets(void);
int STATS_CDECL GetExchgCount0(const char*, const char*, const char*);
int STATS_CDECL IsValidExchg0(const char* receivedExchange, const char*, const char*, const char*, int, int, int);
unsigned long STATS_CDECL setVersion(const char* hostVersion);
void STATS_CDECL SetupSet0(void);

} // extern "C"
