#include <cstdlib>
#include <filesystem>

#include "records/SqliteStore.h"
#include "session/Session.h"
#include "session/UserData.h"

namespace velmora {

std::string Session::UnitRecordsPath() {
    const std::string folder = UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    return folder.empty() ? std::string() : folder + "/units.sqlite";
}

bool Session::FindUnitRecords(const records::UnitFilter& filter,
                              std::vector<records::UnitRecord>& found, std::string* error) const {
    const std::string path = UnitRecordsPath();
    std::error_code ec;
    // No bench has recorded here yet: nothing to show, and no file made.
    if (path.empty() || !std::filesystem::exists(path, ec)) return true;
    auto store = records::SqliteStore::Open(path, false, error);
    return store && store->Find(filter, found, error);
}

}  // namespace velmora
