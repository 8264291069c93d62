#include "engine/CallAreas.h"

#include <algorithm>

int CallAreaEntityOf(const CString& dxccPrefix)
{
    const auto found = std::find(std::begin(kCallAreaEntities), std::end(kCallAreaEntities), dxccPrefix);
    return found == std::end(kCallAreaEntities) ? -1 : static_cast<int>(found - std::begin(kCallAreaEntities));
}

CString CallAreaCode(int entity, int digit) { return kCallAreaEntities[entity] + std::to_string(digit); }

int CallAreaOf(const CString& dxccPrefix, const CString& callPrefix)
{
    const auto digit =
        std::find_if(callPrefix.rbegin(), callPrefix.rend(), [](char c) { return c >= '0' && c <= '9'; });
    return CallAreaEntityOf(dxccPrefix) < 0 || digit == callPrefix.rend() ? -1 : *digit - '0';
}
