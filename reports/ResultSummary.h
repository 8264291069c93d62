#pragma once
// The contest result as the host shows it: tab-separated text, or one HTML page.
#include "reports/TallyResult.h"

struct ResultHeading {
    CString startDayMonth; // "%d.%m"
    CString endDate;       // "%d.%m.%Y"
    CString contestant;
};

CString FormatResultText(const ResultHeading& heading, const TallyResult& tally);
CString FormatResultHtml(const ResultHeading& heading, const TallyResult& tally);
