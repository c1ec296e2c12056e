#!/usr/bin/env python3
"""Compresses the built page in place: the base64 of the WebAssembly module becomes the base64 of
its gzip, and the page's script the base64 of the gzip of its text, which a few lines of script
inflate at start with the browser's DecompressionStream and run (the module stays in a variable
of their own, as gzip does not shrink it twice); the style sheet loses its comments and
indentation, which the browser never reads. A page whose module is compressed already is left as
it is. Usage: compress_page.py <page.html>"""
import base64
import gzip
import re
import sys

# The module's data URI; the page's script also names the bare prefix.
EMBEDDED = re.compile(rb'data:application/octet-stream;base64,([A-Za-z0-9+/]{64,}=*)')
STYLE = re.compile(rb'<style>(.*?)</style>', re.S)
SCRIPT = re.compile(rb'<script>(.*?)</script>', re.S)
MODULE_NAME = b'ardenikaModule'
# Inflates the script and runs it as a script of the page, once the page has read it.
LOADER = (b'(function(){var t=atob("%s"),b=new Uint8Array(t.length);for(var i=0;i<t.length;++i)'
          b'b[i]=t.charCodeAt(i);new Response(new Blob([b]).stream().pipeThrough('
          b'new DecompressionStream("gzip"))).text().then(function(s){var e=document.createElement'
          b'("script");e.textContent=s;document.body.appendChild(e)})})();')
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
    script = SCRIPT.search(page)
    if script:
        text = script.group(1)
        uri = EMBEDDED.search(text)
        module = b'var ' + MODULE_NAME + b'="' + uri.group(0) + b'";\n'
        text = text[:uri.start()] + b'"+' + MODULE_NAME + b'+"' + text[uri.end():]
        text = text.replace(b'""+' + MODULE_NAME + b'+""', MODULE_NAME)
        packed_text = base64.b64encode(gzip.compress(text, compresslevel=9, mtime=0))
        page = (page[:script.start(1)] + b'\n' + module + LOADER % packed_text + b'\n' +
                page[script.end(1):])
    style = STYLE.search(page)
    if style:
        css = re.sub(rb'/\*.*?\*/', b'', style.group(1), flags=re.S)
        css = re.sub(rb'\n\s+', b'\n', css)
        page = page[:style.start(1)] + css + page[style.end(1):]
    with open(path, 'wb') as f:
        f.write(page)


if __name__ == '__main__':
    main(sys.argv[1])
