#pragma once
// The Cabrillo log: the entrant's header fields, filled by the header form, and the QSO lines
// written into the Cabrillo 3.0 file.
#include <vector>

#include "platform/COleDateTime.h"
#include "platform/CString.h"

class SettingsFile;

// The header fields, in the order the header form exchanges them with its controls.
struct CabrilloHeader {
    CString callsign;
    CString claimed;
    CString club;
    CString categoryOperator;
    CString contest;
    CString email;
    CString name;
    CString operators;
    CString soapbox;
    CString address;
    CString categoryAssisted;
    CString categoryBand;
    CString categoryPower;
    CString categoryTime;
    CString categoryTransmitter;
    CString categoryOverlay;
    CString addressCity;
    CString addressProvince;
    CString addressCountry;
    CString location;
    CString addressPostalCode;
    CString categoryMode;
};

// The operator's side of the header form: shows the fields and, after OK, returns true with
// the fields holding what the operator left in the controls. Cancel returns false and leaves
// the fields as they were.
class CabrilloHeaderForm {
public:
    virtual ~CabrilloHeaderForm() = default;
    virtual bool Edit(CabrilloHeader& fields) = 0;
};

class CabrilloLog : public CabrilloHeader {
public:
    CString fileBaseName;
    std::vector<CString> qsoLines;

    // Loads the stored header, lets the operator edit it and stores it back. 1 after OK, 0
    // after Cancel. OK also empties qsoLines.
    int EditHeader(const CString& callsign, CabrilloHeaderForm& form, const SettingsFile& settings);

    // Formats one QSO line with the log's current callsign and appends it to qsoLines.
    void AddQso(const CString& call, int frequencyKhz, const CString& mode, const COleDateTime& time,
        const CString& sentRst, const CString& sentExchange, const CString& receivedRst,
        const CString& receivedExchange);

    // Writes "<fileBaseName>.cbr" in the current folder, replacing any file of that name, and
    // returns "File produced: <name>". When the file cannot be replaced whole it keeps what it
    // held, and the message is "File NOT produced: <name>", followed by the reason when it is
    // known (" (in use by another program)").
    CString WriteFile(int claimedScore, const CString& hostVersion) const;
};

// The name the Cabrillo file gets for this callsign, without ".cbr": characters that cannot
// stand in a file name become "_", blanks at both ends go, and an empty result is "ZEPC".
CString CabrilloFileBaseName(const CString& callsign);
