#!/usr/bin/env python3
"""Compresses the WebAssembly inside the built page in place: the base64 of the module becomes
the base64 of its gzip, which the page inflates at start with the browser's DecompressionStream;
and the page's style sheet loses its comments and indentation, which the browser never reads.
A page whose module is compressed already is left as it is. Usage: compress_wasm.py <page.html>"""
import base64
import gzip
import re
import sys

# The module's data URI; the page's script also names the bare prefix.
EMBEDDED = re.compile(rb'data:application/octet-stream;base64,([A-Za-z0-9+/]{64,}=*)')
STYLE = re.compile(rb'<style>(.*?)</style>', re.S)
WASM_MAGIC = b'\0asm'


def main(path):
    with open(path, 'rb') as f:
        page = f.read()
    found = list(EMBEDDED.finditer(page))
    if len(found) != 1:
        sys.exit(f'{path}: expected one embedded module, found {len(found)}')
    start, end = found[0].span(1)
    module = base64.b64decode(page[start:end], validate=True)
    if not module.startswith(WASM_MAGIC):
        return
    # mtime 0: the same module gives the same page.
    packed = base64.b64encode(gzip.compress(module, compresslevel=9, mtime=0))
    page = page[:start] + packed + page[end:]
    style = STYLE.search(page)
    if style:
        css = re.sub(rb'/\*.*?\*/', b'', style.group(1), flags=re.S)
        css = re.sub(rb'\n\s+', b'\n', css)
        page = page[:style.start(1)] + css + page[style.end(1):]
    with open(path, 'wb') as f:
        f.write(page)


if __name__ == '__main__':
    main(sys.argv[1])
