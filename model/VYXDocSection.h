// VYXDocSection.h: section properties, document properties and protection, and the document's metadata.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/VYXDocProps.h"

class TVYXDOP;

enum TVYXSEPType { astUndefined, astContinous, astEvenPage, astOddPage, astNextColumn, astNextPage };

struct TVYXSEPCol {
    double Width = 0;
    double Space = 0;  // to the next column
    double XOffs = 0;  // from the left margin
    bool operator==(const TVYXSEPCol&) const = default;
};

class TVYXSEPCols {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXSEPCol& Items(int index) { return FItems.at(static_cast<std::size_t>(index)); }
    const TVYXSEPCol& Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    TVYXSEPCol& Add(double width, double space);
    void Clear() { FItems.clear(); }
    // The mean of the spaces, 0 without columns.
    double AverageColSpace() const;
    bool operator==(const TVYXSEPCols&) const = default;

private:
    std::vector<TVYXSEPCol> FItems;
};

// Section properties. A negative length is not set by the section and comes from the master section.
class TVYXSEP {
public:
    TVYXSEP(TVYXSEP* masterSEP, TVYXDOP* dop) : MasterSEP(masterSEP), DOP(dop) { Clear(); }
    TVYXSEP(const TVYXSEP&) = delete;
    TVYXSEP& operator=(const TVYXSEP&) = delete;

    TVYXSEP* MasterSEP;  // borrowed; nullptr in the master itself
    TVYXDOP* DOP;        // borrowed
    TVYXSEPType Type = astUndefined;
    std::int32_t PageCode = 0;  // printer paper code
    double PageWidth = -1, PageHeight = -1;
    TVYXSEPCols Cols;
    double MargLeft = -1, MargTop = -1, MargRight = -1, MargBottom = -1;
    double MargHeader = -1;  // header from the top edge
    double MargFooter = -1;  // footer from the bottom edge
    double MargWeb = 18.0;   // the margins in web layout
    double Gutter = -1;
    bool TitlePg = false;  // the first page has its own header and footer
    bool BiDi = false;

    // Page size and margins unset, web margin 18, no columns; the rest stays.
    void Clear();
    // The master of a new document: 2.5 cm margins, 1.25 cm header and footer,
    // portrait, the given paper in millimetres or A4 when it is not positive.
    void SetDocumentDefaults(double paperWidthMm = 0, double paperHeightMm = 0);

    double GetPageWidth() const;
    double GetPageHeight() const;
    double GetMargLeft() const;
    double GetMargTop() const;
    double GetMargRight() const;
    double GetMargBottom() const;
    double GetMargHeader() const;
    double GetMargFooter() const;
    double GetGutter() const;
    std::int32_t GetPageCode() const;
    double GetClientWidth() const { return GetPageWidth() - GetMargLeft() - GetMargRight(); }
    double GetClientHeight() const { return GetPageHeight() - GetMargTop() - GetMargBottom(); }
    // Room between the header's distance and the top margin (and likewise at the bottom).
    double GetHeightHeader() const { return GetMargTop() - GetMargHeader(); }
    double GetHeightFooter() const { return GetMargBottom() - GetMargFooter(); }
    // The section's own stored page size.
    double _GetPageWidth() const { return PageWidth; }
    double _GetPageHeight() const { return PageHeight; }
    void SetPageWidth(double value) { PageWidth = value; }
    void SetPageHeight(double value) { PageHeight = value; }
    // Judged on the page size in effect outside web layout (own or the master's).
    bool GetLandscape() const;
    // Stores the page size in effect, swapped when the orientation differs.
    void SetLandscape(bool on);
    void ZeroMargs();
    // Replaces the columns: `count` > 1 equal columns filling the client width.
    void AddCols(int count, double space);
    void ClearCols() { Cols.Clear(); }
    // Clamps what the section sets: page 100..300000, side margins to half the
    // width, top, bottom, header and footer to half the height; unset values stay unset.
    void CheckValues();
    void Assign(const TVYXSEP& source);
    std::unique_ptr<TVYXSEP> Clone() const;
    bool Equal(const TVYXSEP& other) const;

private:
    bool Web() const;
    double Own(double TVYXSEP::*field) const;
};

enum TVYXDOPProtectionEditing { adpeNone, adpeReadOnly, adpeComments, adpeForms, adpeTrackChanges };

// The document's editing restriction, as the document protection settings store it.
class TVYXDOPProtection {
public:
    TVYXDOPProtectionEditing Editing = adpeNone;
    bool Enforcement = false;
    std::u16string CryptProviderType, CryptAlgorithmClass, CryptAlgorithmType, CryptAlgorithmSid;
    std::int32_t CryptSpinCount = 0;
    std::u16string Hash, Salt;

    void Clear() { *this = TVYXDOPProtection(); }
    void Protect(TVYXDOPProtectionEditing editing);
    // Read-only with the hashing parameters a writer fills in.
    void PreparePassword();
    void SetFormEnabled();
    bool GetFormEnabled() const { return Editing == adpeForms && Enforcement; }
    bool operator==(const TVYXDOPProtection&) const = default;
};

enum TVYXDopHLinkSelMode { adhsmCtrl, adhsmAlways };

class TVYXDOP {
public:
    TVYXDOP() { Clear(); }
    TVYXDOP(const TVYXDOP&) = delete;
    TVYXDOP& operator=(const TVYXDOP&) = delete;

    bool IsPrinting = false;
    TVYXColor Color = 0xFFFFFF;  // page colour
    double TabWidth = 65.2;      // default tab interval
    TVYXTabStop DefTab;
    TVYXDOPProtection Protection;
    TVYXDopHLinkSelMode HyperlinkMode = adhsmCtrl;
    bool ShowTableOutline = false;
    double InterpageSpace = 20.0;
    bool WebLayout = false;
    // The page used in web layout; A4 until the host sets its window size.
    double ScreenWidth = 595.2755905511812;
    double WebHeight = 841.8897637795276;
    bool DefaultHdrsFtrs = false;

    void Clear();
    void Assign(const TVYXDOP& source);
    void SetTabWidth(double value)
    {
        if (value > 0)
            TabWidth = value;
    }
    double GetInterpageSpace() const { return WebLayout ? 0 : InterpageSpace; }
};

// Metadata of the document (title, author, dates as days since 1899-12-30).
class TVYXDocumentProperties {
public:
    std::u16string Title, Author, LastModifiedBy, Revision;
    double LastPrinted = 0, Created = 0, LastModified = 0;
    std::u16string Template, Company, Comment, Tags, Subject, Categories, Status, HyperlinkBase, Application,
        AppVersion, Filename;
    std::function<void(TVYXDocumentProperties& sender)> RevAddEvent;
    std::function<void(TVYXDocumentProperties& sender)> RevDelEvent;

    // Empties the data; the events stay.
    void Clear();
};
