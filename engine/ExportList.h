// The eleven exports, one line each: the function's name and the MSVC-decorated name of its own
// name and signature (cdecl, global function), under which the library exports it too. An
// includer defines STATS_EXPORT(name, decorated) first; this file undefines it again. The build
// writes Stats.def from these lines, and the export boundary's table (tools/stats-exports)
// takes its members and their names from them, in this order.
STATS_EXPORT(AddData0, "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z")
STATS_EXPORT(RemoveData0, "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z")
STATS_EXPORT(ResetStats0, "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z")
STATS_EXPORT(CheckCall0, "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z")
STATS_EXPORT(GetResult0, "?GetResult0@@YAPBDPAH@Z")
STATS_EXPORT(GetSetName, "?GetSetName@@YAPBDH@Z")
STATS_EXPORT(GetNumberOfSets, "?GetNumberOfSets@@YAHXZ")
STATS_EXPORT(GetExchgCount0, "?StatsGetExchgCount0@@YAHPBD00@Z")
STATS_EXPORT(IsValidExchg0, "?StatsIsValidExchg0@@YAHPBD000HHH@Z")
STATS_EXPORT(setVersion, "?setVersion@@YAKPBD@Z")
STATS_EXPORT(SetupSet0, "?SetupSet0@@YAXXZ")
#undef STATS_EXPORT
