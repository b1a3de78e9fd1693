#!/usr/bin/env python3
"""Writes the SVG sources of the two window icons, each in a detailed
version (32 px and up) and a plain one for the 16 and 24 px entries:

  tervalix.svg, tervalix-small.svg      main window: a small rev counter
  motorcycle.svg, motorcycle-small.svg  dialogs: a motorcycle side view

usage: gen_icons.py <output folder>
"""

import math
import os
import sys


def f(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


HEAD = ('<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"\n'
        '     width="64" height="64" viewBox="0 0 64 64">\n')


def tervalix(small):
    cx, cy, r = 32.0, 34.0, 25.0

    def polar(a, rr):
        t = math.radians(a)
        return cx + rr * math.sin(t), cy - rr * math.cos(t)

    def ang(v):  # 0..12 (x 1000 rpm), like the two-cylinder dial
        return -130.0 + 263.0 * v / 12.0

    out = [HEAD, """<defs>
  <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#2a2490"/>
    <stop offset="1" stop-color="#030033"/>
  </linearGradient>
  <radialGradient id="face" gradientUnits="userSpaceOnUse" cx="32" cy="30" r="26">
    <stop offset="0" stop-color="#2a2e38"/>
    <stop offset="1" stop-color="#06070a"/>
  </radialGradient>
  <linearGradient id="ring" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#f0f2f6"/>
    <stop offset="0.5" stop-color="#7d8390"/>
    <stop offset="1" stop-color="#d5d9e1"/>
  </linearGradient>
</defs>
"""]
    out.append('<rect x="1" y="1" width="62" height="62" rx="12" fill="url(#tile)" stroke="#6a66b8" '
               'stroke-width="1"/>\n')
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#ring)"/>\n' % (f(cx), f(cy), f(r + 3)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#face)"/>\n' % (f(cx), f(cy), f(r)))
    # red zone
    a0, a1 = ang(10.5), ang(12)
    ro, ri = r - 2.0, r - 6.5
    p = [polar(a0, ro), polar(a1, ro), polar(a1, ri), polar(a0, ri)]
    out.append('<path d="M%s,%s A%s,%s 0 0,1 %s,%s L%s,%s A%s,%s 0 0,0 %s,%s Z" fill="#e01a10"/>\n' % (
        f(p[0][0]), f(p[0][1]), f(ro), f(ro), f(p[1][0]), f(p[1][1]),
        f(p[2][0]), f(p[2][1]), f(ri), f(ri), f(p[3][0]), f(p[3][1])))
    step = 2 if small else 1
    for v in range(0, 13, step):
        major = v % 2 == 0
        x0, y0 = polar(ang(v), r - (8.0 if major else 5.5))
        x1, y1 = polar(ang(v), r - 2.0)
        out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#ffffff" stroke-width="%s"/>\n'
                   % (f(x0), f(y0), f(x1), f(y1), "3" if small else ("2.2" if major else "1.2")))
    # needle at 8500 rpm
    a = ang(8.5)
    tx, ty = polar(a, r - 4.0)
    w = 2.6 if small else 1.8
    lx, ly = polar(a - 90, w)
    rx, ry = polar(a + 90, w)
    out.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="#ff3a18" stroke="#8c0a04" stroke-width="0.6"/>\n'
               % (f(tx), f(ty), f(lx), f(ly), f(rx), f(ry)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#3a3e48" stroke="#000000" stroke-width="0.8"/>\n'
               % (f(cx), f(cy), "5" if small else "4.2"))
    if not small:
        out.append('<text x="32" y="53" font-family="DejaVu Sans, Arial, sans-serif" font-size="7.5" '
                   'font-weight="bold" fill="#ffffff" text-anchor="middle">TVX</text>\n')
    out.append('</svg>\n')
    return "".join(out)


def motorcycle(small):
    """Side view of a sports naked bike facing right."""
    tyre = "5" if small else "4"
    out = [HEAD, """<defs>
  <linearGradient id="tank" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#ff6a4a"/>
    <stop offset="0.5" stop-color="#d4160c"/>
    <stop offset="1" stop-color="#7a0804"/>
  </linearGradient>
  <linearGradient id="metal" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#eef1f6"/>
    <stop offset="1" stop-color="#6d7482"/>
  </linearGradient>
</defs>
"""]
    # wheels
    for x in (14.0, 50.0):
        out.append('<circle cx="%s" cy="46" r="11" fill="none" stroke="#111318" stroke-width="%s"/>\n'
                   % (f(x), tyre))
        if not small:
            out.append('<circle cx="%s" cy="46" r="8.2" fill="none" stroke="#9aa1ae" stroke-width="1"/>\n' % f(x))
            for k in range(5):
                t = math.radians(k * 72 + 18)
                out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#c3c8d2" stroke-width="1.3"/>\n'
                           % (f(x), f(46), f(x + 8 * math.cos(t)), f(46 + 8 * math.sin(t))))
        out.append('<circle cx="%s" cy="46" r="2.4" fill="url(#metal)"/>\n' % f(x))
    # swing arm and front fork
    out.append('<path d="M14,46 L29,39" stroke="url(#metal)" stroke-width="%s" stroke-linecap="round" fill="none"/>\n'
               % ("3.4" if small else "2.6"))
    out.append('<path d="M50,46 L43,19" stroke="url(#metal)" stroke-width="%s" stroke-linecap="round" fill="none"/>\n'
               % ("3.4" if small else "2.6"))
    # engine block with cylinder fins
    out.append('<path d="M23,33 L38,30 L41,41 L34,46 L25,45 Z" fill="#3a3e48" stroke="#16181d" stroke-width="0.8"/>\n')
    if not small:
        for k in range(4):
            y = 32.5 + k * 2.6
            out.append('<line x1="27" y1="%s" x2="38.5" y2="%s" stroke="#9aa1ae" stroke-width="0.9"/>\n'
                       % (f(y + 0.5), f(y - 1.5)))
        # exhaust
        out.append('<path d="M35,44 L30,48 L19,48 L9,42" fill="none" stroke="url(#metal)" stroke-width="2.2" '
                   'stroke-linecap="round" stroke-linejoin="round"/>\n')
    # rear subframe
    out.append('<path d="M10,29 L25,37" stroke="#3a3e48" stroke-width="2" stroke-linecap="round"/>\n')
    # seat and tail
    out.append('<path d="M5,27 L9,25 L23,27 L23,30 L9,30 Z" fill="#111318"/>\n')
    # tank and nose
    out.append('<path d="M21,27 C23,20 31,18 39,19 L44,22 L42,29 C36,31 28,32 21,31 Z" fill="url(#tank)" '
               'stroke="#5a0602" stroke-width="0.8"/>\n')
    # handlebar and headlight
    out.append('<path d="M39,16 L46,15" stroke="#111318" stroke-width="2.4" stroke-linecap="round"/>\n')
    out.append('<circle cx="47" cy="23" r="%s" fill="#fff3c4" stroke="#111318" stroke-width="1"/>\n'
               % ("3.2" if small else "2.8"))
    out.append('</svg>\n')
    return "".join(out)


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else "."
    files = {
        "tervalix.svg": tervalix(False),
        "tervalix-small.svg": tervalix(True),
        "motorcycle.svg": motorcycle(False),
        "motorcycle-small.svg": motorcycle(True),
    }
    for name, text in files.items():
        with open(os.path.join(outdir, name), "w", encoding="utf-8", newline="\n") as fh:
            fh.write(text)


if __name__ == "__main__":
    main()
