// Seeded, deterministic drawings of a chosen size for the benchmarks.
#pragma once

#include "../../tests/model/TestAccess.h"
#include "model/CPluvoDoc.h"

#include <cstddef>
#include <cstdint>

// A drawing of figureCount figures spread over 1920x1080: about 30 % lines
// (half of width 1, one in five dotted), 14 % each ellipses, circles and
// rectangles, 12 % regular polygons, 12 % free polygons whose points are
// appended to the point list, and 4 % texts over a few texts and fonts. The
// same seed gives the same drawing on every machine and standard library.
CPluvoDoc GenerateDrawing(std::size_t figureCount, std::uint32_t seed = 1);

// The drawing of GenerateDrawing(figureCount), made once per size and kept
// for the rest of the run, since making a large one costs more than most
// measurements.
CPluvoDoc& CachedDrawing(std::size_t figureCount);

// The canvas size the benchmarks paint.
inline constexpr int kBenchWidth = 1920;
inline constexpr int kBenchHeight = 1080;
