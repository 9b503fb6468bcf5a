#!/usr/bin/env bash
# Makes legacy.sdb: a database as an earlier Windows install wrote it, with
# GBK bytes in its schema and rows, written by the sqlite3 shell rather than
# by our own code. Run from this folder; the result is committed.
set -euo pipefail
rm -f legacy.sdb
iconv -f UTF-8 -t GBK <<'SQL' | sqlite3 legacy.sdb
CREATE TABLE 读者数据 (班别 TEXT(20), 姓名 TEXT(20), 借书证号 TEXT(20), 图书编号串 TEXT(100), 日期编号串 TEXT(100), 书名串 TEXT(200));
CREATE TABLE 图书数据 (条形码 TEXT(15), 图书编号 TEXT(10), 分类号 TEXT(20), 图书类别 TEXT(20), 复本号 TEXT(15), 书名 TEXT(50), 著译者 TEXT(20), 出版处 TEXT(20), 页数 TEXT(10), 开本 TEXT(10), 版期 TEXT(15), 版次 TEXT(10), 单价 TEXT(15), 书架名称 TEXT(20), 入库时间 TEXT(20), 是否借出 TEXT(1));
CREATE TABLE 借出数据 (图书编号 TEXT(15), 借书证号 TEXT(20));
CREATE TABLE 借阅报表 (年份 TEXT(4), 图书编号 TEXT(10), 书名 TEXT(50), 借阅者 TEXT(15), 借书日期 TEXT(11), 还书日期 TEXT(11));
INSERT INTO 读者数据 VALUES('初一(3)班','张三','201409001','A00001','2016年3月21日','红楼梦');
INSERT INTO 读者数据 VALUES('初二(1)班','李四','201409002','0','0','0');
INSERT INTO 图书数据 VALUES('9787020002207','A00001','I242.4','文学','1','红楼梦','曹雪芹','人民文学出版社','1606','32开','1996.12','3','59.7','文学书架一','2015年9月1日','0');
INSERT INTO 图书数据 VALUES('9787532723157','A00002','I313.45','文学','1','癮君子的皘字','佚名','上海译文出版社','300','32开','2002.1','1','18','外国文学','2015年9月1日','0');
INSERT INTO 借出数据 VALUES('A00001','201409001');
INSERT INTO 借阅报表 VALUES('2016','A00001','红楼梦','初一(3)班 张三','2016年3月21日','');
SQL
