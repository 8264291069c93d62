#pragma once
// The rejected-QSO log: a text file with a header line and one line for every QSO that was
// rejected and every duplicate that was stored, so the operator can see why a QSO does not
// count. All operations open and close the file themselves. A line the file cannot take now
// (another program holds it) waits in the log's backlog and is written before any newer line
// at the next write that succeeds.
#include <vector>

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
    CString time; // "%Y-%m-%d %H%M"
    CString ownCall;
    CString sentRst;
    CString sentExchange;
    CString call;
    CString receivedRst;
    CString receivedExchange;
    CString reason; // one of the reason texts above

    CString Text() const; // the line without its line end
};

// What the plug-in knows of the log beyond what it can read now: the lines not written yet,
// oldest first, and the rejections the file held when it was last read or written. It lives
// with the contest state, under its lock.
struct Backlog {
    std::vector<CString> lines;
    int rejectionsInFile = 0;
};

// Creates the log anew with its header line. Lines still waiting belonged to the old log and
// are dropped with it.
void Create(const CString& fileName, Backlog& backlog);

// Appends one line after the lines still waiting, creating the file when it is missing. What
// the file cannot take stays in the backlog. Without a file name nothing is written or kept.
void Append(const CString& fileName, const RejectedQsoLine& line, Backlog& backlog);

// Appends the lines still waiting, if the file takes them now.
void WriteBacklog(const CString& fileName, Backlog& backlog);

// Takes the lines whose worked callsign is exactly `call` and whose time field is exactly
// `time` out of the backlog, and rewrites the log without them, with the lines still waiting at
// its end. A log that exists but cannot be read is left as it is.
void RemoveQsoLines(const CString& fileName, const CString& call, const CString& time, Backlog& backlog);

// The number of lines that record a rejected QSO (duplicates are not rejections), in the file
// and in the backlog. A file that exists but cannot be read now counts what it held last.
int CountRejected(const CString& fileName, Backlog& backlog);

} // namespace RejectedQsoLog
