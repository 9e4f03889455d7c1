// VYXWritePDF.h: the PDF export job, and the printer that stands in for the real one meanwhile.
//
// The document is laid out again for the PDF device (72 pixels per inch, so pixels are
// points) with a paginator of the job's own, and every page is painted through the
// device. While the job runs the first section's bottom margin is half its value; it is
// put back however the export ends. The rows of the document's paragraphs carry the
// export's layout afterwards, so whoever shows the document repaginates it (the editor
// facade does, after it saved a PDF).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "pdf/VYXPdfSecurity.h"

class TVYXLogDocEditor;
class TVYXDocumentProperties;
class TVYXPdfDocument;
class TVYXGDIPDF;
class TVYXGDI;
class TVYXPaginatorDoc;
class TVYXStream;

// Answers what the print path asks of a printer; pages go to the new-page event.
class TVYXPrinterPDF {
public:
    std::function<void(void* sender)> NewPageEvent;

    void BeginDoc() {}
    void EndDoc() {}
    void Abort() {}
    bool Aborted() const { return false; }
    bool Printing() const { return true; }
    void Refresh() {}
    // Stores the sender and raises the new-page event.
    void NewPage(void* sender);
    void* LastSender() const { return FSender; }

    double PageWidth = 0, PageHeight = 0;
    int PageNumber = 0;
    int Copies = 1;
    bool Portrait = true;
    std::u16string Title;

private:
    void* FSender = nullptr;
};

class TVYXWritePDF {
public:
    // An unencrypted job.
    TVYXWritePDF();
    // Encrypted (RC4, 128-bit key) when either password is given; otherwise plain, as
    // PDF/A-1b when `pdfa1` is set. PDF/A and encryption exclude each other: PDF/A wins.
    TVYXWritePDF(bool pdfa1, std::string_view userPassword, std::string_view ownerPassword,
                 TPdfEncryptionPermissions permissions);
    ~TVYXWritePDF();
    TVYXWritePDF(const TVYXWritePDF&) = delete;
    TVYXWritePDF& operator=(const TVYXWritePDF&) = delete;

    TVYXLogDocEditor* FDoc = nullptr;                      // borrowed: the document to export
    const TVYXDocumentProperties* Properties = nullptr;    // borrowed: the information dictionary's source
    // Called once the document is laid out for the export, before the pages are painted.
    std::function<void(TVYXWritePDF& sender, TVYXPaginatorDoc& layout)> AfterLayoutEvent;

    // Creates the file (it must not exist yet) and writes the export into it.
    void SaveToFile(const std::string& fileName);
    void SaveToStream(TVYXStream& stream);
    std::string SaveToBytes();
    // The printer's new-page event: the next PDF page.
    void NewPage(void* sender);

    // Paints one page of a layout on any device as the export paints it, so that a raster
    // device can show what the file holds.
    static void PaintPage(TVYXGDI& gdi, TVYXLogDocEditor& doc, TVYXPaginatorDoc& layout, int index);

    TVYXPdfDocument& PDF() { return *FPDF; }
    TVYXGDIPDF& GDI() { return *FGDI; }
    TVYXPrinterPDF& Printer() { return *FPrinter; }
    int PageCount() const;

private:
    void Export(std::string& out);
    void AddOutlineAndDestinations(TVYXPaginatorDoc& layout);

    std::unique_ptr<TVYXPdfDocument> FPDF;
    std::unique_ptr<TVYXGDIPDF> FGDI;
    int FPageCounter = 0;
    std::unique_ptr<TVYXPrinterPDF> FPrinter;
    TVYXPaginatorDoc* FLayout = nullptr;  // borrowed while the export runs
};
