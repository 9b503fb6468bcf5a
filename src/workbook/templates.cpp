#include "workbook/templates.h"

#include "store/schema.h"
#include "workbook/biffwriter.h"
#include "workbook/workbookfile.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

// The resources live in a static library: nothing else would pull them in.
static void initTemplateResources()
{
    Q_INIT_RESOURCE(workbook);
}

namespace songtao {
namespace {

QString resourcePath(WorkbookTemplate kind)
{
    switch (kind) {
    case WorkbookTemplate::Books:
        return u":/workbook/books.xls"_s;
    case WorkbookTemplate::Readers:
        return u":/workbook/readers.xls"_s;
    case WorkbookTemplate::LendingReport:
        return u":/workbook/report.xls"_s;
    }
    return {};
}

} // namespace

QString templateSheetName(WorkbookTemplate kind)
{
    // The book template has always carried its sheet name in lower case.
    return kind == WorkbookTemplate::Books ? u"sheet1"_s : u"Sheet1"_s;
}

QStringList templateHeadings(WorkbookTemplate kind)
{
    switch (kind) {
    case WorkbookTemplate::Books:
        return bookColumns();
    case WorkbookTemplate::Readers:
        return readerColumns();
    case WorkbookTemplate::LendingReport:
        return {u"图书编号"_s, u"书名"_s, u"借阅者"_s, u"借书日期"_s, u"还书日期"_s};
    }
    return {};
}

QByteArray templateBytes(WorkbookTemplate kind)
{
    static const bool initialised = (initTemplateResources(), true);
    Q_UNUSED(initialised);
    QFile file(resourcePath(kind));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray buildTemplate(WorkbookTemplate kind)
{
    std::vector<xls::TextCell> cells;
    const QStringList headings = templateHeadings(kind);
    for (qsizetype i = 0; i < headings.size(); ++i)
        cells.push_back({0, quint16(i), headings[i]});
    return xls::buildTextWorkbookFile(templateSheetName(kind), cells);
}

bool writeTemplate(WorkbookTemplate kind, const QString &path)
{
    const QByteArray bytes = templateBytes(kind);
    return !bytes.isEmpty() && writeWorkbookFile(path, bytes);
}

} // namespace songtao
