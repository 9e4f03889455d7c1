// VYXPdfDocument.h: our small PDF object writer: objects, Flate streams, pages, fonts, images,
// links, outline, information dictionary, document ID, RC4-128 encryption and PDF/A-1b.
//
// Objects are serialised as soon as they are complete (a page's content when the next page
// starts, an image when it is added), so a long document never holds more than one page's
// operators uncompressed. Fonts are subset and written once, when the file is saved,
// because only then is every glyph known. All pages share one resource dictionary.
#pragma once

#include <cstdint>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/VYXPdfSecurity.h"

class TVYXPdfFont;

// Appends a number with at most three decimals and no trailing zeros.
void VYXPdfNum(std::string& out, double value);

struct TVYXPdfInfo {
    std::u16string Title, Author, Subject, Keywords, Creator;
    std::u16string Producer = u"vyx";
    std::time_t Created = 0;  // 0: the time of saving
};

class TVYXPdfDocument {
public:
    TVYXPdfDocument();
    ~TVYXPdfDocument();
    TVYXPdfDocument(const TVYXPdfDocument&) = delete;
    TVYXPdfDocument& operator=(const TVYXPdfDocument&) = delete;

    TVYXPdfInfo Info;

    // Encrypts the file (only before anything is added). Ignored under PDF/A.
    void SetEncryption(std::string_view userPassword, std::string_view ownerPassword,
                       TPdfEncryptionPermissions permissions);
    bool Encrypted() const { return FSecurity != nullptr; }
    // PDF/A-1b: XMP metadata, an sRGB output intent, no encryption, no transparency.
    void SetPdfA(bool pdfa);
    bool PdfA() const { return FPdfA; }
    // The first element of the document ID (16 bytes).
    const std::string& FileId() const { return FFileId; }

    // Starts a page (the previous one is finished) and makes it current; returns its index.
    int AddPage(double width, double height);
    void SetPageSize(double width, double height);  // of the current page
    int PageCount() const { return static_cast<int>(FPages.size()); }
    int CurrentPage() const { return PageCount() - 1; }
    double PageHeight(int page) const;
    // The operators of the current page; raises "GetDoc" when no page was added.
    std::string& Content();

    // Resource names (with the slash) of shared objects.
    // Font of a face file, created on first use; subset when saved. Nullptr when the file
    // cannot be read (its text is then left out rather than the export failing).
    TVYXPdfFont* Font(const std::string& file, int index);
    // Graphics state with this fill and stroke opacity (0..1), one per value.
    std::string OpacityState(double alpha);
    // An image registered under `key` (any identity the caller keeps stable), or "".
    std::string FindImage(const void* key) const;
    // Registers an image XObject already written as object `objNum`.
    std::string AddImage(const void* key, int objNum);

    // Links: `rect` in PDF space (y up) on the current page.
    void AddUriLink(double x1, double y1, double x2, double y2, std::string_view uriUtf8);
    void AddGoToLink(double x1, double y1, double x2, double y2, std::u16string_view destName);
    // A named destination: the top `y` (PDF space) of `page`. The first one of a name wins.
    void AddDestination(std::u16string_view name, int page, double y);
    // Outline entries in document order; `level` 1 is the top.
    void AddOutline(std::u16string_view title, int level, int page, double y);

    // Low-level objects, for fonts and images.
    int NewObject();
    void SetObject(int num, std::string_view body);
    // A stream: `dict` holds the entries besides Length and Filter; `deflate` compresses.
    void SetStream(int num, std::string_view dict, std::string_view data, bool deflate);
    // A text string for object `objNum`: UTF-16BE with a byte-order mark unless plain ASCII,
    // encrypted when the file is, written as hex.
    std::string TextString(std::u16string_view text, int objNum) const;
    std::string ByteString(std::string_view bytes, int objNum) const;

    // Writes the whole file.
    void Save(std::string& out);

private:
    struct TPage {
        double Width = 0, Height = 0;
        int Obj = 0, ContentObj = 0;
        std::vector<int> Annots;
    };
    struct TDest {
        int Page;
        double Y;
    };
    struct TOutlineItem {
        std::u16string Title;
        int Level, Page;
        double Y;
    };
    struct TGoTo {
        int Page, Obj;
        double X1, Y1, X2, Y2;
        std::u16string Name;
    };
    void FinishPage();
    std::string DestArray(int page, double y) const;
    int WriteOutline();
    int WriteMetadata(const std::string& created);

    std::vector<std::string> FObjects;  // serialised "n 0 obj ... endobj", index n - 1
    std::vector<TPage> FPages;
    std::string FContent;               // operators of the current page
    std::vector<std::unique_ptr<TVYXPdfFont>> FFonts;
    std::map<std::string, TVYXPdfFont*> FFontByFile;  // nullptr: the file could not be read
    std::map<const void*, std::string> FImageByKey;
    std::vector<std::pair<std::string, int>> FImages;  // name, object
    std::map<long, std::string> FOpacityByValue;        // alpha × 1000 -> name
    std::vector<std::pair<std::string, int>> FStates;   // name, object
    std::map<std::u16string, TDest> FDests;
    std::vector<TOutlineItem> FOutline;
    std::vector<TGoTo> FGoTos;
    std::unique_ptr<TVYXPdfSecurity> FSecurity;
    std::string FFileId;
    int FPagesObj = 0, FResourcesObj = 0;
    bool FPdfA = false;
};
