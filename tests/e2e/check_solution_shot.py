#!/usr/bin/env python3
"""Checks a screenshot of the main window after a compile: 23 dark tags and ink in all 184 ring cells."""
import sys

SQUARE_X = [0, 1200, 600, 0, 600, 1200, 1800, 2400, 3000, 3600, 3000, 2400, 1800,
            1200, 600, 0, 600, 1200, 1800, 2400, 3000, 3600, 3000, 2400]
SQUARE_Y = [0, 2100, 1800, 1200, 600, 300, 0, 300, 600, 1200, 1800, 2100, 2700,
            3300, 3600, 4200, 4800, 5100, 5400, 5100, 4800, 4200, 3600, 3300]
RING_X = [0, 400, 700, 1000, 1000, 1000, 700, 400, 400, 700]
RING_Y = [0, 350, 350, 350, 650, 950, 950, 950, 650, 650]
CLIENT_HEIGHT_PX = 7248 // 15
PICTURE_OFFSET_PX = 2 + 2  # picture frame inside the client area, then its border


def read_ppm(path):
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
    if fields[0] != b"P6" or int(fields[3]) != 255:
        sys.exit("not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    top = height - CLIENT_HEIGHT_PX + PICTURE_OFFSET_PX  # below the menu bar
    left = PICTURE_OFFSET_PX

    def dark(x, y):
        i = ((top + y) * width + left + x) * 3
        return max(pixels[i:i + 3]) < 90  # ink, not the dark red of an empty figure's tags

    def dark_share(x0, y0, w, h):
        return sum(1 for y in range(y0, y0 + h) for x in range(x0, x0 + w) if dark(x, y)) / (w * h)

    failures = []
    for s in range(1, 24):
        tag_x, tag_y = (SQUARE_X[s] + 625) // 15 + 2, (SQUARE_Y[s] + 625) // 15 + 2
        if dark_share(tag_x, tag_y, 13, 13) < 0.5:
            failures.append(f"tag of square {s} is not dark")
        for p in range(1, 9):
            x, y = (SQUARE_X[s] + RING_X[p]) // 15, (SQUARE_Y[s] + RING_Y[p]) // 15
            if dark_share(x, y, 10, 14) == 0:
                failures.append(f"no letter in square {s} position {p}")
    if failures:
        print("\n".join(failures))
        sys.exit(1)
    print("23 dark tags and 184 lettered cells")


if __name__ == "__main__":
    main()
