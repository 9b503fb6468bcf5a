#include "workbook/sheetdata.h"

#include "common/datetimetext.h"
#include "workbook/cellformat.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao::xls {
namespace {

const QString kEmpty;

const QString &storedText(const SheetData &sheet, const Cell &cell)
{
    if (cell.kind == CellKind::SharedText) {
        if (sheet.sharedStrings && cell.text < sheet.sharedStrings->size())
            return (*sheet.sharedStrings)[cell.text];
        return kEmpty;
    }
    if (cell.text < sheet.ownTexts.size())
        return sheet.ownTexts[cell.text];
    return kEmpty;
}

} // namespace

QString SheetData::text(const Cell &cell) const
{
    switch (cell.kind) {
    case CellKind::Number:
        return numberText(cell.number);
    case CellKind::Date:
        if (const auto moment = serialDateTime(cell.number, date1904))
            return dateTimeText(*moment);
        return numberText(cell.number);
    case CellKind::Boolean:
        return cell.number != 0 ? u"1"_s : u"0"_s;
    case CellKind::Error:
        return {};
    case CellKind::SharedText:
    case CellKind::OwnText:
        return storedText(*this, cell);
    }
    return {};
}

QString SheetData::previewText(const Cell &cell) const
{
    switch (cell.kind) {
    case CellKind::Number:
        return shortestNumberText(cell.number);
    case CellKind::Date: {
        const auto moment = serialDateTime(cell.number, date1904);
        if (!moment)
            return shortestNumberText(cell.number);
        const QString time = moment->time().toString(u"H:mm:ss"_s);
        if (cell.number < 1)
            return time;
        const QDate date = moment->date();
        QString text = QString::number(date.year()) + u'/' + QString::number(date.month()) + u'/'
            + QString::number(date.day());
        if (moment->time() != QTime(0, 0))
            text += u' ' + time;
        return text;
    }
    case CellKind::Boolean:
        return cell.number != 0 ? u"True"_s : u"False"_s;
    case CellKind::Error:
        return {};
    case CellKind::SharedText:
    case CellKind::OwnText:
        return storedText(*this, cell);
    }
    return {};
}

bool SheetData::isEmptyText(const Cell &cell) const
{
    switch (cell.kind) {
    case CellKind::Error:
        return true;
    case CellKind::SharedText:
    case CellKind::OwnText:
        return storedText(*this, cell).isEmpty();
    default:
        return false;
    }
}

} // namespace songtao::xls
