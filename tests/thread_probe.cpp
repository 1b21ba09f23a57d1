// Tells whether this machine's Windows layer runs threads: starts two and
// joins them. Under Wine on an emulated 32-bit CPU it may not.
#include <cstdio>
#include <thread>

int main() {
  int done[2] = {0, 0};
  std::thread a([&] { done[0] = 1; });
  std::thread b([&] { done[1] = 1; });
  a.join();
  b.join();
  std::printf("threads: %s\n", done[0] + done[1] == 2 ? "ok" : "lost");
  return done[0] + done[1] == 2 ? 0 : 1;
}
