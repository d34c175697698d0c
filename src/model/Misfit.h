// What a file format cannot hold of a drawing. A save or export asks before
// it writes anything, so that a file the editor wrote always reads back as
// the drawing it was written from; the caller says what does not fit.
#pragma once

#include <cstdint>

struct Misfit {
    enum class Kind {
        None,
        // texts[item] holds a zero byte, which ends a text when it is read.
        TextZeroByte,
        // texts[item] holds a line feed, which ends a line of a text file.
        TextLineFeed,
        // texts[item] ends in white space, which a text file's reader drops.
        TextEndsInBlank,
        // texts[item] holds a control character that XML cannot carry.
        TextControl,
        // The face name of fonts[item] ends in white space, ...
        FaceEndsInBlank,
        // ... holds a line feed, ...
        FaceLineFeed,
        // ... fills all 32 bytes, where a text file's reader keeps 31, ...
        FaceTooLong,
        // ... has bytes after its terminator, which a text file leaves out, ...
        FaceHiddenBytes,
        // ... or holds a control character that XML cannot carry.
        FaceControl,
        // MetCoord (item 0) or MetRaster (item 1) is `value`, outside the
        // byte that the files keep.
        SettingNotByte,
        // FileReserved is `value`; a text file does not carry it.
        FileReserved,
        // A text file without texts or fonts is refused by its reader.
        NoText,
        NoFont,
        // figures[item] (item -1: the current figure) names text or font
        // `value`, past the list; a text file's reader refuses that.
        TextIndexPast,
        FontIndexPast,
        // A value that the SVG export computes for figures[item] passes the
        // 32-bit range and would be written wrapped around.
        ValueWraps,
    };
    Kind kind = Kind::None;
    std::int64_t item = 0;
    std::int64_t value = 0;

    explicit operator bool() const { return kind != Kind::None; }
    friend bool operator==(const Misfit&, const Misfit&) = default;
};
