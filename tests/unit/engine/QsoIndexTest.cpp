// The indexes of the stored QSOs against a plain walk of the list, through a long random mix of
// what a host does: QSOs logged (duplicates, rejected ones, QSOs without a call or time among
// them), removed, results asked for, contests started and the library reloaded.
#include <map>
#include <optional>
#include <random>

#include "engine/CallCheck.h"
#include "engine/ContestState.h"
#include "tests/unit/support/TestWorkspace.h"

namespace {

// Few values of each field, so that calls, bands and areas meet often.
const char* const kCalls[] = {"K1AA", "W7XY", "VE3AB", "JA1ZZ", "VK2AA", "DL1ABC", "dl1abc", ""};
const char* const kBands[] = {"80m", "40m", "20m", "20M", "10m", "160m"};
const char* const kModes[] = {"RTTY", "RTTY", "RTTY", "rtty", "CW"};
const char* const kDxccPrefixes[] = {"K", "VE", "JA", "VK", "DL", "UA9", ""};
const char* const kCallPrefixes[] = {"K1", "W7", "VE3", "JA0", "VK", "DL1", "K"};
const char* const kContinents[] = {"NA", "EU", "AS", "OC", ""};

// A multiplier's credit as the plain walk states it: the band's place, then the QSO's.
using Place = std::pair<size_t, int>;
using Credits = std::map<CString, Place>;

class QsoIndexTest : public TestWorkspace {
protected:
    template <class Values>
    const char* Any(const Values& values)
    {
        return values[std::uniform_int_distribution<size_t>(0, std::size(values) - 1)(random_)];
    }

    TestQso AnyQso()
    {
        TestQso qso{.call = Any(kCalls),
            .mode = Any(kModes),
            .callPrefix = Any(kCallPrefixes),
            .dxccPrefix = Any(kDxccPrefixes),
            .continent = Any(kContinents),
            .band = Any(kBands)};
        const int minute = std::uniform_int_distribution(0, 4)(random_);
        qso.time = minute == 4 ? std::nullopt : std::optional(HostTime(2018, 1, 20, 13, minute));
        return qso;
    }

    template <class Predicate>
    static int CountStored(Predicate predicate)
    {
        int count = 0;
        for (const CInfo& qso : Contest().qsoList)
            count += predicate(qso) ? 1 : 0;
        return count;
    }

    // Each stored QSO's place in logging order.
    std::map<const CInfo*, int> Positions() const
    {
        std::map<const CInfo*, int> positions;
        for (const CInfo& qso : Contest().qsoList)
            positions.emplace(&qso, static_cast<int>(positions.size()));
        return positions;
    }

    // What the plain walk finds for one kind of multiplier; `multiplier` gives a QSO's, if any.
    template <class Multiplier>
    Credits WalkedCredits(Multiplier multiplier) const
    {
        const CStringArray& bands = Contest().bandsWorked;
        Credits credits;
        int position = 0;
        for (const CInfo& qso : Contest().qsoList) {
            const Place place{
                static_cast<size_t>(std::find(bands.begin(), bands.end(), qso.band) - bands.begin()), position++};
            const std::optional<CString> text = multiplier(qso);
            if (!qso.call.IsEmpty() && !qso.isDupe && text && (!credits.count(*text) || place < credits[*text]))
                credits[*text] = place;
        }
        return credits;
    }

    Credits IndexedCredits(const MultiplierPlaces& places) const
    {
        const std::map<const CInfo*, int> positions = Positions();
        Credits credits;
        for (const auto& [credit, text] : places.Credits(Contest().bandsWorked))
            credits[text] = {credit.band, positions.at(&Contest().qsoList.At(credit.qso))};
        return credits;
    }

    // The call check's answer as the plain walk gives it.
    static int WalkedCheck(const TestEnteredCall& entered)
    {
        const ContestState& state = Contest();
        if (!state.permittedBands.Contains(entered.band) || !state.permittedModes.Contains(entered.mode))
            return kNotContestQso;
        if (!*entered.dxccPrefix)
            return kNothingNew;
        bool dxccWorked = false;
        for (const CInfo& qso : state.qsoList) {
            if (qso.call == entered.call && qso.band == entered.band)
                return kWorkedOnThisBand;
            dxccWorked = dxccWorked || qso.dxccPrefix == entered.dxccPrefix;
        }
        if (!dxccWorked)
            return kNewDxcc;
        if (CallAreaEntityOf(entered.dxccPrefix) < 0)
            return kNothingNew;
        const int area = CallAreaOf(entered.dxccPrefix, entered.callPrefix);
        for (const CInfo& qso : state.qsoList)
            if (area >= 0 && qso.dxccPrefix == entered.dxccPrefix && qso.callArea == area)
                return kNothingNew;
        return kNewCallArea;
    }

    void ExpectIndexesAsWalked(int step)
    {
        SCOPED_TRACE("step " + std::to_string(step));
        const QsoList& qsos = Contest().qsoList;
        for (const char* call : kCalls) {
            for (const char* band : kBands) {
                std::vector<const CInfo*> walked, indexed;
                for (const CInfo& qso : qsos)
                    if (qso.call == call && qso.band == band)
                        walked.push_back(&qso);
                for (QsoStamp stamp : qsos.OfCallOnBand(call, band))
                    indexed.push_back(&qsos.At(stamp));
                EXPECT_EQ(walked, indexed) << call << " on " << band;
                const int counting = CountStored(
                    [&](const CInfo& qso) { return qso.band == band && !qso.call.IsEmpty() && !qso.isDupe; });
                EXPECT_EQ(counting, qsos.CountingOn(band)) << band;
            }
        }
        EXPECT_EQ(CountStored([](const CInfo& qso) { return !qso.call.IsEmpty() && qso.isDupe; }), qsos.Duplicates());
        EXPECT_EQ(WalkedCredits([](const CInfo& qso) { return std::optional(qso.dxccPrefix); }),
            IndexedCredits(qsos.DxccPlaces()));
        EXPECT_EQ(WalkedCredits([](const CInfo& qso) { return std::optional(qso.continent); }),
            IndexedCredits(qsos.ContinentPlaces()));
        for (int entity = 0; entity < kCallAreaEntityCount; ++entity) {
            const auto area = [entity](const CInfo& qso) {
                const bool hasArea = CallAreaEntityOf(qso.dxccPrefix) == entity && qso.callArea >= 0;
                return hasArea ? std::optional(CallAreaCode(entity, qso.callArea)) : std::nullopt;
            };
            EXPECT_EQ(WalkedCredits(area), IndexedCredits(qsos.CallAreaPlaces(entity))) << kCallAreaEntities[entity];
        }
        for (int check = 0; check < 8; ++check) {
            const TestQso typed = AnyQso();
            const TestEnteredCall entered{.call = typed.call,
                .mode = typed.mode,
                .callPrefix = typed.callPrefix,
                .dxccPrefix = typed.dxccPrefix,
                .continent = typed.continent,
                .band = typed.band};
            EXPECT_EQ(WalkedCheck(entered), host.CheckCall(entered))
                << entered.call << " " << entered.band << " " << entered.dxccPrefix << " " << entered.callPrefix;
        }
    }

    std::mt19937 random_{20180120};
};

} // namespace

TEST_F(QsoIndexTest, FollowEveryAddRemoveResultAndRestartLikeAPlainWalkOfTheList)
{
    host.StartContest();
    std::vector<TestQso> logged;
    for (int step = 0; step < 1500; ++step) {
        const int action = std::uniform_int_distribution(0, 99)(random_);
        if (action < 55) {
            logged.push_back(AnyQso());
            host.AddQso(logged.back());
        } else if (action < 65 && !logged.empty()) {
            host.AddQso(logged[std::uniform_int_distribution<size_t>(0, logged.size() - 1)(random_)]);
        } else if (action < 90 && !logged.empty()) {
            host.RemoveQso(logged[std::uniform_int_distribution<size_t>(0, logged.size() - 1)(random_)]);
        } else if (action < 97) {
            host.Result();
        } else if (action < 99) {
            host.StartContest();
        } else {
            ResetContest();
            host.StartContest();
        }
        ExpectIndexesAsWalked(step);
    }
}
