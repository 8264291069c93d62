#pragma once
// The rejected-QSO log: a text file with a header line and one line for every QSO that was
// rejected and every duplicate that was stored, so the operator can see why a QSO does not
// count. All operations open and close the file themselves; failures are silent.
#include "platform/CString.h"

namespace RejectedQsoLog {

extern const char* const kHeader;
extern const char* const kWrongBand;
extern const char* const kWrongMode;
extern const char* const kNoRxNumber;
extern const char* const kDupe;

struct RejectedQsoLine {
    int frequencyKhz = 0;
    CString mode;
    CString time;             // "%Y-%m-%d %H%M"
    CString ownCall;
    CString sentRst;
    CString sentExchange;
    CString call;
    CString receivedRst;
    CString receivedExchange;
    CString reason;           // one of the reason texts above

    CString Text() const;     // the line without its line end
};

// Creates the log anew with its header line.
void Create(const CString& fileName);

// Appends one line, creating the file when it is missing.
void Append(const CString& fileName, const RejectedQsoLine& line);

// Rewrites the log without the lines whose worked callsign is exactly `call` and whose time
// field is exactly `time`. A log that exists but cannot be read is left as it is.
void RemoveQsoLines(const CString& fileName, const CString& call, const CString& time);

// The number of lines that record a rejected QSO (duplicates are not rejections).
int CountRejected(const CString& fileName);

} // namespace RejectedQsoLog
