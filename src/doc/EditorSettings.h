#pragma once

#include "colourscheme.h"
#include "namecase.h"

#include <QObject>
#include <QString>

// How the source views look and behave, as the user chose in Preferences and kept in the
// profile. One set for every window: the views and the document parts that follow it hear
// each change from EditorSettings::changes().
struct EditorSettings
{
    // How typed, chosen and built names are spelled: as in the list, upper case, lower case,
    // as typed (no rewrites at all), or as the page writes its own tags.
    tarnel::NameCase nameCase = tarnel::NameCase::AsPage;
    bool autoClose = true;
    QString fontFamily; // empty: the system's fixed-width font
    int fontSize = 10;
    int tabWidth = 0; // in characters; 0: stops every fifth of an inch
    bool lineNumbers = true;
    tarnel::SchemeChoice scheme = tarnel::SchemeChoice::FollowDesktop;
    // The next start opens again the pages open when the editor was last closed.
    bool reopenPages = true;

    bool operator==(const EditorSettings &) const = default;

    // The colours shown now: the choice, or the desktop's when it is to be followed.
    tarnel::Scheme schemeInForce() const;

    static EditorSettings load();
    void save() const;
    // The settings in force; setting them tells every follower.
    static const EditorSettings &current();
    static void setCurrent(const EditorSettings &settings);
    static class CEditorSettingsChanges &changes();
};

// Where the settings in force announce a change.
class CEditorSettingsChanges : public QObject
{
    Q_OBJECT
signals:
    void changed(const EditorSettings &settings);
};
