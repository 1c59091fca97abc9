#pragma once
#include "platform/Conversions.h"

// The conversions of stored settings and portal answers, under the names
// the environment's code uses.
namespace zv::core {
using platform::isNumeric;
using platform::toDate;
using platform::toDateTime;
using platform::toDouble;
using platform::toInt16;
using platform::toInt32;
} // namespace zv::core
