// skingen OUTDIR: draws the internal skin "Rorur Udari (internal)" into OUTDIR
// (Options.dat and its five images).
#include <cstdio>
#include <exception>
#include <string>

#include "images.h"
#include "master.h"
#include "options.h"
#include "writers.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: skingen OUTDIR\n", stderr);
    return 2;
  }
  try {
    using namespace skingen;
    const std::string dir = std::string(argv[1]) + "/";
    const std::string options = BuildOptions();
    WriteFile(dir + "Options.dat", Bytes(options.begin(), options.end()));
    WriteFile(dir + "BtnHuge.bmp", EncodeBmp(DrawButtonHuge()));
    WriteFile(dir + "Master copy.bmp", EncodeBmp(DrawMaster()));
    WriteFile(dir + "Net.bmp", EncodeBmp(DrawNet()));
    WriteFile(dir + "ExtBorder.png", EncodePng(DrawExtBorder(), PngDeflate::kBest,
                                               "Rorur Udari (internal): window shadows, inactive and active.", 33801));
    WriteFile(dir + "GlowEdit.png", EncodePng(DrawGlowEdit(), PngDeflate::kStored,
                                              "Rorur Udari (internal): focus glow of edits and buttons.", 3171));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
}
