#include "tools/stats-replay/CountryFile.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <utility>

#include "platform/CString.h"
#include "platform/TextFiles.h"

namespace {

// The country file as written: its entities with their aliases.
struct CountryAlias {
    std::string text; // the prefix or the exact call, without '=' and overrides
    bool exactCall = false;
    std::string continent; // the {continent} override, or the entity's continent
};

struct CountryEntity {
    int line = 0;
    std::string name;
    std::string primaryPrefix; // as in the file ("KH6", "3D2/c"), without the '*'
    std::string continent;
    bool isDxcc = true; // false when the primary prefix was marked with '*'
    std::vector<CountryAlias> aliases;
};

constexpr size_t kHeaderFields = 8;

bool ParseHeader(std::string_view line, CountryEntity& entity)
{
    // Eight fields, each ended by a colon, and nothing after them.
    const std::vector<std::string_view> fields = Split(line, ':');
    if (fields.size() != kHeaderFields + 1 || !CString(fields[kHeaderFields]).Trim().empty())
        return false;
    const std::string prefix = CString(fields[7]).Trim();
    entity.isDxcc = prefix.empty() || prefix[0] != '*';
    entity.name = CString(fields[0]).Trim();
    entity.continent = CString(fields[3]).Trim().MakeUpper();
    entity.primaryPrefix = entity.isDxcc ? prefix : prefix.substr(1);
    return !entity.name.empty() && !entity.continent.empty() && !entity.primaryPrefix.empty();
}

// One alias: the call or prefix, then overrides in any order.
void AddAlias(std::string_view alias, CountryEntity& entity)
{
    const std::string text = CString(alias).Trim();
    if (text.empty())
        return;
    CountryAlias added;
    added.exactCall = text[0] == '=';
    const size_t start = added.exactCall ? 1 : 0;
    const size_t overrides = text.find_first_of("([<{~", start);
    added.text = CString(text.substr(start, overrides - start)).Trim().MakeUpper();
    added.continent = entity.continent;
    const size_t open = text.find('{', overrides == std::string::npos ? text.size() : overrides);
    if (open != std::string::npos) {
        const size_t close = text.find('}', open);
        if (close != std::string::npos && close > open + 1)
            added.continent = CString(text.substr(open + 1, close - open - 1)).Trim().MakeUpper();
    }
    if (!added.text.empty())
        entity.aliases.push_back(std::move(added));
}

std::vector<CountryEntity> ParseCountryFile(std::string_view text, ProblemList& problems)
{
    std::vector<CountryEntity> entities;
    bool listOpen = false; // the last entity's alias list has not met its ';' yet
    const std::vector<std::string_view> lines = SplitLinesAtAnyEnd(text);
    for (size_t index = 0; index < lines.size(); ++index) {
        const std::string_view line = lines[index];
        const int lineNumber = static_cast<int>(index) + 1;
        if (CString(line).Trim().empty())
            continue;
        // Aliases never hold a colon, so a line with one is a header.
        if (line.find(':') != std::string_view::npos) {
            if (listOpen)
                problems.Add(entities.back().line, "alias list not ended by ';'");
            CountryEntity entity;
            entity.line = lineNumber;
            listOpen = ParseHeader(line, entity);
            if (listOpen)
                entities.push_back(std::move(entity));
            else
                problems.Add(lineNumber, "not a valid entity header");
            continue;
        }
        if (!listOpen) {
            problems.Add(lineNumber, "alias line outside an entity");
            continue;
        }
        const size_t end = line.find(';');
        for (std::string_view alias : Split(line.substr(0, end), ','))
            AddAlias(alias, entities.back());
        if (end != std::string_view::npos) {
            listOpen = false;
            if (!CString(line.substr(end + 1)).Trim().empty())
                problems.Add(lineNumber, "text after ';'");
        }
    }
    if (listOpen)
        problems.Add(entities.back().line, "alias list not ended by ';'");
    return entities;
}

// Puts the entity's aliases into the table as entries of entity `index`.
void AddAliases(const CountryEntity& entity, size_t index, CallTable& table)
{
    for (const CountryAlias& alias : entity.aliases)
        table.Add(alias.text, alias.exactCall, {index, alias.continent});
}

// The DXCC entity a '*' entity counts for, by the rule in CountryFile.h.
size_t ResolveNonDxcc(const CountryEntity& entity, size_t self, const CallTable& dxccOnly)
{
    std::vector<size_t> votes; // the entity each matching alias gives, in the aliases' order
    for (const CountryAlias& alias : entity.aliases) {
        const CallTableEntry* entry =
            alias.exactCall ? dxccOnly.Find(alias.text) : dxccOnly.FindLongestPrefix(alias.text);
        if (entry)
            votes.push_back(entry->entity);
    }
    // The first of the entities with the most votes.
    const auto count = [&votes](size_t vote) { return std::count(votes.begin(), votes.end(), vote); };
    const auto best =
        std::max_element(votes.begin(), votes.end(), [&](size_t a, size_t b) { return count(a) < count(b); });
    if (best != votes.end())
        return *best;

    const std::string& prefix = entity.primaryPrefix;
    const CallTableEntry* entry = dxccOnly.FindLongestPrefix(prefix.substr(0, prefix.find('/')));
    return entry ? entry->entity : self;
}

// A callsign written with strokes, taken apart by the rules in CallTable::Find.
struct PortableCall {
    std::string fullCall;               // upper case, blanks trimmed
    std::string withoutSuffixes;        // fullCall without the trailing operating suffixes
    std::string homeCall;               // "K1ABC" for DL/K1ABC
    std::vector<std::string> locations; // the other pieces, shortest first: "DL" for DL/K1ABC
    char areaDigit = 0;                 // '1' for K5DJ/1; 0 when none or when a location is given
};

bool IsOperatingSuffix(std::string_view piece)
{
    static constexpr std::string_view kSuffixes[] = {"P", "M", "MM", "AM", "QRP", "QRPP", "LH", "A", "R"};
    return std::find(std::begin(kSuffixes), std::end(kSuffixes), piece) != std::end(kSuffixes);
}

bool LooksLikeCompleteCall(std::string_view piece)
{
    const size_t lastDigit = piece.find_last_of("0123456789");
    return lastDigit != std::string_view::npos
        && std::any_of(piece.begin() + static_cast<std::ptrdiff_t>(lastDigit) + 1, piece.end(),
            [](unsigned char c) { return std::isalpha(c) != 0; });
}

PortableCall SplitPortableCall(std::string_view call)
{
    PortableCall result;
    result.fullCall = CString(call).Trim().MakeUpper();
    std::vector<std::string_view> pieces;
    for (std::string_view piece : Split(result.fullCall, '/'))
        if (!piece.empty())
            pieces.push_back(piece);
    while (pieces.size() > 1 && IsOperatingSuffix(pieces.back()))
        pieces.pop_back();
    for (std::string_view piece : pieces)
        result.withoutSuffixes += (result.withoutSuffixes.empty() ? "" : "/") + std::string(piece);

    if (pieces.size() > 1 && pieces.back().size() == 1 && std::isdigit(static_cast<unsigned char>(pieces.back()[0]))) {
        result.areaDigit = pieces.back()[0];
        pieces.pop_back();
    }
    if (pieces.empty())
        return result;

    // The home call: the longest piece that looks like a complete call, else the longest piece;
    // the last of equals (searched from the end).
    const auto rank = [](std::string_view piece) { return std::make_pair(LooksLikeCompleteCall(piece), piece.size()); };
    const auto home = std::prev(
        std::max_element(pieces.rbegin(), pieces.rend(), [&](auto a, auto b) { return rank(a) < rank(b); }).base());
    result.homeCall = *home;
    pieces.erase(home);
    std::stable_sort(pieces.begin(), pieces.end(), [](auto a, auto b) { return a.size() < b.size(); });
    result.locations.assign(pieces.begin(), pieces.end());
    if (!result.locations.empty())
        result.areaDigit = 0;
    return result;
}

// Where the station is: of its location pieces the first that `listed` has a prefix for ("FR"
// of FR/K1ABC/T), else the shortest; "" when the call names no location.
std::string Location(const PortableCall& portable, const CallTable* listed)
{
    for (const std::string& location : portable.locations)
        if (listed && listed->FindLongestPrefix(location))
            return location;
    return portable.locations.empty() ? "" : portable.locations.front();
}

} // namespace

void CallTable::Add(const std::string& text, bool exactCall, const CallTableEntry& entry)
{
    (exactCall ? m_exactCalls : m_prefixes).emplace(text, entry);
    if (!exactCall)
        m_longestPrefix = std::max(m_longestPrefix, text.size());
}

const CallTableEntry* CallTable::FindExactCall(const std::string& call) const
{
    const auto found = m_exactCalls.find(call);
    return found == m_exactCalls.end() ? nullptr : &found->second;
}

const CallTableEntry* CallTable::FindLongestPrefix(std::string_view text) const
{
    for (size_t length = std::min(text.size(), m_longestPrefix); length > 0; --length) {
        const auto found = m_prefixes.find(std::string(text.substr(0, length)));
        if (found != m_prefixes.end())
            return &found->second;
    }
    return nullptr;
}

const CallTableEntry* CallTable::Find(std::string_view call) const
{
    const PortableCall portable = SplitPortableCall(call);
    if (portable.homeCall.empty())
        return nullptr;
    if (const CallTableEntry* entry = FindExactCall(portable.fullCall))
        return entry;
    if (const CallTableEntry* entry = FindExactCall(portable.withoutSuffixes))
        return entry;
    if (!portable.locations.empty())
        return FindLongestPrefix(Location(portable, this));
    if (const CallTableEntry* entry = FindExactCall(portable.homeCall))
        return entry;
    return FindLongestPrefix(portable.homeCall);
}

CountryFile CountryFile::FromText(std::string_view text)
{
    CountryFile file;
    ProblemList problems;
    const std::vector<CountryEntity> entities = ParseCountryFile(text, problems);
    file.m_problems = problems.Take();

    CallTable dxccOnly;
    for (size_t i = 0; i < entities.size(); ++i)
        if (entities[i].isDxcc)
            AddAliases(entities[i], i, dxccOnly);
    // Every alias finds the DXCC entity its entity counts for.
    for (size_t i = 0; i < entities.size(); ++i) {
        const CountryEntity& entity = entities[i];
        file.m_entities.push_back({entity.name, entity.primaryPrefix});
        AddAliases(entity, entity.isDxcc ? i : ResolveNonDxcc(entity, i, dxccOnly), file.m_calls);
    }
    return file;
}

std::optional<CountryFile> CountryFile::FromFile(const std::string& path)
{
    // The real file is about 350 KB; anything far larger is not a country file.
    constexpr size_t kMaxBytes = 16u * 1024u * 1024u;
    const std::optional<std::string> text = ReadWholeFile(path, kMaxBytes + 1);
    if (!text || text->size() > kMaxBytes)
        return std::nullopt;
    return FromText(*text);
}

std::optional<CountryInfo> CountryFile::Lookup(std::string_view call) const
{
    const CallTableEntry* entry = m_calls.Find(call);
    if (!entry)
        return std::nullopt;
    const Entity& dxcc = m_entities[entry->entity];
    return CountryInfo{dxcc.primaryPrefix, entry->continent, dxcc.name};
}

std::string CallPrefix(std::string_view call, const CallTable* listed)
{
    const PortableCall portable = SplitPortableCall(call);
    if (!portable.locations.empty())
        return Location(portable, listed);
    // The home call's own prefix: up to and including its last digit ("TC50TRAC" gives "TC50").
    const size_t homeDigit = portable.homeCall.find_last_of("0123456789");
    std::string prefix =
        portable.homeCall.substr(0, homeDigit == std::string::npos ? std::string::npos : homeDigit + 1);
    // An area digit takes the place of the prefix's last digit, or follows a prefix without one.
    if (portable.areaDigit != 0 && homeDigit != std::string::npos)
        prefix.back() = portable.areaDigit;
    else if (portable.areaDigit != 0)
        prefix += portable.areaDigit;
    return prefix;
}

HostQso DescribeForHost(const Qso& qso, const CountryFile& countries)
{
    HostQso host;
    if (const auto country = countries.Lookup(qso.call)) {
        host.dxccPrefix = country->dxccPrefix;
        host.continent = country->continent;
        host.knownCall = true;
    }
    host.callPrefix = CallPrefix(qso.call, &countries.Calls());
    // The host passes the frequency in Hz as a 32-bit number.
    const auto maxHz = std::numeric_limits<unsigned int>::max();
    host.frequencyHz = qso.frequencyHz > maxHz ? maxHz : static_cast<unsigned int>(qso.frequencyHz);
    return host;
}
