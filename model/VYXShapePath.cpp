// VYXShapePath.cpp: outline helpers shared by the shape definition evaluators.
#include "model/VYXShapePath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void VYXAppendArc(TVYXGrShapePath& path, double cx, double cy, double rx, double ry, double start, double sweep,
                  double& endX, double& endY)
{
    endX = cx + rx * std::cos(start + sweep);
    endY = cy + ry * std::sin(start + sweep);
    if (sweep == 0)
        return;
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 2) - 1e-9)));
    const double step = sweep / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4);  // control distance of a circular piece
    double t = start;
    for (int i = 0; i < pieces; ++i) {
        const double u = t + step;
        const double x0 = std::cos(t), y0 = std::sin(t), x3 = std::cos(u), y3 = std::sin(u);
        path.push_back({agspcCurveTo,
                        {cx + rx * (x0 - k * y0), cy + ry * (y0 + k * x0), cx + rx * (x3 + k * y3),
                         cy + ry * (y3 - k * x3), cx + rx * x3, cy + ry * y3}});
        t = u;
    }
}
