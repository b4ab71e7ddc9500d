#!/usr/bin/python3
"""The workbook of `kvr --check -o` beside the TSV of the same files, read by openpyxl and
shown by LibreOffice under uk_UA and en_US: no formula anywhere, every number a number cell
that the spreadsheet shows as the table writes it, every text the student's text, no row with
notes green, and the good rows' mean speed a lathe's.
workbook.py XLSX TSV SEPARATOR LOCPATH [CAPTIONS]"""
import csv, os, re, subprocess, sys, tempfile
import openpyxl

xlsx, tsv, separator, locpath = sys.argv[1:5]
table = [line.split('\t') for line in open(tsv, encoding='utf-8').read().split('\n')[:-1]]
sheet = openpyxl.load_workbook(xlsx).active
assert sheet.freeze_panes == 'B2' and sheet.auto_filter.ref.startswith('A1:'), 'header'
captions = [cell.value for cell in sheet[1]]
captions_file = sys.argv[5] if len(sys.argv) > 5 else 'check-captions.txt'
# a caption a line, or all on one line between tabs
assert captions == re.split('[\t\n]', open(os.path.join(os.path.dirname(__file__), captions_file),
                                         encoding='utf-8').read().strip('\n')), captions
# characters wide (libxlsxwriter adds its padding): the file, the status, the note count, the
# message and the notes; every column between them alike
widths = [sheet.column_dimensions[openpyxl.utils.get_column_letter(c + 1)].width
          for c in range(len(captions))]
assert widths == [w + 0.7109375 for w in [32, 9, 10, 48] + [14] * (len(captions) - 5) + [48]], widths
first_result = table[0].index('cutting_speed_1')
rows = [[cell for cell in row] for row in sheet.iter_rows(min_row=2)]
assert len(rows) == len(table) - 1 and all(len(r) == len(table[0]) for r in rows), 'shape'

def tsv_text(text):  # as the TSV escapes a text: controls as spaces, a formula behind '
    return re.sub('[\x00-\x1f\x7f]', ' ', text)

def typed(text):  # the underscore of a typed "_x0041_" coded, as the spreadsheets decode it
    return (text or '').replace('_x005F_', '_')

failures = []
fills = {'ok': 'C6EFCE', 'warning': 'FFEB9C', 'fault': 'FFC7CE', 'input': 'FFC7CE', 'file': 'FFC7CE'}
noted = 'E4DFEC'
for r, row in enumerate(rows):
    fill = noted if row[2].value and row[1].value in ('ok', 'warning') else fills[row[1].value]
    notes_fill = noted if row[-1].value else '000000'
    if (row[1].fill.fgColor.rgb[-6:], row[-1].fill.fgColor.rgb[-6:]) != (fill, notes_fill):
        failures.append((r, 'fills', row[1].value, row[1].fill.fgColor.rgb, row[-1].fill.fgColor.rgb))
    for c, cell in enumerate(row):
        expected = table[r + 1][c]
        plain = expected[1:] if expected[:2] in ("'=", "'+", "'-", "'@") else expected
        if cell.data_type == 'n' and cell.value is not None:
            if float(plain.strip().replace(',', '.')) != cell.value:
                failures.append((r, c, cell.value, expected))
        elif cell.data_type != 's' and cell.value is not None or \
                tsv_text(typed(cell.value)) != plain:
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
                ok = seen == typed(cell.value)
            elif c >= first_result:  # a result: shown with the windows' decimals
                ok = seen == table[r + 1][c].replace(separator, shown)
            else:
                ok = float(seen.replace(shown, '.')) == cell.value
            if not ok:
                failures.append((locale, r, c, seen, cell.value))

    # What a teacher averages: the V1 of the good work, which no impossible file may reach.
    speeds = [float(csv_rows[r][first_result].replace(shown, '.')) for r, row in enumerate(rows)
              if row[1].value == 'ok' and row[2].value == 0]
    if speeds and not 10 <= sum(speeds) / len(speeds) <= 1000:
        failures.append((locale, 'AVERAGE of V1', sum(speeds) / len(speeds)))

for failure in failures[:20]:
    print('FAIL', failure)
sys.exit(1 if failures else 0)
