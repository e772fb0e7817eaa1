#include "PrintRun.h"

#include "registry/PageCatalogue.h"

namespace tarvik {

std::vector<PrintStep> PrintRunPages(const std::vector<std::string>& chosenKeys, int firstYear, int years,
                                     int aspectPages)
{
    std::vector<PrintStep> steps;
    for (const std::string& key : chosenKeys) {
        const std::vector<std::string> pages = GroupPages(key, aspectPages);
        if (key != VarshphalGroupKey) {
            for (const std::string& page : pages)
                steps.push_back({page, std::nullopt});
            continue;
        }
        for (int n = 0; n < years; ++n)
            for (const std::string& page : pages)
                steps.push_back({page, firstYear + n});
    }
    return steps;
}

} // namespace tarvik
