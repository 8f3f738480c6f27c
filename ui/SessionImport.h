// What the session's import works with, for the window above it: the list a
// file gives (SourceList, ReadTransponderList) and the merge's choices and
// counts (MergeOptions, MergeCounts).
#pragma once

#include "exchange/ListMerge.h"
#include "exchange/TransponderList.h"
