#!/usr/bin/env python3
"""Writes the Max package's help and example patchers from the descriptions
below: help/burst.zun~.maxhelp, help/cloud.zun~.maxhelp, the help of their
multichannel twins (help/mc.burst.zun~.maxhelp, help/mc.cloud.zun~.maxhelp),
examples/zun-pulsar.maxpat and examples/zun-cloud.maxpat.

Run it by hand from anywhere after changing a description, and commit what
it writes:

    python3 package/make_patchers.py

Help opens on tabs, as Max's own help files do: basic (the object, its
audio path and its main messages), random, options, tables, events, the
sample (cloud.zun~), signals, live (cloud.zun~), formants (burst.zun~) and
attributes (an attrui
for every attribute its reference page lists); a twin's help has its stereo
twin's tabs and one of its channels. A
new message of an object gets a row in one of its help's `tabs`; the
package tests fail until it has one, and until its reference page
(docs/refpages, edited by hand) documents it.
"""

import json
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))

# The outlets of our objects, as Max lists them in a patcher, and their
# inlets: the first, then one signal inlet for each parameter.
ZUN_OUTLETS = ["signal", "signal", "int", "list"]
TWIN_OUTLETS = ["multichannelsignal", "int", "list"]
ZUN_INLETS = {"burst.zun~": 7, "cloud.zun~": 7}
EVENT_FIELDS = {
    "burst.zun~": "sample voice period length cps glisson morph level left right",
    "cloud.zun~": "sample voice period length pitch position direction level left right",
}

# Rows both help patchers show alike: a message box and its comment.
COMMON = {
    "start 1": "starts the stream: a grain every 1/density seconds",
    "start 0": "stops new grains; sounding ones finish",
    "setRndDensity 0.2": "density varies by up to ± half this fraction",
    "setLength 80": "grain length in ms",
    "setLevel 0.3": "amplitude of new grains",
    "setWidth 0.8": "stereo spread (mode 0) or place (mode 1: 0 L, 1 R)",
    "setPanningMode 1": "panning fixed at setWidth",
    "setPanningMode 0": "panning: a random place within setWidth for each grain",
    "setPanningLaw 1": "pan law: equal power, the same loudness at any width",
    "setPanningLaw 0": "pan law: linear",
    "grain": "replays one grain on an idle voice, as it last sounded",
    "flush": "every sounding grain fades out over 5 ms; its voice is free",
    "info": "sends the number of sounding grains out of outlet 2",
    "dump": "every attribute out of outlet 2: sent back, they give the same sound",
    "seed 7": "restarts the random stream from 7: the same grains again",
    "setRndLevel 6": "each grain's level drops by a random 0 to x dB",
    "triggerInput 1": "a grain at each upward zero crossing of the signal into the inlet",
    "triggerInput 0": "the inlet's signal is not read",
    "events 1": "a list per grain out of outlet 3, shown below",
    "events 0": "no more lists",
    "subsample 1": "exact grain periods: grains start between samples",
    "subsample 0": "grain periods in whole samples",
    "cubic 1": "four-point cubic table reads, whatever interp says",
    "cubic 0": "table reads as interp says",
    "interp 1": "two-point interpolated table reads",
    "interp 0": "table reads without interpolation",
    "steal 1": "a grain finding every voice sounding takes the oldest's (2 ms fade)",
    "steal 0": "a grain finding every voice sounding is dropped",
}
TRIGGER = "cycle~ 3"  # a signal for triggerInput, three crossings a second

# The attributes tab: its object's box gives attributes after the tables.
ATTRIBUTE_ARGUMENTS = "@density 20 @level 0.3"
ATTRIBUTE_ROWS = [
    ("density 20", "an attribute's name is its message too: as setDensity 20"),
    ("getdensity", 'answers "density 20" out of outlet 2, shown below'),
]


def attribute_tab(intro):
    return ("attributes", intro, STARTS + ATTRIBUTE_ROWS)


def rows(*texts):
    """Message rows of COMMON: each text with its comment."""
    return [(t, COMMON[t]) for t in texts]


def density(example):
    return ("setDensity %d" % example, "grains per second (ignored at 0.00001 and below)")


STARTS = rows("start 1", "start 0")

BURST_HELP = dict(
    name="burst.zun~",
    description="Pulsar synthesis: each grain is a train of pulsarets, a wavetable read at a "
    "frequency for the grain's length.",
    detail="The pulsaret morphs from wave table 1 to wave table 2, the window shapes the grain; "
    "every parameter has a random deviation per grain.",
    arguments="burst-sine burst-window burst-saw",
    tabs=[
        ("basic", "Start the stream, then shape it; click the loudspeaker to hear.",
         STARTS + [density(20)] + rows("setLength 80")
         + [("setCps 330", "pulsaret frequency in Hz")]
         + rows("setLevel 0.3", "flush", "info", "dump")),
        ("random", "Every grain draws its own deviations; masking silences some grains.",
         STARTS + rows("setRndDensity 0.2")
         + [("setRndLength 0.5", "length varies by up to ± half this fraction"),
            ("setRndCps 1", "frequency varies by up to ± half this many semitones"),
            ("setGlisson 1", "glissando: the frequency ends 1 + x/12 times higher"),
            ("setRndGlisson 0.5", "adds from 0 to x/12 to the glissando"),
            ("setMorph 0.3", "0: wave table 1 only; 1: wave table 2 only"),
            ("setRndMorph 0.2", "adds from 0 to this much to the morph")]
         + rows("setRndLevel 6")
         + [("setRndMask 0.2", "each grain is masked (silent) with probability x"),
            ("setBurstPlay 3", "burst masking: x grains sound, then..."),
            ("setBurstRest 1", "...x grains are masked, over and over (0: off)")]
         + rows("seed 7")),
        ("options", "The window, the stereo field and how the tables are read.",
         STARTS
         + [("setAttack 0.5", "the window's rise, 0 to 1 (1: half the grain)"),
            ("setDecay 0.5", "the window's fall, 0 to 1 (1: half the grain)")]
         + rows("setWidth 0.8", "setPanningMode 1", "setPanningMode 0", "setPanningLaw 1",
                "setPanningLaw 0", "interp 1", "interp 0", "cubic 1", "cubic 0", "subsample 1",
                "subsample 0")
         + [("bandlimit 1", "wave tables band-limited below half the sample rate"),
            ("bandlimit 0", "wave tables read as they are")]
         + rows("triggerInput 1", "triggerInput 0")
         + [(TRIGGER, 'a signal for "triggerInput 1": three crossings a second')]),
        ("tables", "The object reads three buffer~ objects; double-click it to open them.",
         [("buffer~ burst-sine zun-sine.wav", "wave table 1: one period of a sine"),
          ("buffer~ burst-window zun-hann.wav", "the window: a Hann bell"),
          ("buffer~ burst-saw zun-saw.wav", "wave table 2: one period of a sawtooth")]
         + STARTS
         + [("setbuf burst-sine burst-window burst-saw",
             "binds wave table 1, the window and wave table 2"),
            ("setWave1 burst-saw", "binds wave table 1 alone"),
            ("setWindowing burst-window", "binds the window alone"),
            ("setWave2 burst-sine", "binds wave table 2 alone")]),
        ("events", "A list for every grain that starts, grains by hand, and a grain that finds "
         "every voice sounding.",
         STARTS + rows("events 1", "events 0", "grain", "steal 1", "steal 0")),
        ("signals", "A signal into a parameter's inlet sets it for each grain as the grain starts.",
         STARTS + [density(40),
                   ("phasor~ 0.25",
                    "into the morph inlet (2): wave table 1 to 2, over and over", 2),
                   ("cycle~ 0.5", "into the glisson inlet (3): glissandi of -1 to 1 semitone", 3),
                   ("float 0.5", "a float into an inlet: its message (here setGlisson 0.5)", 3)]),
        ("formants", "Up to three pulsaret trains per grain, each a voice of its own, sharing "
         "the grain's onset, length, window and random deviations.",
         STARTS + [("setCps 110", "a low cps: each formant a multiple of it"),
                   ("setFormants 1 2.76 5.4", "trains at cps times 1, 2.76 and 5.4"),
                   ("setFormants 1", "one formant: the grain as it is without formants"),
                   ("setFormantLevels 1 0.5 0.3", "each formant's level, times the grain's"),
                   ("setFormantPans 0 0.5 1", "each formant's place, 0 L to 1 R, for the grain's"),
                   ("setFormantPans", "no places: every formant where the grain's pan puts it"),
                   ("lengthMode 1", "setLength counts periods of the first formant"),
                   ("setLength 4", "four periods (lengthMode 1) or 4 ms"),
                   ("lengthMode 0", "setLength in ms")]
         + rows("events 1", "events 0")),
        attribute_tab("Every parameter is an attribute: in the box (@name value), by its name, "
                      "in the inspector, with attrui or pattr; getNAME asks for one."),
    ],
)

CLOUD_HELP = dict(
    name="cloud.zun~",
    description="Sample granulation: grains read a sample from a position, forwards or backwards, "
    "at a pitch.",
    detail="Each grain is shaped by the window and placed in the stereo field; rate, length, pitch "
    "and place vary at random per grain.",
    arguments="cloud-tone cloud-window",
    tabs=[
        ("basic", "Start the stream, then shape it; click the loudspeaker to hear.",
         STARTS + [density(30)] + rows("setLength 80")
         + [("setPitch 7", "playback pitch in semitones (below 128)"),
            ("setPhase 0.25", "where grains start reading, 0 to 1 of the sample")]
         + rows("setLevel 0.3", "flush", "info", "dump")),
        ("random", "Every grain draws its own deviations; the position can move by itself.",
         STARTS + rows("setRndDensity 0.2")
         + [("setRndLength 0.3", "length varies by up to ± half this fraction"),
            ("setRndPitch 0.5", "pitch varies by up to ± half this many semitones"),
            ("setRndPosition 40", "start positions spread over x ms around the position"),
            ("setScanSpeed 0.5", "the position moves at x times the sample's speed"),
            ("setRndReverse 0.3", "each grain reads backwards with probability x")]
         + rows("setRndLevel 6", "seed 7")),
        ("options", "Voices, direction, the stereo field and how the tables are read.",
         STARTS
         + [("overlap 64", "how many grains may sound at once, 1 to 128"),
            ("reverse 1", "grains read the sample backwards"),
            ("reverse 0", "grains read the sample forwards")]
         + rows("setWidth 0.8", "setPanningMode 1", "setPanningMode 0", "setPanningLaw 1",
                "setPanningLaw 0", "interp 1", "interp 0", "cubic 1", "cubic 0", "subsample 1",
                "subsample 0", "triggerInput 1", "triggerInput 0")
         + [(TRIGGER, 'a signal for "triggerInput 1": three crossings a second')]),
        ("tables", "The object reads two buffer~ objects; double-click it to open them.",
         [("buffer~ cloud-tone zun-tone.wav", "the sample: two seconds of a sawtooth tone"),
          ("buffer~ cloud-window zun-hann.wav", "the window: a Hann bell")]
         + STARTS
         + [("setbuf cloud-tone cloud-window", "binds the sample and the window"),
            ("setSample cloud-tone", "binds the sample alone"),
            ("setWindowing cloud-window", "binds the window alone"),
            ("setSamplePosition 500", "where grains start reading, in ms into the sample")]),
        ("events", "A list for every grain that starts, grains by hand, and a grain that finds "
         "every voice sounding.",
         STARTS + rows("events 1", "events 0", "grain", "steal 1", "steal 0")),
        ("sample", "Where grains start, the window's shape, the sample's own rate and channels.",
         STARTS
         + [("setRegion 500 1000", "grain starts keep to 500 to 1000 ms of the sample"),
            ("setRegion 0 0", "grain starts anywhere in the sample"),
            ("setAttack 0.2", "the window's rise over a tenth of the grain (1: half)"),
            ("setDecay 1", "the window's fall over half the grain, as before"),
            ("sampleRate 1", "pitch 0 plays the sample at its buffer~'s own rate"),
            ("sampleRate 0", "pitch 0 plays one frame per output sample"),
            ("sampleChannel 2", "grains read the buffer~'s second channel"),
            ("sampleChannel 0", "grains read the first channel, as before"),
            ("stereoSample 1", "two channels: stereo grains, the pan a balance"),
            ("stereoSample 0", "mono grains")]),
        ("signals", "A signal into a parameter's inlet sets it for each grain as the grain starts.",
         STARTS + [density(40),
                   ("phasor~ 0.1", "into the position inlet (1): the grains scan the sample", 1),
                   ("cycle~ 0.5", "into the pitch inlet (2): a vibrato of -1 to 1 semitone", 2),
                   ("float 7.5", "a float into an inlet: its message (here setPitch 7.5)", 2)]),
        ("live", "Grains of the object's own input, recorded into a ring; positions count back "
         "from now.",
         STARTS
         + [("cycle~ 220", "into the live inlet (6, the rightmost): what the ring records", 6),
            ("liveBuffer 2000", "grains read the last 2000 ms of the live inlet, not the sample"),
            ("setSamplePosition 300", "grains start 300 ms ago, or further: never across now"),
            ("freeze 1", "the ring stops recording and keeps what it holds"),
            ("freeze 0", "the ring records again"),
            ("liveBuffer 0", "grains read the sample again")]),
        attribute_tab("Every parameter is an attribute: in the box (@name value), by its name, "
                      "in the inspector, with attrui or pattr; getNAME asks for one."),
    ],
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


CHANNEL_ROWS = STARTS + [
    ("setWidth 1", "random places over the whole width: every channel"),
    ("chans 4", "4 channels from the next time the audio starts (1 to 64)"),
    ("outmode 1", "a channel for each voice: voice k on channel k mod chans + 1"),
    ("outmode 0", "speakers: each grain between the two channels nearest its place"),
    ("panmode 1", "the channels on a circle: the last is next to the first"),
    ("panmode 0", "the channels on a line, 1 to chans"),
    ("setChannel 3", "every grain on channel 3"),
    ("setChannel 0", "channels as outmode places them"),
    ("setRndChannel 0.5", "half the grains on a channel drawn at random"),
    ("setRndChannel 0", "no random channels"),
]


def twin(h):
    """The help of an object's multichannel twin: the object's tabs and a
    tab of its channels."""
    return dict(
        h, name="mc." + h["name"], arguments=h["arguments"] + " @chans 8",
        description="The multichannel twin of %s: one multichannel outlet of chans channels."
        % h["name"],
        detail="Grains sit between the two channels nearest their place (outmode 0), or each "
        "voice sounds on a channel of its own (outmode 1); mc.mixdown~ folds them to stereo.",
        tabs=h["tabs"] + [("channels", "Where grains sound among the channels.", CHANNEL_ROWS)])


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
        name = text.split()[0]
        if name.startswith("mc."):
            return self.newobj(x, y, text, ZUN_INLETS[name[3:]], TWIN_OUTLETS)
        return self.newobj(x, y, text, ZUN_INLETS[name], ZUN_OUTLETS)

    def buffer(self, x, y, name, media):
        return self.newobj(x, y, "buffer~ %s %s" % (name, media), 1, ["float", "bang"])

    def number(self, x, y):
        return self.add("number", (x, y, 50.0, 22.0), 1, 2, ["", "bang"], parameter_enable=0)

    def attrui(self, x, y, attribute, width):
        return self.add("attrui", (x, y, width, 22.0), 1, 1, [""], attr=attribute,
                        parameter_enable=0)

    def ezdac(self, x, y):
        return self.add("ezdac~", (x, y, 45.0, 45.0), 2, 0)

    def connect(self, source, outlet, destination, inlet):
        self.lines.append({"patchline": {"destination": [destination, inlet],
                                         "source": [source, outlet]}})

    def extent(self):
        """The right and bottom edges of the boxes, and a margin."""
        rects = [b["box"]["patching_rect"] for b in self.boxes]
        return (max(r[0] + r[2] for r in rects) + 20, max(r[1] + r[3] for r in rects) + 20)

    def patcher(self, rect, description, **attributes):
        return {
            "fileversion": 1,
            "appversion": {"major": 8, "minor": 5, "revision": 0, "architecture": "x64",
                           "modernui": 1},
            "classnamespace": "box",
            "rect": [float(v) for v in rect],
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
            **attributes,
            "boxes": [{"box": dict(sorted(b["box"].items()))} for b in self.boxes],
            "lines": self.lines,
        }

    def write(self, path, height, description, width=None, **attributes):
        rect = (100, 100, width or self.extent()[0], height)
        with open(path, "w", encoding="utf-8") as f:
            f.write(json.dumps({"patcher": self.patcher(rect, description, **attributes)},
                               indent=1, ensure_ascii=False) + "\n")


def text_width(text):
    """A one-line box wide enough for its text in the default font."""
    return 7 * len(text) + 14


ROW = 28  # from one row of message boxes to the next
STEP = 6  # how far right of the row above a help row starts
ATTRUI_WIDTH = 210
ATTRUI_COLUMNS = 5


def attributes_of(name):
    """The attributes the reference page of class `name` lists, in its order."""
    path = os.path.join(HERE, "docs", "refpages", name + ".maxref.xml")
    with open(path, encoding="utf-8") as f:
        return re.findall(r'<attribute name="([^"]+)"', f.read())


def help_tab(h, name, intro, tab_rows):
    """One tab: its rows of boxes, each with a comment, above the object they
    are wired to, and the object's audio path and readouts below it."""
    p = Patcher()
    y = 15
    if name == "basic":
        p.comment(20, y, 2 * text_width(h["name"]), h["name"], fontsize=20.0)
        p.boxes[-1]["box"]["patching_rect"][3] = 32.0
        p.comment(20, 52, 1000, h["description"])
        p.comment(20, 74, 1000, h["detail"])
        y = 104
    p.comment(20, y, 1000, intro)
    y += 34
    # Each row a little right of the one above, so that the cords from the
    # rows above pass left of it.
    indent = [40 + STEP * i for i in range(len(tab_rows))]
    comment_x = 16 + max(x + text_width(row[0]) for x, row in zip(indent, tab_rows))
    wired = []
    for x, (text, comment, *inlet) in zip(indent, tab_rows):
        if text.startswith("buffer~ "):
            p.buffer(x, y, *text.split()[1:])
        elif text.split()[0] in ("cycle~", "phasor~"):
            wired.append((p.newobj(x, y, text, 2, ["signal"]), inlet[0] if inlet else 0))
        else:
            wired.append((p.message(x, y, text), inlet[0] if inlet else 0))
        p.comment(comment_x, y, min(620, 1180 - comment_x), comment)
        y += ROW
    if name == "attributes":
        names = attributes_of(h["name"])
        for i, attribute in enumerate(names):
            column, row = i % ATTRUI_COLUMNS, i // ATTRUI_COLUMNS
            box = p.attrui(40 + column * (ATTRUI_WIDTH + 10), y + row * ROW, attribute,
                           ATTRUI_WIDTH)
            wired.append((box, 0))
        y += ROW * -(-len(names) // ATTRUI_COLUMNS)
    y += 14
    obj_text = "%s %s" % (h["name"], h["arguments"])
    note = 'arguments: the buffer~ names, as "setbuf" takes them'
    if name == "attributes":
        obj_text += " " + ATTRIBUTE_ARGUMENTS
        note += ", then attributes: @name value"
    obj = p.zun(20, y, obj_text)
    p.comment(20 + text_width(obj_text) + 10, y, 400, note)
    for box, inlet in wired:
        p.connect(box, 0, obj, inlet)
    y += 40
    signals = 2  # outlets before the info outlet
    if h["name"].startswith("mc."):
        signals = 1
        mix = p.newobj(20, y, "mc.mixdown~ 2", 1, ["multichannelsignal"])
        unpack = p.newobj(20, y + 30, "mc.unpack~ 2", 1, ["signal", "signal"])
        p.comment(130, y, 300, "every channel folded into two")
        p.connect(obj, 0, mix, 0)
        p.connect(mix, 0, unpack, 0)
        stereo = [(unpack, 0), (unpack, 1)]
        y += 60
    else:
        stereo = [(obj, 0), (obj, 1)]
    dac = p.ezdac(20, y)
    p.comment(75, y + 12, 105, "click to hear")
    for inlet, (source, outlet) in enumerate(stereo):
        p.connect(source, outlet, dac, inlet)
    texts = [row[0] for row in tab_rows]
    if "info" in texts:
        counts = p.number(200, y)
        p.comment(255, y, 217, 'sounding grains, after "info"')
        p.connect(obj, signals, counts, 0)
    if "events 1" in texts:
        fields = EVENT_FIELDS[h["name"].replace("mc.", "")]
        if signals == 1:
            fields += " channel"
        if name == "formants":
            fields += " (formant, of several)"
        p.comment(200, y, 900, 'the last grain event: ' + fields)
        readout = p.message(200, y + 22, "", width=500)
        p.connect(obj, signals + 1, readout, 1)
    if any(text.startswith("get") for text in texts):
        p.comment(200, y, 300, "the last answer out of outlet 2")
        readout = p.message(200, y + 22, "", width=200)
        p.connect(obj, signals, readout, 1)
    return p


def write_help(h):
    """The help patcher: a title and one tab per group of messages, as Max's
    own help files have them."""
    root = Patcher()
    root.comment(20, 15, text_width(h["name"]), h["name"], fontsize=20.0)
    root.comment(20, 50, 900, h["description"])
    x, size = 20, [0, 0]
    for name, intro, tab_rows in h["tabs"]:
        tab = help_tab(h, name, intro, tab_rows)
        size = [max(a, b) for a, b in zip(size, tab.extent())]
        text = "p " + name
        root.add("newobj", (x, 85, text_width(text), 22.0), 0, 0, text=text,
                 varname=name + "_tab",
                 patcher=tab.patcher((0, 26) + tab.extent(), "", showontab=1))
        x += text_width(text) + 10
    root.write(os.path.join(HERE, "help", h["name"] + ".maxhelp"), size[1], h["description"],
               size[0], showrootpatcherontab=0, showontab=0)


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
    for h in (BURST_HELP, CLOUD_HELP, twin(BURST_HELP), twin(CLOUD_HELP)):
        write_help(h)
    for e in (PULSAR_EXAMPLE, CLOUD_EXAMPLE):
        write_example(e)
