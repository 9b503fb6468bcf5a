"""Prints a workbook as python3-xlrd reads it, as JSON: the sheet names and
every cell of every sheet (type and value), for the interoperability test."""
import json
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1])
json.dump({
    "sheets": [sheet.name for sheet in book.sheets()],
    "cells": [[[[cell.ctype, cell.value] for cell in sheet.row(r)] for r in range(sheet.nrows)]
              for sheet in book.sheets()],
}, sys.stdout, ensure_ascii=True)
