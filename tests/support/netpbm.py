"""Reads the binary grey maps (P5) and pixel maps (P6) that pdftoppm and convert write."""


def read(path):
    """Width, height, channels (1 or 3) and the pixel bytes of a P5 or P6 file with 8-bit samples."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] not in (b"P5", b"P6") or int(fields[3]) != 255:
        raise ValueError(f"{path}: not an 8-bit binary grey or pixel map")
    return int(fields[1]), int(fields[2]), 1 if fields[0] == b"P5" else 3, data[pos + 1:]
