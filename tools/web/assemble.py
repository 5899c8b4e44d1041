#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Avtosalon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Puts the compiled program, the page's script, the pictures and the fonts into one
HTML file that needs nothing else: no server, no network."""

import base64
import json
import pathlib
import re
import struct
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
WEB = ROOT / "shell" / "web"
PICTURES = ["form1_background.png", "bank.gif", "model1.png", "model2.png", "model3.png",
            "model4.png", "model5.png", "model6.png", "sales_car.png", "sales_globe.png",
            "sales_coin.png", "sales_scale.png"]

# The same Debian fonts the Qt host draws with (shell/qt/look.cpp), in the weights used.
FONTS = [
    ("Liberation Sans", "400", "normal", "truetype/liberation2/LiberationSans-Regular.ttf"),
    ("Liberation Sans", "700", "normal", "truetype/liberation2/LiberationSans-Bold.ttf"),
    ("Liberation Sans", "700", "italic", "truetype/liberation2/LiberationSans-BoldItalic.ttf"),
    ("Liberation Serif", "700", "normal", "truetype/liberation2/LiberationSerif-Bold.ttf"),
    ("DejaVu Sans", "700", "normal", "truetype/dejavu/DejaVuSans-Bold.ttf"),
    ("URW Bookman", "600 700", "normal", "opentype/urw-base35/URWBookman-Demi.otf"),
    ("Z003", "400 700", "italic", "opentype/urw-base35/Z003-MediumItalic.otf"),
    ("P052", "700", "normal", "opentype/urw-base35/P052-Bold.otf"),
    ("Nimbus Sans Narrow", "700", "normal", "opentype/urw-base35/NimbusSansNarrow-Bold.otf"),
]


def picture_size(path):
    data = path.read_bytes()
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        return struct.unpack(">II", data[16:24])
    if data[:3] == b"GIF":
        return struct.unpack("<HH", data[6:10])
    match = re.search(rb'<svg[^>]*\bwidth="([\d.]+)[^"]*"[^>]*\bheight="([\d.]+)', data)
    return round(float(match[1])), round(float(match[2]))


def data_uri(path, kind):
    return f"data:{kind};base64," + base64.b64encode(path.read_bytes()).decode()


def pictures():
    kinds = {".png": "image/png", ".gif": "image/gif", ".svg": "image/svg+xml"}
    paths = [ROOT / "assets" / "raster" / name for name in PICTURES]
    paths.append(ROOT / "assets" / "src" / "decoration.svg")
    table = {}
    for path in paths:
        width, height = picture_size(path)
        table[path.stem] = {"uri": data_uri(path, kinds[path.suffix]), "width": width,
                            "height": height}
    return table


def characters():
    """Every character of the game's texts, and what a player may type."""
    text = "".join(chr(c) for c in range(0x20, 0x7F))
    text += "".join(chr(c) for c in range(0x400, 0x460)) + "«»–—№…×"
    for folder in ("forms", "shell", "game"):
        for path in (ROOT / folder).rglob("*"):
            if path.suffix in (".cpp", ".h", ".js", ".html"):
                text += "".join(sorted(set(path.read_text(encoding="utf-8")) - set(text)))
    return "".join(sorted(set(c for c in text if c >= " ")))


def fonts(work):
    chars = work / "chars.txt"
    chars.write_text(characters(), encoding="utf-8")
    rules = []
    for family, weight, style, relative in FONTS:
        source = pathlib.Path("/usr/share/fonts") / relative
        subset = work / (source.stem + ".woff")
        subprocess.run([sys.executable, "-m", "fontTools.subset", str(source),
                        f"--text-file={chars}", "--flavor=woff", "--layout-features=*",
                        f"--output-file={subset}"], check=True)
        rules.append(f'@font-face {{ font-family: "{family}"; font-weight: {weight}; '
                     f'font-style: {style}; src: url({data_uri(subset, "font/woff")}); }}')
    return "\n".join(rules)


def main():
    program, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    wasm = program.with_suffix(".wasm")
    page = (WEB / "page.html").read_text(encoding="utf-8")
    with tempfile.TemporaryDirectory() as work:
        parts = {
            "/*FONTS*/": fonts(pathlib.Path(work)),
            "/*PROGRAM*/": program.read_text(encoding="utf-8"),
            "/*PAGE*/": (WEB / "page.js").read_text(encoding="utf-8"),
            "/*WASM*/": '"' + base64.b64encode(wasm.read_bytes()).decode() + '"',
            "/*PICTURES*/": json.dumps(pictures()),
        }
    for marker, content in parts.items():
        page = page.replace(marker, content.replace("</script", "<\\/script"), 1)
    output.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
