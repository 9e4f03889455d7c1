// VYXDocSectionTest.cpp: section fallbacks and web layout, CheckValues, columns, protection.
#include <gtest/gtest.h>

#include "model/VYXDocSection.h"

namespace {
struct TDoc {
    TVYXDOP DOP;
    TVYXSEP Master{nullptr, &DOP};
    TDoc() { Master.SetDocumentDefaults(); }
};
}  // namespace

TEST(Section, FallbacksAndWebLayout)
{
    TDoc doc;
    TVYXSEP sep(&doc.Master, &doc.DOP);
    EXPECT_DOUBLE_EQ(sep.GetPageWidth(), 595.2755905511812);
    EXPECT_DOUBLE_EQ(sep.GetPageHeight(), 841.8897637795276);
    EXPECT_DOUBLE_EQ(sep.GetMargLeft(), 70.86614173228347);
    EXPECT_DOUBLE_EQ(sep.GetMargHeader(), 35.43307086614173);
    EXPECT_DOUBLE_EQ(sep.GetClientWidth(), 595.2755905511812 - 2 * 70.86614173228347);
    EXPECT_DOUBLE_EQ(sep.GetHeightHeader(), 35.43307086614173);
    sep.MargLeft = 0;  // zero is a value, not "unset"
    EXPECT_DOUBLE_EQ(sep.GetMargLeft(), 0);

    doc.DOP.WebLayout = true;
    doc.DOP.ScreenWidth = 800;
    EXPECT_DOUBLE_EQ(sep.GetMargLeft(), 18);
    EXPECT_DOUBLE_EQ(sep.GetMargBottom(), 18);
    EXPECT_DOUBLE_EQ(sep.GetPageWidth(), 800);
    EXPECT_DOUBLE_EQ(sep.GetMargHeader(), 35.43307086614173);  // web layout leaves headers alone
    EXPECT_DOUBLE_EQ(doc.DOP.GetInterpageSpace(), 0);

    TVYXSEP letter(nullptr, nullptr);
    letter.SetDocumentDefaults(215.9, 279.4);
    EXPECT_NEAR(letter.GetPageWidth(), 612, 1e-9);
    TVYXSEP bad(nullptr, nullptr);
    bad.SetDocumentDefaults(-1, 100);
    EXPECT_NEAR(bad.GetPageHeight(), 841.8897637795276, 1e-9);
}

TEST(Section, CheckValuesAndLandscape)
{
    struct TCase {
        double Width, MargLeft;
        double ExpWidth, ExpMargLeft;
    };
    const TCase cases[] = {
        {50, 40, 100, 40},  {50, 60, 100, 50},     {400000, -1, 300000, -1},
        {600, -5, 600, -5},  // negative: not set by the section  {-1, 400, -1, 297.6377952755906},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Width);
        TDoc doc;
        TVYXSEP sep(&doc.Master, &doc.DOP);
        sep.PageWidth = c.Width;
        sep.MargLeft = c.MargLeft;
        sep.CheckValues();
        EXPECT_DOUBLE_EQ(sep.PageWidth, c.ExpWidth);
        EXPECT_NEAR(sep.MargLeft, c.ExpMargLeft, 1e-9);
    }

    TDoc doc;
    TVYXSEP sep(&doc.Master, &doc.DOP);
    EXPECT_FALSE(sep.GetLandscape());
    sep.SetLandscape(true);
    EXPECT_TRUE(sep.GetLandscape());
    EXPECT_DOUBLE_EQ(sep._GetPageWidth(), 841.8897637795276);
    sep.SetLandscape(true);  // already landscape: unchanged
    EXPECT_DOUBLE_EQ(sep._GetPageWidth(), 841.8897637795276);
    EXPECT_FALSE(doc.Master.GetLandscape());
}

TEST(Section, ColumnsCloneAndEqual)
{
    TDoc doc;
    TVYXSEP sep(&doc.Master, &doc.DOP);
    sep.PageWidth = 600;
    sep.MargLeft = sep.MargRight = 75;  // client width 450
    sep.AddCols(2, 36);
    ASSERT_EQ(sep.Cols.Count(), 2);
    EXPECT_DOUBLE_EQ(sep.Cols.Items(0).Width, 207);
    EXPECT_DOUBLE_EQ(sep.Cols.Items(1).XOffs, 243);
    EXPECT_DOUBLE_EQ(sep.Cols.AverageColSpace(), 36);
    auto copy = sep.Clone();
    EXPECT_TRUE(copy->Equal(sep));
    sep.AddCols(1, 36);
    EXPECT_EQ(sep.Cols.Count(), 0);
    EXPECT_FALSE(copy->Equal(sep));
    sep.Clear();
    EXPECT_DOUBLE_EQ(sep.PageWidth, -1);
}

TEST(DocumentSettings, ProtectionAndDefaults)
{
    TVYXDOP dop;
    EXPECT_DOUBLE_EQ(dop.TabWidth, 65.2);
    dop.SetTabWidth(0);
    dop.SetTabWidth(-3);
    EXPECT_DOUBLE_EQ(dop.TabWidth, 65.2);
    dop.SetTabWidth(36);
    EXPECT_DOUBLE_EQ(dop.TabWidth, 36);

    TVYXDOPProtection& p = dop.Protection;
    p.PreparePassword();
    EXPECT_EQ(p.Editing, adpeReadOnly);
    EXPECT_EQ(p.CryptSpinCount, 100000);
    EXPECT_EQ(p.CryptAlgorithmSid, u"4");
    EXPECT_FALSE(p.GetFormEnabled());
    p.SetFormEnabled();
    EXPECT_TRUE(p.GetFormEnabled());
    p.Protect(adpeForms);  // not enforced
    EXPECT_FALSE(p.GetFormEnabled());
    EXPECT_TRUE(p.CryptProviderType.empty());

    TVYXDocumentProperties props;
    int calls = 0;
    props.RevAddEvent = [&](TVYXDocumentProperties&) { ++calls; };
    props.Title = std::u16string(u"Title");
    props.Created = 45000;
    props.Clear();
    EXPECT_TRUE(props.Title.empty());
    EXPECT_DOUBLE_EQ(props.Created, 0);
    EXPECT_TRUE(static_cast<bool>(props.RevAddEvent));
}
