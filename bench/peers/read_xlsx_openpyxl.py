# Reads every cell of the first sheet of an .xlsx file with openpyxl in read-only mode.
import sys
import openpyxl

book = openpyxl.load_workbook(sys.argv[1], read_only=True)
sheet = book.worksheets[0]
cells = 0
for row in sheet.iter_rows(values_only=True):
    cells += len(row)
print(cells)
