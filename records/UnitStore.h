// Where unit records are kept: an SQLite file on the bench (SqliteStore.h)
// or a PostgreSQL server many benches share (PostgresStore.h). Both keep the
// same columns, take the same filters and keep the first record of an ID.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "records/UnitRecord.h"

namespace velmora::records {

struct UnitFilter {
    std::string uid;
    std::string since;  // UTC "2026-12-09" or "2026-12-09T08:00:00Z", inclusive
    std::string until;  // the same; a day alone means to its end
    std::string bench;
    std::optional<bool> ok;  // passed (true) or failed (false) only
    std::string firmware;    // its SHA-256 or its file name
    std::string runId;
};

class UnitStore {
public:
    virtual ~UnitStore() = default;
    // Adds the record as one transaction; a record whose ID is kept already
    // is left as it was. False with the reason on failure.
    virtual bool Add(const UnitRecord& record, std::string* error) = 0;
    // The records that pass the filter, newest first.
    virtual bool Find(const UnitFilter& filter, std::vector<UnitRecord>& found,
                      std::string* error) = 0;
    // The passed records of a run.
    virtual bool CountPassed(const std::string& runId, long long& count, std::string* error) = 0;
};

// True for a postgresql:// or postgres:// URL.
bool IsPostgresTarget(const std::string& target);

// A filter's time bound as an error text: empty when it is a day
// (YYYY-MM-DD) or a UTC time (YYYY-MM-DDTHH:MM:SSZ).
std::string TimeBoundError(const std::string& bound);

// The columns every store keeps, in this order, and a record as their
// texts (numbers in decimal, ok as 0 or 1) and back.
extern const char* const kUnitColumns[];
inline constexpr int kUnitColumnCount = 21;
std::string UnitColumnList();
std::vector<std::string> UnitValues(const UnitRecord& record);
UnitRecord UnitFromValues(const std::vector<std::string>& values);

// The filter as " WHERE ..." (or nothing) with placeholders made by
// placeholder(n) for n = 1, 2, ...; the values go into params.
std::string UnitWhere(const UnitFilter& filter, std::string (*placeholder)(int),
                      std::vector<std::string>& params);

}  // namespace velmora::records
