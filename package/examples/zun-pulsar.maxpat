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
   1205.0,
   418.0
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
  "description": "Four pulsar sounds from one burst.zun~",
  "digest": "",
  "tags": "",
  "style": "",
  "subpatcher_template": "",
  "boxes": [
   {
    "box": {
     "fontsize": 18.0,
     "id": "obj-1",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      20.0,
      15.0,
      238.0,
      30.0
     ],
     "text": "Pulsar synthesis with burst.zun~"
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
      45.0,
      900.0,
      20.0
     ],
     "text": "Click a sound; each message sets the parameters, then starts the stream. The sine pulsarets morph into squares under a Gaussian window."
    }
   },
   {
    "box": {
     "id": "obj-3",
     "maxclass": "newobj",
     "numinlets": 1,
     "numoutlets": 2,
     "outlettype": [
      "float",
      "bang"
     ],
     "patching_rect": [
      20.0,
      80.0,
      238.0,
      22.0
     ],
     "text": "buffer~ pulsar-sine zun-sine.wav"
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
      273.0,
      80.0,
      266.0,
      22.0
     ],
     "text": "buffer~ pulsar-bell zun-gaussian.wav"
    }
   },
   {
    "box": {
     "id": "obj-5",
     "maxclass": "newobj",
     "numinlets": 1,
     "numoutlets": 2,
     "outlettype": [
      "float",
      "bang"
     ],
     "patching_rect": [
      554.0,
      80.0,
      266.0,
      22.0
     ],
     "text": "buffer~ pulsar-square zun-square.wav"
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
      20.0,
      150.0,
      63.0,
      22.0
     ],
     "text": "start 0"
    }
   },
   {
    "box": {
     "id": "obj-7",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      20.0,
      128.0,
      75.0,
      20.0
     ],
     "text": "stop"
    }
   },
   {
    "box": {
     "id": "obj-8",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      100.0,
      128.0,
      260.0,
      20.0
     ],
     "text": "slow pulse"
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
      100.0,
      150.0,
      260.0,
      22.0
     ],
     "text": "setDensity 4, setLength 150, setCps 110, setRndCps 0, setGlisson 0, setRndGlisson 0, setMorph 0, setRndMorph 0, setBurstRest 0, setRndMask 0, setWidth 0.3, setLevel 0.4, start 1"
    }
   },
   {
    "box": {
     "id": "obj-10",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      375.0,
      128.0,
      260.0,
      20.0
     ],
     "text": "chirps, band-limited"
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
      375.0,
      150.0,
      260.0,
      22.0
     ],
     "text": "setDensity 12, setLength 90, setCps 880, setRndCps 2, setGlisson 6, setRndGlisson 3, setMorph 1, setBurstRest 0, setRndMask 0, bandlimit 1, setWidth 1, setLevel 0.25, start 1"
    }
   },
   {
    "box": {
     "id": "obj-12",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      650.0,
      128.0,
      260.0,
      20.0
     ],
     "text": "buzz"
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
      650.0,
      150.0,
      260.0,
      22.0
     ],
     "text": "setDensity 60, setLength 30, setCps 220, setRndCps 0.5, setGlisson -2, setRndGlisson 0, setMorph 0.5, setRndMorph 0.5, setBurstRest 0, setRndMask 0, setWidth 0.9, setLevel 0.2, start 1"
    }
   },
   {
    "box": {
     "id": "obj-14",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      925.0,
      128.0,
      260.0,
      20.0
     ],
     "text": "a masked tone"
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
      925.0,
      150.0,
      260.0,
      22.0
     ],
     "text": "setDensity 110, subsample 1, setLength 12, setCps 880, setRndCps 0, setGlisson 0, setRndGlisson 0, setMorph 0.3, setRndMorph 0, setBurstPlay 6, setBurstRest 2, setRndMask 0.1, setWidth 0.5, setLevel 0.2, start 1"
    }
   },
   {
    "box": {
     "id": "obj-16",
     "maxclass": "newobj",
     "numinlets": 7,
     "numoutlets": 4,
     "outlettype": [
      "signal",
      "signal",
      "int",
      "list"
     ],
     "patching_rect": [
      20.0,
      258.0,
      350.0,
      22.0
     ],
     "text": "burst.zun~ pulsar-sine pulsar-bell pulsar-square"
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
      386.0,
      258.0,
      42.0,
      22.0
     ],
     "text": "info"
    }
   },
   {
    "box": {
     "id": "obj-18",
     "maxclass": "number",
     "numinlets": 1,
     "numoutlets": 2,
     "outlettype": [
      "",
      "bang"
     ],
     "parameter_enable": 0,
     "patching_rect": [
      386.0,
      298.0,
      50.0,
      22.0
     ]
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
      338.0,
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
      350.0,
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
      "obj-9",
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
      "obj-11",
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
      "obj-13",
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
      "obj-15",
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
      "obj-17",
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
      2
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
      "obj-16",
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
      "obj-16",
      1
     ]
    }
   }
  ]
 }
}
