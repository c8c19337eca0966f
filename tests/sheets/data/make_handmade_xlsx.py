# Writes soci_a_mano.xlsx: a workbook written by hand, not by a spreadsheet program, the way
# small web tools write them: inline strings (one with rich-text runs), no shared strings,
# date cells under a custom and a built-in date format, a boolean, a formula's text, a cell
# without its reference, a blank row, and a second sheet stored as sheet1.xml to trap readers
# that guess part names. (soci_libreoffice.xlsx was made from a CSV with
# soffice --headless --infilter="CSV:59,34,76,1,,1040" --convert-to xlsx soci.csv.)
import sys, zipfile

def inline(ref, text):
    return f'<c r="{ref}" t="inlineStr"><is><t>{text}</t></is></c>'

sheet = ('<?xml version="1.0" encoding="UTF-8"?>'
    '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
    '<row r="1">' + inline("A1", "Cognome e nome Socio") + inline("B1", "Tessera n.")
    + inline("C1", "Data di rilascio") + inline("D1", "Data di scadenza") + inline("E1", "Nato il")
    + inline("F1", "Cellulare") + inline("G1", "Annullata") + inline("H1", "Note") + '</row>'
    '<row r="2">'
    '<c r="A2" t="inlineStr"><is><r><t xml:space="preserve">Verdi </t></r><r><rPr><b/></rPr><t>Anna</t></r>'
    '<rPh sb="0" eb="1"><t>VERDI</t></rPh></is></c>'
    '<c r="B2" t="str"><f>"T-"&amp;7</f><v>T-7</v></c>'
    '<c r="C2" s="1"><v>46023</v></c><c r="D2" s="2"><v>46387.75</v></c>'
    '<c r="E2" s="1"><v>27480</v></c><c r="F2"><v>3331234567</v></c>'
    '<c r="G2" t="b"><v>0</v></c>'
    '<c r="H2" t="inlineStr"><is><t xml:space="preserve">prima riga&#10;seconda riga</t></is></c></row>'
    '<row r="4">' + inline("A4", "Neri Paolo") + '<c t="inlineStr"><is><t>T-8</t></is></c>'
    '<c s="1"><v>46054</v></c><c s="1"><v>46418</v></c><c/><c/><c t="b"><v>1</v></c></row>'
    '</sheetData></worksheet>')

other = ('<?xml version="1.0" encoding="UTF-8"?>'
    '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
    '<row r="1">' + inline("A1", "Non questo foglio") + '</row></sheetData></worksheet>')

parts = {
    "[Content_Types].xml": '<?xml version="1.0" encoding="UTF-8"?>'
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
        '<Override PartName="/xl/worksheets/soci.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
        '<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
        '<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>'
        '</Types>',
    "_rels/.rels": '<?xml version="1.0" encoding="UTF-8"?>'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>'
        '</Relationships>',
    "xl/workbook.xml": '<?xml version="1.0" encoding="UTF-8"?>'
        '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
        'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
        '<workbookPr/><sheets><sheet name="Soci" sheetId="1" r:id="rId7"/>'
        '<sheet name="Altro" sheetId="2" r:id="rId8"/></sheets></workbook>',
    "xl/_rels/workbook.xml.rels": '<?xml version="1.0" encoding="UTF-8"?>'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId8" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>'
        '<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/soci.xml"/>'
        '<Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>'
        '</Relationships>',
    "xl/styles.xml": '<?xml version="1.0" encoding="UTF-8"?>'
        '<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
        '<numFmts count="1"><numFmt numFmtId="164" formatCode="[$-410]dd/mm/yyyy;@"/></numFmts>'
        '<cellStyleXfs count="1"><xf numFmtId="14"/></cellStyleXfs>'
        '<cellXfs count="3"><xf numFmtId="0"/><xf numFmtId="164"/><xf numFmtId="14"/></cellXfs>'
        '</styleSheet>',
    "xl/worksheets/soci.xml": sheet,
    "xl/worksheets/sheet1.xml": other,
}

with zipfile.ZipFile(sys.argv[1] if len(sys.argv) > 1 else "soci_a_mano.xlsx", "w",
                     zipfile.ZIP_DEFLATED) as z:
    for name, text in parts.items():
        z.writestr(name, text)
