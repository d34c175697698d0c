// A check that stops the fuzzer with a message when an invariant breaks, the
// tests' ways of building a document and running its operations, and the
// small drawing that merges and pastes go into.
#pragma once

#include "../tests/model/TestAccess.h"

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// A new drawing with a second text, three points, a polygon on them and a
// text figure, which is selected.
inline CPluvoDoc SmallDrawing() {
    CPluvoDoc doc;
    Writable(doc).texts.push_back("tweede");
    Writable(doc).points = {{1, 2}, {3, 4}, {5, 6}};
    doc.current.FiguurType = Polygoon;
    doc.current.nHoek = 3;
    AppendFigure(doc);
    doc.current.FiguurType = Tekst;
    doc.current.TekstIndex = 1;
    AppendFigure(doc);
    WritableSelection(doc) = {1};
    return doc;
}
