// Feeds the exports arbitrary texts, null pointers and arbitrary date values, in arbitrary
// order, as a misbehaving host might. Nothing may crash, hang or trip a sanitizer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <deque>

#include "engine/Exports.h"

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

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

    COleDateTime* Date()
    {
        const uint8_t kind = Byte();
        if (kind % 5 == 0)
            return nullptr;
        dates_.emplace_back();
        COleDateTime& date = dates_.back();
        if (kind % 5 == 1) {
            std::memcpy(&date.m_dt, data_ + std::min(at_, size_), std::min<size_t>(8, size_ - std::min(at_, size_)));
            at_ += 8;
        } else {
            date.m_dt = 43120.0 + Byte() / 24.0;
        }
        date.m_status = kind % 7 == 0 ? static_cast<int>(Number()) : 0;
        return &date;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    std::deque<std::string> texts_;   // a deque: earlier texts stay where they are
    std::deque<COleDateTime> dates_;
};

// Band and mode texts are usually right, so the fuzzer also reaches the deeper checks.
const char* BandOrText(Input& in)
{
    static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m", "160m"};
    const uint8_t pick = in.Byte();
    return pick < 200 ? kBands[pick % 6] : in.Text();
}

void CallQsoExport(Input& in, bool add)
{
    const char* own = in.Text();
    const char* call = in.Text();
    COleDateTime* time = in.Date();
    const unsigned int hz = in.Number();
    const char* mode = in.Byte() < 200 ? "RTTY" : in.Text();
    const char* rstSent = in.Text();
    const char* rstReceived = in.Text();
    const char* sent = in.Text();
    const char* received = in.Text();
    const char* callPrefix = in.Text();
    const char* dxcc = in.Text();
    const char* continent = in.Text();
    const char* band = BandOrText(in);
    auto qsoExport = add ? &AddData0 : &RemoveData0;
    qsoExport(own, call, time, nullptr, nullptr, nullptr, 0, hz, mode, rstSent, rstReceived, sent, received,
              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, callPrefix, dxcc, 0, 0, 0,
              0.0, 0.0, nullptr, nullptr, continent, band, nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool inWorkspace = [] {
        const auto folder = std::filesystem::temp_directory_path() / "stats-fuzz";
        std::filesystem::create_directories(folder / "Plugins");
        std::filesystem::current_path(folder);
        return true;
    }();
    (void)inWorkspace;

    Input in(data, size);
    while (!in.Empty()) {
        switch (in.Byte() % 8) {
        case 0: {
            const char* folder = in.Text();
            const int cabrillo = 0;   // the header form needs a window side
            const char* contestant = in.Text();
            COleDateTime* start = in.Date();
            COleDateTime* end = in.Date();
            const char* own = in.Text();
            ResetStats0(folder, cabrillo, contestant, start, end, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, own, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr);
            break;
        }
        case 1:
        case 2: CallQsoExport(in, true); break;
        case 3: CallQsoExport(in, false); break;
        case 4: {
            const char* call = in.Text();
            const char* mode = in.Byte() < 200 ? "RTTY" : in.Text();
            const char* callPrefix = in.Text();
            const char* dxcc = in.Text();
            const char* continent = in.Text();
            const char* band = BandOrText(in);
            const char* second = in.Byte() % 2 ? BandOrText(in) : nullptr;
            CheckCall0(call, 0, 0, mode, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       callPrefix, dxcc, 0, 0, 0, 0.0, 0.0, nullptr, continent, nullptr, nullptr, nullptr, band,
                       second, nullptr, nullptr);
            break;
        }
        case 5: {
            int status = 0;
            if (std::strlen(GetResult0(in.Byte() % 2 ? &status : nullptr)) == 0)
                __builtin_trap();
            break;
        }
        case 6: IsValidExchg0(in.Text(), nullptr, nullptr, nullptr, 0, 0, 0); break;
        case 7: if (in.Byte() == 0) setVersion(in.Text()); break;
        }
    }
    return 0;
}
