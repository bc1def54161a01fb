#include "shared/twips.h"

#include <cmath>

int Twips::half(double x)
{
    const auto whole = static_cast<long long>(std::nearbyint(x)); // default rounding: ties to even
    return static_cast<int>(whole / 2);
}
