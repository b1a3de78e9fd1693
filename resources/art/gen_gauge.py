#!/usr/bin/env python3
"""Writes the five SVG layers of the rev counter.

All layers share one 210 x 210 box. The needle turns about the pivot at
48.6 % / 46.6 % of the box (102.06, 97.86); the gauge widget rotates it with
QPainter::rotate, so an angle of 0 points straight up and positive angles
turn clockwise. The dial scales below are laid out with the same mapping the
program uses: value v sits at start + (end - start) * v / vmax.

Only what QtSvg (SVG Tiny 1.2) draws is used: paths, circles, lines, text,
linear and radial gradients, opacity and transforms.

usage: gen_gauge.py <output folder>
"""

import math
import os
import sys

SIZE = 210
CX = SIZE * 0.486   # 102.06
CY = SIZE * 0.466   # 97.86
FONT = "DejaVu Sans, Arial, Helvetica, sans-serif"

R_BEZEL_OUT = 97.0
R_BEZEL_IN = 89.5
R_FACE = 88.5
R_SCALE = 84.0       # outer end of the tick marks
R_MAJOR_IN = 72.5
R_MID_IN = 77.0
R_MINOR_IN = 79.5
R_LABEL = 60.5
R_NEEDLE_TIP = 81.0


def f(v):
    """Short, exact-enough number text."""
    s = "%.3f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def polar(angle_deg, r):
    a = math.radians(angle_deg)
    return CX + r * math.sin(a), CY - r * math.cos(a)


def header(extra_defs=""):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"\n'
            '     width="%d" height="%d" viewBox="0 0 %d %d">\n' % (SIZE, SIZE, SIZE, SIZE)
            + ("<defs>\n%s</defs>\n" % extra_defs if extra_defs else ""))


def annulus_sector(a0, a1, r_in, r_out):
    """Closed path of the ring between r_in and r_out from angle a0 to a1."""
    large = 1 if (a1 - a0) > 180 else 0
    x0, y0 = polar(a0, r_out)
    x1, y1 = polar(a1, r_out)
    x2, y2 = polar(a1, r_in)
    x3, y3 = polar(a0, r_in)
    return ("M%s,%s A%s,%s 0 %d,1 %s,%s L%s,%s A%s,%s 0 %d,0 %s,%s Z" %
            (f(x0), f(y0), f(r_out), f(r_out), large, f(x1), f(y1),
             f(x2), f(y2), f(r_in), f(r_in), large, f(x3), f(y3)))


def arc(a0, a1, r):
    large = 1 if (a1 - a0) > 180 else 0
    x0, y0 = polar(a0, r)
    x1, y1 = polar(a1, r)
    return "M%s,%s A%s,%s 0 %d,1 %s,%s" % (f(x0), f(y0), f(r), f(r), large, f(x1), f(y1))


def dial(vmax_label, vmax_scale, end_angle, vmax_map, red_from, minor_step):
    start = -130.0

    def ang(v):
        return start + (end_angle - start) * v / vmax_map

    defs = (
        '  <linearGradient id="bezel" x1="0" y1="0" x2="1" y2="1">\n'
        '    <stop offset="0" stop-color="#e8ebf0"/>\n'
        '    <stop offset="0.35" stop-color="#8a8f9a"/>\n'
        '    <stop offset="0.65" stop-color="#3b3f48"/>\n'
        '    <stop offset="1" stop-color="#c9ced8"/>\n'
        '  </linearGradient>\n'
        '  <linearGradient id="bezelIn" x1="1" y1="1" x2="0" y2="0">\n'
        '    <stop offset="0" stop-color="#d0d4dc"/>\n'
        '    <stop offset="0.5" stop-color="#4a4e58"/>\n'
        '    <stop offset="1" stop-color="#15171c"/>\n'
        '  </linearGradient>\n'
        '  <radialGradient id="face" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s" fx="%s" fy="%s">\n'
        '    <stop offset="0" stop-color="#262a33"/>\n'
        '    <stop offset="0.7" stop-color="#121419"/>\n'
        '    <stop offset="1" stop-color="#050608"/>\n'
        '  </radialGradient>\n'
        '  <linearGradient id="red" x1="0" y1="0" x2="1" y2="0">\n'
        '    <stop offset="0" stop-color="#ff3b2f" stop-opacity="0.55"/>\n'
        '    <stop offset="1" stop-color="#ff1a10" stop-opacity="1"/>\n'
        '  </linearGradient>\n'
        % (f(CX), f(CY), f(R_FACE), f(CX), f(CY - 25)))

    out = [header(defs)]
    # Bezel: a turned metal ring with a dark groove next to the face.
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#000000" fill-opacity="0.55"/>\n'
               % (f(CX), f(CY + 1.2), f(R_BEZEL_OUT + 0.6)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#bezel)"/>\n'
               % (f(CX), f(CY), f(R_BEZEL_OUT)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#bezelIn)"/>\n'
               % (f(CX), f(CY), f(R_BEZEL_IN + 2.5)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="#000000"/>\n'
               % (f(CX), f(CY), f(R_BEZEL_IN)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#face)"/>\n'
               % (f(CX), f(CY), f(R_FACE)))

    # Red zone band under the ticks, from red_from to the end of the scale.
    out.append('<path d="%s" fill="#d01810" fill-opacity="0.85"/>\n'
               % annulus_sector(ang(red_from), ang(vmax_scale), R_MID_IN - 1.0, R_SCALE + 0.5))
    # Thin scale arc along the outer end of the ticks.
    out.append('<path d="%s" fill="none" stroke="#d8dce4" stroke-width="1.1"/>\n'
               % arc(ang(0), ang(red_from), R_SCALE + 0.3))
    out.append('<path d="%s" fill="none" stroke="#ff4030" stroke-width="1.1"/>\n'
               % arc(ang(red_from), ang(vmax_scale), R_SCALE + 0.3))

    # Tick marks.
    out.append('<g stroke-linecap="butt">\n')
    v = 0
    while v <= vmax_scale:
        a = ang(v)
        if v % 1000 == 0:
            r_in, width = R_MAJOR_IN, 2.4
        elif v % 500 == 0:
            r_in, width = R_MID_IN, 1.5
        else:
            r_in, width = R_MINOR_IN, 1.0
        colour = "#ffffff" if v < red_from else "#ffd9d4"
        x0, y0 = polar(a, r_in)
        x1, y1 = polar(a, R_SCALE)
        out.append('  <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"/>\n'
                   % (f(x0), f(y0), f(x1), f(y1), colour, f(width)))
        v += minor_step
    out.append('</g>\n')

    # Numerals every 2000 rpm, upright, centred on their radius.
    size = 14.5 if vmax_label <= 12000 else 13.0
    out.append('<g font-family="%s" font-size="%s" font-weight="bold" text-anchor="middle">\n'
               % (FONT, f(size)))
    for v in range(0, vmax_label + 1, 2000):
        x, y = polar(ang(v), R_LABEL)
        colour = "#ffffff" if v < red_from else "#ff4a3a"
        out.append('  <text x="%s" y="%s" fill="%s">%d</text>\n'
                   % (f(x), f(y + size * 0.36), colour, v // 1000))
    out.append('</g>\n')

    # Legends in the lower half, clear of the needle hub.
    out.append('<text x="%s" y="%s" font-family="%s" font-size="9.5" fill="#d8dce4" '
               'text-anchor="middle">x 1000</text>\n' % (f(CX), f(CY + 31), FONT))
    out.append('<text x="%s" y="%s" font-family="%s" font-size="7.5" fill="#9aa0ac" '
               'text-anchor="middle">r/min</text>\n' % (f(CX), f(CY + 41), FONT))
    out.append('<text x="%s" y="%s" font-family="%s" font-size="7" font-weight="bold" '
               'fill="#c9a227" text-anchor="middle">BRUNDHOLT</text>\n' % (f(CX), f(CY + 72), FONT))
    out.append('</svg>\n')
    return "".join(out)


def needle_path():
    # Slim tapered blade from the pivot up to the tip, with a short
    # counterweight tail below the pivot.
    tip = R_NEEDLE_TIP
    return ("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
        f(CX - 0.7), f(CY - tip),
        f(CX + 0.7), f(CY - tip),
        f(CX + 2.6), f(CY),
        f(CX + 3.4), f(CY + 18),
        f(CX - 3.4), f(CY + 18),
        f(CX - 2.6), f(CY)))


def needle():
    defs = (
        '  <linearGradient id="blade" gradientUnits="userSpaceOnUse" x1="%s" y1="0" x2="%s" y2="0">\n'
        '    <stop offset="0" stop-color="#8c0a04"/>\n'
        '    <stop offset="0.45" stop-color="#ff5a2a"/>\n'
        '    <stop offset="0.55" stop-color="#ff3a18"/>\n'
        '    <stop offset="1" stop-color="#a00c05"/>\n'
        '  </linearGradient>\n'
        '  <radialGradient id="cap" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="10" fx="%s" fy="%s">\n'
        '    <stop offset="0" stop-color="#7a7f8a"/>\n'
        '    <stop offset="0.6" stop-color="#2a2d34"/>\n'
        '    <stop offset="1" stop-color="#0b0c0f"/>\n'
        '  </radialGradient>\n'
        % (f(CX - 3.4), f(CX + 3.4), f(CX), f(CY), f(CX - 3), f(CY - 3)))
    return (header(defs)
            + '<path d="%s" fill="url(#blade)" stroke="#5a0602" stroke-width="0.4"/>\n' % needle_path()
            + '<circle cx="%s" cy="%s" r="9" fill="url(#cap)" stroke="#000000" stroke-width="0.8"/>\n'
            % (f(CX), f(CY))
            + '<circle cx="%s" cy="%s" r="3.2" fill="#c9ced8" fill-opacity="0.35"/>\n' % (f(CX), f(CY))
            + '<circle cx="%s" cy="%s" r="1.6" fill="#0b0c0f"/>\n' % (f(CX), f(CY))
            + '</svg>\n')


def needle_shadow():
    # Blade and hub as one path, so that the half opacity is applied once
    # (QtSvg applies a group's opacity to each child, which would darken
    # the overlap).
    r = 9.4
    hub = ("M%s,%s A%s,%s 0 1,1 %s,%s A%s,%s 0 1,1 %s,%s Z" %
           (f(CX - r), f(CY), f(r), f(r), f(CX + r), f(CY), f(r), f(r), f(CX - r), f(CY)))
    return (header()
            + '<path d="%s %s" fill="#000000" fill-rule="nonzero" opacity="0.5"/>\n' % (needle_path(), hub)
            + '</svg>\n')


def overlay():
    # Glass reflection: a bright crescent over the upper face fading out
    # towards the middle, plus a faint rim light at the bottom.
    r = R_FACE - 1.0
    x0, y0 = polar(-62, r)
    x1, y1 = polar(62, r)
    top = ("M%s,%s A%s,%s 0 0,1 %s,%s Q%s,%s %s,%s Z" %
           (f(x0), f(y0), f(r), f(r), f(x1), f(y1), f(CX), f(CY - 30), f(x0), f(y0)))
    bx0, by0 = polar(125, r)
    bx1, by1 = polar(235, r)
    bottom = ("M%s,%s A%s,%s 0 0,1 %s,%s Q%s,%s %s,%s Z" %
              (f(bx0), f(by0), f(r), f(r), f(bx1), f(by1), f(CX), f(CY + r - 14), f(bx0), f(by0)))
    # The crescent's lowest point is half-way between its ends and the
    # curve's control point; the highlight fades out completely there.
    low = (y0 + CY - 30) / 2.0
    defs = (
        '  <linearGradient id="glass" gradientUnits="userSpaceOnUse" x1="0" y1="%s" x2="0" y2="%s">\n'
        '    <stop offset="0" stop-color="#ffffff" stop-opacity="0.42"/>\n'
        '    <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>\n'
        '  </linearGradient>\n'
        '  <linearGradient id="rim" gradientUnits="userSpaceOnUse" x1="0" y1="%s" x2="0" y2="%s">\n'
        '    <stop offset="0" stop-color="#ffffff" stop-opacity="0"/>\n'
        '    <stop offset="1" stop-color="#ffffff" stop-opacity="0.16"/>\n'
        '  </linearGradient>\n'
        % (f(CY - r), f(low), f(by0), f(CY + r)))
    return (header(defs)
            + '<path d="%s" fill="url(#glass)"/>\n' % top
            + '<path d="%s" fill="url(#rim)"/>\n' % bottom
            + '</svg>\n')


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else "."
    files = {
        # Two cylinders: -130 deg at 0, 133 deg at 12000 rpm.
        "RPMbackground12000.svg": dial(12000, 12000, 133.0, 12000, 10500, 250),
        # Four cylinders: -130 deg at 0, 149 deg at 17000 rpm; labelled to 16.
        "RPMbackground16000.svg": dial(16000, 17000, 149.0, 17000, 14500, 500),
        "RPMneedle.svg": needle(),
        "RPMneedle_shadow.svg": needle_shadow(),
        "RPMoverlay.svg": overlay(),
    }
    for name, text in files.items():
        with open(os.path.join(outdir, name), "w", encoding="utf-8", newline="\n") as fh:
            fh.write(text)


if __name__ == "__main__":
    main()
