#!/usr/bin/env bash
# Opens the recorded table in LibreOffice Calc as a paste and as the saved CSV, both read as a
# Polish spreadsheet reads them, and checks that every number the panel shows is a number cell
# of the same value and every word a text cell.
set -euo pipefail
sample="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$sample" "$work"
cd "$work"
# The text import: separator, quote, UTF-8 (76), from line 1, standard columns, Polish (1045).
export HOME="$work" # a profile of its own, so a running office or a read-only home do no harm
soffice --headless --infilter="CSV:9,34,76,1,,1045" --convert-to fods:"OpenDocument Spreadsheet Flat XML" pasted.tsv >/dev/null
soffice --headless --infilter="CSV:59,34,76,1,,1045" --convert-to fods:"OpenDocument Spreadsheet Flat XML" pomiary.csv >/dev/null
python3 - <<'PY'
import sys
import xml.etree.ElementTree as ET

NS = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
      "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
      "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0"}
OFFICE = "{%s}" % NS["office"]
TABLE = "{%s}" % NS["table"]

def cells(path):
    rows = []
    for row in ET.parse(path).getroot().iter(TABLE + "table-row"):
        out = []
        for cell in row.findall("table:table-cell", NS):
            repeat = int(cell.get(TABLE + "number-columns-repeated", "1"))
            kind = cell.get(OFFICE + "value-type")
            value = cell.get(OFFICE + "value")
            text = "\n".join("".join(p.itertext()) for p in cell.findall("text:p", NS))
            out += [(kind, value, text)] * min(repeat, 20)
        while out and out[-1][0] is None:
            out.pop()
        if out:
            rows.append(out)
    return rows

shown = open("shown.txt", encoding="utf-8").read().split("\n")[:-1]
failures = []
for name in ("pasted.fods", "pomiary.fods"):
    rows = cells(name)
    header, body = rows[0], rows[1:]
    width = len(header)
    got = [cell for row in body for cell in row[:width]]
    if len(got) != len(shown):
        failures.append(f"{name}: {len(got)} cells, the panel shows {len(shown)}")
        continue
    for (kind, value, text), want in zip(got, shown):
        number = want.replace(",", ".")
        try:
            expected = float(number)
        except ValueError:
            if kind != "string" or text != want:
                failures.append(f"{name}: {want!r} became {kind} {value} {text!r}")
            continue
        if kind != "float" or float(value) != expected:
            failures.append(f"{name}: {want!r} became {kind} {value} {text!r}")
if failures:
    print("\n".join(failures))
    sys.exit(1)
print(f"{len(shown)} cells as the panel shows them, in both files")
PY
