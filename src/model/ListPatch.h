// What one change did to one of the drawing's lists: the runs of entries it
// replaced, with their values before and after, so that it can be undone and
// done again at a cost in proportion to the change, and so that whoever
// follows the drawing (the view, its caches) learns which entries moved.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

// Where a change replaced entries of a list: `removed` entries at `at` made
// way for `inserted` ones. Runs are told in the order they were made, each
// at its position in the list as it stood just before it.
struct ListRun {
    std::size_t at = 0;
    std::size_t removed = 0;
    std::size_t inserted = 0;
    friend bool operator==(const ListRun&, const ListRun&) = default;
};

// Whether a patch is made (a change, or a step forward through the history)
// or undone (a step back).
enum class ListDirection { Forward, Backward };

template <class T> struct ListPatch {
    // One stretch: `removed` stood at `at` in the list before the patch,
    // `inserted` stands there after it.
    struct Run {
        std::size_t at = 0;
        std::vector<T> removed;
        std::vector<T> inserted;
    };
    // Disjoint stretches, ascending by their place in the list before.
    std::vector<Run> runs;
    // A whole list replaced: the lists before and after, shared where they
    // are kept elsewhere already (the undo copy, the replaced drawing).
    std::shared_ptr<const std::vector<T>> before;
    std::shared_ptr<const std::vector<T>> after;
    // Whether `before` is the undo copy's list, whose memory the undo copy
    // accounts for.
    bool beforeInUndoCopy = false;

    bool Whole() const { return before != nullptr; }
    bool Empty() const { return !Whole() && runs.empty(); }

    void Redo(std::vector<T>& list) const {
        if (Whole()) {
            list = *after;
            return;
        }
        Apply(list, runs, &Run::removed, &Run::inserted, Side::Before);
    }
    void Undo(std::vector<T>& list) const {
        if (Whole()) {
            list = *before;
            return;
        }
        Apply(list, runs, &Run::inserted, &Run::removed, Side::After);
    }

    // The runs as a redo (forward) or an undo (backward) makes them.
    void Summarise(std::vector<ListRun>& out, ListDirection direction) const {
        const bool forward = direction == ListDirection::Forward;
        if (Whole()) {
            const std::size_t from = (forward ? before : after)->size();
            const std::size_t to = (forward ? after : before)->size();
            out.push_back({0, from, to});
            return;
        }
        // Told from the front: a run's place is the list's as the runs
        // before it left it. Done forward those runs changed the length in
        // front of it; undone they stand as they were before the patch.
        std::ptrdiff_t shift = 0;
        for (const Run& run : runs) {
            const std::size_t removed = forward ? run.removed.size() : run.inserted.size();
            const std::size_t inserted = forward ? run.inserted.size() : run.removed.size();
            out.push_back({static_cast<std::size_t>(static_cast<std::ptrdiff_t>(run.at) + shift),
                           removed, inserted});
            if (forward)
                shift += static_cast<std::ptrdiff_t>(inserted) - static_cast<std::ptrdiff_t>(removed);
        }
    }

private:
    enum class Side { Before, After };
    using Values = std::vector<T> Run::*;

    // Replaces, run by run, the `out` values with the `in` ones. The runs'
    // places are those of the list before the patch; going backward they
    // shift by what each earlier run changed in length.
    static void Apply(std::vector<T>& list, const std::vector<Run>& runs, Values out, Values in,
                      Side side) {
        const bool sameLength = std::all_of(runs.begin(), runs.end(), [&](const Run& run) {
            return (run.*out).size() == (run.*in).size();
        });
        if (sameLength) {
            // Entries changed in place: no entry moves.
            for (const Run& run : runs)
                std::copy((run.*in).begin(), (run.*in).end(),
                          list.begin() + static_cast<std::ptrdiff_t>(run.at));
            return;
        }
        const auto placeOf = [&](const Run& run, std::ptrdiff_t shift) {
            return side == Side::Before ? run.at
                                        : static_cast<std::size_t>(
                                              static_cast<std::ptrdiff_t>(run.at) + shift);
        };
        if (runs.size() == 1) {
            const Run& run = runs.front();
            const auto first = list.begin() + static_cast<std::ptrdiff_t>(placeOf(run, 0));
            const auto keep =
                list.erase(first, first + static_cast<std::ptrdiff_t>((run.*out).size()));
            list.insert(keep, (run.*in).begin(), (run.*in).end());
            return;
        }
        // Several runs of other lengths: one pass builds the new list.
        std::vector<T> result;
        std::size_t length = list.size();
        for (const Run& run : runs) length = length - (run.*out).size() + (run.*in).size();
        result.reserve(length);
        std::size_t from = 0;
        std::ptrdiff_t shift = 0;
        for (const Run& run : runs) {
            const std::size_t at = placeOf(run, shift);
            result.insert(result.end(), list.begin() + static_cast<std::ptrdiff_t>(from),
                          list.begin() + static_cast<std::ptrdiff_t>(at));
            result.insert(result.end(), (run.*in).begin(), (run.*in).end());
            from = at + (run.*out).size();
            shift += static_cast<std::ptrdiff_t>((run.*out).size()) -
                     static_cast<std::ptrdiff_t>((run.*in).size());
        }
        result.insert(result.end(), list.begin() + static_cast<std::ptrdiff_t>(from), list.end());
        list = std::move(result);
    }
};
