// FuzzSpellWords.cpp: the spell checker's word walk and marking on any text.
//
// The bytes are UTF-16 code units (pairs, little end first). A stand-in dictionary
// calls words of odd length wrong, so marks are set, kept on a re-check and
// replaced after an edit, without any dictionary file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXLogDocument.h"
#include "spell/VYXSpellCheck.h"

namespace {
class TOddWordsWrong : public TVYXSpellCheckerImpl {
public:
    bool Initiate(std::string_view) override { return FReady = true; }
    bool CheckWord(std::u16string_view word) override { return word.size() % 2 == 0; }
};

int MarkedCount(TVYXLogDocument& doc)
{
    int marked = 0;
    for (TVYXLogPara* p = doc.FirstPara(); p; p = doc.NextPara(*p))
        for (int i = 0; i < p->CharRuns().Count(); ++i)
            if (const TVYXCHPX* chpx = p->CharRuns().Items(i)->CHPX(); chpx && chpx->GetMisspelled())
                marked += p->CharRuns().Items(i)->Len();
    return marked;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 16)
        return 0;
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));

    // Words lie inside the text, in order, apart, and start with a letter.
    std::vector<TVYXSpellWord> words;
    VYXSpellWords(text, words);
    std::size_t end = 0;
    for (const auto& w : words) {
        if (w.Length == 0 || w.Start < end || w.Start + w.Length > text.size() || !VYXIsWordLetter(text[w.Start]))
            std::abort();
        end = w.Start + w.Length;
    }

    TVYXLogDocument doc;
    doc.SetPlainText(text);
    TVYXSpellChecker checker(std::make_unique<TOddWordsWrong>());
    if (!checker.BeginCheck("any"))
        std::abort();
    checker.Check(doc.Paras());
    const int first = MarkedCount(doc);
    const int errors = checker.ErrorCount();
    checker.BeginCheck("any");
    checker.Check(doc.Paras());
    if (MarkedCount(doc) != first || checker.ErrorCount() != errors)
        std::abort();
    return 0;
}
