#include "store/gbklike.h"

#include "common/gbk.h"

#include <sqlite3.h>

#include <vector>

namespace songtao {
namespace {

struct PatternToken
{
    enum class Kind { Literal, AnyRun, OneChar };
    Kind kind;
    QByteArrayView bytes; // the character, for literals
};

unsigned char foldAscii(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool sameChar(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    if (a.size() == 1)
        return foldAscii(static_cast<unsigned char>(a[0]))
            == foldAscii(static_cast<unsigned char>(b[0]));
    return a == b;
}

std::vector<PatternToken> tokenize(QByteArrayView pattern, QByteArrayView escape)
{
    std::vector<PatternToken> tokens;
    for (qsizetype at = 0; at < pattern.size();) {
        qsizetype length = gbkCharLength(pattern, at);
        QByteArrayView current = pattern.sliced(at, length);
        if (!escape.isEmpty() && current == escape && at + length < pattern.size()) {
            at += length;
            length = gbkCharLength(pattern, at);
            tokens.push_back({PatternToken::Kind::Literal, pattern.sliced(at, length)});
        } else if (current == "%") {
            if (tokens.empty() || tokens.back().kind != PatternToken::Kind::AnyRun)
                tokens.push_back({PatternToken::Kind::AnyRun, {}});
        } else if (current == "_") {
            tokens.push_back({PatternToken::Kind::OneChar, {}});
        } else {
            tokens.push_back({PatternToken::Kind::Literal, current});
        }
        at += length;
    }
    return tokens;
}

// Greedy walk with one backtracking point at the last '%': enough for
// patterns made of literals, '_' and '%'.
bool matchTokens(const std::vector<PatternToken> &tokens, QByteArrayView text)
{
    const auto tokenCount = tokens.size();
    std::size_t tokenAt = 0;
    qsizetype textAt = 0;
    std::size_t starToken = tokenCount; // none yet
    qsizetype starText = 0;
    while (textAt < text.size()) {
        const qsizetype length = gbkCharLength(text, textAt);
        if (tokenAt < tokenCount) {
            const PatternToken &token = tokens[tokenAt];
            if (token.kind == PatternToken::Kind::AnyRun) {
                starToken = tokenAt++;
                starText = textAt;
                continue;
            }
            if (token.kind == PatternToken::Kind::OneChar
                || sameChar(token.bytes, text.sliced(textAt, length))) {
                ++tokenAt;
                textAt += length;
                continue;
            }
        }
        if (starToken == tokenCount)
            return false;
        tokenAt = starToken + 1;
        starText += gbkCharLength(text, starText);
        textAt = starText;
    }
    while (tokenAt < tokenCount && tokens[tokenAt].kind == PatternToken::Kind::AnyRun)
        ++tokenAt;
    return tokenAt == tokenCount;
}

// A pattern tokenized once per statement rather than once per row: a title
// search compares it with every title of the catalogue, twice.
struct CompiledPattern
{
    CompiledPattern(QByteArrayView patternBytes, QByteArrayView escapeBytes)
        : pattern(patternBytes.toByteArray()),
          escape(escapeBytes.toByteArray()),
          tokens(tokenize(pattern, escape))
    { }
    QByteArray pattern;
    QByteArray escape;
    std::vector<PatternToken> tokens; // views into `pattern`
};

void likeFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    }
    const auto view = [&](int i) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[i]));
        return QByteArrayView(text, sqlite3_value_bytes(argv[i]));
    };
    QByteArrayView escape;
    if (argc == 3) {
        escape = view(2);
        if (escape.isEmpty() || gbkCharLength(escape, 0) != escape.size()) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
    }
    auto *cached = static_cast<CompiledPattern *>(sqlite3_get_auxdata(context, 0));
    if (cached != nullptr && cached->pattern == view(0) && cached->escape == escape) {
        sqlite3_result_int(context, matchTokens(cached->tokens, view(1)) ? 1 : 0);
        return;
    }
    auto *compiled = new CompiledPattern(view(0), escape);
    sqlite3_result_int(context, matchTokens(compiled->tokens, view(1)) ? 1 : 0);
    // SQLite may free it at once (a pattern that is not constant): nothing
    // may touch it after this call.
    sqlite3_set_auxdata(context, 0, compiled,
                        [](void *data) { delete static_cast<CompiledPattern *>(data); });
}

} // namespace

bool gbkLike(QByteArrayView pattern, QByteArrayView text, QByteArrayView escape)
{
    return matchTokens(tokenize(pattern, escape), text);
}

bool registerGbkLike(sqlite3 *connection)
{
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    return sqlite3_create_function(connection, "like", 2, flags, nullptr, likeFunction, nullptr,
                                   nullptr)
        == SQLITE_OK
        && sqlite3_create_function(connection, "like", 3, flags, nullptr, likeFunction, nullptr,
                                   nullptr)
        == SQLITE_OK;
}

} // namespace songtao
