// A page that reads the chart it is not handed (its longitudes in [0, 360)): Chart() in a comment is no read.
#include "pages/Page.h"

void draw(const PageContext& page)
{
    const double moon = Chart().PlanetLongitudes[8];
    const double sun = page.chart.PlanetLongitudes[2];
}
