#pragma once

#include <QObject>
#include <QString>

// What the live preview's helpers tell the editor of their own accord, through a web channel
// open only to the editor's script world: the page's scripts cannot reach it.
class CPreviewBridge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Called by the helpers.
    Q_INVOKABLE void editEnded(int mark, const QString &outcome, const QString &text)
    {
        emit textEditEnded(mark, outcome, text);
    }
    Q_INVOKABLE void framePainted(int round) { emit painted(round); }

signals:
    // The text of the element marked `mark` was edited in place: `outcome` is "kept",
    // "cancelled", or "changed" when more than the user's typing changed it.
    void textEditEnded(int mark, const QString &outcome, const QString &text);
    // The frame showing the patch or load of `round` was painted.
    void painted(int round);
};
