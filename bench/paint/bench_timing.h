#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "paint/bitmap32.h"

// Side-by-side timing: each contender runs in turns, the best of the runs
// counts, and the line printed gives both times and our time / peer time.
namespace bench {

template <typename F>
double BestMilliseconds(F&& run, int rounds) {
  double best = 1e30;
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

template <typename Ours, typename Peer>
void Compare(const char* what, const char* peer_name, Ours&& ours, Peer&& peer, int rounds) {
  // Alternate so that both see the same machine state.
  double best_ours = 1e30, best_peer = 1e30;
  for (int i = 0; i < rounds; ++i) {
    best_ours = std::min(best_ours, BestMilliseconds(ours, 1));
    best_peer = std::min(best_peer, BestMilliseconds(peer, 1));
  }
  std::printf("%-44s ours %9.3f ms  %-22s %9.3f ms  ratio %.2f\n", what, best_ours, peer_name, best_peer,
              best_ours / best_peer);
}

inline vorlan::paint::TBitmap32 RandomBitmap(int w, int h, unsigned seed) {
  vorlan::paint::TBitmap32 bmp(w, h, vorlan::paint::TRowOrder::TopDown);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.Row(y)[x] = rng();
  return bmp;
}

}  // namespace bench
