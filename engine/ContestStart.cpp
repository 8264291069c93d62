#include "engine/ContestStart.h"

#include <filesystem>
#include <system_error>

#include "engine/ContestState.h"
#include "engine/WindowSide.h"
#include "platform/TextFiles.h"
#include "reports/RejectedQsoLog.h"

namespace {

const char* const kHostSettingsName = "Kelb2.ini";
const char* const kHostVersionKey = "Kelb=";
const char* const kNoHostSettings = "Kelb";

bool EndsWithNoCase(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && CString(text.substr(text.size() - tail.size())).EqualsNoCase(tail);
}

bool StartsWithNoCase(const std::string& text, const std::string& head)
{
    return text.size() >= head.size() && CString(text.substr(0, head.size())).EqualsNoCase(head);
}

// The host's version from its settings file. The host folder is a path prefix: the entries
// matching "<prefix>*.ini" are searched for a name containing "Kelb2.ini", and that file is
// read in the prefix's folder. Without such a file the version is "Kelb"; a file without a
// "Kelb=" line leaves `version` as it was.
void ReadHostVersion(const CString& hostFolder, CString& version)
{
    namespace fs = std::filesystem;
    const std::string prefix = NativePath(hostFolder);
    const size_t slash = prefix.find_last_of("/\\:");
    const std::string folder = slash == std::string::npos ? std::string() : prefix.substr(0, slash + 1);
    const std::string namePrefix = prefix.substr(folder.size());

    bool found = false;
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (StartsWithNoCase(name, namePrefix) && EndsWithNoCase(name, ".ini")
            && name.find(kHostSettingsName) != std::string::npos) {
            found = true;
            break;
        }
    }
    if (!found) {
        version = kNoHostSettings;
        return;
    }
    for (const CString& line : ReadAllLines(folder + kHostSettingsName).value_or(std::vector<CString>())) {
        if (line.find(kHostVersionKey) != std::string::npos) {
            version = line.size() > 5 ? line.substr(5) : std::string();
            return;
        }
    }
}

bool IsExcludedHostVersion(const CString& version)
{
    return CStringArray{"2.18", "2.17", "2.16", "2.15", "2.14", "2.14R"}.Has(version);
}

// True when the operator's own DXCC prefix asks for Russian window texts.
bool IsRussianPrefix(const CString& prefix)
{
    return CStringArray{"UA", "UA2", "UA9", "CE9/KC4", "UR", "UN", "EU"}.Has(prefix);
}

void ResetQsoState(ContestState& state, const ContestStartArguments& start)
{
    state.startDayMonth = start.contestStart.Format("%d.%m");
    state.startYear = start.contestStart.Format("%Y");
    state.endDate = start.contestEnd.Format("%d.%m.%Y");
    ReadHostVersion(start.hostFolder, state.hostVersion);
    state.qsoList.RemoveAll();
    state.bandsWorked.RemoveAll();
    if (IsRussianPrefix(start.ownDxccPrefix))
        state.russianTexts = 1;
    state.contestant = start.contestant;
    for (int i = 0; i < kBandRowCount; ++i) {
        CStringArray& row = state.g_bandRows[i];
        row.RemoveAll();
        row.Add(state.permittedBands[i]);
        for (int cell = 0; cell < 4; ++cell)
            row.Add("-");
    }
    state.cabrilloMode = start.cabrilloMode;
}

// The "Start" setting alternates, so the windows open on every second contest start (and
// never while they are already open, nor for the excluded host versions).
void ApplyStartToggle(ContestState& state)
{
    WindowSide& windows = TheWindowSide();
    if (state.settings.ReadInt(kStartKey) != 0) {
        state.settings.WriteString(kStartKey, "0");
        return;
    }
    if (windows.ControlWindowExists())
        return;
    if (!IsExcludedHostVersion(state.hostVersion))
        windows.StartUiThread();
    state.settings.WriteString(kStartKey, "1");
}

} // namespace

void StartContest(const ContestStartArguments& start)
{
    ContestState& state = Contest();
    {
        ContestLock lock = LockContest();
        ResetQsoState(state, start);
    }
    // The Cabrillo log, the settings and the start toggle belong to the host's thread; the
    // form and the UI thread's start run without the lock.
    if (state.cabrilloMode) {
        state.cabrilloLog.EditHeader(state.contestant, TheWindowSide().HeaderForm(), state.settings);
        state.settings.WriteString(kStartKey, "1");
    }
    ApplyStartToggle(state);

    ContestLock lock = LockContest();
    state.badQsoFileName = CString("BadQSO_StatsBARTGSPRINT_") + start.contestEnd.Format("%d_%m_%Y") + ".txt";
    RejectedQsoLog::Create(state.badQsoFileName, state.badQsoBacklog);
}
