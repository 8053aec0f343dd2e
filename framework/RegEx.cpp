#include "framework/RegEx.h"

#include "framework/ClassRecord.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace fw {

namespace {

struct CompileContextFree {
    void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};
struct CodeFree {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataFree {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

// The engine's own text for an error code, nothing added.
String errorMessage(int errorCode)
{
    // Every message of the engine fits; one that did not would come back cut, which is still its text.
    PCRE2_UCHAR buffer[256] = {};
    const int length = pcre2_get_error_message(errorCode, buffer, sizeof buffer);
    const char* text = reinterpret_cast<const char*>(buffer);
    return String(std::string(text, length >= 0 ? static_cast<size_t>(length) : strnlen(text, sizeof buffer)),
        Encoding::UTF8);
}

uint32_t compileOptions(const RegExOptions& options)
{
    // Invalid UTF-8 in a target only keeps those bytes from matching: file names need not be valid
    // UTF-8. The pattern itself is still checked.
    uint32_t flags = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
    if (!options.CaseSensitive)
        flags |= PCRE2_CASELESS;
    if (!options.TreatTargetAsOneLine)
        flags |= PCRE2_MULTILINE;
    if (options.DotMatchAll)
        flags |= PCRE2_DOTALL;
    return flags;
}

} // namespace

const ClassRecord& RegEx::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("RegEx", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.properties = { field("SearchPattern", &RegEx::SearchPattern),
                  objectProperty("Options", "RegExOptions") };
              r.methods = { { "Search", "%o<RegExMatch>%s" } };
          });
    return record;
}

namespace {

// The settings every expression compiles with: made once, as they hold no expression.
pcre2_compile_context* compileContext()
{
    static const std::unique_ptr<pcre2_compile_context, CompileContextFree> context = [] {
        std::unique_ptr<pcre2_compile_context, CompileContextFree> made(
            pcre2_compile_context_create(nullptr));
        if (!made)
            throw std::bad_alloc();
        // CR, LF and CR LF all end a line: scripts and names may come from any platform.
        pcre2_set_newline(made.get(), PCRE2_NEWLINE_ANYCRLF);
        return made;
    }();
    return context.get();
}

// Room for the whole match, which is all a search reports; every search on the one thread that
// searches reuses it.
pcre2_match_data* matchData()
{
    static const std::unique_ptr<pcre2_match_data, MatchDataFree> data(pcre2_match_data_create(1, nullptr));
    if (!data)
        throw std::bad_alloc();
    return data.get();
}

} // namespace

namespace {

// The compiled code of the patterns seen last, each with the options it was compiled with, so that a new
// expression of a pattern seen before costs no compile: listing a folder makes one expression per name,
// all of one pattern. Most recent first; the oldest goes once the cache is full. Only the thread that
// searches uses it.
class CodeCache {
public:
    // The code of `pattern` under `flags`, compiled now if it is not kept; nil with the engine's error
    // code when it does not compile. Failures are not kept, so each one raises again.
    pcre2_code* find(const std::string& pattern, uint32_t flags, int& errorCode)
    {
        for (size_t i = 0; i < m_entries.size(); ++i) {
            Entry& entry = m_entries[i];
            if (entry.flags == flags && entry.pattern == pattern) {
                if (i > 0)
                    std::rotate(m_entries.begin(), m_entries.begin() + i, m_entries.begin() + i + 1);
                return m_entries.front().code.get();
            }
        }
        PCRE2_SIZE errorOffset = 0;
        // No JIT: a JIT compile costs some forty times a search, more than most patterns ever repay here.
        std::unique_ptr<pcre2_code, CodeFree> code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()),
            pattern.size(), flags, &errorCode, &errorOffset, compileContext()));
        if (!code)
            return nullptr;
        if (m_entries.size() == capacity)
            m_entries.pop_back();
        m_entries.insert(m_entries.begin(), Entry { pattern, flags, std::move(code) });
        return m_entries.front().code.get();
    }

    static constexpr size_t capacity = 16;

private:
    struct Entry {
        std::string pattern;
        uint32_t flags;
        std::unique_ptr<pcre2_code, CodeFree> code;
    };
    std::vector<Entry> m_entries;
};

CodeCache& codeCache()
{
    static CodeCache cache;
    return cache;
}

} // namespace

Ref<RegExOptions> RegEx::Options() const
{
    if (!m_options)
        m_options = New<RegExOptions>();
    return m_options;
}

Ref<RegExMatch> RegEx::Search(const String& target)
{
    static const uint32_t defaultFlags = compileOptions(*New<RegExOptions>());
    int errorCode = 0;
    pcre2_code* code = codeCache().find(
        SearchPattern.bytes(), m_options ? compileOptions(*m_options) : defaultFlags, errorCode);
    if (!code)
        throw RegExSearchPatternException(errorMessage(errorCode));

    pcre2_match_data* data = matchData();
    const std::string& subject = target.bytes();
    const int result = pcre2_match(
        code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), 0, 0, data, nullptr);
    if (result == PCRE2_ERROR_NOMATCH)
        return nullptr;
    if (result < 0)
        throw RegExException(errorMessage(result));

    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data);
    Ref<RegExMatch> match = New<RegExMatch>();
    // \K in a lookahead can end a match before its start; such a match holds no text.
    const PCRE2_SIZE end = std::max(ovector[0], ovector[1]);
    match->Text = String(subject.substr(ovector[0], end - ovector[0]), target.encoding());
    match->BytePosition = static_cast<int64_t>(ovector[0]);
    return match;
}

} // namespace fw
