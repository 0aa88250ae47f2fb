#!/usr/bin/env python3
"""Draws docs/live-ring.svg: cloud.zun~'s live ring, unrolled."""

import pathlib

W, H = 760, 300
LEFT, RIGHT = 60, 700  # the oldest frame and the write point
GUARD = 40
TOP, BAND = 90, 40


def x_of(ago):
    """x of a frame `ago` (0 the newest, 1 the ring's length) before the write point."""
    return RIGHT - ago * (RIGHT - LEFT)


def text(x, y, s, anchor="middle", size=13, weight="normal"):
    return (f'<text x="{x}" y="{y}" font-size="{size}" font-weight="{weight}" '
            f'text-anchor="{anchor}" font-family="sans-serif">{s}</text>')


def arrow(x1, y1, x2, y2, colour="black", width=2):
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{colour}" '
            f'stroke-width="{width}" marker-end="url(#head-{colour})"/>')


parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
         f'viewBox="0 0 {W} {H}">',
         '<defs>']
for colour in ("black", "#1f6fb2", "#b22222"):
    parts.append(f'<marker id="head-{colour}" markerWidth="8" markerHeight="8" refX="7" refY="4" '
                 f'orient="auto"><path d="M0,0 L8,4 L0,8 z" fill="{colour}"/></marker>')
parts.append('</defs>')
parts.append(f'<rect width="{W}" height="{H}" fill="white"/>')
parts.append(text(W / 2, 24, "the live ring, unrolled: liveBuffer ms of input", size=15,
                  weight="bold"))
# The recorded frames, the guards at both ends.
parts.append(f'<rect x="{LEFT}" y="{TOP}" width="{RIGHT - LEFT}" height="{BAND}" '
             f'fill="#e8eef5" stroke="black"/>')
for x in (LEFT, RIGHT - GUARD):
    parts.append(f'<rect x="{x}" y="{TOP}" width="{GUARD}" height="{BAND}" fill="#f4c7c3" '
                 f'stroke="black"/>')
parts.append(text(RIGHT - GUARD / 2, TOP + 25, "guard", size=11))
parts.append(text(LEFT + GUARD / 2, TOP + 25, "guard", size=11))
parts.append(text((LEFT + RIGHT) / 2, TOP + 25, "recorded input, read by grains", size=12))
# The write point and the oldest frame, the next to be overwritten.
parts.append(f'<line x1="{RIGHT}" y1="{TOP - 30}" x2="{RIGHT}" y2="{TOP + BAND + 10}" '
             f'stroke="#b22222" stroke-width="3"/>')
parts.append(text(RIGHT, TOP - 36, "write point (newest frame)", anchor="end", size=12))
parts.append(arrow(RIGHT + 4, TOP - 14, RIGHT + 40, TOP - 14, "#b22222"))
parts.append(text(RIGHT + 22, TOP - 20, "1/sample", size=10))
parts.append(text(LEFT, TOP - 36, "oldest frame, overwritten next", anchor="start", size=12))
# How long ago, counted back from the write point.
axis = TOP + BAND + 34
parts.append(arrow(RIGHT, axis, LEFT, axis))
for ago in (0, 0.25, 0.5, 0.75, 1):
    x = x_of(ago)
    parts.append(f'<line x1="{x}" y1="{axis - 4}" x2="{x}" y2="{axis + 4}" stroke="black"/>')
    parts.append(text(x, axis + 18, f"{ago:g}", size=11))
parts.append(text((LEFT + RIGHT) / 2, axis + 36,
                  "position: how long ago (setPhase 0 to 1 of the ring, setSamplePosition ms)",
                  size=12))
# A grain asked for too near the write point, moved back to clear it.
asked, span = 0.05, 0.22
moved_start = RIGHT - GUARD - span * (RIGHT - LEFT)
parts.append(arrow(x_of(asked), TOP + 10, x_of(asked) + 60, TOP + 10, "#b22222", 1.5))
parts.append(text(x_of(asked) - 4, TOP - 4, "asked: crosses", anchor="end", size=11))
parts.append(arrow(moved_start, TOP + BAND - 8, moved_start + span * (RIGHT - LEFT),
                   TOP + BAND - 8, "#1f6fb2", 3))
parts.append(text(moved_start, TOP + BAND + 14, "moved back: the grain's reads end a guard short",
                  anchor="start", size=11))
parts.append('</svg>')
pathlib.Path(__file__).with_name("live-ring.svg").write_text("\n".join(parts) + "\n")
