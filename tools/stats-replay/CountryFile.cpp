#include "tools/stats-replay/CountryFile.h"

#include <utility>

#include "tools/stats-replay/CountryFileParser.h"
#include "tools/stats-replay/FileText.h"

namespace replay {
namespace {

void AddAliases(const CountryEntity& entity, std::size_t index, CallTable& table) {
    for (const CountryAlias& alias : entity.aliases) {
        const CallTableEntry entry{index, alias.continent};
        if (alias.exactCall) table.AddExactCall(alias.text, entry);
        else table.AddPrefix(alias.text, entry);
    }
}

// The DXCC entity a '*' entity counts for, by the rule in CountryFile.h.
std::size_t ResolveNonDxcc(const CountryEntity& entity, std::size_t self, const CallTable& dxccOnly) {
    std::vector<std::pair<std::size_t, int>> votes;  // in order of first vote
    for (const CountryAlias& alias : entity.aliases) {
        const CallTableEntry* entry =
            alias.exactCall ? dxccOnly.Find(alias.text) : dxccOnly.FindLongestPrefix(alias.text);
        if (entry == nullptr) continue;
        auto vote = votes.begin();
        while (vote != votes.end() && vote->first != entry->entity) ++vote;
        if (vote == votes.end()) votes.emplace_back(entry->entity, 1);
        else ++vote->second;
    }
    const std::pair<std::size_t, int>* best = nullptr;
    for (const auto& vote : votes) {
        if (best == nullptr || vote.second > best->second) best = &vote;
    }
    if (best != nullptr) return best->first;

    const std::string& prefix = entity.primaryPrefix;
    const CallTableEntry* entry = dxccOnly.FindLongestPrefix(prefix.substr(0, prefix.find('/')));
    return entry != nullptr ? entry->entity : self;
}

}  // namespace

CountryFile CountryFile::FromText(std::string_view text) {
    ParsedCountryFile parsed = ParseCountryFile(text);
    CountryFile file;
    file.problems_ = std::move(parsed.problems);

    CallTable dxccOnly;
    for (std::size_t i = 0; i < parsed.entities.size(); ++i) {
        if (parsed.entities[i].isDxcc) AddAliases(parsed.entities[i], i, dxccOnly);
    }
    for (std::size_t i = 0; i < parsed.entities.size(); ++i) {
        const CountryEntity& entity = parsed.entities[i];
        const std::size_t dxcc = entity.isDxcc ? i : ResolveNonDxcc(entity, i, dxccOnly);
        file.entities_.push_back({entity.name, entity.primaryPrefix, dxcc});
        AddAliases(entity, i, file.calls_);
    }
    return file;
}

std::optional<CountryFile> CountryFile::FromFile(const std::string& path) {
    // The real file is about 350 KB; anything far larger is not a country file.
    constexpr std::size_t kMaxBytes = 16u * 1024u * 1024u;
    const FileText file = ReadFileText(path, kMaxBytes);
    if (file.status != FileReadStatus::Ok) return std::nullopt;
    return FromText(file.text);
}

std::optional<CountryInfo> CountryFile::Lookup(std::string_view call) const {
    const CallTableEntry* entry = calls_.Find(call);
    if (entry == nullptr) return std::nullopt;
    const Entity& dxcc = entities_[entities_[entry->entity].dxccEntity];
    return CountryInfo{dxcc.primaryPrefix, entry->continent, dxcc.name};
}

}  // namespace replay
