#!/usr/bin/env python3
"""Reads a CSV file written in a Windows code page (argument 2, a Python codec name; default cp1252) with
Python's csv module and prints one line per record: each field as the hex of its UTF-8 bytes ("-" for an
empty field), fields separated by blanks. Exits 2 when the file is not valid in that code page.
With --encode CODEC HEX..., prints instead each UTF-8 text (given as hex) as it reads back after Python wrote
it in CODEC, one '?' for each character the code page lacks, again as hex."""
import csv
import io
import sys

if sys.argv[1] == '--encode':
    codec = sys.argv[2]
    for arg in sys.argv[3:]:
        text = bytes.fromhex(arg).decode('utf-8')
        print(text.encode(codec, 'replace').decode(codec).encode('utf-8').hex() or '-')
    sys.exit(0)

codec = sys.argv[2] if len(sys.argv) > 2 else 'cp1252'
with open(sys.argv[1], 'rb') as f:
    data = f.read()
try:
    text = data.decode(codec)
except UnicodeDecodeError as e:
    print(f'not {codec}: {e}', file=sys.stderr)
    sys.exit(2)
for record in csv.reader(io.StringIO(text, newline='')):
    print(' '.join(field.encode('utf-8').hex() or '-' for field in record))
