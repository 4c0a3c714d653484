#include "RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("Recent File List");
QString key(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}
} // namespace

void CRecentFileList::load(QSettings &settings)
{
    m_files.clear();
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(key(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    settings.endGroup();
}

void CRecentFileList::save(QSettings &settings) const
{
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(key(i), m_files.at(i));
        else
            settings.remove(key(i));
    }
    settings.endGroup();
}

void CRecentFileList::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void CRecentFileList::remove(const QString &path)
{
    m_files.removeAll(QFileInfo(path).absoluteFilePath());
}
