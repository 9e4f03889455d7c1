// VYXJsonSource.cpp: the JSON reader on nlohmann::json.
#include "report/VYXJsonSource.h"

#include <fstream>
#include <sstream>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
using json = nlohmann::json;

constexpr int cMaxDepth = 64;

enum TKind { kNull, kInt, kFloat, kBool, kString, kOther };

TKind KindOf(const json& v)
{
    switch (v.type()) {
    case json::value_t::null: return kNull;
    case json::value_t::number_integer:
    case json::value_t::number_unsigned: return kInt;
    case json::value_t::number_float: return kFloat;
    case json::value_t::boolean: return kBool;
    case json::value_t::string: return kString;
    default: return kOther;
    }
}

bool IsRecordArray(const json& v)
{
    if (!v.is_array() || v.empty())
        return false;  // an empty array says nothing about its records
    for (const json& item : v)
        if (!item.is_object())
            return false;
    return true;
}

std::u16string TextOf(const json& v)
{
    if (v.is_string())
        return Utf8ToUtf16(v.get_ref<const std::string&>());
    if (v.is_null())
        return {};
    if (v.is_boolean())
        return v.get<bool>() ? u"TRUE" : u"FALSE";
    return Utf8ToUtf16(v.dump(-1, ' ', false, json::error_handler_t::replace));
}

void Fill(TVYXMemorySource& source, const json& records, int depth)
{
    if (depth > cMaxDepth)
        throw VYXException("JSON: records nested too deeply");
    std::vector<TKind> kinds;  // the kind each field has had so far (kNull: none yet)
    for (const json& record : records) {
        source.AppendRecord();
        for (auto it = record.begin(); it != record.end(); ++it) {
            const json& v = it.value();
            const std::u16string name = Utf8ToUtf16(it.key());
            if (IsRecordArray(v)) {
                TVYXMemorySource& detail = source.AddDetail(name);
                Fill(detail, v, depth + 1);
                continue;
            }
            int f = source.FindField(name);
            if (f < 0) {
                f = source.AddField(name);
                kinds.push_back(kNull);
            }
            TKind kind = KindOf(v);
            TKind& seen = kinds[static_cast<std::size_t>(f)];
            if (kind != kNull) {
                if (seen == kNull)
                    seen = kind;
                else if (seen == kInt && kind == kFloat)
                    seen = kFloat;
                else if (!(seen == kFloat && kind == kInt) && seen != kind)
                    seen = kOther;
            }
            TVYXFieldValue value;
            value.Null = v.is_null();
            value.Text = TextOf(v);
            if (v.is_number())
                value.Num = v.get<double>();
            else if (v.is_boolean())
                value.Num = v.get<bool>() ? 1 : 0;
            source.SetValue(f, std::move(value));
        }
    }
    for (std::size_t f = 0; f < kinds.size(); ++f) {
        const int field = static_cast<int>(f);
        switch (kinds[f]) {
        case kInt: source.SetFieldType(field, avftInteger); break;
        case kFloat: source.SetFieldType(field, avftFloat); break;
        case kBool: source.SetFieldType(field, avftBoolean); break;
        default: break;  // strings and mixtures: string, read further below
        }
    }
    source.InferTypes();
    source.First();
}
}  // namespace

void TVYXJsonSource::LoadFromString(std::string_view bytes)
{
    json root;
    try {
        int depth = 0;
        bool tooDeep = false;
        // The callback sees every opening bracket first, so a deep nest stops before it is built.
        json::parser_callback_t guard = [&depth, &tooDeep](int d, json::parse_event_t event, json&) {
            if (event == json::parse_event_t::object_start || event == json::parse_event_t::array_start) {
                depth = d;
                if (d > cMaxDepth)
                    tooDeep = true;
            }
            return !tooDeep;
        };
        root = json::parse(bytes.begin(), bytes.end(), guard);
        if (tooDeep)
            throw VYXException("JSON: nested too deeply");
    } catch (const json::exception& e) {
        throw VYXException(std::string("JSON: ") + e.what());
    }
    Clear();
    if (root.is_object()) {
        const json* only = nullptr;
        int arrays = 0;
        for (const json& v : root)
            if (v.is_array()) {
                only = &v;
                ++arrays;
            }
        if (arrays == 1 && IsRecordArray(*only))
            root = *only;
        else
            root = json::array({root});
    }
    if (!root.is_array())
        throw VYXException("JSON: the text holds no array of records");
    for (const json& item : root)
        if (!item.is_object())
            throw VYXException("JSON: every record must be an object");
    Fill(*this, root, 0);
}

void TVYXJsonSource::LoadFromFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw VYXException("Can not open file \"" + fileName + "\"");
    std::ostringstream s;
    s << in.rdbuf();
    LoadFromString(s.str());
}
