// VYXUnitConvert.cpp: unit factors for CONVERT, relative to one base unit per quantity.
#include "formula/VYXUnitConvert.h"

#include <algorithm>
#include <optional>

namespace {

enum TQuantity { qMass, qLength, qTime, qPressure, qForce, qEnergy, qPower, qMagnetism, qTemperature,
                 qVolume, qArea, qInformation, qSpeed };

struct TUnit {
    std::string_view Name;
    TQuantity Quantity;
    double Factor;      // base units per unit; temperatures are handled apart
    int Prefix;         // 0 none, 1 decimal prefixes, 2 decimal and binary
    int Power = 1;      // a prefix scales squared and cubed units by its square and cube
};

// Sorted by name (byte order), binary search.
constexpr TUnit cUnits[] = {
    {"BTU", qEnergy, 1055.05585262, 0},
    {"C", qTemperature, 1, 0},
    {"F", qTemperature, 1, 0},
    {"GRT", qVolume, 2.8316846592, 0},
    {"HP", qPower, 745.69987158227, 0},
    {"HPh", qEnergy, 2684519.53769617, 0},
    {"J", qEnergy, 1, 1},
    {"K", qTemperature, 1, 1},
    {"L", qVolume, 1e-3, 1},
    {"MTON", qVolume, 1.13267386368, 0},
    {"Morgen", qArea, 2500, 0},
    {"N", qForce, 1, 1},
    {"Nmi", qLength, 1852, 0},
    {"Nmi2", qArea, 3429904, 0},
    {"P", qPressure, 1, 1},
    {"PS", qPower, 735.49875, 0},
    {"Pa", qPressure, 1, 1},
    {"Pica", qLength, 0.0254 / 72, 0},
    {"Rank", qTemperature, 1, 0},
    {"Reau", qTemperature, 1, 0},
    {"T", qMagnetism, 1, 1},
    {"Torr", qPressure, 133.322368421053, 0},
    {"W", qPower, 1, 1},
    {"Wh", qEnergy, 3600, 1},
    {"admkn", qSpeed, 0.514773333333333, 0},
    {"ang", qLength, 1e-10, 1},
    {"ang2", qArea, 1e-20, 1, 2},
    {"ang3", qVolume, 1e-30, 1, 3},
    {"ar", qArea, 100, 1},
    {"at", qPressure, 101325, 1},
    {"atm", qPressure, 101325, 1},
    {"barrel", qVolume, 0.158987294928, 0},
    {"bit", qInformation, 1, 2},
    {"brton", qMass, 1016046.9088, 0},
    {"bushel", qVolume, 0.03523907016688, 0},
    {"byte", qInformation, 8, 2},
    {"c", qEnergy, 4.184, 1},
    {"cal", qEnergy, 4.1868, 1},
    {"cel", qTemperature, 1, 0},
    {"cup", qVolume, 2.365882365e-4, 0},
    {"cwt", qMass, 45359.237, 0},
    {"d", qTime, 86400, 0},
    {"day", qTime, 86400, 0},
    {"dy", qForce, 1e-5, 1},
    {"dyn", qForce, 1e-5, 1},
    {"e", qEnergy, 1e-7, 1},
    {"eV", qEnergy, 1.602176487e-19, 1},
    {"ell", qLength, 1.143, 0},
    {"ev", qEnergy, 1.602176487e-19, 1},
    {"fah", qTemperature, 1, 0},
    {"flb", qEnergy, 1.3558179483314, 0},
    {"ft", qLength, 0.3048, 0},
    {"ft2", qArea, 0.09290304, 0},
    {"ft3", qVolume, 0.028316846592, 0},
    {"g", qMass, 1, 1},
    {"ga", qMagnetism, 1e-4, 1},
    {"gal", qVolume, 3.785411784e-3, 0},
    {"grain", qMass, 0.06479891, 0},
    {"h", qPower, 745.69987158227, 0},
    {"ha", qArea, 10000, 0},
    {"hh", qEnergy, 2684519.53769617, 0},
    {"hr", qTime, 3600, 0},
    {"hweight", qMass, 50802.34544, 0},
    {"in", qLength, 0.0254, 0},
    {"in2", qArea, 0.00064516, 0},
    {"in3", qVolume, 1.6387064e-5, 0},
    {"kel", qTemperature, 1, 1},
    {"kn", qSpeed, 1852.0 / 3600, 0},
    {"l", qVolume, 1e-3, 1},
    {"lbf", qForce, 4.4482216152605, 0},
    {"lbm", qMass, 453.59237, 0},
    {"lcwt", qMass, 50802.34544, 0},
    {"lt", qVolume, 1e-3, 1},
    {"ly", qLength, 9.4607304725808e15, 1},
    {"m", qLength, 1, 1},
    {"m/h", qSpeed, 1.0 / 3600, 1},
    {"m/hr", qSpeed, 1.0 / 3600, 1},
    {"m/s", qSpeed, 1, 1},
    {"m/sec", qSpeed, 1, 1},
    {"m2", qArea, 1, 1, 2},
    {"m3", qVolume, 1, 1, 3},
    {"mi", qLength, 1609.344, 0},
    {"mi2", qArea, 2589988.110336, 0},
    {"mi3", qVolume, 4168181825.44058, 0},
    {"min", qTime, 60, 0},
    {"mmHg", qPressure, 133.322, 1},
    {"mn", qTime, 60, 0},
    {"mph", qSpeed, 0.44704, 0},
    {"oz", qVolume, 2.95735295625e-5, 0},
    {"ozm", qMass, 28.349523125, 0},
    {"p", qPressure, 1, 1},
    {"parsec", qLength, 3.08567758128155e16, 1},
    {"pc", qLength, 3.08567758128155e16, 1},
    {"pica", qLength, 0.0254 / 6, 0},
    {"pond", qForce, 9.80665e-3, 1},
    {"psi", qPressure, 6894.75729316836, 0},
    {"pt", qVolume, 4.73176473e-4, 0},
    {"qt", qVolume, 9.46352946e-4, 0},
    {"regton", qVolume, 2.8316846592, 0},
    {"s", qTime, 1, 1},
    {"sec", qTime, 1, 1},
    {"sg", qMass, 14593.90294, 0},
    {"shweight", qMass, 45359.237, 0},
    {"stone", qMass, 6350.29318, 0},
    {"survey_mi", qLength, 1609.34721869444, 0},
    {"tbs", qVolume, 1.478676478125e-5, 0},
    {"ton", qMass, 907184.74, 0},
    {"tsp", qVolume, 4.92892159375e-6, 0},
    {"tspm", qVolume, 5e-6, 0},
    {"u", qMass, 1.660538782e-24, 1},
    {"uk_acre", qArea, 4046.8564224, 0},
    {"uk_cwt", qMass, 50802.34544, 0},
    {"uk_gal", qVolume, 4.54609e-3, 0},
    {"uk_pt", qVolume, 5.6826125e-4, 0},
    {"uk_qt", qVolume, 1.1365225e-3, 0},
    {"uk_ton", qMass, 1016046.9088, 0},
    {"us_acre", qArea, 4046.87260987425, 0},
    {"us_pt", qVolume, 4.73176473e-4, 0},
    {"w", qPower, 1, 1},
    {"wh", qEnergy, 3600, 1},
    {"yd", qLength, 0.9144, 0},
    {"yd2", qArea, 0.83612736, 0},
    {"yd3", qVolume, 0.764554857984, 0},
    {"yr", qTime, 31557600, 0},
};

static_assert(std::is_sorted(std::begin(cUnits), std::end(cUnits),
                             [](const TUnit& a, const TUnit& b) { return a.Name < b.Name; }));

struct TPrefix {
    std::string_view Text;
    double Factor;
    bool Binary;
};
// Two-letter prefixes first, so "da" wins over "d".
constexpr TPrefix cPrefixes[] = {
    {"da", 1e1, false},  {"ki", 1024.0, true},  {"Mi", 1048576.0, true}, {"Gi", 1073741824.0, true},
    {"Ti", 1099511627776.0, true}, {"Pi", 1125899906842624.0, true}, {"Ei", 1152921504606846976.0, true},
    {"Zi", 1180591620717411303424.0, true}, {"Yi", 1208925819614629174706176.0, true},
    {"Y", 1e24, false},  {"Z", 1e21, false},   {"E", 1e18, false},  {"P", 1e15, false},
    {"T", 1e12, false},  {"G", 1e9, false},    {"M", 1e6, false},   {"k", 1e3, false},
    {"h", 1e2, false},   {"d", 1e-1, false},   {"c", 1e-2, false},  {"m", 1e-3, false},
    {"u", 1e-6, false},  {"n", 1e-9, false},   {"p", 1e-12, false}, {"f", 1e-15, false},
    {"a", 1e-18, false}, {"z", 1e-21, false},  {"y", 1e-24, false},
};

const TUnit* FindExact(std::string_view name)
{
    const auto it = std::lower_bound(std::begin(cUnits), std::end(cUnits), name,
                                     [](const TUnit& u, std::string_view n) { return u.Name < n; });
    return it != std::end(cUnits) && it->Name == name ? it : nullptr;
}

struct TResolved {
    const TUnit* Unit;
    double Scale;  // the prefix's factor, raised to the unit's power
};

std::optional<TResolved> Resolve(std::string_view name)
{
    if (const TUnit* u = FindExact(name))
        return TResolved{u, 1};
    for (const TPrefix& p : cPrefixes) {
        if (!name.starts_with(p.Text))
            continue;
        const TUnit* u = FindExact(name.substr(p.Text.size()));
        if (!u || u->Prefix == 0 || (p.Binary && u->Prefix != 2))
            continue;
        double scale = 1;
        for (int i = 0; i < u->Power; ++i)
            scale *= p.Factor;
        return TResolved{u, scale};
    }
    return std::nullopt;
}

double ToKelvin(std::string_view unit, double v)
{
    if (unit == "C" || unit == "cel")
        return v + 273.15;
    if (unit == "F" || unit == "fah")
        return (v - 32) * 5 / 9 + 273.15;
    if (unit == "Rank")
        return v * 5 / 9;
    if (unit == "Reau")
        return v * 1.25 + 273.15;
    return v;  // K, kel
}

double FromKelvin(std::string_view unit, double k)
{
    if (unit == "C" || unit == "cel")
        return k - 273.15;
    if (unit == "F" || unit == "fah")
        return (k - 273.15) * 9 / 5 + 32;
    if (unit == "Rank")
        return k * 9 / 5;
    if (unit == "Reau")
        return (k - 273.15) * 0.8;
    return k;
}

}  // namespace

TVYXNumResult VYXConvertUnit(double value, std::string_view from, std::string_view to)
{
    const auto a = Resolve(from), b = Resolve(to);
    if (!a || !b || a->Unit->Quantity != b->Unit->Quantity)
        return TVYXNumResult::Fail(vneNA);
    if (a->Unit->Quantity == qTemperature)
        return TVYXNumResult::Ok(FromKelvin(b->Unit->Name, ToKelvin(a->Unit->Name, value * a->Scale)) / b->Scale);
    return TVYXNumResult::Ok(value * (a->Unit->Factor * a->Scale) / (b->Unit->Factor * b->Scale));
}
