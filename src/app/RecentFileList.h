// The recent-file list of the "&Bestand" menu: at most ten drawings, most
// recent first, kept in the settings under "Recent File List".
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

class RecentFileList {
public:
    static constexpr int kSize = 10;
    // Menus show at most this many characters of a path.
    static constexpr int kMenuLength = 30;

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // Puts the file first; an entry for the same file moves up instead of
    // doubling, and the eleventh falls off.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Paths() const { return m_paths; }

    // The path as the menu shows it: "~" for the home folder, and a long
    // path shortened to its end ("/.../tekeningen/plan.plv"), always keeping
    // at least the file's name.
    static QString MenuName(const QString& path, int length = kMenuLength);

private:
    QStringList m_paths;
};
