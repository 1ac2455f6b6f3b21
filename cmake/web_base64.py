"""Writes the file IN as Base64 on one line to OUT: the page holds our font so."""
import base64
import sys

with open(sys.argv[1], 'rb') as source, open(sys.argv[2], 'w') as out:
    out.write(base64.b64encode(source.read()).decode())
