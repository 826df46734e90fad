# Reads an X window dump (xwd) by its own header: byte order, bits per
# pixel and colour masks. Used by the scripts that look at real windows.
import struct


class Dump:
    def __init__(self, path):
        data = open(path, 'rb').read()
        head = struct.unpack('>25I', data[:100])
        header_size, self.byte_order, bpp, self.bpl = head[0], head[7], head[11], head[12]
        self.masks, ncolors, self.width, self.height = head[14:17], head[19], head[4], head[5]
        assert bpp in (24, 32), f"{bpp} bits per pixel"
        self.bytes = bpp // 8
        self.pixels = data[header_size + 12 * ncolors:]
        self.shifts = [(m & -m).bit_length() - 1 for m in self.masks]

    def at(self, x, y):
        """The pixel's (r, g, b)."""
        at = y * self.bpl + self.bytes * x
        v = int.from_bytes(self.pixels[at:at + self.bytes], 'little' if self.byte_order == 0 else 'big')
        return tuple((v & m) >> s for m, s in zip(self.masks, self.shifts))


def start_picture(d):
    """Whether the game's start picture fills the dump: the sky of its top
    and the green of its hills, in many colours. With the counts."""
    sky = green = 0
    colours = set()
    for y in range(0, d.height, 4):
        for x in range(0, d.width, 4):
            r, g, b = d.at(x, y)
            colours.add((r, g, b))
            sky += b > 200 and 120 < g < 230 and r < 170
            green += g > 110 and r < 120 and b < 90
    counts = f"sky={sky} green={green} colours={len(colours)}"
    return sky > 2000 and green > 1000 and len(colours) > 2000, counts


if __name__ == '__main__':
    # xwd_dump.py start-picture DUMP: status 0 when the start picture shows,
    # else 1 after a line with what was counted.
    import sys
    if len(sys.argv) != 3 or sys.argv[1] != 'start-picture':
        sys.exit("usage: xwd_dump.py start-picture DUMP")
    shows, counts = start_picture(Dump(sys.argv[2]))
    if not shows:
        print(f"no start picture: {counts}")
    sys.exit(0 if shows else 1)
