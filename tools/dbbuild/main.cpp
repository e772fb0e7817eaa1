// dbbuild: builds one of the program's database files from its sources.
//
//   dbbuild --out FILE --schema SQL
//           [--table NAME=FILE.csv]... [--keyed NAME=FOLDER:WIDTH]...

#include "DbBuilder.h"

#include "refdata/Database.h"

#include <cstring>
#include <iostream>

using namespace tarvik::dbbuild;

namespace {

int Usage()
{
    std::cerr << "usage: dbbuild --out FILE --schema SQL "
                 "[--table NAME=FILE.csv]... [--keyed NAME=FOLDER:WIDTH]...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    BuildPlan plan;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--out") {
            plan.output = next();
        } else if (arg == "--schema") {
            plan.schema = next();
        } else if (arg == "--table") {
            const std::string v = next();
            const auto eq = v.find('=');
            if (eq == std::string::npos)
                return Usage();
            plan.tables.push_back({v.substr(0, eq), v.substr(eq + 1)});
        } else if (arg == "--keyed") {
            const std::string v = next();
            const auto eq = v.find('='), colon = v.rfind(':');
            if (eq == std::string::npos || colon == std::string::npos || colon < eq)
                return Usage();
            plan.keyed.push_back({v.substr(0, eq), v.substr(eq + 1, colon - eq - 1),
                                  std::stoul(v.substr(colon + 1))});
        } else {
            return Usage();
        }
    }
    if (plan.output.empty() || plan.schema.empty())
        return Usage();
    try {
        BuildDatabase(plan);
    } catch (const BuildError& e) {
        std::cerr << "dbbuild: " << e.what() << "\n";
        return 1;
    } catch (const tarvik::DbError& e) {
        std::cerr << "dbbuild: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
