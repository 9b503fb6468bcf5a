#!/usr/bin/env bash
# Makes the .xls fixtures of the workbook tests with writers nobody here
# wrote: python3-xlwt (Debian's, through /usr/bin/python3) and LibreOffice
# Calc headless (package libreoffice-calc-nogui, installed by hand: it is
# not needed to build or test). Run from anywhere; the results are committed.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# xlwt_books.xls: sheet "Other" first, then "Sheet1" with numbers, dates,
# date-times, an empty string in the shared-string table, a lone quote, and
# a row whose 图书编号 is empty.
/usr/bin/python3 - <<'PY'
import datetime, xlwt
from xlwt import Cell
wb = xlwt.Workbook(encoding='utf-8')
other = wb.add_sheet('Other')
other.write(0, 0, '不是这张表')
ws = wb.add_sheet('Sheet1')
date = xlwt.easyxf(num_format_str='yyyy-mm-dd')
stamp = xlwt.easyxf(num_format_str='yyyy"年"m"月"d"日" hh:mm:ss')
money = xlwt.easyxf(num_format_str='0.00')
heads = ['图书编号', '书名', '页数', '单价', '条形码', '入库时间', '借出时间', '备注']
for c, h in enumerate(heads):
    ws.write(0, c, h)
ws.write(1, 0, 'A00001'); ws.write(1, 1, '红楼梦'); ws.write(1, 2, 169)
ws.write(1, 3, 15.0, money); ws.write(1, 4, 9787020002207)
ws.write(1, 5, datetime.date(2016, 3, 21), date)
ws.write(1, 6, datetime.datetime(2016, 3, 21, 15, 40, 6), stamp)
ws.write(1, 7, "'")
ws.write(2, 0, 'A00002'); ws.write(2, 2, 9.5)
ws.write(2, 6, datetime.datetime(2016, 3, 21, 15, 0, 0), stamp)
# An empty string stored as text (xlwt itself writes "" as a blank cell).
ws.row(2).insert_cell(1, Cell.StrCell(2, 1, 0x11, wb.add_str('')))
ws.write(3, 1, '没有编号的书')
ws.write(4, 0, 12345); ws.write(4, 1, '数字编号'); ws.write(4, 3, -0.25)
wb.save('xlwt_books.xls')

# xlwt_samename.xls: two sheets named alike but for letter case, which
# Excel itself never allows.
wb = xlwt.Workbook(encoding='utf-8')
wb.add_sheet('Sheet1').write(0, 0, '图书编号')
wb.add_sheet('Other').write(0, 0, '图书编号')
wb.get_sheet(1).set_name('SHEET1')
wb.save('xlwt_samename.xls')

# xlwt_1904.xls: dates counted from 1904, as Excel for the Mac kept them.
wb = xlwt.Workbook(encoding='utf-8')
wb.dates_1904 = True
ws = wb.add_sheet('Sheet1')
ws.write(0, 0, '图书编号'); ws.write(0, 1, '入库时间')
ws.write(1, 0, 'A00001')
ws.write(1, 1, datetime.datetime(2016, 3, 21, 8, 5, 0), xlwt.easyxf(num_format_str='yyyy/m/d h:mm'))
wb.save('xlwt_1904.xls')
PY

# LibreOffice: a flat OpenDocument sheet converted to Excel 97-2003. The
# formulas get their cached values from Calc (a formula given without a value
# is computed on load).
cat > "$work/lo_books.fods" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:automatic-styles>
  <number:date-style style:name="D1"><number:year number:style="long"/><number:text>/</number:text><number:month/><number:text>/</number:text><number:day/></number:date-style>
  <number:date-style style:name="D2"><number:year number:style="long"/><number:text>-</number:text><number:month number:style="long"/><number:text>-</number:text><number:day number:style="long"/><number:text> </number:text><number:hours number:style="long"/><number:text>:</number:text><number:minutes number:style="long"/></number:date-style>
  <number:number-style style:name="N1"><number:number number:decimal-places="2" number:min-integer-digits="1"/></number:number-style>
  <style:style style:name="cd" style:family="table-cell" style:data-style-name="D1"/>
  <style:style style:name="ct" style:family="table-cell" style:data-style-name="D2"/>
  <style:style style:name="cm" style:family="table-cell" style:data-style-name="N1"/>
 </office:automatic-styles>
 <office:body><office:spreadsheet>
  <table:table table:name="借阅">
   <table:table-row><table:table-cell office:value-type="string"><text:p>第一张表</text:p></table:table-cell><table:table-cell office:value-type="float" office:value="42"><text:p>42</text:p></table:table-cell></table:table-row>
   <table:table-row><table:table-cell office:value-type="date" office:date-value="2016-03-21" table:style-name="cd"><text:p>2016/3/21</text:p></table:table-cell><table:table-cell office:value-type="float" office:value="0.1"><text:p>0.1</text:p></table:table-cell><table:table-cell office:value-type="boolean" office:boolean-value="true"><text:p>TRUE</text:p></table:table-cell></table:table-row>
  </table:table>
  <table:table table:name="SHEET1">
   <table:table-row>
    <table:table-cell office:value-type="string"><text:p>借书证号</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>姓名</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>单价</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>合计</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>说明</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>借书日期</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>空</text:p></table:table-cell>
   </table:table-row>
   <table:table-row>
    <table:table-cell office:value-type="float" office:value="201409001"><text:p>201409001</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>张三</text:p></table:table-cell>
    <table:table-cell office:value-type="float" office:value="15" table:style-name="cm"><text:p>15.00</text:p></table:table-cell>
    <table:table-cell table:formula="of:=[.C2]*2" office:value-type="float" office:value="30"><text:p>30</text:p></table:table-cell>
    <table:table-cell table:formula="of:=[.B2]&amp;&quot;的书&quot;"/>
    <table:table-cell office:value-type="date" office:date-value="2016-03-21T15:40:00" table:style-name="ct"><text:p>2016-03-21 15:40</text:p></table:table-cell>
    <table:table-cell table:formula="of:=&quot;&quot;" office:value-type="string" office:string-value=""><text:p/></table:table-cell>
   </table:table-row>
   <table:table-row>
    <table:table-cell office:value-type="string"><text:p>201409002</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>'</text:p></table:table-cell>
    <table:table-cell office:value-type="float" office:value="9.5"><text:p>9.5</text:p></table:table-cell>
    <table:table-cell table:formula="of:=1/0" office:value-type="float" office:value="0"><text:p>#DIV/0!</text:p></table:table-cell>
   </table:table-row>
   <table:table-row>
    <table:table-cell/>
    <table:table-cell office:value-type="string"><text:p>没有证号</text:p></table:table-cell>
   </table:table-row>
  </table:table>
 </office:spreadsheet></office:body>
</office:document>
XML
sed -e 's/table:name="SHEET1"/table:name="读者"/' "$work/lo_books.fods" > "$work/lo_nosheet1.fods"
# A workbook saved as .xlsx but named .xls.
cp "$work/lo_books.fods" "$work/lo_xlsx.fods"

profile="file://$work/profile"
for name in lo_books lo_nosheet1; do
  soffice -env:UserInstallation="$profile" --headless --convert-to xls:"MS Excel 97" \
    --outdir "$work" "$work/$name.fods" >/dev/null
  cp "$work/$name.xls" "$name.xls"
done
soffice -env:UserInstallation="$profile" --headless --convert-to xlsx:"Calc MS Excel 2007 XML" \
  --outdir "$work" "$work/lo_xlsx.fods" >/dev/null
cp "$work/lo_xlsx.xlsx" renamed_xlsx.xls
