#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The most recently used files, newest first, kept in the profile.
class CRecentFileList
{
public:
    static constexpr int kSize = 4;

    void load(QSettings &settings);
    void save(QSettings &settings) const;
    // Moves (or adds) the file to the top; the oldest falls off past kSize.
    void add(const QString &path);
    void remove(const QString &path);
    const QStringList &files() const { return m_files; }

private:
    QStringList m_files;
};
