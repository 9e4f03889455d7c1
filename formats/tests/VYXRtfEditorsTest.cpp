// VYXRtfEditorsTest.cpp: copy in one editor and paste in another, as users do: the
// host's clipboard carries RTF, so formats, tables and notes travel with the text.
#include <gtest/gtest.h>

#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "host/VYXHeadlessHost.h"
#include "host/VYXSession.h"
#include "platform/VYXClipboard.h"

namespace {
void Play(TVYXHeadlessHost& host, const char* script)
{
    TVYXSession session(host);
    const TVYXSessionResult r = session.Play(script);
    EXPECT_TRUE(r.Ok) << "line " << r.Line << ": " << r.Message;
}
}  // namespace

TEST(RtfEditors, CopyInOneEditorPasteInAnotherKeepsFormats)
{
    TVYXHeadlessHost source, target;
    // Two windows of one program share the system's clipboard.
    target.Editor().SetClipboard(&source.Clipboard());
    Play(source, R"(
text "plain bold italic\nsecond line"
click @1:8 double
assert selection "bold"
key Ctrl+B
click @1:13 double
assert selection "italic"
key Ctrl+I
key Ctrl+A
key Ctrl+C
)");
    ASSERT_TRUE(source.Clipboard().HasFormat(acfRTF));
    EXPECT_TRUE(VYXLooksLikeRtf(source.Clipboard().Bytes(acfRTF)));
    Play(target, R"(
text "[]"
key Left
key Ctrl+V
assert text "[plain bold italic\nsecond line]"
click @1:9
assert format vycFormatBold 1
assert format vycFormatItalic 0
click @1:15
assert format vycFormatItalic 1
assert format vycFormatBold 0
click @1:3
assert format vycFormatBold 0
)");
}
