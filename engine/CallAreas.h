#pragma once
// The DXCC entities whose call areas 0 to 9 are multipliers of their own, one row each, in the
// order the call-area window shows them and the refresh marks them. A call area's code is the
// entity's prefix followed by the area's digit ("K1", "JA0").
#include <iterator>

#include "engine/ContestRecords.h"

inline constexpr const char* kCallAreaEntities[] = {"K", "VE", "JA", "VK"};
constexpr int kCallAreaEntityCount = static_cast<int>(std::size(kCallAreaEntities));
constexpr int kCallAreasPerEntity = 10;

// The row whose prefix is exactly `dxccPrefix`, or -1: that entity has no call areas.
int CallAreaEntityOf(const CString& dxccPrefix);

// "K1" for entity 0 ("K") and digit 1.
CString CallAreaCode(int entity, int digit);

// A station's call area: the last digit of its call prefix when `dxccPrefix` is a call-area
// entity; -1 for a call prefix without a digit, or for any other entity.
int CallAreaOf(const CString& dxccPrefix, const CString& callPrefix);
