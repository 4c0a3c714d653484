#pragma once

#include <QString>

#include <functional>

class CDocFrame;
class CTarnelDoc;

// Ties the document to a kind of window: the source template makes a CChildFrame (outline
// and source view), the preview template a CMyFrame. Only the source template has a type
// name and file filter, so New and Open always make source windows.
class CDocTemplate
{
public:
    using FrameFactory = std::function<CDocFrame *(CTarnelDoc *)>;

    CDocTemplate(int resourceId, QString docString, FrameFactory factory);

    int resourceId() const { return m_resourceId; }
    // The fields of the document string ("\n"-separated): 0 window title, 1 document name,
    // 2 file-new name, 3 filter name, 4 filter extension, 5 type id, 6 type name.
    QString docStringField(int index) const;
    bool hasFactory() const { return bool(m_factory); }
    void setFactory(FrameFactory factory) { m_factory = std::move(factory); }

    // A new window on the document, or nullptr when this template cannot make one.
    CDocFrame *CreateNewFrame(CTarnelDoc *document) const;
    // Runs the new window's first update, then shows it maximised and active.
    static void InitialUpdateFrame(CDocFrame *frame);

private:
    int m_resourceId;
    QString m_docString;
    FrameFactory m_factory;
};
