// FuzzCSS.cpp: the style-sheet parser, the cascade, lengths and colours on any text.
//
// The text is parsed as a sheet and as a style attribute, and the sheet's rules are
// matched against a small fixed tree, so selectors of every shape meet elements.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/VYXCSSParse.h"
#include "formats/VYXHtmlDOM.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TVyCSS sheet;
    sheet.Parse(text);
    if (sheet.Errors().size() > 100)
        __builtin_trap();

    TVyCSSProperties inlineProps;
    VyCSSParseInline(text, inlineProps, &sheet);
    for (int i = 0; i < inlineProps.Count(); ++i) {
        (void)CSSPropSizeToPt(inlineProps.Items(i).Value, 12);
        (void)HtmlCssColorToColor(inlineProps.Items(i).Value);
    }

    TVYXHtmlDOM dom;
    dom.Parse(u"<div id=a class='x y'><p class=x>t<span id=b>u</span></p><ul><li>1<li class=y>2</ul>"
              u"<table><tr><td>c</table><h1>h</h1><h2>i</h2><a href=#a>l</a></div>");
    std::vector<const TVYXHtmlNode*> stack{&dom.Root()};
    while (!stack.empty()) {
        const TVYXHtmlNode* n = stack.back();
        stack.pop_back();
        TVyCSSProperties props;
        sheet.Collect(*n, props);
        for (int i = 0; i < n->ChildCount(); ++i)
            stack.push_back(&n->Child(i));
    }
    return 0;
}
