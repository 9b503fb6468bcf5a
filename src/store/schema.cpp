#include "store/schema.h"

#include "common/programfolder.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

const QList<TableLayout> &libraryTables()
{
    static const QList<TableLayout> tables = {
        {kReaderTable, u"班别,姓名,借书证号,图书编号串,日期编号串,书名串"_s,
         u"20,20,20,100,100,200"_s, u"读者数据库初始化失败"_s},
        {kBookTable,
         u"条形码,图书编号,分类号,图书类别,复本号,书名,著译者,出版处,页数,开本,版期,版次,单价,书架名称,入库时间,是否借出"_s,
         u"15,10,20,20,15,50,20,20,10,10,15,10,15,20,20,1"_s, u"图书数据库初始化失败"_s},
        {kLentTable, u"图书编号,借书证号"_s, u"15,20"_s, u"借出数据库初始化失败"_s},
        {kReportTable, u"年份,图书编号,书名,借阅者,借书日期,还书日期"_s, u"4,10,50,15,11,11"_s,
         u"借阅报表数据库初始化失败"_s},
    };
    return tables;
}

const QStringList &bookColumns()
{
    static const QStringList columns = libraryTables().at(1).columnNames.split(u',');
    return columns;
}

const QStringList &readerColumns()
{
    static const QStringList columns = libraryTables().at(0).columnNames.split(u',');
    return columns;
}

QString databaseFilePath()
{
    return programFolder() + u"/数据库.sdb"_s;
}

} // namespace songtao
