#!/usr/bin/env python3
"""Reads a Windows-1252 CSV file with Python's csv module and prints one line per record: each field as
the hex of its UTF-8 bytes ("-" for an empty field), fields separated by blanks. Exits 2 when the file is
not valid Windows-1252."""
import csv
import io
import sys

with open(sys.argv[1], 'rb') as f:
    data = f.read()
try:
    text = data.decode('cp1252')
except UnicodeDecodeError as e:
    print(f'not Windows-1252: {e}', file=sys.stderr)
    sys.exit(2)
for record in csv.reader(io.StringIO(text, newline='')):
    print(' '.join(field.encode('utf-8').hex() or '-' for field in record))
