// Writes the three export templates as the workbook writer makes them, into
// the folder given (src/workbook/templates). Run by scripts/make_templates.sh.
#include "workbook/templates.h"
#include "workbook/workbookfile.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using songtao::WorkbookTemplate;

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (application.arguments().size() != 2) {
        std::fprintf(stderr, "usage: make_workbook_templates <folder>\n");
        return 2;
    }
    const QDir folder(application.arguments().at(1));
    const std::pair<WorkbookTemplate, QString> templates[] = {
        {WorkbookTemplate::Books, u"books.xls"_s},
        {WorkbookTemplate::Readers, u"readers.xls"_s},
        {WorkbookTemplate::LendingReport, u"report.xls"_s}};
    for (const auto &[kind, name] : templates) {
        if (!songtao::writeWorkbookFile(folder.filePath(name), songtao::buildTemplate(kind)))
            return 1;
    }
    return 0;
}
