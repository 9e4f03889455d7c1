// VYXBodyTestDoc.h: a document bundle with the built-in styles and a root paragraph list, for body tests.
#pragma once

#include <string>
#include <vector>

#include "model/VYXDefaultStyles.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
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
    TVYXStyles Styles;
    TVYXNumberings Numberings;
    TVYXDOP DOP;
    TVYXRootData Root;
    TVYXLogParasRootIterator Nav;
    TVYXLogParas Body;
    TVYXBodyTestDoc() : Body(&Root, &Nav)
    {
        VYXBuildDefaultStyles(Styles);
        Root.Styles = &Styles;
        Root.MasterCHP = &Styles.MasterCHP();
        Root.MasterPAP = &Styles.MasterPAP();
        Root.MasterTAP = &Styles.MasterTAP();
        Root.Numberings = &Numberings;
        Root.DOP = &DOP;
        Root.CreateTemps();
        Nav.Paras = &Body;
        Body.WidthEvent = [] { return 300.0; };
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
