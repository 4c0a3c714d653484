#pragma once

#include <functional>

class CDocFrame;
class CTarnelDoc;

// Ties the document to a kind of window: the source template makes a CChildFrame (outline
// and source view), the preview template a CMyFrame.
class CDocTemplate
{
public:
    using FrameFactory = std::function<CDocFrame *(CTarnelDoc *)>;

    explicit CDocTemplate(FrameFactory factory);

    // A new window on the document.
    CDocFrame *CreateNewFrame(CTarnelDoc *document) const;
    // Runs the new window's first update, then shows it maximised and active.
    static void InitialUpdateFrame(CDocFrame *frame);

private:
    FrameFactory m_factory;
};
