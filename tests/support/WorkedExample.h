#pragma once
// The worked example, one contest shared by the native and the Wine tests of the result: on 80m
// a K station of call area 1 and a German station, then the German station again (a duplicate);
// the German station once more on 40m, and at the same minute on 160m, which the contest does not
// have. All but the K station are the default QSO with another band.
#include <string>

#include "tests/support/Host.h"

// Logs the example's QSOs in a started contest.
void LogTheWorkedExample(const Host& host);

// What GetResult0 gives for it, as text and as the HTML page after setVersion (the golden files
// in tests/golden/, read from the source tree).
std::string WorkedExampleText();
std::string WorkedExampleHtml();
