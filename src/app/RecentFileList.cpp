#include "RecentFileList.h"

#include <QDir>
#include <QFileInfo>

void RecentFileList::Load(QSettings& settings) {
    m_paths.clear();
    settings.beginGroup("Recent File List");
    for (int i = 1; i <= kSize; ++i) {
        const QString path = settings.value(QString("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_paths.contains(path)) m_paths.append(path);
    }
    settings.endGroup();
}

void RecentFileList::Save(QSettings& settings) const {
    settings.beginGroup("Recent File List");
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QString("File%1").arg(i);
        if (i <= m_paths.size())
            settings.setValue(key, m_paths[i - 1]);
        else
            settings.remove(key);
    }
    settings.endGroup();
}

void RecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > kSize) m_paths.removeLast();
}

void RecentFileList::Remove(const QString& path) { m_paths.removeAll(path); }

QString RecentFileList::MenuName(const QString& path, int length) {
    QString shown = path;
    const QString home = QDir::homePath();
    if (home.size() > 1 && (shown == home || shown.startsWith(home + '/')))
        shown = '~' + shown.mid(home.size());
    if (shown.size() <= length) return shown;
    const QString name = QFileInfo(shown).fileName();
    const QString root = shown.startsWith('~') ? QString("~/") : QString("/");
    // The tail of whole folders that still fits after the root and "...".
    QString tail = name;
    QStringList folders = QFileInfo(shown).path().split('/', Qt::SkipEmptyParts);
    if (!folders.isEmpty() && (folders.first() == "~")) folders.removeFirst();
    for (qsizetype i = folders.size() - 1; i >= 0; --i) {
        const QString longer = folders[i] + '/' + tail;
        if (root.size() + 4 + longer.size() > length) break;
        tail = longer;
    }
    const QString shortened = root + ".../" + tail;
    return shortened.size() <= length ? shortened : name;
}
