// Drives sequences of all eleven exports with arbitrary texts, null pointers and arbitrary
// date values, as a misbehaving host might, against whatever files the earlier calls of the
// sequence left behind. The sequence may also plant hostile files (arbitrary bytes, a folder
// in place of a file, no Plugins folder). Nothing may crash, hang or trip a sanitizer, and
// every export must answer one of its documented values.
//
// Each input starts in an emptied scratch folder with a freshly constructed contest state, so
// a finding replays on its own. The folder is private to the process (other runs may fuzz at
// the same time) and becomes the current directory: give libFuzzer absolute corpus and
// artifact paths.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "engine/ContestState.h"
#include "tools/stats-exports/LinkedExports.h"

namespace fs = std::filesystem;

namespace {

// Reports a broken promise of an export as a crash, so libFuzzer keeps the input.
void Expect(bool promise)
{
    if (!promise)
        __builtin_trap();
}

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) { }

    bool Empty() const { return at_ >= size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    unsigned int Number()
    {
        unsigned int value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | Byte();
        return value;
    }

    // A text up to the next NUL byte, or null when the first byte says so.
    const char* Text()
    {
        if (Byte() % 8 == 0)
            return nullptr;
        texts_.emplace_back();
        while (!Empty() && data_[at_] != 0)
            texts_.back() += static_cast<char>(data_[at_++]);
        ++at_;
        return texts_.back().c_str();
    }

    // Up to 65535 arbitrary bytes, NUL included: a length of two bytes, then the bytes.
    std::string Blob()
    {
        const size_t wanted = size_t(Byte()) << 8 | Byte();
        const size_t length = std::min(wanted, size_ - std::min(at_, size_));
        std::string blob(reinterpret_cast<const char*>(data_) + std::min(at_, size_), length);
        at_ += length;
        return blob;
    }

    std::optional<COleDateTime> Date()
    {
        const uint8_t kind = Byte();
        if (kind % 5 == 0)
            return std::nullopt;
        COleDateTime date;
        if (kind % 5 == 1) {
            std::memcpy(&date.m_dt, data_ + std::min(at_, size_), std::min<size_t>(8, size_ - std::min(at_, size_)));
            at_ += 8;
        } else {
            date.m_dt = 43120.0 + Byte() / 24.0;
        }
        date.m_status = kind % 7 == 0 ? static_cast<int>(Number()) : 0;
        return date;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    std::deque<std::string> texts_; // a deque: earlier texts stay where they are
};

// Band and mode texts are usually right, so the fuzzer also reaches the deeper checks.
const char* BandOrText(Input& in)
{
    static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m", "160m"};
    const uint8_t pick = in.Byte();
    return pick < 200 ? kBands[pick % 6] : in.Text();
}

const fs::path& ScratchFolder()
{
    static const fs::path folder = fs::temp_directory_path() / ("stats-fuzz-" + std::to_string(getpid()));
    return folder;
}

void RemoveScratchFolder()
{
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(ScratchFolder(), ignored);
}

// An empty current directory with a Plugins folder, and a contest state as loading builds it.
void StartFresh()
{
    static const bool entered = [] {
        fs::create_directories(ScratchFolder());
        fs::current_path(ScratchFolder());
        std::atexit(RemoveScratchFolder);
        return true;
    }();
    (void)entered;
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(ScratchFolder(), ignored))
        fs::remove_all(entry.path(), ignored);
    fs::create_directory("Plugins", ignored);
    Contest() = ContestState();
}

// The files the plug-in reads or writes, and the folder of its settings file.
const char* PlantedPath(Input& in)
{
    static const char* const kPaths[] = {
        "Plugins/BARTG-SPRINT.ini", "BadQSO_StatsBARTGSPRINT_21_01_2018.txt", "Kelb2.ini", "N0CALL.cbr", "Plugins"};
    const uint8_t pick = in.Byte();
    if (pick % 6 == 5)
        return Contest().badQsoFileName.c_str();
    return kPaths[pick % 6];
}

// Replaces a file the plug-in uses by arbitrary bytes, by a folder, or by nothing.
void PlantFile(Input& in)
{
    const fs::path path = PlantedPath(in);
    const uint8_t how = in.Byte();
    std::error_code ignored;
    if (path.empty())
        return;
    fs::remove_all(path, ignored);
    if (how % 3 == 0) {
        fs::create_directories(path, ignored);
    } else if (how % 3 == 1) {
        const std::string content = in.Blob();
        std::ofstream(path, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
    }
}

const StatsExports& Plugin()
{
    static const StatsExports linked = LinkedExports();
    return linked;
}

// The fields in the order the input gives them.
void CallQsoExport(Input& in, bool add)
{
    LoggedQso qso;
    qso.ownCall = in.Text();
    qso.call = in.Text();
    qso.time = in.Date();
    qso.frequencyHz = in.Number();
    qso.mode = in.Byte() < 200 ? "RTTY" : in.Text();
    qso.sentRst = in.Text();
    qso.receivedRst = in.Text();
    qso.sentExchange = in.Text();
    qso.receivedExchange = in.Text();
    qso.callPrefix = in.Text();
    qso.dxccPrefix = in.Text();
    qso.continent = in.Text();
    qso.band = BandOrText(in);
    const int result = add ? Plugin().AddData(qso) : Plugin().RemoveData(qso);
    Expect(add ? result == 0 || result == 1 : result == 1);
}

void CallResetStats(Input& in)
{
    ContestStart start;
    start.hostFolder = in.Text();
    start.cabrilloMode = in.Byte() % 4 == 0; // the quiet window side cancels the header form
    start.contestant = in.Text();
    start.start = in.Date();
    start.end = in.Date();
    start.ownDxccPrefix = in.Text();
    Expect(Plugin().ResetStats(start) == 1);
}

void CallCheckCall(Input& in)
{
    EnteredCall entered;
    entered.call = in.Text();
    entered.mode = in.Byte() < 200 ? "RTTY" : in.Text();
    entered.callPrefix = in.Text();
    entered.dxccPrefix = in.Text();
    entered.continent = in.Text();
    entered.band = BandOrText(in);
    entered.secondBand = in.Byte() % 2 ? BandOrText(in) : nullptr;
    const int answer = Plugin().CheckCall(entered);
    Expect(answer >= 0 && answer <= 4);
}

void CallGetResult(Input& in)
{
    int status = 7;
    const bool withStatus = in.Byte() % 2;
    const char* result = GetResult0(withStatus ? &status : nullptr);
    Expect(result && std::strlen(result) > 0);
    Expect(status == (Contest().cabrilloMode ? -1 : 7) || !withStatus);
}

void CallFixedAnswers(Input& in)
{
    const int index = static_cast<int>(in.Number());
    Expect(std::strcmp(GetSetName(index), index == 0 ? "BARTG SPRINT (C)" : "") == 0);
    Expect(GetNumberOfSets() == 1);
    Expect(GetExchgCount0(in.Text(), in.Text(), in.Text()) == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartFresh();
    Input in(data, size);
    while (!in.Empty()) {
        switch (in.Byte() % 12) {
        case 0: CallResetStats(in); break;
        case 1:
        case 2: CallQsoExport(in, true); break;
        case 3: CallQsoExport(in, false); break;
        case 4: CallCheckCall(in); break;
        case 5: CallGetResult(in); break;
        case 6: {
            const int valid = IsValidExchg0(in.Text(), nullptr, nullptr, nullptr, 0, 0, 0);
            Expect(valid == 0 || valid == 1);
            break;
        }
        case 7: Expect(setVersion(in.Byte() % 2 ? in.Text() : nullptr) == 0); break;
        case 8: CallFixedAnswers(in); break;
        case 9: SetupSet0(); break;
        case 10:
        case 11: PlantFile(in); break;
        }
    }
    return 0;
}
