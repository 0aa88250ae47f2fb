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
   700.0
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
  "description": "Sample granulation: grains read a sample from a position, forwards or backwards, at a pitch.",
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
      84.0,
      20.0
     ],
     "text": "cloud.zun~"
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
     "text": "Sample granulation: grains read a sample from a position, forwards or backwards, at a pitch."
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
       537.0
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
          168.0,
          32.0
         ],
         "text": "cloud.zun~"
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
         "text": "Sample granulation: grains read a sample from a position, forwards or backwards, at a pitch."
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
         "text": "Each grain is shaped by the window and placed in the stereo field; rate, length, pitch and place vary at random per grain."
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
          191.0,
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
          191.0,
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
         "text": "setDensity 30"
        }
       },
       {
        "box": {
         "id": "obj-10",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          191.0,
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
          191.0,
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
         "text": "setPitch 7"
        }
       },
       {
        "box": {
         "id": "obj-14",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          191.0,
          250.0,
          620.0,
          20.0
         ],
         "text": "playback pitch in semitones (below 128)"
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
          105.0,
          22.0
         ],
         "text": "setPhase 0.25"
        }
       },
       {
        "box": {
         "id": "obj-16",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          191.0,
          278.0,
          620.0,
          20.0
         ],
         "text": "where grains start reading, 0 to 1 of the sample"
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
          98.0,
          22.0
         ],
         "text": "setLevel 0.3"
        }
       },
       {
        "box": {
         "id": "obj-18",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          191.0,
          306.0,
          620.0,
          20.0
         ],
         "text": "amplitude of new grains"
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
          49.0,
          22.0
         ],
         "text": "flush"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          191.0,
          334.0,
          620.0,
          20.0
         ],
         "text": "every sounding grain fades out over 5 ms; its voice is free"
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
         "text": "info"
        }
       },
       {
        "box": {
         "id": "obj-22",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          191.0,
          362.0,
          620.0,
          20.0
         ],
         "text": "sends the number of sounding grains out of outlet 2"
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
          94.0,
          390.0,
          42.0,
          22.0
         ],
         "text": "dump"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          191.0,
          390.0,
          620.0,
          20.0
         ],
         "text": "every attribute out of outlet 2: sent back, they give the same sound"
        }
       },
       {
        "box": {
         "id": "obj-25",
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
          432.0,
          252.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window"
        }
       },
       {
        "box": {
         "id": "obj-26",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          432.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-27",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          472.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-28",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          484.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       },
       {
        "box": {
         "id": "obj-29",
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
          472.0,
          50.0,
          22.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-30",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          255.0,
          472.0,
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
          "obj-25",
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
          "obj-25",
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
          "obj-25",
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
          "obj-25",
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
          "obj-25",
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
          "obj-25",
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
          "obj-25",
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
          "obj-27",
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
          "obj-27",
          1
         ],
         "source": [
          "obj-25",
          1
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
          "obj-25",
          2
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
       448.0
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
         "text": "Every grain draws its own deviations; the position can move by itself."
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
          231.0,
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
          231.0,
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
          231.0,
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
         "text": "setRndLength 0.3"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          231.0,
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
          119.0,
          22.0
         ],
         "text": "setRndPitch 0.5"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          231.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "pitch varies by up to ± half this many semitones"
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
          133.0,
          22.0
         ],
         "text": "setRndPosition 40"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          231.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "start positions spread over x ms around the position"
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
         "text": "setScanSpeed 0.5"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          231.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "the position moves at x times the sample's speed"
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
          133.0,
          22.0
         ],
         "text": "setRndReverse 0.3"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          231.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "each grain reads backwards with probability x"
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
          105.0,
          22.0
         ],
         "text": "setRndLevel 6"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          231.0,
          273.0,
          620.0,
          20.0
         ],
         "text": "each grain's level drops by a random 0 to x dB"
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
          56.0,
          22.0
         ],
         "text": "seed 7"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          231.0,
          301.0,
          620.0,
          20.0
         ],
         "text": "restarts the random stream from 7: the same grains again"
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
          343.0,
          252.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window"
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
          343.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-24",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          383.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          395.0,
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
          "obj-22",
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
          "obj-22",
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
          "obj-22",
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
          "obj-22",
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
          "obj-22",
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
          "obj-22",
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
          "obj-22",
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
          "obj-22",
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
          "obj-20",
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
          0
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
          "obj-22",
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
       700.0
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
         "text": "Voices, direction, the stereo field and how the tables are read."
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
          270.0,
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
          270.0,
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
         "text": "overlap 64"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "how many grains may sound at once, 1 to 128"
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
          77.0,
          22.0
         ],
         "text": "reverse 1"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "grains read the sample backwards"
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
         "text": "reverse 0"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "grains read the sample forwards"
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
         "text": "setWidth 0.8"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "stereo spread (mode 0) or place (mode 1: 0 L, 1 R)"
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
         "text": "setPanningMode 1"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "panning fixed at setWidth"
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
          126.0,
          22.0
         ],
         "text": "setPanningMode 0"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "panning: a random place within setWidth for each grain"
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
         "text": "setPanningLaw 1"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          273.0,
          620.0,
          20.0
         ],
         "text": "pan law: equal power, the same loudness at any width"
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
          119.0,
          22.0
         ],
         "text": "setPanningLaw 0"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          301.0,
          620.0,
          20.0
         ],
         "text": "pan law: linear"
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
         "text": "interp 1"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          329.0,
          620.0,
          20.0
         ],
         "text": "two-point interpolated table reads"
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
         "text": "interp 0"
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          357.0,
          620.0,
          20.0
         ],
         "text": "table reads without interpolation"
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
         "text": "cubic 1"
        }
       },
       {
        "box": {
         "id": "obj-27",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          385.0,
          620.0,
          20.0
         ],
         "text": "four-point cubic table reads, whatever interp says"
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
          63.0,
          22.0
         ],
         "text": "cubic 0"
        }
       },
       {
        "box": {
         "id": "obj-29",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          413.0,
          620.0,
          20.0
         ],
         "text": "table reads as interp says"
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
         "text": "subsample 1"
        }
       },
       {
        "box": {
         "id": "obj-31",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          441.0,
          620.0,
          20.0
         ],
         "text": "exact grain periods: grains start between samples"
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
         "text": "subsample 0"
        }
       },
       {
        "box": {
         "id": "obj-33",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          469.0,
          620.0,
          20.0
         ],
         "text": "grain periods in whole samples"
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
          112.0,
          22.0
         ],
         "text": "triggerInput 1"
        }
       },
       {
        "box": {
         "id": "obj-35",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          497.0,
          620.0,
          20.0
         ],
         "text": "a grain at each upward zero crossing of the signal into the inlet"
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
         "text": "triggerInput 0"
        }
       },
       {
        "box": {
         "id": "obj-37",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          525.0,
          620.0,
          20.0
         ],
         "text": "the inlet's signal is not read"
        }
       },
       {
        "box": {
         "id": "obj-38",
         "maxclass": "newobj",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          "signal"
         ],
         "patching_rect": [
          148.0,
          553.0,
          70.0,
          22.0
         ],
         "text": "cycle~ 3"
        }
       },
       {
        "box": {
         "id": "obj-39",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          270.0,
          553.0,
          620.0,
          20.0
         ],
         "text": "a signal for \"triggerInput 1\": three crossings a second"
        }
       },
       {
        "box": {
         "id": "obj-40",
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
          595.0,
          252.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window"
        }
       },
       {
        "box": {
         "id": "obj-41",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          282.0,
          595.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-42",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          635.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-43",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          647.0,
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-40",
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
          "obj-42",
          1
         ],
         "source": [
          "obj-40",
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
       392.0
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
         "text": "The object reads two buffer~ objects; double-click it to open them."
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
         "text": "buffer~ cloud-tone zun-tone.wav"
        }
       },
       {
        "box": {
         "id": "obj-3",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          307.0,
          49.0,
          620.0,
          20.0
         ],
         "text": "the sample: two seconds of a sawtooth tone"
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
         "text": "buffer~ cloud-window zun-hann.wav"
        }
       },
       {
        "box": {
         "id": "obj-5",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          307.0,
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
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          52.0,
          105.0,
          63.0,
          22.0
         ],
         "text": "start 1"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          307.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "starts the stream: a grain every 1/density seconds"
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
         "text": "start 0"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          307.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "stops new grains; sounding ones finish"
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
          224.0,
          22.0
         ],
         "text": "setbuf cloud-tone cloud-window"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          307.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "binds the sample and the window"
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
          154.0,
          22.0
         ],
         "text": "setSample cloud-tone"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          307.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "binds the sample alone"
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
          189.0,
          22.0
         ],
         "text": "setWindowing cloud-window"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          307.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "binds the window alone"
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
          161.0,
          22.0
         ],
         "text": "setSamplePosition 500"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          307.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "where grains start reading, in ms into the sample"
        }
       },
       {
        "box": {
         "id": "obj-18",
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
          287.0,
          252.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window"
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
          287.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          327.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          339.0,
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
          "obj-18",
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
          "obj-18",
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
          "obj-18",
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
          "obj-18",
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
          "obj-18",
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
          "obj-20",
          1
         ],
         "source": [
          "obj-18",
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
       364.0
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
         "numoutlets": 4,
         "outlettype": [
          "signal",
          "signal",
          "int",
          "list"
         ],
         "patching_rect": [
          20.0,
          259.0,
          252.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window"
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
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          299.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          311.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          200.0,
          299.0,
          900.0,
          20.0
         ],
         "text": "the last grain event: sample voice period length pitch position direction level left right"
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
          200.0,
          321.0,
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
          "obj-18",
          1
         ],
         "source": [
          "obj-16",
          1
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
          "obj-16",
          3
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
       504.0
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
         "text": "Where grains start, the window's shape, the sample's own rate and channels."
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
          234.0,
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
          234.0,
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
          140.0,
          22.0
         ],
         "text": "setRegion 500 1000"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "grain starts keep to 500 to 1000 ms of the sample"
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
          105.0,
          22.0
         ],
         "text": "setRegion 0 0"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "grain starts anywhere in the sample"
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
         "text": "setAttack 0.2"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "the window's rise over a tenth of the grain (1: half)"
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
          84.0,
          22.0
         ],
         "text": "setDecay 1"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "the window's fall over half the grain, as before"
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
          98.0,
          22.0
         ],
         "text": "sampleRate 1"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "pitch 0 plays the sample at its buffer~'s own rate"
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
         "text": "sampleRate 0"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "pitch 0 plays one frame per output sample"
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
         "text": "sampleChannel 2"
        }
       },
       {
        "box": {
         "id": "obj-19",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          273.0,
          620.0,
          20.0
         ],
         "text": "grains read the buffer~'s second channel"
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
          119.0,
          22.0
         ],
         "text": "sampleChannel 0"
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          301.0,
          620.0,
          20.0
         ],
         "text": "grains read the first channel, as before"
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
         "text": "stereoSample 1"
        }
       },
       {
        "box": {
         "id": "obj-23",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          329.0,
          620.0,
          20.0
         ],
         "text": "two channels: stereo grains, the pan a balance"
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
         "text": "stereoSample 0"
        }
       },
       {
        "box": {
         "id": "obj-25",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          234.0,
          357.0,
          620.0,
          20.0
         ],
         "text": "mono grains"
        }
       },
       {
        "box": {
         "id": "obj-26",
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
          399.0,
          252.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window"
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
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          439.0,
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
          451.0,
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
          "obj-28",
          1
         ],
         "source": [
          "obj-26",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      420.0,
      85.0,
      70.0,
      22.0
     ],
     "text": "p sample",
     "varname": "sample_tab"
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
       1040.0,
       336.0
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
          91.0,
          22.0
         ],
         "text": "phasor~ 0.1"
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
         "text": "into the position inlet (1): the grains scan the sample"
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
         "text": "into the pitch inlet (2): a vibrato of -1 to 1 semitone"
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
         "text": "float 7.5"
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
         "text": "a float into an inlet: its message (here setPitch 7.5)"
        }
       },
       {
        "box": {
         "id": "obj-14",
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
          231.0,
          252.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window"
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
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          271.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          283.0,
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
          1
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
          2
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
          2
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
          "obj-16",
          1
         ],
         "source": [
          "obj-14",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      500.0,
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
       1040.0,
       392.0
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
         "text": "Grains of the object's own input, recorded into a ring; positions count back from now."
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
          241.0,
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
          241.0,
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
         "maxclass": "newobj",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          "signal"
         ],
         "patching_rect": [
          52.0,
          105.0,
          84.0,
          22.0
         ],
         "text": "cycle~ 220"
        }
       },
       {
        "box": {
         "id": "obj-7",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          241.0,
          105.0,
          620.0,
          20.0
         ],
         "text": "into the live inlet (6, the rightmost): what the ring records"
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
          119.0,
          22.0
         ],
         "text": "liveBuffer 2000"
        }
       },
       {
        "box": {
         "id": "obj-9",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          241.0,
          133.0,
          620.0,
          20.0
         ],
         "text": "grains read the last 2000 ms of the live inlet, not the sample"
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
          161.0,
          22.0
         ],
         "text": "setSamplePosition 300"
        }
       },
       {
        "box": {
         "id": "obj-11",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          241.0,
          161.0,
          620.0,
          20.0
         ],
         "text": "grains start 300 ms ago, or further: never across now"
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
          70.0,
          22.0
         ],
         "text": "freeze 1"
        }
       },
       {
        "box": {
         "id": "obj-13",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          241.0,
          189.0,
          620.0,
          20.0
         ],
         "text": "the ring stops recording and keeps what it holds"
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
          70.0,
          22.0
         ],
         "text": "freeze 0"
        }
       },
       {
        "box": {
         "id": "obj-15",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          241.0,
          217.0,
          620.0,
          20.0
         ],
         "text": "the ring records again"
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
         "text": "liveBuffer 0"
        }
       },
       {
        "box": {
         "id": "obj-17",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          241.0,
          245.0,
          620.0,
          20.0
         ],
         "text": "grains read the sample again"
        }
       },
       {
        "box": {
         "id": "obj-18",
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
          287.0,
          252.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window"
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
          287.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them"
        }
       },
       {
        "box": {
         "id": "obj-20",
         "maxclass": "ezdac~",
         "numinlets": 2,
         "numoutlets": 0,
         "patching_rect": [
          20.0,
          327.0,
          45.0,
          45.0
         ]
        }
       },
       {
        "box": {
         "id": "obj-21",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          75.0,
          339.0,
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
          "obj-18",
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
          "obj-18",
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
          "obj-18",
          6
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
          "obj-18",
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
          "obj-18",
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
          "obj-18",
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
          "obj-18",
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
          "obj-20",
          1
         ],
         "source": [
          "obj-18",
          1
         ]
        }
       }
      ]
     },
     "patching_rect": [
      587.0,
      85.0,
      56.0,
      22.0
     ],
     "text": "p live",
     "varname": "live_tab"
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
       1150.0,
       476.0
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
         "attr": "sample",
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
         "attr": "windowing",
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
         "attr": "interp",
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
         "attr": "overlap",
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
         "attr": "reverse",
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
         "attr": "level",
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
         "attr": "width",
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
         "attr": "panningMode",
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
         "attr": "length",
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
         "attr": "rndLength",
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
         "attr": "density",
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
         "attr": "rndDensity",
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
         "attr": "pitch",
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
         "attr": "rndPitch",
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
         "attr": "samplePosition",
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
         "attr": "phase",
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
         "attr": "seed",
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
         "attr": "rndPosition",
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
         "attr": "scanSpeed",
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
         "attr": "rndReverse",
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
         "attr": "panningLaw",
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
         "attr": "triggerInput",
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
         "attr": "events",
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
         "attr": "subsample",
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
         "attr": "cubic",
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
         "attr": "region",
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
         "attr": "attack",
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
         "attr": "decay",
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
         "attr": "sampleRate",
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
         "attr": "sampleChannel",
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
         "attr": "stereoSample",
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
         "attr": "steal",
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
         "attr": "liveBuffer",
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
         "attr": "freeze",
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
         "id": "obj-45",
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
          371.0,
          413.0,
          22.0
         ],
         "text": "cloud.zun~ cloud-tone cloud-window @density 20 @level 0.3"
        }
       },
       {
        "box": {
         "id": "obj-46",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          443.0,
          371.0,
          400.0,
          20.0
         ],
         "text": "arguments: the buffer~ names, as \"setbuf\" takes them, then attributes: @name value"
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
          411.0,
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
          423.0,
          105.0,
          20.0
         ],
         "text": "click to hear"
        }
       },
       {
        "box": {
         "id": "obj-49",
         "maxclass": "comment",
         "numinlets": 1,
         "numoutlets": 0,
         "patching_rect": [
          200.0,
          411.0,
          300.0,
          20.0
         ],
         "text": "the last answer out of outlet 2"
        }
       },
       {
        "box": {
         "id": "obj-50",
         "maxclass": "message",
         "numinlets": 2,
         "numoutlets": 1,
         "outlettype": [
          ""
         ],
         "patching_rect": [
          200.0,
          433.0,
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-45",
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
          "obj-43",
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
       },
       {
        "patchline": {
         "destination": [
          "obj-50",
          1
         ],
         "source": [
          "obj-45",
          2
         ]
        }
       }
      ]
     },
     "patching_rect": [
      653.0,
      85.0,
      98.0,
      22.0
     ],
     "text": "p attributes",
     "varname": "attributes_tab"
    }
   }
  ],
  "lines": []
 }
}
