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
    Q_INVOKABLE void editEnded(int mark, bool kept, const QString &text)
    {
        emit textEditEnded(mark, kept, text);
    }
    Q_INVOKABLE void framePainted(int round) { emit painted(round); }

signals:
    // The text of the element marked `mark` was edited in place: `kept` false when the edit
    // was cancelled.
    void textEditEnded(int mark, bool kept, const QString &text);
    // The frame showing the patch or load of `round` was painted.
    void painted(int round);
};
