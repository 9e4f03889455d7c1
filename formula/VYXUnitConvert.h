// VYXUnitConvert.h: the unit table behind CONVERT.
//
// Units are named as spreadsheets name them ("mi", "lbm", "degC" is "C",
// "cel"), case-sensitive. Metric units take the decimal prefixes Y .. y
// ("km", "mg", "dam"), squared and cubed lengths take them squared and cubed
// ("km2"), and "bit" and "byte" also the binary prefixes ki .. Yi.
// Not supported: the rarer historical units, and prefixes on non-metric units.
#pragma once

#include <string_view>

#include "formula/VYXMathUtils.h"

// `value` in unit `from` expressed in unit `to`; vneNA for unknown units or
// units of different quantities (mass to length).
TVYXNumResult VYXConvertUnit(double value, std::string_view from, std::string_view to);
