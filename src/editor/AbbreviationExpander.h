#pragma once

#include "abbreviation.h"

#include <QJSValue>
#include <QObject>
#include <QString>

#include <memory>

class CTarnelView;
class CTextSurface;
class QJSEngine;

// Expands the Emmet abbreviation before the caret of one source view. Emmet runs in a script
// engine of its own, started at the first expansion: starting it costs tens of milliseconds
// a launch need not pay. Where an abbreviation is read and which ones Tab takes are the core's
// rules; this asks Emmet and puts its text in.
class CAbbreviationExpander : public QObject
{
    Q_OBJECT
public:
    CAbbreviationExpander(CTarnelView *view, CTextSurface &text);
    ~CAbbreviationExpander() override;

    // Expands the abbreviation before the caret as one undo step, the caret at its first
    // field. Unasked (Tab) only one the core lets Tab take, and silently; asked (the command),
    // any, saying in the status bar when there is none or Emmet refuses it. True when the text
    // changed.
    bool expandAtCaret(bool asked);

    // Emmet's text for an abbreviation, its fields marked with tarnel::FieldMark; or the
    // reason it has none.
    struct Result
    {
        QString text;
        QString error;
    };
    Result expand(const QString &abbreviation, tarnel::AbbreviationSyntax syntax,
                  const QString &nameCase, const QString &indentUnit);

private:
    bool start();

    CTarnelView *m_view;
    CTextSurface &m_text;
    std::unique_ptr<QJSEngine> m_engine;
    QJSValue m_expand;
    QString m_startError;
};
