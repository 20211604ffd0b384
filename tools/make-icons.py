#!/usr/bin/python3
"""Draws Quorvel's icons and the main window's image list, for the resource compiler.

    /usr/bin/python3 tools/make-icons.py OUT_DIR [--preview PNG]

Writes into OUT_DIR (created when missing):

    app.ico                      APP_ICON      the program file's icon (16, 32, 48)
    image_0.ico .. image_8.ico   IMAGE_0..8    the image list, one icon per index (16, 20, 24,
                                               32: the tray's sizes at 100 % to 200 %):
        0 program (keycap with a lightning bolt): tray icon, "Show main window"
        1 disc in the drive (still): tray icon while the animation is off
        2 no disc in the drive: tray icon
        3 gear: "Setting"
        4 globe: the "to Web" submenu
        5 power button: "Exit"
        6 question mark: help (spare; no menu item uses it)
        7 web page: the documentation and home page items
        8 "i": "About ..."
    tray_anim_00.ico .. _23.ico  TRAY_ANIM_00..23  the spinning disc, one frame per 150 ms
                                               (16, 20, 24, 32)
    imagelist.bmp                IMAGELIST     the nine images as one 24-bit strip of 16 x 16
                                               cells; magenta (255, 0, 255) is transparent
    imagelist32.bmp              IMAGELIST32   the same strip as 32-bit pixels with alpha
    images.rc                    the resource statements for all of the above

Icons are 32-bit with alpha plus the 1-bit mask older systems use. Every picture is described
below as shapes in a 16-unit square and drawn supersampled, so every pixel size
comes from one description. Only Python's standard library and PIL are used; the output is the
same byte for byte on every run.
"""

import argparse
import math
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter

SUPERSAMPLE = 4
KEY = (255, 0, 255)  # transparent colour of the 24-bit strip
MENU_BACKGROUND = (240, 240, 240)  # what the strip's soft edges are blended onto
ANIMATION_FRAMES = 24

# ---------------------------------------------------------------------------------------------
# Drawing: a canvas in units of a 16 x 16 icon, rendered at SUPERSAMPLE x the target size.


def _lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = size * SUPERSAMPLE  # supersampled side
        self.unit = self.px / 16.0
        # strokes stay about one target pixel wide at every size
        self.stroke = 16.0 / size if size <= 16 else 16.0 / size * 1.5
        self.img = Image.new("RGBA", (self.px, self.px), (0, 0, 0, 0))

    def _xy(self, points):
        return [(x * self.unit, y * self.unit) for x, y in points]

    def _box(self, x0, y0, x1, y1):
        u = self.unit
        return [x0 * u, y0 * u, x1 * u - 1, y1 * u - 1]

    def _mask(self):
        mask = Image.new("L", self.img.size, 0)
        return mask, ImageDraw.Draw(mask)

    def _paint(self, mask, fill):
        """Composites fill (a colour or a function of the unit position) through mask."""
        if callable(fill):
            layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
            pixels = layer.load()
            mpx = mask.load()
            bbox = mask.getbbox()
            if not bbox:
                return
            for y in range(bbox[1], bbox[3]):
                for x in range(bbox[0], bbox[2]):
                    if mpx[x, y]:
                        pixels[x, y] = fill((x + 0.5) / self.unit, (y + 0.5) / self.unit)
        else:
            colour = fill if len(fill) == 4 else fill + (255,)
            layer = Image.new("RGBA", self.img.size, colour)
        alpha = layer.getchannel("A")
        alpha = Image.composite(alpha, Image.new("L", self.img.size, 0), mask)
        layer.putalpha(alpha)
        self.img = Image.alpha_composite(self.img, layer)

    def shape(self, kind, geometry, fill=None, outline=None, width=1.0, radius=0.0):
        """Fills then outlines a shape: kind is "ellipse", "polygon" or "rect" (rounded by
        radius); geometry is a box (x0, y0, x1, y1) or a point list, in units."""
        stroke = width * self.stroke * self.unit

        def draw(target, grow):
            if kind == "polygon":
                target.polygon(self._xy(geometry), fill=255)
                if grow:
                    target.line(self._xy(geometry + [geometry[0]]), fill=255,
                                width=int(round(grow * 2)), joint="curve")
                return
            x0, y0, x1, y1 = self._box(*geometry)
            box = [x0 - grow, y0 - grow, x1 + grow, y1 + grow]
            if kind == "ellipse":
                target.ellipse(box, fill=255)
            else:
                target.rounded_rectangle(box, radius=max(0.0, radius * self.unit + grow), fill=255)

        if outline is not None:
            outer, draw_outer = self._mask()
            draw(draw_outer, stroke / 2)
            inner, draw_inner = self._mask()
            draw(draw_inner, -stroke / 2 if kind != "polygon" else 0)
            if kind == "polygon":  # shrink by eroding the mask
                inner = _erode(inner, stroke)
            if fill is None:  # only the ring between the two
                outer = Image.composite(Image.new("L", outer.size, 0), outer, inner)
            self._paint(outer, outline)
            if fill is not None:
                self._paint(inner, fill)
        elif fill is not None:
            mask, draw_mask = self._mask()
            draw(draw_mask, 0)
            self._paint(mask, fill)

    def line(self, points, colour, width=1.0):
        mask, draw = self._mask()
        w = max(1, int(round(width * self.stroke * self.unit)))
        draw.line(self._xy(points), fill=255, width=w, joint="curve")
        for x, y in (points[0], points[-1]):  # round caps
            cx, cy = x * self.unit, y * self.unit
            draw.ellipse([cx - w / 2, cy - w / 2, cx + w / 2, cy + w / 2], fill=255)
        self._paint(mask, colour)

    def arc(self, centre, radius, start, end, colour, width=1.0):
        cx, cy = centre
        steps = max(8, int(abs(end - start) / 6))
        points = [(cx + radius * math.cos(math.radians(start + (end - start) * i / steps)),
                   cy + radius * math.sin(math.radians(start + (end - start) * i / steps)))
                  for i in range(steps + 1)]
        self.line(points, colour, width)

    def punch(self, kind, geometry):
        """Makes a shape transparent again (holes)."""
        mask, draw = self._mask()
        x0, y0, x1, y1 = self._box(*geometry)
        if kind == "ellipse":
            draw.ellipse([x0, y0, x1, y1], fill=255)
        else:
            draw.rectangle([x0, y0, x1, y1], fill=255)
        alpha = self.img.getchannel("A")
        alpha.paste(0, mask=mask)
        self.img.putalpha(alpha)

    def result(self):
        return self.img.resize((self.size, self.size), Image.BOX)


def _erode(mask, stroke):
    """The mask shrunk by half a stroke on every side."""
    size = 2 * int(round(stroke / 2)) + 1
    return mask.filter(ImageFilter.MinFilter(size)) if size > 1 else mask


def vertical(top, bottom, y0, y1):
    """Fill function: a top-to-bottom gradient between rows y0 and y1 (units)."""
    def fill(x, y):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return _lerp(top, bottom, t) + (255,)
    return fill


def radial(inner, outer, cx, cy, r):
    """Fill function: a round highlight at (cx, cy) fading to outer at distance r."""
    def fill(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return _lerp(inner, outer, t) + (255,)
    return fill


# ---------------------------------------------------------------------------------------------
# The pictures. Light falls from the top left; every shape has a dark rim so that it reads on
# light and dark task bars alike.

BOLT = [(8.4, 1.4), (12.8, 1.4), (10.1, 5.4), (13.0, 5.4), (5.2, 14.6), (7.4, 8.3), (4.1, 8.3)]


def draw_program(c):
    """Image 0: a blue keycap with a yellow lightning bolt."""
    # edges on half units put the one-pixel rim exactly on the pixel grid at 16 x 16
    c.shape("rect", (0.5, 0.5, 15.5, 15.5), fill=vertical((58, 112, 206), (20, 52, 132), 1, 15),
            outline=(12, 30, 80), radius=3.0)
    c.shape("rect", (2.0, 1.0, 14.0, 12.0), fill=vertical((156, 204, 255), (70, 132, 232), 1, 12),
            radius=2.0)
    c.line([(3.0, 1.75), (13.0, 1.75)], (220, 240, 255, 210), 0.8)
    c.shape("polygon", BOLT, fill=vertical((255, 250, 170), (255, 184, 24), 1.2, 14.4),
            outline=(110, 52, 0), width=0.9)


def _disc_fill(angle, label=True):
    """Fill function of a compact disc turned by angle degrees."""
    turn = math.radians(angle)

    def fill(x, y):
        dx, dy = x - 8.0, y - 8.0
        r = math.hypot(dx, dy)
        a = math.atan2(dy, dx) - turn
        if r > 6.5:  # rim
            return (64, 70, 84, 255)
        if r < 1.55:
            return (0, 0, 0, 0)
        if r < 2.25:  # hub
            return (150, 158, 170, 255)
        if r < 2.9:  # clear inner ring
            return (226, 231, 238, 255)
        # silver data surface with a rainbow sheen and two glints opposite each other
        base = _lerp((236, 239, 244), (176, 184, 196), (dy + 7) / 14 * 0.6 + 0.2)
        hue = (math.degrees(2 * a) % 360) / 360.0
        rainbow = _hsv(hue, 0.75, 1.0)
        sheen = 0.5 + 0.5 * math.cos(2 * a)
        colour = _lerp(base, rainbow, 0.75 * sheen ** 1.3)
        glint = max(0.0, math.cos(2 * (a - 0.55))) ** 10
        colour = _lerp(colour, (255, 255, 255), glint * 0.85)
        if label and 4.2 < r < 5.6 and -0.5 < math.sin(a + 2.2) and math.cos(a + 2.2) > 0.55:
            colour = _lerp(colour, (36, 92, 200), 0.85)  # a printed mark shows the turning
        return colour + (255,)
    return fill


def _hsv(h, s, v):
    i = int(h * 6) % 6
    f = h * 6 - int(h * 6)
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    r, g, b = [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i]
    return (int(r * 255), int(g * 255), int(b * 255))


def draw_disc(c, angle=0.0):
    """Image 1 and the animation: a compact disc."""
    c.shape("ellipse", (0.5, 0.5, 15.5, 15.5), fill=_disc_fill(angle))
    c.punch("ellipse", (6.45, 6.45, 9.55, 9.55))


def draw_no_disc(c):
    """Image 2: the ghost of a disc with a red cross."""
    c.shape("ellipse", (1.0, 1.0, 15.0, 15.0), fill=(214, 218, 226, 150),
            outline=(120, 126, 138, 230))
    c.shape("ellipse", (5.6, 5.6, 10.4, 10.4), outline=(120, 126, 138, 200))
    c.punch("ellipse", (6.45, 6.45, 9.55, 9.55))
    c.shape("ellipse", (7.6, 7.6, 15.8, 15.8),
            fill=radial((255, 120, 110), (196, 24, 24), 10, 9.5, 6), outline=(112, 8, 8))
    c.line([(10.1, 10.1), (13.3, 13.3)], (255, 255, 255), 1.5)
    c.line([(13.3, 10.1), (10.1, 13.3)], (255, 255, 255), 1.5)


def _gear(teeth, outer, root, cx=8.0, cy=8.0):
    points = []
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        half = math.pi / teeth
        for da, r in ((-half * 0.95, root), (-half * 0.45, outer), (half * 0.45, outer),
                      (half * 0.95, root)):
            points.append((cx + r * math.cos(a + da), cy + r * math.sin(a + da)))
    return points


def draw_setting(c):
    """Image 3: a steel gear."""
    c.shape("polygon", _gear(8, 7.6, 5.6), fill=radial((236, 240, 246), (112, 124, 146), 5, 5, 9),
            outline=(44, 52, 68))
    c.shape("ellipse", (5.0, 5.0, 11.0, 11.0), outline=(96, 106, 126))
    c.punch("ellipse", (6.3, 6.3, 9.7, 9.7))


def draw_globe(c, box=(0.5, 0.5, 15.5, 15.5)):
    """Image 4: a blue globe with its grid."""
    x0, y0, x1, y1 = box
    cx, cy, r = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2
    c.shape("ellipse", box, fill=radial((150, 214, 255), (18, 92, 196), cx - r * 0.35,
                                        cy - r * 0.4, r * 1.5), outline=(8, 46, 118))
    # green land masses, kept simple
    land = (88, 186, 64, 240)
    c.shape("polygon", [(cx - r * 0.75, cy - r * 0.6), (cx - r * 0.05, cy - r * 0.8),
                        (cx + r * 0.15, cy - r * 0.25), (cx - r * 0.25, cy + r * 0.15),
                        (cx - r * 0.5, cy + r * 0.7), (cx - r * 0.9, cy + r * 0.05)], fill=land)
    c.shape("polygon", [(cx + r * 0.3, cy + r * 0.0), (cx + r * 0.9, cy + r * 0.15),
                        (cx + r * 0.6, cy + r * 0.8), (cx + r * 0.15, cy + r * 0.6)], fill=land)
    pixels = r * c.size / 16.0  # small globes keep only as much grid as stays legible
    if pixels < 5:
        return
    grid = (255, 255, 255, 120)
    c.shape("ellipse", (cx - r * 0.45, y0 + 0.3, cx + r * 0.45, y1 - 0.3), outline=grid, width=0.8)
    c.line([(x0 + 0.6, cy), (x1 - 0.6, cy)], grid, 0.8)
    if pixels < 10:
        return
    c.line([(cx, y0 + 0.5), (cx, y1 - 0.5)], grid, 0.8)
    c.arc((cx, cy - r * 1.25), r * 1.1, 55, 125, grid, 0.8)
    c.arc((cx, cy + r * 1.25), r * 1.1, 235, 305, grid, 0.8)


def draw_exit(c):
    """Image 5: a red power button."""
    c.shape("ellipse", (0.5, 0.5, 15.5, 15.5),
            fill=radial((255, 132, 112), (184, 20, 20), 5.5, 4.5, 11), outline=(104, 6, 6))
    c.arc((8.0, 8.4), 3.7, -50, 230, (255, 255, 255), 1.7)
    c.line([(8.0, 3.2), (8.0, 8.0)], (255, 255, 255), 1.7)


def draw_help(c):
    """Image 6: a question mark on a green badge."""
    c.shape("ellipse", (0.5, 0.5, 15.5, 15.5),
            fill=radial((140, 226, 120), (28, 132, 40), 5.5, 4.5, 11), outline=(10, 70, 16))
    c.arc((8.0, 6.2), 2.5, 190, 395, (255, 255, 255), 1.7)
    c.line([(9.9, 7.9), (8.0, 9.4), (8.0, 10.0)], (255, 255, 255), 1.7)
    c.shape("ellipse", (7.0, 11.4, 9.0, 13.4), fill=(255, 255, 255))


def draw_page(c):
    """Image 7: a web page: a sheet with text lines and a small globe."""
    sheet = [(2.5, 0.5), (10.0, 0.5), (13.5, 4.0), (13.5, 15.5), (2.5, 15.5)]
    c.shape("polygon", sheet, fill=vertical((255, 255, 255), (222, 228, 238), 1, 15),
            outline=(84, 92, 108))
    c.shape("polygon", [(10.0, 0.5), (10.0, 4.0), (13.5, 4.0)], fill=(200, 208, 222),
            outline=(84, 92, 108))
    for y, right in ((3.5, 8.5), (5.5, 11.5), (7.5, 7.0)):
        c.line([(4.5, y), (right, y)], (70, 110, 180), 1.0)
    draw_globe(c, (7.0, 7.0, 16.0, 16.0))


def draw_about(c):
    """Image 8: "i" on a blue badge."""
    c.shape("ellipse", (0.5, 0.5, 15.5, 15.5),
            fill=radial((140, 196, 255), (22, 86, 192), 5.5, 4.5, 11), outline=(8, 40, 110))
    c.shape("ellipse", (6.9, 3.0, 9.1, 5.2), fill=(255, 255, 255))
    c.shape("rect", (6.9, 6.6, 9.1, 12.9), fill=(255, 255, 255), radius=0.6)


IMAGES = [draw_program, draw_disc, draw_no_disc, draw_setting, draw_globe, draw_exit, draw_help,
          draw_page, draw_about]

# ---------------------------------------------------------------------------------------------
# File formats


# The small-icon sizes the system asks for at 100 %, 125 %, 150 % and 200 % display scale.
TRAY_SIZES = (16, 20, 24, 32)


def render(draw, size, *args):
    canvas = Canvas(size)
    draw(canvas, *args)
    return canvas.result()


def ico_bytes(images):
    """An .ico holding each RGBA image as a 32-bit DIB with its AND mask."""
    header = struct.pack("<HHH", 0, 1, len(images))
    directory = b""
    blobs = b""
    offset = 6 + 16 * len(images)
    for im in images:
        w, h = im.size
        pixels = im.load()
        colour = bytearray()
        for y in range(h - 1, -1, -1):  # bottom-up rows
            for x in range(w):
                r, g, b, a = pixels[x, y]
                colour += bytes((b, g, r, a))
        stride = ((w + 31) // 32) * 4
        mask = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                if pixels[x, y][3] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(colour) + len(mask),
                           0, 0, 0, 0)
        blob = info + bytes(colour) + bytes(mask)
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + directory + blobs


def bmp_bytes(im, bits):
    """A bottom-up BI_RGB .bmp of an RGB (24 bits) or RGBA (32 bits) image."""
    w, h = im.size
    pixels = im.load()
    stride = ((w * bits // 8) + 3) // 4 * 4
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            p = pixels[x, y]
            row += bytes((p[2], p[1], p[0])) + (bytes((p[3],)) if bits == 32 else b"")
        data += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


def keyed_strip(cells):
    """The 24-bit strip: soft edges blended onto the menu colour, the rest the key colour."""
    strip = Image.new("RGB", (16 * len(cells), 16), KEY)
    out = strip.load()
    for i, cell in enumerate(cells):
        src = cell.load()
        for y in range(16):
            for x in range(16):
                r, g, b, a = src[x, y]
                if a >= 96:
                    t = a / 255.0
                    out[16 * i + x, y] = tuple(int(round(c * t + m * (1 - t)))
                                               for c, m in zip((r, g, b), MENU_BACKGROUND))
    return strip


def alpha_strip(cells):
    strip = Image.new("RGBA", (16 * len(cells), 16), (0, 0, 0, 0))
    for i, cell in enumerate(cells):
        strip.paste(cell, (16 * i, 0))
    return strip


RC_HEADER = """\
// Generated by tools/make-icons.py; do not edit.
// IMAGE_n is index n of the main window's image list:
//   0 program (tray icon, "Show main window")  1 disc in the drive  2 no disc
//   3 setting  4 to web  5 exit  6 help (spare)  7 web page  8 about
// TRAY_ANIM_00..23: the tray animation while a disc is in the drive.
// APP_ICON sorts first of the named icons, so Explorer shows it for the program file.
// IMAGELIST is the same nine images as one strip of 16 x 16 cells (24 bits, magenta
// transparent); IMAGELIST32 the strip with an alpha channel.
"""


def write_all(out):
    os.makedirs(out, exist_ok=True)
    files = []

    def save(name, data):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)

    save("app.ico", ico_bytes([render(draw_program, s) for s in (16, 20, 24, 32, 48)]))
    files.append(("APP_ICON", "ICON", "app.ico"))
    cells = []
    for i, draw in enumerate(IMAGES):
        sizes = [render(draw, s) for s in TRAY_SIZES]
        cells.append(sizes[0])
        save(f"image_{i}.ico", ico_bytes(sizes))
        files.append((f"IMAGE_{i}", "ICON", f"image_{i}.ico"))
    frames = []
    for n in range(ANIMATION_FRAMES):
        angle = 360.0 * n / ANIMATION_FRAMES
        sizes = [render(draw_disc, s, angle) for s in TRAY_SIZES]
        frames.append(sizes[0])
        save(f"tray_anim_{n:02d}.ico", ico_bytes(sizes))
        files.append((f"TRAY_ANIM_{n:02d}", "ICON", f"tray_anim_{n:02d}.ico"))
    save("imagelist.bmp", bmp_bytes(keyed_strip(cells), 24))
    save("imagelist32.bmp", bmp_bytes(alpha_strip(cells), 32))
    files.append(("IMAGELIST", "BITMAP", "imagelist.bmp"))
    files.append(("IMAGELIST32", "BITMAP", "imagelist32.bmp"))
    rc = RC_HEADER + "".join(f'{name} {kind} "{path}"\n' for name, kind, path in files)
    save("images.rc", rc.encode("ascii"))
    return cells, frames


# ---------------------------------------------------------------------------------------------
# Preview


MENU = [(0, "Show main window"), (3, "Setting"), (None, ""), (4, "Quorvel to Web"),
        (7, "    Documentation"), (7, "    Home page"), (None, ""), (8, "About ..."),
        (5, "Exit")]


def write_preview(path, out, cells, frames):
    """Each image at 16 and 32 pixels, enlarged, on light and dark backgrounds; the animation
    frames; the tray menu drawn from the 24-bit strip; the pictures at their real size."""
    zoom = 6
    bigs = [render(d, 32) for d in IMAGES]
    pitch = 16 * zoom + 8
    width = max(len(IMAGES) * pitch, 700) + 16
    height = 4 * pitch + 2 * 56 + 8 + 2 * len(MENU) * 18 + 16
    sheet = Image.new("RGB", (width, height), (90, 96, 104))
    for row, bg in enumerate(((240, 240, 240), (32, 36, 44))):
        for i, (small, big) in enumerate(zip(cells, bigs)):
            for image, scale, band in ((small, zoom, row), (big, zoom // 2, row + 2)):
                side = image.width * scale
                tile = Image.new("RGBA", (side, side), bg + (255,))
                tile.alpha_composite(image.resize((side, side), Image.NEAREST))
                sheet.paste(tile.convert("RGB"), (8 + i * pitch, 8 + band * pitch))
    y = 8 + 4 * pitch
    for n, frame in enumerate(frames):
        tile = Image.new("RGBA", (48, 48), (32, 36, 44, 255))
        tile.alpha_composite(frame.resize((48, 48), Image.NEAREST))
        sheet.paste(tile.convert("RGB"), (8 + (n % 12) * 56, y + (n // 12) * 56))
    y += 2 * 56 + 8
    # the tray menu, its images cut from the strip by the key colour as an image list does
    strip = Image.open(os.path.join(out, "imagelist.bmp")).convert("RGB")
    menu = Image.new("RGB", (150, len(MENU) * 18), MENU_BACKGROUND)
    draw = ImageDraw.Draw(menu)
    for row, (index, caption) in enumerate(MENU):
        top = row * 18
        if index is None:
            draw.line([(24, top + 9), (146, top + 9)], fill=(180, 180, 180))
            continue
        cell = strip.crop((16 * index, 0, 16 * index + 16, 16))
        mask = Image.new("L", (16, 16), 0)
        mask.putdata([0 if p == KEY else 255 for p in cell.getdata()])
        menu.paste(cell, (4, top + 1), mask)
        draw.text((28, top + 3), caption.strip(), fill=(0, 0, 0))
    sheet.paste(menu.resize((300, menu.height * 2), Image.NEAREST), (8, y))
    sheet.paste(menu, (330, y))
    for i, image in enumerate(frames[:1] + cells):
        tile = Image.new("RGBA", (16, 16), (32, 36, 44, 255))
        tile.alpha_composite(image)
        sheet.paste(tile.convert("RGB"), (500 + i * 20, y))
    sheet.save(path)


def main():
    parser = argparse.ArgumentParser(description="Draw Quorvel's icons and image list.")
    parser.add_argument("out", help="folder for the .ico, .bmp and images.rc files")
    parser.add_argument("--preview", help="also write an enlarged PNG of every picture")
    args = parser.parse_args()
    cells, frames = write_all(args.out)
    if args.preview:
        write_preview(args.preview, args.out, cells, frames)
    return 0


if __name__ == "__main__":
    sys.exit(main())
