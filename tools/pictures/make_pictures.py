#!/usr/bin/python3
"""Draws the program's own pictures: the seven clip-art frames (72 x 48 LEDs, white = lit),
the maker's logo, the splash picture and the photo gallery's renderings with "pic.txt".

Run from the repository's top folder:  tools/pictures/make_pictures.py
Needs python3-pil.  The output is committed; run again only to change the pictures.
"""
import math
import os

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PICTURES = os.path.join(ROOT, "resources", "pictures")
GALLERY = os.path.join(ROOT, "resources", "gifs_jpegs")
LED_FONTS = os.path.join(ROOT, "resources", "fonts")
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

AMBER = (255, 176, 0)
VELDO_RED = (150, 18, 24)


# ---------------------------------------------------------------- clip art (72 x 48 LEDs)

def clip_canvas():
    image = Image.new("1", (72, 48), 0)
    return image, ImageDraw.Draw(image)


def arrow(pointing_right):
    image, draw = clip_canvas()
    body = [(6, 18), (44, 18), (44, 6), (66, 24), (44, 42), (44, 30), (6, 30)]
    if not pointing_right:
        body = [(71 - x, y) for x, y in body]
    draw.polygon(body, fill=1)
    return image


def merge():
    # Lane merge: the right lane's arrow bends into the left one.
    image, draw = clip_canvas()
    draw.rectangle([20, 12, 25, 46], fill=1)
    draw.polygon([(14, 14), (22, 2), (31, 14)], fill=1)
    draw.line([(50, 46), (50, 30), (28, 16)], fill=1, width=6)
    draw.rectangle([46, 38, 53, 46], fill=1)
    return image


def warning():
    image, draw = clip_canvas()
    draw.polygon([(36, 2), (68, 45), (4, 45)], fill=1)
    draw.polygon([(36, 10), (60, 41), (12, 41)], fill=0)
    draw.rectangle([34, 17, 38, 32], fill=1)
    draw.rectangle([34, 35, 38, 38], fill=1)
    return image


def worker():
    # A road worker with a shovel beside a mound.
    image, draw = clip_canvas()
    draw.ellipse([28, 3, 36, 11], fill=1)
    draw.line([(32, 12), (30, 28)], fill=1, width=4)
    draw.line([(30, 28), (24, 42)], fill=1, width=4)
    draw.line([(30, 28), (37, 42)], fill=1, width=4)
    draw.line([(31, 16), (42, 24)], fill=1, width=3)
    draw.line([(31, 17), (22, 22)], fill=1, width=3)
    draw.line([(20, 14), (46, 34)], fill=1, width=2)
    draw.polygon([(44, 32), (52, 36), (48, 42)], fill=1)
    draw.pieslice([46, 36, 70, 60], 180, 360, fill=1)
    return image


def lane_closed():
    image, draw = clip_canvas()
    draw.line([(16, 4), (56, 44)], fill=1, width=7)
    draw.line([(56, 4), (16, 44)], fill=1, width=7)
    return image


def chevrons():
    image, draw = clip_canvas()
    for left in (4, 26, 48):
        draw.polygon([(left, 6), (left + 8, 6), (left + 20, 24), (left + 8, 42), (left, 42),
                      (left + 12, 24)], fill=1)
    return image


CLIP_ART = [arrow(False), arrow(True), merge(), warning(), worker(), lane_closed(), chevrons()]


def save_clip_art():
    for index, image in enumerate(CLIP_ART):
        image.convert("RGB").save(os.path.join(PICTURES, "clip%d.bmp" % index))


# ---------------------------------------------------------------- LED drawing helpers

def led_mask(text, columns, rows, size):
    """The text as lit LEDs of a columns x rows grid, centred; the font shrinks to fit."""
    mask = Image.new("1", (columns, rows), 0)
    draw = ImageDraw.Draw(mask)
    lines = text.split("\n")
    while True:
        font = ImageFont.truetype(FONT_BOLD, size)
        heights = [draw.textbbox((0, 0), line, font=font) for line in lines]
        total = sum(b[3] - b[1] for b in heights) + (len(lines) - 1) * 2
        widest = max(b[2] - b[0] for b in heights)
        if size <= 6 or (widest <= columns - 2 and total <= rows):
            break
        size -= 1
    y = (rows - total) // 2
    for line, box in zip(lines, heights):
        width = box[2] - box[0]
        draw.text(((columns - width) // 2 - box[0], y - box[1]), line, font=font, fill=1)
        y += box[3] - box[1] + 2
    return mask


def led_font(name):
    """The glyphs of one of the program's LED block fonts: code -> rows of dots, and the cell."""
    glyphs, cell, code, rows = {}, None, None, None
    with open(os.path.join(LED_FONTS, name), encoding="ascii") as source:
        for line in source:
            word = line.split()
            if not word:
                continue
            if word[0] == "FONTBOUNDINGBOX":
                cell = (int(word[1]), int(word[2]))
            elif word[0] == "ENCODING":
                code = int(word[1])
            elif word[0] == "BITMAP":
                rows = []
            elif word[0] == "ENDCHAR":
                glyphs[code], rows = rows, None
            elif rows is not None:
                bits = int(word[0], 16)
                width = len(word[0]) * 4
                rows.append([(bits >> (width - 1 - i)) & 1 for i in range(cell[0])])
    return glyphs, cell


def led_text(text, columns, rows, font_name):
    """The text as lit LEDs of a columns x rows grid, one dot per LED as the sign shows it:
    each character in its cell and a blank column and row after it, lines centred."""
    glyphs, (width, height) = led_font(font_name)
    mask = Image.new("1", (columns, rows), 0)
    pixels = mask.load()
    lines = text.split("\n")
    y = (rows - (height + 1) * len(lines) + 1) // 2
    for line in lines:
        x = (columns - (width + 1) * len(line) + 1) // 2
        for letter in line:
            for j, dots in enumerate(glyphs.get(ord(letter), [])):
                for i, dot in enumerate(dots):
                    if dot and 0 <= x + i < columns and 0 <= y + j < rows:
                        pixels[x + i, y + j] = 1
            x += width + 1
        y += height + 1
    return mask


def draw_led_face(draw, box, mask, lit=AMBER, unlit=(38, 30, 22), module=None):
    """Draws the mask as round LEDs filling box; module = (columns, rows) outlines modules."""
    left, top, right, bottom = box
    columns, rows = mask.size
    pitch = min((right - left) / columns, (bottom - top) / rows)
    x0 = left + ((right - left) - pitch * columns) / 2
    y0 = top + ((bottom - top) - pitch * rows) / 2
    radius = max(pitch * 0.36, 0.6)
    pixels = mask.load()
    for j in range(rows):
        for i in range(columns):
            cx = x0 + (i + 0.5) * pitch
            cy = y0 + (j + 0.5) * pitch
            colour = lit if pixels[i, j] else unlit
            draw.ellipse([cx - radius, cy - radius, cx + radius, cy + radius], fill=colour)
    if module:
        for i in range(0, columns + 1, module[0]):
            x = x0 + i * pitch
            draw.line([(x, y0), (x, y0 + rows * pitch)], fill=(10, 10, 10), width=1)
        for j in range(0, rows + 1, module[1]):
            y = y0 + j * pitch
            draw.line([(x0, y), (x0 + columns * pitch, y)], fill=(10, 10, 10), width=1)


def sky(image, top_colour, bottom_colour, horizon):
    draw = ImageDraw.Draw(image)
    for y in range(horizon):
        t = y / max(horizon - 1, 1)
        colour = tuple(int(a + (b - a) * t) for a, b in zip(top_colour, bottom_colour))
        draw.line([(0, y), (image.width, y)], fill=colour)


def road(image, horizon, asphalt=(70, 70, 74), grass=(86, 120, 60), lanes=2):
    draw = ImageDraw.Draw(image)
    w, h = image.size
    draw.rectangle([0, horizon, w, h], fill=grass)
    vanish = w * 0.5
    draw.polygon([(vanish - 6, horizon), (vanish + 6, horizon), (w * 0.98, h), (w * 0.02, h)],
                 fill=asphalt)
    for k in range(1, lanes):
        x_bottom = w * 0.02 + (w * 0.96) * k / lanes
        for s in range(0, 12):
            t0, t1 = s / 12, (s + 0.5) / 12
            y0 = horizon + (h - horizon) * t0 ** 1.6
            y1 = horizon + (h - horizon) * t1 ** 1.6
            xa = vanish + (x_bottom - vanish) * (y0 - horizon) / (h - horizon)
            xb = vanish + (x_bottom - vanish) * (y1 - horizon) / (h - horizon)
            draw.line([(xa, y0), (xb, y1)], fill=(235, 235, 235), width=max(1, int(3 * t1)))


# ---------------------------------------------------------------- gallery renderings

def trailer_sign(size, caption_text):
    image = Image.new("RGB", size)
    w, h = size
    sky(image, (110, 160, 215), (205, 225, 240), int(h * 0.45))
    road(image, int(h * 0.45))
    draw = ImageDraw.Draw(image)
    # Trailer, mast and sign board.
    draw.rectangle([w * 0.62, h * 0.80, w * 0.86, h * 0.86], fill=(235, 150, 20))
    for x in (0.65, 0.83):
        draw.ellipse([w * x - 12, h * 0.84, w * x + 12, h * 0.90], fill=(25, 25, 25))
    draw.rectangle([w * 0.735, h * 0.45, w * 0.745, h * 0.80], fill=(120, 120, 120))
    board = [w * 0.54, h * 0.16, w * 0.94, h * 0.48]
    draw.rectangle(board, fill=(18, 18, 18), outline=(90, 90, 90), width=3)
    draw_led_face(draw, [board[0] + 8, board[1] + 8, board[2] - 8, board[3] - 8],
                  led_mask(caption_text, 64, 27, 11))
    return image


def gantry_sign(size):
    image = Image.new("RGB", size)
    w, h = size
    sky(image, (60, 110, 180), (180, 205, 230), int(h * 0.5))
    road(image, int(h * 0.5), lanes=3)
    draw = ImageDraw.Draw(image)
    draw.rectangle([w * 0.04, h * 0.12, w * 0.07, h * 0.95], fill=(150, 150, 155))
    draw.rectangle([w * 0.93, h * 0.12, w * 0.96, h * 0.95], fill=(150, 150, 155))
    draw.rectangle([w * 0.04, h * 0.12, w * 0.96, h * 0.16], fill=(150, 150, 155))
    board = [w * 0.16, h * 0.17, w * 0.84, h * 0.43]
    draw.rectangle(board, fill=(15, 15, 15), outline=(100, 100, 100), width=3)
    draw_led_face(draw, [board[0] + 6, board[1] + 6, board[2] - 6, board[3] - 6],
                  led_text("ACCIDENT AHEAD\nUSE RIGHT LANE", 96, 24, "veldo-5x10.bdf"))
    return image


def night_closure(size):
    image = Image.new("RGB", size)
    w, h = size
    sky(image, (8, 10, 30), (30, 35, 70), int(h * 0.5))
    road(image, int(h * 0.5), asphalt=(35, 35, 40), grass=(20, 30, 20))
    draw = ImageDraw.Draw(image)
    for k in range(6):
        x = w * (0.18 + 0.11 * k)
        y = h * (0.95 - 0.07 * k)
        s = 16 - 2 * k
        draw.polygon([(x, y - 2.2 * s), (x + s * 0.6, y), (x - s * 0.6, y)], fill=(240, 110, 20))
    board = [w * 0.50, h * 0.14, w * 0.92, h * 0.46]
    glow = Image.new("RGB", size, (0, 0, 0))
    ImageDraw.Draw(glow).rectangle(board, fill=(90, 60, 0))
    image.paste(Image.blend(image, glow.filter(ImageFilter.GaussianBlur(18)), 0.45))
    draw = ImageDraw.Draw(image)
    draw.rectangle(board, fill=(10, 10, 10), outline=(60, 60, 60), width=3)
    draw_led_face(draw, [board[0] + 8, board[1] + 8, board[2] - 8, board[3] - 8],
                  led_mask("LEFT LANE\nCLOSED", 60, 24, 10))
    return image


def segmented_sign(size):
    image = Image.new("RGB", size, (222, 226, 230))
    w, h = size
    draw = ImageDraw.Draw(image)
    draw.rectangle([0, h * 0.72, w, h], fill=(120, 122, 126))
    draw.rectangle([w * 0.47, h * 0.5, w * 0.53, h * 0.72], fill=(90, 90, 95))
    board = [w * 0.06, h * 0.2, w * 0.94, h * 0.52]
    draw.rectangle(board, fill=(15, 15, 15), outline=(70, 70, 70), width=4)
    text = "SLOW"
    cell = (board[2] - board[0] - 20) / len(text)
    for k, letter in enumerate(text):
        left = board[0] + 10 + k * cell
        draw_led_face(draw, [left + 4, board[1] + 10, left + cell - 4, board[3] - 10],
                      led_mask(letter, 11, 14, 15), module=(11, 14))
    return image


def vertical_sign(size):
    image = Image.new("RGB", size, (64, 64, 70))
    w, h = size
    draw = ImageDraw.Draw(image)
    for y in range(0, h, 60):
        draw.line([(0, y), (w, y + 30)], fill=(80, 80, 86), width=3)
    board = [w * 0.28, h * 0.08, w * 0.72, h * 0.92]
    draw.rectangle(board, fill=(12, 12, 12), outline=(120, 120, 120), width=4)
    draw_led_face(draw, [board[0] + 8, board[1] + 8, board[2] - 8, board[3] - 8],
                  led_mask("P\nA\nR\nK", 16, 48, 11))
    return image


GALLERY_PHOTOS = [
    ("A portable ZOMEL sign on its trailer warns of road work ahead", (640, 426),
     lambda size: trailer_sign(size, "ROAD WORK\nAHEAD")),
    ("A full-matrix sign on a highway gantry", (640, 400), gantry_sign),
    ("Lane closure at night: the LEDs stay readable in the dark", (600, 400), night_closure),
    ("Character segmented: one character on each module", (500, 500), segmented_sign),
    ("Vertical modules at a parking garage entrance", (400, 600), vertical_sign),
]


def save_gallery():
    os.makedirs(GALLERY, exist_ok=True)
    lines = [str(len(GALLERY_PHOTOS))]
    for n, (caption, size, draw) in enumerate(GALLERY_PHOTOS, start=1):
        draw(size).save(os.path.join(GALLERY, "t_%d.jpg" % n), quality=88)
        lines.append("%s/%d/%d" % (caption, size[0], size[1]))
    with open(os.path.join(GALLERY, "pic.txt"), "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


# ---------------------------------------------------------------- logo and splash

LOGO_BOX = [2, 2, 237, 93]


def logo():
    image = Image.new("RGB", (240, 96), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle(LOGO_BOX, radius=14, fill=VELDO_RED)
    font = ImageFont.truetype(FONT_BOLD, 46)
    box = draw.textbbox((0, 0), "VELDO", font=font)
    draw.text(((240 - (box[2] - box[0])) // 2 - box[0], 10 - box[1] + 4), "VELDO", font=font,
              fill=(255, 255, 255))
    for k in range(19):
        x = 24 + k * 10.6
        draw.ellipse([x - 3, 74, x + 3, 80], fill=AMBER)
    return image


def transparent_logo():
    """The logo as a GIF whose colour outside the rounded box is transparent, so that the
    window's own colour shows around it."""
    shape = Image.new("1", (240, 96), 0)
    ImageDraw.Draw(shape).rounded_rectangle(LOGO_BOX, radius=14, fill=1)
    image = logo().quantize(colors=255, dither=Image.Dither.NONE)
    clear = 255
    image.paste(clear, mask=Image.eval(shape.convert("L"), lambda v: 255 - v))
    return image, clear


def splash():
    image = Image.new("RGB", (160, 160), (235, 238, 242))
    draw = ImageDraw.Draw(image)
    draw.rectangle([77, 80, 83, 156], fill=(120, 120, 125))
    draw.rectangle([10, 22, 150, 86], fill=(16, 16, 16), outline=(90, 90, 90), width=3)
    draw_led_face(draw, [16, 28, 144, 80], led_mask("ZOMEL", 40, 13, 11), module=(8, 13))
    font = ImageFont.truetype(FONT, 10)
    draw.text((12, 6), "LED message signs", font=font, fill=VELDO_RED)
    return image


def main():
    os.makedirs(PICTURES, exist_ok=True)
    save_clip_art()
    image, clear = transparent_logo()
    image.save(os.path.join(PICTURES, "logo.gif"), transparency=clear)
    splash().save(os.path.join(PICTURES, "splash.bmp"))
    save_gallery()


if __name__ == "__main__":
    main()
