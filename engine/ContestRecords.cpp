#include "engine/ContestRecords.h"

CContestRules::CContestRules(const char* const* names, int count)
{
    for (int i = 0; i < count; ++i)
        Add(names[i]);
}

int CContestRules::Contains(CString name) const
{
    for (const CString& entry : *this)
        if (entry.EqualsNoCase(name))
            return 1;
    return 0;
}
