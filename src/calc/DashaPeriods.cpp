#include "DashaPeriods.h"

#include "DecimalYear.h"

#include <numeric>

namespace tarvik {

namespace {

// A period ending within this many units of birth (some microseconds) ends
// at birth: the elapsed years come from a longitude and carry its rounding.
constexpr double AtBirthTolerance = 1e-6;

} // namespace

double BirthDecimalYear(double day, double month, double year)
{
    return (month / 12 + year) + day / 360;
}

DashaPeriods::DashaPeriods(const DashaSystem& system, int firstLord, double elapsed, double birth)
    : years_(system.years), mahadashas_(system.mahadashas), levels_(system.levels),
      firstLord_(firstLord), elapsed_(elapsed), birth_(birth)
{
    const long long cycle = std::accumulate(years_.begin(), years_.end(), 0LL);
    for (int l = 1; l < levels_; ++l)
        unitsPerYear_ *= cycle;
    elapsedUnits_ = elapsed * static_cast<double>(unitsPerYear_);

    ends_.reserve(static_cast<std::size_t>(Count(static_cast<DashaLevel>(levels_ - 1))));
    long long end = 0;
    for (int k = 0; k < mahadashas_; ++k)
        divide(0, (firstLord_ + k) % Lords(), 1, end);
}

void DashaPeriods::divide(int level, int lord, long long product, long long& end)
{
    product *= years_[static_cast<std::size_t>(lord)];
    if (level == levels_ - 1) {
        end += product;
        if (runningAtBirth_ < 0 && !endsBeforeBirth(end))
            runningAtBirth_ = static_cast<int>(ends_.size());
        ends_.push_back(end);
        return;
    }
    for (int j = 0; j < Lords(); ++j)
        divide(level + 1, (lord + j) % Lords(), product, end);
}

int DashaPeriods::Count(DashaLevel level) const
{
    int n = mahadashas_;
    for (int l = 0; l < static_cast<int>(level); ++l)
        n *= Lords();
    return n;
}

int DashaPeriods::span(DashaLevel level) const
{
    return Count(static_cast<DashaLevel>(levels_ - 1)) / Count(level);
}

bool DashaPeriods::endsBeforeBirth(long long units) const
{
    return static_cast<double>(units) < elapsedUnits_ - AtBirthTolerance;
}

DashaPeriod DashaPeriods::Period(DashaLevel level, int n) const
{
    const int width = span(level);
    // A number outside the tree is the caller's fault: at() throws, and the
    // page being drawn is abandoned with a message.
    const long long endUnits = ends_.at(static_cast<std::size_t>((n + 1) * width - 1));
    const long long startUnits = n <= 0 ? 0 : ends_.at(static_cast<std::size_t>(n * width - 1));

    // A lord is its parent's moved on by its place among its siblings, so it
    // is the birth lord moved on by every digit of its number written with
    // one digit per level (the mahadasha's number the leading one).
    int lord = firstLord_;
    int rest = n;
    for (int l = static_cast<int>(level); l > 0; --l) {
        lord += rest % Lords();
        rest /= Lords();
    }

    const double firstStart = birth_ - elapsed_;
    const double perYear = static_cast<double>(unitsPerYear_);
    DashaPeriod period;
    period.lord = (lord + rest) % Lords();
    period.start = firstStart + static_cast<double>(startUnits) / perYear;
    period.end = firstStart + static_cast<double>(endUnits) / perYear;
    period.endedBeforeBirth = endsBeforeBirth(endUnits);
    return period;
}

int DashaPeriods::RunningAtBirth(DashaLevel level) const
{
    return runningAtBirth_ / span(level);
}

std::string EndDateText(const DashaPeriod& period, const RunChoices& run)
{
    return period.endedBeforeBirth ? run.dash : DecimalYearToDate(period.end, true, run);
}

std::string EndDateTimeText(const DashaPeriod& period, const RunChoices& run)
{
    return period.endedBeforeBirth ? run.dash : DecimalYearToDateTime(period.end, run);
}

} // namespace tarvik
