#include "tests/wine/framework/StatsLibrary.h"

#include <algorithm>
#include <cstdlib>
#include <type_traits>

#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/Files.h"

// The decorated names are those an MSVC-built host expects for the functions' own names and
// signatures (cdecl, global functions).
const ExportNames kExportNames[11] = {
    {"AddData0", "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"RemoveData0", "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"ResetStats0", "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"},
    {"CheckCall0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"},
    {"GetResult0", "?GetResult0@@YAPBDPAH@Z"},
    {"GetSetName", "?GetSetName@@YAPBDH@Z"},
    {"GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
    {"GetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"},
    {"IsValidExchg0", "?StatsIsValidExchg0@@YAHPBD000HHH@Z"},
    {"setVersion", "?setVersion@@YAKPBD@Z"},
    {"SetupSet0", "?SetupSet0@@YAXXZ"},
};

const char* const kHostVersionWithoutWindows = "2.16";
const char* const kPluginSettingsFile = "Plugins\\BARTG-SPRINT.ini";

namespace {

enum class Naming { Plain, Decorated };

StatsExports Bind(HMODULE module, Naming naming)
{
    StatsExports exports;
    int index = 0;
    auto bind = [&](auto& slot) {
        const ExportNames& names = kExportNames[index++];
        const char* name = naming == Naming::Plain ? names.plain : names.decorated;
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
            reinterpret_cast<void*>(GetProcAddress(module, name)));
        EXPECT_NE(nullptr, reinterpret_cast<void*>(slot)) << "Stats.dll does not export " << name;
    };
    // The same order as kExportNames.
    bind(exports.AddData0);
    bind(exports.RemoveData0);
    bind(exports.ResetStats0);
    bind(exports.CheckCall0);
    bind(exports.GetResult0);
    bind(exports.GetSetName);
    bind(exports.GetNumberOfSets);
    bind(exports.GetExchgCount0);
    bind(exports.IsValidExchg0);
    bind(exports.setVersion);
    bind(exports.SetupSet0);
    return exports;
}

} // namespace

StatsLibrary::StatsLibrary()
{
    const char* path = std::getenv("STATS_DLL");
    if (!path || !*path)
        ABORT_TEST("STATS_DLL names no Stats.dll (run the tests through tests/wine/run-in-wine)");
    module_ = LoadLibraryA(path);
    if (!module_)
        ABORT_TEST(std::string("LoadLibraryA failed for ") + path + ", error " + std::to_string(GetLastError()));
    plain_ = Bind(module_, Naming::Plain);
    decorated_ = Bind(module_, Naming::Decorated);
}

StatsLibrary::~StatsLibrary() { Unload(); }

void StatsLibrary::Unload()
{
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
    plain_ = decorated_ = StatsExports();
}

COleDateTime HostTime(int year, int month, int day, int hour, int minute)
{
    return COleDateTime(year, month, day, hour, minute, 0);
}

int Host::StartContest(const ContestStart& start)
{
    const std::string folder = start.hostFolder ? start.hostFolder : CurrentFolder();
    COleDateTime contestStart = start.start;
    COleDateTime contestEnd = start.end;
    return exports_.ResetStats0(folder.c_str(), start.cabrilloMode, start.contestant, &contestStart, &contestEnd,
                                "Operator", "Address", "City", "Postcode", "Province", "Country", "Club",
                                "DXCC list", "Contest", start.ownDxccPrefix, 14, 59, 7, 55.75, 37.62, "unused",
                                "unused", "unused");
}

int Host::AddQso(const Qso& qso)
{
    COleDateTime time = qso.time;
    COleDateTime other = HostTime(1999, 9, 9, 9, 9);
    return exports_.AddData0(qso.ownCall, qso.call, qso.nullTime ? nullptr : &time, &other, &other, &other, 123456u,
                             qso.frequencyHz, qso.mode, qso.sentRst, qso.receivedRst, qso.sentExchange,
                             qso.receivedExchange, "14", "15", "16", "17", "18", "19", "20", "21", qso.callPrefix,
                             qso.dxccPrefix, 24, 25, 26, 27.0, 28.0, "29", "30", qso.continent, qso.band, "33");
}

int Host::RemoveQso(const Qso& qso)
{
    COleDateTime time = qso.time;
    COleDateTime other = HostTime(1999, 9, 9, 9, 9);
    return exports_.RemoveData0(qso.ownCall, qso.call, qso.nullTime ? nullptr : &time, &other, &other, &other,
                                123456u, qso.frequencyHz, qso.mode, qso.sentRst, qso.receivedRst, qso.sentExchange,
                                qso.receivedExchange, "14", "15", "16", "17", "18", "19", "20", "21",
                                qso.callPrefix, qso.dxccPrefix, 24, 25, 26, 27.0, 28.0, "29", "30", qso.continent,
                                qso.band, "33");
}

int Host::CheckCall(const EnteredCall& entered)
{
    char unused27[16] = "untouched";
    char unused28[16] = "untouched";
    const int result = exports_.CheckCall0(entered.call, 2u, 3u, entered.mode, "5", "6", "7", "8", "9", "10", "11",
                                           "12", entered.callPrefix, entered.dxccPrefix, 15, 16, 17, 18.0, 19.0,
                                           "20", entered.continent, "22", "23", "24", entered.band,
                                           entered.secondBand, unused27, unused28);
    EXPECT_TEXT_EQ("untouched", unused27);
    EXPECT_TEXT_EQ("untouched", unused28);
    return result;
}

std::string Host::Result(int& status)
{
    const char* text = exports_.GetResult0(&status);
    if (!text)
        ABORT_TEST("GetResult0 returned a null pointer");
    return text;
}

std::string Host::Result()
{
    constexpr int kHostsValue = 12345;
    int status = kHostsValue;
    std::string text = Result(status);
    EXPECT_EQ(kHostsValue, status) << "GetResult0 outside Cabrillo mode changed the host's int";
    return text;
}

void WriteHostSettings(const char* version)
{
    WriteFileBytes("Kelb2.ini", std::string("[Program]\r\nKelb=") + version + "\r\n");
}

std::string PluginSetting(const char* key)
{
    char value[256] = "";
    const std::string path = CurrentFolder() + kPluginSettingsFile;
    GetPrivateProfileStringA("Settings", key, "", value, sizeof value, path.c_str());
    return value;
}

void WritePluginSettings(const std::string& lines)
{
    MakeFolder("Plugins");
    std::string content;
    for (size_t from = 0; from < lines.size();) {
        const size_t end = std::min(lines.find('\n', from), lines.size());
        content += lines.substr(from, end - from) + "\r\n";
        from = end + 1;
    }
    WriteFileBytes(kPluginSettingsFile, content);
}
