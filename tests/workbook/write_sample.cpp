// Writes the sample export of the interoperability checks: the report
// template plus the sample rows, through the link, to the path given; and
// the texts every cell must show, as CSV (UTF-8, every text quoted), beside
// it. Run by scripts/check_libreoffice.sh.
#include "samplerows.h"

#include "workbook/templates.h"
#include "workbook/workbooklink.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace songtao;
using namespace Qt::Literals::StringLiterals;

namespace {

QString csvField(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (application.arguments().size() != 3) {
        std::fprintf(stderr, "usage: write_workbook_sample <file.xls> <expected.csv>\n");
        return 2;
    }
    const QString path = application.arguments().at(1);
    if (!writeTemplate(WorkbookTemplate::LendingReport, path))
        return 1;
    WorkbookLink link;
    if (!link.connect(path))
        return 1;
    QList<QStringList> rows = test::trickyRows();
    for (const QStringList &row : rows) {
        QList<QPair<QString, QString>> named;
        for (qsizetype i = 0; i < test::kHeadings.size(); ++i)
            named.append({test::kHeadings[i], row[i]});
        if (!link.insertRow(u"Sheet1"_s, named))
            return 1;
    }
    if (!link.disconnect())
        return 1;

    rows.prepend(test::kHeadings);
    QString csv;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &text : row)
            fields.append(csvField(text));
        csv += fields.join(u',') + u'\n';
    }
    QFile expected(application.arguments().at(2));
    return expected.open(QIODevice::WriteOnly) && expected.write(csv.toUtf8()) >= 0 ? 0 : 1;
}
