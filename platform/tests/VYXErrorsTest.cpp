// VYXErrorsTest.cpp: the error manager's texts, counters, ranges and raising.
#include <gtest/gtest.h>

#include "platform/VYXErrors.h"

TEST(ErrorManager, TextsOfBothTables)
{
    struct TCase {
        bool IsError;
        int Code;
        const char* A;
        const char* B;
        const char* Expected;
    };
    const TCase cases[] = {
        {true, 4004, "=1+\"a", "", "Missing quote in formula: =1+\"a"},
        {true, 4006, "=1+", "", "Error in formula: =1+"},
        {true, 4100, "Intro", "", "Duplicate bookmark name \"Intro\""},
        {true, 4500, "just this", "", "just this"},
        {true, 4500, "Header", "Detail", "Parent band \"Header\" can not have child band \"Detail\""},
        {true, 4501, "x", "", "Invalid report band comment. Start and end must be on the same table row."},
        {true, 4502, "Detail", "", "Band \"Detail\" is allready defined"},
        {true, 4503, "", "", "All bands must be in the same table"},
        {true, 4999, "what and where", "", "Error 4999: what and where"},
        {true, 4998, "", "", "Error 4998"},
        {false, 3500, "Customers", "", "Can not find Data Set \"Customers\""},
        {false, 3501, "Orders", "Total", "Unknown Data Set \"Orders\" in Field \"Total\""},
        {false, 3503, "Name", "Customers", "Can not find Field \"Name\" in Data Set \"Customers\""},
        {false, 3517, "Logo", "", "Missing graphic source in \"Logo\""},
        {false, 3522, "EAN99", "Detail", "Unknown barcode type \"EAN99\" in band \"Detail\""},
        {false, 3600, "x", "", "Warning 3600"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Code);
        TVYXErrorManager errors;
        if (c.IsError)
            errors.Error(c.A, c.B, c.Code);
        else
            errors.Warning(c.A, c.B, c.Code);
        ASSERT_EQ(errors.GetCount(), 1);
        EXPECT_EQ(errors.Text[0], c.Expected);
        EXPECT_EQ(errors.Text.Tag(0), c.Code);
    }
}

TEST(ErrorManager, LevelsCountersAndRanges)
{
    TVYXErrorManager errors;
    errors.Message("loaded");
    errors.Warning("Customers", 3500);
    errors.Error("x", 4999);
    errors.Hint("hint", 2000);
    errors.Fatal("fatal", 4998);
    EXPECT_EQ(errors.GetCount(), 3);  // hints and fatals record nothing
    EXPECT_EQ(errors.MsgCount, 1);
    EXPECT_EQ(errors.WarnCount, 1);
    EXPECT_EQ(errors.ErrorCount, 1);

    TVYXStringList messages, warnings, errs;
    errors.GetMessages(messages);
    errors.GetWarnings(warnings);
    errors.GetErrors(errs);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages[0], "loaded");
    ASSERT_EQ(warnings.Count(), 1);
    ASSERT_EQ(errs.Count(), 1);
    EXPECT_EQ(errs[0], "Error 4999: x");

    // Levels filter recording but not counting.
    errors.Levels.Exclude(aelWarning);
    errors.Warning("Orders", 3500);
    EXPECT_EQ(errors.WarnCount, 2);
    EXPECT_EQ(errors.GetCount(), 3);

    errors.Clear();
    EXPECT_EQ(errors.GetCount(), 0);
    EXPECT_EQ(errors.WarnCount, 0);
    EXPECT_EQ(errors.ErrorCount, 0);
}

TEST(ErrorManager, RaisesOnlyConfiguredLevelsAfterRecording)
{
    TVYXErrorManager errors;
    int events = 0;
    errors.ErrorEvent = [&](TVYXErrorManager&, TVYXErrorLevel level, int code, const std::string&) {
        ++events;
        EXPECT_EQ(level, aelError);
        EXPECT_EQ(code, 4100);
    };
    errors.Exception.Include(aelError);
    try {
        errors.Error("Intro", 4100);
        FAIL() << "expected VYXException";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Duplicate bookmark name \"Intro\"");
    }
    EXPECT_EQ(errors.GetCount(), 1);
    EXPECT_EQ(events, 1);
    errors.ErrorEvent = nullptr;
    EXPECT_NO_THROW(errors.Warning("x", 3500));  // warnings were not asked to raise
}
