#!/usr/bin/python3
"""The workbook of `kvr --check -o` beside the TSV of the same files, read by openpyxl and
shown by LibreOffice under uk_UA and en_US: no formula anywhere, every number a number cell
that the spreadsheet shows as the table writes it, every text the student's text.
workbook.py XLSX TSV SEPARATOR LOCPATH"""
import csv, os, re, subprocess, sys, tempfile
import openpyxl

xlsx, tsv, separator, locpath = sys.argv[1:5]
table = [line.split('\t') for line in open(tsv, encoding='utf-8').read().split('\n')[:-1]]
sheet = openpyxl.load_workbook(xlsx).active
assert sheet.freeze_panes == 'B2' and sheet.auto_filter.ref.startswith('A1:'), 'header'
captions = [cell.value for cell in sheet[1]]
assert captions == open(os.path.join(os.path.dirname(__file__), 'check-captions.txt'),
                        encoding='utf-8').read().splitlines(), captions
# characters wide (libxlsxwriter adds its padding): the file, the status, the message and
# the notes; every column between them alike
widths = [sheet.column_dimensions[openpyxl.utils.get_column_letter(c + 1)].width
          for c in range(len(captions))]
assert widths == [w + 0.7109375 for w in [32, 9, 48] + [14] * (len(captions) - 4) + [48]], widths
first_result = table[0].index('cutting_speed_1')
rows = [[cell for cell in row] for row in sheet.iter_rows(min_row=2)]
assert len(rows) == len(table) - 1 and all(len(r) == len(table[0]) for r in rows), 'shape'

def tsv_text(text):  # as the TSV escapes a text: controls as spaces, a formula behind '
    return re.sub('[\x00-\x1f\x7f]', ' ', text)

failures = []
fills = {'ok': 'C6EFCE', 'warning': 'FFEB9C', 'fault': 'FFC7CE', 'input': 'FFC7CE', 'file': 'FFC7CE'}
for r, row in enumerate(rows):
    if not row[1].fill.fgColor.rgb.endswith(fills[row[1].value]):
        failures.append((r, 'status fill', row[1].value, row[1].fill.fgColor.rgb))
    for c, cell in enumerate(row):
        expected = table[r + 1][c]
        plain = expected[1:] if expected[:2] in ("'=", "'+", "'-", "'@") else expected
        if cell.data_type == 'n' and cell.value is not None:
            if float(plain.strip().replace(',', '.')) != cell.value:
                failures.append((r, c, cell.value, expected))
        elif cell.data_type != 's' and cell.value is not None or \
                tsv_text(cell.value or '') != plain:
            failures.append((r, c, cell.data_type, cell.value, expected))

for locale, shown in (('uk_UA', ','), ('en_US', '.')):
    with tempfile.TemporaryDirectory() as out:
        subprocess.run(['soffice', f'-env:UserInstallation=file://{out}/profile', '--headless',
                        '--convert-to', 'csv:Text - txt - csv (StarCalc):9,34,76,1,,0,false,'
                        'true,true', '--outdir', out, xlsx], check=True, capture_output=True,
                       env=dict(os.environ, LC_ALL=f'{locale}.UTF-8', LOCPATH=locpath))
        name = os.path.splitext(os.path.basename(xlsx))[0] + '.csv'
        with open(os.path.join(out, name), encoding='utf-8', newline='') as f:
            csv_rows = list(csv.reader(f, delimiter='\t'))[1:]
    for r, row in enumerate(rows):
        for c, cell in enumerate(row):
            seen = csv_rows[r][c] if c < len(csv_rows[r]) else ''
            if cell.data_type != 'n' or cell.value is None:
                ok = seen == (cell.value or '')
            elif c >= first_result:  # a result: shown with the windows' decimals
                ok = seen == table[r + 1][c].replace(separator, shown)
            else:
                ok = float(seen.replace(shown, '.')) == cell.value
            if not ok:
                failures.append((locale, r, c, seen, cell.value))

for failure in failures[:20]:
    print('FAIL', failure)
sys.exit(1 if failures else 0)
