#include "DrawingChange.h"

namespace {

template <class T> std::size_t BytesOf(const std::vector<T>& list) {
    return list.capacity() * sizeof(T);
}

std::size_t BytesOf(const std::vector<std::string>& list) {
    std::size_t bytes = list.capacity() * sizeof(std::string);
    for (const std::string& s : list) bytes += s.capacity() > 15 ? s.capacity() : 0;
    return bytes;
}

template <class T> std::size_t BytesOf(const std::vector<ListPatch<T>>& patches) {
    std::size_t bytes = patches.capacity() * sizeof(ListPatch<T>);
    for (const ListPatch<T>& patch : patches) {
        bytes += patch.runs.capacity() * sizeof(typename ListPatch<T>::Run);
        for (const auto& run : patch.runs) bytes += BytesOf(run.removed) + BytesOf(run.inserted);
        if (patch.after) bytes += BytesOf(*patch.after);
        if (patch.before && !patch.beforeInUndoCopy) bytes += BytesOf(*patch.before);
    }
    return bytes;
}

template <class T> void UndoAll(const std::vector<ListPatch<T>>& patches, std::vector<T>& list) {
    for (auto p = patches.rbegin(); p != patches.rend(); ++p) p->Undo(list);
}

template <class T> void RedoAll(const std::vector<ListPatch<T>>& patches, std::vector<T>& list) {
    for (const ListPatch<T>& patch : patches) patch.Redo(list);
}

template <class T>
void SummariseAll(const std::vector<ListPatch<T>>& patches, std::vector<ListRun>& out,
                  ListDirection direction) {
    if (direction == ListDirection::Forward)
        for (const ListPatch<T>& patch : patches) patch.Summarise(out, direction);
    else
        for (auto p = patches.rbegin(); p != patches.rend(); ++p) p->Summarise(out, direction);
}

void Append(std::vector<ListRun>& to, const std::vector<ListRun>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace

void ChangeSummary::Then(const ChangeSummary& later) {
    Append(figures, later.figures);
    Append(points, later.points);
    Append(texts, later.texts);
    Append(fonts, later.fonts);
    settings = settings || later.settings;
    selection = selection || later.selection;
    replaced = replaced || later.replaced;
}

std::size_t DrawingChange::Bytes() const {
    return sizeof(DrawingChange) + BytesOf(figures) + BytesOf(points) + BytesOf(texts) +
           BytesOf(fonts);
}

void DrawingChange::Undo(Drawing& drawing) const {
    UndoAll(figures, drawing.figures);
    UndoAll(points, drawing.points);
    UndoAll(texts, drawing.texts);
    UndoAll(fonts, drawing.fonts);
    if (settings) drawing.Settings() = settings->first;
}

void DrawingChange::Redo(Drawing& drawing) const {
    RedoAll(figures, drawing.figures);
    RedoAll(points, drawing.points);
    RedoAll(texts, drawing.texts);
    RedoAll(fonts, drawing.fonts);
    if (settings) drawing.Settings() = settings->second;
}

void DrawingChange::Summarise(ChangeSummary& summary, ListDirection direction) const {
    SummariseAll(figures, summary.figures, direction);
    SummariseAll(points, summary.points, direction);
    SummariseAll(texts, summary.texts, direction);
    SummariseAll(fonts, summary.fonts, direction);
    if (settings) summary.settings = true;
}
