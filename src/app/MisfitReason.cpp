#include "app/MisfitReason.h"

#include "model/CPluvoDoc.h"
#include "model/Win1252.h"

#include <QCoreApplication>

namespace {

// The texts of the refusals, in the interface's language.
struct Misfits {
    Q_DECLARE_TR_FUNCTIONS(Misfits)
};

// A text or face name as the message quotes it: its start, with control
// characters shown as "?".
QString Quoted(std::string_view stored) {
    constexpr std::size_t kShown = 20;
    QString shown = QString::fromStdString(Win1252ToUtf8(stored.substr(0, kShown)));
    for (QChar& c : shown)
        if (c.unicode() < 0x20) c = u'?';
    if (stored.size() > kShown) shown += u'\u2026';
    return u'"' + shown + u'"';
}

QString TextNamed(const CPluvoDoc& doc, std::int64_t item) {
    return Misfits::tr("tekst %1 (%2)")
        .arg(item + 1)
        .arg(Quoted(doc.drawing().texts[static_cast<std::size_t>(item)]));
}

QString FontNamed(const CPluvoDoc& doc, std::int64_t item) {
    return Misfits::tr("lettertype %1 (%2)")
        .arg(item + 1)
        .arg(Quoted(doc.drawing().fonts[static_cast<std::size_t>(item)].FaceName()));
}

QString FigureNamed(std::int64_t item) {
    return item < 0 ? Misfits::tr("de actieve figuur") : Misfits::tr("figuur %1").arg(item + 1);
}

QString WhatDoesNotFit(const CPluvoDoc& doc, const Misfit& m) {
    using K = Misfit::Kind;
    switch (m.kind) {
    case K::None:
        break;
    case K::TextZeroByte:
        return Misfits::tr("%1 bevat een nulteken").arg(TextNamed(doc, m.item));
    case K::TextLineFeed:
        return Misfits::tr("%1 bevat een regeleinde").arg(TextNamed(doc, m.item));
    case K::TextEndsInBlank:
        return Misfits::tr("%1 eindigt op witruimte").arg(TextNamed(doc, m.item));
    case K::TextControl:
        return Misfits::tr("%1 bevat een stuurteken").arg(TextNamed(doc, m.item));
    case K::FaceEndsInBlank:
        return Misfits::tr("de naam van %1 eindigt op witruimte").arg(FontNamed(doc, m.item));
    case K::FaceLineFeed:
        return Misfits::tr("de naam van %1 bevat een regeleinde").arg(FontNamed(doc, m.item));
    case K::FaceTooLong:
        return Misfits::tr("de naam van %1 is langer dan 31 tekens").arg(FontNamed(doc, m.item));
    case K::FaceHiddenBytes:
        return Misfits::tr("%1 heeft tekens na het einde van zijn naam")
            .arg(FontNamed(doc, m.item));
    case K::FaceControl:
        return Misfits::tr("de naam van %1 bevat een stuurteken").arg(FontNamed(doc, m.item));
    case K::SettingNotByte:
        return Misfits::tr("%1 is %2, buiten 0 tot en met 255")
            .arg(m.item == 0 ? QStringLiteral("MetCoord") : QStringLiteral("MetRaster"))
            .arg(m.value);
    case K::FileReserved:
        return Misfits::tr("het gereserveerde veld (FileReserved) is %1 en niet 0").arg(m.value);
    case K::NoText:
        return Misfits::tr("de tekening heeft geen teksten");
    case K::NoFont:
        return Misfits::tr("de tekening heeft geen lettertypen");
    case K::TextIndexPast:
        return Misfits::tr("%1 verwijst naar tekst %2, die er niet is")
            .arg(FigureNamed(m.item))
            .arg(m.value + 1);
    case K::FontIndexPast:
        return Misfits::tr("%1 verwijst naar lettertype %2, dat er niet is")
            .arg(FigureNamed(m.item))
            .arg(m.value + 1);
    case K::ValueWraps:
        return Misfits::tr("%1 ligt te ver weg; zijn getallen passen niet in 32 bits")
            .arg(FigureNamed(m.item));
    }
    return {};
}

} // namespace

QString MisfitReason(const CPluvoDoc& doc, DrawingFormat format, const Misfit& misfit) {
    QString holder;
    switch (format) {
    case DrawingFormat::Binary:
        holder = Misfits::tr("een tekeningbestand kan deze tekening niet precies bewaren");
        break;
    case DrawingFormat::Text:
        holder = Misfits::tr("een tekstbestand kan deze tekening niet precies bewaren");
        break;
    case DrawingFormat::Svg:
        holder = Misfits::tr("SVG kan deze tekening niet precies weergeven");
        break;
    }
    return QStringLiteral("%1 (%2)").arg(holder, WhatDoesNotFit(doc, misfit));
}
