"""Reads the binary grey maps (P5) and pixel maps (P6) that pdftoppm and convert write."""
import re

# The magic number, then width, height and maximum value, each after blanks and comment lines.
HEADER = re.compile(rb"P([56])" + rb"(?:\s|#[^\n]*\n)+(\d+)" * 3 + rb"\s")


def read(path):
    """Width, height, channels (1 or 3) and the pixel bytes of a P5 or P6 file with 8-bit samples."""
    with open(path, "rb") as f:
        data = f.read()
    header = HEADER.match(data)
    if not header or header[4] != b"255":
        raise ValueError(f"{path}: not an 8-bit binary grey or pixel map")
    return int(header[2]), int(header[3]), 1 if header[1] == b"5" else 3, data[header.end():]
