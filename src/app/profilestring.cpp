#include "app/profilestring.h"

#include <QList>

#include <optional>

namespace songtao {
namespace {

// Blank as the profile functions see it: ASCII white space and Ctrl-Z.
bool isBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// One line of the file: where its text starts and ends (terminator excluded)
// and where the next line starts. A lone CR ends a line as LF does.
struct Line
{
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

QList<Line> splitLines(QByteArrayView content)
{
    QList<Line> lines;
    qsizetype at = 0;
    while (at < content.size()) {
        qsizetype end = at;
        while (end < content.size() && content[end] != '\n' && content[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < content.size() && content[next] == '\r')
            ++next;
        if (next < content.size() && content[next] == '\n')
            ++next;
        lines.append({at, end, next});
        at = next;
    }
    return lines;
}

// The name of a section header line, or nothing when the line is no header.
std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmed(text.sliced(1, close - 1));
}

struct KeyLine
{
    QByteArrayView name;
    std::optional<QByteArrayView> value;
};

KeyLine splitKeyLine(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return {text, std::nullopt};
    return {trimmed(text.first(equals)), trimmed(text.sliced(equals + 1))};
}

QByteArrayView withoutQuotes(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front()) {
        return value.sliced(1, value.size() - 2);
    }
    return value;
}

// Where the section starts (its header line) and the lines that belong to it.
struct SectionSpan
{
    qsizetype header = -1;
    qsizetype firstLine = -1;
    qsizetype endLine = -1; // one past the last line of the section
};

SectionSpan findSection(QByteArrayView content, const QList<Line> &lines, QByteArrayView section)
{
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name =
            sectionName(content.sliced(lines[i].begin, lines[i].end - lines[i].begin));
        if (!name)
            continue;
        if (span.header >= 0) {
            span.endLine = i;
            return span;
        }
        if (sameName(*name, section)) {
            span.header = i;
            span.firstLine = i + 1;
        }
    }
    if (span.header >= 0)
        span.endLine = lines.size();
    return span;
}

qsizetype findKey(QByteArrayView content, const QList<Line> &lines, const SectionSpan &span,
                  QByteArrayView key)
{
    for (qsizetype i = span.firstLine; i < span.endLine; ++i) {
        const QByteArrayView line = content.sliced(lines[i].begin, lines[i].end - lines[i].begin);
        if (sameName(splitKeyLine(line).name, trimmed(key)))
            return i;
    }
    return -1;
}

} // namespace

QByteArray readProfileString(QByteArrayView content, QByteArrayView section, QByteArrayView key)
{
    const QList<Line> lines = splitLines(content);
    const SectionSpan span = findSection(content, lines, trimmed(section));
    if (span.header < 0)
        return {};
    const qsizetype index = findKey(content, lines, span, key);
    if (index < 0)
        return {};
    const Line &line = lines[index];
    const auto value = splitKeyLine(content.sliced(line.begin, line.end - line.begin)).value;
    return value ? withoutQuotes(*value).toByteArray() : QByteArray();
}

QByteArray writeProfileString(QByteArrayView content, QByteArrayView section, QByteArrayView key,
                              QByteArrayView value)
{
    static constexpr QByteArrayView kNewLine = "\r\n";
    const QByteArray keyLine = trimmed(key).toByteArray() + '=' + value.toByteArray();
    const QList<Line> lines = splitLines(content);
    const SectionSpan span = findSection(content, lines, trimmed(section));

    QByteArray result;
    if (span.header < 0) {
        result = content.toByteArray();
        if (!result.isEmpty() && !result.endsWith('\n') && !result.endsWith('\r'))
            result += kNewLine;
        result += '[' + trimmed(section).toByteArray() + ']' + kNewLine + keyLine + kNewLine;
        return result;
    }

    const qsizetype index = findKey(content, lines, span, key);
    if (index >= 0) {
        // The key keeps the spelling the file gives it.
        const Line &line = lines[index];
        const QByteArrayView name =
            splitKeyLine(content.sliced(line.begin, line.end - line.begin)).name;
        result = content.first(line.begin).toByteArray();
        result += name.toByteArray() + '=' + value.toByteArray();
        result += content.sliced(line.end).toByteArray();
        return result;
    }

    // A new key goes after the last non-blank line of its section, so that
    // the blank line before the next section stays where it was.
    qsizetype after = span.header;
    for (qsizetype i = span.firstLine; i < span.endLine; ++i) {
        if (!trimmed(content.sliced(lines[i].begin, lines[i].end - lines[i].begin)).isEmpty())
            after = i;
    }
    const Line &line = lines[after];
    result = content.first(line.end).toByteArray();
    result += kNewLine + keyLine;
    if (line.next == line.end)
        result += kNewLine; // the last line had no terminator
    else
        result += content.sliced(line.end).toByteArray();
    return result;
}

} // namespace songtao
