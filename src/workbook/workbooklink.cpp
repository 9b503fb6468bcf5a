#include "workbook/workbooklink.h"

#include "workbook/biffreader.h"
#include "workbook/biffwriter.h"
#include "workbook/workbookfile.h"

#include <algorithm>
#include <set>

namespace songtao {

using xls::Cell;
using xls::CellKind;
using xls::SheetData;

struct WorkbookLink::Connection
{
    Connection(const QString &file, xls::BiffWorkbook workbook)
        : path(file),
          book(std::move(workbook)),
          sheets(book.sheets().size()),
          nextRow(book.sheets().size(), 0),
          headings(book.sheets().size())
    { }

    QString path;
    xls::BiffWorkbook book;
    std::vector<std::shared_ptr<SheetData>> sheets; // read on first use
    std::vector<quint32> nextRow; // per sheet, after inserts
    std::vector<std::optional<QHash<QString, quint16>>> headings; // per sheet, on first use
    QString lastSheetName; // the last name looked up ...
    int lastSheet = -1; // ... and what it found
    int dirtySheet = -1; // the sheet with unwritten rows
};

namespace {

QHash<QString, quint16> headingsOf(const SheetData &sheet)
{
    QHash<QString, quint16> headings;
    for (const Cell &cell : sheet.cells) {
        if (cell.row != 0)
            break;
        const QString text = sheet.text(cell);
        if (!text.isEmpty() && !headings.contains(text))
            headings.insert(text, cell.column);
    }
    return headings;
}

} // namespace

// The program ends through std::exit, which destroys no object on the stack
// or the heap: the links still alive then write their inserts from here,
// when static objects are destroyed.
class WorkbookLink::LiveLinks
{
public:
    static LiveLinks &instance()
    {
        static LiveLinks links;
        return links;
    }
    void add(WorkbookLink *link) { m_links.insert(link); }
    void remove(WorkbookLink *link) { m_links.erase(link); }
    ~LiveLinks()
    {
        for (WorkbookLink *link : m_links)
            link->flush();
    }

private:
    std::set<WorkbookLink *> m_links;
};

QString SheetRows::readColumn(const QString &heading) const
{
    if (atEnd())
        return {};
    const auto column = m_headings.constFind(heading);
    if (column == m_headings.cend())
        return {};
    const std::vector<Cell> &cells = m_sheet->cells;
    const quint32 row = cells[m_rows[m_position]].row;
    for (size_t i = m_rows[m_position]; i < cells.size() && cells[i].row == row; ++i) {
        if (cells[i].column == *column)
            return m_sheet->text(cells[i]);
    }
    return {};
}

WorkbookLink::WorkbookLink()
{
    LiveLinks::instance().add(this);
}

WorkbookLink::~WorkbookLink()
{
    flush();
    LiveLinks::instance().remove(this);
}

bool WorkbookLink::connect(const QString &path)
{
    flush();
    auto book = xls::BiffWorkbook::fromFile(readWorkbookFile(path));
    if (!book)
        return false;
    m_connection = std::make_unique<Connection>(path, std::move(*book));
    return true;
}

bool WorkbookLink::isConnected() const
{
    return m_connection != nullptr;
}

QString WorkbookLink::path() const
{
    return m_connection ? m_connection->path : QString();
}

std::shared_ptr<SheetData> WorkbookLink::sheet(const QString &name, int *index)
{
    if (!m_connection)
        return nullptr;
    // An export names the same sheet in every insert: skip the search then.
    if (name != m_connection->lastSheetName) {
        m_connection->lastSheetName = name;
        m_connection->lastSheet = m_connection->book.findWorksheet(name);
    }
    const int found = m_connection->lastSheet;
    if (found < 0)
        return nullptr;
    auto &cached = m_connection->sheets[size_t(found)];
    if (!cached) {
        auto data = m_connection->book.readSheet(found);
        if (!data)
            return nullptr;
        cached = std::make_shared<SheetData>(std::move(*data));
    }
    if (index)
        *index = found;
    return cached;
}

std::optional<SheetRows> WorkbookLink::rowsWhereNotEmpty(const QString &sheetName,
                                                         const QString &column)
{
    const auto data = sheet(sheetName, nullptr);
    if (!data)
        return std::nullopt;
    SheetRows rows;
    rows.m_headings = headingsOf(*data);
    const auto wanted = rows.m_headings.constFind(column);
    if (wanted == rows.m_headings.cend())
        return std::nullopt;
    const std::vector<Cell> &cells = data->cells;
    quint32 rowStart = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i == 0 || cells[i].row != cells[i - 1].row)
            rowStart = quint32(i);
        if (cells[i].row > 0 && cells[i].column == *wanted && !data->isEmptyText(cells[i]))
            rows.m_rows.push_back(rowStart);
    }
    rows.m_sheet = data;
    return rows;
}

bool WorkbookLink::insertRow(const QString &sheetName,
                             const QList<QPair<QString, QString>> &namedValues)
{
    const auto refuse = [this] {
        flush();
        return false;
    };
    int index = -1;
    auto data = sheet(sheetName, &index);
    if (!data)
        return refuse();
    // Only what the writer can write back is changed: one sheet of text.
    if (m_connection->book.sheets().size() != 1 || !data->textOnly)
        return refuse();

    auto &cachedHeadings = m_connection->headings[size_t(index)];
    if (!cachedHeadings) // row 1 never changes: inserts go below it
        cachedHeadings = headingsOf(*data);
    const QHash<QString, quint16> &headings = *cachedHeadings;
    std::vector<std::pair<quint16, QString>> values;
    values.reserve(size_t(namedValues.size()));
    for (const auto &[name, value] : namedValues) {
        const auto column = headings.constFind(name);
        if (column == headings.cend() || value.size() > xls::kMaxCellText)
            return refuse();
        if (std::any_of(values.begin(), values.end(),
                        [&](const auto &taken) { return taken.first == *column; }))
            return refuse();
        values.emplace_back(*column, value);
    }
    quint32 &nextRow = m_connection->nextRow[size_t(index)];
    const quint32 row = std::max(data->cells.empty() ? 0 : data->cells.back().row + 1, nextRow);
    if (row >= xls::kMaxRows)
        return refuse();

    // Rows handed out earlier keep the sheet as it was when they were asked.
    if (data.use_count() > 2) {
        data = std::make_shared<SheetData>(*data);
        m_connection->sheets[size_t(index)] = data;
    }
    std::sort(values.begin(), values.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (auto &[column, value] : values) {
        if (value.isEmpty())
            continue;
        data->cells.push_back({row, column, CellKind::OwnText, quint32(data->ownTexts.size()), 0});
        data->ownTexts.push_back(std::move(value));
    }
    nextRow = row + 1;
    m_connection->dirtySheet = index;
    return true;
}

bool WorkbookLink::flush()
{
    if (!m_connection || m_connection->dirtySheet < 0)
        return true;
    const SheetData &data = *m_connection->sheets[size_t(m_connection->dirtySheet)];
    std::vector<xls::TextCell> cells;
    cells.reserve(data.cells.size());
    for (const Cell &cell : data.cells)
        cells.push_back({cell.row, cell.column, data.text(cell)});
    if (!writeWorkbookFile(m_connection->path, xls::buildTextWorkbookFile(data.name, cells)))
        return false;
    m_connection->dirtySheet = -1;
    return true;
}

bool WorkbookLink::disconnect()
{
    const bool written = flush();
    m_connection.reset();
    return written;
}

} // namespace songtao
