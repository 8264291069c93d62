#include "tools/stats-replay/CountryFileParser.h"

#include <utility>

#include "tools/stats-replay/LineCursor.h"
#include "tools/stats-replay/TextUtil.h"

namespace replay {
namespace {

constexpr std::size_t kHeaderFields = 8;

bool ParseHeader(std::string_view line, CountryEntity& entity) {
    std::string_view fields[kHeaderFields];
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < kHeaderFields) {
        const std::size_t colon = line.find(':', start);
        if (colon == std::string_view::npos) break;
        fields[count++] = Trim(line.substr(start, colon - start));
        start = colon + 1;
    }
    if (count < kHeaderFields || !Trim(line.substr(start)).empty()) return false;
    std::string_view prefix = fields[7];
    entity.isDxcc = prefix.empty() || prefix[0] != '*';
    if (!entity.isDxcc) prefix.remove_prefix(1);
    entity.name = fields[0];
    entity.continent = ToUpper(fields[3]);
    entity.primaryPrefix = prefix;
    return !entity.name.empty() && !entity.continent.empty() && !entity.primaryPrefix.empty();
}

// One alias: the call or prefix, then overrides in any order.
void AddAlias(std::string_view text, CountryEntity& entity) {
    text = Trim(text);
    if (text.empty()) return;
    CountryAlias alias;
    alias.exactCall = text[0] == '=';
    if (alias.exactCall) text.remove_prefix(1);
    const std::size_t overrides = text.find_first_of("([<{~");
    alias.text = ToUpper(Trim(text.substr(0, overrides)));
    alias.continent = entity.continent;
    const std::size_t open = text.find('{', overrides == std::string_view::npos ? text.size() : overrides);
    if (open != std::string_view::npos) {
        const std::size_t close = text.find('}', open);
        if (close != std::string_view::npos && close > open + 1) {
            alias.continent = ToUpper(Trim(text.substr(open + 1, close - open - 1)));
        }
    }
    if (!alias.text.empty()) entity.aliases.push_back(std::move(alias));
}

void AddAliases(std::string_view text, CountryEntity& entity) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size();
        AddAlias(text.substr(start, comma - start), entity);
        start = comma + 1;
    }
}

}  // namespace

ParsedCountryFile ParseCountryFile(std::string_view text) {
    ParsedCountryFile result;
    ProblemList problems;
    bool listOpen = false;  // the last entity's alias list has not met its ';' yet
    LineCursor lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        if (Trim(line).empty()) continue;
        // Aliases never hold a colon, so a line with one is a header.
        if (line.find(':') != std::string_view::npos) {
            if (listOpen) problems.Add(result.entities.back().line, "alias list not ended by ';'");
            CountryEntity entity;
            entity.line = lines.LineNumber();
            listOpen = ParseHeader(line, entity);
            if (listOpen) result.entities.push_back(std::move(entity));
            else problems.Add(lines.LineNumber(), "not a valid entity header");
            continue;
        }
        if (!listOpen) {
            problems.Add(lines.LineNumber(), "alias line outside an entity");
            continue;
        }
        const std::size_t end = line.find(';');
        AddAliases(line.substr(0, end), result.entities.back());
        if (end != std::string_view::npos) {
            listOpen = false;
            if (!Trim(line.substr(end + 1)).empty()) problems.Add(lines.LineNumber(), "text after ';'");
        }
    }
    if (listOpen) problems.Add(result.entities.back().line, "alias list not ended by ';'");
    result.problems = problems.Take();
    return result;
}

}  // namespace replay
