// VYXBodyTestDoc.h: a document with the built-in styles and an empty body 300 pt wide, for body tests.
#pragma once

#include <string>
#include <vector>

#include "model/VYXDocSection.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXStyles.h"

// Laid-out rows of a fixed size, as layout would leave them.
class TTestRows : public TVYXPhyRowsBase {
public:
    TTestRows(double width, double height) : FWidth(width), FHeight(height) {}
    void Clear() override { FWidth = FHeight = 0; }
    int Count() const override { return FHeight > 0 ? 1 : 0; }
    double PixHeight() const override { return FHeight; }
    double PixWidth() const override { return FWidth; }

private:
    double FWidth, FHeight;
};

struct TVYXBodyTestDoc {
    TVYXLogDocument Doc;
    TVYXLogParas& Body;
    TVYXStyles& Styles;
    TVYXNumberings& Numberings;
    TVYXDOP& DOP;
    TVYXBodyTestDoc()
        : Body(Doc.Paras()), Styles(Doc.Styles()), Numberings(Doc.Numberings()), DOP(Doc.DOP())
    {
        // A page whose text column is 300 pt: the widths the tests compute with.
        Doc.SEP().MargLeft = Doc.SEP().MargRight = 0;
        Doc.SEP().SetPageWidth(300);
    }
};

// Every paragraph's text in reading order, "|" between cells' paragraphs and root ones alike.
inline std::vector<std::u16string> ReadingOrder(TVYXLogParas& paras)
{
    std::vector<std::u16string> texts;
    TVYXLogParasIterator it;
    it.ParaEvent = [&texts](TVYXLogPara& p) { texts.push_back(p.GetPlainText()); };
    it.Iterate(paras);
    return texts;
}
