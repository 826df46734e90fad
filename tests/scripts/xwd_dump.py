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
