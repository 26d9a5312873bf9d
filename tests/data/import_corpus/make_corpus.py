#!/usr/bin/env python3
"""Writes the corpus of texts of measurements and, beside each, the values it
must give, from the same numbers: each number is kept as its decimal text,
written into the file the way a spreadsheet, an instrument, R, pandas or a
Fortran program writes it, and into the .expected file as plain decimal text
that strtod reads exactly. Nothing here runs the program's reader.

Run from anywhere: python3 tests/data/import_corpus/make_corpus.py
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))


def grouped(digits, mark):
    """'1306' grouped by three with the mark: '1.306'."""
    head = len(digits) % 3 or 3
    parts = [digits[:head]] + [digits[i:i + 3] for i in range(head, len(digits), 3)]
    return mark.join(parts)


def written(number, decimal='.', thousands='', exponent='e'):
    """The decimal text as a program writes it."""
    sign = '-' if number.startswith('-') else ''
    body = number.lstrip('-')
    mantissa, _, power = body.partition('e')
    whole, _, fraction = mantissa.partition('.')
    if thousands:
        whole = grouped(whole, thousands)
    text = sign + whole + (decimal + fraction if fraction else '')
    return text + (exponent + power if power else '')


class Case:
    def __init__(self, name, about):
        self.name, self.about = name, about
        self.keys = []  # (key, value) in order

    def set(self, key, value):
        self.keys.append((key, value))
        return self


def write(name, text, encoding='utf-8', newline='\n'):
    data = text.replace('\n', newline).encode(encoding)
    with open(os.path.join(HERE, name), 'wb') as out:
        out.write(data)


def expect(case, rows):
    """rows: lists of decimal texts or None, Y first."""
    lines = ['about: ' + case.about] + ['%s: %s' % kv for kv in case.keys] + ['rows:']
    for row in rows:
        lines.append(','.join('' if v is None else v for v in row))
    with open(os.path.join(HERE, case.name + '.expected'), 'w', encoding='utf-8') as out:
        out.write('\n'.join(lines) + '\n')


def dialog(case, separator, decimal='point', thousands='none', names=1, skip=0, drop='yes', encoding='UTF-8'):
    case.set('encoding', encoding).set('separator', separator).set('decimal', decimal)
    case.set('thousands', thousands).set('names-line', str(names)).set('skip', str(skip)).set('drop', drop)


# Counts of particles and the time they took: the fault of the thousands
# separator read as a decimal sign.
COUNTS = [('1306', '12.5'), ('687', '6.25'), ('1921.7', '18.75'), ('2048', '20'), ('15230.5', '150.25')]


def german_excel():
    case = Case('de_excel_export', 'German Excel export: semicolons, decimal comma, thousands point, '
                'quoted names, UTF-8 with BOM, CRLF')
    rows = [('1306.25', '21.5', '0.75'), ('2411.5', '22.25', '-0.5'), ('987', '23', '1.125'),
            ('12345.75', '24.5', '0'), ('100', '25.75', '-2.25')]
    text = '"Anzahl";"Temperatur";"Änderung"\n'
    for r in rows:
        text += ';'.join(written(v, ',', '.') for v in r) + '\n'
    write(case.name + '.csv', '\ufeff' + text, newline='\r\n')
    dialog(case, ';', 'comma', 'point')
    case.set('tool', '--sep ; --decimal-comma --thousands point')
    case.set('names', 'Anzahl,Temperat,Änderung')
    expect(case, rows)


def german_ansi():
    case = Case('de_excel_ansi', 'German Excel export in Windows-1252: degree sign and umlauts in the names, '
                'semicolons, decimal comma, a units row, CRLF')
    rows = [('0.2', '20.5', '1013.25'), ('0.25', '21', '1012.5'), ('0.3', '21.75', '1011'),
            ('0.35', '22.5', '1009.75')]
    text = 'Größe;Temp. °C;Luftdruck\nm;°C;hPa\n'
    for r in rows:
        text += ';'.join(written(v, ',') for v in r) + '\n'
    write(case.name + '.csv', text, encoding='cp1252', newline='\r\n')
    dialog(case, ';', 'comma', names=1, skip=1, encoding='Windows-1252')
    case.set('tool', '--decimal-comma --y Größe')
    case.set('names', 'Größe,Temp. °C,Luftdruc')
    expect(case, rows)


def english_excel():
    case = Case('en_excel_export', 'English Excel export: commas, quoted counts with a thousands comma, '
                'decimal point, CRLF')
    text = 'Count,Seconds\n'
    for count, seconds in COUNTS:
        shown = written(count, '.', ',')
        text += ('"%s"' % shown if ',' in shown else shown) + ',' + seconds + '\n'
    write(case.name + '.csv', text, newline='\r\n')
    dialog(case, ',', 'point', 'comma')
    case.set('tool', '--sep ,')
    case.set('names', 'Count,Seconds')
    expect(case, COUNTS)


def semicolon_counts():
    case = Case('counts_in_doubt', 'Semicolons and counts such as 1,306 with nothing to tell a thousands comma '
                'from a decimal comma: asked for, never guessed')
    rows = [('1306', '12'), ('687', '6'), ('2048', '20'), ('15230', '150')]
    text = 'Count;Seconds\n' + ''.join('%s;%s\n' % (written(c, '.', ','), s) for c, s in rows)
    write(case.name + '.csv', text)
    dialog(case, ';', 'comma', 'none')
    case.set('undecided', "'1,306' may be 1.306 or 1306")
    case.set('tool', '--sep ; --thousands comma')
    case.set('refusal', "--sep ; | line 2, column 1: '1,306' may be 1.306 or 1306 (give --decimal-comma, or --thousands comma)")
    expect(case, rows)


def english_plain():
    case = Case('lowercase_names', 'Lowercase y, x1, x2 as names, not the program\'s export: the row with an '
                'empty cell is dropped')
    rows = [('1.5', '2', '3'), ('2.5', None, '4'), ('3.5', '4', '5'), ('4.5', '5', '6')]
    text = 'y,x1,x2\n' + ''.join(','.join('' if v is None else v for v in r) + '\n' for r in rows)
    write(case.name + '.csv', text)
    dialog(case, ',')
    case.set('tool', '--sep , --drop-incomplete')
    case.set('names', 'y,x1,x2')
    case.set('warning', '1 row with an empty or missing cell is left out')
    expect(case, [r for r in rows if None not in r])


def instrument_comments():
    case = Case('instrument_comments', 'Logger TSV: comment lines, the names in the last comment, tabs')
    rows = [('0', '21.31', '101.325'), ('0.5', '21.36', '101.318'), ('1', '21.42', '101.309'),
            ('1.5', '21.47', '101.301')]
    text = ('# Logger TL-3000, serial 0412\n# Started 2024-03-01 09:15:00, every 0.5 s\n'
            '# Time\tTemperature\tPressure\n')
    text += ''.join('\t'.join(r) + '\n' for r in rows)
    write(case.name + '.tsv', text)
    dialog(case, 'tab', names=3, drop='yes')
    case.set('tool', '--names 3')
    case.set('names', 'Time,Temperat,Pressure')
    expect(case, rows)


def instrument_units():
    case = Case('instrument_units', 'Instrument TSV: comments, a names line, a units row, tabs, one gap')
    rows = [('0', '20.1', '3.25'), ('10', '20.4', None), ('20', '20.9', '3.75'), ('30', '21.3', '4')]
    text = '# Spectrometer S-12 export\n# operator: mk\nTime\tTemp\tFlux\ns\t°C\tW/m²\n'
    text += ''.join('\t'.join('' if v is None else v for v in r) + '\n' for r in rows)
    write(case.name + '.tsv', text)
    dialog(case, 'tab', names=3, skip=1, drop='yes')
    case.set('tool', '--skip 1 --drop-incomplete')
    case.set('names', 'Time,Temp,Flux')
    case.set('warning', '1 row with an empty or missing cell is left out')
    expect(case, [r for r in rows if None not in r])


def missing_markers():
    case = Case('missing_markers', 'Every missing-value word: NA, NaN, N/A, -, --, null and an empty field, '
                'in any case')
    rows = [('1', '2', '3'), ('2', 'NA', '4'), ('3', '4', 'nan'), ('4', 'N/A', '6'), ('5', '-', '7'),
            ('6', '--', '8'), ('7', 'NULL', '9'), ('8', '', '10'), ('9', '10', '11')]
    text = 'Y,A,B\n' + ''.join(','.join(r) + '\n' for r in rows)
    write(case.name + '.csv', text)
    dialog(case, ',')
    case.set('tool', '--sep ,')
    case.set('warning', '7 cells are empty or marked missing')
    markers = {'NA', 'nan', 'N/A', '-', '--', 'NULL', ''}
    expect(case, [[None if v in markers else v for v in r] for r in rows])


def r_table():
    case = Case('r_write_table', "R's write.table: blanks between quoted fields, row names in the first column, NA")
    rows = [('1', '5.1', '3.5'), ('2', '4.9', None), ('3', '4.7', '3.2'), ('4', '4.6', '3.1')]
    text = '"n" "Sepal.Length" "Sepal.Width"\n'
    text += ''.join(' '.join(['"%s"' % r[0]] + ['NA' if v is None else v for v in r[1:]]) + '\n' for r in rows)
    write(case.name + '.txt', text)
    dialog(case, 'space')
    case.set('tool', '--sep space')
    case.set('names', 'n,Sepal.Le,Sepal.Wi')
    case.set('warning', '1 cell is empty or marked missing')
    expect(case, rows)


def pandas_csv():
    case = Case('pandas_to_csv', 'pandas to_csv without the index: empty fields for NaN, full precision')
    rows = [('0.1', '0.30000000000000004', '1e-05'), ('0.2', None, '2.5e-06'), ('0.3', '0.6000000000000001', None)]
    text = 'target,feature_a,feature_b\n' + ''.join(','.join('' if v is None else v for v in r) + '\n' for r in rows)
    write(case.name + '.csv', text)
    dialog(case, ',')
    case.set('tool', '--sep ,')
    case.set('warning', '2 cells are empty or marked missing')
    expect(case, rows)


def fortran():
    case = Case('fortran_output', 'Fortran list output: blanks, D exponents in both cases, a names line')
    rows = [('4.0031306e-02', '1.0e+03', '2.5e-01'), ('4.1125e-02', '1.1e+03', '2.75e-01'),
            ('4.20001e-02', '1.2e+03', '3.0e-01'), ('4.3e-02', '1.3e+03', '3.25e-01')]
    text = '       RATE          T          P\n'
    for i, r in enumerate(rows):
        text += ''.join('%14s' % written(v, exponent='D' if i % 2 == 0 else 'd') for v in r) + '\n'
    write(case.name + '.txt', text)
    dialog(case, 'space')
    case.set('tool', '--sep space')
    case.set('names', 'RATE,T,P')
    expect(case, rows)


def fixed_width():
    case = Case('fixed_width_gap', 'A fixed-width table with an empty field: the short row is left out, '
                'never shifted')
    rows = [('1', '2.5', '1100'), ('2', None, '1103'), ('3', '2.75', '1107'), ('4', '2.875', '1110')]
    text = 'Run  Offset  Speed\n'
    for r in rows:
        text += '%-5s%-8s%s\n' % (r[0], r[1] or '', r[2])
    write(case.name + '.txt', text)
    dialog(case, 'space')
    case.set('tool', '--sep space --drop-incomplete')
    case.set('refusal', '--sep space | line 3 holds 2 of 3 fields')
    case.set('warning', '1 row with an empty or missing cell is left out')
    expect(case, [r for r in rows if None not in r])


def wide():
    case = Case('wide_y_last', '22 columns, Y named last: Y where its name says, X1 to X16 the first sixteen, '
                'the five others left out with a warning')
    names = ['C%d' % c for c in range(1, 22)] + ['Y']
    rows = [[str(r * 100 + c) for c in range(1, 22)] + [str(r)] for r in range(1, 4)]
    write(case.name + '.csv', ','.join(names) + '\n' + ''.join(','.join(r) + '\n' for r in rows))
    dialog(case, ',')
    case.set('tool', '--sep ,')
    case.set('warning', 'columns 17, 18, 19, 20, 21 (\'C17\', \'C18\', \'C19\', \'C20\', \'C21\') are left out')
    expect(case, [[r[21]] + r[:16] for r in rows])


def y_middle():
    case = Case('y_in_the_middle', 'Y named in the middle: the others become X1, X2 ... in order')
    rows = [('10', '1', '0.5', '7'), ('20', '2', '0.25', '8'), ('30', '3', '0.125', '9')]
    text = 'Time;Y;Rate;Load\n' + ''.join(';'.join((r[1], r[0], r[2], r[3])) + '\n' for r in rows)
    write(case.name + '.csv', text)
    dialog(case, ';')
    case.set('tool', '--sep ;')
    case.set('names', 'Y,Time,Rate,Load')
    expect(case, rows)


def chosen_roles():
    case = Case('chosen_roles', 'Columns chosen by name: the same choice in the dialog and the tool gives the '
                'same sheet, the X variables without holes')
    rows = [('9.81', '1', '2', '3'), ('9.79', '4', '5', '6'), ('9.83', '7', '8', '9')]
    text = 'a,b,c,g\n' + ''.join(','.join((r[1], r[2], r[3], r[0])) + '\n' for r in rows)
    write(case.name + '.csv', text)
    dialog(case, ',')
    case.set('tool', '--sep , --y g --x c,a')
    case.set('names', 'g,c,a')
    expect(case, [(r[0], r[3], r[1]) for r in rows])


def bom_export():
    case = Case('export_bom_crlf', "The program's own export with a BOM, CRLF and quotes, as an editor saves it")
    rows = [('1.5', '2', None), (None, None, None), ('3', '4.25', '5')]
    text = '"Y","X1","X2"\n1.5,2,\n"",,\n3,4.25,5\n'
    write(case.name + '.csv', '\ufeff' + text, newline='\r\n')
    dialog(case, ',', drop='no')
    case.set('tool', '')
    expect(case, rows)


def export_tsv():
    case = Case('export_gaps', "The program's own tab-separated export: empty cells are meant and kept")
    rows = [('1', '2', '3'), ('2', '', '4'), ('3', '4', '5')]
    write(case.name + '.tsv', 'Y\tX1\tX2\n' + ''.join('\t'.join(r) + '\n' for r in rows))
    dialog(case, 'tab', drop='no')
    case.set('tool', '')
    expect(case, [[v or None for v in r] for r in rows])


def utf16():
    case = Case('utf16_unicode_text', 'Excel "Unicode Text": UTF-16 little-endian with its mark, tabs, CRLF')
    rows = [('1.25', '100'), ('2.5', '200'), ('3.75', '300')]
    text = '\ufeffWeight µg\tDose\n' + ''.join('\t'.join(r) + '\n' for r in rows)
    write(case.name + '.txt', text, encoding='utf-16-le', newline='\r\n')
    dialog(case, 'tab', encoding='UTF-16LE')
    case.set('tool', '--sep tab')
    case.set('names', 'Weight µ,Dose')
    expect(case, rows)


def swiss():
    case = Case('swiss_apostrophe', 'Swiss thousands apostrophe with a decimal point, semicolons')
    rows = [('1234.5', '2'), ('98765.25', '3'), ('12.75', '4')]
    text = 'Betrag;Jahr\n' + ''.join('%s;%s\n' % (written(a, '.', "'"), b) for a, b in rows)
    write(case.name + '.csv', text)
    dialog(case, ';', 'point', 'apostrophe')
    case.set('tool', '--sep ; --thousands apostrophe')
    expect(case, rows)


def french():
    case = Case('french_thin_space', 'French export: narrow no-break spaces between thousands, decimal comma')
    rows = [('1234.5', '0.25'), ('56789.125', '0.5'), ('42', '0.75')]
    text = 'Montant;Taux\n' + ''.join('%s;%s\n' % (written(a, ',', '\u202f'), written(b, ',')) for a, b in rows)
    write(case.name + '.csv', text)
    dialog(case, ';', 'comma', 'thin')
    case.set('tool', '--sep ; --decimal-comma --thousands thin')
    expect(case, rows)


def skip_numbers():
    case = Case('skip_holds_numbers', 'No units row: --skip 1 leaves out a line of numbers, and says so')
    rows = [('1', '10'), ('2', '20'), ('3', '30')]
    write(case.name + '.csv', 'Y;X\n' + ''.join(';'.join(r) + '\n' for r in rows))
    dialog(case, ';')
    case.set('tool', '--skip 1')
    case.set('warning', '--skip 1 leaves out line 2, which holds numbers')
    expect(case, rows[1:])


def matlab():
    case = Case('percent_comments', 'Comments marked with %, as MATLAB writes them, and no names line')
    rows = [('0.5', '1'), ('0.75', '2'), ('1', '3')]
    text = '% simulated decay, 2024\n% columns: amplitude, step\n' + ''.join(' '.join(r) + '\n' for r in rows)
    write(case.name + '.txt', text)
    dialog(case, 'space', names=0)
    case.set('dialog-refusal', "line 1, column 1: '%' is not a number")
    case.set('tool', '--comment %')
    expect(case, rows)


def no_names():
    case = Case('numbers_only', 'Numbers only, separated by semicolons: no names line, Y the first column')
    rows = [('3', '1', '2'), ('6', '2', '4'), ('9', '3', '6')]
    write(case.name + '.txt', ''.join(';'.join(r) + '\n' for r in rows))
    dialog(case, ';', names=0)
    case.set('tool', '--sep ;')
    expect(case, rows)


def fortran_no_rows():
    case = Case('units_only', 'Names and a units row but no data: refused, never an empty sheet')
    write(case.name + '.csv', 'Time;Temp\ns;K\n')
    dialog(case, ';', skip=1)
    case.set('dialog-refusal', 'the text holds no rows of data')
    case.set('tool', '')
    case.set('refusal', '--sep ; | the text holds no rows of data')
    expect(case, [])


for make in (german_excel, german_ansi, english_excel, semicolon_counts, english_plain, instrument_comments,
             instrument_units, missing_markers, r_table, pandas_csv, fortran, fixed_width, wide, y_middle,
             chosen_roles, bom_export, export_tsv, utf16, swiss, french, skip_numbers, matlab, no_names,
             fortran_no_rows):
    make()
