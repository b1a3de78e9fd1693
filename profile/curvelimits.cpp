#include "profile/curvelimits.h"

CurveLimits CurveLimits::forHardware(unsigned char hwVersion)
{
    if (hwVersion <= 10)
        return CurveLimits{-10.0f, 25.0f, 5, 10};
    return CurveLimits{-20.0f, 50.0f, 10, 5};
}
