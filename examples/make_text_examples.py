#!/usr/bin/env python3
"""Writes two texts of measurements as programs write them, for README's
section on bringing measurements in.

pendel_de.csv: a German spreadsheet's export of pendulum timings, as Excel
saves "CSV (Trennzeichen-getrennt)": Windows-1252, CR LF, semicolons, a
decimal comma, a point between thousands, a units row.
  Periode  the time of one swing in s, timed by hand to 0.01 s (about 0.3 % error)
  Länge    the pendulum's length in mm
  Masse    the bob's mass in g, which plays no part
The law is T = 2 pi sqrt(L / g): the best equation is
ln(Y) = a ln(X1) + c with a = 0.5.

logger.tsv: a temperature logger's export: comment lines starting with #,
the names in the last comment, tabs, one reading missing (NA).
  Temp     the water's temperature in degrees C, cooling in a 20 degree room
  Zeit     minutes since the start
  Raum     the room's temperature
Newton's law of cooling, T = 20 + 65 exp(-0.045 t): the best equation
holds exp(X1).

A fixed linear congruential generator makes the files the same on every run.
"""
import math

from simulated_noise import Noise

noise = Noise(20261209)
uniform, gaussian = noise.uniform, noise.gaussian


def german(text):
    """'1250.5' as a German spreadsheet writes it: '1.250,5'."""
    whole, _, fraction = text.partition('.')
    sign = '-' if whole.startswith('-') else ''
    whole = whole.lstrip('-')
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    return sign + '.'.join(groups) + (',' + fraction if fraction else '')


lines = ['Periode;Länge;Masse', 's;mm;g']
for i in range(14):
    length = 250 + 175 * i
    mass = round(50 + 200 * uniform())
    period = 2 * math.pi * math.sqrt(length / 1000 / 9.81) * (1 + 0.003 * gaussian())
    lines.append(';'.join((german('%.2f' % period), german('%d' % length), german('%d' % mass))))
with open('pendel_de.csv', 'wb') as out:
    out.write(('\r\n'.join(lines) + '\r\n').encode('cp1252'))

lines = ['# TempLog TL-20, serial 4471', '# exported 2026-11-30 14:02', '# Temp\tZeit\tRaum']
for minute in range(0, 64, 3):
    temperature = 20 + 65 * math.exp(-0.045 * minute) + 0.05 * gaussian()
    room = 20 + 0.1 * gaussian()
    shown = 'NA' if minute == 27 else '%.2f' % temperature
    lines.append('\t'.join((shown, '%d' % minute, '%.1f' % room)))
with open('logger.tsv', 'w', newline='\n') as out:
    out.write('\n'.join(lines) + '\n')
