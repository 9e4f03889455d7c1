// VYXReferenceTable.h: reads the tab-separated reference tables of formula/tests/data.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The rows of a table, each split at tabs; lines starting with "#" are comments.
inline std::vector<std::vector<std::string>> ReadReferenceTable(const std::string& name)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(std::string(VYX_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        rows.push_back(std::move(cells));
    }
    return rows;
}
