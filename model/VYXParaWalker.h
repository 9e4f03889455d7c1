// VYXParaWalker.h: the body as markup ranges and revisions walk it. Both sit below the
// paragraph list and reach paragraphs only through this interface, which the body
// implements (VYXBodyWalker.h); keeping it apart lets revisions use it without
// depending on fields, and fields without depending on revisions.
#pragma once

#include <vector>

class TVYXLogPara;
class TVYXCharRuns;
class TVYXPAPX;

// One paragraph: the model below the paragraph list knows it only by handle.
struct TVYXParaRef {
    TVYXLogPara* Para = nullptr;   // borrowed, opaque here
    TVYXCharRuns* Runs = nullptr;  // the paragraph's runs
    TVYXPAPX* PAPX = nullptr;      // the paragraph's own list; nullptr when it has none
};

// Implemented by the paragraph list: ranges that span paragraphs and the
// revision manager reach the paragraphs through it, so the run-level code
// does not depend on how paragraphs and tables are stored.
class TVYXParaWalker {
public:
    virtual ~TVYXParaWalker() = default;
    // Every paragraph in reading order, the paragraphs of table cells included.
    virtual std::vector<TVYXParaRef> Paras() const = 0;
    // Removes a paragraph that lost all its runs; false when the body must keep
    // it (the last paragraph of a cell or of the document).
    virtual bool RemovePara(TVYXLogPara* para) = 0;
};
