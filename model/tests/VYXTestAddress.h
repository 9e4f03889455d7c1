// VYXTestAddress.h: body addresses for the door-edit and undo tests.
#pragma once

#include <cstdint>

#include "model/VYXDocAddress.h"

// The address of character `pos` of item `item` of the main body.
inline TVYXDocAddress VYXTestAddressAt(int item, std::int32_t pos)
{
    TVYXDocAddress a;
    a.Item = item;
    a.CharPos = pos;
    return a;
}
