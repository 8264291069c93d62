#include "engine/ContestRecords.h"

#include <algorithm>

CContestRules::CContestRules(const char* const* names, int count)
{
    for (int i = 0; i < count; ++i)
        Add(names[i]);
}

int CContestRules::Contains(CString name) const
{
    return std::any_of(begin(), end(), [&](const CString& entry) { return entry.EqualsNoCase(name); }) ? 1 : 0;
}
