// VYXSpellCheck.h: marking misspelled words of a document with Hunspell dictionaries.
//
// A checker holds one implementation (the Hunspell one here), which holds the list
// of dictionaries found in one folder and at most one open Hunspell handle. Nothing
// is shared between checkers, so two documents on two threads each use their own.
//
// Words: the text of a paragraph is walked character by character; a word is a
// maximal run of letters (combining marks after a letter stay in its word, so
// scripts that write vowels as marks keep whole words). Everything else separates
// words: an apostrophe splits a contraction into two words ("don't" is "don" and
// "t"), a hyphen splits a compound, digits end a word ("abc123" checks "abc").
// Choices of ours beyond that rule: a word that directly follows a digit ("3rd",
// "1990s") is skipped, and so is every blank-separated token that is a web address
// or an e-mail address (it holds "://", starts with "www." or has an "@" with a
// dot after it).
//
// Marks: a wrong word gets the character property `vyciMisspelled` straight on its
// paragraph's runs. The marks are a view of the text, not an edit of it, so they do
// not pass through the document's edit door: undo never records them and they do
// not queue the paragraph again. Checking a paragraph first clears its old marks.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

class TVYXLogParas;
class TVYXLogPara;
class TVYXLogParaItem;
class TVYXLogDocument;
class TVYXSpellQueue;

// What a whole-document check reports when no dictionary could be opened (the
// editor facade raises it; Message() starts with it and adds the reason).
inline constexpr const char* cVYXSpellNotReady = "Spell checker not ready. Please check dictionaies";

// Where the system keeps Hunspell dictionaries (Debian's hunspell-* packages).
inline constexpr const char* cVYXDefaultDictPath = "/usr/share/hunspell/";

class TVYXSSDictionary {
public:
    std::string FEnglishName;
    std::string FLocalName;
    std::string FIdName;        // "en_GB"
    std::string FDictFilename;  // full paths
    std::string FAffFilename;   // empty when the folder has no affix file of the id
    bool FEnabled = true;
};

// The dictionaries found in one folder, in the fixed order of the known languages.
class TVYXSSDictionaries {
public:
    // Forgets the list, stores `path` (with a trailing "/") and adds every known
    // language whose id + ".dic" exists there. An empty path gives an empty list.
    void AddAll(const std::string& path);
    // Adds (English name, id) when id + ".dic" exists in the folder; nullptr otherwise.
    TVYXSSDictionary* Add(const std::string& englishName, const std::string& id);
    // Adds with explicit file names (relative to the folder unless absolute).
    TVYXSSDictionary* Add(const std::string& englishName, const std::string& id, const std::string& affFile,
                          const std::string& dicFile);
    TVYXSSDictionary* Find(std::string_view id) const;
    // "English (USA) [en_US]" lines, one per dictionary.
    void FillStrings(std::vector<std::string>& list) const;

    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXSSDictionary& Items(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    const std::string& Path() const { return FPath; }
    void Clear() { FItems.clear(); }

private:
    std::string FPath;
    std::vector<std::unique_ptr<TVYXSSDictionary>> FItems;
};

// The known languages in list order: English name and dictionary id.
struct TVYXSSLanguage {
    const char* EnglishName;
    const char* Id;
};
const std::vector<TVYXSSLanguage>& VYXSpellLanguages();

class TVYXSpellCheckerImpl {
public:
    virtual ~TVYXSpellCheckerImpl() = default;
    // Opens the dictionary of `id`; false (and a Message) when it cannot.
    virtual bool Initiate(std::string_view id) { (void)id; return false; }
    // True when the word is correct.
    virtual bool CheckWord(std::u16string_view word) { (void)word; return false; }
    virtual void GetSuggestions(std::u16string_view word, std::vector<std::u16string>& list)
    {
        (void)word;
        list.clear();
    }
    // Adds a word to the open dictionary for this checker's life; false when none is open.
    virtual bool AddWord(std::u16string_view word) { (void)word; return false; }

    bool Ready() const { return FReady; }
    // Why the checker is not ready (empty when it is).
    const std::string& Message() const { return FMessage; }

protected:
    bool FReady = false;
    std::string FMessage = "No dictionary loaded";
};

class TVYXSpellCheckerHunSpell : public TVYXSpellCheckerImpl {
public:
    // `dictionaryPath`: the folder of the .dic/.aff files; `libraryPath` is kept for
    // hosts that name where the library lives (the library is linked in here).
    explicit TVYXSpellCheckerHunSpell(std::string libraryPath = {}, std::string dictionaryPath = cVYXDefaultDictPath);
    ~TVYXSpellCheckerHunSpell() override;
    TVYXSpellCheckerHunSpell(const TVYXSpellCheckerHunSpell&) = delete;
    TVYXSpellCheckerHunSpell& operator=(const TVYXSpellCheckerHunSpell&) = delete;

    bool Initiate(std::string_view id) override;
    bool CheckWord(std::u16string_view word) override;
    void GetSuggestions(std::u16string_view word, std::vector<std::u16string>& list) override;
    bool AddWord(std::u16string_view word) override;

    // Reads the dictionary list of another folder (the open dictionary stays).
    void SetDictionaryPath(const std::string& path) { FDictionaries->AddAll(path); }
    TVYXSSDictionaries& Dictionaries() const { return *FDictionaries; }
    const std::string& LibraryPath() const { return FDLLPath; }
    const std::string& CurrDictionary() const { return FCurrDictionary; }
    const std::string& DefaultDict() const { return FDefaultDict; }
    // The open dictionary's encoding as Hunspell names it ("UTF-8", "ISO8859-1").
    const std::string& DictEncoding() const { return FEncodingName; }
    // The word in the dictionary's encoding; false when a character has no place in it.
    bool Encode(std::u16string_view word, std::string& out);
    // The raw handle for measuring the library alone; nullptr when not ready.
    void* Handle() const { return FHandle; }
    // The stems of a word and its morphological analysis, as the open dictionary has
    // them (empty when none is open or it knows nothing of the word).
    void Stem(std::u16string_view word, std::vector<std::u16string>& list);
    void Analyze(std::u16string_view word, std::vector<std::u16string>& list);
    // Adds `word` with the affixes of `example`, a word the dictionary knows, and takes
    // a word out again; both for this checker's life, false when no dictionary is open.
    bool AddWordWithAffix(std::u16string_view word, std::u16string_view example);
    bool RemoveWord(std::u16string_view word);

private:
    void Close();
    template <class F>
    void List(std::u16string_view word, std::vector<std::u16string>& list, const F& call);

    std::string FDLLPath;
    std::unique_ptr<TVYXSSDictionaries> FDictionaries;
    std::string FDefaultDict = "en_US";
    std::string FCurrDictionary;
    std::string FEncodingName;
    int FCodePage = 65001;
    void* FHandle = nullptr;  // owned Hunhandle
    std::string FScratch;     // the word being checked, encoded
    struct TConv;
    std::unique_ptr<TConv> FConv;
};

// Elapsed time of a check, from Begin to End (or to now while it runs).
class TVYXStopWatch {
public:
    void Begin();
    void End();
    double ElapsedMS() const;

private:
    std::chrono::steady_clock::time_point FStart{}, FStop{};
    bool FRunning = false;
};

// One word found by VYXSpellWords: 0-based start in the text and length.
struct TVYXSpellWord {
    std::size_t Start = 0;
    std::size_t Length = 0;
};

class TVYXSpellChecker {
public:
    explicit TVYXSpellChecker(std::string libraryPath = {}, std::string dictionaryPath = cVYXDefaultDictPath);
    // Takes over another implementation (tests, other engines).
    explicit TVYXSpellChecker(std::unique_ptr<TVYXSpellCheckerImpl> impl);
    ~TVYXSpellChecker();
    TVYXSpellChecker(const TVYXSpellChecker&) = delete;
    TVYXSpellChecker& operator=(const TVYXSpellChecker&) = delete;

    // Opens the dictionary, zeroes the counters and starts the stop-watch when it worked.
    bool BeginCheck(std::string_view dictionaryId);
    bool Ready() const { return FReady; }
    // Why not ready: the implementation's reason.
    std::string Message() const;
    // Every paragraph of the list (cells of tables included) in reading order.
    void Check(TVYXLogParas& paras);
    // One paragraph: clears its old marks and marks its wrong words.
    void Check(TVYXLogParas& paras, TVYXLogPara& para);
    // One word: true when correct; when wrong, Suggestions() holds what could be meant.
    bool Check(std::u16string_view word);
    // Checks the paragraphs the queue collected since the last call; returns how many.
    int Check(TVYXSpellQueue& queue);
    void Suggest(std::u16string_view word, std::vector<std::u16string>& list);
    bool IsDelimiter(char16_t c) const { return FDelimiters.find(c) != std::u16string::npos; }
    void EndCheck();
    double GetCheckTimeMS() const;

    // Words this session treats as correct ("ignore all"), and words added to the
    // open dictionary for the checker's life ("add to dictionary").
    void Ignore(std::u16string_view word) { FIgnored.insert(std::u16string(word)); }
    void ClearIgnored() { FIgnored.clear(); }
    bool IsIgnored(std::u16string_view word) const { return FIgnored.count(std::u16string(word)) > 0; }
    bool AddWord(std::u16string_view word) { return FSSImpl->AddWord(word); }

    int WordCount() const { return FWordCount; }
    int ErrorCount() const { return FErrorCount; }
    const std::vector<std::u16string>& Suggestions() const { return FSuggestions; }
    std::u16string& Delimiters() { return FDelimiters; }
    TVYXSpellCheckerImpl& Impl() const { return *FSSImpl; }

    // Told of each wrong word while a paragraph is checked: the paragraph, the word's
    // first position (1-based) and the word.
    std::function<void(TVYXLogPara&, std::int32_t, std::u16string_view)> MisspelledEvent;

private:
    void CheckItem(TVYXLogParas& paras, TVYXLogParaItem& item);
    bool WordIsCorrect(std::u16string_view word);

    std::unique_ptr<TVYXSpellCheckerImpl> FSSImpl;
    bool FReady = false;
    std::vector<std::u16string> FSuggestions;
    std::u16string FDelimiters = u" -.,()\";:?!";
    int FWordCount = 0;
    int FErrorCount = 0;
    TVYXStopWatch FStopWatch;
    std::unordered_set<std::u16string> FIgnored;
    // Scratch of the paragraph being checked, kept to spare allocations.
    std::u16string FText;
    std::vector<TVYXSpellWord> FWords;
    std::vector<std::pair<std::int32_t, std::int32_t>> FOldMarks, FNewMarks;  // from, to (exclusive)
};

// The words of a text by the rule above, in order.
void VYXSpellWords(std::u16string_view text, std::vector<TVYXSpellWord>& words);
// True for the characters words are made of (letters, and marks inside a word).
bool VYXIsWordLetter(char16_t c);
