// What the session's import works with, for the window above it: the list a
// file or URL gives (SourceList, ReadTransponderList, IsListUrl), the merge's
// choices, counts and changes (MergeOptions, MergeCounts, MergeChanges) and
// the scan-table catalog (CatalogEntry, ReadCatalogEntries).
#pragma once

#include "exchange/ListDownload.h"
#include "exchange/ListMerge.h"
#include "exchange/MergeChanges.h"
#include "exchange/ScanCatalog.h"
#include "exchange/TransponderList.h"
