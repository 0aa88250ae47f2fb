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
   1142.0,
   630.0
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
  "description": "A tone and a noise granulated side by side",
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
      252.0,
      30.0
     ],
     "text": "Sample granulation with cloud.zun~"
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
     "text": "Two clouds: a sawtooth tone under a Hann window, and noise in short percussive grains. Click a sound for each."
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
      252.0,
      22.0
     ],
     "text": "buffer~ cloud-ex-tone zun-tone.wav"
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
      287.0,
      80.0,
      266.0,
      22.0
     ],
     "text": "buffer~ cloud-ex-window zun-hann.wav"
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
      568.0,
      80.0,
      266.0,
      22.0
     ],
     "text": "buffer~ cloud-ex-noise zun-noise.wav"
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
      849.0,
      80.0,
      273.0,
      22.0
     ],
     "text": "buffer~ cloud-ex-perc zun-expodec.wav"
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
     "id": "obj-8",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      20.0,
      128.0,
      75.0,
      20.0
     ],
     "text": "stop the tone"
    }
   },
   {
    "box": {
     "id": "obj-9",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      100.0,
      128.0,
      260.0,
      20.0
     ],
     "text": "a fifth up, forwards"
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
      100.0,
      150.0,
      260.0,
      22.0
     ],
     "text": "reverse 0, setScanSpeed 0, setRndPosition 0, setPanningLaw 0, setPitch 7, setRndPitch 0.5, setDensity 30, setLength 80, setPhase 0.2, setWidth 0.8, setLevel 0.2, start 1"
    }
   },
   {
    "box": {
     "id": "obj-11",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      375.0,
      128.0,
      260.0,
      20.0
     ],
     "text": "an octave down, backwards"
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
      375.0,
      150.0,
      260.0,
      22.0
     ],
     "text": "reverse 1, setScanSpeed 0, setRndPosition 0, setPanningLaw 0, setPitch -12, setRndPitch 0.2, setDensity 20, setLength 120, setSamplePosition 1500, setWidth 0.5, setLevel 0.25, start 1"
    }
   },
   {
    "box": {
     "id": "obj-13",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      650.0,
      128.0,
      260.0,
      20.0
     ],
     "text": "stretched to twice its length"
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
      650.0,
      150.0,
      260.0,
      22.0
     ],
     "text": "reverse 0, setPhase 0, setScanSpeed 0.5, setRndPosition 20, setPitch 0, setRndPitch 0, setDensity 40, setLength 100, setPanningLaw 1, setWidth 0.7, setLevel 0.2, start 1"
    }
   },
   {
    "box": {
     "id": "obj-15",
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
      294.0,
      22.0
     ],
     "text": "cloud.zun~ cloud-ex-tone cloud-ex-window"
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
      330.0,
      258.0,
      42.0,
      22.0
     ],
     "text": "info"
    }
   },
   {
    "box": {
     "id": "obj-17",
     "maxclass": "number",
     "numinlets": 1,
     "numoutlets": 2,
     "outlettype": [
      "",
      "bang"
     ],
     "parameter_enable": 0,
     "patching_rect": [
      330.0,
      298.0,
      50.0,
      22.0
     ]
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
      20.0,
      362.0,
      63.0,
      22.0
     ],
     "text": "start 0"
    }
   },
   {
    "box": {
     "id": "obj-19",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      20.0,
      340.0,
      75.0,
      20.0
     ],
     "text": "stop the noise"
    }
   },
   {
    "box": {
     "id": "obj-20",
     "maxclass": "comment",
     "numinlets": 1,
     "numoutlets": 0,
     "patching_rect": [
      100.0,
      340.0,
      260.0,
      20.0
     ],
     "text": "rain"
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
      100.0,
      362.0,
      260.0,
      22.0
     ],
     "text": "setDensity 40, setRndDensity 0.8, setLength 20, setRndLength 0.5, setRndLevel 12, setWidth 1, setLevel 0.1, start 1"
    }
   },
   {
    "box": {
     "id": "obj-22",
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
      470.0,
      287.0,
      22.0
     ],
     "text": "cloud.zun~ cloud-ex-noise cloud-ex-perc"
    }
   },
   {
    "box": {
     "id": "obj-23",
     "maxclass": "message",
     "numinlets": 2,
     "numoutlets": 1,
     "outlettype": [
      ""
     ],
     "patching_rect": [
      323.0,
      470.0,
      42.0,
      22.0
     ],
     "text": "info"
    }
   },
   {
    "box": {
     "id": "obj-24",
     "maxclass": "number",
     "numinlets": 1,
     "numoutlets": 2,
     "outlettype": [
      "",
      "bang"
     ],
     "parameter_enable": 0,
     "patching_rect": [
      323.0,
      510.0,
      50.0,
      22.0
     ]
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
      550.0,
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
      562.0,
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
      "obj-15",
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
      "obj-15",
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
      "obj-15",
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
      "obj-15",
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
      "obj-15",
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
      "obj-17",
      0
     ],
     "source": [
      "obj-15",
      2
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
      "obj-21",
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
      "obj-23",
      0
     ]
    }
   },
   {
    "patchline": {
     "destination": [
      "obj-24",
      0
     ],
     "source": [
      "obj-22",
      2
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
      "obj-15",
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
      "obj-15",
      1
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
      "obj-22",
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
      "obj-22",
      1
     ]
    }
   }
  ]
 }
}
