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

  // One voice on its own, through its own routine.
  void render(zunGrain& voice, double* out, int count) const;
};

// Renders several voices at once, one per SIMD lane, with the widest vectors
// this processor has (chosen at run time). Each lane performs exactly the
// operations of the voice's own routine, in the same order, so every sample
// and every voice's end state are identical to rendering the voices one by
// one; only independent voices share an instruction.
constexpr int zunMaxGroupLanes = 16;

// Voices rendered together on this processor.
int zunGroupLanes();

// Whether the group renderer takes this job with voices in `mode`: modes 0
// and 1, tables that exist and whose frames index as 32-bit integers.
bool zunGroupRenders(const zunRenderJob& job, int mode);

// Renders voices[v] (v < count <= zunGroupLanes()), all sounding and all in
// interpolation mode `mode`, from sample offsets[v] to n - 1 of the block,
// into rows[v][offsets[v]] .. rows[v][n - 1].
void zunRenderGroup(const zunRenderJob& job, int mode, zunGrain* const* voices,
                    const int* offsets, int count, int n, double* const* rows);
