#!/usr/bin/env python3
"""Draws the 16 x 16 images of the main window's image buttons (calculator, floppy disk, waste bin)
and their greyed copies for the disabled state, as 16-colour PNGs with olive as the transparent
colour. Run from anywhere; writes resources/images/*.png."""
import pathlib
import struct
import zlib

# The 16-colour palette; '.' (olive) is transparent.
PALETTE = {
    'k': (0x00, 0x00, 0x00), 'm': (0x80, 0x00, 0x00), 'g': (0x00, 0x80, 0x00), '.': (0x80, 0x80, 0x00),
    'n': (0x00, 0x00, 0x80), 'p': (0x80, 0x00, 0x80), 't': (0x00, 0x80, 0x80), 's': (0xC0, 0xC0, 0xC0),
    'd': (0x80, 0x80, 0x80), 'r': (0xFF, 0x00, 0x00), 'l': (0x00, 0xFF, 0x00), 'y': (0xFF, 0xFF, 0x00),
    'b': (0x00, 0x00, 0xFF), 'f': (0xFF, 0x00, 0xFF), 'a': (0x00, 0xFF, 0xFF), 'w': (0xFF, 0xFF, 0xFF),
}
KEYS = list(PALETTE)

CALCULATOR = [
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kssssssssssssk.",
    ".kskkkkkkkkkksk.",
    ".kskaaaaakkaksk.",
    ".kskaaaaaakaksk.",
    ".kskkkkkkkkkksk.",
    ".kssssssssssssk.",
    ".kswwswwswwsrrk.",
    ".ksddsddsddsrrk.",
    ".kssssssssssssk.",
    ".kswwswwswwsrrk.",
    ".ksddsddsddsrrk.",
    ".kssssssssssssk.",
    ".kkkkkkkkkkkkkk.",
    "................",
]

FLOPPY = [
    "................",
    ".kkkkkkkkkkkkkk.",
    ".knwwwwwwwwwwnk.",
    ".knwkkkkkkkkwnk.",
    ".knwwwwwwwwwwnk.",
    ".knwkkkkkkkkwnk.",
    ".knwwwwwwwwwwnk.",
    ".knnnnnnnnnnnnk.",
    ".knnnnnnnnnnnnk.",
    ".knnnssssssnnnk.",
    ".knnnsnnssssnnk.",
    ".knnnsnnssssnnk.",
    ".knnnssssssnnnk.",
    ".knnnssssssnnnk.",
    ".kkkkkkkkkkkkkk.",
    "................",
]

WASTEBIN = [
    "................",
    "......kkkk......",
    "......k..k......",
    "..kkkkkkkkkkkk..",
    "..kssssssssssk..",
    "..kkkkkkkkkkkk..",
    "...kssdssdssk...",
    "...kssdssdssk...",
    "...kssdssdssk...",
    "...kssdssdssk...",
    "...kssdssdssk...",
    "...kssdssdssk...",
    "...kssdssdssk...",
    "...kkkkkkkkkk...",
    "................",
    "................",
]


def greyed(picture):
    """The disabled look: dark pixels drawn grey over a white copy one pixel down and right."""
    dark = [[c not in '.ws' and sum(PALETTE[c]) < 3 * 0xA0 for c in row] for row in picture]
    out = [['.'] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            if dark[y][x] and x < 15 and y < 15:
                out[y + 1][x + 1] = 'w'
    for y in range(16):
        for x in range(16):
            if dark[y][x]:
                out[y][x] = 'd'
    return [''.join(row) for row in out]


def chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)


def png(picture):
    assert len(picture) == 16 and all(len(row) == 16 for row in picture), picture
    raw = b''.join(b'\x00' + bytes(KEYS.index(c) for c in row) for row in picture)
    header = struct.pack('>IIBBBBB', 16, 16, 8, 3, 0, 0, 0)  # 8-bit palette indices
    palette = b''.join(bytes(PALETTE[k]) for k in KEYS)
    alpha = bytes(0 if k == '.' else 255 for k in KEYS)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'PLTE', palette) +
            chunk(b'tRNS', alpha) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / 'resources' / 'images'
    out.mkdir(parents=True, exist_ok=True)
    for name, picture in (('calculator', CALCULATOR), ('floppy', FLOPPY), ('wastebin', WASTEBIN)):
        (out / f'{name}.png').write_bytes(png(picture))
        (out / f'{name}_disabled.png').write_bytes(png(greyed(picture)))


if __name__ == '__main__':
    main()
