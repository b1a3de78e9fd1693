#!/usr/bin/env python3
"""Writes the two Brundholt logo sources (brundholt2.svg, brundholt4.svg).

464 x 260 pictures on the window colour rgb(3, 0, 51): a round badge with the
engine's cylinder layout (a V-twin or an inline four) between two speed
wings, the BRUNDHOLT wordmark and a red plate naming the engine type. The
wordmark letters are placed one by one, as SVG Tiny has no letter spacing.
The background fades to exactly the window colour at the picture's edges,
so the logo blends into the window when it is scaled into its label.

usage: gen_logos.py <output folder>
"""

import math
import os
import sys

W, H = 464, 260
FONT = "DejaVu Sans, Arial, Helvetica, sans-serif"
BADGE_X, BADGE_Y, BADGE_R = 232.0, 70.0, 48.0


def f(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


DEFS = """<defs>
  <radialGradient id="bg" cx="0.5" cy="0.47" r="0.5">
    <stop offset="0" stop-color="#141062"/>
    <stop offset="0.6" stop-color="#080542"/>
    <stop offset="0.97" stop-color="#030033"/>
    <stop offset="1" stop-color="#030033"/>
  </radialGradient>
  <linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#fff1b0"/>
    <stop offset="0.45" stop-color="#e0b23a"/>
    <stop offset="0.55" stop-color="#b07d12"/>
    <stop offset="1" stop-color="#f2cf62"/>
  </linearGradient>
  <linearGradient id="chrome" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#ffffff"/>
    <stop offset="0.48" stop-color="#d9dee8"/>
    <stop offset="0.52" stop-color="#8f97a8"/>
    <stop offset="1" stop-color="#e9edf4"/>
  </linearGradient>
  <radialGradient id="badge" gradientUnits="userSpaceOnUse" cx="232" cy="56" r="52">
    <stop offset="0" stop-color="#2a2f3c"/>
    <stop offset="1" stop-color="#07080c"/>
  </radialGradient>
  <linearGradient id="plate" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#ff4a36"/>
    <stop offset="0.5" stop-color="#d4160c"/>
    <stop offset="1" stop-color="#8e0a04"/>
  </linearGradient>
  <linearGradient id="wingL" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#c9ced8" stop-opacity="0"/>
    <stop offset="1" stop-color="#eef1f6"/>
  </linearGradient>
  <linearGradient id="wingR" x1="1" y1="0" x2="0" y2="0">
    <stop offset="0" stop-color="#c9ced8" stop-opacity="0"/>
    <stop offset="1" stop-color="#eef1f6"/>
  </linearGradient>
</defs>
"""


def wings():
    """Three tapered speed bars on each side of the badge."""
    out = []
    bars = [(-16.0, 96.0, 7.0), (-2.0, 80.0, 7.0), (12.0, 64.0, 7.0)]
    for dy, length, h in bars:
        y = BADGE_Y + dy
        inner = BADGE_R + 6.0
        # left: from far left (thin) to the badge (full height), slanted
        x1 = BADGE_X - inner
        x0 = x1 - length
        out.append('<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="url(#wingL)"/>\n' % (
            f(x0), f(y + h * 0.5), f(x1 - 4), f(y - h * 0.5), f(x1), f(y - h * 0.5), f(x1 - 4), f(y + h * 0.5)))
        x1 = BADGE_X + inner
        x0 = x1 + length
        out.append('<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="url(#wingR)"/>\n' % (
            f(x0), f(y + h * 0.5), f(x1 + 4), f(y - h * 0.5), f(x1), f(y - h * 0.5), f(x1 + 4), f(y + h * 0.5)))
    return "".join(out)


def cylinder(cx, base_y, width, height, angle):
    """A finned cylinder standing on (cx, base_y), tilted by angle degrees."""
    out = ['<g transform="translate(%s,%s) rotate(%s)">\n' % (f(cx), f(base_y), f(angle))]
    hw = width / 2.0
    # barrel
    out.append('  <rect x="%s" y="%s" width="%s" height="%s" rx="2" fill="url(#chrome)"/>\n'
               % (f(-hw * 0.78), f(-height), f(width * 0.78), f(height)))
    # cooling fins
    n = 5
    for i in range(n):
        y = -height + 3.0 + i * (height - 6.0) / (n - 1)
        out.append('  <rect x="%s" y="%s" width="%s" height="2.2" rx="1" fill="#f4f6fa"/>\n'
                   % (f(-hw), f(y - 1.1), f(width)))
        out.append('  <rect x="%s" y="%s" width="%s" height="0.8" fill="#5d6472"/>\n'
                   % (f(-hw), f(y + 1.1), f(width)))
    # head
    out.append('  <rect x="%s" y="%s" width="%s" height="5" rx="1.5" fill="url(#gold)"/>\n'
               % (f(-hw - 1), f(-height - 5), f(width + 2)))
    out.append('</g>\n')
    return "".join(out)


def badge(cyl):
    out = []
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#000000" fill-opacity="0.5"/>\n'
               % (f(BADGE_X + 1.5), f(BADGE_Y + 2.5), f(BADGE_R + 1)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#gold)"/>\n' % (f(BADGE_X), f(BADGE_Y), f(BADGE_R)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#2a1d02"/>\n' % (f(BADGE_X), f(BADGE_Y), f(BADGE_R - 4.5)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#badge)"/>\n' % (f(BADGE_X), f(BADGE_Y), f(BADGE_R - 5.5)))
    # thin inner ring
    out.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#e0b23a" stroke-width="0.8" '
               'stroke-opacity="0.7"/>\n' % (f(BADGE_X), f(BADGE_Y), f(BADGE_R - 9)))
    crank_y = BADGE_Y + 22.0
    if cyl == 2:
        # V-twin, 45 degrees between the banks
        out.append(cylinder(BADGE_X - 5.0, crank_y - 4.0, 16.0, 33.0, -24.0))
        out.append(cylinder(BADGE_X + 5.0, crank_y - 4.0, 16.0, 33.0, 24.0))
        out.append('<circle cx="%s" cy="%s" r="9" fill="url(#chrome)"/>\n' % (f(BADGE_X), f(crank_y)))
        out.append('<circle cx="%s" cy="%s" r="3.2" fill="#2a2f3c"/>\n' % (f(BADGE_X), f(crank_y)))
    else:
        # inline four on a common crankcase
        for i in range(4):
            out.append(cylinder(BADGE_X + (i - 1.5) * 14.5, crank_y - 4.0, 12.5, 30.0, 0.0))
        out.append('<rect x="%s" y="%s" width="62" height="9" rx="4" fill="url(#chrome)"/>\n'
                   % (f(BADGE_X - 31), f(crank_y - 4.5)))
        out.append('<rect x="%s" y="%s" width="54" height="1.2" fill="#5d6472"/>\n'
                   % (f(BADGE_X - 27), f(crank_y)))
    return "".join(out)


def wordmark():
    text = "BRUNDHOLT"
    size = 44
    step = 40.0
    x0 = 232.0 - step * (len(text) - 1) / 2.0
    base = 170.0
    out = ['<g font-family="%s" font-size="%d" font-weight="bold" text-anchor="middle">\n' % (FONT, size)]
    for i, ch in enumerate(text):
        x = x0 + i * step
        out.append('  <text x="%s" y="%s" fill="#000000" fill-opacity="0.6">%s</text>\n'
                   % (f(x + 2), f(base + 3), ch))
    for i, ch in enumerate(text):
        x = x0 + i * step
        out.append('  <text x="%s" y="%s" fill="url(#chrome)">%s</text>\n' % (f(x), f(base), ch))
    out.append('</g>\n')
    # gold rule under the wordmark, broken by the plate below
    out.append('<rect x="58" y="181" width="348" height="2" fill="url(#gold)"/>\n')
    return "".join(out)


def plate(label):
    out = ['<rect x="160" y="192" width="144" height="36" rx="5" fill="#000000" fill-opacity="0.5" '
           'transform="translate(2,3)"/>\n',
           '<rect x="160" y="192" width="144" height="36" rx="5" fill="url(#plate)" stroke="#ffb0a6" '
           'stroke-width="0.8" stroke-opacity="0.6"/>\n']
    step = 27.0
    x0 = 232.0 - step * (len(label) - 1) / 2.0
    out.append('<g font-family="%s" font-size="25" font-weight="bold" font-style="italic" '
               'text-anchor="middle" fill="#ffffff">\n' % FONT)
    for i, ch in enumerate(label):
        out.append('  <text x="%s" y="219">%s</text>\n' % (f(x0 + i * step), ch))
    out.append('</g>\n')
    # small strap line under the plate
    strap = "FUEL INJECTION TUNING"
    step = 8.2
    x0 = 232.0 - step * (len(strap) - 1) / 2.0
    out.append('<g font-family="%s" font-size="9" text-anchor="middle" fill="#9aa3c8">\n' % FONT)
    for i, ch in enumerate(strap):
        if ch != " ":
            out.append('  <text x="%s" y="247">%s</text>\n' % (f(x0 + i * step), ch))
    out.append('</g>\n')
    return "".join(out)


def logo(cyl):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"\n'
            '     width="%d" height="%d" viewBox="0 0 %d %d">\n' % (W, H, W, H)
            + DEFS
            + '<rect x="0" y="0" width="%d" height="%d" fill="url(#bg)"/>\n' % (W, H)
            + wings() + badge(cyl) + wordmark() + plate("TWIN" if cyl == 2 else "FOUR")
            + '</svg>\n')


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else "."
    for cyl in (2, 4):
        with open(os.path.join(outdir, "brundholt%d.svg" % cyl), "w", encoding="utf-8", newline="\n") as fh:
            fh.write(logo(cyl))


if __name__ == "__main__":
    main()
