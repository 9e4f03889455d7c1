// VYXRepaintAfterEditTest.cpp: real documents edited, laid out again and painted after every step.
//
// Painting reads the rows pagination left behind; an edit that leaves a row
// pointing past its paragraph's text shows up here as a crash or a sanitizer report.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"

namespace {

std::filesystem::path CorpusFile(const char* name)
{
    return std::filesystem::path(VYX_SHARED_DIR) / "corpus" / "docx" / name;
}

struct TEdited {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    TVYXPaginatorDoc Layout{Gdi, Doc};
    TVYXPaintDoc Painter{Gdi, Doc, Layout};

    TEdited() { Gdi.SetSize(1000, 800); }

    void Load(const std::filesystem::path& path)
    {
        TVYXEditorUpdate update(Doc);
        TVYXReadDOCX reader(Doc);
        reader.LoadFromFile(path.string());
    }

    void LayoutAndPaint()
    {
        Layout.Paginate();
        ASSERT_GT(Layout.Pages().Count(), 0);
        for (int i = 0; i < Layout.Pages().Count(); ++i)
            Painter.PaintPage(i, 10, 10);
    }
};

class TRepaintCorpus : public ::testing::TestWithParam<const char*> {};

TEST_P(TRepaintCorpus, EnterAtEndThenTypingRepaints)
{
    const auto path = CorpusFile(GetParam());
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "no shared corpus";
    TEdited e;
    e.Load(path);
    e.LayoutAndPaint();
    e.Doc.Command(vycMoveEndOfDoc);
    e.Doc.Command(vycControlNewPara);
    e.LayoutAndPaint();
    e.Doc.InsertTextUI(u"A");
    e.LayoutAndPaint();
}

INSTANTIATE_TEST_SUITE_P(Corpus, TRepaintCorpus,
    ::testing::Values("pandoc-mendeley_citations.docx",
        "oxsdk-instrText-Field_Definitions-EQ-Array-AlignLeft.docx",
        "oxsdk-instrText-Field_Definitions-NextIf.docx"));

} // namespace
