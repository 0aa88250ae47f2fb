#pragma once

#include "zunGrain.h"
#include "zunTable.h"

// What the voices of a block render with: the pulsar routine (`morph`: two
// wave tables, deformed window, glissando) or the sample routine (one table,
// plain window, direction), and the tables.
struct zunRenderJob {
  bool morph;
  zunTable wave1;
  zunTable window;
  zunTable wave2;
  // The sample routine on two channels: each voice renders wave1 into the
  // left mix and wave2 into the right.
  bool stereo = false;

  // One voice on its own, through its own routine.
  void render(zunGrain& voice, double* out, int count) const;

  // Unit stride, and in mode 1 and cubic at least two frames: an entry and
  // the next load together.
  bool fastTables(int mode) const;

  // Whether every float of the second wave table is finite, looked through
  // once for the table the job holds, and only where the table is small.
  bool secondWaveFinite() const;
  // What the last look found, and for which table (a copy of a job may
  // hold another).
  mutable zunTable finiteLooked{nullptr, 0, 0};
  mutable bool finite = false;
};

// Renders several voices at once, one per SIMD lane, with the widest vectors
// this processor has (chosen at run time). Each lane performs exactly the
// operations of the voice's own routine, in the same order, so every sample
// and every voice's end state are identical to rendering the voices one by
// one; only independent voices share an instruction.
constexpr int zunMaxGroupLanes = 16;

// Voices rendered together on this processor.
int zunGroupLanes();

// Whether the group renderer takes this job with voices in `mode`: on a
// processor with gather instructions, modes 0, 1 and zunCubicRead, tables
// that exist and whose frames index as 32-bit integers.
bool zunGroupRenders(const zunRenderJob& job, int mode);

// Whether `count` voices in `mode` render faster as a group than one by one.
// Where the group renders a square of samples at a time (linear or cubic,
// fast tables), each voice costs little more than its lane and two voices pay
// already; elsewhere a group costs as much as a full one.
bool zunGroupPays(const zunRenderJob& job, int mode, int count);

// Sounding voices in one read mode (0, 1 or zunCubicRead), in voice order, each with its
// start offset in the block and its two gains.
struct zunGroup {
  zunGrain* voices[zunMaxGroupLanes];
  int offsets[zunMaxGroupLanes];
  double gainLeft[zunMaxGroupLanes];
  double gainRight[zunMaxGroupLanes];
  int count;
};

// Renders the group's voices (count <= zunGroupLanes()), all reading in
// `mode`, from their offsets to sample n - 1 of the
// block, and adds each sample times the voice's gains into `left` and
// `right`, voice after voice in the group's order, as mixing each voice's
// rendering in turn would. The sums in `left` and `right` must have started
// from +0, as cleared buffers do: such a sum is never -0, so adding a zero
// of either sign leaves it as it is, and the renderer may skip such zeros
// or give a zero sample the other sign.
void zunRenderGroup(const zunRenderJob& job, int mode, const zunGroup& group, int n, double* left,
                    double* right);
