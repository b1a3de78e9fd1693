// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauge/enginetype.h"

namespace EngineType {

namespace {
const Setup kTwo{2, "2", 12000.0, "RPMbackground12000.svg", 12000, 133.0, ":/images/imgs/brundholt2.jpg"};
const Setup kFour{4, "4", 17000.0, "RPMbackground16000.svg", 17000, 149.0, ":/images/imgs/brundholt4.jpg"};
}  // namespace

const Setup &setupFor(int cylinders)
{
    return cylinders == 2 ? kTwo : kFour;
}

}  // namespace EngineType
