#!/usr/bin/env python3
"""Writes the Max package's help and example patchers from the descriptions
below: help/burst.zun~.maxhelp, help/cloud.zun~.maxhelp,
examples/zun-pulsar.maxpat and examples/zun-cloud.maxpat.

Run it by hand from anywhere after changing a description, and commit what
it writes:

    python3 package/make_patchers.py

A new message of an object gets a row in its help (`params`, `extra` or
`switches`); the package tests fail until it has one, and until its
reference page (docs/refpages, edited by hand) documents it.
"""

import json
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# The outlets of our objects, as Max lists them in a patcher.
ZUN_OUTLETS = ["signal", "signal", "int", "list"]
EVENT_FIELDS = {
    "burst.zun~": "sample voice period length cps glisson morph level left right",
    "cloud.zun~": "sample voice period length pitch position direction level left right",
}

# Rows both help patchers show alike: a message box (or a switch's two) and
# its comment.
COMMON = {
    "setRndDensity": ("setRndDensity 0.2", "density varies by up to ± half this fraction"),
    "setLength": ("setLength 80", "grain length in ms"),
    "setLevel": ("setLevel 0.3", "amplitude of new grains"),
    "setWidth": ("setWidth 0.8", "stereo spread (mode 0) or place (mode 1: 0 L, 1 R)"),
    "grain": ("grain", "replays one grain on an idle voice, as it last sounded"),
    "flush": ("flush", "every sounding grain fades out over 5 ms; its voice is free"),
    "info": ("info", "sends the number of sounding grains out of outlet 2"),
    "seed": ("seed 7", "restarts the random stream from 7: the same grains again"),
    "setRndLevel": ("setRndLevel 6", "each grain's level drops by a random 0 to x dB"),
}
SWITCHES = {
    "setPanningMode": "panning: 0 random spread within setWidth, 1 fixed at setWidth",
    "start": "0 stops new grains (sounding ones finish), 1 starts the stream",
    "setPanningLaw": "pan law: 0 linear, 1 equal power (the same loudness at any width)",
    "triggerInput": "1: a grain at each upward zero crossing of the signal into the inlet",
    "events": "1: a list per grain out of outlet 3 (below)",
    "subsample": "grain periods: 0 whole samples, 1 exact (grains start between samples)",
    "cubic": "table reads: 1 four-point cubic, whatever interp says; 0 as interp says",
}


def switch(selector, comment=None):
    return ([selector + " 0", selector + " 1"], comment or SWITCHES[selector])


def density(example):
    return ("setDensity %d" % example, "grains per second (ignored at 0.00001 and below)")


BURST_HELP = dict(
    name="burst.zun~",
    description="Pulsar synthesis: each grain is a train of pulsarets, a wavetable read at a "
    "frequency for the grain's length.",
    detail="The pulsaret morphs from wave table 1 to wave table 2, the window shapes the grain; "
    "every parameter has a random deviation per grain.",
    tables=[
        ("burst-sine", "zun-sine.wav", "wave table 1: one period of a sine"),
        ("burst-window", "zun-hann.wav", "the window: a Hann bell"),
        ("burst-saw", "zun-saw.wav", "wave table 2: one period of a sawtooth"),
    ],
    binding=[
        ("setbuf burst-sine burst-window burst-saw",
         "binds wave table 1, the window and wave table 2"),
        ("setWave1 burst-sine", "binds wave table 1 alone"),
        ("setWindowing burst-window", "binds the window alone"),
        ("setWave2 burst-saw", "binds wave table 2 alone"),
    ],
    params=(
        [
            density(20),
            COMMON["setRndDensity"],
            COMMON["setLength"],
            ("setRndLength 0.5", "length varies by up to ± half this fraction"),
            COMMON["setLevel"],
            COMMON["setWidth"],
        ],
        [
            ("setCps 330", "pulsaret frequency in Hz"),
            ("setRndCps 1", "frequency varies by up to ± half this many semitones"),
            ("setGlisson 1", "glissando: the frequency ends 1 + x/12 times higher"),
            ("setRndGlisson 0.5", "adds from 0 to x/12 to the glissando"),
            ("setMorph 0.3", "0: wave table 1 only; 1: wave table 2 only"),
            ("setRndMorph 0.2", "adds from 0 to this much to the morph"),
            ("setAttack 0.5", "the window's rise, 0 to 1 (1: half the grain)"),
            ("setDecay 0.5", "the window's fall, 0 to 1 (1: half the grain)"),
            COMMON["grain"],
            COMMON["flush"],
            COMMON["info"],
            COMMON["seed"],
        ],
    ),
    extra=(
        [
            COMMON["setRndLevel"],
            ("setRndMask 0.2", "each grain is masked (silent) with probability x"),
        ],
        [
            ("setBurstPlay 3", "burst masking: x grains sound, then..."),
            ("setBurstRest 1", "...x grains are masked, over and over (0: off)"),
        ],
    ),
    switches=[
        switch("setPanningMode"),
        switch("interp", "table reads: 0 plain, 1 two-point interpolation"),
        switch("start"),
        switch("setPanningLaw"),
        switch("triggerInput"),
        switch("events"),
        switch("subsample"),
        switch("bandlimit",
               "wave tables: 0 as they are, 1 band-limited below half the sample rate"),
        switch("cubic"),
    ],
    arguments="burst-sine burst-window burst-saw",
)

CLOUD_HELP = dict(
    name="cloud.zun~",
    description="Sample granulation: grains read a sample from a position, forwards or backwards, "
    "at a pitch.",
    detail="Each grain is shaped by the window and placed in the stereo field; rate, length, pitch "
    "and place vary at random per grain.",
    tables=[
        ("cloud-tone", "zun-tone.wav", "the sample: two seconds of a sawtooth tone"),
        ("cloud-window", "zun-hann.wav", "the window: a Hann bell"),
    ],
    binding=[
        ("setbuf cloud-tone cloud-window", "binds the sample and the window"),
        ("setSample cloud-tone", "binds the sample alone"),
        ("setWindowing cloud-window", "binds the window alone"),
    ],
    params=(
        [
            density(30),
            COMMON["setRndDensity"],
            COMMON["setLength"],
            ("setRndLength 0.3", "length varies by up to ± half this fraction"),
            COMMON["setLevel"],
            COMMON["setWidth"],
            ("overlap 64", "how many grains may sound at once, 1 to 128"),
        ],
        [
            ("setPitch 7", "playback pitch in semitones (below 128)"),
            ("setRndPitch 0.5", "pitch varies by up to ± half this many semitones"),
            ("setSamplePosition 500", "where grains start reading, in ms into the sample"),
            ("setPhase 0.25", "where grains start reading, 0 to 1 of the sample"),
            COMMON["grain"],
            COMMON["flush"],
            COMMON["info"],
            COMMON["seed"],
        ],
    ),
    extra=(
        [
            ("setRndPosition 40", "start positions spread over x ms around the position"),
            ("setScanSpeed 0.5", "the position moves at x times the sample's speed"),
        ],
        [
            ("setRndReverse 0.3", "each grain reads backwards with probability x"),
            COMMON["setRndLevel"],
        ],
    ),
    switches=[
        switch("reverse", "grains read the sample 0 forwards, 1 backwards"),
        switch("setPanningMode"),
        switch("interp", "sample reads: 0 plain, 1 two-point interpolation"),
        switch("start"),
        switch("setPanningLaw"),
        switch("triggerInput"),
        switch("events"),
        switch("subsample"),
        switch("cubic"),
    ],
    arguments="cloud-tone cloud-window",
)

PULSAR_EXAMPLE = dict(
    file="zun-pulsar.maxpat",
    title="Pulsar synthesis with burst.zun~",
    description="Click a sound; each message sets the parameters, then starts the stream. The sine "
    "pulsarets morph into squares under a Gaussian window.",
    patcher_description="Four pulsar sounds from one burst.zun~",
    tables=[("pulsar-sine", "zun-sine.wav"), ("pulsar-bell", "zun-gaussian.wav"),
            ("pulsar-square", "zun-square.wav")],
    groups=[dict(
        object="burst.zun~ pulsar-sine pulsar-bell pulsar-square",
        at=(20, 128),
        stop="stop",
        presets=[
            ("slow pulse", "setDensity 4, setLength 150, setCps 110, setRndCps 0, setGlisson 0, "
             "setRndGlisson 0, setMorph 0, setRndMorph 0, setBurstRest 0, setRndMask 0, "
             "setWidth 0.3, setLevel 0.4, start 1"),
            ("chirps, band-limited", "setDensity 12, setLength 90, setCps 880, setRndCps 2, "
             "setGlisson 6, setRndGlisson 3, setMorph 1, setBurstRest 0, setRndMask 0, "
             "bandlimit 1, setWidth 1, setLevel 0.25, start 1"),
            ("buzz", "setDensity 60, setLength 30, setCps 220, setRndCps 0.5, setGlisson -2, "
             "setRndGlisson 0, setMorph 0.5, setRndMorph 0.5, setBurstRest 0, setRndMask 0, "
             "setWidth 0.9, setLevel 0.2, start 1"),
            ("a masked tone", "setDensity 110, subsample 1, setLength 12, setCps 880, "
             "setRndCps 0, setGlisson 0, setRndGlisson 0, setMorph 0.3, setRndMorph 0, "
             "setBurstPlay 6, setBurstRest 2, setRndMask 0.1, setWidth 0.5, setLevel 0.2, "
             "start 1"),
        ],
    )],
)

CLOUD_EXAMPLE = dict(
    file="zun-cloud.maxpat",
    title="Sample granulation with cloud.zun~",
    description="Two clouds: a sawtooth tone under a Hann window, and noise in short percussive "
    "grains. Click a sound for each.",
    patcher_description="A tone and a noise granulated side by side",
    tables=[("cloud-ex-tone", "zun-tone.wav"), ("cloud-ex-window", "zun-hann.wav"),
            ("cloud-ex-noise", "zun-noise.wav"), ("cloud-ex-perc", "zun-expodec.wav")],
    groups=[
        dict(
            object="cloud.zun~ cloud-ex-tone cloud-ex-window",
            at=(20, 128),
            stop="stop the tone",
            presets=[
                ("a fifth up, forwards", "reverse 0, setScanSpeed 0, setRndPosition 0, "
                 "setPanningLaw 0, setPitch 7, "
                 "setRndPitch 0.5, setDensity 30, setLength 80, setPhase 0.2, setWidth 0.8, "
                 "setLevel 0.2, start 1"),
                ("an octave down, backwards", "reverse 1, setScanSpeed 0, setRndPosition 0, "
                 "setPanningLaw 0, "
                 "setPitch -12, setRndPitch 0.2, setDensity 20, setLength 120, "
                 "setSamplePosition 1500, setWidth 0.5, setLevel 0.25, start 1"),
                ("stretched to twice its length", "reverse 0, setPhase 0, setScanSpeed 0.5, "
                 "setRndPosition 20, setPitch 0, setRndPitch 0, setDensity 40, setLength 100, "
                 "setPanningLaw 1, setWidth 0.7, setLevel 0.2, start 1"),
            ],
        ),
        dict(
            object="cloud.zun~ cloud-ex-noise cloud-ex-perc",
            at=(20, 340),
            stop="stop the noise",
            presets=[
                ("rain", "setDensity 40, setRndDensity 0.8, setLength 20, setRndLength 0.5, "
                 "setRndLevel 12, setWidth 1, setLevel 0.1, start 1"),
            ],
        ),
    ],
)


class Patcher:
    """Boxes and lines of one patcher, numbered in the order they are made."""

    def __init__(self):
        self.boxes = []
        self.lines = []

    def add(self, maxclass, rect, inlets, outlets, outlettype=None, **fields):
        box = dict(id="obj-%d" % (len(self.boxes) + 1), maxclass=maxclass, numinlets=inlets,
                   numoutlets=outlets, patching_rect=[float(v) for v in rect], **fields)
        if outlettype is not None:
            box["outlettype"] = outlettype
        self.boxes.append({"box": box})
        return box["id"]

    def comment(self, x, y, width, text, **fields):
        return self.add("comment", (x, y, width, 20.0), 1, 0, text=text, **fields)

    def message(self, x, y, text, width=None):
        return self.add("message", (x, y, width or text_width(text), 22.0), 2, 1, [""], text=text)

    def newobj(self, x, y, text, inlets, outlettype):
        return self.add("newobj", (x, y, text_width(text), 22.0), inlets, len(outlettype),
                        outlettype, text=text)

    def zun(self, x, y, text):
        return self.newobj(x, y, text, 1, ZUN_OUTLETS)

    def buffer(self, x, y, name, media):
        return self.newobj(x, y, "buffer~ %s %s" % (name, media), 1, ["float", "bang"])

    def number(self, x, y):
        return self.add("number", (x, y, 50.0, 22.0), 1, 2, ["", "bang"], parameter_enable=0)

    def ezdac(self, x, y):
        return self.add("ezdac~", (x, y, 45.0, 45.0), 2, 0)

    def connect(self, source, outlet, destination, inlet):
        self.lines.append({"patchline": {"destination": [destination, inlet],
                                         "source": [source, outlet]}})

    def write(self, path, height, description):
        width = max(b["box"]["patching_rect"][0] + b["box"]["patching_rect"][2]
                    for b in self.boxes) + 20
        patcher = {
            "fileversion": 1,
            "appversion": {"major": 8, "minor": 5, "revision": 0, "architecture": "x64",
                           "modernui": 1},
            "classnamespace": "box",
            "rect": [100.0, 100.0, float(width), float(height)],
            "bglocked": 0,
            "openinpresentation": 0,
            "default_fontsize": 12.0,
            "default_fontface": 0,
            "default_fontname": "Arial",
            "gridonopen": 1,
            "gridsize": [15.0, 15.0],
            "gridsnaponopen": 1,
            "objectsnaponopen": 1,
            "statusbarvisible": 2,
            "toolbarvisible": 1,
            "boxanimatetime": 200,
            "enablehscroll": 1,
            "enablevscroll": 1,
            "devicewidth": 0.0,
            "description": description,
            "digest": "",
            "tags": "",
            "style": "",
            "subpatcher_template": "",
            "boxes": [{"box": dict(sorted(b["box"].items()))} for b in self.boxes],
            "lines": self.lines,
        }
        with open(path, "w", encoding="utf-8") as f:
            f.write(json.dumps({"patcher": patcher}, indent=1, ensure_ascii=False) + "\n")


def text_width(text):
    """A one-line box wide enough for its text in the default font."""
    return 7 * len(text) + 14


ROW = 28  # from one row of message boxes to the next


def write_help(h):
    p = Patcher()
    p.comment(20, 15, text_width(h["name"]), h["name"], fontsize=20.0)
    p.boxes[-1]["box"]["patching_rect"][3] = 32.0
    p.comment(20, 50, 900, h["description"])
    p.comment(20, 75, 900, h["detail"])
    y = 110
    for name, media, comment in h["tables"]:
        p.buffer(20, y, name, media)
        p.comment(300, y, 400, comment)
        y += ROW
    wired = []  # message boxes for the object

    def row(x, y, text, comment, comment_width):
        box = p.message(x, y, text)
        wired.append(box)
        p.comment(x + text_width(text) + 8, y, comment_width, comment)

    y += 15
    for text, comment in h["binding"]:
        row(20, y, text, comment, 420)
        y += ROW

    def columns(pair, y):
        for x, rows in zip((20, 520), pair):
            for i, (text, comment) in enumerate(rows):
                row(x, y + i * ROW, text, comment, 330)
        return y + max(len(rows) for rows in pair) * ROW

    y = columns(h["params"], y + 10)
    p.comment(20, y + 10, 900, "Beyond the first controls, each off until sent:")
    y = columns(h["extra"], y + 38)
    y += 10
    for texts, comment in h["switches"]:
        x = 20
        for text in texts:
            wired.append(p.message(x, y, text))
            x += text_width(text) + 8
        p.comment(300, y, 450, comment)
        y += ROW

    signal = p.newobj(20, y + 17, "cycle~ 3", 2, ["signal"])
    p.comment(110, y + 17, 600, 'a signal for "triggerInput 1": a grain at each upward zero '
              'crossing, three a second')
    y += 60
    obj_text = "%s %s" % (h["name"], h["arguments"])
    obj = p.zun(20, y, obj_text)
    p.comment(20 + text_width(obj_text) + 10, y, 400,
              'arguments: the buffer~ names, as "setbuf" takes them')
    p.connect(signal, 0, obj, 0)
    for box in wired:
        p.connect(box, 0, obj, 0)
    y += 40
    dac = p.ezdac(20, y)
    p.comment(75, y + 12, 105, "click to hear")
    counts = p.number(200, y)
    p.comment(255, y, 217, 'sounding grains, after "info"')
    p.connect(obj, 0, dac, 0)
    p.connect(obj, 1, dac, 1)
    p.connect(obj, 2, counts, 0)
    y += 60
    p.comment(20, y, 900, 'the last grain event, after "events 1": ' + EVENT_FIELDS[h["name"]])
    readout = p.message(20, y + 22, "", width=500)
    p.connect(obj, 3, readout, 1)
    p.write(os.path.join(HERE, "help", h["name"] + ".maxhelp"), y + 100, h["description"])


def write_example(e):
    p = Patcher()
    p.comment(20, 15, text_width(e["title"]), e["title"], fontsize=18.0)
    p.boxes[-1]["box"]["patching_rect"][3] = 30.0
    p.comment(20, 45, 900, e["description"])
    x = 20
    for name, media in e["tables"]:
        p.buffer(x, 80, name, media)
        x += text_width("buffer~ %s %s" % (name, media)) + 15
    objects = []
    for g in e["groups"]:
        gx, gy = g["at"]
        stop = p.message(gx, gy + 22, "start 0")
        p.comment(gx, gy, 75, g["stop"])
        presets = []
        for i, (label, text) in enumerate(g["presets"]):
            px = gx + 80 + 275 * i
            p.comment(px, gy, 260, label)
            presets.append(p.message(px, gy + 22, text, width=260))
        obj = p.zun(gx, gy + 130, g["object"])
        info_x = gx + text_width(g["object"]) + 16
        info = p.message(info_x, gy + 130, "info")
        counts = p.number(info_x, gy + 170)
        for box in [stop] + presets + [info]:
            p.connect(box, 0, obj, 0)
        p.connect(obj, 2, counts, 0)
        objects.append(obj)
    bottom = max(g["at"][1] for g in e["groups"]) + 210
    dac = p.ezdac(20, bottom)
    p.comment(75, bottom + 12, 105, "click to hear")
    for obj in objects:
        p.connect(obj, 0, dac, 0)
        p.connect(obj, 1, dac, 1)
    p.write(os.path.join(HERE, "examples", e["file"]), bottom + 80, e["patcher_description"])


if __name__ == "__main__":
    for h in (BURST_HELP, CLOUD_HELP):
        write_help(h)
    for e in (PULSAR_EXAMPLE, CLOUD_EXAMPLE):
        write_example(e)
