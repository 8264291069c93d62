#include "engine/CallAreas.h"

#include <algorithm>

int CallAreaEntityOf(const CString& dxccPrefix)
{
    const auto found = std::find(std::begin(kCallAreaEntities), std::end(kCallAreaEntities), dxccPrefix);
    return found == std::end(kCallAreaEntities) ? -1 : static_cast<int>(found - std::begin(kCallAreaEntities));
}

CString CallAreaCode(int entity, int digit) { return kCallAreaEntities[entity] + std::to_string(digit); }

void SetCallArea(CInfo& record, const CString& dxccPrefix, const CString& callPrefix)
{
    if (CallAreaEntityOf(dxccPrefix) < 0)
        return;
    for (char c : callPrefix)
        if (c >= '0' && c <= '9')
            record.callArea = c - '0';
}
