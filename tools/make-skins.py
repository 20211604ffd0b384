#!/usr/bin/python3
"""Draws Quorvel's skins and writes them as JPEG files.

    /usr/bin/python3 tools/make-skins.py [--out DIR] [--preview PNG]

Every skin is 202 x 183 pixels, the client size of the main window; the editor, the options
dialog and the about box wear the same picture at the same size, so one design has to carry
all four layouts (LAYOUTS below). The program shapes each window from the picture: every pixel
whose red, green and blue each lie within 10 of the top-left pixel is cut away. So each skin is
a shape drawn on black, outlined by a dark line: black because JPEG's ringing below it is
clipped away, the dark outline because ringing scales with the step it sits on. The quality
starts at 95 and goes up until the ringing outside the shape stays well inside the tolerance.

After writing a skin the script decodes it again and checks it the way the program will see it:
the cut-out must equal the drawn shape exactly (no stray pixels, no holes), every control must
sit inside the shape clear of the outline, and black text must keep a high contrast wherever a
window draws it. It exits non-zero when a check fails.
Only Python's standard library and PIL are used.
"""

import argparse
import math
import os
import random
import sys
from collections import namedtuple

from PIL import Image, ImageDraw, ImageFilter, ImageFont

W, H = 202, 183
CUT_TOLERANCE = 10
JPEG_QUALITY = 95
CUT_MARGIN = 4  # headroom for a decoder that rounds differently from PIL's libjpeg
MIN_TEXT_CONTRAST = 7.0  # black on the skin, WCAG ratio; 7 is the "enhanced" level

# ---------------------------------------------------------------------------------------------
# The four windows' layouts: kind, x, y, width, height, text. Texts drawn on the picture have
# kind "text" (x None means centred on the window, "title" means centred minus 28 at y 2).

Item = namedtuple("Item", "kind x y w h text")


def _layout(*items):
    return [Item(*item) for item in items]


LAYOUTS = {
    "main": _layout(
        ("text", 37, 2, 0, 13, "Quorvel"),
        ("flat", 152, 8, 20, 15, "?"),
        ("flat", 172, 8, 20, 15, "x"),
        ("list", 5, 30, 99, 113, ""),
        ("button", 109, 29, 89, 24, "Create"),
        ("button", 109, 59, 89, 25, "Delete"),
        ("button", 109, 89, 89, 25, "Update"),
        ("button", 109, 119, 89, 25, "Setting"),
        ("button", 3, 150, 103, 25, "About"),
        ("button", 109, 150, 89, 25, "Minimized"),
    ),
    "editor": _layout(
        ("title", None, 2, 0, 13, "Create hot key"),
        ("flat", 162, 8, 20, 15, "x"),
        ("text", None, 20, 0, 13, "Quorvel"),
        ("edit", 5, 37, 164, 19, "Shift + Ctrl + Alt + A"),
        ("flat", 173, 37, 23, 20, "..."),
        ("check", 6, 64, 13, 13, ""),
        ("text", 21, 64, 0, 13, "Enable hot key"),
        ("check", 6, 83, 13, 13, ""),
        ("text", 21, 83, 0, 13, "To request acknowledgement"),
        ("text", None, 100, 0, 13, "Action"),
        ("combo", 5, 117, 191, 21, "Run program"),
        ("button", 7, 150, 81, 25, "Next"),
        ("button", 113, 150, 81, 25, "Cancel"),
    ),
    "options-1": _layout(
        ("title", None, 2, 0, 13, "Option / Program"),
        ("flat", 152, 8, 20, 15, "<"),
        ("flat", 176, 8, 20, 15, ">"),
        ("check", 4, 28, 13, 13, ""),
        ("text", 21, 28, 0, 13, "Run at Startup"),
        ("check", 4, 52, 13, 13, ""),
        ("text", 21, 52, 0, 13, "Enable hot key"),
        ("check", 4, 77, 13, 13, ""),
        ("text", 21, 77, 0, 13, "Warn when exiting program"),
        ("check", 4, 101, 13, 13, ""),
        ("text", 21, 101, 0, 13, "Warn when setting window"),
        ("check", 4, 126, 13, 13, ""),
        ("text", 21, 126, 0, 13, "Warn when deleting hot key"),
        ("button", 10, 150, 85, 25, "Ok"),
        ("button", 108, 150, 85, 25, "Cancel"),
    ),
    "options-2": _layout(
        ("title", None, 2, 0, 13, "Option / Tray"),
        ("check", 4, 28, 13, 13, ""),
        ("text", 21, 28, 0, 13, "Disable fast call"),
        ("check", 4, 52, 13, 13, ""),
        ("text", 21, 52, 0, 13, "Detected disk in CD-ROM"),
        ("text", 21, 77, 0, 13, "Choose the device"),
        ("combo", 146, 73, 49, 21, "E:"),
        ("check", 21, 100, 13, 13, ""),
        ("text", 38, 100, 0, 13, "Animation"),
    ),
    "options-3": _layout(
        ("title", None, 2, 0, 13, "Option / Language"),
        ("text", None, 40, 0, 13, "Choose the necessary language"),
        ("combo", 8, 73, 187, 21, "English"),
        ("button", 49, 110, 105, 25, "Load language"),
    ),
    "options-4": _layout(
        ("title", None, 2, 0, 13, "Option / Skin"),
        ("text", None, 25, 0, 13, "Choose a skin"),
        ("list", 11, 48, 83, 97, ""),
        ("button", 108, 49, 85, 25, "Load skin"),
    ),
    "options-5": _layout(
        ("title", None, 2, 0, 13, "Option / Plugin"),
        ("text", None, 40, 0, 13, "Folder with Plugin"),
        ("edit", 8, 73, 187, 21, "C:\\Quorvel\\PLUGIN\\"),
        ("check", 8, 100, 13, 13, ""),
        ("text", 25, 100, 0, 13, "Auto"),
    ),
    "about": _layout(
        ("title", None, 2, 0, 13, "About the program"),
        ("label", 19, 25, 162, 17, "Quorvel 3.5"),
        ("text", 12, 70, 0, 13, "Freeware. Use it, share it."),
        ("text", None, 93, 0, 13, "www.quorvel.example"),
        ("text", None, 117, 0, 13, "mail@quorvel.example"),
        ("button", 10, 149, 87, 25, "Ok"),
        ("button", 104, 149, 89, 25, "Gratitude ..."),
    ),
}
PREVIEW_WINDOWS = ("main", "editor", "options-1", "about")

# ---------------------------------------------------------------------------------------------
# Geometry shared by every skin: a title band at the top whose right end hangs down into a
# shoulder holding the small title buttons (x 152..196, y 8..23), a body for lists and drawn
# labels, and a darker button bar at the bottom (every window has its push buttons at
# y 149..175 and draws no text there).

BAND_END = 19  # the band's lower edge over the titles; drawn labels start at y 20 below it
SHOULDER = (143.0, 151.0, 27.0)  # the edge eases down between these columns to this row
BAR_TOP = 146  # the button bar's upper edge; lists end at y 145 above it
EMBLEM = (7, 3)  # top-left of the small keycap emblem left of the titles


def _lerp(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def _clamp(colour):
    return tuple(max(0, min(255, int(round(c)))) for c in colour)


def _mix(colour, other, amount):
    return _lerp(colour, other, max(0.0, min(1.0, amount)))


WHITE = (255, 255, 255)


class Skin:
    """One skin: its colours, outline shape and surface texture."""

    def __init__(self, name, outline, band, body, bar, accent, corners, chamfer=False,
                 texture="smooth", key=(0, 0, 0)):
        self.name = name
        self.key = key  # black: JPEG clips the ringing below it, so only half of it can show
        self.outline = outline
        self.band = band  # (top colour, bottom colour) of each zone
        self.body = body
        self.bar = bar
        self.accent = accent  # line under the title band, the emblem
        self.corners = corners  # radius of top-left, top-right, bottom-right, bottom-left
        self.chamfer = chamfer  # cut the corners straight instead of round
        self.texture = texture


SKINS = [
    Skin("Blue", outline=(24, 46, 92),
         band=((214, 231, 252), (146, 186, 238)), body=((240, 245, 252), (219, 230, 246)),
         bar=((112, 154, 214), (62, 102, 170)), accent=(52, 100, 180),
         corners=(10, 10, 10, 10), texture="sheen"),
    Skin("Graphite", outline=(40, 42, 46),
         band=((238, 239, 241), (186, 189, 195)), body=((234, 235, 237), (214, 216, 220)),
         bar=((104, 108, 116), (58, 61, 67)), accent=(72, 76, 84),
         corners=(8, 8, 8, 8), chamfer=True, texture="brushed"),
    Skin("Sand", outline=(92, 64, 34),
         band=((250, 239, 212), (222, 194, 146)), body=((250, 245, 233), (238, 227, 204)),
         bar=((200, 168, 118), (156, 122, 76)), accent=(170, 116, 54),
         corners=(14, 6, 14, 6), texture="grain"),
]

# ---------------------------------------------------------------------------------------------
# Shape


def _inside(skin, px, py):
    """Whether the point (px, py) lies inside the skin's outline."""
    if px < 0 or py < 0 or px > W or py > H:
        return False
    tl, tr, br, bl = skin.corners
    for radius, cx, cy in ((tl, tl, tl), (tr, W - tr, tr), (br, W - br, H - br),
                           (bl, bl, H - bl)):
        dx = (cx - px) if cx < W / 2 else (px - cx)
        dy = (cy - py) if cy < H / 2 else (py - cy)
        if dx <= 0 or dy <= 0:
            continue
        if skin.chamfer:
            if dx + dy > radius:
                return False
        elif dx * dx + dy * dy > radius * radius:
            return False
    return True


def shape_mask(skin):
    """Set of pixels inside the outline: a pixel counts when most of its 4x4 samples do."""
    inside = set()
    for y in range(H):
        for x in range(W):
            corners = [_inside(skin, x + dx, y + dy) for dx in (0.01, 0.99) for dy in (0.01, 0.99)]
            if all(corners):
                inside.add((x, y))
                continue
            if not any(corners) and x > 0 and y > 0:
                continue
            hits = 0
            for sy in range(4):
                for sx in range(4):
                    hits += _inside(skin, x + (sx + 0.5) / 4, y + (sy + 0.5) / 4)
            if hits >= 8:
                inside.add((x, y))
    return inside


def depth_map(inside):
    """Chamfer distance (in pixels) of each inside pixel from the nearest outside pixel."""
    big = 10**6
    dist = [[0 if (x, y) not in inside else big for x in range(W)] for y in range(H)]

    def outside(x, y):
        return x < 0 or y < 0 or x >= W or y >= H or (x, y) not in inside

    passes = (
        (range(H), range(W), ((-1, 0, 3), (0, -1, 3), (-1, -1, 4), (1, -1, 4))),
        (range(H - 1, -1, -1), range(W - 1, -1, -1), ((1, 0, 3), (0, 1, 3), (1, 1, 4), (-1, 1, 4))),
    )
    for rows, cols, steps in passes:
        for y in rows:
            for x in cols:
                if dist[y][x] == 0:
                    continue
                best = dist[y][x]
                for dx, dy, cost in steps:
                    nx, ny = x + dx, y + dy
                    best = min(best, cost if outside(nx, ny) else dist[ny][nx] + cost)
                dist[y][x] = best
    return [[d / 3.0 for d in row] for row in dist]


def light_map(inside):
    """How much each edge pixel faces the light from the top left, -1..1."""
    mask = Image.new("L", (W, H), 0)
    mask.putdata([255 if (x, y) in inside else 0 for y in range(H) for x in range(W)])
    soft = mask.filter(ImageFilter.GaussianBlur(1.6)).load()

    def at(x, y):
        return soft[min(max(x, 0), W - 1), min(max(y, 0), H - 1)]

    light = {}
    for (x, y) in inside:
        nx = at(x + 1, y) - at(x - 1, y)
        ny = at(x, y + 1) - at(x, y - 1)
        length = math.hypot(nx, ny)
        light[(x, y)] = 0.0 if length < 1e-6 else (nx + ny) / (length * math.sqrt(2))
    return light


# ---------------------------------------------------------------------------------------------
# Surface


def band_edge(x):
    """Row of the title band's lower edge at column centre x, with its slope."""
    left, right, low = SHOULDER
    if x <= left:
        return float(BAND_END), 0.0
    if x >= right:
        return low, 0.0
    t = (x - left) / (right - left)
    rise = low - BAND_END
    return BAND_END + rise * (0.5 - 0.5 * math.cos(math.pi * t)), \
        rise * 0.5 * math.pi * math.sin(math.pi * t) / (right - left)


def _texture(skin, rng):
    """Per-pixel brightness offsets of the skin's surface."""
    offsets = [[0.0] * W for _ in range(H)]
    if skin.texture == "brushed":  # fine horizontal streaks of brushed metal
        for y in range(H):
            streak = rng.gauss(0, 1.2)
            row = [rng.gauss(0, 1.8) for _ in range(W + 10)]
            for x in range(W):
                offsets[y][x] = streak + sum(row[x:x + 10]) / 10 * 2.2
    elif skin.texture == "grain":  # sand grain over faint dune ripples
        for y in range(H):
            for x in range(W):
                ripple = 1.6 * math.sin((y + 9 * math.sin(x / 31.0)) / 5.5)
                grain = rng.gauss(0, 1.3)
                if rng.random() < 0.025:
                    grain += rng.choice((-5, 4))
                offsets[y][x] = ripple + grain
    else:  # smooth surface with a broad diagonal sheen
        for y in range(H):
            for x in range(W):
                along = (x * 0.8 - y + 30) / 44.0
                offsets[y][x] = 6.0 * math.exp(-along * along) + rng.gauss(0, 0.6)
    return offsets


def _band_colour(skin, y):
    # the shoulder below the band's lower edge over the titles goes on a little darker
    t = min(1.15, y / (BAND_END - 1.0))
    colour = _lerp(skin.band[0], skin.band[1], t)
    if t < 0.45:  # glassy upper half
        colour = _mix(colour, WHITE, 0.35 * (1 - t / 0.45))
    return colour


def _surface(skin, x, y):
    """Colour at (x, y) of the band, body or bar, before the rim and texture; and whether
    texture applies there."""
    edge, slope = band_edge(x + 0.5)
    # signed distance below the band's edge, measured across the curve
    d = (y + 0.5 - edge) / math.sqrt(1 + slope * slope)
    if d < -0.5:
        return _band_colour(skin, y), True
    body = _lerp(skin.body[0], skin.body[1], (y - BAND_END) / (BAR_TOP - BAND_END))
    if y < BAR_TOP:
        if d < 0.5:  # the accent line, anti-aliased along the curve
            return _mix(skin.accent, _band_colour(skin, y), abs(d) * 0.6), False
        if d < 1.5:
            return _mix(body, WHITE, 0.65 * (1.5 - d)), False
        if d < 5.5:  # a soft shadow cast by the band
            return _mix(body, skin.band[1], 0.22 * (5.5 - d) / 4.0), True
        return body, True
    if y == BAR_TOP:
        return skin.outline, False
    t = (y - BAR_TOP - 1) / (H - BAR_TOP - 2)
    colour = _lerp(skin.bar[0], skin.bar[1], t)
    if y == BAR_TOP + 1:
        return _mix(colour, WHITE, 0.4), False
    if t < 0.4:
        colour = _mix(colour, WHITE, 0.12 * (1 - t / 0.4))
    return colour, True


_EMBLEM = [  # keycap with a lightning bolt, 13 x 13: '#' rim, 'z' bolt
    "..#########..",
    ".#.........#.",
    "#...........#",
    "#.......zz..#",
    "#......zz...#",
    "#.....zz....#",
    "#....zzzzz..#",
    "#.....zz....#",
    "#....zz.....#",
    "#...zz......#",
    "#...........#",
    ".#.........#.",
    "..#########..",
]


def _emblem_ink(x, y):
    ex, ey = EMBLEM
    row, col = y - ey, x - ex
    return 0 <= row < 13 and 0 <= col < 13 and _EMBLEM[row][col] != "."


def render(skin):
    """The skin picture (RGB) and its intended shape."""
    rng = random.Random("quorvel-skin-" + skin.name)
    inside = shape_mask(skin)
    depth = depth_map(inside)
    light = light_map(inside)
    texture = _texture(skin, rng)
    img = Image.new("RGB", (W, H), skin.key)
    px = img.load()
    for (x, y) in inside:
        colour, textured = _surface(skin, x, y)
        if _emblem_ink(x, y):  # embossed: a dark stroke with a light echo below right
            colour = _mix(colour, skin.accent, 0.5)
        elif _emblem_ink(x - 1, y - 1):
            colour = _mix(colour, WHITE, 0.7)
        if textured:
            colour = tuple(c + texture[y][x] for c in colour)
        d = depth[y][x]
        shade = light[(x, y)]
        if d < 1.2:
            colour = skin.outline
        elif d < 2.2:  # raised rim: bright where it faces the light, dark where it turns away
            colour = _mix(colour, WHITE, 0.8 * shade) if shade > 0 else \
                _mix(colour, skin.outline, -0.45 * shade)
        elif d < 3.2:
            colour = _mix(colour, WHITE, 0.3 * shade) if shade > 0 else \
                _mix(colour, skin.outline, -0.18 * shade)
        px[x, y] = _clamp(colour)
    return img, inside


# ---------------------------------------------------------------------------------------------
# Checks, on the decoded JPEG as the program will see it


def cut_mask(img):
    """Pixels the program keeps: any channel more than the tolerance away from pixel (0, 0)."""
    px = img.load()
    key = px[0, 0]
    kept = set()
    for y in range(img.height):
        for x in range(img.width):
            c = px[x, y]
            if c != key and any(abs(c[i] - key[i]) > CUT_TOLERANCE for i in range(3)):
                kept.add((x, y))
    return kept


def _neighbours8(x, y):
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            if dx or dy:
                yield x + dx, y + dy


def compare_cut(intended, kept):
    """Differences between the drawn shape and the cut-out: (attached, stray, holes).

    attached: kept pixels outside the shape that touch it (they only thicken the dark outline);
    stray: kept pixels outside the shape that do not touch it (visible specks, must be none);
    holes: pixels of the shape that the cut removes.
    """
    extra = kept - intended
    attached = {p for p in extra if any(n in intended for n in _neighbours8(*p))}
    # an extra pixel touching only other extras that touch the shape still counts as stray
    stray = extra - attached
    holes = intended - kept
    return attached, stray, holes


def _text_width(font, text):
    return int(math.ceil(font.getlength(text)))


def _resolve(item, font):
    """Absolute rectangle of a layout item (texts get their measured width)."""
    if item.kind in ("text", "title"):
        width = _text_width(font, item.text)
        x = item.x
        if x is None:
            x = W // 2 - width // 2
            if item.kind == "title":
                x -= 28
        return x, item.y, width, item.h
    return item.x, item.y, item.w, item.h


def _luminance(colour):
    def channel(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def check_layouts(img, intended, font, label_font):
    """Problems with the layouts on this skin: controls touching the outline, dim text areas."""
    problems = []
    depth_ok = {p for p in intended if all(n in intended for n in _neighbours8(*p))}
    px = img.load()
    worst_contrast = 99.0
    for window, items in LAYOUTS.items():
        for item in items:
            x, y, w, h = _resolve(item, font)
            cells = [(cx, cy) for cy in range(y, y + h) for cx in range(x, x + w)]
            outside = [c for c in cells if c not in depth_ok]
            if outside:
                problems.append(f"{window}: {item.kind} '{item.text}' at ({x},{y}) {w}x{h} "
                                f"reaches the outline at {outside[0]}")
            if item.kind in ("text", "title", "label"):
                # the glyphs' own box: below the font's internal leading, across the text
                if item.kind == "label":
                    tw = _text_width(label_font, item.text)
                    x, w = x + (w - tw) // 2, tw
                cells = [(cx, cy) for cy in range(y + 2, y + h) for cx in range(x, x + w)]
                lum = min(_luminance(px[c]) for c in cells if c in intended)
                contrast = (lum + 0.05) / 0.05
                worst_contrast = min(worst_contrast, contrast)
                if contrast < MIN_TEXT_CONTRAST:
                    problems.append(f"{window}: text '{item.text}' has contrast {contrast:.1f}")
    return problems, worst_contrast


# ---------------------------------------------------------------------------------------------
# Preview: the windows as the program draws them, for judging the design by eye


def _font(size, bold=False, mono=False):
    base = "/usr/share/fonts/truetype/dejavu/DejaVuSans"
    if mono:
        base = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono"
    path = base + ("-Bold" if bold else "") + ".ttf"
    try:
        return ImageFont.truetype(path, size)
    except OSError:
        return ImageFont.load_default()


def _gradient_rect(draw, rect, top, bottom):
    x0, y0, x1, y1 = rect
    for y in range(y0, y1):
        t = (y - y0) / max(1, y1 - y0 - 1)
        draw.line([(x0, y), (x1 - 1, y)], fill=_clamp(_lerp(top, bottom, t)))


def _draw_window(skin_img, kept, items, font, label_font):
    """One window: the decoded skin, cut by the program's rule, with its controls on it."""
    win = Image.new("RGB", (W, H), (58, 110, 165))  # desktop colour behind the cut-out
    body = skin_img.copy()
    mask = Image.new("L", (W, H), 0)
    mask.putdata([255 if (x, y) in kept else 0 for y in range(H) for x in range(W)])
    win.paste(body, (0, 0), mask)
    draw = ImageDraw.Draw(win)
    src = skin_img.load()
    navy = (0, 0, 128)
    for item in items:
        x, y, w, h = _resolve(item, font)
        if item.kind in ("text", "title"):
            draw.text((x, y + 1), item.text, font=font, fill=(0, 0, 0))
        elif item.kind == "label":
            tw = _text_width(label_font, item.text)
            draw.text((x + (w - tw) // 2, y), item.text, font=label_font, fill=(0, 0, 0))
        elif item.kind == "button":
            # outer frame tinted from the skin, as the program does when painting
            draw.rectangle([x, y, x + w - 1, y + h - 1], outline=src[x + w, y + h])
            draw.line([(x, y), (x + w - 2, y)], fill=src[x, y])
            draw.line([(x, y), (x, y + h - 2)], fill=src[x, y])
            draw.rectangle([x + 1, y + 1, x + w - 2, y + h - 2], outline=navy)
            _gradient_rect(draw, (x + 2, y + 2, x + w - 2, y + h - 2), (255, 255, 255),
                           (180, 184, 201))
            tw = _text_width(font, item.text)
            draw.text((x + (w - tw) // 2, y + (h - 12) // 2), item.text, font=font,
                      fill=(0, 0, 0))
        elif item.kind in ("list", "edit", "combo"):
            draw.rectangle([x, y, x + w - 1, y + h - 1], fill=(255, 255, 255),
                           outline=(150, 160, 175) if item.kind != "list" else None)
            if item.kind == "list":
                for i, entry in enumerate(("Ctrl + Alt + N", "Ctrl + Shift + F1", "Win + E")):
                    draw.text((x + 2, y + 1 + i * 13), entry, font=font, fill=(0, 0, 0))
            else:
                draw.text((x + 3, y + (h - 12) // 2), item.text, font=font, fill=(0, 0, 0))
                if item.kind == "combo":
                    draw.rectangle([x + w - 15, y + 2, x + w - 3, y + h - 3],
                                   fill=(225, 228, 235))
                    cx, cy = x + w - 9, y + h // 2
                    draw.polygon([(cx - 3, cy - 1), (cx + 3, cy - 1), (cx, cy + 2)],
                                 fill=(0, 0, 0))
        elif item.kind == "check":
            draw.rectangle([x, y, x + w - 1, y + h - 1], fill=(255, 255, 255),
                           outline=(28, 81, 128))
            draw.line([(x + 3, y + 6), (x + 5, y + 9), (x + 9, y + 3)], fill=(33, 161, 33),
                      width=2)
        elif item.kind == "flat":
            tw = _text_width(font, item.text)
            draw.text((x + (w - tw) // 2, y + (h - 13) // 2), item.text, font=font,
                      fill=(0, 0, 0))
    return win


def write_preview(path, decoded, font, label_font):
    scale = 2
    gap = 10
    cols = len(PREVIEW_WINDOWS)
    sheet = Image.new("RGB", (cols * (W * scale + gap) + gap, len(decoded) * (H * scale + gap)
                              + gap), (90, 96, 104))
    for row, (skin, img, kept) in enumerate(decoded):
        for col, window in enumerate(PREVIEW_WINDOWS):
            win = _draw_window(img, kept, LAYOUTS[window], font, label_font)
            win = win.resize((W * scale, H * scale), Image.NEAREST)
            sheet.paste(win, (gap + col * (W * scale + gap), gap + row * (H * scale + gap)))
    sheet.save(path)


# ---------------------------------------------------------------------------------------------


def encode(img, intended, path):
    """Writes the skin at the lowest quality from JPEG_QUALITY up whose decoded cut-out is the
    drawn shape with every outside pixel at least CUT_MARGIN inside the tolerance."""
    for quality in range(JPEG_QUALITY, 101):
        img.save(path, "JPEG", quality=quality, subsampling=0, optimize=True)
        back = Image.open(path).convert("RGB")
        kept = cut_mask(back)
        attached, stray, holes = compare_cut(intended, kept)
        px = back.load()
        key = px[0, 0]
        worst = max(max(abs(px[x, y][i] - key[i]) for i in range(3))
                    for y in range(H) for x in range(W) if (x, y) not in intended)
        if not (attached or stray or holes) and worst <= CUT_TOLERANCE - CUT_MARGIN:
            break
    return quality, back, kept, (attached, stray, holes), worst


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Draw Quorvel's skins as JPEG files.")
    parser.add_argument("--out", default=os.path.join(here, "..", "data"),
                        help="folder for the .jpg files (default: data/ of the repository)")
    parser.add_argument("--preview", help="also write a PNG showing the windows on each skin")
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    font = _font(11)
    label_font = _font(14, bold=True, mono=True)
    decoded = []
    failed = False
    for skin in SKINS:
        img, intended = render(skin)
        path = os.path.join(args.out, skin.name + ".jpg")
        quality, back, kept, (attached, stray, holes), worst = encode(img, intended, path)
        problems, contrast = check_layouts(back, intended, font, label_font)
        print(f"{skin.name}.jpg: quality {quality}, {os.path.getsize(path)} bytes, "
              f"key colour {back.getpixel((0, 0))}, outside pixels within {worst} of it; "
              f"{len(stray)} stray, {len(attached)} attached to the outline, {len(holes)} holes; "
              f"black text contrast >= {contrast:.1f}")
        for problem in problems:
            print("  " + problem)
        if stray or holes or attached or problems:
            failed = True
        decoded.append((skin, back, kept))
    if args.preview:
        write_preview(args.preview, decoded, font, label_font)
        print(f"preview: {args.preview}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
