// VYXErrors.h: the diagnostics collector of the engine and its exception.
//
// Readers, the model and the formula engine report what they repair or skip
// here instead of stopping (it sits in the lowest layer so that the formula
// engine and the XML and package layer need nothing above it): each diagnostic is recorded with its numeric code
// (messages 1000-1999, warnings 3000-3999, errors 4000-4999). Whether a level
// raises VYXException is the manager's setting, never the caller's choice; the
// exception then carries exactly the recorded text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/VYXException.h"
#include "platform/VYXStringList.h"

enum TVYXErrorLevel { aelMessage, aelHint, aelWarning, aelError, aelFatal, aelDebug };

// A set of error levels.
class TVYXErrorLevels {
public:
    constexpr TVYXErrorLevels() = default;
    constexpr TVYXErrorLevels(std::initializer_list<TVYXErrorLevel> levels)
    {
        for (auto l : levels)
            FBits |= Bit(l);
    }
    static constexpr TVYXErrorLevels All()
    {
        return {aelMessage, aelHint, aelWarning, aelError, aelFatal, aelDebug};
    }
    constexpr bool Has(TVYXErrorLevel level) const { return (FBits & Bit(level)) != 0; }
    constexpr void Include(TVYXErrorLevel level) { FBits |= Bit(level); }
    constexpr void Exclude(TVYXErrorLevel level) { FBits &= static_cast<unsigned>(~Bit(level)); }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr bool operator==(const TVYXErrorLevels&) const = default;

private:
    static constexpr unsigned Bit(TVYXErrorLevel l) { return 1u << static_cast<unsigned>(l); }
    unsigned FBits = 0;
};

class TVYXErrorManager {
public:
    // Called after a diagnostic was recorded (or would have been, when its level
    // is not in Levels), before any exception is raised.
    using TErrorEvent = std::function<void(TVYXErrorManager& sender, TVYXErrorLevel level, int code,
                                           const std::string& text)>;

    // The recorded texts (UTF-8), each tagged with its numeric code.
    TVYXStringList Text;
    TVYXErrorLevels Levels = TVYXErrorLevels::All();
    TVYXErrorLevels Exception;
    bool LogMsgs = false;
    std::int32_t MsgCount = 0;
    std::int32_t HintCount = 0;
    std::int32_t WarnCount = 0;
    std::int32_t ErrorCount = 0;
    std::int32_t FatalCount = 0;
    TErrorEvent ErrorEvent;

    void Message(std::string_view text, int code = 1000);
    void Warning(std::string_view text, int code);
    void Warning(std::string_view text1, std::string_view text2, int code);
    void Error(std::string_view text, int code);
    void Error(std::string_view text1, std::string_view text2, int code);
    // Accepted for completeness of the levels; they record nothing.
    void Hint(std::string_view text, int code);
    void Fatal(std::string_view text, int code);
    void Debug(std::string_view text, int code);

    // UTF-16 conveniences for model text (bookmark names, field texts).
    void Warning(std::u16string_view text, int code);
    void Error(std::u16string_view text, int code);

    // Records a text its layer has already worded (the XML and package layer
    // words its own diagnostics), counted at its level like the calls above.
    void Report(TVYXErrorLevel level, int code, std::string_view text);

    // The number of recorded texts.
    int GetCount() const { return Text.Count(); }
    // Append the recorded texts whose code lies in the range, in recording order.
    void GetMessages(TVYXStringList& list) const;
    void GetWarnings(TVYXStringList& list) const;
    void GetErrors(TVYXStringList& list) const;
    void Clear();

    // The texts the tables give for a code (exposed for tests and the tool).
    static std::string ErrorText(std::string_view text1, std::string_view text2, int code);
    static std::string WarningText(std::string_view text1, std::string_view text2, int code);

private:
    void Record(TVYXErrorLevel level, int code, const std::string& text);
    void CopyRange(TVYXStringList& list, int low, int high) const;
};
