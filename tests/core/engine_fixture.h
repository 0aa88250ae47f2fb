#pragma once

#include <vector>

// Output vectors and all-ones tables for driving an engine vector by vector:
// every sounding grain then adds exactly its level times its gains.
struct EngineRig {
  void prepare(long n) {
    left.assign(n, -1.0);
    right.assign(n, -1.0);
    outs[0] = left.data();
    outs[1] = right.data();
  }
  std::vector<float> wave = std::vector<float>(64, 1.f);
  std::vector<float> window = std::vector<float>(64, 1.f);
  std::vector<double> left, right;
  double* outs[2] = {nullptr, nullptr};
  double previousLast = 0.0;
};
