#!/usr/bin/env python3
"""Writes the picture corpus: files of every format and depth the readers take,
written by ImageMagick, and beside each ImageMagick's own decode of it.

    make_corpus.py DIR

For each row, DIR gets NAME (the file) and NAME.rgba (ImageMagick's pixels of the
image compared, 8 bits a channel), and DIR/corpus.txt a line
"NAME ENTRY WIDTH HEIGHT TOLERANCE": ENTRY is the image compared (for icons the
directory entry the reader must choose), TOLERANCE the largest difference allowed
in a channel.
"""
import os
import struct
import subprocess
import sys

CONVERT = "/usr/bin/convert"
W, H = 37, 23  # odd: rows need padding in every format that pads

# Source images, made once: a plasma (many colours), the same with an alpha ramp
# from fully transparent to opaque, and a two-colour one.
SOURCES = {
    "plasma.png": ["-seed", "5", "-size", f"{W}x{H}", "plasma:fractal"],
    "alpha.png": ["plasma.png", "-alpha", "set", "-channel", "A", "-fx", "(i%5)/4", "+channel"],
    "bilevel.gif": ["plasma.png", "-colorspace", "gray", "-threshold", "50%", "-type", "bilevel"],
    "plasma40.png": ["-seed", "6", "-size", f"40x{H}", "plasma:fractal"],
    "large.png": ["-seed", "7", "-size", "301x211", "plasma:fractal"],  # fills the LZW dictionary
}


def convert(out_dir, args, target):
    subprocess.run([CONVERT, *args, target], cwd=out_dir, check=True)


def patch(path, offset, data):
    with open(path, "r+b") as f:
        f.seek(offset)
        f.write(data)


def bmp_used_colours_zero(path):
    patch(path, 46, struct.pack("<I", 0))


def bmp_partial_table(path, used):
    """Keeps `used` colours of a full table: a shorter table and an earlier data offset."""
    data = open(path, "rb").read()
    offset, header = struct.unpack_from("<I", data, 10)[0], struct.unpack_from("<I", data, 14)[0]
    table = 14 + header
    out = bytearray(data[:table] + data[table:table + used * 4] + data[offset:])
    struct.pack_into("<I", out, 10, table + used * 4)
    struct.pack_into("<I", out, 2, len(out))
    struct.pack_into("<II", out, 46, used, used)
    open(path, "wb").write(out)


def bmp_top_down(path):
    """The same picture stored top-down: negative height, rows reversed."""
    data = open(path, "rb").read()
    offset, width, height, bits = struct.unpack_from("<I", data, 10)[0], *struct.unpack_from("<iiHH", data, 18)[:2], \
        struct.unpack_from("<H", data, 28)[0]
    stride = (width * bits + 31) // 32 * 4
    rows = [data[offset + r * stride: offset + (r + 1) * stride] for r in range(height)]
    out = bytearray(data[:offset] + b"".join(reversed(rows)) + data[offset + height * stride:])
    struct.pack_into("<i", out, 22, -height)
    open(path, "wb").write(out)


def gif_local_table(path):
    """Moves the global colour table to the first image, as its local table."""
    data = bytearray(open(path, "rb").read())
    packed = data[10]
    size = 3 << ((packed & 7) + 1)
    table = data[13:13 + size]
    data[10] = packed & 0x70  # no global table
    rest = data[13 + size:]
    pos = 0  # past the extensions before the image
    while rest[pos] == 0x21:
        pos += 2
        while rest[pos]:
            pos += rest[pos] + 1
        pos += 1
    assert rest[pos] == 0x2C, "expected the image descriptor"
    descriptor = rest[pos:pos + 10]
    descriptor[9] = (descriptor[9] & 0x78) | 0x80 | (packed & 7)
    out = data[:13] + rest[:pos] + descriptor + table + rest[pos + 10:]
    open(path, "wb").write(out)


def pcx_version(path, version):
    patch(path, 1, bytes([version]))


def icon_type(path, kind):
    patch(path, 2, struct.pack("<H", kind))


class Row:
    """NAME, ImageMagick's arguments (sources first, the output format last), the
    entry compared, the tolerance, a change made to the written file, and options
    for ImageMagick's reading of it where its reading differs on purpose."""

    def __init__(self, name, args, entry=0, tolerance=0, change=None, reference=()):
        self.name, self.args, self.entry, self.tolerance = name, args, entry, tolerance
        self.change, self.reference = change, list(reference)


ROWS = [
    # BMP: every depth, the table's used-colour count as written and as 0, a partial
    # table, a longer information header, rows stored top-down.
    Row("bmp1.bmp", ["plasma.png", "-monochrome", "-compress", "none", "bmp3:"]),
    Row("bmp1-count0.bmp", ["plasma.png", "-monochrome", "-compress", "none", "bmp3:"], change=bmp_used_colours_zero),
    Row("bmp4.bmp", ["plasma.png", "-colors", "16", "-compress", "none", "bmp3:"]),
    Row("bmp4-count0.bmp", ["plasma.png", "-colors", "16", "-compress", "none", "bmp3:"], change=bmp_used_colours_zero),
    Row("bmp8.bmp", ["plasma.png", "-colors", "200", "-compress", "none", "bmp3:"]),
    Row("bmp8-count0.bmp", ["plasma.png", "-colors", "200", "-compress", "none", "bmp3:"], change=bmp_used_colours_zero),
    Row("bmp8-partial.bmp", ["plasma.png", "-colors", "200", "-compress", "none", "bmp3:"],
        change=lambda p: bmp_partial_table(p, 200)),
    Row("bmp8-v5.bmp", ["plasma.png", "-colors", "200", "-compress", "none", "bmp:"]),
    Row("bmp24.bmp", ["plasma.png", "-type", "truecolor", "bmp3:"]),
    Row("bmp24-topdown.bmp", ["plasma.png", "-type", "truecolor", "bmp3:"], change=bmp_top_down),
    Row("bmp32.bmp", ["alpha.png", "-define", "bmp3:alpha=true", "bmp3:"]),
    # GIF: global and local tables, transparency, interlace, two colours, a width
    # needing no padding, a comment, a full dictionary, an animation (its first image).
    Row("global.gif", ["plasma.png", "-colors", "64", "gif:"]),
    Row("local.gif", ["plasma.png", "-colors", "64", "gif:"], change=gif_local_table),
    Row("transparent.gif", ["alpha.png", "-channel", "A", "-threshold", "50%", "+channel", "gif:"]),
    Row("interlaced.gif", ["plasma.png", "-colors", "256", "-interlace", "GIF", "gif:"]),
    Row("two-colours.gif", ["bilevel.gif", "gif:"]),
    Row("unpadded.gif", ["plasma40.png", "-colors", "256", "gif:"]),
    Row("comment.gif", ["plasma.png", "-colors", "32", "-comment", "a comment before the image", "gif:"]),
    Row("large.gif", ["large.png", "-colors", "256", "gif:"]),
    Row("animated.gif", ["plasma.png", "(", "+clone", "-negate", ")", "-colors", "16", "gif:"]),
    # PCX: 8 bits with its palette and 1 bit, both of an odd line length.
    Row("palette.pcx", ["plasma.png", "-colors", "200", "-type", "palette", "pcx:"]),
    # ImageMagick writes 1-bit PCX of version 5, which is not a 1-bit picture, and
    # reads bit 1 as black, where a monochrome bitmap shows it white.
    Row("bilevel.pcx", ["bilevel.gif", "pcx:"], change=lambda p: pcx_version(p, 3), reference=["-negate"]),
    # PNG: grey (of 8 and 16 bits, and 1), grey and alpha, palette (with and without
    # transparency), RGB and RGBA of 8 and 16 bits, 16 bits without a stated gamma.
    Row("grey.png", ["plasma.png", "-colorspace", "gray", "-depth", "8", "-define", "png:color-type=0", "png:"]),
    Row("grey16.png", ["plasma.png", "-colorspace", "gray", "-define", "png:color-type=0", "png:"], tolerance=1),
    Row("grey-alpha.png", ["alpha.png", "-colorspace", "gray", "-depth", "8", "-define", "png:color-type=4", "png:"]),
    Row("bilevel.png", ["bilevel.gif", "-define", "png:color-type=0", "-define", "png:bit-depth=1", "png:"]),
    Row("palette.png", ["plasma.png", "png8:"]),
    Row("palette-alpha.png", ["alpha.png", "-channel", "A", "-threshold", "50%", "+channel", "png8:"]),
    Row("rgb.png", ["plasma.png", "png24:"]),
    Row("rgba.png", ["alpha.png", "png32:"]),
    Row("rgb16.png", ["plasma.png", "png48:"], tolerance=1),
    Row("rgba16.png", ["alpha.png", "png64:"], tolerance=1),
    Row("rgb16-no-gamma.png", ["plasma.png", "-define", "png:exclude-chunk=gAMA,cHRM,sRGB", "png48:"], tolerance=1),
    # JPEG: baseline, progressive, greyscale, without chroma subsampling.
    Row("baseline.jpg", ["plasma.png", "-quality", "85", "jpg:"], tolerance=2),
    Row("progressive.jpg", ["plasma.png", "-quality", "85", "-interlace", "JPEG", "jpg:"], tolerance=2),
    Row("grey.jpg", ["plasma.png", "-colorspace", "gray", "-quality", "85", "jpg:"], tolerance=2),
    Row("full-chroma.jpg", ["plasma.png", "-quality", "95", "-sampling-factor", "1x1", "jpg:"], tolerance=2),
    # Icons and cursors: several sizes (none preferred: the last), 16 by 16 only
    # (the last), a 32-pixel image of 16 colours among others (it), a PNG image.
    Row("sizes.ico", ["alpha.png", "-define", "icon:auto-resize=16,32,48", "ico:"], entry=2),
    Row("small.ico", ["plasma.png", "-resize", "16x16!", "(", "+clone", "-negate", ")", "ico:"], entry=1),
    Row("sixteen-colours.ico", ["(", "alpha.png", "-resize", "16x16!", ")",
                              "(", "plasma.png", "-resize", "32x32!", "-colors", "16", ")",
                              "(", "alpha.png", "-resize", "48x48!", ")", "ico:"], entry=1),
    # (Wine reads PNG images of 8 bits a channel only.)
    Row("large.ico", ["alpha.png", "-depth", "8", "-define", "icon:auto-resize=16,256", "ico:"], entry=1),
    Row("sizes.cur", ["alpha.png", "-define", "icon:auto-resize=16,32", "ico:"], entry=1,
        change=lambda p: icon_type(p, 2)),
]


def main():
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for name, args in SOURCES.items():
        convert(out_dir, args, name)
    lines = []
    for row in ROWS:
        *options, output_format = row.args
        convert(out_dir, options, output_format + row.name)
        if row.change:
            row.change(os.path.join(out_dir, row.name))
        # A cursor is read as the icon it was made from.
        image = f"{'ico:' if row.name.endswith('.cur') else ''}{row.name}[{row.entry}]"
        size = subprocess.run(["identify", "-format", "%w %h", image], cwd=out_dir, check=True,
                              capture_output=True, text=True).stdout.split()
        convert(out_dir, [image, *row.reference, "-depth", "8"], f"rgba:{row.name}.rgba")
        lines.append(f"{row.name} {row.entry} {size[0]} {size[1]} {row.tolerance}\n")
    with open(os.path.join(out_dir, "corpus.txt"), "w") as f:
        f.writelines(lines)


if __name__ == "__main__":
    main()
