#!/usr/bin/env python3
"""Seeds of the shapes that hurt the spreadsheet readers, made at run time rather than checked
in: very wide and very long CSV, deeply nested XML, a long cell, runs of "<" and "&" in an HTML
sheet, and high-ratio workbooks. Usage: fuzz_sheet_import.py <folder>"""
import io
import os
import sys
import zipfile

out = sys.argv[1]
NS = "http://schemas.openxmlformats.org/"


def write(name, data):
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)


def workbook(sheet, blanks=0):
    buf = io.BytesIO()
    with zipfile.ZipFile(buf, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        z.writestr("_rels/.rels", f'<?xml version="1.0"?><Relationships xmlns="{NS}package/2006/'
                   f'relationships"><Relationship Id="rId1" Type="{NS}officeDocument/2006/'
                   'relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
        z.writestr("xl/workbook.xml", f'<?xml version="1.0"?><workbook xmlns="{NS}spreadsheetml/'
                   f'2006/main" xmlns:r="{NS}officeDocument/2006/relationships"><sheets><sheet '
                   'name="Soci" sheetId="1" r:id="rId1"/></sheets></workbook>')
        z.writestr("xl/_rels/workbook.xml.rels", f'<?xml version="1.0"?><Relationships xmlns="{NS}'
                   f'package/2006/relationships"><Relationship Id="rId1" Type="{NS}officeDocument/'
                   '2006/relationships/worksheet" Target="worksheets/sheet1.xml"/></Relationships>')
        with z.open("xl/worksheets/sheet1.xml", "w") as part:
            part.write(sheet[0].encode())
            chunk = b" " * (1 << 20)
            for _ in range(blanks >> 20):
                part.write(chunk)
            part.write(sheet[1].encode())
    return buf.getvalue()


SHEET = (f'<?xml version="1.0"?><worksheet xmlns="{NS}spreadsheetml/2006/main"><sheetData>',
         "</sheetData></worksheet>")

write("wide.csv", b";".join(b"Colonna%d" % c for c in range(1, 60001)) + b"\r\n")
write("long.csv", b"Socio;Tessera n.\r\n" + b"".join(b"Socio %d;%d\r\n" % (i, i)
                                                   for i in range(1, 150001)))
write("long_cell.csv", b'Socio;Note\r\nRossi;"' + b"x" * 40000 + b'"\r\n')
write("stray_quote.csv", b'Socio;Note\r\nRossi;"' + b"riga\r\n" * 20000)
write("angles.xls", b"<table><tr><td>" + b"<" * (1 << 20))
write("ampersands.xls", b"<table><tr><td>" + b"&" * (1 << 20))
write("nested.xlsx", workbook((SHEET[0] + '<row r="1"><c t="inlineStr"><is>' + "<r>" * 100000,
                               "</r>" * 100000 + "</is></c></row>" + SHEET[1])))
write("wide_row.xlsx", workbook((SHEET[0] + '<row r="1"><c r="ZZZ1" t="inlineStr"><is><t>x</t>'
                                 '</is></c></row><row r="999999"/>', SHEET[1])))
write("ratio.xlsx", workbook(SHEET, 20 << 20))
write("bomb.xlsx", workbook(SHEET, 300 << 20))
