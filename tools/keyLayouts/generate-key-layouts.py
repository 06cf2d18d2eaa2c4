#!/usr/bin/env python3
"""Writes the key-layout description "KeyInfo_<model>.config" of every model
of the catalogue (sdk/models/models.json) into resources/images/configDir/,
and the on-screen keyboard's description "softKeyInfoNormalUS.config".

Layouts are authored here per layout number in key units (1 u = one
alphanumeric key pitch); each model's unit size in pixels follows from its
picture, so every description lists real key positions and sizes on the
model's picture. Run it again after adding a model or changing a layout:

    tools/keyLayouts/generate-key-layouts.py

The grid place of a key (grid row, place in its row array) is part of the
format: lighting and the magnetic-switch masks address keys by it and the
on-board key map is sent in that order, so never reorder keys within a row.
"""

import json
import math
import os
import sys

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
CATALOGUE = os.path.join(TOP, "sdk", "models", "models.json")
OUT_DIR = os.path.join(TOP, "resources", "images", "configDir")

GRID_ROWS = 6
GRID_COLUMNS = 22
CAP_GAP = 4            # pixels between neighbouring caps
CASE_MARGIN = 0.3      # case border around the keys, in units
MAX_PICTURE = (750, 250)
MAX_UNIT = 40
# The notched Enter's inner corner sits 10 px right of the cap's left edge and
# one row (unit - gap) below its top, so notched models keep the unit the
# cap's notch was drawn for: 30 px rows normally, 35 px for the deep notch.
NOTCH_UNIT = {False: 34, True: 39}

# name: (label, HID usage, Windows virtual-key code). The stored labels of the
# backslash and quote keys follow the label rule of the readers: "\"|" reads
# as "\|" and a lone quote as "\" (which the readers relabel).
KEYS = {
    "Esc": ("Esc", 41, 27), "Grave": ("`", 53, 192),
    "1": ("1", 30, 49), "2": ("2", 31, 50), "3": ("3", 32, 51), "4": ("4", 33, 52), "5": ("5", 34, 53),
    "6": ("6", 35, 54), "7": ("7", 36, 55), "8": ("8", 37, 56), "9": ("9", 38, 57), "0": ("0", 39, 48),
    "Minus": ("-", 45, 189), "Equal": ("=", 46, 187), "Bksp": ("Backspace", 42, 8),
    "Tab": ("Tab", 43, 9), "LBracket": ("[", 47, 219), "RBracket": ("]", 48, 221),
    "Backslash": ("\"|", 49, 220), "Caps": ("Caps", 57, 20), "Semicolon": (";", 51, 186),
    "Quote": ("\"", 52, 222), "Enter": ("Enter", 40, 999), "NonUsHash": ("#", 50, 222),
    "NonUsBackslash": ("\"|", 100, 226),
    "LShift": ("Shift", 225, 160), "Comma": (",", 54, 188), "Period": (".", 55, 190),
    "Slash": ("/", 56, 191), "RShift": ("Shift", 229, 161),
    "LCtrl": ("Ctrl", 224, 162), "LWin": ("Win", 227, 91), "LAlt": ("Alt", 226, 164), "RWin": ("Win", 231, 92),
    "Space": ("Space", 44, 32), "RAlt": ("Alt", 230, 165), "Fn": ("Fn", -10, -1),
    "Menu": ("Menu", 101, 93), "RCtrl": ("Ctrl", 228, 163),
    "PrtSc": ("PrtSc", 70, 44), "ScrLk": ("ScrLk", 71, 145), "Pause": ("Pause", 72, 19),
    "Ins": ("Ins", 73, 45), "Home": ("Home", 74, 36), "PgUp": ("PgUp", 75, 33),
    "Del": ("Del", 76, 46), "End": ("End", 77, 35), "PgDn": ("PgDn", 78, 34),
    "Right": ("→", 79, 39), "Left": ("←", 80, 37), "Down": ("↓", 81, 40), "Up": ("↑", 82, 38),
    "NumLk": ("Num", 83, 144), "KpSlash": ("/", 84, 111), "KpStar": ("*", 85, 106),
    "KpMinus": ("-", 86, 109), "KpPlus": ("+", 87, 107), "KpEnter": ("Enter", 88, 998),
    "Kp1": ("1", 89, 97), "Kp2": ("2", 90, 98), "Kp3": ("3", 91, 99), "Kp4": ("4", 92, 100),
    "Kp5": ("5", 93, 101), "Kp6": ("6", 94, 102), "Kp7": ("7", 95, 103), "Kp8": ("8", 96, 104),
    "Kp9": ("9", 97, 105), "Kp0": ("0", 98, 96), "KpDot": (".", 99, 110),
}
for i in range(26):
    KEYS[chr(65 + i)] = (chr(65 + i), 4 + i, 65 + i)
for i in range(12):
    KEYS["F%d" % (i + 1)] = ("F%d" % (i + 1), 58 + i, 112 + i)

# Row07: the international and input-method keys every description lists
# after the grid; no reader of the picture uses them.
ROW07 = [("¥", 137, 981), ("#", 50, 222), ("\"|", 100, 226), ("ろ", 135, 984), ("無変換", 139, 986),
         ("한자", 145, 2350), ("한/영", 144, 2360), ("変換", 138, 987), ("かな", 136, 988)]


def seq(y, names, x=0.0):
    """Keys side by side from x; a name may carry a width ("Tab:1.5") and
    ">x" jumps to an absolute position."""
    keys = []
    for token in names.split():
        if token.startswith(">"):
            x = float(token[1:])
            continue
        name, _, width = token.partition(":")
        height = 1.0
        if "x" in width:
            width, height = width.split("x")
            height = float(height)
        width = float(width) if width else 1.0
        keys.append((name, x, y, width, height))
        x += width
    return keys


ALPHA2 = "Tab:1.5 Q W E R T Y U I O P LBracket RBracket"
ALPHA3 = "Caps:1.75 A S D F G H J K L Semicolon Quote"
ALPHA4 = "Z X C V B N M Comma Period Slash"
NUM_ROW = "Grave 1 2 3 4 5 6 7 8 9 0 Minus Equal Bksp:2"


def layout_61():
    return [[],
            seq(0, "Esc 1 2 3 4 5 6 7 8 9 0 Minus Equal Bksp:2"),
            seq(1, ALPHA2 + " Backslash:1.5"),
            seq(2, ALPHA3 + " Enter:2.25"),
            seq(3, "LShift:2.25 " + ALPHA4 + " RShift:2.75"),
            seq(4, "LCtrl:1.25 LWin:1.25 LAlt:1.25 Space:6.25 RAlt:1.25 Fn:1.25 Menu:1.25 RCtrl:1.25")]


def layout_68():
    return [[],
            seq(0, "Esc 1 2 3 4 5 6 7 8 9 0 Minus Equal Bksp:2 Grave"),
            seq(1, ALPHA2 + " Backslash:1.5 Del"),
            seq(2, ALPHA3 + " Enter:2.25 PgUp"),
            seq(3, "LShift:2.25 " + ALPHA4 + " RShift:1.75 Up PgDn"),
            seq(4, "LCtrl:1.25 LWin:1.25 LAlt:1.25 Space:6.25 RAlt Fn RCtrl Left Down Right")]


def layout_75(keys, iso):
    f_row = ("Esc >1.25 F1 F2 F3 F4 >5.5 F5 F6 F7 F8 >9.75 F9 F10 F11 F12 >15 Del" if keys == 82
             else "Esc F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 PrtSc Ins Del")
    if iso:
        rows23 = [seq(2, ALPHA2 + " Enter:1.5x2 PgUp"),
                  seq(3, ALPHA3 + " NonUsHash >15 PgDn"),
                  seq(4, "LShift:1.25 NonUsBackslash " + ALPHA4 + " RShift:1.75 Up End")]
    else:
        rows23 = [seq(2, ALPHA2 + " Backslash:1.5 PgUp"),
                  seq(3, ALPHA3 + " Enter:2.25 PgDn"),
                  seq(4, "LShift:2.25 " + ALPHA4 + " RShift:1.75 Up End")]
    return [seq(0, f_row), seq(1, NUM_ROW + " Home")] + rows23 + [
        seq(5, "LCtrl:1.25 LWin:1.25 LAlt:1.25 Space:6.25 RAlt Fn RCtrl Left Down Right")]


def layout_98():
    return [seq(0, "Esc >1.25 F1 F2 F3 F4 >5.5 F5 F6 F7 F8 >9.75 F9 F10 F11 F12 >16.5 Ins Del PgUp PgDn"),
            seq(1, NUM_ROW + " >16.5 NumLk KpSlash KpStar KpMinus"),
            seq(2, ALPHA2 + " Backslash:1.5 >16.5 Kp7 Kp8 Kp9 KpPlus:1x2"),
            seq(3, ALPHA3 + " Enter:2.25 >16.5 Kp4 Kp5 Kp6"),
            seq(4, "LShift:2.25 " + ALPHA4 + " RShift:1.75 >14.25 Up >16.5 Kp1 Kp2 Kp3 KpEnter:1x2"),
            seq(5, "LCtrl:1.25 LWin:1.25 LAlt:1.25 Space:6.25 RAlt Fn RCtrl >13.25 Left Down Right"
                   " >16.5 Kp0:2 KpDot")]


def layout_104():
    gap = 1.25
    return [seq(0, "Esc >2 F1 F2 F3 F4 >6.5 F5 F6 F7 F8 >11 F9 F10 F11 F12 >15.25 PrtSc ScrLk Pause"),
            seq(gap + 0, NUM_ROW + " >15.25 Ins Home PgUp >18.5 NumLk KpSlash KpStar KpMinus"),
            seq(gap + 1, ALPHA2 + " Backslash:1.5 >15.25 Del End PgDn >18.5 Kp7 Kp8 Kp9 KpPlus:1x2"),
            seq(gap + 2, ALPHA3 + " Enter:2.25 >18.5 Kp4 Kp5 Kp6"),
            seq(gap + 3, "LShift:2.25 " + ALPHA4 + " RShift:2.75 >16.25 Up >18.5 Kp1 Kp2 Kp3 KpEnter:1x2"),
            seq(gap + 4, "LCtrl:1.25 LWin:1.25 LAlt:1.25 Space:6.25 RAlt:1.25 Fn:1.25 Menu:1.25 RCtrl:1.25"
                         " >15.25 Left Down Right >18.5 Kp0:2 KpDot")]


def grid_for(layout_number, iso):
    if layout_number == 61:
        return layout_61()
    if layout_number == 68:
        return layout_68()
    if layout_number in (82, 84):
        return layout_75(layout_number, iso)
    if layout_number == 98:
        return layout_98()
    if layout_number == 104:
        return layout_104()
    raise SystemExit("no layout for layout number %d" % layout_number)


# Models drawn with the ISO notched Enter (and the extra ISO keys).
ISO_MODELS = {"OV84", "OV84W"}


def extent(grid):
    width = max(k[1] + k[3] for row in grid for k in row)
    height = max(k[2] + k[4] for row in grid for k in row)
    return width, height


def side_leds(count, picture_w, picture_h):
    """Side LEDs along the frame around the picture, clockwise from the
    bottom of the left edge; each edge gets a share by its length."""
    perimeter = 2 * (picture_w + picture_h)
    horizontal = round(count * picture_w / perimeter)
    vertical = (count - 2 * horizontal) // 2
    bottom = count - 2 * vertical - horizontal
    edges = [(1, vertical), (3, horizontal), (2, vertical), (4, bottom)]
    leds = []
    for side, n in edges:
        length = picture_h if side in (1, 2) else picture_w
        for i in range(n):
            start = round(length * i / n)
            end = round(length * (i + 1) / n)
            if side == 1:        # left, upwards
                rect = (-10, picture_h - end, 10, end - start)
            elif side == 3:      # top, rightwards
                rect = (start, -10, end - start, 10)
            elif side == 2:      # right, downwards
                rect = (picture_w, start, 10, end - start)
            else:                # bottom, leftwards
                rect = (picture_w - end, picture_h, end - start, 10)
            leds.append((rect, side))
    return leds


def key_entry(key, unit, origin):
    name, x, y, w, h = key
    label, dec, qt = KEYS[name]
    left = round(origin[0] + x * unit + CAP_GAP / 2)
    top = round(origin[1] + y * unit + CAP_GAP / 2)
    right = round(origin[0] + (x + w) * unit - CAP_GAP / 2)
    bottom = round(origin[1] + (y + h) * unit - CAP_GAP / 2)
    return [("PosX", left), ("PosY", top), ("Width", right - left), ("Height", bottom - top),
            ("Dec", dec), ("qtDec", qt), ("Character", label)]


EMPTY_KEY = [("PosX", -1), ("PosY", -1), ("Width", 0), ("Height", 0), ("Dec", 0), ("qtDec", 0), ("Character", "-")]


def dump_object(fields, indent):
    tab = "\t" * indent
    inner = ",\r\n".join("%s\t%s:\t%s" % (tab, json.dumps(k), json.dumps(v, ensure_ascii=False)) for k, v in fields)
    return "%s{\r\n%s\r\n%s}" % (tab, inner, tab)


def describe(model):
    number = model["layoutNumber"]
    iso = model["code"] in ISO_MODELS
    grid = grid_for(number, iso)
    assert len(grid) == GRID_ROWS
    width_u, height_u = extent(grid)
    if iso:
        unit = NOTCH_UNIT[bool(model.get("deepEnterNotch"))]
    else:
        unit = min(MAX_PICTURE[0] / (width_u + 2 * CASE_MARGIN),
                   MAX_PICTURE[1] / (height_u + 2 * CASE_MARGIN), MAX_UNIT)
    unit = math.floor(unit * 4) / 4
    picture_w = round((width_u + 2 * CASE_MARGIN) * unit)
    picture_h = round((height_u + 2 * CASE_MARGIN) * unit)
    origin = (CASE_MARGIN * unit, CASE_MARGIN * unit)

    sides = model.get("sideLightCount", 0)
    header = [("KeyboardIntroduction", "%dKey" % number), ("sideLightHave", 1 if sides else 0),
              ("supportOnboard", 1), ("specialEnterKey", 1 if iso else 0), ("showOnboardSelect", 0),
              ("specialEnterKeyShape", 1 if iso else 0), ("sideLightNum", sides),
              ("hidDeviceType", model["layoutDeviceType"]), ("flag", "true"),
              ("pictureWidth", picture_w), ("pictureHeight", picture_h)]
    parts = ["\t\"Keyboard\":\t" + dump_object(header, 1).lstrip("\t")]

    def dump_row(row_number, objects):
        body = ",\r\n".join(dump_object(o, 2) for o in objects)
        return "\t\"EveryKeyInfo_Row%02d\":\t[%s]" % (row_number, ("\r\n" + body + "\r\n\t") if objects else "")

    if sides:
        leds = []
        for index, ((x, y, w, h), side) in enumerate(side_leds(sides, picture_w, picture_h), start=1):
            leds.append([("PosX", x), ("PosY", y), ("Width", w), ("Height", h), ("Index", index),
                         ("validStatus", 1), ("SidePosition", side), ("Mark", "0x%02d" % index)])
        parts.append(dump_row(0, leds))
    count = 0
    for r, keys in enumerate(grid):
        if len(keys) > GRID_COLUMNS:
            raise SystemExit("%s: grid row %d has %d keys" % (model["code"], r, len(keys)))
        entries = [key_entry(k, unit, origin) for k in keys]
        count += len(entries)
        entries += [EMPTY_KEY] * (GRID_COLUMNS - len(entries))
        parts.append(dump_row(r + 1, entries))
    parts.append(dump_row(7, [[("PosX", -1), ("PosY", -1), ("Width", 0), ("Height", 0), ("Dec", d),
                               ("qtDec", q), ("Character", c)] for c, d, q in ROW07]))
    text = "{\r\n" + ",\r\n".join(parts) + "\r\n}\r\n"
    return text, count


# The on-screen keyboard: a full US keyboard with the international keys
# placed where their keyboards have them, on a 1000 x 245 page without
# margin. Its "qtDec" codes are those the key hook reports for the same
# positions, so a key clicked and the same key pressed name one usage.
SOFT_KEYBOARD_FILE = "softKeyInfoNormalUS.config"
SOFT_UNIT = (44, 39)
SOFT_ORIGIN = (5, 0)
SOFT_GAP = 3
SOFT_KEYS = dict(KEYS)
# Backspace is one unit wide here, beside the yen key.
SOFT_KEYS.update({"Bksp": ("Back", 42, 8), "Yen": ("¥", 137, 981), "Ro": ("ろ", 135, 984), "Muhenkan": ("無変換", 139, 986),
                  "Hanja": ("한자", 145, 2350), "HanYeong": ("한/영", 144, 2360), "Henkan": ("変換", 138, 987),
                  "Kana": ("かな", 136, 988)})


def soft_keyboard_layout():
    return [seq(0, "Esc >2 F1 F2 F3 F4 >6.5 F5 F6 F7 F8 >11 F9 F10 F11 F12 >15.25 PrtSc ScrLk Pause"),
            seq(1.25, "Grave 1 2 3 4 5 6 7 8 9 0 Minus Equal Yen Bksp"
                      " >15.25 Ins Home PgUp >18.5 NumLk KpSlash KpStar KpMinus"),
            seq(2.25, ALPHA2 + " Backslash:1.5 >15.25 Del End PgDn >18.5 Kp7 Kp8 Kp9 KpPlus:1x2"),
            seq(3.25, ALPHA3 + " Enter:2.25 >18.5 Kp4 Kp5 Kp6"),
            seq(4.25, "LShift:1.25 NonUsBackslash " + ALPHA4 + " Ro RShift:1.75 >16.25 Up"
                      " >18.5 Kp1 Kp2 Kp3 KpEnter:1x2"),
            seq(5.25, "LCtrl LWin LAlt Muhenkan Hanja:1.5 Space:1.75 HanYeong:1.75 Henkan Kana RAlt RWin Menu RCtrl"
                      " >15.25 Left Down Right >18.5 Kp0:2 KpDot")]


def soft_key_entry(key):
    name, x, y, w, h = key
    label, dec, qt = SOFT_KEYS[name]
    left = round(SOFT_ORIGIN[0] + x * SOFT_UNIT[0] + SOFT_GAP / 2)
    top = round(SOFT_ORIGIN[1] + y * SOFT_UNIT[1] + SOFT_GAP / 2)
    right = round(SOFT_ORIGIN[0] + (x + w) * SOFT_UNIT[0] - SOFT_GAP / 2)
    bottom = round(SOFT_ORIGIN[1] + (y + h) * SOFT_UNIT[1] - SOFT_GAP / 2)
    return [("PosX", left), ("PosY", top), ("Width", right - left), ("Height", bottom - top),
            ("Dec", dec), ("qtDec", qt), ("Character", label)]


def describe_soft_keyboard():
    rows = [[soft_key_entry(k) for k in keys] for keys in soft_keyboard_layout()]
    entries = [e for row in rows for e in row]
    for field in ("Dec", "qtDec"):
        codes = [dict(e)[field] for e in entries]
        if len(set(codes)) != len(codes):
            raise SystemExit("%s: a %s code is given twice" % (SOFT_KEYBOARD_FILE, field))
    for row in rows:
        for left, right in zip(row, row[1:]):
            if dict(left)["PosY"] == dict(right)["PosY"] and dict(left)["PosX"] + dict(left)["Width"] > dict(right)["PosX"]:
                raise SystemExit("%s: key %d runs into key %d" % (SOFT_KEYBOARD_FILE, dict(left)["Dec"], dict(right)["Dec"]))
    for e in entries:
        f = dict(e)
        if f["PosX"] < 0 or f["PosY"] < 0 or f["PosX"] + f["Width"] > 1000 or f["PosY"] + f["Height"] > 245:
            raise SystemExit("%s: key %d lies outside the page" % (SOFT_KEYBOARD_FILE, f["Dec"]))
    parts = []
    for r, row in enumerate(rows):
        if not 16 <= len(row) <= GRID_COLUMNS:
            raise SystemExit("%s: row %d has %d keys" % (SOFT_KEYBOARD_FILE, r + 1, len(row)))
        body = ",\r\n".join(dump_object(o, 2) for o in row)
        parts.append("\t\"EveryKeyInfo_Row%02d\":\t[\r\n%s\r\n\t]" % (r + 1, body))
    return "{\r\n" + ",\r\n".join(parts) + "\r\n}\r\n", len(entries)


def main():
    catalogue = sys.argv[1] if len(sys.argv) > 1 else CATALOGUE
    with open(catalogue, encoding="utf-8") as f:
        models = json.load(f)["models"]
    os.makedirs(OUT_DIR, exist_ok=True)
    for model in models:
        text, count = describe(model)
        path = os.path.join(OUT_DIR, "KeyInfo_%s.config" % model["code"])
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        print("%s: layout %d, %d keys" % (os.path.basename(path), model["layoutNumber"], count))
    text, count = describe_soft_keyboard()
    with open(os.path.join(OUT_DIR, SOFT_KEYBOARD_FILE), "w", encoding="utf-8", newline="") as f:
        f.write(text)
    print("%s: %d keys" % (SOFT_KEYBOARD_FILE, count))


if __name__ == "__main__":
    main()
