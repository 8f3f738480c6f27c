// The Windows build has no libpq: a postgresql:// target is refused with a
// reason, and records go to SQLite files.
#include "records/PostgresStore.h"

namespace velmora::records {

std::unique_ptr<PostgresStore> PostgresStore::Open(const std::string& url, std::string* error) {
    if (error != nullptr) *error = url + ": PostgreSQL records are not part of the Windows build";
    return nullptr;
}

PostgresStore::~PostgresStore() = default;

bool PostgresStore::Add(const UnitRecord&, std::string*) { return false; }

bool PostgresStore::Find(const UnitFilter&, std::vector<UnitRecord>&, std::string*) {
    return false;
}

bool PostgresStore::CountPassed(const std::string&, long long&, std::string*) { return false; }

}  // namespace velmora::records
