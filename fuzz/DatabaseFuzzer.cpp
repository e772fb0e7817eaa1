// Any bytes as the places file (Tarvik-Dat.MDB, the file users copy between
// machines and receive from others): the zone and place lists are read, or
// the file is refused with a DbError that names it; nothing gives way.

#include "refdata/Database.h"
#include "refdata/Places.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvik;
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-database-XXXXXX").string();
        return std::string(::mkdtemp(pattern.data()));
    }();
    const std::string path = folder + "/Tarvik-Dat.MDB";
    std::filesystem::remove(path + "-journal");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        Database db(path, OpenMode::ReadOnly);
        int zones = 0;
        for (const ZoneEntry& zone : ZoneList(db)) {
            PlaceList(db, zone.countryId);
            ReadCountry(db, zone.countryId);
            if (++zones == 8)
                break;
        }
    } catch (const DbError& e) {
        if (e.File() != path)
            std::abort();   // every refusal names the file
    }
    return 0;
}
