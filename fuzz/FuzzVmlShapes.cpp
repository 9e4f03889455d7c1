// FuzzVmlShapes.cpp: first line a path (also read as connection sites, a handle and text rectangles), further lines formulas;
// parsing raises VYXException or succeeds, paths, handles and sites never fail.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXVmlShapes.h"
#include "platform/VYXException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = text.find('\n');
    const std::string_view path = text.substr(0, eol);
    std::vector<TVYXShapeFormula> formulas;
    std::size_t pos = eol == std::string_view::npos ? text.size() : eol + 1;
    while (pos < text.size() && formulas.size() < 256) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        try {
            formulas.push_back(VYXParseShapeFormula(text.substr(pos, end - pos)));
        } catch (const VYXException&) {
        }
        pos = end + 1;
    }
    VYXVmlShapePath(path, formulas, 21600, 21600, {5400, 10800}, 100, 50);
    VYXVmlShapeConnectLocs(path, path, formulas, 21600, 21600, {5400, 10800}, 100, 50);
    const std::string def(path);
    VYXVmlShapeHandles({{def, def, def, "", ""}, {def, def, def, def, def}}, formulas, 21600, 21600, {5400, 10800}, 100,
                       50);  // an XY handle and a polar one
    TVYXShapeRect rect;
    VYXVmlShapeTextRect(path, formulas, 21600, 21600, {5400, 10800}, 100, 50, rect);
    return 0;
}
