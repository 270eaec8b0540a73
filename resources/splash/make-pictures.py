#!/usr/bin/env python3
"""Draws the splash logo (1576 x 832 colour JPEG) and the about box icon
(32 x 32, 16 colours) with ImageMagick. Run it again after changing the
drawing; the program embeds the files it writes, not this script."""
import math
import subprocess
from pathlib import Path

here = Path(__file__).resolve().parent
W, H = 1576, 832


def bell(x, centre, half_width):
    """A spread pattern: full in the middle, falling off smoothly to nothing."""
    t = (x - centre) / half_width
    return math.cos(t * math.pi / 2) ** 2 if abs(t) < 1 else 0.0


def splash():
    left, right, base, top = 238, 1338, 470, 150
    span = right - left
    centre = left + span / 2
    half = span / 2

    def y_of(v):
        return base - v * (base - top)

    xs = range(left, right + 1, 4)
    scale = 0.8
    shift = span * 0.56
    main = [(x, y_of(scale * bell(x, centre, half))) for x in xs]
    neighbours = [[(x, y_of(scale * bell(x, centre + d, half))) for x in xs]
                  for d in (-shift, shift)]
    total = [(x, y_of(scale * (bell(x, centre, half) + bell(x, centre - shift, half)
                               + bell(x, centre + shift, half)))) for x in xs]

    def poly(points):
        # ImageMagick closes every stroked outline; running back over the same
        # points makes the closing segment vanish.
        there_and_back = list(points) + list(reversed(points))[1:]
        return "path 'M " + " L ".join(f"{x:.1f},{y:.1f}" for x, y in there_and_back) + "'"

    draw = [
        "-fill", "none", "-stroke", "#8a8f98", "-strokewidth", "6",
        "-draw", f"line {left - 20},{base} {right + 20},{base}",
        "-stroke", "#1f9a48", "-strokewidth", "8",
        "-draw", poly(neighbours[0]),
        "-draw", poly(neighbours[1]),
        "-stroke", "#1d4fb8", "-strokewidth", "12",
        "-draw", poly(main),
        "-stroke", "#c8231e", "-strokewidth", "10",
        "-draw", poly(total),
        "-stroke", "none", "-fill", "#1d4fb8",
    ]
    for i in range(26):
        x = left + 20 + i * (span - 40) / 25
        draw += ["-draw", f"rectangle {x - 11:.0f},{base + 18} {x + 11:.0f},{base + 40}"]
    font = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
    plain = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
    draw += [
        "-fill", "#17304f", "-font", font, "-pointsize", "150",
        "-gravity", "north", "-annotate", "+0+540", "Kaldoventri",
        "-fill", "#5a6473", "-font", plain, "-pointsize", "46",
        "-annotate", "+0+735", "Utvärdering av spridarprov",
    ]
    out = here / "kaldoventri-splash.jpg"
    subprocess.run(["convert", "-size", f"{W}x{H}", "xc:white", *draw,
                    "-type", "TrueColor", "-sampling-factor", "2x2", "-quality", "90",
                    f"jpg:{out}"], check=True)


def icon():
    # Drawn large and reduced, then held to a 16-colour palette.
    out = here / "kaldoventri-icon.png"
    s = 256
    draw = [
        "-fill", "#1d4fb8", "-stroke", "none",
        "-draw", "roundrectangle 8,8 248,248 36,36",
        "-fill", "white",
        "-draw", "rectangle 36,186 220,196",
        "-fill", "none", "-stroke", "#8fd18f", "-strokewidth", "14",
        "-draw", "bezier 40,180 90,180 100,60 128,60",
        "-draw", "bezier 128,60 156,60 166,180 216,180",
        "-stroke", "#ffd24a", "-strokewidth", "14",
        "-draw", "line 40,110 216,110",
    ]
    subprocess.run(["convert", "-size", f"{s}x{s}", "xc:none", *draw,
                    "-resize", "32x32", "-colors", "16", "-type", "PaletteAlpha",
                    f"png8:{out}"], check=True)


if __name__ == "__main__":
    splash()
    icon()
