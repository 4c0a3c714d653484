#include "EditorSettings.h"

#include "BgrColour.h"

#include <QGuiApplication>
#include <QPalette>
#include <QSettings>

namespace {

EditorSettings &inForce()
{
    static EditorSettings settings;
    return settings;
}

const char *const Group = "Editor";

} // namespace

EditorSettings EditorSettings::load()
{
    QSettings profile;
    profile.beginGroup(Group);
    EditorSettings settings;
    const int nameCase = profile.value("NameCase", int(settings.nameCase)).toInt();
    if (nameCase >= 0 && nameCase <= int(tarnel::NameCase::AsPage))
        settings.nameCase = tarnel::NameCase(nameCase);
    settings.autoClose = profile.value("AutoClose", settings.autoClose).toBool();
    settings.fontFamily = profile.value("FontFamily", settings.fontFamily).toString();
    settings.fontSize = qBound(4, profile.value("FontSize", settings.fontSize).toInt(), 72);
    settings.tabWidth = qBound(0, profile.value("TabWidth", settings.tabWidth).toInt(), 16);
    settings.lineNumbers = profile.value("LineNumbers", settings.lineNumbers).toBool();
    const int scheme = profile.value("ColourScheme", int(settings.scheme)).toInt();
    if (scheme >= 0 && scheme <= int(tarnel::SchemeChoice::Dark))
        settings.scheme = tarnel::SchemeChoice(scheme);
    settings.reopenPages = profile.value("ReopenPages", settings.reopenPages).toBool();
    return settings;
}

void EditorSettings::save() const
{
    QSettings profile;
    profile.beginGroup(Group);
    profile.setValue("NameCase", int(nameCase));
    profile.setValue("AutoClose", autoClose);
    profile.setValue("FontFamily", fontFamily);
    profile.setValue("FontSize", fontSize);
    profile.setValue("TabWidth", tabWidth);
    profile.setValue("LineNumbers", lineNumbers);
    profile.setValue("ColourScheme", int(scheme));
    profile.setValue("ReopenPages", reopenPages);
}

tarnel::Scheme EditorSettings::schemeInForce() const
{
    const QColor base = QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
    return tarnel::SchemeFor(scheme, bgrOf(base));
}

const EditorSettings &EditorSettings::current()
{
    return inForce();
}

void EditorSettings::setCurrent(const EditorSettings &settings)
{
    inForce() = settings;
    emit changes().changed(settings);
}

CEditorSettingsChanges &EditorSettings::changes()
{
    static CEditorSettingsChanges changes;
    return changes;
}
