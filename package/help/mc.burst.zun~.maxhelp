{
 "patcher": {
  "fileversion": 1,
  "appversion": {
   "major": 8,
   "minor": 5,
   "revision": 0,
   "architecture": "x64",
   "modernui": 1
  },
  "classnamespace": "box",
  "rect": [
   100.0,
   100.0,
   1150.0,
   788.0
  ],
  "bglocked": 0,
  "openinpresentation": 0,
  "default_fontsize": 12.0,
  "default_fontface": 0,
  "default_fontname": "Arial",
  "gridonopen": 1,
  "gridsize": [
   15.0,
   15.0
  ],
  "gridsnaponopen": 1,
  "objectsnaponopen": 1,
  "statusbarvisible": 2,
  "toolbarvisible": 1,
  "boxanimatetime": 200,
  "enablehscroll": 1,
  "enablevscroll": 1,
  "devicewidth": 0.0,
  "description": "The multichannel twin of burst.zun~: one multichannel outlet of chans channels.",
  "digest": "",
  "tags": "",
  "style": "",
  "subpatcher_template": "",
  "showrootpatcherontab": 0,
  "showontab": 0,
  "boxes": [
   {
    "box": {
     "fontsize": 20.0,
     "id": "obj-1",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      20.0,
      15.0,
      105.0,
      20.0
     ],
     "text": "mc.burst.zun~"
    }
   },
   {
    "box": {
     "id": "obj-2",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      20.0,
      50.0,
      900.0,
      20.0
     ],
     "text": "The multichannel twin of burst.zun~: one multichannel outlet of chans channels."
    }
   },
   {
    "box": {
     "id": "obj-3",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1040.0,
       569.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "fontsize": 20.0,
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          210.0,
          32.0
         ],
         "text": "mc.burst.zun~"
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          52.0,
          1000.0,
          20.0
         ],
         "text": "The multichannel twin of burst.zun~: one multichannel outlet of chans channels."
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          74.0,
          1000.0,
          20.0
         ],
         "text": "Grains sit between the two channels nearest their place (outmode 0), or each voice sounds on a channel of its own (outmode 1); mc.mixdown~ folds them to stereo."
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          104.0,
          1000.0,
          20.0
         ],
         "text": "Start the stream, then shape it; click the loudspeaker to hear."
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          40.0,
          138.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          138.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          46.0,
          166.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          166.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          194.0,
          105.0,
          22.0
         ],
         "text": "setDensity 20"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          194.0,
          620.0,
          20.0
         ],
         "text": "grains per second (ignored at 0.00001 and below)"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          58.0,
          222.0,
          98.0,
          22.0
         ],
         "text": "setLength 80"
        }
       },
       {
        "box": {
         "id": "obj-12",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          222.0,
          620.0,
          20.0
         ],
         "text": "grain length in ms"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          64.0,
          250.0,
          84.0,
          22.0
         ],
         "text": "setCps 330"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          250.0,
          620.0,
          20.0
         ],
         "text": "pulsaret frequency in Hz"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          70.0,
          278.0,
          98.0,
          22.0
         ],
         "text": "setLevel 0.3"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          278.0,
          620.0,
          20.0
         ],
         "text": "amplitude of new grains"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          76.0,
          306.0,
          49.0,
          22.0
         ],
         "text": "flush"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          306.0,
          620.0,
          20.0
         ],
         "text": "every sounding grain fades out over 5 ms; its voice is free"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          82.0,
          334.0,
          42.0,
          22.0
         ],
         "text": "info"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          334.0,
          620.0,
          20.0
         ],
         "text": "sends the number of sounding grains out of outlet 2"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          88.0,
          362.0,
          42.0,
          22.0
         ],
         "text": "dump"
        }
       },
       {
        "box": {
         "id": "obj-22",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          184.0,
          362.0,
          620.0,
          20.0
         ],
         "text": "every attribute out of outlet 2: sent back, they give the same sound"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          404.0,
          406.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          436.0,
          404.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          444.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-26",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          474.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-27",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          444.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-28",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          504.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-29",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          516.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       },
       {
        "box": {
         "id": "obj-30",
         "maxclass": "number",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "",
          "bang"
         ],
         "parameter_enable": 0,
         "patching_rect": [
          200.0,
          504.0,
          50.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-31",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          255.0,
          504.0,
          217.0,
          20.0
         ],
         "text": "sounding grains, after \"info\""
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-5",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-7",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-9",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-11",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-13",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-15",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-17",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-19",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-21",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-25",
          0
         ],
         "source": [
          "obj-23",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-25",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-26",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          1
         ],
         "source": [
          "obj-26",
          1
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-23",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      20.0,
      85.0,
      63.0,
      22.0
     ],
     "text": "p basic",
     "varname": "basic_tab"
    }
   },
   {
    "box": {
     "id": "obj-4",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1040.0,
       620.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          1000.0,
          20.0
         ],
         "text": "Every grain draws its own deviations; masking silences some grains."
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          40.0,
          49.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          46.0,
          77.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          77.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          105.0,
          133.0,
          22.0
         ],
         "text": "setRndDensity 0.2"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "density varies by up to ± half this fraction"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          58.0,
          133.0,
          126.0,
          22.0
         ],
         "text": "setRndLength 0.5"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "length varies by up to ± half this fraction"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          64.0,
          161.0,
          91.0,
          22.0
         ],
         "text": "setRndCps 1"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "frequency varies by up to ± half this many semitones"
        }
       },
       {
        "box": {
         "id": "obj-12",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          70.0,
          189.0,
          98.0,
          22.0
         ],
         "text": "setGlisson 1"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "glissando: the frequency ends 1 + x/12 times higher"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          76.0,
          217.0,
          133.0,
          22.0
         ],
         "text": "setRndGlisson 0.5"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "adds from 0 to x/12 to the glissando"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          82.0,
          245.0,
          98.0,
          22.0
         ],
         "text": "setMorph 0.3"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "0: wave table 1 only; 1: wave table 2 only"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          88.0,
          273.0,
          119.0,
          22.0
         ],
         "text": "setRndMorph 0.2"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          273.0,
          620.0,
          20.0
         ],
         "text": "adds from 0 to this much to the morph"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          94.0,
          301.0,
          105.0,
          22.0
         ],
         "text": "setRndLevel 6"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          301.0,
          620.0,
          20.0
         ],
         "text": "each grain's level drops by a random 0 to x dB"
        }
       },
       {
        "box": {
         "id": "obj-22",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          100.0,
          329.0,
          112.0,
          22.0
         ],
         "text": "setRndMask 0.2"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          329.0,
          620.0,
          20.0
         ],
         "text": "each grain is masked (silent) with probability x"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          106.0,
          357.0,
          112.0,
          22.0
         ],
         "text": "setBurstPlay 3"
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          357.0,
          620.0,
          20.0
         ],
         "text": "burst masking: x grains sound, then..."
        }
       },
       {
        "box": {
         "id": "obj-26",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          112.0,
          385.0,
          112.0,
          22.0
         ],
         "text": "setBurstRest 1"
        }
       },
       {
        "box": {
         "id": "obj-27",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          385.0,
          620.0,
          20.0
         ],
         "text": "...x grains are masked, over and over (0: off)"
        }
       },
       {
        "box": {
         "id": "obj-28",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          118.0,
          413.0,
          56.0,
          22.0
         ],
         "text": "seed 7"
        }
       },
       {
        "box": {
         "id": "obj-29",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          240.0,
          413.0,
          620.0,
          20.0
         ],
         "text": "restarts the random stream from 7: the same grains again"
        }
       },
       {
        "box": {
         "id": "obj-30",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          455.0,
          406.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8"
        }
       },
       {
        "box": {
         "id": "obj-31",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          436.0,
          455.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-32",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          495.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-33",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          525.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-34",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          495.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-35",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          555.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-36",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          567.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-2",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-4",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-6",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-8",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-10",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-12",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-14",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-16",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-18",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-20",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-22",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-24",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-26",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-28",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-32",
          0
         ],
         "source": [
          "obj-30",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-33",
          0
         ],
         "source": [
          "obj-32",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-35",
          0
         ],
         "source": [
          "obj-33",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-35",
          1
         ],
         "source": [
          "obj-33",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      93.0,
      85.0,
      70.0,
      22.0
     ],
     "text": "p random",
     "varname": "random_tab"
    }
   },
   {
    "box": {
     "id": "obj-5",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1040.0,
       788.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          1000.0,
          20.0
         ],
         "text": "The window, the stereo field and how the tables are read."
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          40.0,
          49.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          46.0,
          77.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          77.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          105.0,
          105.0,
          22.0
         ],
         "text": "setAttack 0.5"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "the window's rise, 0 to 1 (1: half the grain)"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          58.0,
          133.0,
          98.0,
          22.0
         ],
         "text": "setDecay 0.5"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "the window's fall, 0 to 1 (1: half the grain)"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          64.0,
          161.0,
          98.0,
          22.0
         ],
         "text": "setWidth 0.8"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "stereo spread (mode 0) or place (mode 1: 0 L, 1 R)"
        }
       },
       {
        "box": {
         "id": "obj-12",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          70.0,
          189.0,
          126.0,
          22.0
         ],
         "text": "setPanningMode 1"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "panning fixed at setWidth"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          76.0,
          217.0,
          126.0,
          22.0
         ],
         "text": "setPanningMode 0"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "panning: a random place within setWidth for each grain"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          82.0,
          245.0,
          119.0,
          22.0
         ],
         "text": "setPanningLaw 1"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "pan law: equal power, the same loudness at any width"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          88.0,
          273.0,
          119.0,
          22.0
         ],
         "text": "setPanningLaw 0"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          273.0,
          620.0,
          20.0
         ],
         "text": "pan law: linear"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          94.0,
          301.0,
          70.0,
          22.0
         ],
         "text": "interp 1"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          301.0,
          620.0,
          20.0
         ],
         "text": "two-point interpolated table reads"
        }
       },
       {
        "box": {
         "id": "obj-22",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          100.0,
          329.0,
          70.0,
          22.0
         ],
         "text": "interp 0"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          329.0,
          620.0,
          20.0
         ],
         "text": "table reads without interpolation"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          106.0,
          357.0,
          63.0,
          22.0
         ],
         "text": "cubic 1"
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          357.0,
          620.0,
          20.0
         ],
         "text": "four-point cubic table reads, whatever interp says"
        }
       },
       {
        "box": {
         "id": "obj-26",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          112.0,
          385.0,
          63.0,
          22.0
         ],
         "text": "cubic 0"
        }
       },
       {
        "box": {
         "id": "obj-27",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          385.0,
          620.0,
          20.0
         ],
         "text": "table reads as interp says"
        }
       },
       {
        "box": {
         "id": "obj-28",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          118.0,
          413.0,
          91.0,
          22.0
         ],
         "text": "subsample 1"
        }
       },
       {
        "box": {
         "id": "obj-29",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          413.0,
          620.0,
          20.0
         ],
         "text": "exact grain periods: grains start between samples"
        }
       },
       {
        "box": {
         "id": "obj-30",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          124.0,
          441.0,
          91.0,
          22.0
         ],
         "text": "subsample 0"
        }
       },
       {
        "box": {
         "id": "obj-31",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          441.0,
          620.0,
          20.0
         ],
         "text": "grain periods in whole samples"
        }
       },
       {
        "box": {
         "id": "obj-32",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          130.0,
          469.0,
          91.0,
          22.0
         ],
         "text": "bandlimit 1"
        }
       },
       {
        "box": {
         "id": "obj-33",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          469.0,
          620.0,
          20.0
         ],
         "text": "wave tables band-limited below half the sample rate"
        }
       },
       {
        "box": {
         "id": "obj-34",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          136.0,
          497.0,
          91.0,
          22.0
         ],
         "text": "bandlimit 0"
        }
       },
       {
        "box": {
         "id": "obj-35",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          497.0,
          620.0,
          20.0
         ],
         "text": "wave tables read as they are"
        }
       },
       {
        "box": {
         "id": "obj-36",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          142.0,
          525.0,
          112.0,
          22.0
         ],
         "text": "triggerInput 1"
        }
       },
       {
        "box": {
         "id": "obj-37",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          525.0,
          620.0,
          20.0
         ],
         "text": "a grain at each upward zero crossing of the signal into the inlet"
        }
       },
       {
        "box": {
         "id": "obj-38",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          148.0,
          553.0,
          112.0,
          22.0
         ],
         "text": "triggerInput 0"
        }
       },
       {
        "box": {
         "id": "obj-39",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          553.0,
          620.0,
          20.0
         ],
         "text": "the inlet's signal is not read"
        }
       },
       {
        "box": {
         "id": "obj-40",
         "maxclass": "newobj",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          "signal"
         ],
         "patching_rect": [
          154.0,
          581.0,
          70.0,
          22.0
         ],
         "text": "cycle~ 3"
        }
       },
       {
        "box": {
         "id": "obj-41",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          276.0,
          581.0,
          620.0,
          20.0
         ],
         "text": "a signal for \"triggerInput 1\": three crossings a second"
        }
       },
       {
        "box": {
         "id": "obj-42",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          623.0,
          406.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8"
        }
       },
       {
        "box": {
         "id": "obj-43",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          436.0,
          623.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-44",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          663.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-45",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          693.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-46",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          663.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-47",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          723.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-48",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          735.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-2",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-4",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-6",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-8",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-10",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-12",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-14",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-16",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-18",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-20",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-22",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-24",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-26",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-28",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-30",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-32",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-34",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-36",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-38",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-42",
          0
         ],
         "source": [
          "obj-40",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-44",
          0
         ],
         "source": [
          "obj-42",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-45",
          0
         ],
         "source": [
          "obj-44",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-47",
          0
         ],
         "source": [
          "obj-45",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-47",
          1
         ],
         "source": [
          "obj-45",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      173.0,
      85.0,
      77.0,
      22.0
     ],
     "text": "p options",
     "varname": "options_tab"
    }
   },
   {
    "box": {
     "id": "obj-6",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1040.0,
       480.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          1000.0,
          20.0
         ],
         "text": "The object reads three buffer~ objects; double-click it to open them."
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "float",
          "bang"
         ],
         "patching_rect": [
          40.0,
          49.0,
          231.0,
          22.0
         ],
         "text": "buffer~ burst-sine zun-sine.wav"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "wave table 1: one period of a sine"
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "float",
          "bang"
         ],
         "patching_rect": [
          46.0,
          77.0,
          245.0,
          22.0
         ],
         "text": "buffer~ burst-window zun-hann.wav"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          77.0,
          620.0,
          20.0
         ],
         "text": "the window: a Hann bell"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "float",
          "bang"
         ],
         "patching_rect": [
          52.0,
          105.0,
          217.0,
          22.0
         ],
         "text": "buffer~ burst-saw zun-saw.wav"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "wave table 2: one period of a sawtooth"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          58.0,
          133.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          64.0,
          161.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-12",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          70.0,
          189.0,
          294.0,
          22.0
         ],
         "text": "setbuf burst-sine burst-window burst-saw"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "binds wave table 1, the window and wave table 2"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          76.0,
          217.0,
          140.0,
          22.0
         ],
         "text": "setWave1 burst-saw"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "binds wave table 1 alone"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          82.0,
          245.0,
          189.0,
          22.0
         ],
         "text": "setWindowing burst-window"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "binds the window alone"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          88.0,
          273.0,
          147.0,
          22.0
         ],
         "text": "setWave2 burst-sine"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          380.0,
          273.0,
          620.0,
          20.0
         ],
         "text": "binds wave table 2 alone"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          315.0,
          406.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          436.0,
          315.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-22",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          355.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          385.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          355.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          415.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-26",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          427.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-20",
          0
         ],
         "source": [
          "obj-8",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-20",
          0
         ],
         "source": [
          "obj-10",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-20",
          0
         ],
         "source": [
          "obj-12",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-20",
          0
         ],
         "source": [
          "obj-14",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-20",
          0
         ],
         "source": [
          "obj-16",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-20",
          0
         ],
         "source": [
          "obj-18",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-22",
          0
         ],
         "source": [
          "obj-20",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-23",
          0
         ],
         "source": [
          "obj-22",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-25",
          0
         ],
         "source": [
          "obj-23",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-25",
          1
         ],
         "source": [
          "obj-23",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      260.0,
      85.0,
      70.0,
      22.0
     ],
     "text": "p tables",
     "varname": "tables_tab"
    }
   },
   {
    "box": {
     "id": "obj-7",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1120.0,
       424.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          1000.0,
          20.0
         ],
         "text": "A list for every grain that starts, grains by hand, and a grain that finds every voice sounding."
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          40.0,
          49.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          155.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          46.0,
          77.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          155.0,
          77.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          105.0,
          70.0,
          22.0
         ],
         "text": "events 1"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          155.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "a list per grain out of outlet 3, shown below"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          58.0,
          133.0,
          70.0,
          22.0
         ],
         "text": "events 0"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          155.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "no more lists"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          64.0,
          161.0,
          49.0,
          22.0
         ],
         "text": "grain"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          155.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "replays one grain on an idle voice, as it last sounded"
        }
       },
       {
        "box": {
         "id": "obj-12",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          70.0,
          189.0,
          63.0,
          22.0
         ],
         "text": "steal 1"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          155.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "a grain finding every voice sounding takes the oldest's (2 ms fade)"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          76.0,
          217.0,
          63.0,
          22.0
         ],
         "text": "steal 0"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          155.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "a grain finding every voice sounding is dropped"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          259.0,
          406.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          436.0,
          259.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          299.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          329.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          299.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          359.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-22",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          371.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          200.0,
          359.0,
          900.0,
          20.0
         ],
         "text": "the last grain event: sample voice period length cps glisson morph level left right channel"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          200.0,
          381.0,
          500.0,
          22.0
         ],
         "text": ""
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-16",
          0
         ],
         "source": [
          "obj-2",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-16",
          0
         ],
         "source": [
          "obj-4",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-16",
          0
         ],
         "source": [
          "obj-6",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-16",
          0
         ],
         "source": [
          "obj-8",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-16",
          0
         ],
         "source": [
          "obj-10",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-16",
          0
         ],
         "source": [
          "obj-12",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-16",
          0
         ],
         "source": [
          "obj-14",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-18",
          0
         ],
         "source": [
          "obj-16",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-19",
          0
         ],
         "source": [
          "obj-18",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-21",
          0
         ],
         "source": [
          "obj-19",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-21",
          1
         ],
         "source": [
          "obj-19",
          1
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-24",
          1
         ],
         "source": [
          "obj-16",
          2
         ]
        }
       }
      ]
     },
     "patching_rect": [
      340.0,
      85.0,
      70.0,
      22.0
     ],
     "text": "p events",
     "varname": "events_tab"
    }
   },
   {
    "box": {
     "id": "obj-8",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1040.0,
       396.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          1000.0,
          20.0
         ],
         "text": "A signal into a parameter's inlet sets it for each grain as the grain starts."
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          40.0,
          49.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          173.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          46.0,
          77.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          173.0,
          77.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          105.0,
          105.0,
          22.0
         ],
         "text": "setDensity 40"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          173.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "grains per second (ignored at 0.00001 and below)"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "newobj",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          "signal"
         ],
         "patching_rect": [
          58.0,
          133.0,
          98.0,
          22.0
         ],
         "text": "phasor~ 0.25"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          173.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "into the morph inlet (2): wave table 1 to 2, over and over"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "newobj",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          "signal"
         ],
         "patching_rect": [
          64.0,
          161.0,
          84.0,
          22.0
         ],
         "text": "cycle~ 0.5"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          173.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "into the glisson inlet (3): glissandi of -1 to 1 semitone"
        }
       },
       {
        "box": {
         "id": "obj-12",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          70.0,
          189.0,
          77.0,
          22.0
         ],
         "text": "float 0.5"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          173.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "a float into an inlet: its message (here setGlisson 0.5)"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          231.0,
          406.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          436.0,
          231.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          271.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          301.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          271.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          331.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          343.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-14",
          0
         ],
         "source": [
          "obj-2",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-14",
          0
         ],
         "source": [
          "obj-4",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-14",
          0
         ],
         "source": [
          "obj-6",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-14",
          2
         ],
         "source": [
          "obj-8",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-14",
          3
         ],
         "source": [
          "obj-10",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-14",
          3
         ],
         "source": [
          "obj-12",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-16",
          0
         ],
         "source": [
          "obj-14",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-17",
          0
         ],
         "source": [
          "obj-16",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-19",
          0
         ],
         "source": [
          "obj-17",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-19",
          1
         ],
         "source": [
          "obj-17",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      420.0,
      85.0,
      77.0,
      22.0
     ],
     "text": "p signals",
     "varname": "signals_tab"
    }
   },
   {
    "box": {
     "id": "obj-9",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1120.0,
       592.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          1000.0,
          20.0
         ],
         "text": "Up to three pulsaret trains per grain, each a voice of its own, sharing the grain's onset, length, window and random deviations."
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          40.0,
          49.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          46.0,
          77.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          77.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          105.0,
          84.0,
          22.0
         ],
         "text": "setCps 110"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "a low cps: each formant a multiple of it"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          58.0,
          133.0,
          168.0,
          22.0
         ],
         "text": "setFormants 1 2.76 5.4"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "trains at cps times 1, 2.76 and 5.4"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          64.0,
          161.0,
          105.0,
          22.0
         ],
         "text": "setFormants 1"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "one formant: the grain as it is without formants"
        }
       },
       {
        "box": {
         "id": "obj-12",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          70.0,
          189.0,
          196.0,
          22.0
         ],
         "text": "setFormantLevels 1 0.5 0.3"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "each formant's level, times the grain's"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          76.0,
          217.0,
          168.0,
          22.0
         ],
         "text": "setFormantPans 0 0.5 1"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "each formant's place, 0 L to 1 R, for the grain's"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          82.0,
          245.0,
          112.0,
          22.0
         ],
         "text": "setFormantPans"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "no places: every formant where the grain's pan puts it"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          88.0,
          273.0,
          98.0,
          22.0
         ],
         "text": "lengthMode 1"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          273.0,
          620.0,
          20.0
         ],
         "text": "setLength counts periods of the first formant"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          94.0,
          301.0,
          91.0,
          22.0
         ],
         "text": "setLength 4"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          301.0,
          620.0,
          20.0
         ],
         "text": "four periods (lengthMode 1) or 4 ms"
        }
       },
       {
        "box": {
         "id": "obj-22",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          100.0,
          329.0,
          98.0,
          22.0
         ],
         "text": "lengthMode 0"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          329.0,
          620.0,
          20.0
         ],
         "text": "setLength in ms"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          106.0,
          357.0,
          70.0,
          22.0
         ],
         "text": "events 1"
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          357.0,
          620.0,
          20.0
         ],
         "text": "a list per grain out of outlet 3, shown below"
        }
       },
       {
        "box": {
         "id": "obj-26",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          112.0,
          385.0,
          70.0,
          22.0
         ],
         "text": "events 0"
        }
       },
       {
        "box": {
         "id": "obj-27",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          385.0,
          620.0,
          20.0
         ],
         "text": "no more lists"
        }
       },
       {
        "box": {
         "id": "obj-28",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          427.0,
          406.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8"
        }
       },
       {
        "box": {
         "id": "obj-29",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          436.0,
          427.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-30",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          467.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-31",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          497.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-32",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          467.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-33",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          527.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-34",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          539.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       },
       {
        "box": {
         "id": "obj-35",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          200.0,
          527.0,
          900.0,
          20.0
         ],
         "text": "the last grain event: sample voice period length cps glisson morph level left right channel (formant, of several)"
        }
       },
       {
        "box": {
         "id": "obj-36",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          200.0,
          549.0,
          500.0,
          22.0
         ],
         "text": ""
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-2",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-4",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-6",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-8",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-10",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-12",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-14",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-16",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-18",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-20",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-22",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-24",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-26",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-30",
          0
         ],
         "source": [
          "obj-28",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-31",
          0
         ],
         "source": [
          "obj-30",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-33",
          0
         ],
         "source": [
          "obj-31",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-33",
          1
         ],
         "source": [
          "obj-31",
          1
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-36",
          1
         ],
         "source": [
          "obj-28",
          2
         ]
        }
       }
      ]
     },
     "patching_rect": [
      507.0,
      85.0,
      84.0,
      22.0
     ],
     "text": "p formants",
     "varname": "formants_tab"
    }
   },
   {
    "box": {
     "id": "obj-10",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1150.0,
       564.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          1000.0,
          20.0
         ],
         "text": "Every parameter is an attribute: in the box (@name value), by its name, in the inspector, with attrui or pattr; getNAME asks for one."
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          40.0,
          49.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          158.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          46.0,
          77.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          158.0,
          77.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          105.0,
          84.0,
          22.0
         ],
         "text": "density 20"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          158.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "an attribute's name is its message too: as setDensity 20"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          58.0,
          133.0,
          84.0,
          22.0
         ],
         "text": "getdensity"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          158.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "answers \"density 20\" out of outlet 2, shown below"
        }
       },
       {
        "box": {
         "attr": "wave1",
         "id": "obj-10",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          40.0,
          161.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "wave2",
         "id": "obj-11",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          260.0,
          161.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "windowing",
         "id": "obj-12",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          480.0,
          161.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "interp",
         "id": "obj-13",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          700.0,
          161.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "level",
         "id": "obj-14",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          920.0,
          161.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "width",
         "id": "obj-15",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          40.0,
          189.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "panningMode",
         "id": "obj-16",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          260.0,
          189.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "attack",
         "id": "obj-17",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          480.0,
          189.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "decay",
         "id": "obj-18",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          700.0,
          189.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "length",
         "id": "obj-19",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          920.0,
          189.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "rndLength",
         "id": "obj-20",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          40.0,
          217.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "density",
         "id": "obj-21",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          260.0,
          217.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "rndDensity",
         "id": "obj-22",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          480.0,
          217.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "cps",
         "id": "obj-23",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          700.0,
          217.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "rndCps",
         "id": "obj-24",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          920.0,
          217.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "glisson",
         "id": "obj-25",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          40.0,
          245.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "rndGlisson",
         "id": "obj-26",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          260.0,
          245.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "morph",
         "id": "obj-27",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          480.0,
          245.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "rndMorph",
         "id": "obj-28",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          700.0,
          245.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "seed",
         "id": "obj-29",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          920.0,
          245.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "rndLevel",
         "id": "obj-30",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          40.0,
          273.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "rndMask",
         "id": "obj-31",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          260.0,
          273.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "burstPlay",
         "id": "obj-32",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          480.0,
          273.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "burstRest",
         "id": "obj-33",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          700.0,
          273.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "panningLaw",
         "id": "obj-34",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          920.0,
          273.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "triggerInput",
         "id": "obj-35",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          40.0,
          301.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "events",
         "id": "obj-36",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          260.0,
          301.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "subsample",
         "id": "obj-37",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          480.0,
          301.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "bandlimit",
         "id": "obj-38",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          700.0,
          301.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "cubic",
         "id": "obj-39",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          920.0,
          301.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "steal",
         "id": "obj-40",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          40.0,
          329.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "formants",
         "id": "obj-41",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          260.0,
          329.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "formantLevels",
         "id": "obj-42",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          480.0,
          329.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "formantPans",
         "id": "obj-43",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          700.0,
          329.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "lengthMode",
         "id": "obj-44",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          920.0,
          329.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "chans",
         "id": "obj-45",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          40.0,
          357.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "outmode",
         "id": "obj-46",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          260.0,
          357.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "panmode",
         "id": "obj-47",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          480.0,
          357.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "channel",
         "id": "obj-48",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          700.0,
          357.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "attr": "rndChannel",
         "id": "obj-49",
         "maxclass": "attrui",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "parameter_enable": 0,
         "patching_rect": [
          920.0,
          357.0,
          210.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-50",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          399.0,
          567.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8 @density 20 @level 0.3"
        }
       },
       {
        "box": {
         "id": "obj-51",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          597.0,
          399.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them, then attributes: @name value"
        }
       },
       {
        "box": {
         "id": "obj-52",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          439.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-53",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          469.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-54",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          439.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-55",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          499.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-56",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          511.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       },
       {
        "box": {
         "id": "obj-57",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          200.0,
          499.0,
          300.0,
          20.0
         ],
         "text": "the last answer out of outlet 2"
        }
       },
       {
        "box": {
         "id": "obj-58",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          200.0,
          521.0,
          200.0,
          22.0
         ],
         "text": ""
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-2",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-4",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-6",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-8",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-10",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-11",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-12",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-13",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-14",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-15",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-16",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-17",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-18",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-19",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-20",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-21",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-22",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-23",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-24",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-25",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-26",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-27",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-28",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-29",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-30",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-31",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-32",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-33",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-34",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-35",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-36",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-37",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-38",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-39",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-40",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-41",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-42",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-43",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-44",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-45",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-46",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-47",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-48",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          0
         ],
         "source": [
          "obj-49",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-52",
          0
         ],
         "source": [
          "obj-50",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-53",
          0
         ],
         "source": [
          "obj-52",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-55",
          0
         ],
         "source": [
          "obj-53",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-55",
          1
         ],
         "source": [
          "obj-53",
          1
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-58",
          1
         ],
         "source": [
          "obj-50",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      601.0,
      85.0,
      98.0,
      22.0
     ],
     "text": "p attributes",
     "varname": "attributes_tab"
    }
   },
   {
    "box": {
     "id": "obj-11",
     "maxclass": "newobj",
     "numinlets": 0,
     "numoutlets": 0,
     "patcher": {
      "fileversion": 1,
      "appversion": {
       "major": 8,
       "minor": 5,
       "revision": 0,
       "architecture": "x64",
       "modernui": 1
      },
      "classnamespace": "box",
      "rect": [
       0.0,
       26.0,
       1040.0,
       564.0
      ],
      "bglocked": 0,
      "openinpresentation": 0,
      "default_fontsize": 12.0,
      "default_fontface": 0,
      "default_fontname": "Arial",
      "gridonopen": 1,
      "gridsize": [
       15.0,
       15.0
      ],
      "gridsnaponopen": 1,
      "objectsnaponopen": 1,
      "statusbarvisible": 2,
      "toolbarvisible": 1,
      "boxanimatetime": 200,
      "enablehscroll": 1,
      "enablevscroll": 1,
      "devicewidth": 0.0,
      "description": "",
      "digest": "",
      "tags": "",
      "style": "",
      "subpatcher_template": "",
      "showontab": 1,
      "boxes": [
       {
        "box": {
         "id": "obj-1",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          15.0,
          1000.0,
          20.0
         ],
         "text": "Where grains sound among the channels."
        }
       },
       {
        "box": {
         "id": "obj-2",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          40.0,
          49.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
        }
       },
       {
        "box": {
         "id": "obj-4",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          46.0,
          77.0,
          63.0,
          22.0
         ],
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          77.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
        }
       },
       {
        "box": {
         "id": "obj-6",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          105.0,
          84.0,
          22.0
         ],
         "text": "setWidth 1"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "random places over the whole width: every channel"
        }
       },
       {
        "box": {
         "id": "obj-8",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          58.0,
          133.0,
          63.0,
          22.0
         ],
         "text": "chans 4"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "4 channels from the next time the audio starts (1 to 64)"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          64.0,
          161.0,
          77.0,
          22.0
         ],
         "text": "outmode 1"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "a channel for each voice: voice k on channel k mod chans + 1"
        }
       },
       {
        "box": {
         "id": "obj-12",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          70.0,
          189.0,
          77.0,
          22.0
         ],
         "text": "outmode 0"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "speakers: each grain between the two channels nearest its place"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          76.0,
          217.0,
          77.0,
          22.0
         ],
         "text": "panmode 1"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "the channels on a circle: the last is next to the first"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          82.0,
          245.0,
          77.0,
          22.0
         ],
         "text": "panmode 0"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "the channels on a line, 1 to chans"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          88.0,
          273.0,
          98.0,
          22.0
         ],
         "text": "setChannel 3"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          273.0,
          620.0,
          20.0
         ],
         "text": "every grain on channel 3"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          94.0,
          301.0,
          98.0,
          22.0
         ],
         "text": "setChannel 0"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          301.0,
          620.0,
          20.0
         ],
         "text": "channels as outmode places them"
        }
       },
       {
        "box": {
         "id": "obj-22",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          100.0,
          329.0,
          133.0,
          22.0
         ],
         "text": "setRndChannel 0.5"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          329.0,
          620.0,
          20.0
         ],
         "text": "half the grains on a channel drawn at random"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          106.0,
          357.0,
          119.0,
          22.0
         ],
         "text": "setRndChannel 0"
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          249.0,
          357.0,
          620.0,
          20.0
         ],
         "text": "no random channels"
        }
       },
       {
        "box": {
         "id": "obj-26",
         "maxclass": "newobj",
         "numinlets": 7,
         "numoutlets": 3,
         "outlettype": [
          "multichannelsignal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          399.0,
          406.0,
          22.0
         ],
         "text": "mc.burst.zun~ burst-sine burst-window burst-saw @chans 8"
        }
       },
       {
        "box": {
         "id": "obj-27",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          436.0,
          399.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-28",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 1,
         "outlettype": [
          "multichannelsignal"
         ],
         "patching_rect": [
          20.0,
          439.0,
          105.0,
          22.0
         ],
         "text": "mc.mixdown~ 2"
        }
       },
       {
        "box": {
         "id": "obj-29",
         "maxclass": "newobj",
         "numinlets": 1,
         "numoutlets": 2,
         "outlettype": [
          "signal",
          "signal"
         ],
         "patching_rect": [
          20.0,
          469.0,
          98.0,
          22.0
         ],
         "text": "mc.unpack~ 2"
        }
       },
       {
        "box": {
         "id": "obj-30",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          130.0,
          439.0,
          300.0,
          20.0
         ],
         "text": "every channel folded into two"
        }
       },
       {
        "box": {
         "id": "obj-31",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          499.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-32",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          511.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       }
      ],
      "lines": [
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-2",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-4",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-6",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-8",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-10",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-12",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-14",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-16",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-18",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-20",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-22",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-26",
          0
         ],
         "source": [
          "obj-24",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-28",
          0
         ],
         "source": [
          "obj-26",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-29",
          0
         ],
         "source": [
          "obj-28",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-31",
          0
         ],
         "source": [
          "obj-29",
          0
         ]
        }
       },
       {
        "patchline": {
         "destination": [
          "obj-31",
          1
         ],
         "source": [
          "obj-29",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      709.0,
      85.0,
      84.0,
      22.0
     ],
     "text": "p channels",
     "varname": "channels_tab"
    }
   }
  ],
  "lines": []
 }
}
